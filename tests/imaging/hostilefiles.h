// Hand-made damaged and hostile image files for the bad-input tests.
#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

namespace hostile {

// A bitmap with a 14-byte file header and a 40-byte info header; colorsUsed
// 0 stores the palette's size.
QByteArray bitmap(qint32 width, qint32 height, int bits, int compression, const QList<QRgb> &palette,
                  const QByteArray &pixels, quint32 colorsUsed = 0);
// A PCX header (version 5) followed by data.
QByteArray pcx(int xmin, int xmax, int ymax, int bits, int planes, int bytesPerLine, const QByteArray &data);
// A minimal uncompressed 8-bit grey TIFF whose strip is at stripOffset.
QByteArray tiff(quint32 width, quint32 height, quint32 stripOffset, quint16 bits = 8, quint16 samples = 1);
// PNG chunks: replaces the payload of the first chunk of `type`, fixing its CRC.
QByteArray replacePngChunk(const QByteArray &png, const QByteArray &type, const QByteArray &payload);
// PNG chunks: inserts a chunk before the first IDAT chunk.
QByteArray insertPngChunk(const QByteArray &png, const QByteArray &type, const QByteArray &payload);
// A 1 x 1 PNG cut short inside a chunk of `type` that declares `length`
// bytes: 60 bytes that ask a careless reader for gigabytes.
QByteArray pngDeclaringChunk(const QByteArray &type, quint32 length);
// An icon file whose only entry holds `image` (a PNG or a DIB).
QByteArray iconHolding(const QByteArray &image, int entries = 1);
// A 16 x 16 TIFF, one strip a row, whose strip tables claim `strips`
// entries that the file does not hold.
QByteArray tiffWithStripTable(quint32 strips);
// A 16 x 16 TIFF of one tile of the given size.
QByteArray tiffWithTile(quint32 tileWidth, quint32 tileHeight);
// A GIF header of a screen and a first image descriptor of the given sizes,
// followed by a little image data.
QByteArray gifClaiming(int screenWidth, int screenHeight, int frameWidth, int frameHeight);
// Overwrites a 16-bit big- or little-endian value at offset.
void put16(QByteArray &bytes, qsizetype offset, int value, bool bigEndian);
void put32be(QByteArray &bytes, qsizetype offset, quint32 value);

} // namespace hostile
