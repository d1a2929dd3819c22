#include "decor/captionglyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

double channelLuminance(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channelLuminance(rgb.redF()) + 0.7152 * channelLuminance(rgb.greenF())
           + 0.0722 * channelLuminance(rgb.blueF());
}

// The glyph's own square: about half the button, on whole pixels so that
// the strokes stay sharp.
QRectF glyphSquare(const QRectF &box, qreal stroke)
{
    const qreal side = std::floor(std::min(box.width(), box.height()) * 0.5);
    QRectF square(0, 0, side, side);
    square.moveCenter(box.center());
    const qreal offset = std::fmod(stroke, 2.0) / 2;   // odd strokes sit on pixel centres
    return QRectF(std::round(square.left()) + offset, std::round(square.top()) + offset, side, side);
}

void paintHelp(QPainter &painter, const QRectF &square)
{
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(6, int(square.height() * 1.3)));
    painter.setFont(font);
    painter.drawText(square.adjusted(-square.width(), -square.height(), square.width(), square.height()),
                     Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor glyphColourAgainst(const QColor &background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

void paintCaptionGlyph(QPainter &painter, const QRectF &box, CaptionGlyph glyph, const QColor &colour)
{
    const qreal stroke = qMax(1.0, std::round(std::min(box.width(), box.height()) / 12));
    const QRectF square = glyphSquare(box, stroke);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, glyph == CaptionGlyph::Close || glyph == CaptionGlyph::Help);
    painter.setPen(QPen(colour, stroke, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    switch (glyph) {
    case CaptionGlyph::Minimize:
        painter.drawLine(square.bottomLeft(), square.bottomRight());
        break;
    case CaptionGlyph::Maximize:
        painter.drawRect(square);
        painter.drawLine(square.topLeft() + QPointF(0, stroke), square.topRight() + QPointF(0, stroke));
        break;
    case CaptionGlyph::Restore: {
        const qreal shift = std::round(square.width() / 4);
        const QRectF front = square.adjusted(0, shift, -shift, 0);
        painter.drawRect(front);
        QPainterPath back;
        back.moveTo(front.left() + shift, front.top());
        back.lineTo(front.left() + shift, square.top());
        back.lineTo(square.right(), square.top());
        back.lineTo(square.right(), front.bottom() - shift);
        back.lineTo(front.right(), front.bottom() - shift);
        painter.drawPath(back);
        break;
    }
    case CaptionGlyph::Close:
        painter.drawLine(square.topLeft(), square.bottomRight());
        painter.drawLine(square.topRight(), square.bottomLeft());
        break;
    case CaptionGlyph::Help:
        paintHelp(painter, square);
        break;
    }
    painter.restore();
}
