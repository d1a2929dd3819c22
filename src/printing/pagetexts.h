// The header, foot note and page number every printed page carries.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;
struct PrintOptions;

// "Page " and the number.
QString pageText(int pageNumber);

// Draws text with its top left corner at (x, y) in the painter's font.
void drawTextAt(QPainter &painter, int x, int y, const QString &text);

// The x that centres text of the painter's font on a page of width page.
int centredTextX(const QPainter &painter, int pageWidth, const QString &text);

// Header at the top, foot note 150 above the bottom, page text 50 above
// it, each centred and each only when its option is on.
void DrawPageTexts(QPainter &painter, QSize page, const PrintOptions &options, const QString &pageText);
