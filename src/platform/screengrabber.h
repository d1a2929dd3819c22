// Pixels of the screen and where the window the user works in lies.
#pragma once

#include <QImage>
#include <QRect>
#include <optional>

// A top-level window in screen coordinates: its outer rectangle with the
// frame and title bar, and its client area.
struct WindowArea
{
    QRect frame;
    QRect client;
};

class ScreenGrabber
{
public:
    virtual ~ScreenGrabber() = default;
    // The primary screen, whole; a null image when it cannot be read.
    virtual QImage grabScreen() = 0;
    // The pixels of area (screen coordinates), the image exactly area's
    // size; parts off the screen stay black.
    virtual QImage grabArea(const QRect &area) = 0;
    // The window in the foreground; nothing when there is none or the
    // platform cannot say (no window manager, offscreen).
    virtual std::optional<WindowArea> foregroundWindow() = 0;
};

// The screens of this machine, through the GUI application's screens.
class SystemScreenGrabber : public ScreenGrabber
{
public:
    QImage grabScreen() override;
    QImage grabArea(const QRect &area) override;
    std::optional<WindowArea> foregroundWindow() override;
};

// The one grabber of this machine's screens.
ScreenGrabber &systemScreenGrabber();
