// libFuzzer harness for one of the imaging library's readers, chosen at build
// time by PIXMOOR_FUZZ_FORMAT (Bmp, Pcx, Jpeg, Png, Tiff, Gif). The input goes
// through readImageData, the path readImage takes once the file is mapped,
// and through the information call.
#include "imaging/imagelibrary.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    imagelib::ReadOptions options;
    // Small limits keep each run fast; the checks are the same at any limit.
    options.limits.maxSide = 4096;
    options.limits.maxPixels = 2'000'000;
    static const int depths[] = {24, 8, 24, 1, 24, 4, 24, 0};
    options.depth = depths[size % 8];
    options.dither = size % 3 != 0;
    if (size % 2)
        options.atLeast = QSize(70, 70);
    QImage image;
    imagelib::readImageData(data, qint64(size), imagelib::FileFormat::PIXMOOR_FUZZ_FORMAT, options, image);
    imagelib::ImageInfo info;
    imagelib::readImageInfoData(data, qint64(size), info);
    return 0;
}
