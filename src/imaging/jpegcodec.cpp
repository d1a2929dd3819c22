// JPEG through libjpeg-turbo: reduced-size decodes by DCT scaling, Exif
// orientation, greyscale and CMYK input; RGB and greyscale output.
// setjmp/longjmp stay inside the functions marked "plain": they hold no
// objects with destructors.
#include "imaging/codecs.h"
#include "imaging/exiforientation.h"

#include <QList>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace imagelib::codecs {

namespace {

// A progressive file may hold thousands of tiny scans that take minutes to
// decode; no real file needs more than a few dozen.
constexpr int MaxScans = 1000;
// libjpeg's working memory: a progressive file keeps every coefficient of
// the picture however small the output, and a 100-byte header can claim
// 200 megapixels. Past this libjpeg fails (it has no backing store) before
// allocating; enough for progressive photos of 85 MP (4:2:0) or 42 MP (4:4:4).
constexpr long MaxWorkingMemory = 256L * 1024 * 1024;

struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    bool hitEnd;
};

[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(cinfo->err)->jump, 1);
}

void emitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    if (cinfo->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<ErrorManager *>(cinfo->err)->hitEnd = true;
    ++cinfo->err->num_warnings;
}

void limitScans(j_common_ptr cinfo)
{
    const auto *d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > MaxScans)
        errorExit(cinfo);
}

struct Decoder
{
    jpeg_decompress_struct cinfo;
    ErrorManager error;
    jpeg_progress_mgr progress;
    int scaleNumerator;
    J_COLOR_SPACE outSpace;
};

void setUpErrors(jpeg_error_mgr &pub, ErrorManager &error)
{
    jpeg_std_error(&pub);
    pub.error_exit = errorExit;
    pub.emit_message = emitMessage;
    error.hitEnd = false;
}

// Plain: header, saved APP1 markers and output size at the chosen scale.
bool readHeader(Decoder &d, Bytes in)
{
    d.cinfo.err = &d.error.pub;
    setUpErrors(d.error.pub, d.error);
    if (setjmp(d.error.jump)) {
        jpeg_destroy_decompress(&d.cinfo);
        return false;
    }
    jpeg_create_decompress(&d.cinfo);
    d.cinfo.mem->max_memory_to_use = MaxWorkingMemory;
    d.progress.progress_monitor = limitScans;
    d.cinfo.progress = &d.progress;
    jpeg_mem_src(&d.cinfo, in.data, static_cast<unsigned long>(in.size));
    jpeg_save_markers(&d.cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&d.cinfo, TRUE);
    return true;
}

// Plain: starts decoding at the chosen scale. libjpeg sets up its working
// memory here (and reads every scan of a progressive file), so a file that
// needs too much fails before the picture is allocated.
bool startDecoding(Decoder &d)
{
    if (setjmp(d.error.jump))
        return false;
    d.cinfo.scale_num = static_cast<unsigned>(d.scaleNumerator);
    d.cinfo.scale_denom = 8;
    d.cinfo.out_color_space = d.outSpace;
    jpeg_start_decompress(&d.cinfo);
    return true;
}

// Plain: decodes into rows prepared by the caller.
bool readPixels(Decoder &d, uchar **rows)
{
    if (setjmp(d.error.jump))
        return false;
    while (d.cinfo.output_scanline < d.cinfo.output_height && !d.error.hitEnd)
        jpeg_read_scanlines(&d.cinfo, rows + d.cinfo.output_scanline, d.cinfo.output_height - d.cinfo.output_scanline);
    if (d.error.hitEnd)
        return false;
    jpeg_finish_decompress(&d.cinfo);   // a missing end marker alone loses nothing
    return true;
}

Result failureOf(const Decoder &d)
{
    if (d.error.hitEnd)
        return ReadFailed;
    const int code = d.error.pub.msg_code;
    return code == JERR_NO_BACKING_STORE || code == JERR_OUT_OF_MEMORY ? OutOfMemory : BadFormat;
}

// Plain: output size for a scale, without decoding.
bool outputSize(Decoder &d, int numerator, qint64 &width, qint64 &height)
{
    if (setjmp(d.error.jump))
        return false;
    d.cinfo.scale_num = static_cast<unsigned>(numerator);
    d.cinfo.scale_denom = 8;
    d.cinfo.out_color_space = d.outSpace;
    jpeg_calc_output_dimensions(&d.cinfo);
    width = d.cinfo.output_width;
    height = d.cinfo.output_height;
    return true;
}

