// The backend chosen for this platform, and the one that refuses everything.
#include "platform/hotkeys.h"
#include "platform/hotkeys_native.h"

quintptr WindowTableHotKeyBackend::createWindow(WindowProcedure procedure)
{
    const quintptr window = ++m_lastWindow;
    m_windows.insert(window, std::move(procedure));
    return window;
}

void WindowTableHotKeyBackend::destroyWindow(quintptr window)
{
    const WindowProcedure procedure = m_windows.take(window);
    WindowMessage message{WM_DESTROY_MESSAGE, 0, 0, 0};
    if (procedure)
        procedure(message);
}

void WindowTableHotKeyBackend::sendMessage(quintptr window, WindowMessage &message) const
{
    const WindowProcedure procedure = m_windows.value(window);
    if (procedure)
        procedure(message);
}

namespace {
class RefusingHotKeyBackend : public WindowTableHotKeyBackend
{
public:
    bool registerHotKey(quintptr, int, unsigned, unsigned) override { return false; }
    bool unregisterHotKey(quintptr, int) override { return false; }
};
} // namespace

std::unique_ptr<HotKeyBackend> makeRefusingHotKeyBackend()
{
    return std::make_unique<RefusingHotKeyBackend>();
}

HotKeyBackend &systemHotKeyBackend()
{
    static std::unique_ptr<HotKeyBackend> backend;
    if (!backend)
        backend = makeNativeHotKeyBackend();
    if (!backend)
        backend = makeRefusingHotKeyBackend();
    return *backend;
}
