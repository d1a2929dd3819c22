// Writes Windows bitmaps with an info header: 1, 4, 8 or 24 bits, bottom-up,
// uncompressed, the full palette of the bit depth.
#include "imaging/bytewriter.h"
#include "imaging/codecs.h"

namespace imagelib::codecs {

namespace {

void writeHeaders(ByteWriter &w, const QImage &image, int bits, qint64 stride)
{
    const quint32 paletteEntries = bits <= 8 ? 1u << bits : 0;
    const quint32 offset = 14 + 40 + paletteEntries * 4;
    const qint64 pixelBytes = stride * image.height();
    w.u16(0x4D42);
    w.u32(quint32(qMin<qint64>(offset + pixelBytes, 0xFFFFFFFFu)));
    w.u32(0);
    w.u32(offset);
    w.u32(40);
    w.u32(quint32(image.width()));
    w.u32(quint32(image.height()));
    w.u16(1);
    w.u16(quint32(bits));
    w.u32(0);
    w.u32(quint32(qMin<qint64>(pixelBytes, 0xFFFFFFFFu)));
    w.u32(quint32(qMax(0, image.dotsPerMeterX())));
    w.u32(quint32(qMax(0, image.dotsPerMeterY())));
    w.u32(paletteEntries);
    w.u32(0);
    for (quint32 i = 0; i < paletteEntries; ++i) {
        const QRgb c = i < quint32(image.colorCount()) ? image.color(int(i)) : qRgb(0, 0, 0);
        w.u8(quint32(qBlue(c)));
        w.u8(quint32(qGreen(c)));
        w.u8(quint32(qRed(c)));
        w.u8(0);
    }
}

void packRow(const QImage &image, int y, int bits, uchar *row)
{
    const uchar *src = image.constScanLine(y);
    if (bits == 24) {
        const QRgb *pixels = reinterpret_cast<const QRgb *>(src);
        for (int x = 0; x < image.width(); ++x) {
            row[x * 3] = uchar(qBlue(pixels[x]));
            row[x * 3 + 1] = uchar(qGreen(pixels[x]));
            row[x * 3 + 2] = uchar(qRed(pixels[x]));
        }
        return;
    }
    const int perByte = 8 / bits;
    for (int x = 0; x < image.width(); ++x)
        row[x / perByte] |= uchar(src[x] << (8 - bits * (x % perByte + 1)));
}

} // namespace

Result encodeBmp(const QImage &image, int depth, QByteArray &out)
{
    const int bits = storedBits(depth);
    const qint64 stride = (qint64(image.width()) * bits + 31) / 32 * 4;
    out.clear();
    out.reserve(14 + 40 + 1024 + stride * image.height());
    ByteWriter w(out);
    writeHeaders(w, image, bits, stride);
    QByteArray row(stride, '\0');
    for (int y = image.height() - 1; y >= 0; --y) {
        row.fill('\0');
        packRow(image, y, bits, reinterpret_cast<uchar *>(row.data()));
        out.append(row);
    }
    return Success;
}

} // namespace imagelib::codecs
