// The file-system calls that can fail, behind one small interface so that
// tests can make any of them fail (a full disk on the n-th write, a rename
// refused) without a special filesystem.
#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

// Device and inode (or volume and file index): equal identities name the
// same file, whatever the spelling of the paths.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileIdentity &) const = default;
};

// Which of the classic attribute flags the file's filesystem can keep. A
// flag that cannot change comes with the reason, for the user to read.
struct AttributeSupport
{
    quint32 changeable = 0;   // FileAttribute flags that can be set and cleared
    QString hiddenReason;     // why Hidden cannot change, when it cannot
    QString systemReason;
    QString archiveReason;
    QString readOnlyReason;
};

class FileSystem
{
public:
    // An open file. Every call reports success; the reason of a failure is
    // in the file system's lastError().
    class File
    {
    public:
        virtual ~File() = default;
        // Bytes read, 0 at the end, -1 on failure.
        virtual qint64 read(char *buffer, qint64 maximum) = 0;
        // Writes all of data or fails.
        virtual bool write(const char *data, qint64 length) = 0;
        // Flushes what was written to the disk.
        virtual bool sync() = 0;
        virtual bool close() = 0;
    };

    virtual ~FileSystem() = default;

    virtual std::unique_ptr<File> openForReading(const QString &path) = 0;
    // Creates a file that must not exist yet, with the default permissions.
    virtual std::unique_ptr<File> createNew(const QString &path) = 0;
    // Renames; fails when `to` exists already.
    virtual bool rename(const QString &from, const QString &to) = 0;
    // Renames over `to` in one step: readers see the old or the new file.
    virtual bool replace(const QString &from, const QString &to) = 0;
    virtual bool remove(const QString &path) = 0;
    // Creates one folder; fails when it exists or its parent is missing.
    virtual bool makeDirectory(const QString &path) = 0;
    // Removes an empty folder.
    virtual bool removeDirectory(const QString &path) = 0;

    // The file path leads to (links followed); nothing when there is none.
    virtual std::optional<FileIdentity> identity(const QString &path) = 0;
    virtual bool isDirectory(const QString &path) = 0;
    virtual std::optional<qint64> size(const QString &path) = 0;
    // FileAttribute flags; nothing when the file cannot be read.
    virtual std::optional<quint32> readAttributes(const QString &path) = 0;
    // Stores the four classic flags of attributes where the filesystem can;
    // false when any of them could not be stored.
    virtual bool writeAttributes(const QString &path, quint32 attributes) = 0;
    virtual AttributeSupport attributeSupport(const QString &path) = 0;

    // Whether files of path's volume can go to the desktop's trash.
    virtual bool hasTrash(const QString &path) = 0;
    // Moves the file to the desktop's trash, where it can be restored from.
    virtual bool moveToTrash(const QString &path) = 0;

    // The system's text for the last failure.
    virtual QString lastError() const = 0;
};

// The file system of the machine.
FileSystem &systemFileSystem();
