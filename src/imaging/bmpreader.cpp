// Reads Windows and OS/2 bitmaps: 1, 4, 8, 16, 24 and 32 bits per pixel,
// RLE4 and RLE8, bottom-up and top-down rows, core, info, V4 and V5 headers
// and bit-field masks. Files with or without the file header (packed DIB).
#include "imaging/bytereader.h"
#include "imaging/codecs.h"
#include "imaging/imagesampling.h"

#include <QList>

#include <array>
#include <cstring>
#include <vector>

namespace imagelib::codecs {

namespace {

enum BmpCompression { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitFields = 3, BiAlphaBitFields = 6 };

struct Channel
{
    quint32 mask = 0;
    int shift = 0;
    int bits = 0;
};

struct BmpHeader
{
    qint64 pixelOffset = -1;   // -1: right after the palette (packed DIB)
    quint32 headerSize = 0;
    qint64 width = 0;
    qint64 height = 0;
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = BiRgb;
    quint32 colorsUsed = 0;
    bool os2 = false;
    int xPpm = 0;
    int yPpm = 0;
    Channel red, green, blue, alpha;
    QList<QRgb> palette;
};

Channel makeChannel(quint32 mask)
{
    Channel c;
    c.mask = mask;
    if (!mask)
        return c;
    while (!((mask >> c.shift) & 1u))
        ++c.shift;
    const quint32 value = mask >> c.shift;
    while (c.bits < 32 && (quint64(value) >> c.bits))
        ++c.bits;
    return c;
}

int channelValue(quint32 pixel, const Channel &c)
{
    if (!c.bits)
        return 0;
    const quint64 value = (pixel & c.mask) >> c.shift;
    if (c.bits >= 8)
        return int(value >> (c.bits - 8));
    // Repeat the bits to fill eight: 5-bit 0x1F gives 0xFF, 0x10 gives 0x84.
    quint64 wide = 0;
    int filled = 0;
    for (; filled < 8; filled += c.bits)
        wide = (wide << c.bits) | value;
    return int(wide >> (filled - 8));
}

bool isOs2Version2(quint32 size)
{
    return size == 64 || (size > 12 && size < 40);
}

// The fixed part of the header; OS/2 2.x headers may stop early, the rest is 0.
Result readInfoHeader(ByteReader &r, BmpHeader &h)
{
    const qint64 start = r.position();
    h.headerSize = r.u32();
    if (r.failed())
        return ReadFailed;
    if (h.headerSize != 12 && (h.headerSize < 16 || h.headerSize > 1024))
        return BadFormat;
    std::array<uchar, 124> block{};
    const qint64 known = qMin<qint64>(h.headerSize, qint64(block.size()));
    const uchar *bytes = r.bytes(known - 4);
    if (!bytes || !r.seek(start + h.headerSize))
        return ReadFailed;
    std::memcpy(block.data() + 4, bytes, size_t(known - 4));
    ByteReader f(block.data(), qint64(block.size()));
    f.seek(4);
    if (h.headerSize == 12) {
        h.os2 = true;
        h.width = f.u16();
        h.height = f.u16();
        f.skip(2);
        h.bitCount = f.u16();
        return Success;
    }
    h.os2 = isOs2Version2(h.headerSize);
    h.width = f.s32();
    const qint64 height = f.s32();
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    f.skip(2);
    h.bitCount = f.u16();
    h.compression = f.u32();
    f.skip(4);
    h.xPpm = f.s32();
    h.yPpm = f.s32();
    h.colorsUsed = f.u32();
    if (h.headerSize >= 52) {
        f.seek(40);
        h.red = makeChannel(f.u32());
        h.green = makeChannel(f.u32());
        h.blue = makeChannel(f.u32());
        if (h.headerSize >= 56)
            h.alpha = makeChannel(f.u32());
    }
    return Success;
}

Result checkCompression(const BmpHeader &h)
{
    switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        return h.bitCount == 0 ? Unsupported : BadFormat;   // 0: embedded JPEG or PNG
    }
    if (h.os2 && h.compression >= 3)
        return Unsupported;   // OS/2 Huffman and RLE24
    switch (h.compression) {
    case BiRgb:
        return Success;
    case BiRle8:
        return h.bitCount == 8 ? Success : BadFormat;
    case BiRle4:
        return h.bitCount == 4 ? Success : BadFormat;
    case BiBitFields:
    case BiAlphaBitFields:
        return h.bitCount == 16 || h.bitCount == 32 ? Success : BadFormat;
    default:
        return Unsupported;
    }
}

// Masks follow an info header when they are not part of it.
void readMasks(ByteReader &r, BmpHeader &h)
{
    if (h.compression == BiBitFields || h.compression == BiAlphaBitFields) {
        if (h.headerSize < 52) {
            h.red = makeChannel(r.u32());
            h.green = makeChannel(r.u32());
            h.blue = makeChannel(r.u32());
            if (h.compression == BiAlphaBitFields)
                h.alpha = makeChannel(r.u32());
        }
        return;
    }
    h.alpha = Channel();
    if (h.bitCount == 16) {
        h.red = makeChannel(0x7C00);
        h.green = makeChannel(0x03E0);
        h.blue = makeChannel(0x001F);
    } else {
        h.red = makeChannel(0xFF0000);
        h.green = makeChannel(0x00FF00);
        h.blue = makeChannel(0x0000FF);
    }
}

Result readPalette(ByteReader &r, BmpHeader &h)
{
    const quint32 colorsUsed = h.colorsUsed;
    if (h.bitCount > 8)
        return Success;
    const quint32 maximum = 1u << h.bitCount;
    const quint32 count = colorsUsed == 0 || colorsUsed > maximum ? maximum : colorsUsed;
    const int entrySize = h.headerSize == 12 ? 3 : 4;
    const uchar *entries = r.bytes(qint64(count) * entrySize);
    if (!entries)
        return ReadFailed;
    h.palette.reserve(int(count));
    for (quint32 i = 0; i < count; ++i) {
        const uchar *e = entries + i * entrySize;
        h.palette.append(qRgb(e[2], e[1], e[0]));
    }
    return Success;
}

Result readHeader(ByteReader &r, BmpHeader &h)
{
    if (r.size() >= 2 && r.u16() == 0x4D42) {
        r.skip(8);
        h.pixelOffset = r.u32();
    } else {
        r.seek(0);
    }
    Result result = readInfoHeader(r, h);
    if (result != Success)
        return result;
    if ((result = checkCompression(h)) != Success)
        return result;
    readMasks(r, h);
    if (r.failed())
        return ReadFailed;
    if ((result = readPalette(r, h)) != Success)
        return result;
    if (h.pixelOffset < 0)
        h.pixelOffset = r.position();
    return Success;
}

// Unpacks the 1, 4 or 8 bit indexes of the given columns; false when one
// is outside the palette.
bool unpackIndexes(const uchar *src, uchar *line, const std::vector<int> &columns, int bits, int paletteSize)
{
    const int perByte = 8 / bits;
    const int mask = (1 << bits) - 1;
    int highest = 0;
    for (size_t i = 0; i < columns.size(); ++i) {
        const int x = columns[i];
        const int shift = 8 - bits * (x % perByte + 1);
        const int index = (src[x / perByte] >> shift) & mask;
        line[i] = uchar(index);
        highest = qMax(highest, index);
    }
    return highest < paletteSize;
}

QRgb colourAt(const uchar *src, int x, const BmpHeader &h)
{
    if (h.bitCount == 24) {
        const uchar *p = src + qint64(x) * 3;
        return qRgb(p[2], p[1], p[0]);
    }
    quint32 pixel;
    if (h.bitCount == 16) {
        pixel = quint32(src[x * 2]) | quint32(src[x * 2 + 1]) << 8;
    } else {
        const uchar *p = src + qint64(x) * 4;
        pixel = quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
    }
    const int a = h.alpha.bits ? channelValue(pixel, h.alpha) : 255;
    return qRgba(channelValue(pixel, h.red), channelValue(pixel, h.green), channelValue(pixel, h.blue), a);
}

// Reads only the sampled rows and columns straight from the file's bytes.
Result decodeUncompressed(const uchar *pixels, qint64 available, const BmpHeader &h, const Sampling &sampling,
                          QImage &image)
{
    const qint64 stride = (h.width * h.bitCount + 31) / 32 * 4;
    const qint64 rowBytes = (h.width * h.bitCount + 7) / 8;
    if ((h.height - 1) * stride + rowBytes > available)
        return ReadFailed;
    const std::vector<int> &columns = sampling.columns();
    for (int y = 0; y < image.height(); ++y) {
        const qint64 row = sampling.rows()[size_t(y)];
        const uchar *src = pixels + (h.topDown ? row : h.height - 1 - row) * stride;
        uchar *line = image.scanLine(y);
        if (h.bitCount <= 8) {
            if (!unpackIndexes(src, line, columns, h.bitCount, int(h.palette.size())))
                return BadFormat;
            continue;
        }
        QRgb *colours = reinterpret_cast<QRgb *>(line);
        for (size_t i = 0; i < columns.size(); ++i)
            colours[i] = colourAt(src, columns[i], h);
    }
    return Success;
}

// RLE rows arrive in file order; each is decoded into a full-width line and
// its sampled columns kept when the sampling takes that row.
struct RleCursor
{
    RleCursor(const BmpHeader &header, const Sampling &sampling, QImage &image)
        : h(header), sampling(sampling), image(image), line(size_t(header.width), 0)
    {
    }
    void flush()
    {
        if (row >= h.height)
            return;
        const int target = sampling.targetRow(int(h.topDown ? row : h.height - 1 - row));
        if (target >= 0) {
            uchar *out = image.scanLine(target);
            const std::vector<int> &columns = sampling.columns();
            for (size_t i = 0; i < columns.size(); ++i)
                out[i] = line[size_t(columns[i])];
        }
        std::fill(line.begin(), line.end(), uchar(0));
    }
    void nextRows(qint64 count)
    {
        if (count > 0)
            flush();
        row += count;
    }

