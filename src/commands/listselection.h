// The entries of a window's list as the commands see them: what each shows,
// which file it is, and whether it is selected.
#pragma once

#include <QList>
#include <QString>

class ImageListView;

struct ListEntry
{
    int row = -1;        // row of the list's items
    QString caption;     // as shown
    QString path;        // the file
    QString name;        // the file as messages name it, counted from ListSelection::folder
    bool selected = false;
};

struct ListSelection
{
    // The folder names count from; empty when every name is a full path.
    QString folder;
    // Every entry, in the order the list shows them.
    QList<ListEntry> entries;

    bool hasSelection() const;
    // The first selected entry in list order; null when none is.
    const ListEntry *first() const;
    QList<ListEntry> selected() const;
    const ListEntry *withCaption(const QString &caption) const;
    const ListEntry *withPath(const QString &path) const;
};

// The list's entries. With a folder, captions are file names in it; without
// one, each item carries its own full path and is named by it.
ListSelection listSelection(const ImageListView &list, const QString &folder);

// The folder part of a path: up to and including its last separator.
QString folderPart(const QString &path);
