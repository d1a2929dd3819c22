#include "decor/decoratewindow.h"

TGradientCaption *decorateWindow(QWidget *window, const CaptionSettings &settings, FrameMode mode)
{
    auto *caption = new TGradientCaption(window, mode);
    caption->applySettings(settings);
    return caption;
}
