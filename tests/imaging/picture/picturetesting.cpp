#include "picturetesting.h"

#include "imaging/picture/metafile.h"

#include <QPainter>

QImage playMetafile(const QByteArray &bytes, QSize size, QString *error)
{
    QString reason;
    const auto metafile = Metafile::load(bytes, &reason);
    if (error)
        *error = reason;
    if (!metafile)
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    metafile->play(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

bool pixelIs(const QImage &image, int x, int y, QColor color, int tolerance)
{
    const QColor actual = image.pixelColor(x, y);
    return qAbs(actual.red() - color.red()) <= tolerance && qAbs(actual.green() - color.green()) <= tolerance
        && qAbs(actual.blue() - color.blue()) <= tolerance;
}

int inkedPixels(const QImage &image, const QRect &rect)
{
    int count = 0;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) & 0xffffff) != 0xffffff;
    return count;
}
