// Hot keys on Windows: RegisterHotKey for message-only windows of our own.
#include "platform/hotkeys_native.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QHash>

#include <windows.h>

namespace {
class WinHotKeyBackend : public HotKeyBackend, public QAbstractNativeEventFilter
{
public:
    WinHotKeyBackend() { QCoreApplication::instance()->installNativeEventFilter(this); }
    ~WinHotKeyBackend() override
    {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    quintptr createWindow(WindowProcedure procedure) override
    {
        HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        m_windows.insert(quintptr(window), std::move(procedure));
        return quintptr(window);
    }

    void destroyWindow(quintptr window) override
    {
        const WindowProcedure procedure = m_windows.take(window);
        WindowMessage message{WM_DESTROY_MESSAGE, 0, 0, 0};
        if (procedure)
            procedure(message);
        DestroyWindow(HWND(window));
    }

    bool registerHotKey(quintptr window, int identifier, unsigned modifierFlags, unsigned virtualKey) override
    {
        return RegisterHotKey(HWND(window), identifier, modifierFlags, virtualKey) != 0;
    }

    bool unregisterHotKey(quintptr window, int identifier) override
    {
        return UnregisterHotKey(HWND(window), identifier) != 0;
    }

    // WM_HOTKEY is posted to the window's queue; it is taken here before
    // the static control's own procedure would see it.
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "windows_generic_MSG")
            return false;
        const MSG *msg = static_cast<const MSG *>(message);
        if (msg->message != WM_HOTKEY || !m_windows.contains(quintptr(msg->hwnd)))
            return false;
        const WindowProcedure procedure = m_windows.value(quintptr(msg->hwnd));
        WindowMessage hotKey{WM_HOTKEY_MESSAGE, quintptr(msg->wParam), qintptr(msg->lParam), 0};
        procedure(hotKey);
        return true;
    }

private:
    QHash<quintptr, WindowProcedure> m_windows;
};
} // namespace

std::unique_ptr<HotKeyBackend> makeNativeHotKeyBackend()
{
    return std::make_unique<WinHotKeyBackend>();
}
