// Viewing a file and copying its picture, shared by every list of files.
#pragma once

#include <QString>

class TForm7;
class TOKBottomDlg;

// Metafiles go to the metafile window, everything else (icons too) to the
// viewer. Shows path in the window its kind belongs to, closing the other one, with
// the window's caption naming it. False when the picture cannot be loaded.
bool viewImageFile(const QString &path, TOKBottomDlg &viewer, TForm7 &metafiles);

enum class ClipboardCopy { Copied, NotLoaded, NothingToCopy };

// Loads path into the window its kind belongs to (without showing it) and
// puts its picture on the clipboard. NothingToCopy when a raster file could
// not be read (its control has reported why already).
ClipboardCopy copyImageFileToClipboard(const QString &path, TOKBottomDlg &viewer, TForm7 &metafiles);
