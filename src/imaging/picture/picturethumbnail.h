// How a picture fills a thumbnail: bitmaps stretched over the whole cell,
// metafiles played into the cell less one pixel at its right and bottom
// edges, icons at their own size in the top left corner. The rest stays
// white, which the image lists show as transparent.
#pragma once

#include "picture.h"

#include <QRect>

class QPainter;

// The rectangle a picture of this kind is drawn into within cell.
QRectF thumbnailTarget(const Picture &picture, const QRect &cell);

// Draws picture into cell (which the caller has filled white).
void drawThumbnail(QPainter &painter, const Picture &picture, const QRect &cell);

// A white thumbnail of size with the picture drawn as above.
QImage renderThumbnail(const Picture &picture, QSize size);
