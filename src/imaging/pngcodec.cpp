// PNG through libpng: palette, grey and 16-bit input, transparency, Adam7;
// palette or RGB output, interlaced on request. setjmp/longjmp stay inside
// the functions marked "plain": they hold no objects with destructors.
#include "imaging/codecs.h"
#include "imaging/imagesampling.h"

#include <QList>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <vector>

#include <png.h>

namespace imagelib::codecs {

namespace {

struct Reader
{
    png_structp png;
    png_infop info;
    Bytes in;
    qint64 position;
    bool truncated;
    bool beyondLimits;    // libpng refused the header's size
    png_uint_32 width;
    png_uint_32 height;
    int bitDepth;
    int colorType;
    bool indexedOutput;   // palette or plain grey: one byte per pixel
};

[[noreturn]] void onError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

// A header beyond the size limits is only warned about, then refused as
// invalid: the warning tells the two apart.
void onWarning(png_structp png, png_const_charp message)
{
    if (auto *r = static_cast<Reader *>(png_get_error_ptr(png)); r && std::strstr(message, "exceeds user limit"))
        r->beyondLimits = true;
}

// Beyond its pixels a file can only make libpng hold this much: a chunk
// declaring more fails the read before anything is allocated for it.
constexpr png_alloc_size_t MaxChunkBytes = 8 * 1024 * 1024;
constexpr png_uint_32 MaxCachedChunks = 64;

// Only the image's header, palette, transparency, data and resolution are
// used; every other chunk (texts, colour profiles, unknown ones) is skipped
// unread rather than allocated and decompressed.
void readOnlyWhatWeShow(png_structp png, png_uint_32 maxSide)
{
    png_set_user_limits(png, maxSide, maxSide);
    png_set_chunk_malloc_max(png, MaxChunkBytes);
    png_set_chunk_cache_max(png, MaxCachedChunks);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    static const png_byte resolution[] = {'p', 'H', 'Y', 's', '\0'};
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_AS_DEFAULT, resolution, 1);
}

void readFromMemory(png_structp png, png_bytep out, size_t length)
{
    auto *r = static_cast<Reader *>(png_get_io_ptr(png));
    if (qint64(length) > r->in.size - r->position) {
        r->truncated = true;
        png_error(png, "file ends early");
    }
    std::memcpy(out, r->in.data + r->position, length);
    r->position += qint64(length);
}

// Plain: signature, header and the chunks before the image data.
bool readInfo(Reader &r, png_uint_32 maxSide)
{
    r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &r, onError, onWarning);
    r.info = r.png ? png_create_info_struct(r.png) : nullptr;
    if (!r.info)
        return false;
    if (setjmp(png_jmpbuf(r.png)))
        return false;
    png_set_read_fn(r.png, &r, readFromMemory);
    readOnlyWhatWeShow(r.png, maxSide);
    png_read_info(r.png, r.info);
    int interlace = 0;
    png_get_IHDR(r.png, r.info, &r.width, &r.height, &r.bitDepth, &r.colorType, &interlace, nullptr, nullptr);
    const bool grey = r.colorType == PNG_COLOR_TYPE_GRAY && !png_get_valid(r.png, r.info, PNG_INFO_tRNS);
    r.indexedOutput = grey || r.colorType == PNG_COLOR_TYPE_PALETTE;
    return true;
}

// Plain: transformations to one byte per pixel or to 32-bit BGRA.
bool setTransforms(Reader &r)
{
    if (setjmp(png_jmpbuf(r.png)))
        return false;
    if (r.bitDepth == 16)
        png_set_scale_16(r.png);
    if (r.indexedOutput) {
        png_set_packing(r.png);
    } else {
        png_set_expand(r.png);
        png_set_gray_to_rgb(r.png);
        if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
            png_set_bgr(r.png);
        else
            png_set_swap_alpha(r.png);
        png_set_add_alpha(r.png, 0xFF, Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    }
    png_set_interlace_handling(r.png);
    png_read_update_info(r.png, r.info);
    return true;
}

// Plain: the rows and the chunks after them.
bool readRows(Reader &r, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(r.png)))
        return false;
    png_read_image(r.png, rows);
    png_read_end(r.png, nullptr);
    return true;
}

// Where the rows of a sampled read go.
struct SampledRows
{
    const Sampling *sampling;
    QImage *image;
    int colours;          // indexed output: indexes must stay below this
    bool badIndex;
};

void keepRow(SampledRows &sink, png_uint_32 y, const png_byte *line, png_uint_32 width)
{
    QImage &image = *sink.image;
    const bool indexed = image.format() == QImage::Format_Indexed8;
    if (indexed)
        sink.badIndex = sink.badIndex || *std::max_element(line, line + width) >= sink.colours;
    const int target = sink.sampling->targetRow(int(y));
    if (target < 0)
        return;
    const std::vector<int> &columns = sink.sampling->columns();
    uchar *out = image.scanLine(target);
    if (indexed) {
        for (size_t i = 0; i < columns.size(); ++i)
            out[i] = line[columns[i]];
        return;
    }
    for (size_t i = 0; i < columns.size(); ++i)
        std::memcpy(out + i * 4, line + qint64(columns[i]) * 4, 4);
}

