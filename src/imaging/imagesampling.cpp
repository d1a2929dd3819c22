#include "imaging/imagesampling.h"

#include <cmath>
#include <cstring>

namespace imagelib {

namespace {

std::vector<int> sampledPositions(int length, int wanted)
{
    const int count = wanted > 0 && wanted < length ? wanted : length;
    std::vector<int> positions(size_t(qMax(count, 0)));
    for (int i = 0; i < count; ++i)
        positions[size_t(i)] = int((qint64(2 * i + 1) * length) / (qint64(2) * count));
    return positions;
}

} // namespace

Sampling::Sampling(int width, int height, QSize atLeast)
    : m_width(width), m_height(height),
      m_columns(sampledPositions(width, atLeast.isValid() ? atLeast.width() : 0)),
      m_rows(sampledPositions(height, atLeast.isValid() ? atLeast.height() : 0)),
      m_targets(size_t(qMax(height, 0)), -1)
{
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_targets[size_t(m_rows[i])] = int(i);
}

QSize samplingTarget(int width, int height, QSize atLeast, bool keepAspect)
{
    if (!keepAspect || !atLeast.isValid() || width <= 0 || height <= 0)
        return atLeast;
    const double scale = qMin(double(atLeast.width()) / width, double(atLeast.height()) / height);
    if (scale >= 1)
        return {};
    return QSize(qMax(1, int(std::ceil(width * scale))), qMax(1, int(std::ceil(height * scale))));
}

bool Sampling::reduces() const
{
    return int(m_columns.size()) < m_width || int(m_rows.size()) < m_height;
}

QImage sampleImage(const QImage &image, QSize atLeast)
{
    const Sampling sampling(image.width(), image.height(), atLeast);
    if (image.isNull() || !sampling.reduces())
        return image;
    if (image.depth() < 8)
        return sampleImage(image.convertToFormat(QImage::Format_Indexed8), atLeast);
    QImage out(sampling.size(), image.format());
    if (out.isNull())
        return out;
    out.setColorTable(image.colorTable());
    out.setDotsPerMeterX(image.dotsPerMeterX());
    out.setDotsPerMeterY(image.dotsPerMeterY());
    const int bytes = image.depth() / 8;
    for (int y = 0; y < out.height(); ++y) {
        const uchar *src = image.constScanLine(sampling.rows()[size_t(y)]);
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < out.width(); ++x)
            std::memcpy(dst + x * bytes, src + sampling.columns()[size_t(x)] * bytes, size_t(bytes));
    }
    return out;
}

} // namespace imagelib
