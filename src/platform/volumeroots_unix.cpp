#include "platform/volumeroots.h"

#include "platform/paths.h"

#include <QDir>
#include <QStorageInfo>

namespace {
bool isUserVolume(const QString &mountPoint)
{
    for (const char *base : {"/media/", "/mnt/", "/run/media/"})
        if (mountPoint.startsWith(QLatin1String(base)))
            return true;
    return false;
}
} // namespace

QStringList volumeRoots()
{
    QStringList roots{QStringLiteral("/")};
    const QString home = withTrailingSeparator(QDir::homePath());
    if (home != roots.first() && QDir(home).exists())
        roots.append(home);
    QStringList mounted;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && isUserVolume(volume.rootPath()))
            mounted.append(withTrailingSeparator(volume.rootPath()));
    mounted.sort();
    mounted.removeDuplicates();
    roots.append(mounted);
    return roots;
}
