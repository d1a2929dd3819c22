// Every file format the program knows, in one table: the filters, the file
// finder's patterns, the readers, the conversion choices and the search
// types are all made from it.
#pragma once

#include "imaging/imagelibrary.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

namespace imagelib {

// How a file of the format becomes a picture: through the library's raster
// codecs, or through the icon loader or the metafile player.
enum class PictureClass { Raster, Icon, Metafile };

struct FormatEntry
{
    const char *extension;   // "bmp": the filter's image type, without a dot
    const char *name;        // "Bmp": as captions spell the format
    PictureClass pictureClass;
    std::optional<FileFormat> codec;  // the library's reader and writer; none for icons and metafiles
    bool convertTarget;      // offered by Convert
    int gatherRank;          // place in the order "all" gathers the formats
    std::span<const char *const> aliases;  // other extensions such files carry: "jpeg", "jpe"
    const char *mimeType;    // as the desktop names the type: "image/jpeg"
};

// The formats in the order the filters show them.
std::span<const FormatEntry> knownFormats();

// The entry for an extension or alias (without its dot, any case); null
// when the program does not know it.
const FormatEntry *formatForExtension(const QString &extension);

// The entry for a file by its name's suffix; null for other files.
const FormatEntry *formatOfFile(const QString &fileName);

// The format's extension and its aliases, as typed in the table.
QStringList extensionsOf(const FormatEntry &entry);

// "*.bmp" for each of extensionsOf(entry).
QStringList patternsOf(const FormatEntry &entry);

// How messages spell a codec: "bmp", "jpg", "gif", "tif", "pcx", "png".
const char *codecName(FileFormat format);

} // namespace imagelib
