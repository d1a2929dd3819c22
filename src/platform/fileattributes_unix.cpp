#include "platform/fileattributes.h"

#include <QFile>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {
// The attribute value starts with the flags as text, "0x22", in every
// version of the format; later versions append binary data after a NUL.
quint32 dosAttributeFlags(const QByteArray &nativePath)
{
    char buffer[64] = {};
    const ssize_t length = getxattr(nativePath.constData(), "user.DOSATTRIB", buffer,
                                    sizeof(buffer) - 1);
    if (length <= 2 || buffer[0] != '0' || (buffer[1] != 'x' && buffer[1] != 'X'))
        return 0;
    return static_cast<quint32>(std::strtoul(buffer + 2, nullptr, 16));
}
} // namespace

quint32 readFileAttributes(const QString &path)
{
    const QByteArray nativePath = QFile::encodeName(path);
    struct stat info {};
    if (stat(nativePath.constData(), &info) != 0)
        return 0;
    const quint32 dos = dosAttributeFlags(nativePath);
    quint32 flags = dos & (FileAttribute::Hidden | FileAttribute::System | FileAttribute::Archive);
    if (!(info.st_mode & S_IWUSR))
        flags |= FileAttribute::ReadOnly;
    if (S_ISDIR(info.st_mode))
        flags |= FileAttribute::Directory;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (path.mid(slash + 1).startsWith(QLatin1Char('.')))
        flags |= FileAttribute::Hidden;
    return flags;
}
