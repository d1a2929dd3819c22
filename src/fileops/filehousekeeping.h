// Deleting, renaming, attributes and folders: the steps behind the commands,
// each reporting its own failures through the prompter.
#pragma once

#include "platform/filesystem.h"

#include <QString>
#include <QStringList>
#include <optional>

class FileCopier;
class Prompter;

struct FileProperties
{
    qint64 size = 0;
    quint32 attributes = 0;   // FileAttribute flags as read
    AttributeSupport support;
};

class FileHousekeeping
{
public:
    FileHousekeeping(FileSystem &files, Prompter &prompter, FileCopier &copier)
        : m_files(files), m_prompter(prompter), m_copier(copier)
    {
    }

    // Deletes the named files of folder, read-only ones too: into the
    // desktop's trash, or for good where their volume has none. A file the
    // trash refuses stays where it is. Returns the names whose files are
    // gone afterwards.
    QStringList deleteFiles(const QString &folder, const QStringList &names);

    // The delete confirmation's text: the design's words, then what happens
    // to the named files of folder.
    QString deleteQuestion(const QString &folder, const QStringList &names);

    // Renames oldName to newName inside folder; false, after telling the
    // user why, when nothing was renamed.
    bool renameFile(const QString &folder, const QString &oldName, const QString &newName);

    // Nothing when the file cannot be found or its attributes read.
    std::optional<FileProperties> readProperties(const QString &path);
    // Sets the four classic flags as in wanted and keeps every other bit of
    // old; writes only when that changes the value. True when written.
    bool applyAttributes(const QString &path, quint32 old, quint32 wanted);

    // Creates the folder name inside folder; false after telling the user.
    bool createDirectory(const QString &folder, const QString &name);
    // Removes an empty folder; false after telling the user.
    bool removeDirectory(const QString &path);

private:
    FileSystem &m_files;
    Prompter &m_prompter;
    FileCopier &m_copier;
};
