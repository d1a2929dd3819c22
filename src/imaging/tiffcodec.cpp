// TIFF through libtiff, on memory: the first page; strips and tiles; 1, 2,
// 4 and 8-bit grey and palette pages keep their indexes, all others go
// through libtiff's RGBA reader. Written: 1-bit grey, 4/8-bit palette or
// RGB, uncompressed, CCITT (1-bit only), LZW or PackBits.
#include "imaging/codecs.h"
#include "imaging/imagesampling.h"

#include <QList>
#include <QLoggingCategory>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <tiffio.h>

Q_LOGGING_CATEGORY(lcTiff, "pixmoor.imaging.tiff", QtWarningMsg)

namespace imagelib::codecs {

namespace {

// A file in memory: read from `data`, or written into `out` (which may seek back).
struct MemoryFile
{
    const uchar *data = nullptr;
    qint64 size = 0;
    QByteArray *out = nullptr;
    qint64 position = 0;
    int errors = 0;   // libtiff reports damage it works around as errors
};

tmsize_t readMemory(thandle_t handle, void *buffer, tmsize_t count)
{
    auto *f = static_cast<MemoryFile *>(handle);
    const qint64 available = qMax<qint64>(0, f->size - f->position);
    const qint64 n = qMin<qint64>(count, available);
    if (n > 0)
        std::memcpy(buffer, f->data + f->position, size_t(n));
    f->position += n;
    return tmsize_t(n);
}

tmsize_t writeMemory(thandle_t handle, void *buffer, tmsize_t count)
{
    auto *f = static_cast<MemoryFile *>(handle);
    if (!f->out)
        return -1;
    const qint64 end = f->position + count;
    if (end > f->out->size())
        f->out->append(end - f->out->size(), '\0');
    std::memcpy(f->out->data() + f->position, buffer, size_t(count));
    f->position = end;
    f->data = reinterpret_cast<const uchar *>(f->out->constData());
    f->size = f->out->size();
    return count;
}

toff_t seekMemory(thandle_t handle, toff_t offset, int whence)
{
    auto *f = static_cast<MemoryFile *>(handle);
    qint64 base = whence == SEEK_CUR ? f->position : whence == SEEK_END ? f->size : 0;
    if (offset > toff_t(INT64_MAX) - toff_t(qMax<qint64>(base, 0)))
        return toff_t(-1);
    f->position = base + qint64(offset);
    return toff_t(f->position);
}

int closeMemory(thandle_t)
{
    return 0;
}

toff_t sizeOfMemory(thandle_t handle)
{
    return toff_t(static_cast<MemoryFile *>(handle)->size);
}

int mapMemory(thandle_t handle, void **base, toff_t *size)
{
    auto *f = static_cast<MemoryFile *>(handle);
    if (f->out)
        return 0;
    *base = const_cast<uchar *>(f->data);
    *size = toff_t(f->size);
    return 1;
}

void unmapMemory(thandle_t, void *, toff_t) {}

int logMessage(TIFF *, void *, const char *module, const char *format, va_list args)
{
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    qCDebug(lcTiff) << (module ? module : "") << text;
    return 1;
}

int countError(TIFF *tif, void *file, const char *module, const char *format, va_list args)
{
    ++static_cast<MemoryFile *>(file)->errors;
    return logMessage(tif, file, module, format, args);
}

// A tag whose value lies past the end of the file is only a warning to
// libtiff, which drops the tag (and turns a palette page grey without its
// colour map); for us it is a damaged file.
int countReadWarning(TIFF *tif, void *file, const char *module, const char *format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    char text[512];
    std::vsnprintf(text, sizeof text, format, copy);
    va_end(copy);
    if (std::strstr(text, "IO error"))
        ++static_cast<MemoryFile *>(file)->errors;
    return logMessage(tif, file, module, format, args);
}

struct TiffCloser
{
    void operator()(TIFF *tif) const { TIFFClose(tif); }
};
using TiffPointer = std::unique_ptr<TIFF, TiffCloser>;

// libtiff allocates by declared sizes (tag arrays, a strip or tile being
// decoded): no one block beyond this. A page whose single strip decodes to
// more is refused rather than read.
constexpr tmsize_t MaxLibtiffBlock = tmsize_t(256) * 1024 * 1024;

TiffPointer openMemory(MemoryFile &file, const char *mode)
{
    TIFFOpenOptions *options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, MaxLibtiffBlock);
    TIFFOpenOptionsSetErrorHandlerExtR(options, countError, &file);
    TIFFOpenOptionsSetWarningHandlerExtR(options, countReadWarning, &file);
    TIFF *tif = TIFFClientOpenExt("memory", mode, &file, readMemory, writeMemory, seekMemory, closeMemory,
                                  sizeOfMemory, mapMemory, unmapMemory, options);
    TIFFOpenOptionsFree(options);
    return TiffPointer(tif);
}

struct Page
{
    quint32 width = 0;
    quint32 height = 0;
    quint16 bits = 1;
    quint16 samples = 1;
    quint16 photometric = PHOTOMETRIC_MINISWHITE;
};

Page readPage(TIFF *tif)
{
    Page p;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &p.width);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &p.height);
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &p.bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &p.samples);
    TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &p.photometric);
    return p;
}

