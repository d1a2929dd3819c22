// Hot keys on X11: key grabs on the root window through Qt's xcb connection.
#include "platform/hotkeys_native.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QHash>
#include <QLoggingCategory>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <map>

Q_LOGGING_CATEGORY(lcHotKeys, "pixmoor.hotkeys", QtWarningMsg)

namespace {
constexpr quint16 ShiftMask = XCB_MOD_MASK_SHIFT;
constexpr quint16 LockMask = XCB_MOD_MASK_LOCK;
constexpr quint16 ControlMask = XCB_MOD_MASK_CONTROL;
constexpr quint16 AltMask = XCB_MOD_MASK_1;
constexpr quint16 NumLockMask = XCB_MOD_MASK_2;
constexpr quint16 WinMask = XCB_MOD_MASK_4;
// Each combination is grabbed with every state of these locks.
constexpr std::array<quint16, 4> LockVariants{0, LockMask, NumLockMask, LockMask | NumLockMask};

struct Owner
{
    quintptr window;
    int identifier;
};

using Combination = std::pair<xcb_keycode_t, quint16>;
using Registration = std::pair<quintptr, int>;

class XcbHotKeyBackend : public WindowTableHotKeyBackend, public QAbstractNativeEventFilter
{
public:
    XcbHotKeyBackend(xcb_connection_t *connection, xcb_window_t root)
        : m_connection(connection), m_root(root)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~XcbHotKeyBackend() override
    {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool registerHotKey(quintptr window, int identifier, unsigned modifierFlags, unsigned virtualKey) override;
    bool unregisterHotKey(quintptr window, int identifier) override;
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    xcb_keycode_t keyCodeOf(quint32 keySymbol) const;
    bool grab(const Combination &combination);
    void ungrab(const Combination &combination);
    void deliver(const Owner &owner);

    xcb_connection_t *m_connection;
    xcb_window_t m_root;
    std::map<Combination, Owner> m_grabs;
    std::map<Registration, Combination> m_registrations;
};

xcb_keycode_t XcbHotKeyBackend::keyCodeOf(quint32 keySymbol) const
{
    const xcb_setup_t *setup = xcb_get_setup(m_connection);
    const xcb_keycode_t first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    xcb_get_keyboard_mapping_reply_t *reply = xcb_get_keyboard_mapping_reply(
        m_connection, xcb_get_keyboard_mapping(m_connection, first, count), nullptr);
    if (!reply)
        return 0;
    const xcb_keysym_t *symbols = xcb_get_keyboard_mapping_keysyms(reply);
    const int perCode = reply->keysyms_per_keycode;
    xcb_keycode_t found = 0;
    for (int code = 0; code < count && !found; ++code)
        for (int column = 0; column < perCode && !found; ++column)
            if (symbols[code * perCode + column] == keySymbol)
                found = xcb_keycode_t(first + code);
    std::free(reply);
    return found;
}

bool XcbHotKeyBackend::grab(const Combination &combination)
{
    for (quint16 locks : LockVariants) {
        xcb_void_cookie_t cookie = xcb_grab_key_checked(m_connection, 0, m_root, combination.second | locks,
                                                        combination.first, XCB_GRAB_MODE_ASYNC,
                                                        XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
            // BadAccess: another client holds the combination.
            qCInfo(lcHotKeys) << "key grab refused, error" << error->error_code;
            std::free(error);
            ungrab(combination);
            return false;
        }
    }
    return true;
}

void XcbHotKeyBackend::ungrab(const Combination &combination)
{
    for (quint16 locks : LockVariants)
        xcb_ungrab_key(m_connection, combination.first, m_root, combination.second | locks);
    xcb_flush(m_connection);
}

bool XcbHotKeyBackend::registerHotKey(quintptr window, int identifier, unsigned modifierFlags,
                                      unsigned virtualKey)
{
    const quint32 symbol = keySymbolOfVirtualKey(virtualKey);
    const xcb_keycode_t code = symbol ? keyCodeOf(symbol) : 0;
    const Registration registration{window, identifier};
    if (!code || !hasWindow(window) || m_registrations.count(registration))
        return false;
    const Combination combination{code, x11ModifierMask(modifierFlags)};
    // As on Windows, a combination belongs to one registration at a time,
    // even within this program.
    if (m_grabs.count(combination) || !grab(combination)) {
        qCDebug(lcHotKeys) << "refused" << window << identifier;
        return false;
    }
    qCDebug(lcHotKeys) << "grabbed" << combination.first << combination.second << "for" << window << identifier;
    m_grabs[combination] = Owner{window, identifier};
    m_registrations[registration] = combination;
    return true;
}

bool XcbHotKeyBackend::unregisterHotKey(quintptr window, int identifier)
{
    const auto hit = m_registrations.find({window, identifier});
    if (hit == m_registrations.end())
        return false;
    qCDebug(lcHotKeys) << "released" << window << identifier;
    ungrab(hit->second);
    m_grabs.erase(hit->second);
    m_registrations.erase(hit);
    return true;
}

bool XcbHotKeyBackend::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    auto *event = static_cast<xcb_generic_event_t *>(message);
    const uint8_t type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    auto *key = reinterpret_cast<xcb_key_press_event_t *>(event);
    if (key->event != m_root)
        return false;
    const quint16 modifiers = key->state & (ShiftMask | ControlMask | AltMask | WinMask);
    const auto hit = m_grabs.find({key->detail, modifiers});
    qCDebug(lcHotKeys) << (type == XCB_KEY_PRESS ? "press" : "release") << key->detail << modifiers
                       << (hit == m_grabs.end() ? "not ours" : "ours");
    if (hit == m_grabs.end())
        return false;
    if (type == XCB_KEY_PRESS)
        deliver(hit->second);
    return true;
}

void XcbHotKeyBackend::deliver(const Owner &owner)
{
    WindowMessage message{WM_HOTKEY_MESSAGE, quintptr(owner.identifier), 0, 0};
    sendMessage(owner.window, message);
}
} // namespace

