#include "printing/fontnamedelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int ExtraItemHeight = 5;
}

QFont FontNameDelegate::itemFont(const QFont &listFont, const QString &family)
{
    QFont font = listFont;
    font.setFamilies({family});
    return font;
}

void FontNameDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette &palette = option.palette;
    painter->save();
    painter->fillRect(option.rect, selected ? palette.highlight() : palette.base());
    const QString family = index.data().toString();
    const QFont font = itemFont(option.font, family);
    painter->setFont(font);
    painter->setPen(selected ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Text));
    painter->drawText(option.rect.topLeft() + QPoint(0, QFontMetrics(font).ascent()), family);
    painter->restore();
}

QSize FontNameDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QFontMetrics metrics(itemFont(option.font, index.data().toString()));
    return {option.rect.width(), metrics.height() + ExtraItemHeight};
}
