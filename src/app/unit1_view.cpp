// Main window: thumbnails, viewing a file and copying it to the clipboard.
#include "app/unit1.h"

#include "app/newstat.h"
#include "browse/imagelistview.h"
#include "browse/thumbnailmaker.h"
#include "imaging/imagebox/imagebox.h"
#include "imaging/imagebox/imageboxrules.h"
#include "imaging/viewer/pic.h"
#include "imaging/viewer/viewing.h"
#include "imaging/viewer/wmf.h"
#include "platform/paths.h"
#include "platform/prompter.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>


void TForm1::startThumbnails(const QStringList &fileList)
{
    QStringList paths;
    paths.reserve(fileList.size());
    const QDir folder(state.CurrentDir);
    for (const QString &name : fileList)
        paths.append(folder.filePath(name));
    ThumbnailRequest request;
    request.size = isIconView() ? ImageList1.size() : ImageList2.size();
    request.depth = imagelib::screenDepthClass(depth());
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
    if (!viewImageFile(name, *OKBottomDlg, *Form7)) {
        m_prompter.error(QStringLiteral("Error Loading Image ") + name);
        return;
    }
    setStatus(QStringLiteral("Viewing Image ") + name);
}

void TForm1::ToClipboard1Click()
{
    if (!enterCurrentDir())
        return;
    const QString name = firstSelectedCaption();
    if (name.isEmpty())
        return;
    if (copyImageFileToClipboard(name, *OKBottomDlg, *Form7, m_prompter))
        setStatus(QStringLiteral("Image Copied To Clipboard"));
}
