// Main window: thumbnails, and the commands on the list of CurrentDir.
#include "app/unit1.h"
#include "app/mainwindowlist.h"

#include "app/newstat.h"
#include "convert/convert.h"
#include "fileops/copy.h"
#include "fileops/prop.h"
#include "fileops/rename.h"
#include "browse/imagelistview.h"
#include "browse/thumbnailmaker.h"
#include "imagebox/imagebox.h"
#include "imagebox/imageboxrules.h"
#include "viewer/pic.h"
#include "viewer/viewing.h"
#include "viewer/wmf.h"
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
    request.keepProportions = state.KeepProportions;
    if (state.CacheThumbs)
        request.cache.emplace(ThumbnailCache::defaultRoot());
    m_thumbnails = std::make_unique<ThumbnailPipeline>(paths, request, m_thumbnailThreads);
}

void TForm1::ImageSet(int index)
{
    ImageList &target = isIconView() ? ImageList1 : ImageList2;
    const QImage thumbnail = m_thumbnails ? m_thumbnails->take(index) : QImage();
    target.add(QPixmap::fromImage(thumbnail));
}

ListCommands TForm1::commands()
{
    return ListCommands(commandServices(), *m_listWindow, mainWindowStyle());
}

CommandServices TForm1::commandServices()
{
    return {.prompter = &m_prompter,
            .files = m_files,
            .shell = &m_shell,
            .state = &state,
            .rename = m_renameDialog,
            .copyTarget = m_copyTargetDialog,
            .properties = m_propertiesDialog,
            .convert = m_convertDialog,
            .viewer = OKBottomDlg,
            .metafileWindow = Form7,
            .printing = &printing()};
}

void TForm1::ViewButtonClick()
{
    commands().view();
}

void TForm1::ToClipboard1Click()
{
    commands().copyToClipboard();
}
