// Draws each font name of a list in its own typeface at the list's size.
#pragma once

#include <QStyledItemDelegate>

class FontNameDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The list's font with the family the item names.
    static QFont itemFont(const QFont &listFont, const QString &family);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
