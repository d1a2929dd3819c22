#include "gdicanvas.h"

#include <QLoggingCategory>
#include <QPainter>
#include <QtMath>
#include <cmath>

Q_LOGGING_CATEGORY(lcCanvas, "pixmoor.picture.canvas", QtWarningMsg)

using namespace gdi;

namespace {

// GDI keeps device coordinates within 27 bits; shapes far beyond the target
// are skipped rather than handed to the rasteriser.
constexpr qreal MaxDeviceCoordinate = 1 << 24;

QPainter::CompositionMode compositionFor(int rop2)
{
    switch (rop2) {
    case R2NotMergePen: return QPainter::RasterOp_NotSourceAndNotDestination;
    case R2MaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case R2NotCopyPen: return QPainter::RasterOp_NotSource;
    case R2MaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case R2Not: return QPainter::RasterOp_NotDestination;
    case R2XorPen: return QPainter::RasterOp_SourceXorDestination;
    case R2NotMaskPen: return QPainter::RasterOp_NotSourceOrNotDestination;
    case R2MaskPen: return QPainter::RasterOp_SourceAndDestination;
    case R2NotXorPen: return QPainter::RasterOp_NotSourceXorDestination;
    case R2MergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case R2MergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    case R2MergePen: return QPainter::RasterOp_SourceOrDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

Qt::BrushStyle hatchStyle(int hatch)
{
    switch (hatch) {
    case 0: return Qt::HorPattern;
    case 1: return Qt::VerPattern;
    case 2: return Qt::BDiagPattern; // HS_FDIAGONAL runs from top left down to the right
    case 3: return Qt::FDiagPattern;
    case 4: return Qt::CrossPattern;
    default: return Qt::DiagCrossPattern;
    }
}

QList<qreal> dashesFor(int style)
{
    switch (style) {
    case PsDash: return {18, 6};
    case PsDot: return {3, 3};
    case PsDashDot: return {9, 6, 3, 6};
    case PsDashDotDot: return {9, 3, 3, 3, 3, 3};
    case PsAlternate: return {1, 1};
    default: return {};
    }
}

bool finite(const QTransform &t)
{
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) && std::isfinite(t.m22())
        && std::isfinite(t.dx()) && std::isfinite(t.dy());
}

QTransform pageTransform(const State &s, const PlaybackFrame &frame)
{
    qreal sx = 1, sy = 1;
    const qreal mmX = frame.unitsPerMmX, mmY = frame.unitsPerMmY;
    switch (s.mapMode) {
    case MmLoMetric: sx = mmX * 0.1, sy = -mmY * 0.1; break;
    case MmHiMetric: sx = mmX * 0.01, sy = -mmY * 0.01; break;
    case MmLoEnglish: sx = mmX * 0.254, sy = -mmY * 0.254; break;
    case MmHiEnglish: sx = mmX * 0.0254, sy = -mmY * 0.0254; break;
    case MmTwips: sx = mmX * 25.4 / 1440, sy = -mmY * 25.4 / 1440; break;
    case MmIsotropic:
    case MmAnisotropic:
        sx = s.windowExt.width() ? s.viewportExt.width() / s.windowExt.width() : 1;
        sy = s.windowExt.height() ? s.viewportExt.height() / s.windowExt.height() : 1;
        if (s.mapMode == MmIsotropic) {
            const qreal scale = qMin(qAbs(sx), qAbs(sy));
            sx = sx < 0 ? -scale : scale;
            sy = sy < 0 ? -scale : scale;
        }
        break;
    default: break;
    }
    return QTransform(sx, 0, 0, sy, s.viewportOrg.x() - s.windowOrg.x() * sx, s.viewportOrg.y() - s.windowOrg.y() * sy);
}

} // namespace

GdiCanvas::GdiCanvas(QPainter &painter, const PlaybackFrame &frame, int objectCapacity)
    : m_painter(painter), m_frame(frame), m_objects(objectCapacity)
{
    const QRectF &s = frame.source;
    QTransform frameToTarget;
    if (s.width() != 0 && s.height() != 0) {
        frameToTarget.translate(frame.target.left(), frame.target.top());
        frameToTarget.scale(frame.target.width() / s.width(), frame.target.height() / s.height());
        frameToTarget.translate(-s.left(), -s.top());
    }
    m_frameToDevice = frameToTarget * painter.transform();
    m_deviceBounds = painter.transform().mapRect(frame.target).toAlignedRect();
    m_painter.save();
    m_painter.setClipRect(frame.target, Qt::IntersectClip);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.save();
    updateTransform();
}

GdiCanvas::~GdiCanvas()
{
    m_painter.restore();
    m_painter.restore();
}

dib::Options GdiCanvas::bitmapOptions(dib::ColorUsage usage)
{
    dib::Options options;
    options.usage = usage;
    options.allowance = &m_bitmapAllowance;
    return options;
}

void GdiCanvas::updateTransform()
{
    const QTransform total = m_state.world * pageTransform(m_state, m_frame) * m_frameToDevice;
    if (finite(total))
        m_toDevice = total;
    else
        qCDebug(lcCanvas) << "mapping without a finite transform ignored";
}

void GdiCanvas::setMapMode(int mode)
{
    if (mode < MmText || mode > MmAnisotropic)
        return;
    m_state.mapMode = mode;
    updateTransform();
}

void GdiCanvas::setWindowOrg(QPointF origin)
{
    m_state.windowOrg = origin;
    updateTransform();
}

void GdiCanvas::setWindowExt(QSizeF extent)
{
    if (extent.width() == 0 || extent.height() == 0)
        return;
    m_state.windowExt = extent;
    updateTransform();
}

void GdiCanvas::setViewportOrg(QPointF origin)
{
    m_state.viewportOrg = origin;
    updateTransform();
}

void GdiCanvas::setViewportExt(QSizeF extent)
{
    if (extent.width() == 0 || extent.height() == 0)
        return;
    m_state.viewportExt = extent;
    updateTransform();
}

void GdiCanvas::scaleWindowExt(qreal xNum, qreal xDenom, qreal yNum, qreal yDenom)
{
    if (xDenom != 0 && yDenom != 0)
        setWindowExt({m_state.windowExt.width() * xNum / xDenom, m_state.windowExt.height() * yNum / yDenom});
}

void GdiCanvas::scaleViewportExt(qreal xNum, qreal xDenom, qreal yNum, qreal yDenom)
{
    if (xDenom != 0 && yDenom != 0)
        setViewportExt({m_state.viewportExt.width() * xNum / xDenom, m_state.viewportExt.height() * yNum / yDenom});
}

void GdiCanvas::setWorldTransform(const QTransform &transform)
{
    if (!finite(transform) || !transform.isInvertible())
        return;
    m_state.world = transform;
    updateTransform();
}

void GdiCanvas::modifyWorldTransform(const QTransform &transform, WorldModify mode)
{
    switch (mode) {
    case WorldModify::Identity: setWorldTransform(QTransform()); break;
    case WorldModify::LeftMultiply: setWorldTransform(transform * m_state.world); break;
    case WorldModify::RightMultiply: setWorldTransform(m_state.world * transform); break;
    case WorldModify::Set: setWorldTransform(transform); break;
    }
}

bool GdiCanvas::saveDc()
{
    if (m_saved.size() >= MaxSaveDepth) {
        qCDebug(lcCanvas) << "SaveDC nesting beyond" << MaxSaveDepth << "ignored";
        return false;
    }
    m_saved.append(m_state);
    return true;
}

bool GdiCanvas::restoreDc(int which)
{
    // Negative: relative to the top of the stack; positive: an absolute level.
    const qsizetype level = which < 0 ? m_saved.size() + which : qsizetype(which) - 1;
    if (which == 0 || level < 0 || level >= m_saved.size())
        return false;
    const bool clipChanged = m_saved[level].clipped != m_state.clipped || m_saved[level].clip != m_state.clip;
    m_state = m_saved[level];
    m_saved.resize(level);
    updateTransform();
    if (clipChanged)
        applyClip();
    return true;
}

void GdiCanvas::selectObject(const Object &object)
{
    switch (object.kind) {
    case Object::Kind::Pen: m_state.pen = object.pen; break;
    case Object::Kind::Brush: m_state.brush = object.brush; break;
    case Object::Kind::Font: m_state.font = object.font; break;
    case Object::Kind::Region: combineClip(object.region, RgnCopy); break;
    case Object::Kind::Palette: break;
    }
}

void GdiCanvas::applyClip()
{
    m_painter.restore();
    m_painter.save();
    if (m_state.clipped) {
        m_painter.resetTransform();
        m_painter.setClipRegion(m_state.clip, Qt::IntersectClip);
    }
}

void GdiCanvas::combineClip(const QRegion &deviceRegion, int mode)
{
    QRegion current = m_state.clipped ? m_state.clip : QRegion(m_deviceBounds);
    QRegion incoming = boundedRegion(deviceRegion);
    // Combining can give about the product of the two counts (strips across
    // strips): past this, the two regions' bounds are combined instead.
    constexpr qint64 MaxCombinedRectangles = qint64(1) << 22;
    if (qint64(current.rectCount()) * incoming.rectCount() > MaxCombinedRectangles) {
        qCDebug(lcCanvas) << "clip regions of" << current.rectCount() << "and" << incoming.rectCount()
                          << "rectangles combined by their bounds";
        current = current.boundingRect();
        incoming = incoming.boundingRect();
    }
    switch (mode) {
    case RgnAnd: m_state.clip = current.intersected(incoming); break;
    case RgnOr: m_state.clip = current.united(incoming); break;
    case RgnXor: m_state.clip = current.xored(incoming); break;
    case RgnDiff: m_state.clip = current.subtracted(incoming); break;
    case RgnCopy: m_state.clip = incoming; break;
    default: return;
    }
    m_state.clip = boundedRegion(m_state.clip);
    m_state.clipped = true;
    applyClip();
}

void GdiCanvas::resetClip()
{
    m_state.clipped = false;
    m_state.clip = QRegion();
    applyClip();
}

QRect GdiCanvas::clipDeviceRect(const QRectF &logical) const
{
    const QRectF mapped = m_toDevice.mapRect(logical.normalized());
    if (!std::isfinite(mapped.left()) || !std::isfinite(mapped.top()) || !std::isfinite(mapped.right())
        || !std::isfinite(mapped.bottom()))
        return {};
    const QRectF room(-MaxDeviceCoordinate, -MaxDeviceCoordinate, 2 * MaxDeviceCoordinate,
                      2 * MaxDeviceCoordinate);
    return mapped.intersected(room).toRect();
}

void GdiCanvas::intersectClipRect(const QRectF &rect)
{
    combineClip(QRegion(clipDeviceRect(rect)), RgnAnd);
}

void GdiCanvas::excludeClipRect(const QRectF &rect)
{
    combineClip(QRegion(clipDeviceRect(rect)), RgnDiff);
}

void GdiCanvas::offsetClip(QPointF logicalOffset)
{
    if (!m_state.clipped)
        return;
    const QPointF delta = m_toDevice.map(logicalOffset) - m_toDevice.map(QPointF());
    if (!reasonable(QRectF(delta, QSizeF(0, 0))))
        return;
    m_state.clip.translate(delta.toPoint());
    applyClip();
}

bool GdiCanvas::reasonable(const QRectF &deviceBounds) const
{
    return std::isfinite(deviceBounds.left()) && std::isfinite(deviceBounds.top())
        && std::isfinite(deviceBounds.right()) && std::isfinite(deviceBounds.bottom())
        && qAbs(deviceBounds.left()) < MaxDeviceCoordinate && qAbs(deviceBounds.right()) < MaxDeviceCoordinate
        && qAbs(deviceBounds.top()) < MaxDeviceCoordinate && qAbs(deviceBounds.bottom()) < MaxDeviceCoordinate;
}

QPen GdiCanvas::currentPen() const
{
    const Pen &p = m_state.pen;
    if (p.style == PsNull)
        return Qt::NoPen;
    const qreal scale = std::sqrt(qAbs(m_toDevice.determinant()));
    const bool thin = p.width * scale <= 1.5;
    QPen pen(p.color);
    pen.setCosmetic(thin);
    pen.setWidthF(thin ? 0 : p.width);
    pen.setCapStyle(p.geometric ? p.cap : Qt::RoundCap);
    pen.setJoinStyle(p.geometric ? p.join : Qt::RoundJoin);
    pen.setMiterLimit(m_state.miterLimit);
    if (p.style == PsUserStyle && !p.userDashes.isEmpty() && p.width > 0) {
        QList<qreal> pattern;
        for (qreal dash : p.userDashes)
            pattern.append(qMax<qreal>(dash / p.width, 0.01));
        if (pattern.size() % 2)
            pattern.append(pattern.last());
        pen.setDashPattern(pattern);
    } else if ((thin || p.geometric) && !dashesFor(p.style).isEmpty()) {
        pen.setDashPattern(dashesFor(p.style));
    }
    return pen;
}

QBrush GdiCanvas::brushFor(const Brush &brush) const
{
    switch (brush.style) {
    case BsNull: return Qt::NoBrush;
    case BsHatched: return QBrush(brush.color, hatchStyle(brush.hatch));
    case BsPattern:
    case BsDibPattern:
    case BsDibPatternPt: {
        if (brush.pattern.isNull())
            return QBrush(brush.color);
        // Patterns tile in device pixels, whatever the mapping.
        QBrush textured(brush.pattern);
        textured.setTransform(m_toDevice.inverted());
        return textured;
    }
    default: return QBrush(brush.color);
    }
}

bool GdiCanvas::ropDrawsNothing() const
{
    return m_state.rop2 == R2Nop;
}

bool GdiCanvas::prepare(Paint paint)
{
    if (ropDrawsNothing())
        return false;
    m_painter.setTransform(m_toDevice);
    m_painter.setCompositionMode(compositionFor(m_state.rop2));
    QPen pen = (int(paint) & int(Paint::Stroke)) ? currentPen() : QPen(Qt::NoPen);
    QBrush brush = (int(paint) & int(Paint::Fill)) ? brushFor(m_state.brush) : QBrush(Qt::NoBrush);
    if (m_state.rop2 == R2Black || m_state.rop2 == R2White) {
        const QColor fixed = m_state.rop2 == R2Black ? Qt::black : Qt::white;
        pen.setColor(fixed);
        if (brush.style() != Qt::NoBrush)
            brush = QBrush(fixed);
    }
    m_painter.setPen(pen);
    m_painter.setBrush(brush);
    m_painter.setBackgroundMode(m_state.backgroundMode == Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_state.backgroundColor);
    return pen.style() != Qt::NoPen || brush.style() != Qt::NoBrush;
}

void GdiCanvas::drawPath(const QPainterPath &path, Paint paint)
{
    if (!reasonable(m_toDevice.mapRect(path.boundingRect()))) {
        qCDebug(lcCanvas) << "shape far outside the device skipped";
        return;
    }
    if (prepare(paint))
        m_painter.drawPath(path);
}

void GdiCanvas::output(const QPainterPath &path, Paint paint)
{
    if (m_inPath) {
        appendToPath(path);
        return;
    }
    QPainterPath filled = path;
    filled.setFillRule(m_state.polyFillMode == Winding ? Qt::WindingFill : Qt::OddEvenFill);
    drawPath(filled, paint);
}

void GdiCanvas::appendToPath(const QPainterPath &path)
{
    m_path.addPath(path);
}
