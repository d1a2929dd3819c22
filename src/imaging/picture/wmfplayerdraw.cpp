// The drawing records of WmfPlayer: shapes, polygons, text and bitmaps.
#include "wmfplayer.h"

#include "dibdecoder.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcWmf)

using namespace gdi;

namespace {

enum Function : quint16 {
    LineTo = 0x0213, MoveTo = 0x0214, Arc = 0x0817, Ellipse = 0x0418, Pie = 0x081A, Rectangle = 0x041B,
    RoundRect = 0x061C, PatBlt = 0x061D, SetPixel = 0x041F, TextOut = 0x0521, BitBlt = 0x0922,
    StretchBlt = 0x0B23, Polygon = 0x0324, Polyline = 0x0325, Chord = 0x0830, ExtTextOut = 0x0A32,
    SetDibToDev = 0x0D33, PolyPolygon = 0x0538, DibBitBlt = 0x0940, DibStretchBlt = 0x0B41, StretchDib = 0x0F43,
};

constexpr quint16 EtoOpaque = 0x0002, EtoClipped = 0x0004;

qreal w(const ByteView &p, qint64 i)
{
    return p.s16(2 * i);
}

QPointF yx(const ByteView &p, qint64 i)
{
    return {w(p, i + 1), w(p, i)};
}

QRectF boxAt(const ByteView &p, qint64 i)
{
    return QRectF(QPointF(w(p, i + 3), w(p, i + 2)), QPointF(w(p, i + 1), w(p, i)));
}

// count points stored as x, y pairs from byte offset.
QPolygonF pointsAt(const ByteView &p, qint64 offset, qint64 count)
{
    QPolygonF points;
    points.reserve(count);
    for (qint64 i = 0; i < count; ++i)
        points.append(QPointF(p.s16(offset + 4 * i), p.s16(offset + 4 * i + 2)));
    return points;
}

QString ansiText(const ByteView &p, qint64 offset, qint64 count)
{
    return QString::fromLatin1(p.bytes().sliced(offset, count));
}

bool bottomUp(const ByteView &dib)
{
    return dib.u32(0) == 12 || dib.s32(8) > 0;
}

} // namespace

bool WmfPlayer::playShape(quint16 function, ByteView p)
{
    switch (function) {
    case MoveTo:
    case LineTo: {
        const QPointF point = yx(p, 0);
        if (!p.ok())
            return false;
        function == MoveTo ? m_canvas.moveTo(point) : m_canvas.lineTo(point);
        return true;
    }
    case Rectangle:
    case Ellipse: {
        const QRectF box = boxAt(p, 0);
        if (!p.ok())
            return false;
        function == Rectangle ? m_canvas.rectangle(box) : m_canvas.ellipse(box);
        return true;
    }
    case RoundRect: {
        const QSizeF corner(w(p, 1), w(p, 0));
        const QRectF box = boxAt(p, 2);
        if (p.ok())
            m_canvas.roundRect(box, corner);
        return p.ok();
    }
    case Arc:
    case Pie:
    case Chord: {
        const QPointF end = yx(p, 0), start = yx(p, 2);
        const QRectF box = boxAt(p, 4);
        const auto kind = function == Arc ? GdiCanvas::ArcKind::Arc
                                          : (function == Pie ? GdiCanvas::ArcKind::Pie : GdiCanvas::ArcKind::Chord);
        if (p.ok())
            m_canvas.arc(kind, box, start, end);
        return p.ok();
    }
    case SetPixel: {
        const QColor color = colorRef(p.u32(0));
        const QPointF point = yx(p, 2);
        if (p.ok())
            m_canvas.setPixel(point, color);
        return p.ok();
    }
    case PatBlt: {
        GdiCanvas::Blit blit;
        blit.rop = p.u32(0);
        blit.dest = QRectF(yx(p, 4), QSizeF(w(p, 3), w(p, 2)));
        if (p.ok())
            m_canvas.blit(blit);
        return p.ok();
    }
    default: return false;
    }
}

bool WmfPlayer::playPoly(quint16 function, ByteView p)
{
    switch (function) {
    case Polygon:
    case Polyline: {
        const qint16 count = p.s16(0);
        if (!p.ok() || !p.hasArray(2, count, 4))
            return false;
        const QPolygonF points = pointsAt(p, 2, count);
        function == Polygon ? m_canvas.polygon(points) : m_canvas.polyline(points);
        return true;
    }
    case PolyPolygon: return polyPolygon(p);
    default: return false;
    }
}

bool WmfPlayer::polyPolygon(const ByteView &p)
{
    const quint16 polygons = p.u16(0);
    if (!p.ok() || !p.hasArray(2, polygons, 2))
        return false;
    qint64 total = 0;
    for (int i = 0; i < polygons; ++i)
        total += p.u16(2 + 2 * i);
    const qint64 pointsOffset = 2 + 2 * qint64(polygons);
    if (!p.hasArray(pointsOffset, total, 4))
        return false;
    QList<QPolygonF> list;
    qint64 at = pointsOffset;
    for (int i = 0; i < polygons; ++i) {
        const quint16 count = p.u16(2 + 2 * i);
        list.append(pointsAt(p, at, count));
        at += 4 * qint64(count);
    }
    m_canvas.polyPolygon(list);
    return true;
}

