// The program's folder, its private temporary folder and the working directory.
#pragma once

#include <QString>

// Folder of the program file, with a trailing separator.
QString programDirectory();

// A temporary folder that only this user can enter (mode 0700 on Unix),
// created on first use; with a trailing separator. Empty when it cannot be
// made safely.
QString privateTempDirectory();

// The process's working directory, in native form.
QString workingDirectory();

// Makes folder the working directory. On failure returns the system's text
// for the reason ("No such file or directory"); on success an empty string.
QString setWorkingDirectory(const QString &folder);

// The user's pictures folder (XDG user dirs); the home folder when there is none.
QString picturesDirectory();

// folder with the native separator at its end, unless it has one already.
QString withTrailingSeparator(const QString &folder);