    const BmpHeader &h;
    const Sampling &sampling;
    QImage &image;
    std::vector<uchar> line;
    qint64 x = 0;
    qint64 row = 0;
    int highest = 0;
};

void putRun(RleCursor &c, int count, const uchar *src, bool repeat)
{
    uchar *line = c.line.data() + c.x;
    const bool four = c.h.compression == BiRle4;
    const int visible = int(qBound<qint64>(0, c.h.width - c.x, qint64(count)));   // the rest falls into the row's padding
    for (int i = 0; i < visible; ++i) {
        int index;
        if (four) {
            const uchar byte = repeat ? src[0] : src[i / 2];
            index = (i & 1) ? byte & 0x0F : byte >> 4;
        } else {
            index = repeat ? src[0] : src[i];
        }
        line[i] = uchar(index);
        c.highest = qMax(c.highest, index);
    }
    c.x += count;
}

// Escape codes after a zero count: 0 end of line, 1 end of bitmap, 2 delta,
// 3..255 a literal run. Some writers (ImageMagick among them) also code the
// padding of each row, so runs may reach to the 32-bit boundary of the row;
// runs beyond that, or past the last row, are damage.
Result decodeRleRuns(ByteReader &r, RleCursor &c)
{
    const BmpHeader &h = c.h;
    const qint64 paddedWidth = (h.width * h.bitCount + 31) / 32 * 32 / h.bitCount;
    for (;;) {
        if (r.remaining() < 2)
            return c.row >= h.height ? Success : ReadFailed;
        const int count = r.u8();
        const uchar value = r.u8();
        if (count > 0) {
            if (c.row >= h.height || c.x + count > paddedWidth)
                return BadFormat;
            putRun(c, count, &value, true);
        } else if (value == 0) {
            c.x = 0;
            c.nextRows(1);
        } else if (value == 1) {
            return Success;
        } else if (value == 2) {
            c.x += r.u8();
            const int down = r.u8();
            if (r.failed())
                return ReadFailed;
            c.nextRows(down);
            if (c.x > paddedWidth || c.row > h.height)
                return BadFormat;
        } else {
            if (c.row >= h.height || c.x + value > paddedWidth)
                return BadFormat;
            const qint64 bytes = h.compression == BiRle4 ? (value + 1) / 2 : value;
            const uchar *src = r.bytes(bytes);
            if (!src)
                return ReadFailed;
            putRun(c, value, src, false);
            if (bytes & 1)
                r.skip(1);
        }
    }
}

Result decodeRle(ByteReader &r, const BmpHeader &h, const Sampling &sampling, QImage &image)
{
    image.fill(0);
    RleCursor c(h, sampling, image);
    const Result result = decodeRleRuns(r, c);
    if (result != Success)
        return result;
    c.flush();
    return c.highest < h.palette.size() ? Success : BadFormat;
}

// Many writers declare an alpha mask and leave it 0: such a picture is opaque.
void dropUnfilledAlpha(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]))
                return;
    }
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] |= 0xFF000000u;
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
}

} // namespace

