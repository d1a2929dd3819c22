// How a picture fills a thumbnail: bitmaps stretched over the whole cell,
// metafiles played into the cell less one pixel at its right and bottom
// edges, icons at their own size in the top left corner. The rest stays
// white, which the image lists show as transparent.
#pragma once

#include "picture.h"

#include <QRect>

class QPainter;

// With keepProportions, bitmaps and metafiles keep their aspect ratio
// instead: as large as fits the cell (less the metafile's pixel), centred.
struct ThumbnailFit
{
    bool keepProportions = false;
};

// The rectangle a picture of this kind is drawn into within cell.
QRectF thumbnailTarget(const Picture &picture, const QRect &cell, ThumbnailFit fit = {});
// The same for a picture of kind whose copy at hand has size (a cached one).
QRectF thumbnailTarget(Picture::Kind kind, QSizeF size, const QRect &cell, ThumbnailFit fit = {});

// Draws picture into cell (which the caller has filled white).
void drawThumbnail(QPainter &painter, const Picture &picture, const QRect &cell, ThumbnailFit fit = {});

// A white thumbnail of size with the picture drawn as above.
QImage renderThumbnail(const Picture &picture, QSize size, ThumbnailFit fit = {});

// The largest rectangle of picture's proportions inside area, centred.
QRectF fittedRect(const QRectF &area, QSizeF picture);
