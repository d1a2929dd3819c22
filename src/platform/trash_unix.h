// The desktop's trash as the freedesktop trash rules lay it out: a "files"
// folder holding what was deleted and an "info" folder with one record a
// file, saying where it came from and when.
#pragma once

#include <QString>
#include <optional>

// The trash folder for path: the home trash for files of its volume, else
// the volume's $topdir/.Trash/$uid (a sticky folder, not a link) or
// $topdir/.Trash-$uid. With create, missing folders are made (mode 0700);
// without, nothing when no trash could be made there.
std::optional<QString> trashFolderFor(const QString &path, bool create);

// Moves path into its trash under a name not taken there yet, after its
// record is written; on failure nothing has moved and why says why.
bool moveFileToTrash(const QString &path, QString *why);
