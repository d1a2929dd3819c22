#include "dibdecoder.h"

#include "imaging/imagelibrary.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

namespace dib {
namespace {

constexpr quint32 BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiJpeg = 4, BiPng = 5;
constexpr quint32 BiAlphaBitfields = 6;

struct Header
{
    qint64 headerSize = 0;
    bool core = false;
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = BiRgb;
    quint32 colorsUsed = 0;
    std::array<quint32, 4> masks{};
    qint64 maskBytesAfterHeader = 0;
};

bool fail(QString *error, const char *text)
{
    if (error)
        *error = QString::fromLatin1(text);
    return false;
}

bool readCoreHeader(const ByteView &info, Header &h)
{
    h.core = true;
    h.width = info.u16(4);
    h.height = info.u16(6);
    h.bitCount = info.u16(10);
    return info.ok();
}

bool readInfoHeader(const ByteView &info, Header &h, QString *error)
{
    const qint32 width = info.s32(4);
    const qint32 height = info.s32(8);
    h.bitCount = info.u16(14);
    h.compression = info.u32(16);
    h.colorsUsed = info.u32(32);
    if (!info.ok())
        return fail(error, "bitmap header truncated");
    if (height == std::numeric_limits<qint32>::min())
        return fail(error, "bitmap height out of range");
    h.width = width;
    h.height = height < 0 ? -height : height;
    h.topDown = height < 0;
    const bool fieldsCompression = h.compression == BiBitfields || h.compression == BiAlphaBitfields;
    if (fieldsCompression) {
        const int maskCount = h.compression == BiAlphaBitfields ? 4 : 3;
        // A plain 40-byte header keeps its masks right after it.
        const qint64 maskOffset = 40;
        if (h.headerSize == 40)
            h.maskBytesAfterHeader = maskCount * 4;
        const ByteView masks = h.headerSize == 40 ? info : info.sub(0, h.headerSize);
        for (int i = 0; i < maskCount; ++i)
            h.masks[i] = masks.u32(maskOffset + 4 * i);
        if (!masks.ok() || !info.ok())
            return fail(error, "bitmap masks truncated");
    }
    return true;
}

bool readHeader(const ByteView &info, Header &h, const Limits &limits, QString *error)
{
    h.headerSize = info.u32(0);
    if (!info.ok())
        return fail(error, "bitmap header truncated");
    if (h.headerSize == 12) {
        if (!readCoreHeader(info, h))
            return fail(error, "bitmap header truncated");
    } else if (h.headerSize >= 40 && h.headerSize <= 4096) {
        if (!readInfoHeader(info, h, error))
            return false;
    } else {
        return fail(error, "unknown bitmap header");
    }
    if (h.width <= 0 || h.height <= 0)
        return fail(error, "bitmap has no pixels");
    if (h.width > limits.maxSide || h.height > limits.maxSide
        || qint64(h.width) * h.height > limits.maxPixels)
        return fail(error, "bitmap too large");
    static constexpr int depths[] = {1, 4, 8, 16, 24, 32};
    const bool embedded = h.compression == BiJpeg || h.compression == BiPng;
    if (!embedded && std::find(std::begin(depths), std::end(depths), h.bitCount) == std::end(depths))
        return fail(error, "unsupported bitmap depth");
    return true;
}

const QList<QRgb> &vgaColors()
{
    static const QList<QRgb> colors = {
        0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
        0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
    return colors;
}

qint64 colorTableEntries(const Header &h)
{
    if (h.bitCount > 8)
        return h.core ? 0 : qMin<qint64>(h.colorsUsed, 256);
    const qint64 full = qint64(1) << h.bitCount;
    return h.colorsUsed == 0 || h.core ? full : qMin<qint64>(h.colorsUsed, full);
}

qint64 colorTableBytes(const Header &h, ColorUsage usage)
{
    const qint64 entrySize = usage == ColorUsage::PaletteIndices ? 2 : (h.core ? 3 : 4);
    return colorTableEntries(h) * entrySize;
}

// The palette for indexed bitmaps, always 2^bitCount entries so that any
// index in the bits is safe to look up.
bool readPalette(const ByteView &info, const Header &h, ColorUsage usage, QList<QRgb> &palette)
{
    if (h.bitCount > 8)
        return true;
    const qint64 start = h.headerSize + h.maskBytesAfterHeader;
    const qint64 entries = colorTableEntries(h);
    palette.fill(qRgb(0, 0, 0), 1 << h.bitCount);
    for (qint64 i = 0; i < entries; ++i) {
        if (usage == ColorUsage::PaletteIndices) {
            palette[i] = vgaColors().at(info.u16(start + 2 * i) % 16);
            continue;
        }
        const qint64 at = start + i * (h.core ? 3 : 4);
        palette[i] = qRgb(info.u8(at + 2), info.u8(at + 1), info.u8(at));
    }
    return info.ok();
}

int maskShift(quint32 mask)
{
    return mask == 0 ? 0 : std::countr_zero(mask);
}

int channel(quint32 pixel, quint32 mask)
{
    if (mask == 0)
        return 0;
    const quint32 value = (pixel & mask) >> maskShift(mask);
    const quint32 maximum = mask >> maskShift(mask);
    return int((quint64(value) * 255 + maximum / 2) / maximum);
}

void defaultMasks(Header &h)
{
    if (h.compression == BiBitfields || h.compression == BiAlphaBitfields)
        return;
    if (h.bitCount == 16)
        h.masks = {0x7c00, 0x03e0, 0x001f, 0};
    else
        h.masks = {0xff0000, 0x00ff00, 0x0000ff, h.bitCount == 32 ? 0xff000000u : 0u};
}

QRgb fieldsPixel(quint32 pixel, const Header &h, bool keepAlpha)
{
    const int alpha = keepAlpha && h.masks[3] ? channel(pixel, h.masks[3]) : 255;
    return qRgba(channel(pixel, h.masks[0]), channel(pixel, h.masks[1]), channel(pixel, h.masks[2]), alpha);
}

void decodeRow(const uchar *row, QRgb *out, const Header &h, const QList<QRgb> &palette, bool keepAlpha)
{
    for (int x = 0; x < h.width; ++x) {
        switch (h.bitCount) {
        case 1: out[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1]; break;
        case 4: out[x] = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15]; break;
        case 8: out[x] = palette[row[x]]; break;
        case 16: out[x] = fieldsPixel(row[2 * x] | (row[2 * x + 1] << 8), h, keepAlpha); break;
        case 24: out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]); break;
        default: {
            const quint32 pixel = row[4 * x] | (row[4 * x + 1] << 8) | (row[4 * x + 2] << 16) | (quint32(row[4 * x + 3]) << 24);
            out[x] = fieldsPixel(pixel, h, keepAlpha);
        }
        }
    }
}

