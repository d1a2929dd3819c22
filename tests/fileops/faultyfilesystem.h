// The machine's file system with failures on demand: the n-th write, a
// rename, a removal, the flush; and a record of every read.
#pragma once

#include "platform/filesystem.h"

#include <QList>
#include <QSet>
#include <QString>
#include <functional>

class FaultyFileSystem : public FileSystem
{
public:
    int failWriteNumber = 0;       // 1 = the first write fails; 0 = none fails
    bool failSync = false;
    bool failReplace = false;
    bool failRename = false;
    bool noExtendedAttributes = false;  // as on a filesystem without them
    bool noTrash = false;          // as on a volume without a trash
    QSet<QString> failTrashOf;     // file names the trash refuses
    QSet<QString> failRemoveOf;    // file names whose removal fails
    QSet<QString> failOpenOf;      // file names that cannot be opened

    std::function<void(const QString &)> onOpen;  // called as a file is opened for reading
    QList<qint64> reads;           // bytes every read returned, in order
    int writes = 0;
    int attributeWrites = 0;

    std::unique_ptr<File> openForReading(const QString &path) override;
    std::unique_ptr<File> createNew(const QString &path) override;
    bool rename(const QString &from, const QString &to) override;
    bool replace(const QString &from, const QString &to) override;
    bool remove(const QString &path) override;
    bool makeDirectory(const QString &path) override { return m_real.makeDirectory(path); }
    bool removeDirectory(const QString &path) override { return m_real.removeDirectory(path); }
    std::optional<FileIdentity> identity(const QString &path) override { return m_real.identity(path); }
    bool isDirectory(const QString &path) override { return m_real.isDirectory(path); }
    std::optional<qint64> size(const QString &path) override { return m_real.size(path); }
    std::optional<quint32> readAttributes(const QString &path) override { return m_real.readAttributes(path); }
    bool writeAttributes(const QString &path, quint32 attributes) override;
    AttributeSupport attributeSupport(const QString &path) override;
    bool hasTrash(const QString &path) override { return !noTrash && m_real.hasTrash(path); }
    bool moveToTrash(const QString &path) override;
    QString lastError() const override { return m_injected.isEmpty() ? m_real.lastError() : m_injected; }

    bool injectFailure(const QString &why)
    {
        m_injected = why;
        return false;
    }

private:
    bool named(const QSet<QString> &names, const QString &path) const;

    FileSystem &m_real = systemFileSystem();
    QString m_injected;
};
