// Text output of GdiCanvas: fonts sized in logical units, alignment and the
// current position, spacing arrays, character extra and justification,
// opaque and clipping rectangles, escapement, and the character sets of
// 8-bit strings.
#include "gdicanvas.h"

#include "textencoding.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLineF>
#include <QPainter>
#include <QtMath>
#include <cmath>

using namespace gdi;

namespace {

constexpr quint32 EtoOpaque = 0x0002, EtoClipped = 0x0004;
constexpr qreal MaxFontPixels = 4096;
// What GDI picks for a font that asks for no height.
constexpr qreal DefaultFontPoints = 12;
// The cell of a font is measured at this size, where rounding is negligible.
constexpr int MeasuringPixels = 256;
// A font's asked-for width is followed up to this factor from its own.
constexpr qreal MaxStretch = 16;

qreal axisScale(const QTransform &t, QPointF axis)
{
    return QLineF(t.map(QPointF()), t.map(axis)).length();
}

QString familyFor(const QString &face)
{
    return face.isEmpty() ? QStringLiteral("DejaVu Sans") : face;
}

// A symbol font this machine has draws the bytes with its own glyphs; any
// other face asked for in the symbol character set gets the Symbol font's.
bool installedSymbolFont(const QString &face)
{
    return !face.isEmpty() && QFontDatabase::hasFamily(face)
        && QFontDatabase::writingSystems(face).contains(QFontDatabase::Symbol);
}

bool symbolMapped(const Font &font)
{
    const bool symbol = font.charset == SymbolCharset || font.face.compare(u"Symbol", Qt::CaseInsensitive) == 0;
    return symbol && !installedSymbolFont(font.face);
}

} // namespace