bool keepsIndexes(const Page &p)
{
    const bool bitsOk = p.bits == 1 || p.bits == 2 || p.bits == 4 || p.bits == 8;
    const bool kindOk = p.photometric == PHOTOMETRIC_MINISBLACK || p.photometric == PHOTOMETRIC_MINISWHITE
                        || p.photometric == PHOTOMETRIC_PALETTE;
    return bitsOk && kindOk && p.samples == 1;
}

Result paletteOf(TIFF *tif, const Page &p, QList<QRgb> &table)
{
    const int count = 1 << p.bits;
    if (p.photometric != PHOTOMETRIC_PALETTE) {
        for (int i = 0; i < count; ++i) {
            const int v = i * 255 / (count - 1);
            const int grey = p.photometric == PHOTOMETRIC_MINISWHITE ? 255 - v : v;
            table.append(qRgb(grey, grey, grey));
        }
        return Success;
    }
    quint16 *red = nullptr, *green = nullptr, *blue = nullptr;
    if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue))
        return BadFormat;
    // Some old writers stored 8-bit values in the 16-bit map.
    bool eightBit = true;
    for (int i = 0; i < count; ++i)
        eightBit = eightBit && red[i] < 256 && green[i] < 256 && blue[i] < 256;
    auto level = [eightBit](quint16 v) { return eightBit ? int(v) : (int(v) * 255 + 32767) / 65535; };
    for (int i = 0; i < count; ++i)
        table.append(qRgb(level(red[i]), level(green[i]), level(blue[i])));
    return Success;
}

void unpackIndexes(const uchar *src, int bits, uchar *line, int count)
{
    if (bits == 8) {
        std::memcpy(line, src, size_t(count));
        return;
    }
    const int perByte = 8 / bits;
    const int mask = (1 << bits) - 1;
    for (int x = 0; x < count; ++x)
        line[x] = uchar((src[x / perByte] >> (8 - bits * (x % perByte + 1))) & mask);
}

Result readTiles(TIFF *tif, const Page &p, QImage &image)
{
    quint32 tileWidth = 0, tileHeight = 0;
    TIFFGetField(tif, TIFFTAG_TILEWIDTH, &tileWidth);
    TIFFGetField(tif, TIFFTAG_TILELENGTH, &tileHeight);
    const tmsize_t tileSize = TIFFTileSize(tif);
    const tmsize_t rowSize = TIFFTileRowSize(tif);
    if (tileWidth == 0 || tileHeight == 0 || tileSize <= 0 || rowSize <= 0
        || qint64(rowSize) * tileHeight > qint64(tileSize))
        return BadFormat;
    QByteArray buffer(tileSize, '\0');
    const uchar *tile = reinterpret_cast<const uchar *>(buffer.constData());
    for (quint32 y0 = 0; y0 < p.height; y0 += tileHeight) {
        for (quint32 x0 = 0; x0 < p.width; x0 += tileWidth) {
            if (TIFFReadTile(tif, buffer.data(), x0, y0, 0, 0) < 0)
                return BadFormat;
            const int columns = int(qMin(tileWidth, p.width - x0));
            for (quint32 y = y0; y < qMin(y0 + tileHeight, p.height); ++y)
                unpackIndexes(tile + rowSize * (y - y0), p.bits, image.scanLine(int(y)) + x0, columns);
        }
    }
    return Success;
}