// Plain: every row of a non-interlaced image through one line buffer, then
// the chunks after them.
bool readRowsSampled(Reader &r, png_bytep line, SampledRows &sink)
{
    if (setjmp(png_jmpbuf(r.png)))
        return false;
    for (png_uint_32 y = 0; y < r.height; ++y) {
        png_read_row(r.png, line, nullptr);
        keepRow(sink, y, line, r.width);
    }
    png_read_end(r.png, nullptr);
    return true;
}

QList<QRgb> paletteOf(const Reader &r)
{
    QList<QRgb> table;
    if (r.colorType != PNG_COLOR_TYPE_PALETTE) {
        const int levels = 1 << qMin(r.bitDepth, 8);
        for (int i = 0; i < levels; ++i) {
            const int v = i * 255 / (levels - 1);
            table.append(qRgb(v, v, v));
        }
        return table;
    }
    png_colorp colours = nullptr;
    int count = 0;
    png_get_PLTE(r.png, r.info, &colours, &count);
    png_bytep alpha = nullptr;
    int alphaCount = 0;
    png_get_tRNS(r.png, r.info, &alpha, &alphaCount, nullptr);
    for (int i = 0; i < count; ++i)
        table.append(qRgba(colours[i].red, colours[i].green, colours[i].blue, i < alphaCount ? alpha[i] : 255));
    return table;
}

bool indexesInRange(const QImage &image)
{
    const int count = int(image.colorCount());
    for (int y = 0; y < image.height(); ++y) {
        const uchar *line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (line[x] >= count)
                return false;
    }
    return true;
}

Result readWhole(Reader &r, QImage &image)
{
    std::vector<png_bytep> rows(r.height);
    for (int y = 0; y < image.height(); ++y)
        rows[size_t(y)] = image.scanLine(y);
    if (!readRows(r, rows.data()))
        return r.truncated ? ReadFailed : BadFormat;
    return r.indexedOutput && !indexesInRange(image) ? BadFormat : Success;
}

// libpng decodes every row; a reduced read keeps only the sampled ones, so
// the whole picture is never held.
Result readSampled(Reader &r, const Sampling &sampling, QImage &image)
{
    std::vector<png_byte> line(size_t(r.width) * (r.indexedOutput ? 1 : 4));
    SampledRows sink{&sampling, &image, int(image.colorCount()), false};
    if (!readRowsSampled(r, line.data(), sink))
        return r.truncated ? ReadFailed : BadFormat;
    return sink.badIndex ? BadFormat : Success;
}

Result decodeRows(Reader &r, const ReadOptions &options, QImage &out)
{
    Result result = checkImageSize(r.width, r.height, options.limits);
    if (result != Success)
        return result;
    if (!setTransforms(r))
        return r.truncated ? ReadFailed : BadFormat;
    // Adam7 passes fill rows in several goes: such files are read whole and
    // reduced afterwards.
    const bool interlaced = png_get_interlace_type(r.png, r.info) != PNG_INTERLACE_NONE;
    const Sampling sampling(int(r.width), int(r.height),
                            interlaced ? QSize()
                                       : samplingTarget(int(r.width), int(r.height), options.atLeast, options.keepAspect));
    QImage image(sampling.size(), r.indexedOutput ? QImage::Format_Indexed8 : QImage::Format_ARGB32);
    if (image.isNull())
        return OutOfMemory;
    if (r.indexedOutput)
        image.setColorTable(paletteOf(r));
    result = sampling.reduces() ? readSampled(r, sampling, image) : readWhole(r, image);
    if (result != Success)
        return result;
    png_uint_32 xPpm = 0, yPpm = 0;
    int unit = 0;
    if (png_get_pHYs(r.png, r.info, &xPpm, &yPpm, &unit) && unit == PNG_RESOLUTION_METER) {
        image.setDotsPerMeterX(int(qMin<png_uint_32>(xPpm, INT_MAX)));
        image.setDotsPerMeterY(int(qMin<png_uint_32>(yPpm, INT_MAX)));
    }
    out = image;
    return Success;
}

} // namespace

Result decodePng(Bytes in, const ReadOptions &options, QImage &out)
{
    Reader r{};
    r.in = in;
    Result result = Success;
    if (!readInfo(r, png_uint_32(qMax(options.limits.maxSide, 1))))
        result = r.beyondLimits ? TooLarge : r.truncated ? ReadFailed : BadFormat;
    else
        result = decodeRows(r, options, out);
    png_destroy_read_struct(&r.png, &r.info, nullptr);
    return result;
}

