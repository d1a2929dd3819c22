#include "platform/trash_unix.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// The device of path, or of its nearest folder that exists.
std::optional<dev_t> deviceOf(QString path)
{
    struct stat info {};
    while (::stat(native(path).constData(), &info) != 0) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return std::nullopt;
        path = parent;
    }
    return info.st_dev;
}

bool isPrivateFolder(const QString &path, bool create)
{
    struct stat info {};
    if (::lstat(native(path).constData(), &info) == 0)
        return S_ISDIR(info.st_mode) && info.st_uid == ::getuid();
    return create && QDir().mkpath(path) && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

std::optional<QString> ready(const QString &trash, bool create)
{
    if (!isPrivateFolder(trash, create))
        return std::nullopt;
    if (create && !(isPrivateFolder(trash + QStringLiteral("/files"), true)
                    && isPrivateFolder(trash + QStringLiteral("/info"), true)))
        return std::nullopt;
    return trash;
}

// Absolute, with every byte but the unreserved ones and "/" escaped.
QByteArray recordedPath(const QString &path)
{
    return native(path).toPercentEncoding("/");
}
} // namespace

std::optional<QString> trashFolderFor(const QString &path, bool create)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
    const std::optional<dev_t> device = deviceOf(folder);
    if (device && device == deviceOf(home)) {
        if (!create)
            return home;
        QDir().mkpath(QFileInfo(home).path());
        return ready(home, true);
    }
    const QString top = QStorageInfo(folder).rootPath();
    if (top.isEmpty())
        return std::nullopt;
    const QString uid = QString::number(::getuid());
    const QString shared = top + QStringLiteral("/.Trash");
    struct stat info {};
    if (::lstat(native(shared).constData(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX))
        if (const auto trash = ready(shared + QLatin1Char('/') + uid, create))
            return trash;
    const QString own = top + QStringLiteral("/.Trash-") + uid;
    if (!create && !QFileInfo::exists(own))
        return ::access(native(top).constData(), W_OK) == 0 ? std::optional<QString>(own) : std::nullopt;
    return ready(own, create);
}

bool moveFileToTrash(const QString &path, QString *why)
{
    const std::optional<QString> trash = trashFolderFor(path, true);
    if (!trash) {
        *why = QStringLiteral("There is no trash for this file's volume");
        return false;
    }
    const QFileInfo file(path);
    const QString base = file.completeBaseName(), suffix = file.suffix();
    const QByteArray record = "[Trash Info]\nPath=" + recordedPath(file.absoluteFilePath()) + "\nDeletionDate="
                              + QDateTime::currentDateTime().toString(Qt::ISODate).left(19).toUtf8() + "\n";
    for (int number = 0; number < 10000; ++number) {
        QString name = file.fileName();
        if (number > 0)
            name = base + QStringLiteral(".%1").arg(number) + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
        const QString target = *trash + QStringLiteral("/files/") + name;
        const QByteArray info = native(*trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
        // The record is made first and exclusively: it claims the name.
        const int fd = ::open(info.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            *why = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        const bool written = ::write(fd, record.constData(), size_t(record.size())) == record.size();
        ::close(fd);
        struct stat existing {};
        if (written && ::lstat(native(target).constData(), &existing) != 0
            && ::rename(native(path).constData(), native(target).constData()) == 0)
            return true;
        const int error = written ? errno : ENOSPC;
        ::unlink(info.constData());
        if (written && error == EEXIST)
            continue;
        *why = QString::fromLocal8Bit(std::strerror(error));
        return false;
    }
    *why = QStringLiteral("Too many files of this name in the trash");
    return false;
}
