#include "printing/cellimage.h"

#include "imagebox/imageboxrules.h"
#include "imaging/picture/picture.h"
#include "imaging/picture/picturethumbnail.h"
#include "printing/tempbitmap.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int IconShrink = 15;

// picture as large as fits the cell with its proportions, centred on white.
QImage centredInCell(const QImage &picture, QSize cell)
{
    QImage image(cell, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(fittedRect(QRectF(image.rect()), QSizeF(picture.size())), picture);
    return image;
}

QImage renderVector(const QString &path, PictureFileKind kind, const CellImageRequest &request)
{
    Picture picture;
    if (!picture.load(path))
        return {};
    const QSize size = kind == PictureFileKind::Icon ? request.thumbSize - QSize(IconShrink, IconShrink)
                                                     : request.cell;
    if (size.width() < 1 || size.height() < 1)
        return {};
    if (request.keepProportions && kind == PictureFileKind::Metafile && !picture.size().isEmpty()) {
        const QSize fitted = picture.size().scaled(size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        return centredInCell(picture.render(fitted), size);
    }
    return picture.render(size);
}

// Read at reduced size, as the list's thumbnails are, and sized to the
// cell: a sheet of photographs holds and prints cell-sized pictures, not
// megapixels.
QImage readRaster(const QString &path, QSize cell, bool keepProportions)
{
    const RasterReader *reader = rasterReaderFor(loadExtension(path));
    if (!reader)
        return {};
    imagelib::ReadOptions options;
    options.depth = 24;
    options.atLeast = cell;
    options.keepAspect = keepProportions;
    QImage image;
    if (!imagelib::succeeded(imagelib::readImage(path, reader->format, options, image)))
        return {};
    if (keepProportions)
        return centredInCell(image, cell);
    return image.size() == cell ? image : image.scaled(cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
} // namespace

QImage prepareCellImage(const QString &path, const CellImageRequest &request)
{
    const PictureFileKind kind = pictureFileKind(path);
    const QImage picture = kind != PictureFileKind::None ? renderVector(path, kind, request) : readRaster(path, request.cell, request.keepProportions);
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
