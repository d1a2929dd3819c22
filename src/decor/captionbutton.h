// A button of the caption bar: its glyph drawn in black or white, whichever
// stands out more against the bar behind it.
#pragma once

#include "decor/captionglyphs.h"

#include <QToolButton>
#include <functional>

class CaptionButton : public QToolButton
{
    Q_OBJECT
public:
    // background gives the colour of the bar behind the button when painted.
    CaptionButton(CaptionGlyph glyph, std::function<QColor()> background, QWidget *bar);

    CaptionGlyph glyph() const { return m_glyph; }
    void setGlyph(CaptionGlyph glyph);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CaptionGlyph m_glyph;
    std::function<QColor()> m_background;
};
