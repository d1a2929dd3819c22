// Main window: the list build, the report columns, filters, views and sorting.
#include "app/unit1.h"

#include "app/newstat.h"
#include "browse/filegatherer.h"
#include "browse/fileitemmodel.h"
#include "browse/imagelistview.h"
#include "browse/listbuilder.h"
#include "browse/listtexts.h"
#include "browse/thumbnailmaker.h"
#include "platform/filefinder.h"
#include "platform/paths.h"
#include "platform/prompter.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QStandardItemModel>
#include <QToolButton>

// Connects the list build to the window's controls and state.
class MainWindowListHost : public ListBuildHost
{
public:
    explicit MainWindowListHost(TForm1 &form) : m_form(form) {}

    void setStatus(const QString &text) override { m_form.setStatus(text); }
    void letMessagesRun() override { m_form.letMessagesRun(); }
    void paintPending() override { m_form.repaint(); }
    void clearList() override
    {
        m_form.ImageList2.clear();
        m_form.ImageList1.clear();
        m_form.ListView1->items()->clear();
    }
    void enterBusy() override { m_form.disablewindow(); }
    void leaveBusy() override { m_form.enablewindow(); }
    void makePicture(const QStringList &fileList, int index) override
    {
        if (index == 0)
            m_form.startThumbnails(fileList);
        m_form.ImageSet(index);
    }
    void addItem(const QString &caption, int imageIndex) override
    {
        m_form.ListView1->items()->append(caption, imageIndex);
    }
    int itemsPerScreen() const override { return m_form.ListView1->itemsPerScreen(); }
    void showItemsNow() override
    {
        letMessagesRun();
        m_form.ListView1->repaintNow();
    }
    void setGauge(int position) override { m_form.setGauge(position); }
    bool takeStopRequest() override { return std::exchange(m_form.state.StopRequested, false); }
    void showFileCount(int count) override
    {
        m_form.setFileCountText(fileCountText(count));
        m_form.state.FileCount = count;
    }
    void fillReportColumns() override { m_form.SetListView(); }
    int itemCount() const override { return m_form.ListView1->count(); }
    void reportError(const QString &text) override { m_form.m_prompter.error(text); }

private:
    TForm1 &m_form;
};

void TForm1::UpdateListbox()
{
    if (m_building) {
        // Asked again from inside a message pass: finish early and start over.
        m_rebuildPending = true;
        state.StopRequested = true;
        return;
    }
    if (state.ImageType.isEmpty())
        state.ImageType = QStringLiteral("bmp");
    ListBuildRequest request;
    request.folder = state.CurrentDir;
    request.imageType = state.ImageType;
    request.limit = {state.MaxSizeEnabled, state.MaxSizeKB};
    request.noThumbs = state.NoThumbs;
    request.noStop = state.NoStop;
    request.reportView = !isIconView();
    MainWindowListHost host(*this);
    m_building = true;
    buildImageList(request, host);
    m_building = false;
    m_thumbnails.reset();
    if (m_closeRequested) {
        m_closeRequested = false;
        close();
    } else if (std::exchange(m_rebuildPending, false)) {
        state.StopRequested = false;
        UpdateListbox();
    }
}

void TForm1::SetListView()
{
    const QDir folder(workingDirectory());
    FileItemModel *items = ListView1->items();
    std::vector<FileItemModel::ReportTexts> texts(size_t(items->rowCount()));
    for (int row = 0; row < items->rowCount(); ++row) {
        // A file gone since the list was built keeps empty columns.
        if (const auto found = findFile(folder.filePath(items->caption(row))))
            texts[size_t(row)] = {sizeText(found->size), dateText(found->lastWrite)};
    }
    items->setReportTexts(texts);
}

void TForm1::setFileCountText(const QString &text)
{
    m_headerSections->setHeaderData(1, Qt::Horizontal, text);
}

void TForm1::change()
{
    SetImageSize();
    UpdateListbox();
    SizeEnable();
}

void TForm1::SetImageSize()
{
    ImageList1.setSize(QSize(state.ThumbWidth, state.ThumbHeight));
    ImageList2.setSize(QSize(50, 50));
    ListView1->picturesResized();
}

void TForm1::SizeEnable()
{
    if (!isIconView())
        return;
    QAction *thumbSize = action(QStringLiteral("ThumbSize1"));
    thumbSize->setEnabled(true);
    ThumbSizeButton->setEnabled(true);
}

void TForm1::selectFilter(const QString &imageType)
{
    const int position = int(imageTypes().indexOf(imageType));
    Image1->actions().at(position)->setChecked(true);
    filterButton(imageType)->setChecked(true);
    state.ImageType = imageType;
    letMessagesRun();
    change();
}

bool TForm1::isIconView() const
{
    return ListView1->viewStyle() == ImageListView::ViewStyle::Icon;
}

// Switches the view and the controls that follow it, without a rebuild.
void TForm1::setReportView(bool report)
{
    action(QStringLiteral("List1"))->setChecked(report);
    ListView1->setViewStyle(report ? ImageListView::ViewStyle::Report : ImageListView::ViewStyle::Icon);
    QAction *thumbSize = action(QStringLiteral("ThumbSize1"));
    thumbSize->setEnabled(!report);
    ThumbSizeButton->setEnabled(!report);
    (report ? ListButton : IcoButton)->setChecked(true);
}

void TForm1::List1Click()
{
    // The item has already flipped its check mark: it now shows the wanted view.
    setReportView(action(QStringLiteral("List1"))->isChecked());
    UpdateListbox();
}

void TForm1::ListButtonClick()
{
    setReportView(ListButton->isChecked());
    UpdateListbox();
}

void TForm1::KeepProportions1Click()
{
    UpdateListbox();
}

void TForm1::Sorted1Click()
{
    ListView1->setSorted(state.Sorted);
    if (state.Sorted)
        setStatus(QStringLiteral("Image View Sorted"));
    else
        UpdateListbox();
}
