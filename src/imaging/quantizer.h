// Palette choice for 4- and 8-bit pictures through libimagequant.
#pragma once

#include <QImage>

namespace imagelib {

// An Indexed8 picture of at most maxColours colours chosen for image (RGB32),
// dithered by error diffusion when dither is set; null on failure.
QImage quantizeImage(const QImage &image, int maxColours, bool dither);

} // namespace imagelib