qint64 strideOf(int width, int bitCount)
{
    return ((qint64(width) * bitCount + 31) / 32) * 4;
}

QImage decodeUncompressed(const ByteView &bits, Header h, const QList<QRgb> &palette, bool keepAlpha, QString *error)
{
    const qint64 stride = strideOf(h.width, h.bitCount);
    if (!bits.hasArray(0, h.height, stride)) {
        fail(error, "bitmap data truncated");
        return {};
    }
    defaultMasks(h);
    QImage image(h.width, h.height, QImage::Format_ARGB32);
    if (image.isNull()) {
        fail(error, "out of memory for bitmap");
        return {};
    }
    const auto *data = reinterpret_cast<const uchar *>(bits.data());
    for (int y = 0; y < h.height; ++y) {
        const int row = h.topDown ? y : h.height - 1 - y;
        decodeRow(data + stride * y, reinterpret_cast<QRgb *>(image.scanLine(row)), h, palette, keepAlpha);
    }
    return image;
}

// Run-length bitmaps expand into index rows; unset pixels stay index 0.
class RleExpander
{
public:
    RleExpander(const Header &h, QByteArray &indices) : m_h(h), m_indices(indices) {}

    void run(const ByteView &bits)
    {
        qint64 at = 0;
        while (bits.has(at, 2) && m_y < m_h.height) {
            const int count = bits.u8(at), value = bits.u8(at + 1);
            at += 2;
            if (count > 0) {
                for (int i = 0; i < count; ++i)
                    put(m_h.compression == BiRle8 ? value : ((i & 1) ? value & 15 : value >> 4));
            } else if (value == 0) {
                m_x = 0, ++m_y;
            } else if (value == 1) {
                return;
            } else if (value == 2) {
                m_x += bits.u8(at), m_y += bits.u8(at + 1);
                at += 2;
            } else {
                at = absolute(bits, at, value);
            }
        }
    }

private:
    qint64 absolute(const ByteView &bits, qint64 at, int count)
    {
        const bool rle8 = m_h.compression == BiRle8;
        for (int i = 0; i < count; ++i) {
            const int byte = bits.u8(at + (rle8 ? i : i / 2));
            put(rle8 ? byte : ((i & 1) ? byte & 15 : byte >> 4));
        }
        const qint64 used = rle8 ? count : (count + 1) / 2;
        return at + used + (used & 1);
    }
    void put(int index)
    {
        if (m_x < m_h.width && m_y < m_h.height)
            m_indices[qsizetype(m_y) * m_h.width + m_x] = char(index);
        ++m_x;
    }

    const Header &m_h;
    QByteArray &m_indices;
    qint64 m_x = 0, m_y = 0;
};

