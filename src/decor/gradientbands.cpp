#include "decor/gradientbands.h"

#include <QPainter>
#include <cstdlib>

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return 0;
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(static_cast<long long>(c)) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude = (std::llabs(product) + half) / std::llabs(static_cast<long long>(c));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

namespace {

int stepComponent(int start, int end, int band, int numColors)
{
    return numColors >= 2 ? start + mulDiv(band, end - start, numColors - 1) : start;
}

} // namespace

QList<GradientBand> gradientBands(const QColor &start, const QColor &end, const QRect &r, int numColors)
{
    QList<GradientBand> bands;
    if (numColors < 1)
        return bands;
    // QRect's right() is inclusive; the band maths works on the exclusive edge.
    const int width = r.width();
    bands.reserve(numColors);
    for (int i = 0; i < numColors; ++i) {
        const int x0 = r.left() + mulDiv(i, width, numColors);
        const int x1 = r.left() + mulDiv(i + 1, width, numColors);
        const QColor color(stepComponent(start.red(), end.red(), i, numColors),
                           stepComponent(start.green(), end.green(), i, numColors),
                           stepComponent(start.blue(), end.blue(), i, numColors));
        bands.append({QRect(x0, r.top(), x1 - x0, r.height()), color});
    }
    return bands;
}

void DrawGradient(QPainter &painter, const QColor &start, const QColor &end, const QRect &r, int numColors)
{
    for (const GradientBand &band : gradientBands(start, end, r, numColors)) {
        if (!band.rect.isEmpty())
            painter.fillRect(band.rect, band.color);
    }
}