int orientationOf(const jpeg_decompress_struct &cinfo)
{
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next) {
        const int orientation = exifOrientation(m->data, m->data_length);
        if (m->marker == JPEG_APP0 + 1 && orientation != 1)
            return orientation;
    }
    return 1;
}

bool hasExif(const jpeg_decompress_struct &cinfo)
{
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next)
        if (m->data_length >= 6 && std::equal(m->data, m->data + 6, "Exif\0\0"))
            return true;
    return false;
}

// The smallest eighth-step scale that keeps the picture at least atLeast.
int scaleFor(Decoder &d, QSize atLeast, bool swapped)
{
    if (!atLeast.isValid())
        return 8;
    const QSize want = swapped ? atLeast.transposed() : atLeast;
    for (int numerator = 1; numerator < 8; ++numerator) {
        qint64 width = 0, height = 0;
        if (outputSize(d, numerator, width, height) && width >= want.width() && height >= want.height())
            return numerator;
    }
    return 8;
}

J_COLOR_SPACE outputSpace(const jpeg_decompress_struct &cinfo)
{
    if (cinfo.jpeg_color_space == JCS_GRAYSCALE)
        return JCS_GRAYSCALE;
    if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK)
        return JCS_CMYK;
    return Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
}

QImage allocateFor(J_COLOR_SPACE space, qint64 width, qint64 height)
{
    if (space != JCS_GRAYSCALE)
        return QImage(int(width), int(height), QImage::Format_RGB32);
    QImage image(int(width), int(height), QImage::Format_Indexed8);
    QList<QRgb> greys;
    for (int i = 0; i < 256; ++i)
        greys.append(qRgb(i, i, i));
    image.setColorTable(greys);
    return image;
}

// Adobe's writers store CMYK inverted; others store it plain.
void cmykToRgb(QImage &image, bool inverted)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar *p = image.scanLine(y);
        QRgb *out = reinterpret_cast<QRgb *>(p);
        for (int x = 0; x < image.width(); ++x, p += 4) {
            int c = p[0], m = p[1], ye = p[2], k = p[3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                ye = 255 - ye;
                k = 255 - k;
            }
            out[x] = qRgb(c * k / 255, m * k / 255, ye * k / 255);
        }
    }
}

Result decodeInto(Decoder &d, const ReadOptions &options, QImage &out)
{
    const int orientation = options.upright ? orientationOf(d.cinfo) : 1;
    d.outSpace = outputSpace(d.cinfo);
    d.scaleNumerator = scaleFor(d, options.atLeast, orientationSwapsAxes(orientation));
    if (!startDecoding(d) || d.error.hitEnd)
        return failureOf(d);
    QImage image = allocateFor(d.outSpace, d.cinfo.output_width, d.cinfo.output_height);
    if (image.isNull())
        return OutOfMemory;
    std::vector<uchar *> rows(size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[size_t(y)] = image.scanLine(y);
    if (!readPixels(d, rows.data()))
        return failureOf(d);
    if (d.outSpace == JCS_CMYK)
        cmykToRgb(image, d.cinfo.saw_Adobe_marker);
    out = applyOrientation(image, orientation);
    return Success;
}

void setDensity(const jpeg_decompress_struct &cinfo, QImage &image)
{
    const double perInch = cinfo.density_unit == 1 ? 1.0 : cinfo.density_unit == 2 ? 2.54 : 0.0;
    image.setDotsPerMeterX(dotsPerMetre(int(cinfo.X_density * perInch + 0.5)));
    image.setDotsPerMeterY(dotsPerMetre(int(cinfo.Y_density * perInch + 0.5)));
}

} // namespace

Result decodeJpeg(Bytes in, const ReadOptions &options, QImage &out)
{
    Decoder d{};
    if (!readHeader(d, in))
        return in.size < 4 ? ReadFailed : BadFormat;
    Result result = checkImageSize(d.cinfo.image_width, d.cinfo.image_height, options.limits);
    if (result == Success)
        result = decodeInto(d, options, out);
    if (result == Success)
        setDensity(d.cinfo, out);
    jpeg_destroy_decompress(&d.cinfo);
    return result;
}

Result describeJpeg(Bytes in, ImageInfo &info)
{
    Decoder d{};
    if (!readHeader(d, in))
        return BadFormat;
    const bool swapped = orientationSwapsAxes(orientationOf(d.cinfo));
    info.typeCode = QStringLiteral("JPG");
    info.width = int(swapped ? d.cinfo.image_height : d.cinfo.image_width);
    info.height = int(swapped ? d.cinfo.image_width : d.cinfo.image_height);
    info.bitsPerPixel = d.cinfo.num_components * 8;
    const double perInch = d.cinfo.density_unit == 1 ? 1.0 : d.cinfo.density_unit == 2 ? 2.54 : 0.0;
    info.xResolution = int(d.cinfo.X_density * perInch + 0.5);
    info.yResolution = int(d.cinfo.Y_density * perInch + 0.5);
    info.formatName = hasExif(d.cinfo)          ? QStringLiteral("JPEG Exif")
                      : d.cinfo.saw_JFIF_marker ? QStringLiteral("JPEG JFIF")
                                                : QStringLiteral("JPEG");
    jpeg_destroy_decompress(&d.cinfo);
    return Success;
}