QImage decodeRle(const ByteView &bits, const Header &h, const QList<QRgb> &palette, QString *error)
{
    if ((h.compression == BiRle8 && h.bitCount != 8) || (h.compression == BiRle4 && h.bitCount != 4)) {
        fail(error, "bad run-length bitmap depth");
        return {};
    }
    QByteArray indices(qsizetype(h.width) * h.height, '\0');
    RleExpander(h, indices).run(bits);
    QImage image(h.width, h.height, QImage::Format_ARGB32);
    if (image.isNull()) {
        fail(error, "out of memory for bitmap");
        return {};
    }
    for (int y = 0; y < h.height; ++y) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(h.topDown ? y : h.height - 1 - y));
        const auto *in = reinterpret_cast<const uchar *>(indices.constData()) + qsizetype(y) * h.width;
        for (int x = 0; x < h.width; ++x)
            out[x] = palette[in[x] & ((1 << h.bitCount) - 1)];
    }
    return image;
}

// The header gives the embedded picture's size (it is what was charged to
// the allowance): a picture of any other size is refused.
QImage decodeEmbedded(const ByteView &bits, const Header &h, QString *error)
{
    const QByteArrayView bytes = bits.bytes();
    const auto format = h.compression == BiPng ? imagelib::FileFormat::Png : imagelib::FileFormat::Jpeg;
    const imagelib::Limits declared{qMax(h.width, h.height), qint64(h.width) * h.height};
    QImage image;
    if (imagelib::decodeEmbeddedImage(reinterpret_cast<const uchar *>(bytes.data()), bytes.size(), format, declared,
                                      image)
            != imagelib::Success
        || image.size() != QSize(h.width, h.height)) {
        fail(error, "embedded image unreadable or not of the size its header gives");
        return {};
    }
    return image;
}

} // namespace

QImage decode(const ByteView &info, const ByteView &bits, QString *error, const Options &options)
{
    Header h;
    if (!readHeader(info, h, options.limits, error))
        return {};
    if (options.allowance && !options.allowance->take(qint64(h.width) * h.height)) {
        fail(error, "bitmaps beyond what one drawing may decode");
        return {};
    }
    if (h.compression == BiJpeg || h.compression == BiPng)
        return decodeEmbedded(bits, h, error);
    QList<QRgb> palette;
    if (!readPalette(info, h, options.usage, palette)) {
        fail(error, "colour table truncated");
        return {};
    }
    switch (h.compression) {
    case BiRgb:
    case BiBitfields:
    case BiAlphaBitfields:
        if (h.compression != BiRgb && h.bitCount != 16 && h.bitCount != 32) {
            fail(error, "bit fields need 16 or 32 bits");
            return {};
        }
        return decodeUncompressed(bits, h, palette, options.keepAlpha, error);
    case BiRle8:
    case BiRle4:
        return decodeRle(bits, h, palette, error);
    default:
        fail(error, "unknown bitmap compression");
        return {};
    }
}

QImage decodePacked(const ByteView &packed, QString *error, const Options &options)
{
    Header h;
    if (!readHeader(packed, h, options.limits, error))
        return {};
    const qint64 bitsOffset = h.headerSize + h.maskBytesAfterHeader + colorTableBytes(h, options.usage);
    if (!packed.has(bitsOffset, 0)) {
        fail(error, "colour table truncated");
        return {};
    }
    return decode(packed, packed.from(bitsOffset), error, options);
}

QImage decodeIcon(const ByteView &packed, QString *error, const Limits &limits)
{
    Header h;
    if (!readHeader(packed, h, limits, error))
        return {};
    if (h.core || h.compression != BiRgb || h.height < 2) {
        fail(error, "unsupported icon bitmap");
        return {};
    }
    const int height = h.height / 2;
    const qint64 infoSize = h.headerSize + colorTableBytes(h, ColorUsage::Rgb);
    if (!packed.has(0, infoSize)) {
        fail(error, "icon colour table truncated");
        return {};
    }
    // Decode the colour part alone: a copy of the header with half the height.
    QByteArray info = packed.bytes().first(infoSize).toByteArray();
    qToLittleEndian<qint32>(height, info.data() + 8);
    const qint64 colorBytes = strideOf(h.width, h.bitCount) * height;
    const ByteView bits = packed.from(info.size());
    Options options;
    options.keepAlpha = h.bitCount == 32;
    options.limits = limits;
    QImage image = decode(ByteView(info), bits.sub(0, qMin(colorBytes, bits.size())), error, options);
    if (image.isNull())
        return {};
    bool hasAlpha = false;
    for (int y = 0; y < height && !hasAlpha && h.bitCount == 32; ++y)
        for (int x = 0; x < h.width && !hasAlpha; ++x)
            hasAlpha = qAlpha(image.pixel(x, y)) != 0;
    const ByteView mask = bits.from(colorBytes);
    const qint64 maskStride = strideOf(h.width, 1);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(height - 1 - y));
        for (int x = 0; x < h.width; ++x) {
            const bool transparent = (mask.u8(maskStride * y + x / 8) >> (7 - (x & 7))) & 1;
            if (!hasAlpha)
                row[x] = transparent ? qRgba(0, 0, 0, 0) : (row[x] | 0xff000000);
        }
    }
    return image;
}

} // namespace dib
