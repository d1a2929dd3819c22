#include "search/filesearch.h"

#include "platform/filefinder.h"
#include "platform/paths.h"

#include <algorithm>

FileSearch::FileSearch(FileSystem &files, std::function<bool()> keepGoing)
    : m_files(files), m_keepGoing(std::move(keepGoing))
{
}

bool FileSearch::run(const QString &folder, const QStringList &patterns)
{
    for (const QString &pattern : patterns) {
        m_visited.clear();
        if (!AddFiles(folder, pattern))
            return false;
    }
    return true;
}

// A folder seen before in this walk is a link back into the tree: entering
// it again would never end.
bool FileSearch::enter(const QString &path)
{
    const std::optional<FileIdentity> identity = m_files.identity(path);
    if (!identity)
        return false;
    if (std::find(m_visited.begin(), m_visited.end(), *identity) != m_visited.end())
        return false;
    m_visited.push_back(*identity);
    return true;
}

bool FileSearch::AddFiles(const QString &folder, const QString &pattern)
{
    if (m_stopped || (m_keepGoing && !m_keepGoing())) {
        m_stopped = true;
        return false;
    }
    const QString path = withTrailingSeparator(folder);
    const bool searchedFolder = m_visited.empty();
    if (!enter(path)) {
        // A sub-folder that went or cannot be read is passed over; the
        // searched folder itself failing fails the search.
        m_failed = searchedFolder;
        return !searchedFolder;
    }
    const FindOptions everything{true, true, false};
    for (const FoundFile &file : findFiles(path, pattern, everything)) {
        const QString full = path + file.name;
        m_found.push_back({full.toLower(), full, file.size, file.lastWrite});
    }
    for (const FoundFile &sub : findFolders(path, everything)) {
        if (sub.name.contains(QLatin1Char('.')))
            continue;
        if (!AddFiles(path + sub.name, pattern))
            return false;
    }
    return true;
}
