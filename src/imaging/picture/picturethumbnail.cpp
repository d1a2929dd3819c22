#include "picturethumbnail.h"

#include <QPainter>

QRectF thumbnailTarget(const Picture &picture, const QRect &cell)
{
    switch (picture.kind()) {
    case Picture::Kind::Metafile:
        return QRectF(cell.left(), cell.top(), qMax(0, cell.width() - 1), qMax(0, cell.height() - 1));
    case Picture::Kind::Icon: return QRectF(cell.topLeft(), QSizeF(picture.size()));
    default: return QRectF(cell);
    }
}

void drawThumbnail(QPainter &painter, const Picture &picture, const QRect &cell)
{
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    picture.draw(painter, thumbnailTarget(picture, cell));
    painter.restore();
}

QImage renderThumbnail(const Picture &picture, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    drawThumbnail(painter, picture, image.rect());
    return image;
}