// The sampled columns of a row of 1, 2, 4 or 8-bit indexes.
void unpackColumns(const uchar *src, int bits, const std::vector<int> &columns, uchar *line)
{
    const int perByte = 8 / bits;
    const int mask = (1 << bits) - 1;
    for (size_t i = 0; i < columns.size(); ++i) {
        const int x = columns[i];
        line[i] = uchar((src[x / perByte] >> (8 - bits * (x % perByte + 1))) & mask);
    }
}

// Compressed strips decode in order; only the sampled rows are kept.
Result readStrips(TIFF *tif, const Page &p, const Sampling &sampling, QImage &image)
{
    const tmsize_t lineSize = TIFFScanlineSize(tif);
    if (lineSize <= 0 || qint64(lineSize) * 8 < qint64(p.width) * p.bits)
        return BadFormat;
    QByteArray buffer(lineSize, '\0');
    const uchar *line = reinterpret_cast<const uchar *>(buffer.constData());
    const quint32 last = quint32(sampling.rows().back());
    for (quint32 y = 0; y <= last; ++y) {
        if (TIFFReadScanline(tif, buffer.data(), y, 0) < 0)
            return BadFormat;
        const int target = sampling.targetRow(int(y));
        if (target >= 0)
            unpackColumns(line, p.bits, sampling.columns(), image.scanLine(target));
    }
    return Success;
}

Result readIndexed(TIFF *tif, const Page &p, const Sampling &sampling, QImage &out)
{
    QList<QRgb> table;
    Result result = paletteOf(tif, p, table);
    if (result != Success)
        return result;
    // Tiles are read whole; the library reduces the picture afterwards.
    const bool tiled = TIFFIsTiled(tif);
    QImage image(tiled ? QSize(int(p.width), int(p.height)) : sampling.size(), QImage::Format_Indexed8);
    if (image.isNull())
        return OutOfMemory;
    image.setColorTable(table);
    result = tiled ? readTiles(tif, p, image) : readStrips(tif, p, sampling, image);
    if (result == Success)
        out = image;
    return result;
}

// One tile is held at a time, by libtiff and by us: a tile may overhang the
// page but may not hold more pixels than the page or a megapixel.
bool tilesFitPage(TIFF *tif, const Page &p)
{
    quint32 tileWidth = 0, tileHeight = 0;
    TIFFGetField(tif, TIFFTAG_TILEWIDTH, &tileWidth);
    TIFFGetField(tif, TIFFTAG_TILELENGTH, &tileHeight);
    return qint64(tileWidth) * tileHeight <= qMax<qint64>(qint64(p.width) * p.height, 1 << 20);
}

quint16 tagOrDefault(TIFF *tif, ttag_t tag)
{
    quint16 value = 0;
    TIFFGetFieldDefaulted(tif, tag, &value);
    return value;
}

// Uncompressed strips of indexes or 8-bit RGB, upright: rows can be read in
// place from the file's bytes, so a reduced read touches only sampled rows.
bool rowsReadableInPlace(TIFF *tif, const Page &p)
{
    const bool rgb = p.photometric == PHOTOMETRIC_RGB && p.bits == 8 && p.samples == 3;
    return !TIFFIsTiled(tif) && (rgb || keepsIndexes(p))
           && tagOrDefault(tif, TIFFTAG_COMPRESSION) == COMPRESSION_NONE
           && tagOrDefault(tif, TIFFTAG_PLANARCONFIG) == PLANARCONFIG_CONTIG
           && tagOrDefault(tif, TIFFTAG_FILLORDER) == FILLORDER_MSB2LSB
           && tagOrDefault(tif, TIFFTAG_ORIENTATION) == ORIENTATION_TOPLEFT;
}

