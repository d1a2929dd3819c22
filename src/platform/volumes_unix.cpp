#include "platform/volumes.h"

#include <QFile>
#include <QFileInfo>
#include <sys/statvfs.h>

namespace {
QString canonicalPath(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A partition's "removable" flag lives with its whole disk, one folder up.
bool isRemovableDevice(const QString &source)
{
    if (!source.startsWith(QLatin1String("/dev/")))
        return false;
    const QString device = QFileInfo(source).canonicalFilePath().section(QLatin1Char('/'), -1);
    if (device.isEmpty())
        return false;
    const QString sysEntry = canonicalPath(QStringLiteral("/sys/class/block/") + device);
    if (sysEntry.isEmpty())
        return false;
    for (const QString &folder : {sysEntry, sysEntry.section(QLatin1Char('/'), 0, -2)}) {
        const QByteArray flag = readSmallFile(folder + QStringLiteral("/removable")).trimmed();
        if (!flag.isEmpty())
            return flag == "1";
    }
    return false;
}
} // namespace

std::optional<VolumeSpace> SystemVolumes::space(const QString &path) const
{
    struct statvfs info {};
    if (path.isEmpty() || statvfs(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    const quint64 unit = info.f_frsize ? info.f_frsize : info.f_bsize;
    return VolumeSpace{quint64(info.f_blocks) * unit, quint64(info.f_bavail) * unit};
}

DriveType SystemVolumes::driveType(const QString &path) const
{
    const QString folder = canonicalPath(path);
    if (folder.isEmpty())
        return DriveType::NoRootDirectory;
    const std::optional<MountEntry> mount =
        mountHolding(readSmallFile(QStringLiteral("/proc/self/mountinfo")), folder);
    if (!mount)
        return DriveType::Unknown;
    return driveTypeOfMount(*mount, isRemovableDevice(mount->source));
}
