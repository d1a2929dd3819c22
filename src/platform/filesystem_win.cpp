// The file-system layer on Windows, where the classic attribute flags are
// the filesystem's own.
#include "platform/filesystem.h"

#include "platform/fileattributes.h"

#include <QDir>
#include <utility>
#include <windows.h>

namespace {
constexpr quint32 ClassicFlags = FileAttribute::ReadOnly | FileAttribute::Hidden
                                 | FileAttribute::System | FileAttribute::Archive;

const wchar_t *native(const QString &path, std::wstring &holder)
{
    holder = QDir::toNativeSeparators(path).toStdWString();
    return holder.c_str();
}

QString lastSystemError()
{
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                       | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, GetLastError(), 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    const QString result = text ? QString::fromWCharArray(text).trimmed() : QString();
    LocalFree(text);
    return result;
}

class WindowsFile : public FileSystem::File
{
public:
    WindowsFile(HANDLE handle, QString &lastError) : m_handle(handle), m_lastError(lastError) {}
    ~WindowsFile() override
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }

    qint64 read(char *buffer, qint64 maximum) override
    {
        DWORD got = 0;
        if (!ReadFile(m_handle, buffer, DWORD(maximum), &got, nullptr))
            return fail(-1);
        return got;
    }

    bool write(const char *data, qint64 length) override
    {
        DWORD put = 0;
        return (WriteFile(m_handle, data, DWORD(length), &put, nullptr) && put == DWORD(length))
            || fail(false);
    }

    bool sync() override { return FlushFileBuffers(m_handle) || fail(false); }

    bool close() override
    {
        const HANDLE handle = std::exchange(m_handle, INVALID_HANDLE_VALUE);
        return CloseHandle(handle) || fail(false);
    }

private:
    template <typename T>
    T fail(T result)
    {
        m_lastError = lastSystemError();
        return result;
    }

    HANDLE m_handle;
    QString &m_lastError;
};

class WindowsFileSystem : public FileSystem
{
public:
    std::unique_ptr<File> openForReading(const QString &path) override
    {
        return open(path, GENERIC_READ, OPEN_EXISTING);
    }
    std::unique_ptr<File> createNew(const QString &path) override
    {
        return open(path, GENERIC_WRITE, CREATE_NEW);
    }
    bool rename(const QString &from, const QString &to) override
    {
        std::wstring a, b;
        return MoveFileExW(native(from, a), native(to, b), 0) || failed();
    }
    bool replace(const QString &from, const QString &to) override
    {
        std::wstring a, b;
        return MoveFileExW(native(from, a), native(to, b), MOVEFILE_REPLACE_EXISTING) || failed();
    }
    bool remove(const QString &path) override
    {
        std::wstring a;
        return DeleteFileW(native(path, a)) || failed();
    }
    bool makeDirectory(const QString &path) override
    {
        std::wstring a;
        return CreateDirectoryW(native(path, a), nullptr) || failed();
    }
    bool removeDirectory(const QString &path) override
    {
        std::wstring a;
        return RemoveDirectoryW(native(path, a)) || failed();
    }
    std::optional<FileIdentity> identity(const QString &path) override
    {
        std::wstring a;
        const HANDLE handle = CreateFileW(native(path, a), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return failed(), std::nullopt;
        BY_HANDLE_FILE_INFORMATION info {};
        const bool ok = GetFileInformationByHandle(handle, &info);
        CloseHandle(handle);
        if (!ok)
            return failed(), std::nullopt;
        return FileIdentity{info.dwVolumeSerialNumber,
                            (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    }
    bool isDirectory(const QString &path) override
    {
        const auto attributes = readAttributes(path);
        return attributes && (*attributes & FileAttribute::Directory);
    }
    std::optional<qint64> size(const QString &path) override
    {
        std::wstring a;
        WIN32_FILE_ATTRIBUTE_DATA data {};
        if (!GetFileAttributesExW(native(path, a), GetFileExInfoStandard, &data))
            return failed(), std::nullopt;
        return (qint64(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
    std::optional<quint32> readAttributes(const QString &path) override
    {
        std::wstring a;
        const DWORD flags = GetFileAttributesW(native(path, a));
        if (flags == INVALID_FILE_ATTRIBUTES)
            return failed(), std::nullopt;
        return quint32(flags);
    }
    bool writeAttributes(const QString &path, quint32 attributes) override
    {
        const auto current = readAttributes(path);
        if (!current)
            return false;
        std::wstring a;
        const DWORD next = (*current & ~ClassicFlags) | (attributes & ClassicFlags);
        return SetFileAttributesW(native(path, a), next) || failed();
    }
    AttributeSupport attributeSupport(const QString &) override
    {
        AttributeSupport support;
        support.changeable = ClassicFlags;
        return support;
    }
    // The recycle bin takes files of every fixed volume.
    bool hasTrash(const QString &) override { return true; }
    bool moveToTrash(const QString &path) override
    {
        QFile file(path);
        if (file.moveToTrash())
            return true;
        m_lastError = file.errorString();
        return false;
    }

    QString lastError() const override { return m_lastError; }

private:
    std::unique_ptr<File> open(const QString &path, DWORD access, DWORD disposition)
    {
        std::wstring a;
        const HANDLE handle = CreateFileW(native(path, a), access, FILE_SHARE_READ, nullptr,
                                          disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            return failed(), nullptr;
        return std::make_unique<WindowsFile>(handle, m_lastError);
    }
    bool failed()
    {
        m_lastError = lastSystemError();
        return false;
    }

    QString m_lastError;
};
} // namespace

FileSystem &systemFileSystem()
{
    static WindowsFileSystem system;
    return system;
}
