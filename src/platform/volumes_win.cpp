#include "platform/volumes.h"

#include <QDir>
#include <windows.h>

namespace {
// "C:\folder" -> "C:\"; a UNC path keeps its share part.
std::wstring rootOf(const QString &path)
{
    QString native = QDir::toNativeSeparators(QDir(path).absolutePath());
    if (native.size() < 3)
        native += QLatin1Char('\\');
    if (native.startsWith(QLatin1String("\\\\"))) {
        const auto shareEnd = native.indexOf(QLatin1Char('\\'), native.indexOf(QLatin1Char('\\'), 2) + 1);
        return (shareEnd < 0 ? native + QLatin1Char('\\') : native.left(shareEnd + 1)).toStdWString();
    }
    return native.left(3).toStdWString();
}
} // namespace

std::optional<VolumeSpace> SystemVolumes::space(const QString &path) const
{
    ULARGE_INTEGER freeToCaller{}, total{}, totalFree{};
    if (path.isEmpty() || !GetDiskFreeSpaceExW(rootOf(path).c_str(), &freeToCaller, &total, &totalFree))
        return std::nullopt;
    return VolumeSpace{quint64(total.QuadPart), quint64(freeToCaller.QuadPart)};
}

DriveType SystemVolumes::driveType(const QString &path) const
{
    switch (GetDriveTypeW(rootOf(path).c_str())) {
    case DRIVE_NO_ROOT_DIR:
        return DriveType::NoRootDirectory;
    case DRIVE_REMOVABLE:
        return DriveType::Removable;
    case DRIVE_FIXED:
        return DriveType::Fixed;
    case DRIVE_REMOTE:
        return DriveType::Remote;
    case DRIVE_CDROM:
        return DriveType::CdRom;
    case DRIVE_RAMDISK:
        return DriveType::RamDisk;
    default:
        return DriveType::Unknown;
    }
}
