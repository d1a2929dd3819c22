// The orientation tag of a JPEG file's Exif block, and turning a picture upright.
#pragma once

#include <QImage>

namespace imagelib {

// The orientation (1..8) in an APP1 segment's payload ("Exif\0\0" and a
// TIFF structure); 1 when there is none or the block is damaged.
int exifOrientation(const uchar *payload, qint64 size);

// True for the orientations that swap width and height (5..8).
inline bool orientationSwapsAxes(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}

// The picture turned and mirrored so that it shows upright.
QImage applyOrientation(const QImage &image, int orientation);

} // namespace imagelib
