#include "faultyfilesystem.h"

#include "platform/fileattributes.h"

#include <QFileInfo>

namespace {
class FaultyFile : public FileSystem::File
{
public:
    FaultyFile(std::unique_ptr<File> real, FaultyFileSystem &owner) : m_real(std::move(real)), m_owner(owner) {}

    qint64 read(char *buffer, qint64 maximum) override
    {
        const qint64 got = m_real->read(buffer, maximum);
        m_owner.reads.append(got);
        return got;
    }
    bool write(const char *data, qint64 length) override
    {
        if (++m_owner.writes == m_owner.failWriteNumber)
            return m_owner.injectFailure(QStringLiteral("No space left on device"));
        return m_real->write(data, length);
    }
    bool sync() override
    {
        return m_owner.failSync ? m_owner.injectFailure(QStringLiteral("Input/output error")) : m_real->sync();
    }
    bool close() override { return m_real->close(); }

private:
    std::unique_ptr<File> m_real;
    FaultyFileSystem &m_owner;
};
} // namespace

bool FaultyFileSystem::named(const QSet<QString> &names, const QString &path) const
{
    return names.contains(QFileInfo(path).fileName());
}

std::unique_ptr<FileSystem::File> FaultyFileSystem::openForReading(const QString &path)
{
    if (onOpen)
        onOpen(path);
    if (named(failOpenOf, path)) {
        injectFailure(QStringLiteral("Permission denied"));
        return nullptr;
    }
    std::unique_ptr<File> real = m_real.openForReading(path);
    return real ? std::make_unique<FaultyFile>(std::move(real), *this) : nullptr;
}

std::unique_ptr<FileSystem::File> FaultyFileSystem::createNew(const QString &path)
{
    std::unique_ptr<File> real = m_real.createNew(path);
    return real ? std::make_unique<FaultyFile>(std::move(real), *this) : nullptr;
}

bool FaultyFileSystem::rename(const QString &from, const QString &to)
{
    return failRename ? injectFailure(QStringLiteral("Permission denied")) : m_real.rename(from, to);
}

bool FaultyFileSystem::replace(const QString &from, const QString &to)
{
    return failReplace ? injectFailure(QStringLiteral("Permission denied")) : m_real.replace(from, to);
}

bool FaultyFileSystem::remove(const QString &path)
{
    return named(failRemoveOf, path) ? injectFailure(QStringLiteral("Permission denied")) : m_real.remove(path);
}

bool FaultyFileSystem::writeAttributes(const QString &path, quint32 attributes)
{
    ++attributeWrites;
    if (noExtendedAttributes)
        attributes &= FileAttribute::ReadOnly;
    return m_real.writeAttributes(path, attributes);
}

AttributeSupport FaultyFileSystem::attributeSupport(const QString &path)
{
    AttributeSupport support = m_real.attributeSupport(path);
    if (noExtendedAttributes) {
        support.changeable &= FileAttribute::ReadOnly;
        support.hiddenReason = support.systemReason = support.archiveReason =
            QStringLiteral("This file system cannot store the flag");
    }
    return support;
}

bool FaultyFileSystem::moveToTrash(const QString &path)
{
    if (named(failTrashOf, path))
        return injectFailure(QStringLiteral("No space left on device"));
    return m_real.moveToTrash(path);
}
