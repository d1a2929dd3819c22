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