// The bytes of row y in place, or null when the strips do not hold it.
const uchar *rowInPlace(TIFF *tif, Bytes in, quint32 y, qint64 lineSize)
{
    quint32 rowsPerStrip = 0;
    TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
    uint64_t *offsets = nullptr;
    uint64_t *counts = nullptr;
    if (rowsPerStrip == 0 || !TIFFGetField(tif, TIFFTAG_STRIPOFFSETS, &offsets)
        || !TIFFGetField(tif, TIFFTAG_STRIPBYTECOUNTS, &counts) || !offsets || !counts)
        return nullptr;
    const quint32 strip = y / rowsPerStrip;
    if (strip >= TIFFNumberOfStrips(tif))
        return nullptr;
    const quint64 within = quint64(y % rowsPerStrip) * quint64(lineSize);
    const quint64 start = offsets[strip] + within;
    if (within + quint64(lineSize) > counts[strip] || start < offsets[strip]
        || start > quint64(in.size) || quint64(lineSize) > quint64(in.size) - start)
        return nullptr;
    return in.data + start;
}

Result readRowsInPlace(TIFF *tif, Bytes in, const Page &p, const Sampling &sampling, QImage &out)
{
    const bool rgb = !keepsIndexes(p);
    QList<QRgb> table;
    if (!rgb && paletteOf(tif, p, table) != Success)
        return BadFormat;
    QImage image(sampling.size(), rgb ? QImage::Format_RGB32 : QImage::Format_Indexed8);
    if (image.isNull())
        return OutOfMemory;
    image.setColorTable(table);
    const qint64 lineSize = qint64(TIFFScanlineSize64(tif));
    if (lineSize <= 0 || lineSize * 8 < qint64(p.width) * p.bits * p.samples)
        return BadFormat;
    const std::vector<int> &columns = sampling.columns();
    for (int y = 0; y < image.height(); ++y) {
        const uchar *src = rowInPlace(tif, in, quint32(sampling.rows()[size_t(y)]), lineSize);
        if (!src)
            return ReadFailed;
        if (!rgb) {
            unpackColumns(src, p.bits, columns, image.scanLine(y));
            continue;
        }
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (size_t i = 0; i < columns.size(); ++i) {
            const uchar *pixel = src + qint64(columns[i]) * 3;
            line[i] = qRgb(pixel[0], pixel[1], pixel[2]);
        }
    }
    out = image;
    return Success;
}

Result readRgba(TIFF *tif, const Page &p, QImage &out)
{
    char message[1024] = {};
    if (!TIFFRGBAImageOK(tif, message))
        return Unsupported;
    QImage image(int(p.width), int(p.height), QImage::Format_RGBA8888_Premultiplied);
    if (image.isNull())
        return OutOfMemory;
    if (!TIFFReadRGBAImageOriented(tif, p.width, p.height, reinterpret_cast<uint32_t *>(image.bits()),
                                   ORIENTATION_TOPLEFT, 0))
        return BadFormat;
    image.convertTo(QImage::Format_ARGB32);
    out = image;
    return out.isNull() ? OutOfMemory : Success;
}

// libtiff's RGBA reader strip by strip, for a reduced read of an upright
// page of strips: only one strip is held at a time and only sampled rows
// are kept. Each strip comes back with its rows bottom-up.
Result readRgbaStrips(TIFF *tif, const Page &p, const Sampling &sampling, QImage &out)
{
    char message[1024] = {};
    if (!TIFFRGBAImageOK(tif, message))
        return Unsupported;
    quint32 rowsPerStrip = 0;
    TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
    rowsPerStrip = qMin(rowsPerStrip, p.height);
    if (rowsPerStrip == 0)
        return BadFormat;
    QImage strip(int(p.width), int(rowsPerStrip), QImage::Format_RGBA8888_Premultiplied);
    QImage image(sampling.size(), QImage::Format_ARGB32);
    if (strip.isNull() || image.isNull())
        return OutOfMemory;
    const std::vector<int> &rows = sampling.rows();
    const std::vector<int> &columns = sampling.columns();
    for (size_t y = 0; y < rows.size();) {
        const quint32 first = quint32(rows[y]) / rowsPerStrip * rowsPerStrip;
        const quint32 count = qMin(rowsPerStrip, p.height - first);
        if (!TIFFReadRGBAStrip(tif, first, reinterpret_cast<uint32_t *>(strip.bits())))
            return BadFormat;
        for (; y < rows.size() && quint32(rows[y]) < first + count; ++y) {
            const int line = int(count - 1 - (quint32(rows[y]) - first));
            const QImage source = strip.copy(0, line, strip.width(), 1).convertToFormat(QImage::Format_ARGB32);
            const QRgb *from = reinterpret_cast<const QRgb *>(source.constScanLine(0));
            QRgb *to = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
            for (size_t i = 0; i < columns.size(); ++i)
                to[i] = from[columns[i]];
        }
    }
    out = image;
    return Success;
}

