#include "commands/listselection.h"

#include "browse/imagelistview.h"
#include "fileops/filecopier.h"

#include <algorithm>

bool ListSelection::hasSelection() const
{
    return first() != nullptr;
}

const ListEntry *ListSelection::first() const
{
    const auto found = std::find_if(entries.begin(), entries.end(), [](const ListEntry &entry) { return entry.selected; });
    return found == entries.end() ? nullptr : &*found;
}

QList<ListEntry> ListSelection::selected() const
{
    QList<ListEntry> chosen;
    std::copy_if(entries.begin(), entries.end(), std::back_inserter(chosen),
                 [](const ListEntry &entry) { return entry.selected; });
    return chosen;
}

const ListEntry *ListSelection::withCaption(const QString &caption) const
{
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const ListEntry &entry) { return entry.caption == caption; });
    return found == entries.end() ? nullptr : &*found;
}

const ListEntry *ListSelection::withPath(const QString &path) const
{
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const ListEntry &entry) { return entry.path == path; });
    return found == entries.end() ? nullptr : &*found;
}

ListSelection listSelection(const ImageListView &list, const QString &folder)
{
    ListSelection selection{folder, {}};
    for (const ImageListView::Row &row : list.rows()) {
        const QString path = folder.isEmpty() ? row.path : joinPath(folder, row.caption);
        selection.entries.append({row.row, row.caption, path, folder.isEmpty() ? path : row.caption, row.selected});
    }
    return selection;
}

QString folderPart(const QString &path)
{
    return path.left(path.size() - namePart(path).size());
}
