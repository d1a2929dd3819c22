#include "picturetesting.h"

#include "imaging/picture/metafile.h"

#include <QPainter>
#include <QStringList>

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

namespace {

int darkness(const QImage &image, int x, int y)
{
    return 255 - qGray(image.pixel(x, y));
}

constexpr int InkDarkness = 128;

} // namespace

QList<qreal> inkCentres(const QImage &image, Qt::Orientation orientation, const QRect &area)
{
    const QRect box = area.intersected(image.rect());
    const bool columns = orientation == Qt::Horizontal;
    const int lines = columns ? box.width() : box.height();
    QList<qreal> centres;
    qreal weight = 0, moment = 0;
    for (int i = 0; i <= lines; ++i) {
        int line = 0;
        bool inked = false;
        if (i < lines) {
            const int length = columns ? box.height() : box.width();
            for (int j = 0; j < length; ++j) {
                const int x = columns ? box.left() + i : box.left() + j;
                const int y = columns ? box.top() + j : box.top() + i;
                line += darkness(image, x, y);
                inked = inked || darkness(image, x, y) > InkDarkness;
            }
        }
        if (inked) {
            weight += line;
            moment += line * qreal((columns ? box.left() : box.top()) + i);
        } else if (weight > 0) {
            centres.append(moment / weight);
            weight = moment = 0;
        }
    }
    return centres;
}

QRect inkBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    const QRect box = area.intersected(image.rect());
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (darkness(image, x, y) > InkDarkness)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QList<qreal> steps(const QList<qreal> &positions)
{
    QList<qreal> result;
    for (qsizetype i = 1; i < positions.size(); ++i)
        result.append(positions[i] - positions[i - 1]);
    return result;
}

bool near(const QList<qreal> &actual, const QList<qreal> &expected, qreal tolerance)
{
    if (actual.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < actual.size(); ++i)
        if (qAbs(actual[i] - expected[i]) > tolerance)
            return false;
    return true;
}

QString listed(const QList<qreal> &values)
{
    QStringList parts;
    for (qreal value : values)
        parts.append(QString::number(value, 'f', 1));
    return parts.join(QLatin1Char(' '));
}
