// The walk over a folder tree that finds the files of a search.
#pragma once

#include "platform/filesystem.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

struct FoundEntry
{
    QString caption;     // the full path in lower case, as the list shows it
    QString path;        // the real path: what every command acts on
    qint64 size = 0;
    QDateTime lastWrite; // invalid when the file system gave no usable time
};

// Depth first: a folder's own files, then its sub-folders in listing order.
// Folders whose names hold a dot are never entered, and a folder already
// visited in this walk (reached again through a link) is not entered again.
class FileSearch
{
public:
    // keepGoing runs once per folder; returning false ends the walk.
    FileSearch(FileSystem &files, std::function<bool()> keepGoing);

    // Adds the files below path that match pattern; false once stopped.
    bool AddFiles(const QString &path, const QString &pattern);
    // Runs one walk per pattern from folder, in order.
    bool run(const QString &folder, const QStringList &patterns);

    const std::vector<FoundEntry> &found() const { return m_found; }
    bool stopped() const { return m_stopped; }
    // The searched folder itself could not be entered: gone or unreadable.
    bool failed() const { return m_failed; }

private:
    bool enter(const QString &path);

    FileSystem &m_files;
    std::function<bool()> m_keepGoing;
    std::vector<FoundEntry> m_found;
    std::vector<FileIdentity> m_visited;
    bool m_stopped = false;
    bool m_failed = false;
};
