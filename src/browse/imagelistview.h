// The list of image files: thumbnails in icon view, columns in report view.
#pragma once

#include <QModelIndex>
#include <QStringList>
#include <QWidget>

class FileItemModel;
class ImageList;
class QAbstractItemView;
class QItemSelectionModel;
class QListView;
class QSortFilterProxyModel;
class QStackedLayout;
class QTreeView;

// One list of items shown by either of two views over the same model and
// selection, so switching the view keeps what is selected.
class ImageListView : public QWidget
{
    Q_OBJECT
public:
    enum class ViewStyle { Icon, Report };
    // An item as the view shows it; row is its row in items().
    struct Row
    {
        int row = -1;
        QString caption;
        QString path;   // empty unless the item was given one
        bool selected = false;
    };

    ImageListView(ImageList *largeImages, ImageList *smallImages, QWidget *parent = nullptr);

    ViewStyle viewStyle() const { return m_style; }
    void setViewStyle(ViewStyle style);
    bool isSorted() const { return m_sorted; }
    // On: items ordered by caption, letters before case; off: in the order added.
    void setSorted(bool sorted);

    FileItemModel *items() const { return m_items; }
    int count() const;
    // Captions in the order the view shows them.
    QStringList captions() const;
    QStringList selectedCaptions() const;
    // Every item in the order the view shows them.
    QList<Row> rows() const;
    void selectAll();
    // Selects the item of that caption alone and makes it current.
    void select(const QString &caption);
    // How many items the view shows at once at its present size, counting
    // rows cut at the bottom; 0 while it holds none to measure by.
    int itemsPerScreen() const;
    // Paints the list as it stands, not waiting for the next screen refresh.
    void repaintNow();
    // Tells the views that the image lists changed size.
    void picturesResized();

    // Widths of the File, Size and Date columns of the report view.
    void setColumnWidths(int file, int size, int date);

    QAbstractItemView *activeView() const;
    QList<QAbstractItemView *> views() const;

    // Captions edited in place (F2 or a click on a selected item) are
    // offered through captionEdited; the owner renames and calls setCaption.
    void setCaptionsEditable(bool editable);
    void setCaption(const QString &oldCaption, const QString &newCaption);
    // Items leave the list; nothing happens to their files.
    void removeSelected();
    // rows are rows of items().
    void deselect(const QList<int> &rows);
    // The folder whose files a drag out of the list offers as file URLs.
    void setDragFolder(const QString &folder);

signals:
    void captionEdited(const QString &oldCaption, const QString &newText);
    // Enter on the list, outside an edit: the selected picture is to be viewed.
    void viewRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpIconView();
    void setUpReportView();
    int sourceRowOf(const QString &caption) const;
    QModelIndexList selectedCaptionIndexes() const;

    ImageList *m_largeImages;
    ImageList *m_smallImages;
    FileItemModel *m_items;
    QSortFilterProxyModel *m_sorter;
    QItemSelectionModel *m_selection;
    QStackedLayout *m_stack;
    QListView *m_iconView;
    QTreeView *m_reportView;
    ViewStyle m_style = ViewStyle::Icon;
    bool m_sorted = false;
};