bool WmfPlayer::playText(quint16 function, ByteView p)
{
    if (function == TextOut)
        return textOut(p);
    if (function == ExtTextOut)
        return extTextOut(p);
    return false;
}

bool WmfPlayer::textOut(const ByteView &p)
{
    const qint16 count = p.s16(0);
    const qint64 padded = (qint64(count) + 1) & ~qint64(1);
    if (!p.ok() || count < 0 || !p.has(2, padded + 4))
        return false;
    GdiCanvas::TextRun run;
    run.text = ansiText(p, 2, count);
    run.eightBit = true;
    run.reference = yx(p, (2 + padded) / 2);
    m_canvas.textOut(run);
    return p.ok();
}

bool WmfPlayer::extTextOut(const ByteView &p)
{
    GdiCanvas::TextRun run;
    run.reference = yx(p, 0);
    const qint16 count = p.s16(4);
    run.options = p.u16(6);
    qint64 at = 8;
    if (run.options & (EtoOpaque | EtoClipped)) {
        run.rect = QRectF(QPointF(w(p, 4), w(p, 5)), QPointF(w(p, 6), w(p, 7)));
        at += 8;
    }
    if (!p.ok() || count < 0 || !p.has(at, count))
        return false;
    run.text = ansiText(p, at, count);
    run.eightBit = true;
    // The spacing array follows the string when the record has room for
    // it; writers that cut it short still place the characters it covers.
    at += (qint64(count) + 1) & ~qint64(1);
    const qint64 spaced = p.has(at, 0) ? qMin<qint64>(count, (p.size() - at) / 2) : 0;
    run.dx.reserve(spaced);
    for (qint64 i = 0; i < spaced; ++i)
        run.dx.append(QPointF(p.s16(at + 2 * i), 0));
    m_canvas.textOut(run);
    return true;
}

bool WmfPlayer::playBitmap(quint16 function, ByteView p)
{
    switch (function) {
    case DibBitBlt:
    case DibStretchBlt:
    case StretchDib: return blitWithDib(function, p);
    case SetDibToDev: return setDibToDevice(p);
    case BitBlt:
    case StretchBlt:
        // Device-dependent bitmaps of 16-bit Windows: too rare to decode.
        qCDebug(lcWmf) << "device-dependent bitmap skipped";
        return true;
    default: return false;
    }
}

bool WmfPlayer::blitWithDib(quint16 function, const ByteView &p)
{
    // Without a bitmap the record is one word longer than its parameters
    // (a reserved word) and carries no DIB: a pattern operation.
    const qint64 words = p.size() / 2;
    const bool stretch = function != DibBitBlt;
    const qint64 fixedWords = function == StretchDib ? 11 : (stretch ? 10 : 8);
    GdiCanvas::Blit blit;
    blit.rop = p.u32(0);
    const bool noBitmap = function != StretchDib && words == fixedWords + 1;
    const qint64 base = noBitmap ? 1 : 0;
    const qint64 src = function == StretchDib ? 3 : 2;
    QPointF sourceOrigin;
    QSizeF sourceSize;
    if (stretch) {
        sourceSize = QSizeF(w(p, src + 1), w(p, src));
        sourceOrigin = yx(p, src + 2);
        blit.dest = QRectF(yx(p, src + base + 6), QSizeF(w(p, src + base + 5), w(p, src + base + 4)));
    } else {
        sourceOrigin = yx(p, src);
        blit.dest = QRectF(yx(p, src + base + 4), QSizeF(w(p, src + base + 3), w(p, src + base + 2)));
        sourceSize = blit.dest.size();
    }
    if (!p.ok())
        return false;
    if (!noBitmap) {
        const ByteView dibBytes = p.from(2 * fixedWords);
        dib::Options options = m_canvas.bitmapOptions(function == StretchDib && p.u16(4) == 1 ? dib::ColorUsage::PaletteIndices : dib::ColorUsage::Rgb);
        QString error;
        blit.source = dib::decodePacked(dibBytes, &error, options);
        if (blit.source.isNull()) {
            qCDebug(lcWmf) << "bitmap skipped:" << error;
            return false;
        }
        if (function == StretchDib && bottomUp(dibBytes))
            sourceOrigin.setY(blit.source.height() - sourceOrigin.y() - sourceSize.height());
    }
    blit.sourceRect = QRectF(sourceOrigin, sourceSize);
    m_canvas.blit(blit);
    return true;
}

bool WmfPlayer::setDibToDevice(const ByteView &p)
{
    const quint16 usage = p.u16(0);
    GdiCanvas::Blit blit;
    QPointF sourceOrigin = yx(p, 3);
    blit.dest = QRectF(yx(p, 7), QSizeF(w(p, 6), w(p, 5)));
    const ByteView dibBytes = p.from(18);
    if (!p.ok())
        return false;
    dib::Options options = m_canvas.bitmapOptions(usage == 1 ? dib::ColorUsage::PaletteIndices : dib::ColorUsage::Rgb);
    QString error;
    blit.source = dib::decodePacked(dibBytes, &error, options);
    if (blit.source.isNull()) {
        qCDebug(lcWmf) << "bitmap skipped:" << error;
        return false;
    }
    if (bottomUp(dibBytes))
        sourceOrigin.setY(blit.source.height() - sourceOrigin.y() - blit.dest.height());
    blit.sourceRect = QRectF(sourceOrigin, blit.dest.size());
    m_canvas.blit(blit);
    return true;
}
