#include "browse/imagelistview.h"

#include "browse/captionsorter.h"
#include "browse/fileitemmodel.h"
#include "browse/imagelist.h"
#include "browse/listtexts.h"

#include <QHeaderView>
#include <QListView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStackedLayout>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QStyle>
#include <QTreeView>

namespace {
// The icon view leaves laying out new items to a moment when no events
// wait, which a list build that lets messages run between items never
// gives it; painting before that shows an empty list. It lays them out
// first.
class IconView : public QListView
{
public:
    using QListView::QListView;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        executeDelayedItemsLayout();
        QListView::paintEvent(event);
    }
};

// An edit starts with the file's name selected without its extension (of
// a full path, only the name), as file managers do.
class CaptionEditDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        QStyledItemDelegate::setEditorData(editor, index);
        auto *line = qobject_cast<QLineEdit *>(editor);
        if (!line)
            return;
        const QString text = line->text();
        const qsizetype start = std::max(text.lastIndexOf(QLatin1Char('/')), text.lastIndexOf(QLatin1Char('\\'))) + 1;
        const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
        const qsizetype end = dot > start ? dot : text.size();
        // After the view's own select-all, which follows this call.
        QTimer::singleShot(0, line, [line, start, end] { line->setSelection(int(start), int(end - start)); });
    }
};
} // namespace

ImageListView::ImageListView(ImageList *largeImages, ImageList *smallImages, QWidget *parent)
    : QWidget(parent), m_largeImages(largeImages), m_smallImages(smallImages),
      m_items(new FileItemModel(this)), m_sorter(new CaptionSorter(this)),
      m_stack(new QStackedLayout(this)), m_iconView(new IconView(this)),
      m_reportView(new QTreeView(this))
{
    m_sorter->setSourceModel(m_items);
    m_selection = new QItemSelectionModel(m_sorter, this);
    setUpIconView();
    setUpReportView();
    m_stack->addWidget(m_iconView);
    m_stack->addWidget(m_reportView);
    m_items->setPictures(m_largeImages);
    picturesResized();
    for (QAbstractItemView *view : views()) {
        view->setItemDelegate(new CaptionEditDelegate(view));
        view->installEventFilter(this);
        view->setDragEnabled(true);
        view->setDragDropMode(QAbstractItemView::DragOnly);
        view->setDefaultDropAction(Qt::CopyAction);
    }
    // Decided after the editor has closed, so that a message box can show.
    connect(m_items, &FileItemModel::captionEditRequested, this, [this](int row, const QString &text) {
        const QString old = m_items->caption(row);
        QMetaObject::invokeMethod(this, [this, old, text] { emit captionEdited(old, text); },
                                  Qt::QueuedConnection);
    });
}