Result decodeBmp(Bytes in, const ReadOptions &options, QImage &out)
{
    ByteReader r(in.data, in.size);
    BmpHeader h;
    Result result = readHeader(r, h);
    if (result != Success)
        return result;
    if ((result = checkImageSize(h.width, h.height, options.limits)) != Success)
        return result;
    if (h.pixelOffset > in.size)
        return ReadFailed;
    const bool indexed = h.bitCount <= 8;
    const QImage::Format format = indexed ? QImage::Format_Indexed8
                                  : h.alpha.bits ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    const Sampling sampling(int(h.width), int(h.height),
                            samplingTarget(int(h.width), int(h.height), options.atLeast, options.keepAspect));
    QImage image(sampling.size(), format);
    if (image.isNull())
        return OutOfMemory;
    if (indexed)
        image.setColorTable(h.palette);
    if (h.compression == BiRle4 || h.compression == BiRle8) {
        r.seek(h.pixelOffset);
        result = decodeRle(r, h, sampling, image);
    } else {
        result = decodeUncompressed(in.data + h.pixelOffset, in.size - h.pixelOffset, h, sampling, image);
    }
    if (result != Success)
        return result;
    if (format == QImage::Format_ARGB32)
        dropUnfilledAlpha(image);
    image.setDotsPerMeterX(qMax(0, h.xPpm));
    image.setDotsPerMeterY(qMax(0, h.yPpm));
    out = image;
    return Success;
}

Result describeBmp(Bytes in, ImageInfo &info)
{
    ByteReader r(in.data, in.size);
    BmpHeader h;
    const Result result = readHeader(r, h);
    if (result != Success)
        return result;
    info.typeCode = QStringLiteral("BMP");
    info.width = int(qMin<qint64>(h.width, INT_MAX));
    info.height = int(qMin<qint64>(h.height, INT_MAX));
    info.bitsPerPixel = h.bitCount;
    info.xResolution = dotsPerInch(qMax(0, h.xPpm));
    info.yResolution = dotsPerInch(qMax(0, h.yPpm));
    info.formatName = h.os2 ? QStringLiteral("OS/2 Bitmap") : QStringLiteral("Windows Bitmap");
    return Success;
}

} // namespace imagelib::codecs
