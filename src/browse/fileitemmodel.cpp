#include "browse/fileitemmodel.h"

#include "browse/imagelist.h"

#include <QDir>
#include <QIcon>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

FileItemModel::FileItemModel(QObject *parent) : QAbstractTableModel(parent) {}

int FileItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

int FileItemModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FileItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Item &item = m_items[size_t(index.row())];
    if (role == PathRole || (role == Qt::EditRole && !item.path.isEmpty() && index.column() == FileColumn))
        return item.path;
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        switch (index.column()) {
        case FileColumn: return item.caption;
        case SizeColumn: return item.size;
        case DateColumn: return item.date;
        }
    }
    if (role == Qt::DecorationRole && index.column() == FileColumn && m_pictures) {
        const QPixmap picture = m_pictures->at(item.imageIndex);
        if (!picture.isNull()) {
            // Shown as it is while the list is disabled (busy building):
            // the pictures are what the user waits for.
            QIcon icon(picture);
            icon.addPixmap(picture, QIcon::Disabled);
            return icon;
        }
    }
    return {};
}

QVariant FileItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case FileColumn: return QStringLiteral("File");
    case SizeColumn: return QStringLiteral("Size");
    case DateColumn: return QStringLiteral("Date");
    }
    return {};
}

void FileItemModel::setPictures(const ImageList *pictures)
{
    m_pictures = pictures;
    if (!m_items.empty())
        emit dataChanged(index(0, FileColumn), index(rowCount() - 1, FileColumn),
                         {Qt::DecorationRole});
}

void FileItemModel::clear()
{
    beginResetModel();
    m_items.clear();
    endResetModel();
}

void FileItemModel::append(const QString &caption, int imageIndex, const ReportTexts &texts)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_items.push_back({caption, imageIndex, texts.size, texts.date, {}});
    endInsertRows();
}

void FileItemModel::setReportTexts(const std::vector<ReportTexts> &texts)
{
    const size_t rows = std::min(texts.size(), m_items.size());
    for (size_t row = 0; row < rows; ++row) {
        m_items[row].size = texts[row].size;
        m_items[row].date = texts[row].date;
    }
    if (rows > 0)
        emit dataChanged(index(0, SizeColumn), index(int(rows) - 1, DateColumn), {Qt::DisplayRole});
}

QString FileItemModel::caption(int row) const
{
    return row >= 0 && row < rowCount() ? m_items[size_t(row)].caption : QString();
}

void FileItemModel::setPath(int row, const QString &path)
{
    if (row >= 0 && row < rowCount())
        m_items[size_t(row)].path = path;
}

QString FileItemModel::path(int row) const
{
    return row >= 0 && row < rowCount() ? m_items[size_t(row)].path : QString();
}

void FileItemModel::setCaption(int row, const QString &caption)
{
    if (row < 0 || row >= rowCount())
        return;
    m_items[size_t(row)].caption = caption;
    emit dataChanged(index(row, FileColumn), index(row, FileColumn), {Qt::DisplayRole, Qt::EditRole});
}

void FileItemModel::removeItem(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_items.erase(m_items.begin() + row);
    endRemoveRows();
}

Qt::ItemFlags FileItemModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid())
        flags |= Qt::ItemIsDragEnabled;
    if (m_captionsEditable && index.column() == FileColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool FileItemModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    // An edit that leaves the text as it was renames nothing.
    if (role == Qt::EditRole && index.isValid() && index.column() == FileColumn && m_captionsEditable
        && value.toString() != data(index, Qt::EditRole).toString())
        emit captionEditRequested(index.row(), value.toString());
    return false;
}

QStringList FileItemModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

QMimeData *FileItemModel::mimeData(const QModelIndexList &indexes) const
{
    QList<QUrl> urls;
    for (const QModelIndex &index : indexes)
        if (index.column() == FileColumn)
            urls.append(QUrl::fromLocalFile(QDir(m_folder).filePath(caption(index.row()))));
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}
