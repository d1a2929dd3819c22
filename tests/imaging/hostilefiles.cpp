#include "hostilefiles.h"

#include <QtEndian>

namespace hostile {

namespace {

void append16(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void append32(QByteArray &out, quint32 value)
{
    append16(out, int(value & 0xFFFF));
    append16(out, int(value >> 16));
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

} // namespace

QByteArray bitmap(qint32 width, qint32 height, int bits, int compression, const QList<QRgb> &palette,
                  const QByteArray &pixels, quint32 colorsUsed)
{
    QByteArray out("BM");
    const quint32 offset = 14 + 40 + quint32(palette.size()) * 4;
    append32(out, offset + quint32(pixels.size()));
    append32(out, 0);
    append32(out, offset);
    append32(out, 40);
    append32(out, quint32(width));
    append32(out, quint32(height));
    append16(out, 1);
    append16(out, bits);
    append32(out, quint32(compression));
    append32(out, quint32(pixels.size()));
    append32(out, 2835);
    append32(out, 2835);
    append32(out, colorsUsed ? colorsUsed : quint32(palette.size()));
    append32(out, 0);
    for (QRgb c : palette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append('\0');
    }
    return out + pixels;
}

QByteArray pcx(int xmin, int xmax, int ymax, int bits, int planes, int bytesPerLine, const QByteArray &data)
{
    QByteArray h(128, '\0');
    h[0] = 0x0A;
    h[1] = 5;
    h[2] = 1;
    h[3] = char(bits);
    put16(h, 4, xmin, false);
    put16(h, 8, xmax, false);
    put16(h, 10, ymax, false);
    h[65] = char(planes);
    put16(h, 66, bytesPerLine, false);
    return h + data;
}

QByteArray tiff(quint32 width, quint32 height, quint32 stripOffset, quint16 bits, quint16 samples)
{
    QByteArray out("II*\0", 4);
    append32(out, 8);
    struct Entry { int tag, type; quint32 value; };
    const Entry entries[] = {
        {256, 4, width}, {257, 4, height}, {258, 3, bits}, {259, 3, 1}, {262, 3, 1},
        {273, 4, stripOffset}, {277, 3, samples}, {278, 4, height}, {279, 4, width * height},
    };
    append16(out, int(std::size(entries)));
    for (const Entry &e : entries) {
        append16(out, e.tag);
        append16(out, e.type);
        append32(out, 1);
        append32(out, e.value);
    }
    append32(out, 0);
    return out;
}

QByteArray replacePngChunk(const QByteArray &png, const QByteArray &type, const QByteArray &payload)
{
    qsizetype position = 8;
    while (position + 8 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + position);
        if (png.mid(position + 4, 4) == type) {
            QByteArray chunk(4, '\0');
            put32be(chunk, 0, quint32(payload.size()));
            const QByteArray body = type + payload;
            chunk += body;
            QByteArray crc(4, '\0');
            put32be(crc, 0, crc32(body));
            return png.left(position) + chunk + crc + png.mid(position + 12 + length);
        }
        position += 12 + length;
    }
    return png;
}

QByteArray insertPngChunk(const QByteArray &png, const QByteArray &type, const QByteArray &payload)
{
    const qsizetype data = png.indexOf("IDAT") - 4;
    QByteArray chunk(4, '\0');
    put32be(chunk, 0, quint32(payload.size()));
    QByteArray crc(4, '\0');
    put32be(crc, 0, crc32(type + payload));
    return png.left(data) + chunk + type + payload + crc + png.mid(data);
}

QByteArray pngDeclaringChunk(const QByteArray &type, quint32 length)
{
    QByteArray header(13, '\0');
    put32be(header, 0, 1);
    put32be(header, 4, 1);
    header[8] = 8;   // 8 bits
    header[9] = 2;   // RGB
    QByteArray ihdr(4, '\0');
    put32be(ihdr, 0, 13);
    QByteArray crc(4, '\0');
    put32be(crc, 0, crc32("IHDR" + header));
    QByteArray declared(4, '\0');
    put32be(declared, 0, length);
    const QByteArray start = QByteArray("\x89PNG\r\n\x1a\n", 8) + ihdr + "IHDR" + header + crc + declared + type;
    return start + QByteArray(60 - start.size(), 'k');
}

QByteArray iconHolding(const QByteArray &image, int entries)
{
    QByteArray out;
    append16(out, 0);
    append16(out, 1);
    append16(out, entries);
    const quint32 offset = 6 + 16 * quint32(entries);
    for (int i = 0; i < entries; ++i) {
        out.append(char(0));   // 256 x 256
        out.append(char(0));
        out.append(char(0));
        out.append(char(0));
        append16(out, 1);
        append16(out, 32);
        append32(out, quint32(image.size()));
        append32(out, offset);
    }
    return out + image;
}

namespace {

struct TiffEntry { int tag, type; quint32 count, value; };

// A little-endian TIFF of one directory, entries in tag order.
QByteArray tiffDirectory(std::initializer_list<TiffEntry> entries)
{
    QByteArray out("II*\0", 4);
    append32(out, 8);
    append16(out, int(entries.size()));
    for (const TiffEntry &e : entries) {
        append16(out, e.tag);
        append16(out, e.type);
        append32(out, e.count);
        append32(out, e.value);
    }
    append32(out, 0);
    return out;
}

} // namespace

QByteArray tiffWithStripTable(quint32 strips)
{
    return tiffDirectory({{256, 4, 1, 16}, {257, 4, 1, 16}, {258, 3, 1, 8}, {259, 3, 1, 1}, {262, 3, 1, 1},
                          {273, 4, strips, 8}, {277, 3, 1, 1}, {278, 4, 1, 1}, {279, 4, strips, 8}});
}

QByteArray tiffWithTile(quint32 tileWidth, quint32 tileHeight)
{
    return tiffDirectory({{256, 4, 1, 16}, {257, 4, 1, 16}, {258, 3, 1, 8}, {259, 3, 1, 1}, {262, 3, 1, 1},
                          {277, 3, 1, 1}, {322, 4, 1, tileWidth}, {323, 4, 1, tileHeight}, {324, 4, 1, 8},
                          {325, 4, 1, tileWidth * tileHeight}});
}

QByteArray gifClaiming(int screenWidth, int screenHeight, int frameWidth, int frameHeight)
{
    QByteArray out("GIF89a");
    append16(out, screenWidth);
    append16(out, screenHeight);
    out.append(char(0x80));   // a global table of two colours
    out.append(char(0));
    out.append(char(0));
    out.append(QByteArray("\0\0\0\xff\xff\xff", 6));
    out.append(',');
    append16(out, 0);
    append16(out, 0);
    append16(out, frameWidth);
    append16(out, frameHeight);
    out.append(char(0));
    out.append(char(2));   // minimum code size
    out.append(QByteArray("\x02\x4c\x01\x00;", 5));
    return out;
}

void put16(QByteArray &bytes, qsizetype offset, int value, bool bigEndian)
{
    bytes[offset + (bigEndian ? 1 : 0)] = char(value & 0xFF);
    bytes[offset + (bigEndian ? 0 : 1)] = char((value >> 8) & 0xFF);
}

void put32be(QByteArray &bytes, qsizetype offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((value >> (24 - 8 * i)) & 0xFF);
}

} // namespace hostile
