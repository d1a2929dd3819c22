// The top-level places of the folder tree: the machine's volume roots.
#pragma once

#include <QStringList>

// On Unix: "/", the user's home folder, then the removable, optical and
// network volumes mounted under /media, /mnt or /run/media, in that order
// (never system mounts such as /proc or /run). On Windows: the drive roots
// in letter order. Each with a trailing separator, native form.
QStringList volumeRoots();
