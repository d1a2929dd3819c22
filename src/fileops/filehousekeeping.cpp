#include "fileops/filehousekeeping.h"

#include <algorithm>

#include "fileops/filecopier.h"
#include "fileops/fileopslog.h"
#include "platform/fileattributes.h"
#include "platform/prompter.h"

#include <QDir>

namespace {
constexpr quint32 ClassicFlags = FileAttribute::ReadOnly | FileAttribute::Hidden
                                 | FileAttribute::System | FileAttribute::Archive;
}

QStringList FileHousekeeping::deleteFiles(const QString &folder, const QStringList &names)
{
    QStringList gone;
    for (const QString &name : names) {
        const QString path = joinPath(folder, name);
        m_copier.ResetFileAttributes(path);
        // A file whose volume has no trash goes for good: the confirmation said so.
        if (m_files.hasTrash(path) ? m_files.moveToTrash(path) : m_files.remove(path)) {
            gone.append(name);
            continue;
        }
        qCWarning(lcFileOps) << "deleting" << path << "failed:" << m_files.lastError();
        m_prompter.error(QStringLiteral("Error Deleting File ") + name);
        if (!m_files.identity(path))
            gone.append(name);
    }
    return gone;
}

QString FileHousekeeping::deleteQuestion(const QString &folder, const QStringList &names)
{
    const auto permanent = std::count_if(names.begin(), names.end(),
                                         [&](const QString &name) { return !m_files.hasTrash(joinPath(folder, name)); });
    const QString which = names.size() == 1 ? names.first() : QStringLiteral("%1 files").arg(names.size());
    QString what;
    if (permanent == 0)
        what = which + (names.size() == 1 ? QStringLiteral(" goes to the trash.") : QStringLiteral(" go to the trash."));
    else if (permanent == names.size())
        what = which + QStringLiteral(" will be deleted for good: there is no trash on ")
               + (names.size() == 1 ? QStringLiteral("its volume.") : QStringLiteral("their volume."));
    else
        what = which + QStringLiteral(": %1 will be deleted for good, as there is no trash on their volume; the others go to the trash.")
                           .arg(permanent);
    return QStringLiteral("Confirm File Delete\n\n") + what;
}

bool FileHousekeeping::renameFile(const QString &folder, const QString &oldName, const QString &newName)
{
    const QString target = QDir(folder).filePath(newName);
    if (!newName.isEmpty() && m_files.identity(target)) {
        m_prompter.error(QStringLiteral("File Already Exists ") + newName);
        return false;
    }
    if (newName.isEmpty()) {
        m_prompter.error(QStringLiteral("No Name Provided"));
        return false;
    }
    if (!m_files.rename(joinPath(folder, oldName), target)) {
        qCWarning(lcFileOps) << "renaming" << oldName << "to" << newName << "failed:" << m_files.lastError();
        m_prompter.error(QStringLiteral("Cannot Rename File"));
        return false;
    }
    return true;
}

std::optional<FileProperties> FileHousekeeping::readProperties(const QString &path)
{
    const std::optional<qint64> size = m_files.size(path);
    const std::optional<quint32> attributes = m_files.readAttributes(path);
    if (!size || !attributes)
        return std::nullopt;
    return FileProperties{*size, *attributes, m_files.attributeSupport(path)};
}

bool FileHousekeeping::applyAttributes(const QString &path, quint32 old, quint32 wanted)
{
    const quint32 next = (old & ~ClassicFlags) | (wanted & ClassicFlags);
    if (quint16(next) == quint16(old))
        return false;
    if (!m_files.writeAttributes(path, next))
        qCInfo(lcFileOps) << "attributes of" << path << "not all stored:" << m_files.lastError();
    return true;
}

bool FileHousekeeping::createDirectory(const QString &folder, const QString &name)
{
    if (name.isEmpty()) {
        m_prompter.error(QStringLiteral("No Directory Name Specified"));
        return false;
    }
    const QString path = joinPath(folder, name);
    if (!m_files.makeDirectory(path)) {
        qCWarning(lcFileOps) << "creating" << path << "failed:" << m_files.lastError();
        m_prompter.error(QStringLiteral("Cannot Create Directory ") + path);
        return false;
    }
    return true;
}

bool FileHousekeeping::removeDirectory(const QString &path)
{
    if (!m_files.removeDirectory(path)) {
        qCWarning(lcFileOps) << "removing" << path << "failed:" << m_files.lastError();
        m_prompter.error(QStringLiteral("Directory Is Not Empty"));
        return false;
    }
    return true;
}
