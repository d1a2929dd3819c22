// Converting pictures to the library's colour depths: the VGA palette, black
// and white, adaptive 16 and 256 colour palettes, and true colour.
#include "imaging/imagelibrary.h"
#include "imaging/quantizer.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace imagelib {

namespace {

const QList<QRgb> &vgaPalette()
{
    static const QList<QRgb> palette = {
        0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
        0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
    };
    return palette;
}

QRgb overWhite(QRgb c)
{
    const int a = qAlpha(c);
    auto blend = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
    return qRgb(blend(qRed(c)), blend(qGreen(c)), blend(qBlue(c)));
}

// Indexed8 with an opaque table, or RGB32: transparency laid over white.
QImage flattened(const QImage &image)
{
    if (image.format() == QImage::Format_Indexed8) {
        QList<QRgb> table = image.colorTable();
        if (std::all_of(table.cbegin(), table.cend(), [](QRgb c) { return qAlpha(c) == 255; }))
            return image;
        QImage copy = image;
        for (QRgb &c : table)
            c = overWhite(c);
        copy.setColorTable(table);
        return copy;
    }
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            line[x] = overWhite(line[x]);
    }
    argb.reinterpretAsFormat(QImage::Format_RGB32);
    return argb;
}

QRgb pixelAt(const QImage &image, const uchar *line, int x)
{
    if (image.format() == QImage::Format_Indexed8)
        return image.color(line[x]);
    return reinterpret_cast<const QRgb *>(line)[x];
}

int luminance(QRgb c)
{
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114 + 500) / 1000;
}

int nearestIndex(const QList<QRgb> &palette, int r, int g, int b)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = r - qRed(palette[i]), dg = g - qGreen(palette[i]), db = b - qBlue(palette[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

// Floyd-Steinberg weights in sixteenths; errors kept for this row and the next.
struct ErrorRows
{
    explicit ErrorRows(int width) : current(size_t(width + 2) * 3), next(size_t(width + 2) * 3) {}
    int take(int x, int channel) const { return current[size_t(x + 1) * 3 + size_t(channel)] / 16; }
    void spread(int x, int channel, int error)
    {
        const size_t c = size_t(channel);
        current[size_t(x + 2) * 3 + c] += error * 7;
        next[size_t(x) * 3 + c] += error * 3;
        next[size_t(x + 1) * 3 + c] += error * 5;
        next[size_t(x + 2) * 3 + c] += error;
    }
    void advance()
    {
        current.swap(next);
        std::fill(next.begin(), next.end(), 0);
    }
    std::vector<int> current;
    std::vector<int> next;
};

// Maps every pixel to the nearest palette colour (by luminance for black and
// white), spreading the difference to the neighbours when dither is set.
QImage toFixedPalette(const QImage &image, const QList<QRgb> &palette, bool byLuminance, bool dither)
{
    QImage out(image.size(), QImage::Format_Indexed8);
    if (out.isNull())
        return {};
    out.setColorTable(palette);
    ErrorRows errors(image.width());
    for (int y = 0; y < image.height(); ++y) {
        const uchar *src = image.constScanLine(y);
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = pixelAt(image, src, x);
            int want[3] = {qRed(c), qGreen(c), qBlue(c)};
            if (byLuminance)
                want[0] = want[1] = want[2] = luminance(c);
            for (int ch = 0; ch < 3; ++ch)
                want[ch] = qBound(0, want[ch] + errors.take(x, ch), 255);
            const int index = byLuminance ? (want[0] >= 128 ? 1 : 0) : nearestIndex(palette, want[0], want[1], want[2]);
            dst[x] = uchar(index);
            if (!dither)
                continue;
            const QRgb got = palette[index];
            const int have[3] = {qRed(got), qGreen(got), qBlue(got)};
            for (int ch = 0; ch < 3; ++ch)
                errors.spread(x, ch, want[ch] - have[ch]);
        }
        errors.advance();
    }
    return out;
}

// The picture's own colours when there are at most maxColours of them (in
// the order of the source palette, or of first appearance); null otherwise.
QImage withExactPalette(const QImage &image, int maxColours)
{
    if (image.format() == QImage::Format_Indexed8 && image.colorCount() <= maxColours)
        return image;
    QHash<QRgb, int> indexOf;
    QList<QRgb> table;
    QImage out(image.size(), QImage::Format_Indexed8);
    if (out.isNull())
        return {};
    for (int y = 0; y < image.height(); ++y) {
        const uchar *src = image.constScanLine(y);
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = pixelAt(image, src, x) | 0xFF000000u;
            auto it = indexOf.constFind(c);
            if (it == indexOf.constEnd()) {
                if (table.size() == maxColours)
                    return {};
                it = indexOf.insert(c, int(table.size()));
                table.append(c);
            }
            dst[x] = uchar(it.value());
        }
    }
    out.setColorTable(table);
    return out;
}

QImage toAdaptivePalette(const QImage &image, int maxColours, bool dither)
{
    QImage exact = withExactPalette(image, maxColours);
    if (!exact.isNull())
        return exact;
    return quantizeImage(image.convertToFormat(QImage::Format_RGB32), maxColours, dither);
}

} // namespace

bool isValidDepth(int depth)
{
    return depth == 0 || depth == 1 || depth == 4 || depth == 8 || depth == 24;
}

int screenDepthClass(int screenBitsPerPixel)
{
    if (screenBitsPerPixel <= 4)
        return 4;
    return screenBitsPerPixel < 16 ? 8 : 24;
}

QImage convertToDepth(const QImage &image, int depth, bool dither)
{
    if (image.isNull() || !isValidDepth(depth))
        return {};
    const QImage flat = flattened(image);
    switch (depth) {
    case 0:
        return toFixedPalette(flat, vgaPalette(), false, dither);
    case 1:
        return toFixedPalette(flat, {qRgb(0, 0, 0), qRgb(255, 255, 255)}, true, dither);
    case 4:
    case 8:
        return toAdaptivePalette(flat, 1 << depth, dither);
    default:
        return flat.convertToFormat(QImage::Format_RGB32);
    }
}

} // namespace imagelib
