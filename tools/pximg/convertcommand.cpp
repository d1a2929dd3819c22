#include "convertcommand.h"

#include "imaging/formats.h"

#include <QHash>

namespace {

using imagelib::FileFormat;
using imagelib::TiffCompression;

// The formats Convert offers, by their extensions.
bool parseFormat(const QString &word, FileFormat &format)
{
    const imagelib::FormatEntry *entry = imagelib::formatForExtension(word);
    if (!entry || !entry->convertTarget || !entry->codec || word != QLatin1String(entry->extension))
        return false;
    format = *entry->codec;
    return true;
}

bool parseCompression(const QString &word, TiffCompression &compression)
{
    static const QHash<QString, TiffCompression> names = {
        {QStringLiteral("none"), TiffCompression::None}, {QStringLiteral("ccitt"), TiffCompression::Ccitt},
        {QStringLiteral("lzw"), TiffCompression::Lzw}, {QStringLiteral("packbits"), TiffCompression::PackBits},
    };
    const auto it = names.constFind(word);
    if (it == names.constEnd())
        return false;
    compression = it.value();
    return true;
}

bool parseNumber(const QString &word, int &value)
{
    bool ok = false;
    value = word.toInt(&ok);
    return ok;
}

} // namespace

bool ConvertCommand::parse(const QStringList &words, QString *error)
{
    QStringList files;
    for (int i = 0; i < words.size(); ++i) {
        const QString &word = words[i];
        const bool hasValue = i + 1 < words.size();
        const QString value = hasValue ? words[i + 1] : QString();
        bool ok = true;
        if (word == QLatin1String("--dither")) {
            dither = true;
        } else if (word == QLatin1String("--interlace")) {
            interlace = true;
        } else if (word == QLatin1String("--format")) {
            ok = hasValue && parseFormat(value, format);
            ++i;
        } else if (word == QLatin1String("--depth")) {
            grey = value == QLatin1String("gray");
            ok = hasValue && (grey || (parseNumber(value, depth) && imagelib::isValidDepth(depth)));
            ++i;
        } else if (word == QLatin1String("--quality")) {
            ok = hasValue && parseNumber(value, quality);
            ++i;
        } else if (word == QLatin1String("--smooth")) {
            ok = hasValue && parseNumber(value, smoothing);
            ++i;
        } else if (word == QLatin1String("--tiff")) {
            ok = hasValue && parseCompression(value, compression);
            ++i;
        } else if (word.startsWith(QLatin1String("--"))) {
            ok = false;
        } else {
            files.append(word);
        }
        if (!ok) {
            *error = QStringLiteral("bad option or value: %1 %2").arg(word, value);
            return false;
        }
    }
    if (files.size() != 2) {
        *error = QStringLiteral("convert needs one input and one output file");
        return false;
    }
    input = files[0];
    output = files[1];
    return true;
}

imagelib::Result ConvertCommand::run() const
{
    const std::optional<FileFormat> inputFormat = imagelib::formatFromFileName(input);
    if (!inputFormat)
        return imagelib::Unsupported;
    // JPEG and greyscale output start from true colour; other formats are read
    // at their depth so that --dither decides how colours are reduced.
    const bool fromTrueColour = grey || format == FileFormat::Jpeg;
    imagelib::ReadOptions options;
    options.depth = fromTrueColour ? 24 : depth;
    options.dither = dither;
    QImage image;
    imagelib::Result result = imagelib::readImage(input, *inputFormat, options, image);
    if (!imagelib::succeeded(result))
        return result;
    int writeDepth = depth;
    if (grey) {
        image = image.convertToFormat(QImage::Format_Grayscale8);
        writeDepth = format == FileFormat::Jpeg ? 1 : 8;
    }
    switch (format) {
    case FileFormat::Bmp: return imagelib::writeBmp(output, writeDepth, image);
    case FileFormat::Gif: return imagelib::writeGif(output, writeDepth, image);
    case FileFormat::Pcx: return imagelib::writePcx(output, writeDepth, image);
    case FileFormat::Png: return imagelib::writePng(output, writeDepth, interlace, image);
    case FileFormat::Jpeg: return imagelib::writeJpeg(output, quality, smoothing, writeDepth, image);
    case FileFormat::Tiff: return imagelib::writeTiff(output, compression, writeDepth, image);
    }
    return imagelib::BadArgument;
}
