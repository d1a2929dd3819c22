#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The folder must be ours and closed to others; anything else could let
// another user plant or read the temporary pictures.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat info {};
    if (lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    if (info.st_uid != geteuid())
        return false;
    if ((info.st_mode & 077) != 0)
        return chmod(path.constData(), 0700) == 0;
    return true;
}

QString runtimeBase()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
}
} // namespace

QString privateTempDirectory()
{
    const QString folder = runtimeBase() + QStringLiteral("/pixmoor-") + QString::number(geteuid());
    const QByteArray native = QFile::encodeName(folder);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    if (!isPrivateFolder(native))
        return {};
    return withTrailingSeparator(folder);
}
