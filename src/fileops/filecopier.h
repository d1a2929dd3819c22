// Copying and moving one file at a time, and the two helpers every copy uses.
#pragma once

#include <QString>

class FileSystem;
class Prompter;

enum class CopyOutcome {
    Copied,   // the target holds the file; for a move the source is gone too
    Skipped,  // the user kept the existing target, or the target is the source itself
    Failed,   // reported to the user; source and any old target are as they were
};

class FileCopier
{
public:
    static constexpr qint64 BlockSize = 5000;

    FileCopier(FileSystem &files, Prompter &prompter) : m_files(files), m_prompter(prompter) {}

    // Copies (or moves) the file named by fileName's last component from
    // sourceDir into targetDir, asking before an existing file is replaced.
    // The whole fileName appears in the messages. An existing target is only
    // replaced once the new copy is complete on disk, and a move removes the
    // source only then.
    CopyOutcome CopyFileWithPrompt(const QString &fileName, const QString &sourceDir,
                                   const QString &targetDir, bool move);

    // Clears read-only, hidden and system and sets archive; never reports.
    void ResetFileAttributes(const QString &path);

    // Creates every missing level of path; the caller checks the result.
    void EnsurePath(const QString &path);

private:
    bool confirmReplacing(const QString &fileName, const QString &source, const QString &target);
    bool copyInto(const QString &source, const QString &temporary);
    QString temporaryNameFor(const QString &target) const;
    CopyOutcome fail(const QString &fileName, const QString &why);

    FileSystem &m_files;
    Prompter &m_prompter;
};

// The text after the last separator (or drive colon) of fileName.
QString namePart(const QString &fileName);

// folder and name joined by one separator.
QString joinPath(const QString &folder, const QString &name);
