#include "viewer/viewing.h"

#include "imagebox/imagebox.h"
#include "imaging/picture/picture.h"
#include "viewer/pic.h"
#include "viewer/wmf.h"
#include "platform/prompter.h"

bool viewImageFile(const QString &path, const QString &shownName, TOKBottomDlg &viewer, TForm7 &metafiles)
{
    const bool metafile = pictureFileKind(path) == PictureFileKind::Metafile;
    QWidget &other = metafile ? static_cast<QWidget &>(viewer) : static_cast<QWidget &>(metafiles);
    if (other.isVisible())
        other.close();
    const bool loaded = metafile ? metafiles.loadFile(path) : viewer.ImageBox1->setImageName(path);
    if (!loaded)
        return false;
    if (metafile)
        metafiles.showFileName(shownName);
    else
        viewer.showFileName(shownName);
    QWidget &shown = metafile ? static_cast<QWidget &>(metafiles) : static_cast<QWidget &>(viewer);
    shown.show();
    shown.raise();
    return true;
}

bool copyImageFileToClipboard(const QString &path, TOKBottomDlg &viewer, TForm7 &metafiles, Prompter &prompter)
{
    const bool metafile = pictureFileKind(path) == PictureFileKind::Metafile;
    TImageBox *box = viewer.ImageBox1;
    if (!(metafile ? metafiles.loadFile(path) : box->setImageName(path))) {
        prompter.error(QStringLiteral("Error Loading Image"));
        return false;
    }
    if (metafile) {
        metafiles.ToClipboard1Click();
        return true;
    }
    // Claiming a copy of a picture that could not be read would be wrong.
    if (box->picture().isEmpty())
        return false;
    box->CopyToClipboard();
    return true;
}
