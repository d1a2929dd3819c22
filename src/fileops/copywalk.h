// The walk over the list that copies or moves the selected files, and the
// check of the target folder that comes before it.
#pragma once

#include "tasks/task.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class FileCopier;
class FileSystem;
class Prompter;

struct WalkEntry
{
    QString fileName;   // as shown: a bare name, or a full path
    QString sourceDir;  // the folder fileName's file is in
    bool selected = false;
};

struct CopyWalk
{
    QList<WalkEntry> entries;
    QString targetDir;
    bool move = false;
    bool showProgress = true;  // the gauge follows the selected entries
};

// Copies or moves every selected entry, in list order, until done or Stop.
// Returns the file names of the entries whose file reached the target (and,
// for a move, left the source); a failing file never ends the walk.
QStringList runCopyWalk(const CopyWalk &walk, FileCopier &copier, Task &host);

// The folder a typed target names: a relative one lies inside sourceDir.
QString resolveTarget(const QString &typed, const QString &sourceDir);

// Makes sure the typed target folder exists, offering to create it. Returns
// its full path, or nothing when no file is to be copied.
std::optional<QString> prepareTarget(const QString &typed, const QString &sourceDir,
                                     FileSystem &files, FileCopier &copier, Prompter &prompter);
