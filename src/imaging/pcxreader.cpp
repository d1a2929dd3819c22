// Reads PC Paintbrush files: 1-bit, 1-bit planar (up to 16 colours), 2, 4
// and 8 bits with one plane (8 bits with the 256-colour palette at the end),
// 24 bits in three planes and 32 in four (the fourth alpha); RLE or
// uncompressed.
#include "imaging/bytereader.h"
#include "imaging/codecs.h"
#include "imaging/imagesampling.h"
#include "imaging/pcxformat.h"

#include <QList>

#include <vector>

namespace imagelib::codecs {

namespace {

struct PcxHeader
{
    int version = 0;
    bool rle = false;
    int bits = 0;
    int planes = 0;
    qint64 width = 0;
    qint64 height = 0;
    qint64 bytesPerLine = 0;
    int hdpi = 0;
    int vdpi = 0;
    const uchar *headerPalette = nullptr;
};

bool isIndexed(const PcxHeader &h)
{
    return h.planes == 1 || h.bits == 1;
}

Result checkLayout(const PcxHeader &h)
{
    const bool planar1 = h.bits == 1 && h.planes >= 1 && h.planes <= 4;
    const bool packed = h.planes == 1 && (h.bits == 2 || h.bits == 4 || h.bits == 8);
    const bool colour = h.bits == 8 && (h.planes == 3 || h.planes == 4);
    if (!planar1 && !packed && !colour)
        return h.bits == 1 || h.bits == 2 || h.bits == 4 || h.bits == 8 ? Unsupported : BadFormat;
    if (h.width <= 0 || h.height <= 0)
        return BadFormat;
    if (h.bytesPerLine < (h.width * h.bits + 7) / 8)
        return BadFormat;
    return Success;
}

Result readHeader(Bytes in, PcxHeader &h)
{
    ByteReader r(in.data, in.size);
    const uchar *header = r.bytes(pcx::HeaderSize);
    if (!header)
        return in.size > 0 && in.data[0] == pcx::Manufacturer ? ReadFailed : BadFormat;
    if (header[0] != pcx::Manufacturer || header[pcx::VersionOffset] > 5
        || header[pcx::EncodingOffset] > pcx::RleEncoding)
        return BadFormat;
    ByteReader f(header, pcx::HeaderSize);
    h.version = header[pcx::VersionOffset];
    h.rle = header[pcx::EncodingOffset] == pcx::RleEncoding;
    h.bits = header[pcx::BitsOffset];
    f.seek(pcx::WindowOffset);
    const int xmin = f.u16(), ymin = f.u16(), xmax = f.u16(), ymax = f.u16();
    h.width = qint64(xmax) - xmin + 1;
    h.height = qint64(ymax) - ymin + 1;
    h.hdpi = f.u16();
    h.vdpi = f.u16();
    h.headerPalette = header + pcx::PaletteOffset;
    h.planes = header[pcx::PlanesOffset];
    f.seek(pcx::BytesPerLineOffset);
    h.bytesPerLine = f.u16();
    return checkLayout(h);
}

QList<QRgb> vgaColours()
{
    return convertToDepth(QImage(1, 1, QImage::Format_RGB32), 0, false).colorTable();
}

Result readPalette(Bytes in, const PcxHeader &h, QList<QRgb> &palette)
{
    if (h.bits == 8) {
        if (in.size < pcx::HeaderSize + pcx::TrailingPaletteSize
            || in.data[in.size - pcx::TrailingPaletteSize] != pcx::PaletteMarker)
            return BadFormat;
        const uchar *p = in.data + in.size - pcx::TrailingPaletteSize + 1;
        for (int i = 0; i < 256; ++i)
            palette.append(qRgb(p[i * 3], p[i * 3 + 1], p[i * 3 + 2]));
        return Success;
    }
    const int count = 1 << (h.bits * h.planes);
    if (count == 2) {
        palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
        return Success;
    }
    bool empty = true;
    for (int i = 0; i < count * 3; ++i)
        empty = empty && h.headerPalette[i] == 0;
    if (empty) {
        palette = vgaColours().mid(0, count);   // version 3: no palette stored
        return Success;
    }
    for (int i = 0; i < count; ++i) {
        const uchar *e = h.headerPalette + i * 3;
        palette.append(qRgb(e[0], e[1], e[2]));
    }
    return Success;
}

// Run-length bytes as one stream: runs may cross scan lines, not the image end.
class RleStream
{
public:
    RleStream(const uchar *data, qint64 size, bool rle) : m_data(data), m_size(size), m_rle(rle) {}

