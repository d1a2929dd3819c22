#include "imaging/formats.h"

#include <QFileInfo>
#include <algorithm>

namespace imagelib {

namespace {
constexpr const char *JpegAliases[] = {"jpeg", "jpe"};
constexpr const char *TiffAliases[] = {"tiff"};

constexpr FormatEntry Formats[] = {
    {"bmp", "Bmp", PictureClass::Raster, FileFormat::Bmp, true, 0, {}, "image/bmp"},
    {"dib", "Dib", PictureClass::Raster, FileFormat::Bmp, false, 9, {}, "image/bmp"},
    {"emf", "Emf", PictureClass::Metafile, std::nullopt, false, 8, {}, "image/emf"},
    {"gif", "Gif", PictureClass::Raster, FileFormat::Gif, true, 1, {}, "image/gif"},
    {"ico", "Icon", PictureClass::Icon, std::nullopt, false, 2, {}, "image/vnd.microsoft.icon"},
    {"jpg", "Jpeg", PictureClass::Raster, FileFormat::Jpeg, true, 3, JpegAliases, "image/jpeg"},
    {"pcx", "Pcx", PictureClass::Raster, FileFormat::Pcx, true, 4, {}, "image/vnd.zbrush.pcx"},
    {"png", "Png", PictureClass::Raster, FileFormat::Png, true, 5, {}, "image/png"},
    {"tif", "Tiff", PictureClass::Raster, FileFormat::Tiff, true, 6, TiffAliases, "image/tiff"},
    {"wmf", "Wmf", PictureClass::Metafile, std::nullopt, false, 7, {}, "image/wmf"},
};
} // namespace

std::span<const FormatEntry> knownFormats()
{
    return Formats;
}

QStringList extensionsOf(const FormatEntry &entry)
{
    QStringList extensions{QString::fromLatin1(entry.extension)};
    for (const char *alias : entry.aliases)
        extensions.append(QString::fromLatin1(alias));
    return extensions;
}

QStringList patternsOf(const FormatEntry &entry)
{
    QStringList patterns;
    for (const QString &extension : extensionsOf(entry))
        patterns.append(QStringLiteral("*.") + extension);
    return patterns;
}

const FormatEntry *formatForExtension(const QString &extension)
{
    const auto found = std::find_if(std::begin(Formats), std::end(Formats), [&](const FormatEntry &entry) {
        return extensionsOf(entry).contains(extension, Qt::CaseInsensitive);
    });
    return found == std::end(Formats) ? nullptr : &*found;
}

const FormatEntry *formatOfFile(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    return suffix.isEmpty() ? nullptr : formatForExtension(suffix);
}

const char *codecName(FileFormat format)
{
    switch (format) {
    case FileFormat::Bmp: return "bmp";
    case FileFormat::Jpeg: return "jpg";
    case FileFormat::Gif: return "gif";
    case FileFormat::Tiff: return "tif";
    case FileFormat::Pcx: return "pcx";
    case FileFormat::Png: return "png";
    }
    return "";
}

} // namespace imagelib
