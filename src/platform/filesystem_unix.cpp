// The file-system layer on POSIX systems. The classic attribute flags map as
// the readers expect: read-only is the missing owner write bit; hidden is a
// dot name or a flag of the "user.DOSATTRIB" extended attribute, which also
// keeps system and archive where the filesystem has extended attributes.
#include "platform/filesystem.h"

#include "platform/fileattributes.h"
#include "platform/trash_unix.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace {
constexpr const char *DosAttributeName = "user.DOSATTRIB";
constexpr quint32 DosFlags = FileAttribute::Hidden | FileAttribute::System | FileAttribute::Archive;
constexpr mode_t AnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool hasDotName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).startsWith(QLatin1Char('.'));
}

// The stored flags; nothing when the attribute is missing or unreadable.
std::optional<quint32> storedDosFlags(const QByteArray &path)
{
    char buffer[64] = {};
    const ssize_t length = getxattr(path.constData(), DosAttributeName, buffer, sizeof(buffer) - 1);
    if (length <= 2 || buffer[0] != '0' || (buffer[1] != 'x' && buffer[1] != 'X'))
        return std::nullopt;
    return static_cast<quint32>(std::strtoul(buffer + 2, nullptr, 16));
}

bool canKeepExtendedAttributes(const QByteArray &path)
{
    return getxattr(path.constData(), DosAttributeName, nullptr, 0) >= 0 || errno != ENOTSUP;
}

class PosixFile : public FileSystem::File
{
public:
    PosixFile(int descriptor, QString &lastError) : m_fd(descriptor), m_lastError(lastError) {}
    ~PosixFile() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    qint64 read(char *buffer, qint64 maximum) override
    {
        ssize_t got;
        do
            got = ::read(m_fd, buffer, size_t(maximum));
        while (got < 0 && errno == EINTR);
        return got < 0 ? fail(-1) : qint64(got);
    }

    bool write(const char *data, qint64 length) override
    {
        while (length > 0) {
            const ssize_t put = ::write(m_fd, data, size_t(length));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return fail(false);
            data += put;
            length -= put;
        }
        return true;
    }

    bool sync() override { return ::fsync(m_fd) == 0 || fail(false); }

    bool close() override
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0 || fail(false);
    }

private:
    template <typename T>
    T fail(T result)
    {
        m_lastError = errnoText();
        return result;
    }

    int m_fd;
    QString &m_lastError;
};

class PosixFileSystem : public FileSystem
{
public:
    std::unique_ptr<File> openForReading(const QString &path) override
    {
        return open(path, O_RDONLY);
    }

    std::unique_ptr<File> createNew(const QString &path) override
    {
        return open(path, O_WRONLY | O_CREAT | O_EXCL);
    }

    bool rename(const QString &from, const QString &to) override
    {
        const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
        if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS)
            return failed();
        // A filesystem without the no-replace flag: look first.
        struct stat info {};
        if (::lstat(target.constData(), &info) == 0) {
            errno = EEXIST;
            return failed();
        }
        return ::rename(source.constData(), target.constData()) == 0 || failed();
    }

    bool replace(const QString &from, const QString &to) override
    {
        return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0
            || failed();
    }

    bool remove(const QString &path) override
    {
        return ::unlink(QFile::encodeName(path).constData()) == 0 || failed();
    }

    bool makeDirectory(const QString &path) override
    {
        return ::mkdir(QFile::encodeName(path).constData(), 0777) == 0 || failed();
    }

    bool removeDirectory(const QString &path) override
    {
        return ::rmdir(QFile::encodeName(path).constData()) == 0 || failed();
    }

    std::optional<FileIdentity> identity(const QString &path) override
    {
        const auto info = status(path);
        if (!info)
            return std::nullopt;
        return FileIdentity{quint64(info->st_dev), quint64(info->st_ino)};
    }

    bool isDirectory(const QString &path) override
    {
        const auto info = status(path);
        return info && S_ISDIR(info->st_mode);
    }

    std::optional<qint64> size(const QString &path) override
    {
        const auto info = status(path);
        return info ? std::optional<qint64>(info->st_size) : std::nullopt;
    }

    std::optional<quint32> readAttributes(const QString &path) override
    {
        if (!status(path))
            return std::nullopt;
        return readFileAttributes(path);
    }

    bool writeAttributes(const QString &path, quint32 attributes) override;
    AttributeSupport attributeSupport(const QString &path) override;

    bool hasTrash(const QString &path) override { return trashFolderFor(path, false).has_value(); }
    bool moveToTrash(const QString &path) override { return moveFileToTrash(path, &m_lastError); }

    QString lastError() const override { return m_lastError; }

