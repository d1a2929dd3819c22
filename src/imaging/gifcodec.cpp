// GIF through giflib: the first frame of a file, with its transparent colour
// and interlaced rows; written as one frame of at most 8 bits.
#include "imaging/codecs.h"
#include "imaging/imagesampling.h"

#include <QList>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include <gif_lib.h>

namespace imagelib::codecs {

namespace {

struct MemorySource
{
    Bytes in;
    qint64 position = 0;
    bool truncated = false;
};

int readMemory(GifFileType *gif, GifByteType *buffer, int count)
{
    auto *source = static_cast<MemorySource *>(gif->UserData);
    const qint64 n = qMin<qint64>(count, source->in.size - source->position);
    if (n < count)
        source->truncated = true;
    if (n > 0)
        std::memcpy(buffer, source->in.data + source->position, size_t(n));
    source->position += qMax<qint64>(n, 0);
    return int(qMax<qint64>(n, 0));
}

struct GifCloser
{
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifPointer = std::unique_ptr<GifFileType, GifCloser>;

GifPointer openMemory(MemorySource &source)
{
    int error = 0;
    return GifPointer(DGifOpen(&source, readMemory, &error));
}

Result failure(const MemorySource &source)
{
    return source.truncated ? ReadFailed : BadFormat;
}

// Skips extension blocks up to the first image, noting its transparent colour.
Result findFirstImage(GifFileType *gif, const MemorySource &source, int &transparent)
{
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return failure(source);
        if (type == IMAGE_DESC_RECORD_TYPE)
            return DGifGetImageDesc(gif) == GIF_ERROR ? failure(source) : Success;
        if (type == TERMINATE_RECORD_TYPE)
            return BadFormat;
        if (type != EXTENSION_RECORD_TYPE)
            continue;
        int code = 0;
        GifByteType *block = nullptr;
        if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
            return failure(source);
        if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
            GraphicsControlBlock control;
            if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
                transparent = control.TransparentColor;
        }
        while (block) {
            if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                return failure(source);
        }
    }
}

// Rows in the order an interlaced frame stores them.
std::vector<int> rowOrder(int height, bool interlaced)
{
    std::vector<int> order;
    order.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            order.push_back(y);
        return order;
    }
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass])
            order.push_back(y);
    return order;
}

// Every line of the frame is decoded and checked; the sampled screen rows
// keep the sampled columns that fall inside the frame.
Result readFrame(GifFileType *gif, const MemorySource &source, const Sampling &sampling, QImage &image,
                 int colours)
{
    const GifImageDesc &frame = gif->Image;
    std::vector<GifPixelType> line(size_t(frame.Width));
    const std::vector<int> &columns = sampling.columns();
    const auto first = std::lower_bound(columns.begin(), columns.end(), frame.Left);
    const auto end = std::lower_bound(first, columns.end(), frame.Left + frame.Width);
    for (int y : rowOrder(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
            return failure(source);
        if (*std::max_element(line.begin(), line.end()) >= colours)
            return BadFormat;
        const int target = sampling.targetRow(frame.Top + y);
        if (target < 0)
            continue;
        uchar *dst = image.scanLine(target);
        for (auto column = first; column != end; ++column)
            dst[column - columns.begin()] = line[size_t(*column - frame.Left)];
    }
    return Success;
}

QList<QRgb> paletteOf(const ColorMapObject *map, int transparent)
{
    QList<QRgb> table;
    for (int i = 0; i < map->ColorCount; ++i) {
        const GifColorType &c = map->Colors[i];
        table.append(qRgba(c.Red, c.Green, c.Blue, i == transparent ? 0 : 255));
    }
    return table;
}

// The logical screen when the frame lies inside it, else the frame alone.
bool frameFitsScreen(const GifFileType *gif)
{
    const GifImageDesc &f = gif->Image;
    return f.Left >= 0 && f.Top >= 0 && qint64(f.Left) + f.Width <= gif->SWidth
           && qint64(f.Top) + f.Height <= gif->SHeight;
}

} // namespace

Result decodeGif(Bytes in, const ReadOptions &options, QImage &out)
{
    MemorySource source{in};
    GifPointer gif = openMemory(source);
    if (!gif)
        return failure(source);
    int transparent = NO_TRANSPARENT_COLOR;
    Result result = findFirstImage(gif.get(), source, transparent);
    if (result != Success)
        return result;
    const bool onScreen = frameFitsScreen(gif.get());
    if (!onScreen) {
        gif->Image.Left = 0;
        gif->Image.Top = 0;
    }
    const int width = onScreen ? gif->SWidth : gif->Image.Width;
    const int height = onScreen ? gif->SHeight : gif->Image.Height;
    if ((result = checkImageSize(gif->Image.Width, gif->Image.Height, options.limits)) != Success
        || (result = checkImageSize(width, height, options.limits)) != Success)
        return result;
    const ColorMapObject *map = gif->Image.ColorMap ? gif->Image.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount <= 0)
        return BadFormat;
    const Sampling sampling(width, height, samplingTarget(width, height, options.atLeast, options.keepAspect));
    QImage image(sampling.size(), QImage::Format_Indexed8);
    if (image.isNull())
        return OutOfMemory;
    image.setColorTable(paletteOf(map, transparent));
    // Around a smaller frame: transparent when the file has such a colour.
    const int around = transparent >= 0 && transparent < map->ColorCount ? transparent
                       : gif->SBackGroundColor < map->ColorCount      ? gif->SBackGroundColor
                                                                       : 0;
    image.fill(uint(around));
    if ((result = readFrame(gif.get(), source, sampling, image, map->ColorCount)) != Success)
        return result;
    out = image;
    return Success;
}

Result describeGif(Bytes in, ImageInfo &info)
{
    MemorySource source{in};
    GifPointer gif = openMemory(source);
    if (!gif)
        return failure(source);
    const ColorMapObject *map = gif->SColorMap;
    info.typeCode = QStringLiteral("GIF");
    info.width = gif->SWidth;
    info.height = gif->SHeight;
    info.bitsPerPixel = map ? map->BitsPerPixel : 8;
    info.formatName = in.size >= 6 && in.data[4] == '9' ? QStringLiteral("GIF89a") : QStringLiteral("GIF87a");
    return Success;
}

namespace {

int appendToMemory(GifFileType *gif, const GifByteType *data, int count)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), count);
    return count;
}

struct MapDeleter
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

} // namespace

Result encodeGif(const QImage &image, int depth, QByteArray &out)
{
    const int bits = depth == 0 ? 4 : depth;
    std::vector<GifColorType> colours(size_t(1) << bits);
    for (int i = 0; i < image.colorCount() && i < int(colours.size()); ++i)
        colours[size_t(i)] = {GifByteType(qRed(image.color(i))), GifByteType(qGreen(image.color(i))),
                              GifByteType(qBlue(image.color(i)))};
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(int(colours.size()), colours.data()));
    if (!map)
        return OutOfMemory;
    out.clear();
    int error = 0;
    GifFileType *gif = EGifOpen(&out, appendToMemory, &error);
    if (!gif)
        return OutOfMemory;
    bool ok = EGifPutScreenDesc(gif, image.width(), image.height(), bits, 0, map.get()) == GIF_OK
              && EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(size_t(image.width()));
    for (int y = 0; ok && y < image.height(); ++y) {
        std::memcpy(line.data(), image.constScanLine(y), line.size());
        ok = EGifPutLine(gif, line.data(), image.width()) == GIF_OK;
    }
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    return ok ? Success : OutOfMemory;
}

} // namespace imagelib::codecs
