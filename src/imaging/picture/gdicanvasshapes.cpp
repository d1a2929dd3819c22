// Lines, curves, closed shapes and the path bracket of GdiCanvas.
#include "gdicanvas.h"

#include <QPainter>
#include <QtMath>
#include <cmath>

using namespace gdi;

namespace {

constexpr quint8 PtCloseFigure = 0x01, PtLineTo = 0x02, PtBezierTo = 0x04, PtMoveTo = 0x06;

QPainterPath polygonPath(const QPolygonF &points, bool closed)
{
    QPainterPath path;
    if (points.isEmpty())
        return path;
    path.moveTo(points.first());
    for (qsizetype i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    if (closed)
        path.closeSubpath();
    return path;
}

// Appends Bézier segments: each takes three points after the start point.
void addBeziers(QPainterPath &path, const QPolygonF &points, qsizetype from)
{
    for (qsizetype i = from; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
}

} // namespace

void GdiCanvas::moveTo(QPointF point)
{
    m_state.position = point;
    if (m_inPath)
        m_path.moveTo(point);
}

void GdiCanvas::lineTo(QPointF point)
{
    polylineTo(QPolygonF{point});
}

void GdiCanvas::polylineTo(const QPolygonF &points)
{
    if (points.isEmpty())
        return;
    QPainterPath path;
    path.moveTo(m_state.position);
    for (const QPointF &point : points)
        path.lineTo(point);
    m_state.position = points.last();
    if (!m_inPath) {
        output(path, Paint::Stroke);
        return;
    }
    if (m_path.elementCount() == 0 || m_path.currentPosition() != path.elementAt(0))
        m_path.moveTo(path.elementAt(0));
    for (const QPointF &point : points)
        m_path.lineTo(point);
}

void GdiCanvas::polyline(const QPolygonF &points)
{
    if (points.size() >= 2)
        output(polygonPath(points, false), Paint::Stroke);
}

void GdiCanvas::polygon(const QPolygonF &points)
{
    if (points.size() >= 2)
        output(polygonPath(points, true), Paint::StrokeAndFill);
}

void GdiCanvas::polyPolygon(const QList<QPolygonF> &polygons)
{
    QPainterPath path;
    for (const QPolygonF &points : polygons)
        path.addPath(polygonPath(points, true));
    output(path, Paint::StrokeAndFill);
}

void GdiCanvas::polyPolyline(const QList<QPolygonF> &polylines)
{
    QPainterPath path;
    for (const QPolygonF &points : polylines)
        path.addPath(polygonPath(points, false));
    output(path, Paint::Stroke);
}

void GdiCanvas::polyBezier(const QPolygonF &points)
{
    if (points.size() < 4)
        return;
    QPainterPath path;
    path.moveTo(points.first());
    addBeziers(path, points, 1);
    output(path, Paint::Stroke);
}

void GdiCanvas::polyBezierTo(const QPolygonF &points)
{
    if (points.size() < 3)
        return;
    QPainterPath path;
    path.moveTo(m_state.position);
    addBeziers(path, points, 0);
    m_state.position = path.currentPosition();
    if (!m_inPath) {
        output(path, Paint::Stroke);
        return;
    }
    if (m_path.elementCount() == 0 || m_path.currentPosition() != path.elementAt(0))
        m_path.moveTo(path.elementAt(0));
    addBeziers(m_path, points, 0);
}

void GdiCanvas::polyDraw(const QPolygonF &points, QByteArrayView types)
{
    QPainterPath path;
    path.moveTo(m_state.position);
    for (qsizetype i = 0; i < points.size() && i < types.size(); ++i) {
        const quint8 type = quint8(types[i]);
        if ((type & ~PtCloseFigure) == PtMoveTo) {
            path.moveTo(points[i]);
        } else if ((type & ~PtCloseFigure) == PtLineTo) {
            path.lineTo(points[i]);
        } else if ((type & ~PtCloseFigure) == PtBezierTo && i + 2 < points.size()) {
            path.cubicTo(points[i], points[i + 1], points[i + 2]);
            i += 2;
        }
        if (type & PtCloseFigure)
            path.closeSubpath();
    }
    m_state.position = path.currentPosition();
    output(path, Paint::Stroke);
}

void GdiCanvas::rectangle(const QRectF &box)
{
    QPainterPath path;
    path.addRect(box.normalized());
    output(path, Paint::StrokeAndFill);
}

void GdiCanvas::roundRect(const QRectF &box, QSizeF corner)
{
    QPainterPath path;
    path.addRoundedRect(box.normalized(), qAbs(corner.width()) / 2, qAbs(corner.height()) / 2);
    output(path, Paint::StrokeAndFill);
}

void GdiCanvas::ellipse(const QRectF &box)
{
    QPainterPath path;
    path.addEllipse(box.normalized());
    output(path, Paint::StrokeAndFill);
}

QPainterPath GdiCanvas::arcPath(ArcKind kind, const QRectF &box, QPointF start, QPointF end) const
{
    const QRectF r = box.normalized();
    const QPointF c = r.center();
    const qreal rx = r.width() / 2, ry = r.height() / 2;
    auto angleOf = [&](QPointF p) {
        if (rx == 0 || ry == 0)
            return 0.0;
        return qRadiansToDegrees(std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx));
    };
    const qreal from = angleOf(start);
    qreal sweep = angleOf(end) - from;
    // GDI turns in device space: a mapping that flips an axis flips the turn.
    const bool counterClockwise = (m_state.arcDirection == CounterClockwise) == (m_toDevice.determinant() > 0);
    if (counterClockwise)
        sweep = sweep <= 0 ? sweep + 360 : sweep;
    else
        sweep = sweep >= 0 ? sweep - 360 : sweep;
    QPainterPath path;
    if (kind == ArcKind::Pie)
        path.moveTo(c);
    else if (kind == ArcKind::ArcTo)
        path.moveTo(m_state.position);
    else
        path.arcMoveTo(r, from);
    path.arcTo(r, from, sweep);
    if (kind == ArcKind::Pie || kind == ArcKind::Chord)
        path.closeSubpath();
    return path;
}

void GdiCanvas::arc(ArcKind kind, const QRectF &box, QPointF start, QPointF end)
{
    const QPainterPath path = arcPath(kind, box, start, end);
    if (kind == ArcKind::ArcTo)
        m_state.position = path.currentPosition();
    if (kind == ArcKind::ArcTo && m_inPath) {
        m_path.connectPath(path);
        return;
    }
    output(path, kind == ArcKind::Arc || kind == ArcKind::ArcTo ? Paint::Stroke : Paint::StrokeAndFill);
}

void GdiCanvas::angleArc(QPointF center, qreal radius, qreal startDegrees, qreal sweepDegrees)
{
    const QRectF box(center.x() - radius, center.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path;
    path.moveTo(m_state.position);
    path.arcTo(box, startDegrees, sweepDegrees);
    m_state.position = path.currentPosition();
    if (m_inPath)
        m_path.connectPath(path);
    else
        output(path, Paint::Stroke);
}

void GdiCanvas::setPixel(QPointF point, const QColor &color)
{
    const QPointF device = m_toDevice.map(point);
    if (!reasonable(QRectF(device, QSizeF(1, 1))) || ropDrawsNothing())
        return;
    m_painter.resetTransform();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.fillRect(QRectF(std::floor(device.x()), std::floor(device.y()), 1, 1), color);
}

void GdiCanvas::beginPath()
{
    m_inPath = true;
    m_path = QPainterPath();
    m_path.moveTo(m_state.position);
}

void GdiCanvas::endPath()
{
    m_inPath = false;
}

void GdiCanvas::abortPath()
{
    m_inPath = false;
    m_path = QPainterPath();
}

void GdiCanvas::closeFigure()
{
    if (m_inPath)
        m_path.closeSubpath();
}

void GdiCanvas::fillPath()
{
    m_path.setFillRule(m_state.polyFillMode == Winding ? Qt::WindingFill : Qt::OddEvenFill);
    drawPath(m_path, Paint::Fill);
    abortPath();
}

void GdiCanvas::strokePath()
{
    drawPath(m_path, Paint::Stroke);
    abortPath();
}

void GdiCanvas::strokeAndFillPath()
{
    m_path.setFillRule(m_state.polyFillMode == Winding ? Qt::WindingFill : Qt::OddEvenFill);
    drawPath(m_path, Paint::StrokeAndFill);
    abortPath();
}

void GdiCanvas::flattenPath()
{
    QPainterPath flat;
    for (const QPolygonF &polygon : m_path.toSubpathPolygons())
        flat.addPolygon(polygon);
    m_path = flat;
}

namespace {

// The region of a clip path in device pixels: exact over the device, and
// beyond it (where only a later clip offset could bring it into view) the
// path's bounding rectangle within a margin. Qt needs time and memory for
// every scan line of a polygon's region, and gives up (leaking) on ones
// taller than about 100,000 lines, so only the device's lines are traced; a
// path whose points times those lines pass a million clips to its bounds.
QRegion clipRegionOfPath(const QPainterPath &device, const QRect &deviceBounds)
{
    constexpr qint64 MaxRegionRectangles = qint64(1) << 20;
    constexpr int Margin = 30000;
    const qint64 points = qMax(1, device.elementCount()), lines = qMax(1, deviceBounds.height());
    const QRect bounds =
        device.boundingRect().intersected(QRectF(deviceBounds.adjusted(-Margin, -Margin, Margin, Margin))).toAlignedRect();
    QRegion overDevice;
    if (points * lines > MaxRegionRectangles) {
        overDevice = QRegion(bounds.intersected(deviceBounds));
    } else {
        QPainterPath devicePath;
        devicePath.addRect(deviceBounds);
        overDevice = QRegion(device.intersected(devicePath).toFillPolygon().toPolygon(), device.fillRule());
    }
    return overDevice.united(QRegion(bounds).subtracted(QRegion(deviceBounds)));
}

} // namespace

void GdiCanvas::selectClipPath(int mode)
{
    QPainterPath device = m_toDevice.map(m_path);
    device.setFillRule(m_state.polyFillMode == Winding ? Qt::WindingFill : Qt::OddEvenFill);
    if (reasonable(device.boundingRect()))
        combineClip(clipRegionOfPath(device, m_deviceBounds), mode);
    abortPath();
}

void GdiCanvas::fillRegion(const QRegion &region, const Brush &brush)
{
    if (ropDrawsNothing())
        return;
    m_painter.resetTransform();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setBackgroundMode(m_state.backgroundMode == Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_state.backgroundColor);
    QBrush qbrush = brushFor(brush);
    qbrush.setTransform(QTransform());
    for (const QRect &rect : region)
        if (reasonable(rect))
            m_painter.fillRect(rect, qbrush);
}

void GdiCanvas::frameRegion(const QRegion &region, const Brush &brush, QSize stroke)
{
    const int w = qBound(1, stroke.width(), 1000), h = qBound(1, stroke.height(), 1000);
    const QRegion inner = region.translated(w, 0).intersected(region.translated(-w, 0))
                              .intersected(region.translated(0, h)).intersected(region.translated(0, -h));
    fillRegion(region.subtracted(inner), brush);
}

void GdiCanvas::invertRegion(const QRegion &region)
{
    m_painter.resetTransform();
    m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const QRect &rect : region)
        if (reasonable(rect))
            m_painter.fillRect(rect, Qt::black);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
