// The drawing records of EmfPlayer: shapes, polygons, paths, regions, text
// and bitmaps.
#include "emfplayer.h"

#include "dibdecoder.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcEmf)

using namespace gdi;

namespace {

enum Type : quint32 {
    PolyBezier = 2, Polygon = 3, Polyline = 4, PolyBezierTo = 5, PolylineTo = 6, PolyPolyline = 7,
    PolyPolygon = 8, SetPixelV = 15, MoveToEx = 27, AngleArc = 41, Ellipse = 42, Rectangle = 43, RoundRect = 44,
    Arc = 45, Chord = 46, Pie = 47, LineTo = 54, ArcTo = 55, PolyDraw = 56, BeginPath = 59, EndPath = 60,
    CloseFigure = 61, FillPath = 62, StrokeAndFillPath = 63, StrokePath = 64, FlattenPath = 65, WidenPath = 66,
    SelectClipPath = 67, AbortPath = 68, FillRgn = 71, FrameRgn = 72, InvertRgn = 73, PaintRgn = 74,
    BitBlt = 76, StretchBlt = 77, SetDibitsToDevice = 80, StretchDibits = 81, ExtTextOutA = 83,
    ExtTextOutW = 84, PolyBezier16 = 85, Polygon16 = 86, Polyline16 = 87, PolyBezierTo16 = 88,
    PolylineTo16 = 89, PolyPolyline16 = 90, PolyPolygon16 = 91, PolyDraw16 = 92, SmallTextOut = 108,
    AlphaBlend = 114,
};

constexpr quint32 EtoNoRect = 0x0100, EtoSmallChars = 0x0200, EtoPdy = 0x2000;
constexpr quint32 GmAdvanced = 2;

QPointF pointAt(const ByteView &r, qint64 offset)
{
    return QPointF(r.s32(offset), r.s32(offset + 4));
}

QRectF boxAt(const ByteView &r, qint64 offset)
{
    return QRectF(pointAt(r, offset), pointAt(r, offset + 8));
}

bool is16Bit(quint32 type)
{
    return type >= PolyBezier16 && type <= PolyDraw16;
}

QPolygonF pointsAt(const ByteView &r, qint64 offset, qint64 count, bool small)
{
    QPolygonF points;
    points.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        if (small)
            points.append(QPointF(r.s16(offset + 4 * i), r.s16(offset + 4 * i + 2)));
        else
            points.append(pointAt(r, offset + 8 * i));
    }
    return points;
}

// The point type of a 16-bit record is the 32-bit one it shortens.
quint32 baseType(quint32 type)
{
    static constexpr quint32 bases[] = {PolyBezier, Polygon, Polyline, PolyBezierTo, PolylineTo,
                                        PolyPolyline, PolyPolygon, PolyDraw};
    return is16Bit(type) ? bases[type - PolyBezier16] : type;
}

} // namespace

bool EmfPlayer::playShape(quint32 type, ByteView r)
{
    switch (type) {
    case MoveToEx:
    case LineTo: {
        const QPointF point = pointAt(r, 8);
        if (r.ok())
            type == MoveToEx ? m_canvas.moveTo(point) : m_canvas.lineTo(point);
        return r.ok();
    }
    case Ellipse:
    case Rectangle: {
        const QRectF box = boxAt(r, 8);
        if (r.ok())
            type == Ellipse ? m_canvas.ellipse(box) : m_canvas.rectangle(box);
        return r.ok();
    }
    case RoundRect: {
        const QRectF box = boxAt(r, 8);
        const QPointF corner = pointAt(r, 24);
        if (r.ok())
            m_canvas.roundRect(box, QSizeF(corner.x(), corner.y()));
        return r.ok();
    }
    case Arc:
    case ArcTo:
    case Chord:
    case Pie: {
        const QRectF box = boxAt(r, 8);
        const QPointF start = pointAt(r, 24), end = pointAt(r, 32);
        static constexpr GdiCanvas::ArcKind kinds[] = {GdiCanvas::ArcKind::Arc, GdiCanvas::ArcKind::Chord,
                                                       GdiCanvas::ArcKind::Pie};
        const auto kind = type == ArcTo ? GdiCanvas::ArcKind::ArcTo : kinds[type - Arc];
        if (r.ok())
            m_canvas.arc(kind, box, start, end);
        return r.ok();
    }
    case AngleArc: {
        const QPointF center = pointAt(r, 8);
        const qreal radius = r.u32(16), start = r.f32(20), sweep = r.f32(24);
        if (r.ok() && std::isfinite(start) && std::isfinite(sweep))
            m_canvas.angleArc(center, radius, start, qBound<qreal>(-3600, sweep, 3600));
        return r.ok();
    }
    case SetPixelV: {
        const QPointF point = pointAt(r, 8);
        const QColor color = colorRef(r.u32(16));
        if (r.ok())
            m_canvas.setPixel(point, color);
        return r.ok();
    }
    default: return false;
    }
}

