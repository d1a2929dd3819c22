// The per-format decoders and encoders behind the imaging library's calls.
#pragma once

#include "imaging/imagelibrary.h"

#include <QByteArray>

namespace imagelib::codecs {

// A file's bytes, held by the caller for the duration of a call.
struct Bytes
{
    const uchar *data = nullptr;
    qint64 size = 0;
};

// BadFormat for a zero or negative size, TooLarge beyond limits, else Success.
// Every decoder calls it before allocating the picture.
Result checkImageSize(qint64 width, qint64 height, const Limits &limits);

// Decoders return the picture as the file holds it: Indexed8 with the file's
// palette (transparent entries have alpha 0), RGB32 or ARGB32.
Result decodeBmp(Bytes in, const ReadOptions &options, QImage &out);
Result decodePcx(Bytes in, const ReadOptions &options, QImage &out);
Result decodeJpeg(Bytes in, const ReadOptions &options, QImage &out);
Result decodePng(Bytes in, const ReadOptions &options, QImage &out);
Result decodeTiff(Bytes in, const ReadOptions &options, QImage &out);
Result decodeGif(Bytes in, const ReadOptions &options, QImage &out);

Result describeBmp(Bytes in, ImageInfo &info);
Result describePcx(Bytes in, ImageInfo &info);
Result describeJpeg(Bytes in, ImageInfo &info);
Result describePng(Bytes in, ImageInfo &info);
Result describeTiff(Bytes in, ImageInfo &info);
Result describeGif(Bytes in, ImageInfo &info);

// Encoders take a picture already converted to depth: Indexed8 with at most
// 2^depth colours (16 for depth 0) or RGB32 for 24.
Result encodeBmp(const QImage &image, int depth, QByteArray &out);
Result encodePcx(const QImage &image, int depth, QByteArray &out);
Result encodePng(const QImage &image, int depth, bool interlace, QByteArray &out);
Result encodeGif(const QImage &image, int depth, QByteArray &out);
// Any RGB32 picture; greyscale writes a one-channel JPEG.
Result encodeJpeg(const QImage &image, int quality, int smoothing, bool greyscale, QByteArray &out);
Result encodeTiff(const QImage &image, int depth, TiffCompression compression, QByteArray &out);

// Bits per pixel a depth is stored with: 0 and 4 give 4.
inline int storedBits(int depth) { return depth == 0 ? 4 : depth; }

// Dots per inch from dots per metre, and back.
inline int dotsPerInch(qint64 dotsPerMetre) { return int((dotsPerMetre * 254 + 5000) / 10000); }
inline int dotsPerMetre(int dotsPerInch) { return int((qint64(dotsPerInch) * 10000 + 127) / 254); }

} // namespace imagelib::codecs