private:
    std::unique_ptr<File> open(const QString &path, int flags)
    {
        const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0666);
        if (fd < 0) {
            failed();
            return nullptr;
        }
        return std::make_unique<PosixFile>(fd, m_lastError);
    }

    std::optional<struct stat> status(const QString &path)
    {
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
            failed();
            return std::nullopt;
        }
        return info;
    }

    bool failed()
    {
        m_lastError = errnoText();
        return false;
    }

    bool storeDosFlags(const QByteArray &path, quint32 wanted);

    QString m_lastError;
};

bool PosixFileSystem::storeDosFlags(const QByteArray &path, quint32 wanted)
{
    const std::optional<quint32> stored = storedDosFlags(path);
    const quint32 next = (stored.value_or(0) & ~DosFlags) | (wanted & DosFlags);
    if (stored ? *stored == next : next == 0)
        return true;
    // The text form is the one every reader of this attribute understands.
    char text[16];
    const int length = std::snprintf(text, sizeof(text), "0x%x", next);
    return ::setxattr(path.constData(), DosAttributeName, text, size_t(length) + 1, 0) == 0 || failed();
}

bool PosixFileSystem::writeAttributes(const QString &path, quint32 attributes)
{
    const QByteArray native = QFile::encodeName(path);
    // A link has no attributes of its own; changing them through it would
    // change a file the user did not pick.
    struct stat link {};
    if (::lstat(native.constData(), &link) == 0 && S_ISLNK(link.st_mode))
        return true;
    const auto info = status(path);
    if (!info)
        return false;
    const bool readOnly = attributes & FileAttribute::ReadOnly;
    // Extended attributes of a file can only change while it is writable.
    bool ok = true;
    if (!(info->st_mode & S_IWUSR))
        ok = ::chmod(native.constData(), info->st_mode | S_IWUSR) == 0 || failed();
    ok = storeDosFlags(native, attributes) && ok;
    const mode_t wantedMode = readOnly ? (info->st_mode & ~AnyWrite) : (info->st_mode | S_IWUSR);
    ok = (::chmod(native.constData(), wantedMode & 07777) == 0 || failed()) && ok;
    if (!(attributes & FileAttribute::Hidden) && hasDotName(path)) {
        m_lastError = QStringLiteral("a name starting with a dot always hides the file");
        ok = false;
    }
    return ok;
}

AttributeSupport PosixFileSystem::attributeSupport(const QString &path)
{
    AttributeSupport support;
    const QByteArray native = QFile::encodeName(path);
    const auto info = status(path);
    if (info && info->st_uid != ::geteuid() && ::geteuid() != 0)
        support.readOnlyReason = QStringLiteral("Only the owner of the file can change this");
    else
        support.changeable |= FileAttribute::ReadOnly;
    if (canKeepExtendedAttributes(native)) {
        support.changeable |= DosFlags;
    } else {
        const QString cannot = QStringLiteral("This file system cannot store the %1 flag");
        support.hiddenReason = cannot.arg(QStringLiteral("hidden"));
        support.systemReason = cannot.arg(QStringLiteral("system"));
        support.archiveReason = cannot.arg(QStringLiteral("archive"));
    }
    if (hasDotName(path)) {
        support.changeable &= ~quint32(FileAttribute::Hidden);
        support.hiddenReason = QStringLiteral("A name starting with a dot always hides the file");
    }
    return support;
}
} // namespace

FileSystem &systemFileSystem()
{
    static PosixFileSystem system;
    return system;
}
