#include "decor/captionbutton.h"

#include <QPainter>

CaptionButton::CaptionButton(CaptionGlyph glyph, std::function<QColor()> background, QWidget *bar)
    : QToolButton(bar), m_glyph(glyph), m_background(std::move(background))
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void CaptionButton::setGlyph(CaptionGlyph glyph)
{
    if (m_glyph == glyph)
        return;
    m_glyph = glyph;
    update();
}

void CaptionButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor background = m_background();
    QColor ink = glyphColourAgainst(background);
    painter.fillRect(rect(), background);
    if (isEnabled() && (isDown() || underMouse())) {
        // A light wash in the glyph's colour marks the button under the pointer.
        QColor wash = ink;
        wash.setAlphaF(isDown() ? 0.25 : 0.12);
        painter.fillRect(rect(), wash);
    }
    if (!isEnabled())
        ink.setAlphaF(0.4);
    paintCaptionGlyph(painter, QRectF(rect()), m_glyph, ink);
}
