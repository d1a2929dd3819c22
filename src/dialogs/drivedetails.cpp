#include "dialogs/drivedetails.h"

#include "platform/volumes.h"

#include <algorithm>

namespace {
QString kiloBytesText(quint64 kiloBytes)
{
    return QString::number(kiloBytes) + QStringLiteral(" KBytes");
}
} // namespace

DriveDetails driveDetails(const QString &folder, const Volumes &volumes)
{
    DriveDetails details;
    details.path = folder;
    details.type = driveTypeText(volumes.driveType(folder));
    const std::optional<VolumeSpace> space = volumes.space(folder);
    if (!space) {
        details.size = details.free = details.used = QStringLiteral("Not Available");
        return details;
    }
    const quint64 sizeKB = space->totalBytes / 1024;
    // A volume can report more free space than its size (quotas, compression).
    const quint64 freeKB = std::min(space->freeBytes / 1024, sizeKB);
    details.size = kiloBytesText(sizeKB);
    details.free = kiloBytesText(freeKB);
    details.used = kiloBytesText(sizeKB - freeKB);
    return details;
}
