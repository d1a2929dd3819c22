// System-wide hot keys and the hidden windows that receive them.
#pragma once

#include <QHash>
#include <QtGlobal>
#include <functional>
#include <memory>

// One window message, as a hidden window's procedure receives it.
struct WindowMessage
{
    unsigned msg = 0;
    quintptr wParam = 0;
    qintptr lParam = 0;
    qintptr result = 0;
};

constexpr unsigned WM_DESTROY_MESSAGE = 0x0002;
constexpr unsigned WM_HOTKEY_MESSAGE = 0x0312;

// Modifier flags of a registration; the values the platform's API uses.
constexpr unsigned HotKeyModAlt = 1;
constexpr unsigned HotKeyModControl = 2;
constexpr unsigned HotKeyModShift = 4;
constexpr unsigned HotKeyModWin = 8;

// Hidden windows with a procedure each, and hot keys registered for them.
// A pressed hot key reaches its window's procedure as WM_HOTKEY with the
// identifier in wParam. All calls come from the GUI thread.
class HotKeyBackend
{
public:
    using WindowProcedure = std::function<void(WindowMessage &)>;

    virtual ~HotKeyBackend() = default;
    // A new hidden window; never 0.
    virtual quintptr createWindow(WindowProcedure procedure) = 0;
    // Sends WM_DESTROY to the window's procedure, then forgets the window.
    virtual void destroyWindow(quintptr window) = 0;
    // False when the platform refuses: the combination is taken (also by
    // this very window) or the platform has no system-wide keys.
    virtual bool registerHotKey(quintptr window, int identifier, unsigned modifierFlags,
                                unsigned virtualKey) = 0;
    virtual bool unregisterHotKey(quintptr window, int identifier) = 0;
};

// Hidden windows kept as a table of procedures, for backends whose hot keys
// need no window of the platform.
class WindowTableHotKeyBackend : public HotKeyBackend
{
public:
    quintptr createWindow(WindowProcedure procedure) override;
    void destroyWindow(quintptr window) override;

protected:
    bool hasWindow(quintptr window) const { return m_windows.contains(window); }
    // Hands message to the window's procedure; nothing when it is gone.
    void sendMessage(quintptr window, WindowMessage &message) const;

private:
    QHash<quintptr, WindowProcedure> m_windows;
    quintptr m_lastWindow = 0;
};

// The backend for the platform the application runs on, made on first use
// (after the GUI application object exists): key grabs on X11,
// RegisterHotKey on Windows, and elsewhere (Wayland, offscreen) one that
// refuses every registration.
HotKeyBackend &systemHotKeyBackend();

// Hidden windows that exist, but whose registrations are always refused.
std::unique_ptr<HotKeyBackend> makeRefusingHotKeyBackend();
