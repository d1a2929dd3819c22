// The backend chosen for this platform, and the one that refuses everything.
#include "platform/hotkeys.h"
#include "platform/hotkeys_native.h"

#include <QHash>

namespace {
class RefusingHotKeyBackend : public HotKeyBackend
{
public:
    quintptr createWindow(WindowProcedure procedure) override
    {
        const quintptr window = ++m_lastWindow;
        m_windows.insert(window, std::move(procedure));
        return window;
    }
    void destroyWindow(quintptr window) override
    {
        const WindowProcedure procedure = m_windows.take(window);
        WindowMessage message{WM_DESTROY_MESSAGE, 0, 0, 0};
        if (procedure)
            procedure(message);
    }
    bool registerHotKey(quintptr, int, unsigned, unsigned) override { return false; }
    bool unregisterHotKey(quintptr, int) override { return false; }

private:
    QHash<quintptr, WindowProcedure> m_windows;
    quintptr m_lastWindow = 0;
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
