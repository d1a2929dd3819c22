// The file finder: entries of one folder that match a name pattern.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct FoundFile
{
    QString name;          // bare name, no folder
    qint64 size = 0;       // bytes
    quint32 attributes = 0; // FileAttribute flags
    QDateTime lastWrite;   // local time
};

struct FindOptions
{
    bool includeHidden = false;
    bool includeSystem = false;
    bool includeDirectories = false;
};

// Entries of folder whose names match pattern (see matchesFilePattern), in
// the order the file system lists them; "." and ".." never appear. A folder
// that cannot be read gives an empty list.
std::vector<FoundFile> findFiles(const QString &folder, const QString &pattern,
                                 const FindOptions &options);

// The same for entries that match any of patterns, in one pass.
std::vector<FoundFile> findFiles(const QString &folder, const QStringList &patterns,
                                 const FindOptions &options);

// The sub-folders of folder, in the order the file system lists them.
std::vector<FoundFile> findFolders(const QString &folder, const FindOptions &options);

// True as soon as folder is seen to hold a sub-folder that options admit.
bool hasSubfolder(const QString &folder, const FindOptions &options);

// The one entry at path, hidden and system entries included.
std::optional<FoundFile> findFile(const QString &path);
