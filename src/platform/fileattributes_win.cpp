#include "platform/fileattributes.h"

#include <QDir>
#include <windows.h>

quint32 readFileAttributes(const QString &path)
{
    const DWORD flags = GetFileAttributesW(reinterpret_cast<const wchar_t *>(
        QDir::toNativeSeparators(path).utf16()));
    if (flags == INVALID_FILE_ATTRIBUTES)
        return 0;
    return flags & (FileAttribute::ReadOnly | FileAttribute::Hidden | FileAttribute::System
                    | FileAttribute::Directory | FileAttribute::Archive);
}
