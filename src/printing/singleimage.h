// One picture on one page at a multiple of its pixel size, top left at
// (0, 100), with the page texts of "Page 1".
#pragma once

#include "printing/printoptions.h"

#include <QRect>
#include <QSize>
#include <functional>

class PageSink;
class Picture;
class QPainter;

// Where the image control's pictures come from and where the plain picture
// holder's (icons and metafiles) do: the holder prints one step smaller.
enum class PictureSource { ImageControl, PictureHolder };

constexpr int SingleImageTop = 100;

// The printed rectangle of a picture of size at scaling factor scale.
QRect singleImageRect(PictureSource source, int scale, QSize size);

// Begins the document, draws the page texts, lets draw put the picture on
// the page, and ends the document. False when no document could be begun.
bool printSingleImage(PageSink &sink, const PrintOptions &options, const std::function<void(QPainter &)> &draw);

// Draws picture stretched over target: bitmaps and icons scaled, metafiles
// played into it.
void drawPictureStretched(QPainter &painter, const Picture &picture, const QRect &target);
