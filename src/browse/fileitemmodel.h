// The items of the image list: caption, picture index, size and date texts.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <vector>

class ImageList;

class FileItemModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { FileColumn, SizeColumn, DateColumn, ColumnCount };

    explicit FileItemModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The pictures drawn beside the captions; none when null.
    void setPictures(const ImageList *pictures);
    void clear();
    struct ReportTexts
    {
        QString size;
        QString date;
    };
    void append(const QString &caption, int imageIndex, const ReportTexts &texts = {});
    // Size and date texts for every row, in row order.
    void setReportTexts(const std::vector<ReportTexts> &texts);
    QString caption(int row) const;
    // The real path of a row's file where the caption is only its spelling
    // for the eye; an in-place edit then starts from the path.
    static constexpr int PathRole = Qt::UserRole + 1;
    void setPath(int row, const QString &path);
    QString path(int row) const;

    // Editing captions in place and dragging items out to other programs.
    void setCaptionsEditable(bool editable) { m_captionsEditable = editable; }
    void setCaption(int row, const QString &caption);
    void removeItem(int row);
    // The folder the captions name files of, for the file URLs of a drag.
    void setFolder(const QString &folder) { m_folder = folder; }
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // An edited caption is not stored: the owner decides through
    // captionEditRequested and calls setCaption.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

signals:
    void captionEditRequested(int row, const QString &newText);

private:
    struct Item
    {
        QString caption;
        int imageIndex = -1;
        QString size;
        QString date;
        QString path;
    };
    std::vector<Item> m_items;
    const ImageList *m_pictures = nullptr;
    QString m_folder;
    bool m_captionsEditable = false;
};
