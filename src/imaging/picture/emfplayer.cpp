#include "emfplayer.h"

#include "dibdecoder.h"

#include <QLoggingCategory>
#include <cmath>

Q_LOGGING_CATEGORY(lcEmf, "pixmoor.picture.emf", QtWarningMsg)

using namespace gdi;

namespace {

enum Type : quint32 {
    SetWindowExtEx = 9, SetWindowOrgEx = 10, SetViewportExtEx = 11, SetViewportOrgEx = 12, SetBrushOrgEx = 13,
    SetMapperFlags = 16, SetMapMode = 17, SetBkMode = 18, SetPolyFillMode = 19, SetRop2 = 20,
    SetStretchBltMode = 21, SetTextAlign = 22, SetTextColor = 24, SetBkColor = 25, OffsetClipRgn = 26,
    SetMetaRgn = 28, ExcludeClipRect = 29, IntersectClipRect = 30, ScaleViewportExtEx = 31,
    ScaleWindowExtEx = 32, SaveDc = 33, RestoreDc = 34, SetWorldTransform = 35, ModifyWorldTransform = 36,
    SelectObject = 37, CreatePen = 38, CreateBrushIndirect = 39, DeleteObject = 40, SelectPalette = 48,
    CreatePalette = 49, RealizePalette = 52, SetArcDirection = 57, SetMiterLimit = 58, GdiComment = 70,
    ExtSelectClipRgn = 75, ExtCreateFontIndirectW = 82, CreateMonoBrush = 93, CreateDibPatternBrushPt = 94,
    ExtCreatePen = 95, SetIcmMode = 98, SetLayout = 115, SetTextJustification = 120,
};

constexpr quint32 PsGeometric = 0x00010000;

QTransform xformAt(const ByteView &r, qint64 offset)
{
    return QTransform(r.f32(offset), r.f32(offset + 4), r.f32(offset + 8), r.f32(offset + 12), r.f32(offset + 16),
                      r.f32(offset + 20));
}

QPointF pointAt(const ByteView &r, qint64 offset)
{
    return QPointF(r.s32(offset), r.s32(offset + 4));
}

} // namespace

bool EmfPlayer::play(const MetaRecord &record)
{
    const quint32 t = record.type;
    const ByteView &r = record.record;
    if (t == emf::Header || t == emf::Eof || t == GdiComment)
        return true;
    const bool played = playState(t, r) || playMapping(t, r) || playClipping(t, r) || playObject(t, r)
        || playShape(t, r) || playPoly(t, r) || playPath(t, r) || playRegion(t, r) || playText(t, r)
        || playBitmap(t, r);
    if (!played)
        qCDebug(lcEmf) << "record" << t << "skipped";
    return played;
}

bool EmfPlayer::playState(quint32 type, ByteView r)
{
    State &s = m_canvas.state();
    const quint32 value = r.u32(8);
    if (type == SaveDc)
        return m_canvas.saveDc();
    if (!r.ok())
        return false;
    switch (type) {
    case SetBkMode: s.backgroundMode = value == Transparent ? Transparent : Opaque; return true;
    case SetPolyFillMode: s.polyFillMode = value == Winding ? Winding : Alternate; return true;
    case SetRop2:
        if (value >= R2Black && value <= R2White)
            s.rop2 = int(value);
        return true;
    case SetTextAlign: s.textAlign = int(value & 0xffff); return true;
    case SetTextColor: s.textColor = colorRef(value); return true;
    case SetBkColor: s.backgroundColor = colorRef(value); return true;
    case SetArcDirection: s.arcDirection = value == Clockwise ? Clockwise : CounterClockwise; return true;
    case SetMiterLimit: s.miterLimit = qBound<qreal>(1, value, 1000); return true;
    case RestoreDc: return m_canvas.restoreDc(qint32(value));
    case SetTextJustification:
        s.breakExtra = qint32(value);
        s.breakCount = r.s32(12);
        return r.ok();
    case SetStretchBltMode:
    case SetMapperFlags:
    case SetIcmMode:
    case SetLayout:
    case SetBrushOrgEx:
    case SetMetaRgn:
    case SelectPalette:
    case RealizePalette: return true;
    default: return false;
    }
}

