// Nearest-neighbour reduction of a picture towards a thumbnail's size,
// shared by the readers that skip unsampled rows and columns and by the
// reduction right after a full decode, so that both give the same pixels.
#pragma once

#include <QImage>
#include <QSize>

#include <vector>

namespace imagelib {

// The source rows and columns a reduced read keeps. An axis longer than the
// wanted size is cut to that size, each output pixel taking the source pixel
// under its centre, as a stretch without smoothing does; a shorter axis keeps
// every pixel. An invalid wanted size keeps the whole picture.
class Sampling
{
public:
    Sampling(int width, int height, QSize atLeast);

    QSize size() const { return {int(m_columns.size()), int(m_rows.size())}; }
    bool reduces() const;
    const std::vector<int> &columns() const { return m_columns; }
    const std::vector<int> &rows() const { return m_rows; }
    // The output row that takes source row y, or -1 when none does.
    int targetRow(int y) const { return y >= 0 && y < int(m_targets.size()) ? m_targets[size_t(y)] : -1; }

private:
    int m_width;
    int m_height;
    std::vector<int> m_columns;
    std::vector<int> m_rows;
    std::vector<int> m_targets;
};

// The size a reduced read of a width x height picture aims at: atLeast, or
// with keepAspect the picture scaled evenly to just cover its proportional
// fit inside atLeast (invalid, the whole picture, when it already fits).
QSize samplingTarget(int width, int height, QSize atLeast, bool keepAspect);

// The picture reduced as Sampling describes (any format, palette and
// resolution kept); the picture itself when nothing is cut.
QImage sampleImage(const QImage &image, QSize atLeast);

} // namespace imagelib
