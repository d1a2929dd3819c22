// Viewing a file and copying its picture, shared by every list of files.
#pragma once

#include <QList>
#include <QString>

class Prompter;
class TForm7;
class TOKBottomDlg;

// Metafiles go to the metafile window, everything else (icons too) to the
// viewer. Shows path in the window its kind belongs to, closing the other one, with
// the window's caption saying shownName. False when the picture cannot be loaded.
bool viewImageFile(const QString &path, const QString &shownName, TOKBottomDlg &viewer, TForm7 &metafiles);

// A file of the list a picture was opened from, as the list names it.
struct ViewedFile
{
    QString path;
    QString name;
};

// Shows entries[current] as viewImageFile does, and lets Next Image and
// Previous Image of both picture windows walk entries from there, in
// order. A file that cannot be loaded is reported through prompter (the
// walk then goes on from it). False when entries[current] cannot be loaded.
bool viewImageFiles(QList<ViewedFile> entries, int current, TOKBottomDlg &viewer, TForm7 &metafiles,
                    Prompter &prompter);

// Loads path into the window its kind belongs to (without showing it) and
// puts its picture on the clipboard; true when it did. A file that cannot
// be loaded is reported through prompter; a raster file that could not be
// read has been reported by its control already.
bool copyImageFileToClipboard(const QString &path, TOKBottomDlg &viewer, TForm7 &metafiles, Prompter &prompter);