bool EmfPlayer::playMapping(quint32 type, ByteView r)
{
    if (type == SetMapMode) {
        const quint32 mode = r.u32(8);
        if (r.ok())
            m_canvas.setMapMode(int(mode));
        return r.ok();
    }
    const QPointF point = pointAt(r, 8);
    const QSizeF size(point.x(), point.y());
    const bool read = r.ok();
    switch (type) {
    case SetWindowExtEx: return read && (m_canvas.setWindowExt(size), true);
    case SetWindowOrgEx: return read && (m_canvas.setWindowOrg(point), true);
    case SetViewportExtEx: return read && (m_canvas.setViewportExt(size), true);
    case SetViewportOrgEx: return read && (m_canvas.setViewportOrg(point), true);
    case ScaleViewportExtEx:
    case ScaleWindowExtEx: {
        const qreal xNum = r.s32(8), xDenom = r.s32(12), yNum = r.s32(16), yDenom = r.s32(20);
        if (!r.ok())
            return false;
        if (type == ScaleWindowExtEx)
            m_canvas.scaleWindowExt(xNum, xDenom, yNum, yDenom);
        else
            m_canvas.scaleViewportExt(xNum, xDenom, yNum, yDenom);
        break;
    }
    case SetWorldTransform: {
        const QTransform transform = xformAt(r, 8);
        if (r.ok())
            m_canvas.setWorldTransform(transform);
        break;
    }
    case ModifyWorldTransform: {
        const QTransform transform = xformAt(r, 8);
        const quint32 mode = r.u32(32);
        if (r.ok() && mode >= 1 && mode <= 4)
            m_canvas.modifyWorldTransform(transform, GdiCanvas::WorldModify(mode));
        break;
    }
    default: return false;
    }
    return r.ok();
}

bool EmfPlayer::playClipping(quint32 type, ByteView r)
{
    switch (type) {
    case ExcludeClipRect:
    case IntersectClipRect: {
        const QRectF box(pointAt(r, 8), pointAt(r, 16));
        if (!r.ok())
            return false;
        type == ExcludeClipRect ? m_canvas.excludeClipRect(box) : m_canvas.intersectClipRect(box);
        return true;
    }
    case OffsetClipRgn: {
        const QPointF offset = pointAt(r, 8);
        if (r.ok())
            m_canvas.offsetClip(offset);
        return r.ok();
    }
    case ExtSelectClipRgn: {
        const quint32 size = r.u32(8), mode = r.u32(12);
        if (!r.ok())
            return false;
        if (size == 0 && mode == RgnCopy) {
            m_canvas.resetClip();
            return true;
        }
        const std::optional<QRegion> region = regionData(r, 16, size);
        if (!region)
            return false;
        m_canvas.combineClip(m_canvas.metaDeviceToDevice().map(*region), int(mode));
        return true;
    }
    default: return false;
    }
}

std::optional<QRegion> EmfPlayer::regionData(const ByteView &r, qint64 offset, qint64 size) const
{
    // RGNDATAHEADER: dwSize 32, iType, nCount, nRgnSize, rcBound; then rects.
    const ByteView data = r.sub(offset, size);
    const quint32 headerSize = data.u32(0), count = data.u32(8);
    if (!data.ok() || headerSize < 32 || !data.hasArray(headerSize, count, 16))
        return std::nullopt;
    QList<QRect> rects;
    rects.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        const qint64 at = headerSize + 16 * qint64(i);
        rects.append(QRect(QPoint(data.s32(at), data.s32(at + 4)), QPoint(data.s32(at + 8) - 1, data.s32(at + 12) - 1)));
    }
    return gdi::regionOfRects(rects);
}

bool EmfPlayer::playObject(quint32 type, ByteView r)
{
    switch (type) {
    case SelectObject: return selectObject(r.u32(8)) && r.ok();
    case DeleteObject:
        m_canvas.objects().remove(r.u32(8));
        return r.ok();
    case CreatePen: return createPen(r);
    case ExtCreatePen: return extCreatePen(r);
    case CreateBrushIndirect: return createBrush(r);
    case CreateMonoBrush:
    case CreateDibPatternBrushPt: return createPatternBrush(r);
    case ExtCreateFontIndirectW: return createFont(r);
    case CreatePalette: {
        Object palette;
        palette.kind = Object::Kind::Palette;
        return m_canvas.objects().put(r.u32(8), palette) && r.ok();
    }
    default: return false;
    }
}

bool EmfPlayer::selectObject(quint32 handle)
{
    if (handle & StockObjectFlag) {
        const std::optional<Object> stock = stockObject(handle);
        if (stock)
            m_canvas.selectObject(*stock);
        return stock.has_value();
    }
    const Object *object = m_canvas.objects().find(handle);
    if (object)
        m_canvas.selectObject(*object);
    return object != nullptr;
}

