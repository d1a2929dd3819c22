// Paints a caption strip: gradient or plain background, small icon, the three texts.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;
class QPalette;

enum TGradEnabled { geAlways, geNever, geWhenActive };

// The platform's title-bar colours.
struct SystemCaptionColors
{
    QColor active;
    QColor inactive;
    QColor activeText;
    QColor inactiveText;
};

SystemCaptionColors systemCaptionColors(const QPalette &palette);

struct CaptionTextPart
{
    QString text;
    QFont font;
    QColor colorActive;      // invalid: the platform's caption text colour
    QColor colorInactive;
    bool visible = true;
};

struct CaptionScene
{
    QRect rect;              // from GetCaptionRect
    bool active = true;
    bool newShell = true;
    TGradEnabled enabled = geAlways;
    QColor color = Qt::black;
    int numColors = 64;
    SystemCaptionColors colors;
    QPixmap icon;            // null: no icon on this bar
    int smallIcon = 16;
    CaptionTextPart company;
    CaptionTextPart application;
    CaptionTextPart caption;
};

// Paints the bar and returns the rectangle painted.
QRect PaintCaption(QPainter &painter, const CaptionScene &scene);

// Single-line width of a text part as the layout counts it (+3 for its gap).
int captionPartWidth(const CaptionTextPart &part);
