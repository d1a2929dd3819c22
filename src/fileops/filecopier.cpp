#include "fileops/filecopier.h"

#include "fileops/fileopslog.h"
#include "platform/fileattributes.h"
#include "platform/filesystem.h"
#include "platform/prompter.h"

#include <QDir>
#include <QRandomGenerator>
#include <memory>

namespace {
bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QDir::separator();
}
} // namespace

QString namePart(const QString &fileName)
{
    qsizetype at = fileName.size();
    while (at > 0 && !isSeparator(fileName[at - 1]) && fileName[at - 1] != QLatin1Char(':'))
        --at;
    return fileName.mid(at);
}

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.isEmpty() || isSeparator(folder.back()))
        return folder + name;
    return folder + QDir::separator() + name;
}

CopyOutcome FileCopier::CopyFileWithPrompt(const QString &fileName, const QString &sourceDir,
                                           const QString &targetDir, bool move)
{
    const QString name = namePart(fileName);
    const QString source = joinPath(sourceDir, name);
    const QString target = joinPath(targetDir, name);
    if (!m_files.identity(source))
        return fail(fileName, m_files.lastError());
    if (m_files.identity(target) && !confirmReplacing(fileName, source, target))
        return CopyOutcome::Skipped;

    const QString temporary = temporaryNameFor(target);
    if (!copyInto(source, temporary)) {
        const QString why = m_files.lastError();
        m_files.remove(temporary);
        return fail(fileName, why);
    }
    if (!m_files.replace(temporary, target)) {
        const QString why = m_files.lastError();
        m_files.remove(temporary);
        return fail(fileName, why);
    }
    if (move && !m_files.remove(source))
        qCWarning(lcFileOps) << "copied but could not remove" << source << m_files.lastError();
    return CopyOutcome::Copied;
}

// Asks before replacing target; a target that is the source itself under
// another name (the same folder, a link to it) is never replaced.
bool FileCopier::confirmReplacing(const QString &fileName, const QString &source, const QString &target)
{
    if (m_files.identity(source) == m_files.identity(target)) {
        m_prompter.error(QStringLiteral("Cannot copy a file onto itself ") + fileName);
        return false;
    }
    const Prompter::Button answer = m_prompter.confirm(
        QStringLiteral("File already exists ") + fileName + QStringLiteral(" Overwrite ?"),
        {Prompter::Button::No, Prompter::Button::Ok});
    return answer == Prompter::Button::Ok;
}

// Writes the whole of source into a new file temporary and makes sure it is
// on the disk and closed without error.
bool FileCopier::copyInto(const QString &source, const QString &temporary)
{
    const std::unique_ptr<FileSystem::File> in = m_files.openForReading(source);
    if (!in)
        return false;
    const std::unique_ptr<FileSystem::File> out = m_files.createNew(temporary);
    if (!out)
        return false;
    char buffer[BlockSize];
    for (;;) {
        const qint64 got = in->read(buffer, BlockSize);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (!out->write(buffer, got))
            return false;
    }
    return out->sync() && out->close() && in->close();
}

QString FileCopier::temporaryNameFor(const QString &target) const
{
    const QString folder = target.left(target.size() - namePart(target).size());
    for (;;) {
        const QString candidate = joinPath(folder, QStringLiteral(".pixmoor-copy-%1.tmp")
                                                       .arg(QRandomGenerator::global()->generate(), 8, 16,
                                                            QLatin1Char('0')));
        if (!m_files.identity(candidate))
            return candidate;
    }
}

CopyOutcome FileCopier::fail(const QString &fileName, const QString &why)
{
    qCWarning(lcFileOps) << "copying" << fileName << "failed:" << why;
    m_prompter.error(QStringLiteral("Error copying file ") + fileName);
    return CopyOutcome::Failed;
}

void FileCopier::ResetFileAttributes(const QString &path)
{
    const std::optional<quint32> old = m_files.readAttributes(path);
    if (!old)
        return;
    const quint32 next = (*old & ~quint32(FileAttribute::ReadOnly | FileAttribute::System | FileAttribute::Hidden))
                         | FileAttribute::Archive;
    if (quint16(next) != quint16(*old) && !m_files.writeAttributes(path, next))
        qCInfo(lcFileOps) << "attributes of" << path << "left as they were:" << m_files.lastError();
}

void FileCopier::EnsurePath(const QString &path)
{
    QString folder = path;
    if (!folder.isEmpty() && isSeparator(folder.back()))
        folder.chop(1);
    // Nothing left but a root or a drive ("C:"), or the folder is there.
    if (namePart(folder).isEmpty() || m_files.isDirectory(folder))
        return;
    EnsurePath(folder.left(folder.size() - namePart(folder).size()));
    m_files.makeDirectory(folder);
}