bool EmfPlayer::playPoly(quint32 type, ByteView r)
{
    const quint32 base = baseType(type);
    if (base == PolyPolyline || base == PolyPolygon)
        return polyPoly(type, r);
    if (base != PolyBezier && base != Polygon && base != Polyline && base != PolyBezierTo && base != PolylineTo
        && base != PolyDraw)
        return false;
    const bool small = is16Bit(type);
    const quint32 count = r.u32(24);
    const qint64 pointSize = small ? 4 : 8;
    if (!r.ok() || !r.hasArray(28, count, pointSize))
        return false;
    const QPolygonF points = pointsAt(r, 28, count, small);
    switch (base) {
    case PolyBezier: m_canvas.polyBezier(points); break;
    case Polygon: m_canvas.polygon(points); break;
    case Polyline: m_canvas.polyline(points); break;
    case PolyBezierTo: m_canvas.polyBezierTo(points); break;
    case PolylineTo: m_canvas.polylineTo(points); break;
    default: {
        const qint64 typesOffset = 28 + qint64(count) * pointSize;
        if (!r.has(typesOffset, count))
            return false;
        m_canvas.polyDraw(points, r.bytes().sliced(typesOffset, count));
    }
    }
    return true;
}

bool EmfPlayer::polyPoly(quint32 type, const ByteView &r)
{
    const bool small = is16Bit(type);
    const quint32 polys = r.u32(24), total = r.u32(28);
    const qint64 pointSize = small ? 4 : 8;
    if (!r.ok() || !r.hasArray(32, polys, 4))
        return false;
    const qint64 pointsOffset = 32 + 4 * qint64(polys);
    if (!r.hasArray(pointsOffset, total, pointSize))
        return false;
    qint64 sum = 0;
    for (quint32 i = 0; i < polys; ++i)
        sum += r.u32(32 + 4 * qint64(i));
    if (sum > total)
        return false;
    QList<QPolygonF> list;
    qint64 at = pointsOffset;
    for (quint32 i = 0; i < polys; ++i) {
        const quint32 count = r.u32(32 + 4 * qint64(i));
        list.append(pointsAt(r, at, count, small));
        at += count * pointSize;
    }
    if (baseType(type) == PolyPolygon)
        m_canvas.polyPolygon(list);
    else
        m_canvas.polyPolyline(list);
    return true;
}

bool EmfPlayer::playPath(quint32 type, ByteView r)
{
    switch (type) {
    case BeginPath: m_canvas.beginPath(); return true;
    case EndPath: m_canvas.endPath(); return true;
    case CloseFigure: m_canvas.closeFigure(); return true;
    case FillPath: m_canvas.fillPath(); return true;
    case StrokeAndFillPath: m_canvas.strokeAndFillPath(); return true;
    case StrokePath: m_canvas.strokePath(); return true;
    case FlattenPath: m_canvas.flattenPath(); return true;
    case WidenPath: return true;
    case AbortPath: m_canvas.abortPath(); return true;
    case SelectClipPath: {
        const quint32 mode = r.u32(8);
        if (r.ok())
            m_canvas.selectClipPath(int(mode));
        return r.ok();
    }
    default: return false;
    }
}

bool EmfPlayer::playRegion(quint32 type, ByteView r)
{
    if (type < FillRgn || type > PaintRgn)
        return false;
    const quint32 size = r.u32(24);
    const qint64 dataOffset = type == FrameRgn ? 40 : (type == FillRgn ? 32 : 28);
    const std::optional<QRegion> data = regionData(r, dataOffset, size);
    if (!data)
        return false;
    const QRegion region = m_canvas.metaDeviceToDevice().map(*data);
    if (type == InvertRgn) {
        m_canvas.invertRegion(region);
        return true;
    }
    if (type == PaintRgn) {
        m_canvas.fillRegion(region, m_canvas.state().brush);
        return true;
    }
    const quint32 handle = r.u32(28);
    std::optional<Object> brush = (handle & StockObjectFlag) ? stockObject(handle) : std::nullopt;
    if (const Object *object = m_canvas.objects().find(handle))
        brush = *object;
    if (!r.ok() || !brush || brush->kind != Object::Kind::Brush)
        return false;
    if (type == FillRgn)
        m_canvas.fillRegion(region, brush->brush);
    else
        m_canvas.frameRegion(region, brush->brush, QSize(r.s32(32), r.s32(36)));
    return true;
}

bool EmfPlayer::playText(quint32 type, ByteView r)
{
    if (type == SmallTextOut)
        return smallTextOut(r);
    return (type == ExtTextOutA || type == ExtTextOutW) && extTextOut(type, r);
}

