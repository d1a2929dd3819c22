#include "wmfplayer.h"

#include "dibdecoder.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcWmf, "pixmoor.picture.wmf", QtWarningMsg)

using namespace gdi;

namespace {

enum Function : quint16 {
    SetBkColor = 0x0201, SetBkMode = 0x0102, SetMapMode = 0x0103, SetRop2 = 0x0104, SetRelAbs = 0x0105,
    SetPolyFillMode = 0x0106, SetStretchBltMode = 0x0107, SetTextCharExtra = 0x0108, SetTextColor = 0x0209,
    SetTextJustification = 0x020A, SetWindowOrg = 0x020B, SetWindowExt = 0x020C, SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E, OffsetWindowOrg = 0x020F, ScaleWindowExt = 0x0410, OffsetViewportOrg = 0x0211,
    ScaleViewportExt = 0x0412, LineTo = 0x0213, MoveTo = 0x0214, ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416, Arc = 0x0817, Ellipse = 0x0418, Pie = 0x081A, Rectangle = 0x041B,
    RoundRect = 0x061C, PatBlt = 0x061D, SaveDc = 0x001E, SetPixel = 0x041F, OffsetClipRgn = 0x0220,
    TextOut = 0x0521, BitBlt = 0x0922, StretchBlt = 0x0B23, Polygon = 0x0324, Polyline = 0x0325,
    RestoreDc = 0x0127, FillRegion = 0x0228, FrameRegion = 0x0429, InvertRegion = 0x012A, PaintRegion = 0x012B,
    SelectClipRegion = 0x012C, SelectObject = 0x012D, SetTextAlign = 0x012E, Chord = 0x0830,
    ExtTextOut = 0x0A32, SetDibToDev = 0x0D33, PolyPolygon = 0x0538, DibBitBlt = 0x0940,
    DibStretchBlt = 0x0B41, DibCreatePatternBrush = 0x0142, StretchDib = 0x0F43, DeleteObject = 0x01F0,
    CreatePalette = 0x00F7, CreatePatternBrush = 0x01F9, CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB, CreateBrushIndirect = 0x02FC, CreateRegion = 0x06FF,
};

// The i-th 16-bit parameter, signed.
qreal w(const ByteView &p, int i)
{
    return p.s16(2 * qint64(i));
}

// A point stored as y then x at word i.
QPointF yx(const ByteView &p, int i)
{
    return {w(p, i + 1), w(p, i)};
}

// A rectangle stored as bottom, right, top, left from word i.
QRectF boxAt(const ByteView &p, int i)
{
    return QRectF(QPointF(w(p, i + 3), w(p, i + 2)), QPointF(w(p, i + 1), w(p, i)));
}

} // namespace

bool WmfPlayer::play(const MetaRecord &record)
{
    const quint16 f = quint16(record.type);
    const ByteView &p = record.params;
    if (f == wmf::Eof)
        return true;
    const bool played = playState(f, p) || playMapping(f, p) || playClipping(f, p) || playObject(f, p)
        || playShape(f, p) || playPoly(f, p) || playRegion(f, p) || playText(f, p) || playBitmap(f, p);
    if (!played)
        qCDebug(lcWmf) << "record" << Qt::hex << f << "skipped";
    return played;
}

bool WmfPlayer::playState(quint16 function, ByteView p)
{
    if (function == SaveDc)
        return m_canvas.saveDc();
    State &s = m_canvas.state();
    const quint16 value = p.u16(0);
    if (!p.ok())
        return false;
    switch (function) {
    case SetBkColor: s.backgroundColor = colorRef(p.u32(0)); return p.ok();
    case SetTextColor: s.textColor = colorRef(p.u32(0)); return p.ok();
    case SetBkMode: s.backgroundMode = value == Transparent ? Transparent : Opaque; return true;
    case SetRop2:
        if (value >= R2Black && value <= R2White)
            s.rop2 = value;
        return true;
    case SetPolyFillMode: s.polyFillMode = value == Winding ? Winding : Alternate; return true;
    case SetTextCharExtra: s.textCharExtra = qint16(value); return true;
    case SetTextAlign: s.textAlign = value; return true;
    case RestoreDc: return m_canvas.restoreDc(qint16(value));
    case SetTextJustification:
        if (!p.has(0, 4))
            return false;
        s.breakCount = value;
        s.breakExtra = p.s16(2);
        return true;
    case SetRelAbs:
    case SetStretchBltMode: return true;
    default: return false;
    }
}

