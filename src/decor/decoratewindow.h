// One call that gives a window of the program its gradient caption.
#pragma once

#include "decor/captionsettings.h"
#include "decor/gradcap.h"

class QWidget;

// Creates the window's GradientCaption1 with the given settings.
TGradientCaption *decorateWindow(QWidget *window, const CaptionSettings &settings,
                                 FrameMode mode = FrameMode::Automatic);
