// The texts of a search: input checks, the Date cell, the closing status.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The error boxes a search's input calls for, in the order they are shown;
// none when the search may start. A path of one character names no folder.
QStringList searchInputErrors(const QString &path, int typeIndex);

// The Date cell: the last-write time to the two seconds the list keeps,
// as the main list writes dates; empty for a time that is not valid.
QString foundDateText(const QDateTime &lastWrite);

// "No Files Found" or "Finished, Found 3 Files".
QString searchFinishedText(qsizetype found);
