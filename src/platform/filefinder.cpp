#include "platform/filefinder.h"

#include "platform/fileattributes.h"
#include "platform/wildcard.h"

#include <QDirIterator>
#include <QFileInfo>

namespace {
FoundFile describe(const QFileInfo &info)
{
    FoundFile found;
    found.name = info.fileName();
    found.size = info.isDir() ? 0 : info.size();
    found.attributes = readFileAttributes(info.filePath());
    found.lastWrite = info.lastModified();
    return found;
}

bool wanted(const FoundFile &found, const FindOptions &options)
{
    if ((found.attributes & FileAttribute::Hidden) && !options.includeHidden)
        return false;
    if ((found.attributes & FileAttribute::System) && !options.includeSystem)
        return false;
    return true;
}

// Walks folder's entries of the given kinds that match pattern and that
// options admit, until visit returns false.
bool matchesAny(const QStringList &patterns, const QString &name)
{
    for (const QString &pattern : patterns)
        if (matchesFilePattern(pattern, name))
            return true;
    return false;
}

template <typename Visit>
void walk(const QString &folder, QDir::Filters kinds, const QStringList &patterns,
          const FindOptions &options, Visit visit)
{
    QDirIterator it(folder, kinds | QDir::Hidden | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (!matchesAny(patterns, info.fileName()))
            continue;
        FoundFile found = describe(info);
        if (wanted(found, options) && !visit(std::move(found)))
            return;
    }
}
} // namespace

std::vector<FoundFile> findFiles(const QString &folder, const QString &pattern,
                                 const FindOptions &options)
{
    return findFiles(folder, QStringList{pattern}, options);
}

std::vector<FoundFile> findFiles(const QString &folder, const QStringList &patterns,
                                 const FindOptions &options)
{
    QDir::Filters kinds = QDir::Files;
    if (options.includeDirectories)
        kinds |= QDir::Dirs;
    std::vector<FoundFile> result;
    walk(folder, kinds, patterns, options, [&result](FoundFile found) {
        result.push_back(std::move(found));
        return true;
    });
    return result;
}

std::vector<FoundFile> findFolders(const QString &folder, const FindOptions &options)
{
    std::vector<FoundFile> result;
    walk(folder, QDir::Dirs, QStringList{QStringLiteral("*")}, options, [&result](FoundFile found) {
        result.push_back(std::move(found));
        return true;
    });
    return result;
}

bool hasSubfolder(const QString &folder, const FindOptions &options)
{
    bool found = false;
    walk(folder, QDir::Dirs, QStringList{QStringLiteral("*")}, options, [&found](FoundFile) {
        found = true;
        return false;
    });
    return found;
}

std::optional<FoundFile> findFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return describe(info);
}
