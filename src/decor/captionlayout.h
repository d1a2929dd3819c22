// Where the caption strip lies in a window and how its three texts share it.
#pragma once

#include <QRect>
#include <QSize>

enum class TBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

// Sizes of the frame and title-bar parts, in pixels.
struct CaptionMetrics
{
    int frameX = 4, frameY = 4;            // sizing frame
    int dialogFrameX = 3, dialogFrameY = 3;
    int captionHeight = 22;                // normal title bar
    int smallCaptionHeight = 18;           // tool windows
    int buttonWidth = 24;                  // title-bar button
    int smallButtonWidth = 16;             // tool-window button
    int smallIcon = 16;
};

struct CaptionFrame
{
    TBorderStyle style = TBorderStyle::Sizeable;
    bool minimized = false;
    bool systemMenu = true;
    bool helpButton = false;
    bool minMaxButtons = true;
    bool newShell = true;                  // new-style title bars: texts start at the left
};

// The strip between the icon area and the title-bar buttons, in window coordinates.
QRect GetCaptionRect(QSize window, const CaptionFrame &frame, const CaptionMetrics &metrics);

// Whether the small icon sits at the left of the caption strip.
bool showsCaptionIcon(const CaptionFrame &frame);

struct CaptionWidths
{
    int company = 0, application = 0, caption = 0;   // text widths + 3 each
};

struct CaptionTextLayout
{
    bool showCompany = false;
    bool showApplication = false;
    int total = 0;       // widths of the shown parts, the caption always counted
    int indent = 0;      // extra left offset that centres the texts on old-style bars
};

// Drops the company text first and then the application text when the strip
// of the given width cannot hold them beside the caption.
CaptionTextLayout layoutCaptionTexts(const CaptionWidths &widths, int available, bool newShell);
