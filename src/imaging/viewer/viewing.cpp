#include "imaging/viewer/viewing.h"

#include "imaging/imagebox/imagebox.h"
#include "imaging/picture/picture.h"
#include "imaging/viewer/pic.h"
#include "imaging/viewer/wmf.h"


bool viewImageFile(const QString &path, TOKBottomDlg &viewer, TForm7 &metafiles)
{
    const bool metafile = pictureFileKind(path) == PictureFileKind::Metafile;
    QWidget &other = metafile ? static_cast<QWidget &>(viewer) : static_cast<QWidget &>(metafiles);
    if (other.isVisible())
        other.close();
    const bool loaded = metafile ? metafiles.loadFile(path) : viewer.ImageBox1->setImageName(path);
    if (!loaded)
        return false;
    if (metafile)
        metafiles.showFileName(path);
    else
        viewer.showFileName(path);
    QWidget &shown = metafile ? static_cast<QWidget &>(metafiles) : static_cast<QWidget &>(viewer);
    shown.show();
    shown.raise();
    return true;
}

ClipboardCopy copyImageFileToClipboard(const QString &path, TOKBottomDlg &viewer, TForm7 &metafiles)
{
    if (pictureFileKind(path) == PictureFileKind::Metafile) {
        if (!metafiles.loadFile(path))
            return ClipboardCopy::NotLoaded;
        metafiles.ToClipboard1Click();
        return ClipboardCopy::Copied;
    }
    TImageBox *box = viewer.ImageBox1;
    if (!box->setImageName(path))
        return ClipboardCopy::NotLoaded;
    // A file that could not be read has been reported already; claiming a
    // copy of nothing would be wrong.
    if (box->picture().isEmpty())
        return ClipboardCopy::NothingToCopy;
    box->CopyToClipboard();
    return ClipboardCopy::Copied;
}