// Ctrl+C belongs to the window's Copy command, not to the view's copy of a
// caption as text; Enter views the selected picture.
bool ImageListView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::ShortcutOverride && key->matches(QKeySequence::Copy)) {
        event->ignore();
        return true;
    }
    // While a caption is edited its editor has the keys, not the view.
    if (event->type() == QEvent::KeyPress && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        emit viewRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ImageListView::setUpIconView()
{
    m_iconView->setObjectName(QStringLiteral("IconView"));
    m_iconView->setModel(m_sorter);
    m_iconView->setSelectionModel(m_selection);
    m_iconView->setViewMode(QListView::IconMode);
    m_iconView->setResizeMode(QListView::Adjust);
    m_iconView->setMovement(QListView::Static);
    m_iconView->setUniformItemSizes(true);
    m_iconView->setWordWrap(true);
    m_iconView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_iconView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // In one pass: a batched layout that new items keep interrupting loses
    // the places of the items it had laid out.
    m_iconView->setLayoutMode(QListView::SinglePass);
}

void ImageListView::setUpReportView()
{
    m_reportView->setObjectName(QStringLiteral("ReportView"));
    m_reportView->setModel(m_sorter);
    m_reportView->setSelectionModel(m_selection);
    m_reportView->setRootIsDecorated(false);
    m_reportView->setUniformRowHeights(true);
    m_reportView->setItemsExpandable(false);
    m_reportView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_reportView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_reportView->header()->setSectionsClickable(false);
    m_reportView->header()->setStretchLastSection(false);
    setColumnWidths(150, 90, 120);
}

// The date column is never narrower than a date with a two-digit day and
// a late time needs in this font and locale.
void ImageListView::setColumnWidths(int file, int size, int date)
{
    const QString widestDate = dateText(QDateTime(QDate(2000, 12, 28), QTime(23, 58, 58)));
    const int padding = 2 * m_reportView->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    const int dateNeeds = m_reportView->fontMetrics().horizontalAdvance(widestDate) + padding;
    m_reportView->setColumnWidth(FileItemModel::FileColumn, file);
    m_reportView->setColumnWidth(FileItemModel::SizeColumn, size);
    m_reportView->setColumnWidth(FileItemModel::DateColumn, std::max(date, dateNeeds));
}

void ImageListView::setViewStyle(ViewStyle style)
{
    m_style = style;
    m_items->setPictures(style == ViewStyle::Icon ? m_largeImages : m_smallImages);
    m_stack->setCurrentWidget(activeView());
}

void ImageListView::setSorted(bool sorted)
{
    m_sorted = sorted;
    m_sorter->sort(sorted ? FileItemModel::FileColumn : -1, Qt::AscendingOrder);
}

int ImageListView::count() const
{
    return m_sorter->rowCount();
}

QStringList ImageListView::captions() const
{
    QStringList result;
    result.reserve(count());
    for (int row = 0; row < count(); ++row)
        result.append(m_sorter->index(row, FileItemModel::FileColumn).data().toString());
    return result;
}

QStringList ImageListView::selectedCaptions() const
{
    QStringList result;
    for (const QModelIndex &index : selectedCaptionIndexes())
        result.append(index.data().toString());
    return result;
}

QList<ImageListView::Row> ImageListView::rows() const
{
    QList<Row> result;
    result.reserve(count());
    for (int shown = 0; shown < count(); ++shown) {
        const QModelIndex index = m_sorter->index(shown, FileItemModel::FileColumn);
        const int row = m_sorter->mapToSource(index).row();
        result.append({row, index.data().toString(), m_items->path(row), m_selection->isSelected(index)});
    }
    return result;
}

// The icon view selects only the caption of a row, the report view the
// whole row: the caption cell counts in both.
QModelIndexList ImageListView::selectedCaptionIndexes() const
{
    QModelIndexList captions;
    for (const QModelIndex &index : m_selection->selectedIndexes())
        if (index.column() == FileItemModel::FileColumn)
            captions.append(index);
    std::sort(captions.begin(), captions.end());
    return captions;
}

void ImageListView::selectAll()
{
    activeView()->selectAll();
}

int ImageListView::itemsPerScreen() const
{
    if (m_sorter->rowCount() == 0)
        return 0;
    const QSize room = activeView()->viewport()->size();
    if (m_style == ViewStyle::Report) {
        const int rowHeight = std::max(1, m_reportView->sizeHintForRow(0));
        return (room.height() + rowHeight - 1) / rowHeight;
    }
    const int spacing = 2 * m_iconView->spacing();
    const QSize item = m_iconView->sizeHintForIndex(m_sorter->index(0, 0)) + QSize(spacing, spacing);
    const int perRow = std::max(1, room.width() / std::max(1, item.width()));
    const int rows = (room.height() + item.height() - 1) / std::max(1, item.height());
    return perRow * std::max(1, rows);
}

void ImageListView::repaintNow()
{
    activeView()->viewport()->repaint();
}

void ImageListView::picturesResized()
{
    m_iconView->setIconSize(m_largeImages->size());
    m_reportView->setIconSize(m_smallImages->size());
}

QAbstractItemView *ImageListView::activeView() const
{
    if (m_style == ViewStyle::Icon)
        return m_iconView;
    return m_reportView;
}

QList<QAbstractItemView *> ImageListView::views() const
{
    return {m_iconView, m_reportView};
}

void ImageListView::setCaptionsEditable(bool editable)
{
    m_items->setCaptionsEditable(editable);
    const QAbstractItemView::EditTriggers triggers =
        editable ? QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked
                 : QAbstractItemView::NoEditTriggers;
    for (QAbstractItemView *view : views())
        view->setEditTriggers(triggers);
}

int ImageListView::sourceRowOf(const QString &caption) const
{
    for (int row = 0; row < m_items->rowCount(); ++row)
        if (m_items->caption(row) == caption)
            return row;
    return -1;
}

void ImageListView::setCaption(const QString &oldCaption, const QString &newCaption)
{
    m_items->setCaption(sourceRowOf(oldCaption), newCaption);
}

void ImageListView::removeSelected()
{
    QList<int> rows;
    for (const QModelIndex &index : selectedCaptionIndexes())
        rows.append(m_sorter->mapToSource(index).row());
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows) {
        m_items->removeItem(row);
        activeView()->viewport()->repaint();
    }
}

void ImageListView::select(const QString &caption)
{
    const QModelIndex index = m_sorter->mapFromSource(m_items->index(sourceRowOf(caption), 0));
    if (!index.isValid())
        return;
    m_selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    activeView()->scrollTo(index);
}

void ImageListView::deselect(const QList<int> &rows)
{
    for (int row : rows) {
        const QModelIndex index = m_sorter->mapFromSource(m_items->index(row, 0));
        if (index.isValid())
            m_selection->select(index, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    }
}

void ImageListView::setDragFolder(const QString &folder)
{
    m_items->setFolder(folder);
}