GdiCanvas::TextFont &GdiCanvas::textFont()
{
    const Font &f = m_state.font;
    if (m_textFontValid && m_textFont.source == f)
        return m_textFont;
    TextFont text;
    text.source = f;
    text.symbolMapped = symbolMapped(f);
    text.font = QFont(familyFor(f.face));
    if (text.symbolMapped) {
        // The string becomes Unicode, and the stand-in the system offers
        // for a missing symbol face is a font of symbol encoding that has
        // none of those characters (nor lets others fill in): only a face
        // this machine really has, else ours, draws them.
        text.font.setFamilies({familyFor(f.face), QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans")});
    }
    text.font.setWeight(QFont::Weight(qBound(100, f.weight == 0 ? 400 : f.weight, 900)));
    text.font.setItalic(f.italic);
    // Hinting would round advances to whole pixels of whatever size the
    // glyphs are drawn at; the file's spacing is meant to scale.
    text.font.setHintingPreference(QFont::PreferNoHinting);
    text.font.setPixelSize(MeasuringPixels);
    const QFontMetricsF metrics(text.font);
    text.cellToEm = MeasuringPixels / qMax<qreal>(1, metrics.ascent() + metrics.descent());
    m_textFont = text;
    m_textFontValid = true;
    return m_textFont;
}

void GdiCanvas::sizeTextFont(TextFont &font, int pixelSize)
{
    if (font.pixelSize == pixelSize)
        return;
    font.font.setPixelSize(pixelSize);
    const QFontMetricsF metrics(font.font);
    font.pixelSize = pixelSize;
    font.ascent = metrics.ascent();
    font.descent = metrics.descent();
    font.averageWidth = metrics.averageCharWidth();
}

// GM_COMPATIBLE text is laid out in device pixels, upright whatever the
// mapping does, only its size following the mapping's scale. GM_ADVANCED
// text is laid out in logical units and drawn through the whole transform,
// but never mirrored: where the mapping mirrors (a y axis pointing up) the
// glyphs' down is turned the other way. Either way escapement turns the
// baseline counter-clockwise as seen.
GdiCanvas::TextFrame GdiCanvas::textFrame(QPointF reference, bool advanced) const
{
    TextFrame frame;
    const QTransform &t = m_toDevice;
    const Font &f = m_state.font;
    const qreal degrees = f.escapement / 10.0;
    const qreal sx = axisScale(t, {1, 0}), sy = axisScale(t, {0, 1});
    if (advanced) {
        const bool kept = t.determinant() > 0; // turns as seen keep their sense
        const qreal angle = qDegreesToRadians(kept ? -degrees : degrees);
        const QPointF along(std::cos(angle), std::sin(angle));
        const QPointF down = kept ? QPointF(-along.y(), along.x()) : QPointF(along.y(), -along.x());
        frame.toDevice = QTransform(along.x(), along.y(), down.x(), down.y(), reference.x(), reference.y()) * t;
        frame.pixelsPerUnit = std::sqrt(qAbs(t.determinant()));
        frame.logicalY = kept ? 1 : -1;
        frame.em = qAbs(qreal(f.height));
        frame.width = qAbs(qreal(f.width));
    } else {
        const QPointF origin = t.map(reference);
        frame.toDevice.translate(origin.x(), origin.y());
        frame.toDevice.rotate(-degrees);
        frame.logicalX = sx;
        frame.logicalY = (t.map(QPointF(0, 1)) - t.map(QPointF())).y();
        frame.em = qAbs(qreal(f.height)) * sy;
        frame.width = qAbs(qreal(f.width)) * sx;
    }
    return frame;
}

GdiCanvas::TextLine GdiCanvas::layOutText(const TextRun &run, const TextFrame &frame, const TextFont &font,
                                          qreal glyphScaleX) const
{
    TextLine line;
    line.text = run.text.left(MaxTextLength);
    if (font.symbolMapped)
        line.text = symbolText(line.text);
    else if (run.eightBit)
        line.text = codePageText(line.text, m_state.font.charset);

    const QFontMetricsF metrics(font.font);
    const qreal charExtra = m_state.textCharExtra * frame.logicalX;
    const qreal breakExtra = m_state.breakCount > 0 && run.dx.isEmpty()
        ? qreal(m_state.breakExtra) / m_state.breakCount * frame.logicalX : 0;
    const bool breaks = breakExtra != 0 && line.text.contains(QLatin1Char(' '));
    line.natural = run.dx.isEmpty() && charExtra == 0 && !breaks;

    QList<QPointF> advances;
    if (line.natural) {
        line.advance = QPointF(metrics.horizontalAdvance(line.text) * glyphScaleX, 0);
    } else {
        // The spacing array (or character extra and justification, which
        // count only without one) moves each character from the last.
        const qsizetype n = line.text.size();
        advances.reserve(n);
        for (qsizetype i = 0; i < n; ++i) {
            if (i < run.dx.size()) {
                advances.append(QPointF(run.dx[i].x() * frame.logicalX, run.dx[i].y() * frame.logicalY));
                continue;
            }
            const QChar c = line.text[i];
            qreal width = 0;
            if (c.isHighSurrogate() && i + 1 < n && line.text[i + 1].isLowSurrogate())
                width = metrics.horizontalAdvance(line.text.mid(i, 2));
            else if (!c.isLowSurrogate() || i == 0 || !line.text[i - 1].isHighSurrogate())
                width = metrics.horizontalAdvance(c);
            width *= glyphScaleX;
            if (run.dx.isEmpty())
                width += charExtra + (c == QLatin1Char(' ') ? breakExtra : 0);
            advances.append(QPointF(width, 0));
        }
        for (const QPointF &advance : advances)
            line.advance += advance;
    }

    const int horizontal = m_state.textAlign & TaCenter;
    const int vertical = m_state.textAlign & TaBaseline;
    if (horizontal == TaCenter)
        line.start = -line.advance / 2;
    else if (horizontal == TaRight)
        line.start = -line.advance;
    const qreal unit = frame.em / font.pixelSize;
    if (vertical == TaBottom)
        line.start.ry() -= font.descent * unit;
    else if (vertical != TaBaseline)
        line.start.ry() += font.ascent * unit;

    QPointF at = line.start;
    line.origins.reserve(advances.size());
    for (const QPointF &advance : advances) {
        line.origins.append(at);
        at += advance;
    }
    return line;
}

void GdiCanvas::textOut(const TextRun &run)
{
    // Fonts exist only in a GUI application; without one text is left out.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    const bool updateCp = m_state.textAlign & TaUpdateCp;
    const QPointF reference = updateCp ? m_state.position : run.reference;
    TextFrame frame = textFrame(reference, run.advanced);
    if (!reasonable(QRectF(frame.toDevice.map(QPointF()), QSizeF(1, 1))) || !reasonable(m_toDevice.mapRect(run.rect)))
        return;
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (run.options & EtoOpaque) {
        m_painter.setTransform(m_toDevice);
        m_painter.fillRect(run.rect.normalized(), m_state.backgroundColor);
    }
    if (run.text.isEmpty())
        return;

    TextFont &font = textFont();
    if (m_state.font.height == 0) {
        const qreal metafileUnits = DefaultFontPoints / 72 * 25.4 * m_frame.unitsPerMmY;
        frame.em = metafileUnits * axisScale(m_frameToDevice, {0, 1}) / frame.pixelsPerUnit;
    } else if (m_state.font.height > 0) {
        frame.em *= font.cellToEm; // a positive height is the cell, ascent + descent
    }
    const qreal emPixels = frame.em * frame.pixelsPerUnit;
    if (!std::isfinite(emPixels) || emPixels <= 0)
        return;
    // Text too small to see or too large to draw is still laid out: the
    // current position moves past it all the same.
    const bool drawn = emPixels >= 0.5 && emPixels <= MaxFontPixels;
    sizeTextFont(font, qRound(qBound<qreal>(1, emPixels, MaxFontPixels)));
    const qreal unit = frame.em / font.pixelSize; // frame units per font pixel
    qreal stretch = 1;
    if (frame.width > 0 && font.averageWidth > 0)
        stretch = qBound(1 / MaxStretch, frame.width / (font.averageWidth * unit), MaxStretch);

    const TextLine line = layOutText(run, frame, font, unit * stretch);
    if (drawn)
        drawTextLine(run, frame, font, line, QSizeF(unit * stretch, unit));

    if (updateCp) {
        // The position moves to the other end of the string; centred text
        // has no other end and leaves it where it is.
        const int horizontal = m_state.textAlign & TaCenter;
        const QPointF end = horizontal == TaCenter ? QPointF() : (horizontal == TaRight ? -line.advance : line.advance);
        bool invertible = false;
        const QTransform toLogical = m_toDevice.inverted(&invertible);
        const QPointF position = toLogical.map(frame.toDevice.map(end));
        if (invertible && std::isfinite(position.x()) && std::isfinite(position.y()))
            m_state.position = position;
    }
}

void GdiCanvas::drawTextLine(const TextRun &run, const TextFrame &frame, const TextFont &font, const TextLine &line,
                             QSizeF glyphScale)
{
    const QFontMetricsF metrics(font.font);
    const qreal unit = glyphScale.height();
    const qreal ascent = font.ascent * unit, descent = font.descent * unit;
    m_painter.save();
    if (run.options & EtoClipped) {
        m_painter.setTransform(m_toDevice);
        m_painter.setClipRect(run.rect.normalized(), Qt::IntersectClip);
    }
    m_painter.setTransform(frame.toDevice);
    const QPointF end = line.start + line.advance;
    const QRectF cell = QRectF(QPointF(line.start.x(), line.start.y() - ascent), QPointF(end.x(), line.start.y() + descent))
                            .normalized();
    const bool cellFits = reasonable(frame.toDevice.mapRect(cell));
    if (m_state.backgroundMode == Opaque && cellFits)
        m_painter.fillRect(cell, m_state.backgroundColor);

    const QTransform glyphs = QTransform::fromScale(glyphScale.width(), glyphScale.height()) * frame.toDevice;
    const auto glyphPoint = [&](QPointF origin) {
        return QPointF(origin.x() / glyphScale.width(), origin.y() / glyphScale.height());
    };
    m_painter.setTransform(glyphs);
    m_painter.setFont(font.font);
    m_painter.setPen(m_state.textColor);
    if (line.natural) {
        m_painter.drawText(glyphPoint(line.start), line.text);
    } else {
        // Glyphs whose origin lies well outside the picture are not drawn:
        // a long string of a hostile file costs only its positions.
        const qreal margin = 2 * font.pixelSize * qMax<qreal>(1, glyphScale.width() / unit) + 2;
        const QRectF visible = QRectF(m_deviceBounds).adjusted(-margin, -margin, margin, margin);
        for (qsizetype i = 0; i < line.origins.size(); ++i) {
            const QChar c = line.text[i];
            if (c.isLowSurrogate() && i > 0 && line.text[i - 1].isHighSurrogate())
                continue;
            if (!visible.contains(frame.toDevice.map(line.origins[i])))
                continue;
            const bool pair = c.isHighSurrogate() && i + 1 < line.text.size() && line.text[i + 1].isLowSurrogate();
            m_painter.drawText(glyphPoint(line.origins[i]), line.text.mid(i, pair ? 2 : 1));
        }
    }

    // Lines under and through the text run the whole string, gaps of the
    // spacing array included.
    if ((font.source.underline || font.source.strikeOut) && cellFits) {
        m_painter.setTransform(frame.toDevice);
        const qreal thickness = qMax(metrics.lineWidth() * unit, 1 / frame.pixelsPerUnit);
        const qreal left = qMin(line.start.x(), end.x()), width = qAbs(line.advance.x());
        if (font.source.underline)
            m_painter.fillRect(QRectF(left, line.start.y() + metrics.underlinePos() * unit, width, thickness),
                               m_state.textColor);
        if (font.source.strikeOut)
            m_painter.fillRect(QRectF(left, line.start.y() - metrics.strikeOutPos() * unit, width, thickness),
                               m_state.textColor);
    }
    m_painter.restore();
}
