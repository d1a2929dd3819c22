// Main window: thumbnails, viewing a file and copying it to the clipboard.
#include "app/unit1.h"

#include "app/newstat.h"
#include "browse/imagelistview.h"
#include "browse/thumbnailmaker.h"
#include "imaging/imagebox/imagebox.h"
#include "imaging/imagebox/imageboxrules.h"
#include "imaging/viewer/pic.h"
#include "imaging/viewer/wmf.h"
#include "platform/paths.h"
#include "platform/prompter.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace {
bool isMetafileName(const QString &name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    return suffix == QLatin1String("wmf") || suffix == QLatin1String("emf");
}
} // namespace

void TForm1::startThumbnails(const QStringList &fileList)
{
    QStringList paths;
    paths.reserve(fileList.size());
    const QDir folder(state.CurrentDir);
    for (const QString &name : fileList)
        paths.append(folder.filePath(name));
    ThumbnailRequest request;
    request.size = isIconView() ? ImageList1.size() : ImageList2.size();
    request.depth = screenDepthClass(depth());
    m_thumbnails = std::make_unique<ThumbnailPipeline>(paths, request, thumbnailThreads);
}

void TForm1::ImageSet(int index)
{
    ImageList &target = isIconView() ? ImageList1 : ImageList2;
    const QImage thumbnail = m_thumbnails ? m_thumbnails->take(index) : QImage();
    target.add(QPixmap::fromImage(thumbnail));
}

bool TForm1::enterCurrentDir()
{
    const QString failure = setWorkingDirectory(state.CurrentDir);
    if (failure.isEmpty())
        return true;
    m_prompter.error(failure);
    return false;
}

QString TForm1::firstSelectedCaption() const
{
    const QStringList selected = ListView1->selectedCaptions();
    return selected.isEmpty() ? QString() : selected.first();
}

void TForm1::ViewButtonClick()
{
    if (!enterCurrentDir())
        return;
    const QString name = firstSelectedCaption();
    if (name.isEmpty())
        return;
    const bool metafile = isMetafileName(name);
    QWidget *other = metafile ? static_cast<QWidget *>(OKBottomDlg) : static_cast<QWidget *>(Form7);
    if (other->isVisible())
        other->close();
    const bool loaded = metafile ? Form7->loadFile(name) : OKBottomDlg->ImageBox1->setImageName(name);
    if (!loaded) {
        m_prompter.error(QStringLiteral("Error Loading Image ") + name);
        return;
    }
    if (metafile)
        Form7->showFileName(name);
    else
        OKBottomDlg->showFileName(name);
    setStatus(QStringLiteral("Viewing Image ") + name);
    QWidget *viewer = metafile ? static_cast<QWidget *>(Form7) : static_cast<QWidget *>(OKBottomDlg);
    viewer->show();
    viewer->raise();
}

void TForm1::ToClipboard1Click()
{
    if (!enterCurrentDir())
        return;
    const QString name = firstSelectedCaption();
    if (name.isEmpty())
        return;
    if (isMetafileName(name)) {
        if (!Form7->loadFile(name)) {
            m_prompter.error(QStringLiteral("Error Loading Image"));
            return;
        }
        Form7->ToClipboard1Click();
        setStatus(QStringLiteral("Image Copied To Clipboard"));
        return;
    }
    TImageBox *box = OKBottomDlg->ImageBox1;
    if (!box->setImageName(name)) {
        m_prompter.error(QStringLiteral("Error Loading Image"));
        return;
    }
    // A file that could not be read has been reported already; claiming a
    // copy of nothing would be wrong.
    if (box->picture().isEmpty())
        return;
    box->CopyToClipboard();
    setStatus(QStringLiteral("Image Copied To Clipboard"));
}