bool EmfPlayer::extTextOut(quint32 type, const ByteView &r)
{
    GdiCanvas::TextRun run;
    run.advanced = r.u32(24) == GmAdvanced;
    run.reference = pointAt(r, 36);
    const quint32 count = r.u32(44), offString = r.u32(48);
    run.options = r.u32(52);
    run.rect = boxAt(r, 56);
    const quint32 offDx = r.u32(72);
    const bool wide = type == ExtTextOutW;
    if (!r.ok() || !r.hasArray(offString, count, wide ? 2 : 1))
        return false;
    const qint64 length = qMin<qint64>(count, GdiCanvas::MaxTextLength);
    run.eightBit = !wide;
    run.text.reserve(length);
    for (qint64 i = 0; i < length; ++i)
        run.text.append(wide ? QChar(r.u16(offString + 2 * i)) : QChar(r.u8(offString + i)));
    // With ETO_PDY each character has an x and a y advance. An array the
    // record cuts short still places the characters it covers.
    const bool pairs = run.options & EtoPdy;
    const qint64 stride = pairs ? 8 : 4;
    const qint64 spaced = offDx != 0 && r.has(offDx, 0) ? qMin(length, (r.size() - offDx) / stride) : 0;
    run.dx.reserve(spaced);
    for (qint64 i = 0; i < spaced; ++i)
        run.dx.append(QPointF(r.s32(offDx + stride * i), pairs ? r.s32(offDx + stride * i + 4) : 0));
    m_canvas.textOut(run);
    return true;
}

bool EmfPlayer::smallTextOut(const ByteView &r)
{
    // x, y, cChars, fuOptions, iGraphicsMode, exScale, eyScale, then the
    // rectangle unless ETO_NO_RECT, then 8-bit characters (the low bytes
    // of UTF-16) with ETO_SMALL_CHARS, else UTF-16.
    GdiCanvas::TextRun run;
    run.reference = pointAt(r, 8);
    const quint32 count = r.u32(16);
    const quint32 options = r.u32(20);
    run.advanced = r.u32(24) == GmAdvanced;
    qint64 at = 36;
    if (!(options & EtoNoRect)) {
        run.rect = boxAt(r, at);
        at += 16;
    }
    run.options = options & ~(EtoNoRect | EtoSmallChars | EtoPdy);
    const bool small = options & EtoSmallChars;
    if (!r.ok() || !r.hasArray(at, count, small ? 1 : 2))
        return false;
    const qint64 length = qMin<qint64>(count, GdiCanvas::MaxTextLength);
    run.text.reserve(length);
    for (qint64 i = 0; i < length; ++i)
        run.text.append(small ? QChar(r.u8(at + i)) : QChar(r.u16(at + 2 * i)));
    m_canvas.textOut(run);
    return true;
}

bool EmfPlayer::playBitmap(quint32 type, ByteView r)
{
    switch (type) {
    case BitBlt:
    case StretchBlt:
    case AlphaBlend: return bitBlt(type, r);
    case SetDibitsToDevice:
    case StretchDibits: return stretchDibits(type, r);
    default: return false;
    }
}

bool EmfPlayer::bitBlt(quint32 type, const ByteView &r)
{
    GdiCanvas::Blit blit;
    blit.dest = QRectF(pointAt(r, 24), QSizeF(r.s32(32), r.s32(36)));
    blit.rop = r.u32(40);
    const QPointF source = pointAt(r, 44);
    const quint32 usage = r.u32(80), infoSize = r.u32(88);
    const QSizeF sourceSize = type == BitBlt ? blit.dest.size() : QSizeF(r.s32(100), r.s32(104));
    if (!r.ok())
        return false;
    if (type == AlphaBlend) {
        blit.alphaBlend = true;
        blit.constantAlpha = (blit.rop >> 16) & 0xff;
    }
    if (infoSize != 0) {
        blit.source = dibAt(r, 84, usage, blit.alphaBlend && ((blit.rop >> 24) & 0x01));
        if (blit.source.isNull())
            return false;
    }
    blit.sourceRect = QRectF(source, sourceSize);
    m_canvas.blit(blit);
    return true;
}

bool EmfPlayer::stretchDibits(quint32 type, const ByteView &r)
{
    GdiCanvas::Blit blit;
    const QPointF dest = pointAt(r, 24);
    QPointF source = pointAt(r, 32);
    const QSizeF sourceSize(r.s32(40), r.s32(44));
    const quint32 usage = r.u32(64);
    const bool stretch = type == StretchDibits;
    blit.rop = stretch ? r.u32(68) : 0x00CC0020;
    blit.dest = QRectF(dest, stretch ? QSizeF(r.s32(72), r.s32(76)) : sourceSize);
    if (!r.ok())
        return false;
    blit.source = dibAt(r, 48, usage);
    if (blit.source.isNull())
        return false;
    // DIB source coordinates start at the bottom row of a bottom-up bitmap.
    const quint32 offInfo = r.u32(48);
    if (r.u32(offInfo) == 12 || r.s32(offInfo + 8) > 0)
        source.setY(blit.source.height() - source.y() - sourceSize.height());
    blit.sourceRect = QRectF(source, sourceSize);
    m_canvas.blit(blit);
    return true;
}
