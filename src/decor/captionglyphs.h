// The glyphs of the caption bar's buttons: one stroke style for minimise,
// maximise, restore, close and help, in the colour that stands out most
// against the bar.
#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

enum class CaptionGlyph { Minimize, Maximize, Restore, Close, Help };

// The contrast ratio of two colours as the web's accessibility rules define
// it: 1 for equal luminance, 21 for black on white.
double contrastRatio(const QColor &a, const QColor &b);

// Black or white, whichever contrasts more with background; either one
// reaches at least 4.5:1 against any colour.
QColor glyphColourAgainst(const QColor &background);

// Draws glyph centred in box, its strokes scaled with the box.
void paintCaptionGlyph(QPainter &painter, const QRectF &box, CaptionGlyph glyph, const QColor &colour);
