// The imaging library's calls: file access, format dispatch, size limits,
// the message table and safe replacement of written files.
#include "imaging/imagelibrary.h"
#include "imaging/formats.h"

#include "imaging/codecs.h"
#include "imaging/imagesampling.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>

#include <functional>

Q_LOGGING_CATEGORY(lcImaging, "pixmoor.imaging")

namespace imagelib {

namespace {

using codecs::Bytes;

// A file's bytes, mapped when the file system allows it.
class FileBytes
{
public:
    Result open(const QString &path)
    {
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::ReadOnly))
            return CannotOpen;
        const qint64 size = m_file.size();
        if (size <= 0)
            return ReadFailed;
        if (uchar *mapped = m_file.map(0, size)) {
            m_bytes = {mapped, size};
            return Success;
        }
        m_copy = m_file.readAll();
        if (m_copy.size() != size)
            return ReadFailed;
        m_bytes = {reinterpret_cast<const uchar *>(m_copy.constData()), m_copy.size()};
        return Success;
    }
    Bytes bytes() const { return m_bytes; }

private:
    QFile m_file;
    QByteArray m_copy;
    Bytes m_bytes;
};

Result decode(Bytes in, FileFormat format, const ReadOptions &options, QImage &out)
{
    switch (format) {
    case FileFormat::Bmp: return codecs::decodeBmp(in, options, out);
    case FileFormat::Jpeg: return codecs::decodeJpeg(in, options, out);
    case FileFormat::Gif: return codecs::decodeGif(in, options, out);
    case FileFormat::Tiff: return codecs::decodeTiff(in, options, out);
    case FileFormat::Pcx: return codecs::decodePcx(in, options, out);
    case FileFormat::Png: return codecs::decodePng(in, options, out);
    }
    return BadArgument;
}

bool startsWith(Bytes in, const char *magic, int length)
{
    return in.size >= length && std::equal(magic, magic + length, reinterpret_cast<const char *>(in.data));
}

std::optional<FileFormat> formatFromContent(Bytes in)
{
    if (startsWith(in, "BM", 2))
        return FileFormat::Bmp;
    if (startsWith(in, "\xFF\xD8\xFF", 3))
        return FileFormat::Jpeg;
    if (startsWith(in, "GIF87a", 6) || startsWith(in, "GIF89a", 6))
        return FileFormat::Gif;
    if (startsWith(in, "II*\0", 4) || startsWith(in, "MM\0*", 4))
        return FileFormat::Tiff;
    if (startsWith(in, "\x89PNG\r\n\x1a\n", 8))
        return FileFormat::Png;
    if (in.size >= 3 && in.data[0] == 0x0A && in.data[1] <= 5 && in.data[2] <= 1)
        return FileFormat::Pcx;
    return std::nullopt;
}

Result saveAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcImaging) << "cannot write" << path << file.errorString();
        return CannotWrite;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return CannotWrite;
    }
    return file.commit() ? Success : CannotWrite;
}

using Encoder = std::function<Result(const QImage &, QByteArray &)>;

// Writes are dithered like reads by default: a photograph reduced to few
// colours looks far better that way.
Result convertAndWrite(const QString &path, int depth, const QImage &image, const Encoder &encode)
{
    if (image.isNull())
        return BadArgument;
    if (!isValidDepth(depth))
        return BadDepth;
    // GIF and PCX keep sizes in 16 bits: refuse what would be cut short.
    const Result size = codecs::checkImageSize(image.width(), image.height(), Limits());
    if (size != Success)
        return size;
    const QImage converted = convertToDepth(image, depth, true);
    if (converted.isNull())
        return OutOfMemory;
    QByteArray bytes;
    const Result result = encode(converted, bytes);
    if (result != Success)
        return result;
    return saveAtomically(path, bytes);
}

} // namespace

namespace codecs {

Result checkImageSize(qint64 width, qint64 height, const Limits &limits)
{
    if (width <= 0 || height <= 0)
        return BadFormat;
    if (width > limits.maxSide || height > limits.maxSide || width * height > limits.maxPixels)
        return TooLarge;
    return Success;
}

} // namespace codecs

QString errorText(Result code)
{
    switch (code) {
    case CannotOpen: return QStringLiteral("The file cannot be opened.");
    case ReadFailed: return QStringLiteral("The file ends too early or cannot be read.");
    case BadFormat: return QStringLiteral("The file is damaged or not of the expected format.");
    case TooLarge:
        return QStringLiteral("The image is too large: more than 16384 pixels on a side or 200 megapixels.");
    case OutOfMemory: return QStringLiteral("There is not enough memory for the image.");
    case CannotWrite: return QStringLiteral("The file cannot be written.");
    case Unsupported: return QStringLiteral("This variant of the format is not supported.");
    case BadDepth: return QStringLiteral("The colour depth must be 0, 1, 4, 8 or 24 (GIF: at most 8).");
    case BadArgument: return QStringLiteral("A quality, smoothing or compression value is out of range, or the image is empty.");
    case ScannerBusy: return QStringLiteral("The scanner is busy.");
    case NoScanner: return QStringLiteral("No scanner is available.");
    case ScanFailed: return QStringLiteral("Scanning failed.");
    case ScanCancelled: return QStringLiteral("Scanning was cancelled.");
    default:
        break;
    }
    if (succeeded(code))
        return QStringLiteral("No error.");
    return QStringLiteral("Unknown imaging error %1.").arg(code);
}

