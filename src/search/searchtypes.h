// The search window's type items and the patterns each one searches for.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct SearchType
{
    QString text;         // the item as the combo box shows it
    QStringList patterns; // one full walk of the tree per pattern, in order
};

// The eleven items in their sorted order; the index is what a search uses.
const QList<SearchType> &searchTypes();