namespace {

// A memory destination whose buffer pointer is always the live one, so the
// caller frees exactly what is allocated however compression ends.
struct GrowingDestination
{
    jpeg_destination_mgr pub;
    unsigned char *buffer;
    size_t capacity;
};

void startDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<GrowingDestination *>(cinfo->dest);
    dest->capacity = 64 * 1024;
    dest->buffer = static_cast<unsigned char *>(std::malloc(dest->capacity));
    if (!dest->buffer)
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = dest->capacity;
}

boolean growDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<GrowingDestination *>(cinfo->dest);
    const size_t used = dest->capacity;
    auto *grown = static_cast<unsigned char *>(std::realloc(dest->buffer, used * 2));
    if (!grown)
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 1);
    dest->buffer = grown;
    dest->capacity = used * 2;
    dest->pub.next_output_byte = grown + used;
    dest->pub.free_in_buffer = used;
    return TRUE;
}

void finishDestination(j_compress_ptr) {}

struct Encoder
{
    jpeg_compress_struct cinfo;
    ErrorManager error;
    GrowingDestination destination;
};

struct EncodeRequest
{
    const QImage *image;
    int quality;
    int smoothing;
    bool greyscale;
    uchar *greyRow;   // width bytes, for greyscale output
};

// Plain: compresses the picture into the encoder's memory buffer.
bool compress(Encoder &e, const EncodeRequest &r)
{
    e.cinfo.err = &e.error.pub;
    setUpErrors(e.error.pub, e.error);
    if (setjmp(e.error.jump)) {
        jpeg_destroy_compress(&e.cinfo);
        return false;
    }
    jpeg_create_compress(&e.cinfo);
    e.destination.pub.init_destination = startDestination;
    e.destination.pub.empty_output_buffer = growDestination;
    e.destination.pub.term_destination = finishDestination;
    e.cinfo.dest = &e.destination.pub;
    e.cinfo.image_width = JDIMENSION(r.image->width());
    e.cinfo.image_height = JDIMENSION(r.image->height());
    e.cinfo.input_components = r.greyscale ? 1 : 4;
    e.cinfo.in_color_space = r.greyscale ? JCS_GRAYSCALE
                             : Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_set_defaults(&e.cinfo);
    jpeg_set_quality(&e.cinfo, r.quality, TRUE);
    e.cinfo.smoothing_factor = r.smoothing;
    e.cinfo.density_unit = 1;
    e.cinfo.X_density = UINT16(qBound(1, dotsPerInch(r.image->dotsPerMeterX()), 65535));
    e.cinfo.Y_density = UINT16(qBound(1, dotsPerInch(r.image->dotsPerMeterY()), 65535));
    jpeg_start_compress(&e.cinfo, TRUE);
    while (e.cinfo.next_scanline < e.cinfo.image_height) {
        const int y = int(e.cinfo.next_scanline);
        const QRgb *line = reinterpret_cast<const QRgb *>(r.image->constScanLine(y));
        JSAMPROW row = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE *>(line));
        if (r.greyscale) {
            for (int x = 0; x < r.image->width(); ++x)
                r.greyRow[x] = uchar(qGray(line[x]));
            row = r.greyRow;
        }
        jpeg_write_scanlines(&e.cinfo, &row, 1);
    }
    jpeg_finish_compress(&e.cinfo);
    jpeg_destroy_compress(&e.cinfo);
    return true;
}

} // namespace

Result encodeJpeg(const QImage &image, int quality, int smoothing, bool greyscale, QByteArray &out)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray greyRow(rgb.width(), '\0');
    Encoder e{};
    const EncodeRequest request{&rgb, quality, smoothing, greyscale, reinterpret_cast<uchar *>(greyRow.data())};
    const bool ok = compress(e, request);
    if (ok)
        out = QByteArray(reinterpret_cast<const char *>(e.destination.buffer),
                         qsizetype(e.destination.capacity - e.destination.pub.free_in_buffer));
    std::free(e.destination.buffer);
    return ok ? Success : OutOfMemory;
}

} // namespace imagelib::codecs