std::optional<FileFormat> formatFromFileName(const QString &fileName)
{
    const FormatEntry *entry = formatOfFile(fileName);
    return entry ? entry->codec : std::nullopt;
}

Result readImageData(const uchar *data, qint64 size, FileFormat format, const ReadOptions &options,
                     QImage &out)
{
    out = QImage();
    if (!isValidDepth(options.depth))
        return BadDepth;
    if (!data || size <= 0)
        return ReadFailed;
    QImage decoded;
    const Result result = decode({data, size}, format, options, decoded);
    if (result != Success)
        return result;
    // Readers that could not skip rows (tiles, Adam7, libtiff's RGBA reader)
    // gave the whole picture: reduce it before the depth conversion, which
    // would otherwise quantise megapixels for a 70 x 70 thumbnail. JPEG's
    // DCT scaling already averaged its pixels, and keeps that size.
    if (format != FileFormat::Jpeg)
        decoded = sampleImage(decoded, samplingTarget(decoded.width(), decoded.height(), options.atLeast,
                                                      options.keepAspect));
    out = convertToDepth(decoded, options.depth, options.dither);
    if (out.isNull())
        return OutOfMemory;
    out.setDotsPerMeterX(decoded.dotsPerMeterX());
    out.setDotsPerMeterY(decoded.dotsPerMeterY());
    return Success;
}

Result decodeEmbeddedImage(const uchar *data, qint64 size, FileFormat format, const Limits &limits, QImage &out)
{
    out = QImage();
    if (!data || size <= 0)
        return ReadFailed;
    ReadOptions options;
    options.limits = limits;
    options.upright = false;
    QImage decoded;
    const Result result = decode({data, size}, format, options, decoded);
    if (result != Success)
        return result;
    out = decoded.convertToFormat(QImage::Format_ARGB32);
    return out.isNull() ? OutOfMemory : Success;
}

Result readImage(const QString &path, FileFormat format, const ReadOptions &options, QImage &out)
{
    out = QImage();
    if (!isValidDepth(options.depth))
        return BadDepth;
    FileBytes file;
    const Result result = file.open(path);
    if (result != Success)
        return result;
    return readImageData(file.bytes().data, file.bytes().size, format, options, out);
}

Result readImageInfoData(const uchar *data, qint64 size, ImageInfo &info)
{
    info = ImageInfo();
    const Bytes in{data, size};
    if (!data || size <= 0)
        return ReadFailed;
    const std::optional<FileFormat> format = formatFromContent(in);
    if (!format)
        return BadFormat;
    switch (*format) {
    case FileFormat::Bmp: return codecs::describeBmp(in, info);
    case FileFormat::Jpeg: return codecs::describeJpeg(in, info);
    case FileFormat::Gif: return codecs::describeGif(in, info);
    case FileFormat::Tiff: return codecs::describeTiff(in, info);
    case FileFormat::Pcx: return codecs::describePcx(in, info);
    case FileFormat::Png: return codecs::describePng(in, info);
    }
    return BadFormat;
}

Result readImageInfo(const QString &path, ImageInfo &info)
{
    info = ImageInfo();
    FileBytes file;
    const Result result = file.open(path);
    if (result != Success)
        return result;
    return readImageInfoData(file.bytes().data, file.bytes().size, info);
}

Result writeBmp(const QString &path, int depth, const QImage &image)
{
    return convertAndWrite(path, depth, image, [depth](const QImage &converted, QByteArray &bytes) {
        return codecs::encodeBmp(converted, depth, bytes);
    });
}

Result writeGif(const QString &path, int depth, const QImage &image)
{
    if (depth > 8)
        return BadDepth;
    return convertAndWrite(path, depth, image, [depth](const QImage &converted, QByteArray &bytes) {
        return codecs::encodeGif(converted, depth, bytes);
    });
}

Result writePcx(const QString &path, int depth, const QImage &image)
{
    return convertAndWrite(path, depth, image, [depth](const QImage &converted, QByteArray &bytes) {
        return codecs::encodePcx(converted, depth, bytes);
    });
}

Result writePng(const QString &path, int depth, bool interlace, const QImage &image)
{
    return convertAndWrite(path, depth, image, [depth, interlace](const QImage &converted, QByteArray &bytes) {
        return codecs::encodePng(converted, depth, interlace, bytes);
    });
}

Result writeJpeg(const QString &path, int quality, int smoothing, int depth, const QImage &image)
{
    if (quality < 1 || quality > 100 || smoothing < 0 || smoothing > 100)
        return BadArgument;
    if (!isValidDepth(depth))
        return BadDepth;
    const bool greyscale = depth == 1;
    return convertAndWrite(path, 24, image, [=](const QImage &converted, QByteArray &bytes) {
        return codecs::encodeJpeg(converted, quality, smoothing, greyscale, bytes);
    });
}

Result writeTiff(const QString &path, TiffCompression compression, int depth, const QImage &image)
{
    switch (compression) {
    case TiffCompression::None:
    case TiffCompression::Ccitt:
    case TiffCompression::Lzw:
    case TiffCompression::PackBits:
        break;
    default:
        return BadArgument;
    }
    return convertAndWrite(path, depth, image, [=](const QImage &converted, QByteArray &bytes) {
        return codecs::encodeTiff(converted, depth, compression, bytes);
    });
}

} // namespace imagelib