quint16 x11ModifierMask(unsigned modifierFlags)
{
    quint16 mask = 0;
    if (modifierFlags & HotKeyModShift)
        mask |= ShiftMask;
    if (modifierFlags & HotKeyModControl)
        mask |= ControlMask;
    if (modifierFlags & HotKeyModAlt)
        mask |= AltMask;
    if (modifierFlags & HotKeyModWin)
        mask |= WinMask;
    return mask;
}

quint32 keySymbolOfVirtualKey(unsigned virtualKey)
{
    struct Range
    {
        unsigned firstKey, lastKey;
        quint32 firstSymbol;
    };
    static const Range ranges[] = {
        {0x03, 0x03, 0xff69}, {0x08, 0x09, 0xff08}, {0x0C, 0x0C, 0xff0b}, {0x0D, 0x0D, 0xff0d},
        {0x13, 0x13, 0xff13}, {0x14, 0x14, 0xffe5}, {0x1B, 0x1B, 0xff1b}, {0x20, 0x20, 0x0020},
        {0x21, 0x21, 0xff55}, {0x22, 0x22, 0xff56}, {0x23, 0x23, 0xff57}, {0x24, 0x24, 0xff50},
        {0x25, 0x28, 0xff51}, {0x29, 0x29, 0xff60}, {0x2B, 0x2B, 0xff62}, {0x2C, 0x2C, 0xff61},
        {0x2D, 0x2D, 0xff63}, {0x2E, 0x2E, 0xffff}, {0x2F, 0x2F, 0xff6a}, {0x30, 0x39, 0x0030},
        {0x41, 0x5A, 0x0061}, {0x60, 0x69, 0xffb0}, {0x6A, 0x6F, 0xffaa}, {0x70, 0x87, 0xffbe},
        {0x90, 0x90, 0xff7f}, {0x91, 0x91, 0xff14},
    };
    for (const Range &range : ranges)
        if (virtualKey >= range.firstKey && virtualKey <= range.lastKey)
            return range.firstSymbol + (virtualKey - range.firstKey);
    return 0;
}

std::unique_ptr<HotKeyBackend> makeNativeHotKeyBackend()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return nullptr;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return nullptr;
    return std::make_unique<XcbHotKeyBackend>(connection, screen->root);
}