bool WmfPlayer::playMapping(quint16 function, ByteView p)
{
    if (function == SetMapMode) {
        const quint16 mode = p.u16(0);
        if (p.ok())
            m_canvas.setMapMode(mode);
        return p.ok();
    }
    State &s = m_canvas.state();
    const QPointF point = yx(p, 0);
    const QSizeF size(point.x(), point.y());
    const bool scale = function == ScaleWindowExt || function == ScaleViewportExt;
    if (!p.ok() || (scale && !p.has(0, 8)))
        return false;
    switch (function) {
    case SetWindowOrg: m_canvas.setWindowOrg(point); return true;
    case SetWindowExt: m_canvas.setWindowExt(size); return true;
    case SetViewportOrg: m_canvas.setViewportOrg(point); return true;
    case SetViewportExt: m_canvas.setViewportExt(size); return true;
    case OffsetWindowOrg: m_canvas.setWindowOrg(s.windowOrg + point); return true;
    case OffsetViewportOrg: m_canvas.setViewportOrg(s.viewportOrg + point); return true;
    case ScaleWindowExt: m_canvas.scaleWindowExt(w(p, 3), w(p, 2), w(p, 1), w(p, 0)); return true;
    case ScaleViewportExt: m_canvas.scaleViewportExt(w(p, 3), w(p, 2), w(p, 1), w(p, 0)); return true;
    default: return false;
    }
}

bool WmfPlayer::playClipping(quint16 function, ByteView p)
{
    switch (function) {
    case ExcludeClipRect:
    case IntersectClipRect: {
        const QRectF box = boxAt(p, 0);
        if (!p.ok())
            return false;
        if (function == ExcludeClipRect)
            m_canvas.excludeClipRect(box);
        else
            m_canvas.intersectClipRect(box);
        return true;
    }
    case OffsetClipRgn: {
        const QPointF offset = yx(p, 0);
        if (p.ok())
            m_canvas.offsetClip(offset);
        return p.ok();
    }
    case SelectClipRegion: {
        const quint16 index = p.u16(0);
        const Object *object = p.ok() ? m_canvas.objects().find(index) : nullptr;
        if (object && object->kind == Object::Kind::Region)
            m_canvas.combineClip(regionAt(index), RgnCopy);
        else
            m_canvas.resetClip();
        return p.ok();
    }
    default: return false;
    }
}

bool WmfPlayer::playObject(quint16 function, ByteView p)
{
    switch (function) {
    case SelectObject: {
        const Object *object = m_canvas.objects().find(p.u16(0));
        if (!p.ok() || !object)
            return false;
        if (object->kind == Object::Kind::Region)
            m_canvas.combineClip(regionAt(p.u16(0)), RgnCopy);
        else
            m_canvas.selectObject(*object);
        return true;
    }
    case DeleteObject:
        m_canvas.objects().remove(p.u16(0));
        return p.ok();
    case CreatePenIndirect: return createPen(p);
    case CreateBrushIndirect: return createBrush(p);
    case CreateFontIndirect: return createFont(p);
    case DibCreatePatternBrush: return createPatternBrush(p);
    case CreateRegion: return createRegion(p);
    case CreatePalette:
    case CreatePatternBrush: {
        // Kept as placeholders: they take a slot that later indices count on.
        Object placeholder;
        placeholder.kind = function == CreatePalette ? Object::Kind::Palette : Object::Kind::Brush;
        placeholder.brush.color = Qt::gray;
        return createObject(placeholder);
    }
    default: return false;
    }
}

bool WmfPlayer::createObject(const Object &object)
{
    if (m_canvas.objects().addAtLowestFree(object) >= 0)
        return true;
    qCDebug(lcWmf) << "object table full";
    return false;
}

bool WmfPlayer::createPen(const ByteView &p)
{
    Object object;
    object.kind = Object::Kind::Pen;
    const quint16 style = p.u16(0);
    object.pen.style = style & 0x0f;
    object.pen.width = qAbs(w(p, 1));
    object.pen.color = colorRef(p.u32(6));
    object.pen.cap = (style & 0x0200) ? Qt::FlatCap : ((style & 0x0100) ? Qt::SquareCap : Qt::RoundCap);
    object.pen.join = (style & 0x2000) ? Qt::MiterJoin : ((style & 0x1000) ? Qt::BevelJoin : Qt::RoundJoin);
    object.pen.geometric = (style & 0x0f00) || (style & 0xf000);
    return p.ok() && createObject(object);
}

