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
// Room kept below the picture for the foot note and the page number.
constexpr int SingleImageBottomReserve = 200;

// The printed rectangle of a picture of size at scaling factor scale on a
// page of printable size page. A picture that would pass the page's width
// or the foot texts' room is scaled down to fit, keeping its proportions.
QRect singleImageRect(PictureSource source, int scale, QSize size, QSize page);

// Begins the document, draws the page texts, lets draw put the picture on
// the page (of the printable size it is handed), and ends the document.
// False when the document could not be begun or did not go out whole.
using SingleImageDraw = std::function<void(QPainter &, QSize page)>;
bool printSingleImage(PageSink &sink, const PrintOptions &options, const SingleImageDraw &draw);

// Draws picture stretched over target: bitmaps and icons scaled, metafiles
// played into it.
void drawPictureStretched(QPainter &painter, const Picture &picture, const QRect &target);
