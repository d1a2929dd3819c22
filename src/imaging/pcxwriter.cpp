// Writes PC Paintbrush version 5 files with RLE: 1-bit, 4-bit as four
// 1-bit planes, 8-bit with the 256-colour palette at the end, 24-bit as three
// planes. Runs never cross a plane's line.
#include "imaging/bytewriter.h"
#include "imaging/codecs.h"
#include "imaging/pcxformat.h"

#include <array>

namespace imagelib::codecs {

namespace {

struct Layout
{
    int bits;
    int planes;
    qint64 bytesPerLine;
};

Layout layoutFor(const QImage &image, int depth)
{
    const int bits = depth == 8 || depth == 24 ? 8 : 1;
    const int planes = depth == 24 ? 3 : depth == 0 || depth == 4 ? 4 : 1;
    const qint64 bytes = (qint64(image.width()) * bits + 7) / 8;
    return {bits, planes, bytes + (bytes & 1)};   // lines have an even length
}

QByteArray header(const QImage &image, const Layout &layout)
{
    std::array<uchar, pcx::HeaderSize> h{};
    h[0] = pcx::Manufacturer;
    h[pcx::VersionOffset] = 5;
    h[pcx::EncodingOffset] = pcx::RleEncoding;
    h[pcx::BitsOffset] = uchar(layout.bits);
    auto put16 = [&h](int offset, int value) {
        h[size_t(offset)] = uchar(value & 0xFF);
        h[size_t(offset + 1)] = uchar((value >> 8) & 0xFF);
    };
    put16(pcx::WindowOffset + 4, image.width() - 1);
    put16(pcx::WindowOffset + 6, image.height() - 1);
    put16(pcx::DpiOffset, dotsPerInch(image.dotsPerMeterX()));
    put16(pcx::DpiOffset + 2, dotsPerInch(image.dotsPerMeterY()));
    if (layout.bits == 1) {
        for (int i = 0; i < qMin(16, int(image.colorCount())); ++i) {
            const QRgb c = image.color(i);
            h[size_t(pcx::PaletteOffset + i * 3)] = uchar(qRed(c));
            h[size_t(pcx::PaletteOffset + i * 3 + 1)] = uchar(qGreen(c));
            h[size_t(pcx::PaletteOffset + i * 3 + 2)] = uchar(qBlue(c));
        }
    }
    h[pcx::PlanesOffset] = uchar(layout.planes);
    put16(pcx::BytesPerLineOffset, int(layout.bytesPerLine));
    put16(pcx::PaletteInfoOffset, 1);
    return QByteArray(reinterpret_cast<const char *>(h.data()), qsizetype(h.size()));
}

void packPlanes(const QImage &image, int y, const Layout &layout, uchar *planes)
{
    const uchar *src = image.constScanLine(y);
    const qint64 stride = layout.bytesPerLine;
    if (layout.planes == 3) {
        const QRgb *pixels = reinterpret_cast<const QRgb *>(src);
        for (int x = 0; x < image.width(); ++x) {
            planes[x] = uchar(qRed(pixels[x]));
            planes[stride + x] = uchar(qGreen(pixels[x]));
            planes[2 * stride + x] = uchar(qBlue(pixels[x]));
        }
    } else if (layout.bits == 8) {
        std::copy(src, src + image.width(), planes);
    } else {
        for (int x = 0; x < image.width(); ++x)
            for (int p = 0; p < layout.planes; ++p)
                if ((src[x] >> p) & 1)
                    planes[p * stride + x / 8] |= uchar(0x80 >> (x % 8));
    }
}

void encodeLine(const uchar *line, qint64 length, ByteWriter &w)
{
    qint64 i = 0;
    while (i < length) {
        qint64 run = 1;
        while (i + run < length && run < 63 && line[i + run] == line[i])
            ++run;
        if (run > 1 || line[i] >= 0xC0)
            w.u8(0xC0 | quint32(run));
        w.u8(line[i]);
        i += run;
    }
}

} // namespace

Result encodePcx(const QImage &image, int depth, QByteArray &out)
{
    const Layout layout = layoutFor(image, depth);
    out = header(image, layout);
    ByteWriter w(out);
    QByteArray planes(layout.bytesPerLine * layout.planes, '\0');
    uchar *buffer = reinterpret_cast<uchar *>(planes.data());
    for (int y = 0; y < image.height(); ++y) {
        planes.fill('\0');
        packPlanes(image, y, layout, buffer);
        for (int p = 0; p < layout.planes; ++p)
            encodeLine(buffer + p * layout.bytesPerLine, layout.bytesPerLine, w);
    }
    if (layout.bits == 8 && layout.planes == 1) {
        w.u8(pcx::PaletteMarker);
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < image.colorCount() ? image.color(i) : qRgb(0, 0, 0);
            w.u8(quint32(qRed(c)));
            w.u8(quint32(qGreen(c)));
            w.u8(quint32(qBlue(c)));
        }
    }
    return Success;
}

} // namespace imagelib::codecs