bool WmfPlayer::createBrush(const ByteView &p)
{
    Object object;
    object.kind = Object::Kind::Brush;
    object.brush.style = p.u16(0);
    object.brush.color = colorRef(p.u32(2));
    object.brush.hatch = p.u16(6);
    if (object.brush.style != BsNull && object.brush.style != BsHatched)
        object.brush.style = BsSolid;
    return p.ok() && createObject(object);
}

bool WmfPlayer::createFont(const ByteView &p)
{
    Object object;
    object.kind = Object::Kind::Font;
    Font &font = object.font;
    if (!p.has(0, 18))
        return false;
    font.height = p.s16(0);
    font.width = p.s16(2);
    font.escapement = p.s16(4);
    font.weight = p.s16(8);
    font.italic = p.u8(10);
    font.underline = p.u8(11);
    font.strikeOut = p.u8(12);
    font.charset = p.u8(13);
    QByteArrayView face = p.bytes().sliced(18);
    face = face.first(qMin<qsizetype>(32, face.size()));
    if (const qsizetype end = face.indexOf('\0'); end >= 0)
        face = face.first(end);
    font.face = QString::fromLatin1(face);
    return createObject(object);
}

bool WmfPlayer::createPatternBrush(const ByteView &p)
{
    Object object;
    object.kind = Object::Kind::Brush;
    object.brush.style = BsDibPattern;
    QString error;
    dib::Options options = m_canvas.bitmapOptions(p.u16(2) == 1 ? dib::ColorUsage::PaletteIndices : dib::ColorUsage::Rgb);
    object.brush.pattern = dib::decodePacked(p.from(4), &error, options);
    if (object.brush.pattern.isNull())
        qCDebug(lcWmf) << "pattern brush:" << error;
    return p.ok() && createObject(object);
}

bool WmfPlayer::createRegion(const ByteView &p)
{
    // Region: nextInChain, objectType, objectCount (u16), regionSize (s16),
    // scanCount (s16), maxScan (s16), bounding box (4 x s16), then scans of
    // count, top, bottom, count/2 pairs of left and right, count again.
    Object object;
    object.kind = Object::Kind::Region;
    const int scans = p.s16(10);
    if (!p.ok() || scans < 0)
        return false;
    qint64 at = 22;
    QList<QRect> rects;
    for (int i = 0; i < scans; ++i) {
        const int count = p.u16(at), top = p.s16(at + 2), bottom = p.s16(at + 4);
        if (!p.ok() || !p.hasArray(at + 6, count / 2, 4))
            return false;
        for (int j = 0; j < count / 2; ++j) {
            const int left = p.s16(at + 6 + 4 * j), right = p.s16(at + 8 + 4 * j);
            rects.append(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
        }
        at += 6 + 4 * qint64(count / 2) + 2;
    }
    object.region = gdi::regionOfRects(rects);
    return createObject(object);
}

QRegion WmfPlayer::regionAt(quint16 index) const
{
    const Object *object = m_canvas.objects().find(index);
    if (!object || object->kind != Object::Kind::Region)
        return {};
    return m_canvas.toDevice().map(object->region);
}

bool WmfPlayer::playRegion(quint16 function, ByteView p)
{
    const auto brushAt = [&](int word) -> const Object * {
        const Object *object = m_canvas.objects().find(p.u16(2 * word));
        return object && object->kind == Object::Kind::Brush ? object : nullptr;
    };
    switch (function) {
    case FillRegion:
    case FrameRegion: {
        const Object *brush = brushAt(1);
        if (!p.ok() || !brush)
            return false;
        const QRegion region = regionAt(p.u16(0));
        if (function == FillRegion)
            m_canvas.fillRegion(region, brush->brush);
        else
            m_canvas.frameRegion(region, brush->brush, QSize(qRound(w(p, 3)), qRound(w(p, 2))));
        return p.ok();
    }
    case InvertRegion: m_canvas.invertRegion(regionAt(p.u16(0))); return p.ok();
    case PaintRegion: m_canvas.fillRegion(regionAt(p.u16(0)), m_canvas.state().brush); return p.ok();
    default: return false;
    }
}
