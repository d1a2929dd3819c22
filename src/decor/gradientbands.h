// Horizontal colour gradients made of a fixed number of solid bands.
#pragma once

#include <QColor>
#include <QList>
#include <QRect>

class QPainter;

// a * b / c rounded to the nearest integer (halves away from zero); 0 when c is 0.
int mulDiv(int a, int b, int c);

struct GradientBand
{
    QRect rect;
    QColor color;
};

// The bands that take a bar from start (left) to end (right) in numColors steps.
// Band edges and colour steps are rounded, so the last band is exactly end.
QList<GradientBand> gradientBands(const QColor &start, const QColor &end, const QRect &r, int numColors);

// Fills r with those bands.
void DrawGradient(QPainter &painter, const QColor &start, const QColor &end, const QRect &r, int numColors);
