#include "platform/volumes.h"

#include <QList>
#include <QSet>

namespace {
// Mount tables write blanks, tabs, newlines and backslashes as \ooo.
QString decodeMountField(const QByteArray &field)
{
    QByteArray decoded;
    decoded.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && code > 0 && code < 256) {
                decoded.append(char(code));
                i += 3;
                continue;
            }
        }
        decoded.append(field[i]);
    }
    return QString::fromUtf8(decoded);
}

std::optional<MountEntry> parseMountLine(const QByteArray &line)
{
    const QList<QByteArray> fields = line.split(' ');
    const qsizetype dash = fields.indexOf("-");
    if (fields.size() < 5 || dash < 6 || dash + 2 >= fields.size())
        return std::nullopt;
    return MountEntry{decodeMountField(fields[4]), decodeMountField(fields[dash + 1]),
                      decodeMountField(fields[dash + 2])};
}

bool holds(const QString &mountPoint, const QString &path)
{
    if (mountPoint == QLatin1String("/"))
        return true;
    return path == mountPoint || path.startsWith(mountPoint + QLatin1Char('/'));
}

bool isOneOf(const QString &name, std::initializer_list<const char *> names)
{
    for (const char *candidate : names)
        if (name == QLatin1String(candidate))
            return true;
    return false;
}
} // namespace

QString driveTypeText(DriveType type)
{
    switch (type) {
    case DriveType::Removable:
        return QStringLiteral("Removable");
    case DriveType::Fixed:
        return QStringLiteral("Fixed");
    case DriveType::Remote:
        return QStringLiteral("Network");
    case DriveType::CdRom:
        return QStringLiteral("CD-Rom");
    case DriveType::RamDisk:
        return QStringLiteral("Ram Disk");
    case DriveType::Unknown:
    case DriveType::NoRootDirectory:
        break;
    }
    return QStringLiteral("Don't Know");
}

std::optional<MountEntry> mountHolding(const QByteArray &mountInfo, const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return std::nullopt;
    std::optional<MountEntry> best;
    for (const QByteArray &line : mountInfo.split('\n')) {
        const std::optional<MountEntry> entry = parseMountLine(line.trimmed());
        if (!entry || !holds(entry->mountPoint, path))
            continue;
        if (!best || entry->mountPoint.size() >= best->mountPoint.size())
            best = entry;
    }
    return best;
}

DriveType driveTypeOfMount(const MountEntry &mount, bool removableDevice)
{
    const QString &fs = mount.filesystem;
    if (isOneOf(fs, {"tmpfs", "ramfs"}))
        return DriveType::RamDisk;
    if (isOneOf(fs, {"iso9660", "udf"}))
        return DriveType::CdRom;
    if (isOneOf(fs, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "ceph", "glusterfs",
                     "9p", "lustre", "davfs", "fuse.sshfs", "fuse.davfs2", "fuse.rclone",
                     "fuse.glusterfs", "fuse.s3fs"}))
        return DriveType::Remote;
    if (isOneOf(fs, {"ext2", "ext3", "ext4", "xfs", "btrfs", "zfs", "f2fs", "jfs", "reiserfs",
                     "vfat", "msdos", "exfat", "ntfs", "ntfs3", "fuseblk", "hfs", "hfsplus",
                     "nilfs2", "bcachefs", "overlay"}))
        return removableDevice ? DriveType::Removable : DriveType::Fixed;
    return DriveType::Unknown;
}