bool EmfPlayer::createPen(const ByteView &r)
{
    Object object;
    object.kind = Object::Kind::Pen;
    const quint32 handle = r.u32(8);
    const quint32 style = r.u32(12);
    object.pen.style = int(style & 0x0f);
    object.pen.width = qAbs(r.s32(16));
    object.pen.color = colorRef(r.u32(24));
    return r.ok() && m_canvas.objects().put(handle, object);
}

bool EmfPlayer::extCreatePen(const ByteView &r)
{
    Object object;
    object.kind = Object::Kind::Pen;
    Pen &pen = object.pen;
    const quint32 handle = r.u32(8);
    const quint32 style = r.u32(28);
    pen.width = r.u32(32);
    pen.color = colorRef(r.u32(40));
    const quint32 entries = r.u32(48);
    if (!r.ok())
        return false;
    pen.style = int(style & 0x0f);
    pen.geometric = style & PsGeometric;
    pen.cap = (style & 0x0200) ? Qt::FlatCap : ((style & 0x0100) ? Qt::SquareCap : Qt::RoundCap);
    pen.join = (style & 0x2000) ? Qt::MiterJoin : ((style & 0x1000) ? Qt::BevelJoin : Qt::RoundJoin);
    if (r.u32(36) == BsNull)
        pen.style = PsNull;
    if (pen.style == PsUserStyle && r.hasArray(52, entries, 4) && entries <= 16)
        for (quint32 i = 0; i < entries; ++i)
            pen.userDashes.append(r.u32(52 + 4 * qint64(i)));
    return m_canvas.objects().put(handle, object);
}

bool EmfPlayer::createBrush(const ByteView &r)
{
    Object object;
    object.kind = Object::Kind::Brush;
    const quint32 handle = r.u32(8);
    object.brush.style = int(r.u32(12));
    object.brush.color = colorRef(r.u32(16));
    object.brush.hatch = int(r.u32(20));
    if (object.brush.style != BsNull && object.brush.style != BsHatched)
        object.brush.style = BsSolid;
    return r.ok() && m_canvas.objects().put(handle, object);
}

bool EmfPlayer::createPatternBrush(const ByteView &r)
{
    // ihBrush, iUsage, offBmi, cbBmi, offBits, cbBits
    Object object;
    object.kind = Object::Kind::Brush;
    object.brush.style = BsDibPattern;
    const quint32 handle = r.u32(8);
    object.brush.pattern = dibAt(r, 16, r.u32(12));
    return r.ok() && m_canvas.objects().put(handle, object);
}

bool EmfPlayer::createFont(const ByteView &r)
{
    Object object;
    object.kind = Object::Kind::Font;
    Font &font = object.font;
    const quint32 handle = r.u32(8);
    font.height = r.s32(12);
    font.width = r.s32(16);
    font.escapement = r.s32(20);
    font.weight = r.s32(28);
    font.italic = r.u8(32);
    font.underline = r.u8(33);
    font.strikeOut = r.u8(34);
    font.charset = r.u8(35);
    if (!r.ok() || !r.has(40, 64))
        return false;
    QString face;
    for (int i = 0; i < 32; ++i) {
        const QChar c(r.u16(40 + 2 * i));
        if (c.isNull())
            break;
        face.append(c);
    }
    font.face = face;
    return m_canvas.objects().put(handle, object);
}

QImage EmfPlayer::dibAt(const ByteView &r, qint64 infoField, quint32 usage, bool keepAlpha) const
{
    // infoField points at offBmi; cbBmi, offBits and cbBits follow.
    const quint32 offInfo = r.u32(infoField), infoSize = r.u32(infoField + 4);
    const quint32 offBits = r.u32(infoField + 8), bitsSize = r.u32(infoField + 12);
    if (!r.ok() || !r.has(offInfo, infoSize) || !r.has(offBits, bitsSize))
        return {};
    dib::Options options = m_canvas.bitmapOptions(usage == 1 ? dib::ColorUsage::PaletteIndices : dib::ColorUsage::Rgb);
    options.keepAlpha = keepAlpha;
    QString error;
    const QImage image = dib::decode(r.sub(offInfo, infoSize), r.sub(offBits, bitsSize), &error, options);
    if (image.isNull())
        qCDebug(lcEmf) << "bitmap skipped:" << error;
    return image;
}
