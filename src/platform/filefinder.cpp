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
} // namespace

std::vector<FoundFile> findFiles(const QString &folder, const QString &pattern,
                                 const FindOptions &options)
{
    QDir::Filters filters = QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot;
    if (options.includeDirectories)
        filters |= QDir::Dirs;
    std::vector<FoundFile> result;
    QDirIterator it(folder, filters);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (!matchesFilePattern(pattern, info.fileName()))
            continue;
        FoundFile found = describe(info);
        if (wanted(found, options))
            result.push_back(std::move(found));
    }
    return result;
}

std::optional<FoundFile> findFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return describe(info);
}