void resolutionOf(TIFF *tif, float &x, float &y)
{
    quint16 unit = RESUNIT_INCH;
    x = y = 0;
    TIFFGetField(tif, TIFFTAG_XRESOLUTION, &x);
    TIFFGetField(tif, TIFFTAG_YRESOLUTION, &y);
    TIFFGetFieldDefaulted(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
    const float perInch = unit == RESUNIT_CENTIMETER ? 2.54f : unit == RESUNIT_INCH ? 1.0f : 0.0f;
    x = qBound(0.0f, x * perInch, 1e6f);
    y = qBound(0.0f, y * perInch, 1e6f);
}

} // namespace

Result decodeTiff(Bytes in, const ReadOptions &options, QImage &out)
{
    MemoryFile file{in.data, in.size, nullptr, 0};
    TiffPointer tif = openMemory(file, "r");
    if (!tif)
        return in.size < 8 ? ReadFailed : BadFormat;
    const Page page = readPage(tif.get());
    Result result = checkImageSize(page.width, page.height, options.limits);
    if (result != Success)
        return result;
    if (TIFFIsTiled(tif.get()) && !tilesFitPage(tif.get(), page))
        return BadFormat;
    const Sampling sampling(int(page.width), int(page.height),
                            samplingTarget(int(page.width), int(page.height), options.atLeast, options.keepAspect));
    if (sampling.reduces() && rowsReadableInPlace(tif.get(), page))
        result = readRowsInPlace(tif.get(), in, page, sampling, out);
    else if (keepsIndexes(page))
        result = readIndexed(tif.get(), page, sampling, out);
    else if (sampling.reduces() && !TIFFIsTiled(tif.get())
             && tagOrDefault(tif.get(), TIFFTAG_ORIENTATION) == ORIENTATION_TOPLEFT)
        result = readRgbaStrips(tif.get(), page, sampling, out);
    else
        result = readRgba(tif.get(), page, out);
    // libtiff reads on past some damage (a lost colour map turns the page
    // grey); a picture it had to repair is not the file's picture.
    if (result == Success && file.errors > 0)
        result = BadFormat;
    if (result != Success)
        out = QImage();
    if (result == Success) {
        float x = 0, y = 0;
        resolutionOf(tif.get(), x, y);
        out.setDotsPerMeterX(dotsPerMetre(int(x + 0.5f)));
        out.setDotsPerMeterY(dotsPerMetre(int(y + 0.5f)));
    }
    return result;
}

Result describeTiff(Bytes in, ImageInfo &info)
{
    MemoryFile file{in.data, in.size, nullptr, 0};
    TiffPointer tif = openMemory(file, "r");
    if (!tif)
        return in.size < 8 ? ReadFailed : BadFormat;
    const Page page = readPage(tif.get());
    info.typeCode = QStringLiteral("TIF");
    info.width = int(qMin<quint32>(page.width, INT_MAX));
    info.height = int(qMin<quint32>(page.height, INT_MAX));
    info.bitsPerPixel = int(qMin<quint32>(quint32(page.bits) * page.samples, INT_MAX));
    float x = 0, y = 0;
    resolutionOf(tif.get(), x, y);
    info.xResolution = int(x + 0.5f);
    info.yResolution = int(y + 0.5f);
    info.formatName = QStringLiteral("TIFF");
    return Success;
}