    bool read(uchar *out, qint64 count)
    {
        qint64 done = 0;
        while (done < count) {
            if (m_runLeft > 0) {
                const qint64 n = qMin(m_runLeft, count - done);
                std::fill(out + done, out + done + n, m_runValue);
                m_runLeft -= n;
                done += n;
            } else if (m_position >= m_size) {
                return false;
            } else if (m_rle && m_data[m_position] >= 0xC0) {
                if (m_position + 1 >= m_size)
                    return false;
                m_runLeft = m_data[m_position] & 0x3F;
                m_runValue = m_data[m_position + 1];
                m_position += 2;
            } else {
                out[done++] = m_data[m_position++];
            }
        }
        return true;
    }
    // Passes over count bytes; uncompressed data is not even touched.
    bool skip(uchar *scratch, qint64 count)
    {
        if (m_rle)
            return read(scratch, count);
        if (count > m_size - m_position)
            return false;
        m_position += count;
        return true;
    }
    bool runPending() const { return m_runLeft > 0; }

private:
    const uchar *m_data;
    qint64 m_size;
    bool m_rle;
    qint64 m_position = 0;
    qint64 m_runLeft = 0;
    uchar m_runValue = 0;
};

// The sampled columns of one scan line, from its planes.
void assembleRow(const PcxHeader &h, const uchar *planes, const std::vector<int> &columns, uchar *line)
{
    if (!isIndexed(h)) {
        QRgb *pixels = reinterpret_cast<QRgb *>(line);
        for (size_t i = 0; i < columns.size(); ++i) {
            const qint64 x = columns[i];
            const int alpha = h.planes == 4 ? planes[3 * h.bytesPerLine + x] : 255;
            pixels[i] = qRgba(planes[x], planes[h.bytesPerLine + x], planes[2 * h.bytesPerLine + x], alpha);
        }
        return;
    }
    const int perByte = 8 / h.bits;
    const int mask = (1 << h.bits) - 1;
    for (size_t i = 0; i < columns.size(); ++i) {
        const int x = columns[i];
        const int shift = 8 - h.bits * (x % perByte + 1);
        int index = 0;
        for (int p = 0; p < h.planes; ++p)
            index |= ((planes[p * h.bytesPerLine + x / perByte] >> shift) & mask) << p;
        line[i] = uchar(index);
    }
}

// Compressed scan lines are all unpacked (runs may cross lines); only the
// sampled ones are kept.
Result decodeRows(Bytes in, const PcxHeader &h, const Sampling &sampling, QImage &image)
{
    const qint64 dataEnd = h.bits == 8 && h.planes == 1 ? in.size - pcx::TrailingPaletteSize : in.size;
    RleStream stream(in.data + pcx::HeaderSize, dataEnd - pcx::HeaderSize, h.rle);
    QByteArray planes(h.bytesPerLine * h.planes, '\0');
    uchar *buffer = reinterpret_cast<uchar *>(planes.data());
    for (qint64 y = 0; y < h.height; ++y) {
        const int target = sampling.targetRow(int(y));
        if (target < 0) {
            if (!stream.skip(buffer, planes.size()))
                return ReadFailed;
            continue;
        }
        if (!stream.read(buffer, planes.size()))
            return ReadFailed;
        assembleRow(h, buffer, sampling.columns(), image.scanLine(target));
    }
    return stream.runPending() ? BadFormat : Success;
}

} // namespace

Result decodePcx(Bytes in, const ReadOptions &options, QImage &out)
{
    PcxHeader h;
    Result result = readHeader(in, h);
    if (result != Success)
        return result;
    if ((result = checkImageSize(h.width, h.height, options.limits)) != Success)
        return result;
    // A byte of RLE data gives at most 63 bytes: refuse files far too short
    // for their declared size before allocating for it.
    const qint64 needed = h.bytesPerLine * h.planes * h.height;
    if ((in.size - pcx::HeaderSize) * (h.rle ? 63 : 1) < needed)
        return ReadFailed;
    QList<QRgb> palette;
    if (isIndexed(h) && (result = readPalette(in, h, palette)) != Success)
        return result;
    const Sampling sampling(int(h.width), int(h.height),
                            samplingTarget(int(h.width), int(h.height), options.atLeast, options.keepAspect));
    // A fourth plane of 8 bits is alpha, laid over white like PNG's.
    const QImage::Format format = isIndexed(h)  ? QImage::Format_Indexed8
                                  : h.planes == 4 ? QImage::Format_ARGB32
                                                  : QImage::Format_RGB32;
    QImage image(sampling.size(), format);
    if (image.isNull())
        return OutOfMemory;
    image.setColorTable(palette);
    if ((result = decodeRows(in, h, sampling, image)) != Success)
        return result;
    image.setDotsPerMeterX(dotsPerMetre(h.hdpi));
    image.setDotsPerMeterY(dotsPerMetre(h.vdpi));
    out = image;
    return Success;
}

Result describePcx(Bytes in, ImageInfo &info)
{
    PcxHeader h;
    const Result result = readHeader(in, h);
    if (result != Success)
        return result;
    info.typeCode = QStringLiteral("PCX");
    info.width = int(h.width);
    info.height = int(h.height);
    info.bitsPerPixel = h.bits * h.planes;
    info.xResolution = h.hdpi;
    info.yResolution = h.vdpi;
    info.formatName = QStringLiteral("PC Paintbrush");
    return Success;
}

} // namespace imagelib::codecs
