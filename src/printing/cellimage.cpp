#include "printing/cellimage.h"

#include "imaging/imagebox/imageboxrules.h"
#include "imaging/picture/picture.h"
#include "printing/tempbitmap.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int IconShrink = 15;

QImage renderVector(const QString &path, const QString &suffix, const CellImageRequest &request)
{
    Picture picture;
    if (!picture.load(path))
        return {};
    const QSize size = suffix == QLatin1String("ico") ? request.thumbSize - QSize(IconShrink, IconShrink)
                                                      : request.cell;
    if (size.width() < 1 || size.height() < 1)
        return {};
    return picture.render(size);
}

QImage readRaster(const QString &path)
{
    const RasterReader *reader = rasterReaderFor(loadExtension(path));
    if (!reader)
        return {};
    imagelib::ReadOptions options;
    options.depth = 24;
    QImage image;
    if (!imagelib::succeeded(imagelib::readImage(path, reader->format, options, image)))
        return {};
    return image;
}
} // namespace

QImage prepareCellImage(const QString &path, const CellImageRequest &request)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool vector = suffix == QLatin1String("wmf") || suffix == QLatin1String("emf")
                        || suffix == QLatin1String("ico");
    const QImage picture = vector ? renderVector(path, suffix, request) : readRaster(path);
    return roundTripThroughTempBitmap(picture, request.tempDir);
}

QImage errorCellImage(QSize cell, const QFont &font)
{
    QImage image(cell.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(0, QFontMetrics(font, &image).ascent()), QStringLiteral("Error"));
    return image;
}
