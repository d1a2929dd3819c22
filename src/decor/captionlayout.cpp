#include "decor/captionlayout.h"

namespace {

bool isToolWindow(TBorderStyle style)
{
    return style == TBorderStyle::ToolWindow || style == TBorderStyle::SizeToolWin;
}

QRect frameInset(QRect r, const CaptionFrame &frame, const CaptionMetrics &m)
{
    if (frame.minimized)
        return r.adjusted(m.dialogFrameX, m.dialogFrameY, -m.dialogFrameX, -m.dialogFrameY);
    switch (frame.style) {
    case TBorderStyle::Sizeable:
    case TBorderStyle::SizeToolWin:
        return r.adjusted(m.frameX, m.frameY, -m.frameX, -m.frameY);
    case TBorderStyle::Single:
    case TBorderStyle::Dialog:
    case TBorderStyle::ToolWindow:
        return r.adjusted(m.dialogFrameX, m.dialogFrameY, -m.dialogFrameX, -m.dialogFrameY);
    case TBorderStyle::None:
        break;
    }
    return r;
}

} // namespace

QRect GetCaptionRect(QSize window, const CaptionFrame &frame, const CaptionMetrics &m)
{
    if (frame.style == TBorderStyle::None)
        return {};
    // Left/Top/Right/Bottom as edges, Right exclusive, as the bar is painted.
    const QRect inset = frameInset(QRect(QPoint(), window), frame, m);
    int left = inset.left();
    const int top = inset.top();
    int right = inset.left() + inset.width();
    const bool tool = isToolWindow(frame.style);
    const int bottom = top + (tool ? m.smallCaptionHeight : m.captionHeight) - 1;
    const int w = m.buttonWidth;
    if (tool) {
        right -= m.smallButtonWidth + 2;
    } else {
        if (frame.systemMenu && frame.newShell)
            right -= w + 2;
        if (frame.style == TBorderStyle::Dialog && frame.helpButton)
            right -= w + 2;
        if (frame.style != TBorderStyle::Dialog && frame.minMaxButtons)
            right -= 2 * w;
        const bool oldMenuBox = frame.style == TBorderStyle::Single || frame.style == TBorderStyle::Sizeable;
        if (frame.systemMenu && !frame.newShell && oldMenuBox)
            left += w;
    }
    if (left >= right)
        right = left + 2;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

bool showsCaptionIcon(const CaptionFrame &frame)
{
    const bool framed = frame.style == TBorderStyle::Single || frame.style == TBorderStyle::Sizeable;
    return frame.newShell && frame.systemMenu && framed;
}

CaptionTextLayout layoutCaptionTexts(const CaptionWidths &widths, int available, bool newShell)
{
    CaptionTextLayout layout;
    layout.showCompany = widths.company + widths.application + widths.caption < available;
    layout.showApplication = layout.showCompany || widths.application + widths.caption < available;
    layout.total = widths.caption;
    if (layout.showCompany)
        layout.total += widths.company;
    if (layout.showApplication)
        layout.total += widths.application;
    if (!newShell && layout.total < available)
        layout.indent = (available - layout.total) / 2;
    return layout;
}
