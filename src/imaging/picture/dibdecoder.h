// Decoding of device-independent bitmaps as they appear in icons and
// metafiles: BITMAPCOREHEADER and BITMAPINFOHEADER (and its V4/V5 forms),
// 1/4/8/16/24/32 bits, RLE4/RLE8, bit fields, and embedded JPEG/PNG.
// Every size and offset is checked; images beyond the limits are refused.
#pragma once

#include "byteview.h"

#include <QImage>
#include <QString>

namespace dib {

// How a colour table is read: RGBQUAD colours, or 16-bit indices into the
// selected logical palette (which we approximate with the 16 VGA colours).
enum class ColorUsage { Rgb, PaletteIndices };

struct Limits
{
    int maxSide = 16384;
    qint64 maxPixels = qint64(1) << 24;
};

// Pixels that one playback of a metafile may still decode: its bitmaps
// are charged before they are allocated, and what was spent stays spent,
// so a few bytes of run-length data repeated in many records cannot add up
// to gigabytes (or minutes).
class PixelAllowance
{
public:
    explicit PixelAllowance(qint64 pixels) : m_remaining(pixels) {}
    bool take(qint64 pixels)
    {
        if (pixels > m_remaining)
            return false;
        m_remaining -= pixels;
        return true;
    }

private:
    qint64 m_remaining;
};

struct Options
{
    ColorUsage usage = ColorUsage::Rgb;
    // Keep the alpha channel of 32-bit bitmaps (icons, AlphaBlend); otherwise
    // the fourth byte is ignored as GDI does for ordinary blits.
    bool keepAlpha = false;
    Limits limits;
    PixelAllowance *allowance = nullptr;   // none: only the limits apply
};

// info holds the header and colour table, bits the pixel data. Returns a
// null image and sets *error on failure. The result is ARGB32.
QImage decode(const ByteView &info, const ByteView &bits, QString *error, const Options &options = {});

// A packed DIB: header and colour table immediately followed by the bits.
QImage decodePacked(const ByteView &packed, QString *error, const Options &options = {});

// An icon image: a packed DIB whose height counts the colour bits and the
// 1-bit AND mask below them. Masked pixels become transparent.
QImage decodeIcon(const ByteView &packed, QString *error, const Limits &limits = {});

} // namespace dib
