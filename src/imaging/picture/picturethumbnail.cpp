#include "picturethumbnail.h"

#include <QPainter>

QRectF fittedRect(const QRectF &area, QSizeF picture)
{
    if (picture.isEmpty() || area.isEmpty())
        return area;
    const QSizeF fitted = picture.scaled(area.size(), Qt::KeepAspectRatio);
    return QRectF(area.topLeft() + QPointF((area.width() - fitted.width()) / 2, (area.height() - fitted.height()) / 2),
                  fitted);
}

QRectF thumbnailTarget(Picture::Kind kind, QSizeF size, const QRect &cell, ThumbnailFit fit)
{
    QRectF area;
    switch (kind) {
    case Picture::Kind::Metafile:
        area = QRectF(cell.left(), cell.top(), qMax(0, cell.width() - 1), qMax(0, cell.height() - 1));
        break;
    case Picture::Kind::Icon: return QRectF(cell.topLeft(), size);
    default: area = QRectF(cell);
    }
    return fit.keepProportions ? fittedRect(area, size) : area;
}

QRectF thumbnailTarget(const Picture &picture, const QRect &cell, ThumbnailFit fit)
{
    return thumbnailTarget(picture.kind(), QSizeF(picture.size()), cell, fit);
}

void drawThumbnail(QPainter &painter, const Picture &picture, const QRect &cell, ThumbnailFit fit)
{
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    picture.draw(painter, thumbnailTarget(picture, cell, fit));
    painter.restore();
}

QImage renderThumbnail(const Picture &picture, QSize size, ThumbnailFit fit)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    drawThumbnail(painter, picture, image.rect(), fit);
    return image;
}
