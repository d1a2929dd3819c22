// Size, free space and kind of the volume that holds a folder.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

enum class DriveType { Unknown, NoRootDirectory, Removable, Fixed, Remote, CdRom, RamDisk };

// The text the drive information window shows for a drive type.
QString driveTypeText(DriveType type);

struct VolumeSpace
{
    quint64 totalBytes = 0;
    quint64 freeBytes = 0;  // free to this user
};

class Volumes
{
public:
    virtual ~Volumes() = default;
    // Nothing when the volume holding path cannot be asked.
    virtual std::optional<VolumeSpace> space(const QString &path) const = 0;
    virtual DriveType driveType(const QString &path) const = 0;
};

// The volumes of this machine.
class SystemVolumes : public Volumes
{
public:
    std::optional<VolumeSpace> space(const QString &path) const override;
    DriveType driveType(const QString &path) const override;
};

// One line of a Linux mount table (/proc/self/mountinfo).
struct MountEntry
{
    QString mountPoint;
    QString filesystem;
    QString source;
};

// The entry whose mount point holds path most closely (the last such entry,
// as later mounts hide earlier ones); nothing for a relative path or an
// empty table. Octal escapes such as \040 in the table are decoded.
std::optional<MountEntry> mountHolding(const QByteArray &mountInfo, const QString &path);

// The drive type of a mount: removableDevice tells whether its block device
// is one the system calls removable.
DriveType driveTypeOfMount(const MountEntry &mount, bool removableDevice);
