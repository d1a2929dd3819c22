// What the print options dialog decides, as plain values the page drawing takes.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

struct PrintOptions
{
    bool header = true;
    QString headerText;
    bool footNote = true;
    QString footText;
    bool pageNumber = true;
    // The font and colour of every printed text; the size is always 8 points.
    QFont font;
    QColor color = Qt::black;
    bool portrait = true;
    int scale = 3;   // 2..6: image pixels per printed pixel
};

// Printed text is 8 points whatever size was chosen in the font dialog.
constexpr int PrintTextPointSize = 8;

// chosen with its size replaced by the printed size.
QFont printTextFont(const QFont &chosen);
