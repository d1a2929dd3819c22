// The PCX header layout shared by the reader and the writer.
#pragma once

#include <QtGlobal>

namespace imagelib::pcx {

constexpr int HeaderSize = 128;
constexpr uchar Manufacturer = 0x0A;
constexpr uchar RleEncoding = 1;
constexpr uchar PaletteMarker = 0x0C;
constexpr int TrailingPaletteSize = 1 + 256 * 3;   // marker and 256 RGB entries

enum Offset {
    VersionOffset = 1,
    EncodingOffset = 2,
    BitsOffset = 3,
    WindowOffset = 4,     // xmin, ymin, xmax, ymax
    DpiOffset = 12,
    PaletteOffset = 16,   // 16 RGB entries
    PlanesOffset = 65,
    BytesPerLineOffset = 66,
    PaletteInfoOffset = 68,
};

} // namespace imagelib::pcx
