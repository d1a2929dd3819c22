// The items of the image list: caption, picture index, size and date texts.
#pragma once

#include <QAbstractTableModel>
#include <QString>
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
    void append(const QString &caption, int imageIndex);
    struct ReportTexts
    {
        QString size;
        QString date;
    };
    // Size and date texts for every row, in row order.
    void setReportTexts(const std::vector<ReportTexts> &texts);
    QString caption(int row) const;

private:
    struct Item
    {
        QString caption;
        int imageIndex = -1;
        QString size;
        QString date;
    };
    std::vector<Item> m_items;
    const ImageList *m_pictures = nullptr;
};
