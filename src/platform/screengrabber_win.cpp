// The foreground window on Windows.
#include "platform/screengrabber.h"

#include <windows.h>

std::optional<WindowArea> SystemScreenGrabber::foregroundWindow()
{
    HWND window = GetForegroundWindow();
    RECT outer;
    RECT inner;
    if (!window || !GetWindowRect(window, &outer) || !GetClientRect(window, &inner))
        return std::nullopt;
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return WindowArea{QRect(QPoint(outer.left, outer.top), QPoint(outer.right - 1, outer.bottom - 1)),
                      QRect(origin.x, origin.y, inner.right - inner.left, inner.bottom - inner.top)};
}