Result describePng(Bytes in, ImageInfo &info)
{
    Reader r{};
    r.in = in;
    const bool ok = readInfo(r, PNG_USER_WIDTH_MAX);   // describing allocates no pixels
    if (ok) {
        info.typeCode = QStringLiteral("PNG");
        info.width = int(qMin<png_uint_32>(r.width, INT_MAX));
        info.height = int(qMin<png_uint_32>(r.height, INT_MAX));
        info.bitsPerPixel = r.bitDepth * png_get_channels(r.png, r.info);
        png_uint_32 xPpm = 0, yPpm = 0;
        int unit = 0;
        if (png_get_pHYs(r.png, r.info, &xPpm, &yPpm, &unit) && unit == PNG_RESOLUTION_METER) {
            info.xResolution = dotsPerInch(xPpm);
            info.yResolution = dotsPerInch(yPpm);
        }
        info.formatName = QStringLiteral("PNG");
    }
    png_destroy_read_struct(&r.png, &r.info, nullptr);
    return ok ? Success : r.truncated ? ReadFailed : BadFormat;
}

namespace {

struct Writer
{
    png_structp png;
    png_infop info;
    QByteArray *out;
};

void writeToMemory(png_structp png, png_bytep data, size_t length)
{
    static_cast<Writer *>(png_get_io_ptr(png))->out->append(reinterpret_cast<const char *>(data), qsizetype(length));
}

void flushNothing(png_structp) {}

struct WriteRequest
{
    const QImage *image;
    int bits;   // 1, 4, 8 with a palette; 24 for RGB
    bool interlace;
    png_colorp palette;
    int paletteSize;
    png_bytepp rows;
};

// Plain: header, palette, resolution and rows.
bool writeImage(Writer &w, const WriteRequest &r)
{
    w.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
    w.info = w.png ? png_create_info_struct(w.png) : nullptr;
    if (!w.info)
        return false;
    if (setjmp(png_jmpbuf(w.png)))
        return false;
    png_set_write_fn(w.png, &w, writeToMemory, flushNothing);
    const bool rgb = r.bits == 24;
    png_set_IHDR(w.png, w.info, png_uint_32(r.image->width()), png_uint_32(r.image->height()), rgb ? 8 : r.bits,
                 rgb ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_PALETTE,
                 r.interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!rgb)
        png_set_PLTE(w.png, w.info, r.palette, r.paletteSize);
    if (r.image->dotsPerMeterX() > 0 && r.image->dotsPerMeterY() > 0)
        png_set_pHYs(w.png, w.info, png_uint_32(r.image->dotsPerMeterX()), png_uint_32(r.image->dotsPerMeterY()),
                     PNG_RESOLUTION_METER);
    png_write_info(w.png, w.info);
    if (rgb) {
        if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
            png_set_bgr(w.png);
        png_set_filler(w.png, 0, Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    }
    png_write_image(w.png, r.rows);
    png_write_end(w.png, w.info);
    return true;
}

QByteArray packedIndexes(const QImage &image, int bits, qsizetype rowBytes)
{
    QByteArray packed(rowBytes * image.height(), '\0');
    const int perByte = 8 / bits;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *src = image.constScanLine(y);
        uchar *dst = reinterpret_cast<uchar *>(packed.data()) + rowBytes * y;
        for (int x = 0; x < image.width(); ++x)
            dst[x / perByte] |= uchar(src[x] << (8 - bits * (x % perByte + 1)));
    }
    return packed;
}

} // namespace

Result encodePng(const QImage &image, int depth, bool interlace, QByteArray &out)
{
    const int bits = storedBits(depth);
    const qsizetype rowBytes = (qsizetype(image.width()) * bits + 7) / 8;
    const QByteArray packed = bits <= 8 ? packedIndexes(image, bits, rowBytes) : QByteArray();
    std::vector<png_bytep> rows(size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[size_t(y)] = bits <= 8 ? reinterpret_cast<png_bytep>(const_cast<char *>(packed.constData())) + rowBytes * y
                                    : const_cast<png_bytep>(image.constScanLine(y));
    std::vector<png_color> palette(size_t(qMax<qsizetype>(1, image.colorCount())));
    for (int i = 0; i < image.colorCount(); ++i)
        palette[size_t(i)] = {png_byte(qRed(image.color(i))), png_byte(qGreen(image.color(i))),
                              png_byte(qBlue(image.color(i)))};
    out.clear();
    Writer w{nullptr, nullptr, &out};
    const WriteRequest request{&image, bits, interlace, palette.data(), int(palette.size()), rows.data()};
    const bool ok = writeImage(w, request);
    png_destroy_write_struct(&w.png, &w.info);
    return ok ? Success : OutOfMemory;
}

} // namespace imagelib::codecs