namespace {

quint16 compressionTag(TiffCompression compression, int bits)
{
    switch (compression) {
    case TiffCompression::Ccitt:
        return bits == 1 ? COMPRESSION_CCITTRLE : COMPRESSION_LZW;
    case TiffCompression::Lzw:
        return COMPRESSION_LZW;
    case TiffCompression::PackBits:
        return COMPRESSION_PACKBITS;
    default:
        return COMPRESSION_NONE;
    }
}

void setTags(TIFF *tif, const QImage &image, int bits, quint16 compression)
{
    const bool rgb = bits == 24;
    const bool fax = compression == COMPRESSION_CCITTRLE;
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, quint32(image.width()));
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, quint32(image.height()));
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, quint16(rgb ? 8 : bits));
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, quint16(rgb ? 3 : 1));
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, compression);
    // Fax pages are white on black by convention; other 1-bit pages black on white.
    const quint16 photometric = rgb ? PHOTOMETRIC_RGB
                                : bits == 1 ? (fax ? PHOTOMETRIC_MINISWHITE : PHOTOMETRIC_MINISBLACK)
                                            : PHOTOMETRIC_PALETTE;
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, photometric);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tif, 0));
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
        TIFFSetField(tif, TIFFTAG_XRESOLUTION, float(image.dotsPerMeterX() * 0.0254));
        TIFFSetField(tif, TIFFTAG_YRESOLUTION, float(image.dotsPerMeterY() * 0.0254));
    }
}

void setColourMap(TIFF *tif, const QImage &image, int bits)
{
    const int count = 1 << bits;
    std::vector<quint16> red(size_t(count), 0), green(size_t(count), 0), blue(size_t(count), 0);
    for (int i = 0; i < count && i < image.colorCount(); ++i) {
        red[size_t(i)] = quint16(qRed(image.color(i)) * 257);
        green[size_t(i)] = quint16(qGreen(image.color(i)) * 257);
        blue[size_t(i)] = quint16(qBlue(image.color(i)) * 257);
    }
    TIFFSetField(tif, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data());
}

void packRow(const QImage &image, int y, int bits, bool invert, uchar *row)
{
    const uchar *src = image.constScanLine(y);
    if (bits == 24) {
        const QRgb *pixels = reinterpret_cast<const QRgb *>(src);
        for (int x = 0; x < image.width(); ++x) {
            row[x * 3] = uchar(qRed(pixels[x]));
            row[x * 3 + 1] = uchar(qGreen(pixels[x]));
            row[x * 3 + 2] = uchar(qBlue(pixels[x]));
        }
        return;
    }
    const int perByte = 8 / bits;
    for (int x = 0; x < image.width(); ++x) {
        const int index = invert ? src[x] ^ 1 : src[x];
        row[x / perByte] |= uchar(index << (8 - bits * (x % perByte + 1)));
    }
}

} // namespace

Result encodeTiff(const QImage &image, int depth, TiffCompression compression, QByteArray &out)
{
    const int bits = storedBits(depth);
    const quint16 tag = compressionTag(compression, bits);
    out.clear();
    MemoryFile file{nullptr, 0, &out, 0};
    TiffPointer tif = openMemory(file, "w");
    if (!tif)
        return OutOfMemory;
    setTags(tif.get(), image, bits, tag);
    if (bits > 1 && bits <= 8)
        setColourMap(tif.get(), image, bits);
    const qsizetype rowBytes = (qsizetype(image.width()) * bits + 7) / 8;
    QByteArray row(rowBytes, '\0');
    for (int y = 0; y < image.height(); ++y) {
        row.fill('\0');
        packRow(image, y, bits, tag == COMPRESSION_CCITTRLE, reinterpret_cast<uchar *>(row.data()));
        if (TIFFWriteScanline(tif.get(), row.data(), quint32(y), 0) < 0)
            return OutOfMemory;
    }
    if (!TIFFFlush(tif.get()))
        return OutOfMemory;
    return Success;
}

} // namespace imagelib::codecs
