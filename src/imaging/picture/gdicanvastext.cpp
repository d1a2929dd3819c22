// Text output of GdiCanvas: fonts sized in logical units, alignment,
// spacing arrays, opaque and clipping rectangles, escapement.
#include "gdicanvas.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLineF>
#include <QPainter>

using namespace gdi;

namespace {

constexpr quint32 EtoOpaque = 0x0002, EtoClipped = 0x0004;
constexpr qreal MaxFontPixels = 4096;
constexpr qreal DefaultFontPixels = 16;

qreal axisScale(const QTransform &t, QPointF axis)
{
    return QLineF(t.map(QPointF()), t.map(axis)).length();
}

QString familyFor(const QString &face)
{
    return face.isEmpty() ? QStringLiteral("DejaVu Sans") : face;
}

} // namespace

const QFont &GdiCanvas::deviceFont(qreal &pixelSize)
{
    const qreal scaleY = axisScale(m_toDevice, {0, 1});
    if (m_cachedScale == scaleY && m_cachedFont == m_state.font) {
        pixelSize = m_cachedPixelSize;
        return m_cachedQFont;
    }
    const Font &f = m_state.font;
    QFont font(familyFor(f.face));
    font.setWeight(QFont::Weight(qBound(100, f.weight == 0 ? 400 : f.weight, 900)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    qreal em = f.height == 0 ? DefaultFontPixels : qAbs(qreal(f.height)) * scaleY;
    if (f.height > 0) {
        // A positive height is the cell (ascent + descent), not the em.
        font.setPixelSize(100);
        const QFontMetricsF metrics(font);
        em *= 100 / qMax<qreal>(1, metrics.ascent() + metrics.descent());
    }
    pixelSize = em >= 1 && em <= MaxFontPixels ? em : 0;
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    m_cachedFont = f;
    m_cachedScale = scaleY;
    m_cachedPixelSize = pixelSize;
    m_cachedQFont = font;
    return m_cachedQFont;
}

QList<qreal> GdiCanvas::deviceAdvances(const TextRun &run, const QFont &font, qreal scaleX) const
{
    QList<qreal> advances;
    advances.reserve(run.text.size());
    const QFontMetricsF metrics(font);
    for (qsizetype i = 0; i < run.text.size(); ++i) {
        const qreal advance = i < run.dx.size() ? run.dx[i] * scaleX : metrics.horizontalAdvance(run.text[i]);
        advances.append(advance + (run.dx.isEmpty() ? m_state.textCharExtra * scaleX : 0));
    }
    return advances;
}

void GdiCanvas::textOut(const TextRun &run)
{
    // Fonts exist only in a GUI application; without one text is left out.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    qreal pixelSize = 0;
    const QFont font = deviceFont(pixelSize);
    const bool updateCp = m_state.textAlign & TaUpdateCp;
    const QPointF reference = updateCp ? m_state.position : run.reference;
    const QPointF origin = m_toDevice.map(reference);
    if (!reasonable(QRectF(origin, QSizeF(1, 1))) || !reasonable(m_toDevice.mapRect(run.rect)))
        return;
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (run.options & EtoOpaque) {
        m_painter.setTransform(m_toDevice);
        m_painter.fillRect(run.rect.normalized(), m_state.backgroundColor);
    }
    if (pixelSize <= 0 || run.text.isEmpty())
        return;
    const qreal scaleX = axisScale(m_toDevice, {1, 0});
    const QList<qreal> advances = deviceAdvances(run, font, scaleX);
    qreal width = 0;
    for (qreal advance : advances)
        width += advance;
    drawGlyphs(run, font, origin, advances, width);
    if (updateCp && scaleX > 0)
        m_state.position = reference + QPointF(((m_state.textAlign & TaCenter) == TaRight ? -width : width) / scaleX, 0);
}

// Draws the glyphs in a frame at the reference point turned by the font's
// escapement, so that text stays upright whatever the mapping's axes do.
void GdiCanvas::drawGlyphs(const TextRun &run, const QFont &font, QPointF origin, const QList<qreal> &advances,
                           qreal width)
{
    const QFontMetricsF metrics(font);
    const int horizontal = m_state.textAlign & TaCenter;
    const int vertical = m_state.textAlign & TaBaseline;
    const qreal x0 = horizontal == TaCenter ? -width / 2 : (horizontal == TaRight ? -width : 0);
    const qreal baseline = vertical == TaBaseline ? 0 : (vertical == TaBottom ? -metrics.descent() : metrics.ascent());

    QTransform textTransform;
    textTransform.translate(origin.x(), origin.y());
    textTransform.rotate(-m_state.font.escapement / 10.0);
    m_painter.save();
    if (run.options & EtoClipped) {
        m_painter.setTransform(m_toDevice);
        m_painter.setClipRect(run.rect.normalized(), Qt::IntersectClip);
    }
    m_painter.setTransform(textTransform);
    if (m_state.backgroundMode == Opaque)
        m_painter.fillRect(QRectF(x0, baseline - metrics.ascent(), width, metrics.ascent() + metrics.descent()),
                           m_state.backgroundColor);
    m_painter.setFont(font);
    m_painter.setPen(m_state.textColor);
    if (run.dx.isEmpty() && m_state.textCharExtra == 0) {
        m_painter.drawText(QPointF(x0, baseline), run.text);
    } else {
        qreal x = x0;
        for (qsizetype i = 0; i < run.text.size(); ++i) {
            m_painter.drawText(QPointF(x, baseline), QString(run.text[i]));
            x += advances[i];
        }
    }
    m_painter.restore();
}
