// System hot keys: the key table, the record list and its registrations.
#include "capture/syshot.h"

#include <array>

namespace {
constexpr std::array<quint8, 23> LeadingKeys{0x03, 0x08, 0x09, 0x0C, 0x0D, 0x13, 0x14, 0x1B,
                                             0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27,
                                             0x28, 0x29, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F};

struct IndexRun
{
    int firstIndex, lastIndex;
    unsigned firstCode;
};

// Digits, letters, keypad, function keys, Num Lock and Scroll Lock: runs of
// consecutive codes.
constexpr std::array<IndexRun, 6> Runs{{
    {23, 32, 0x30},
    {33, 58, 0x41},
    {59, 74, 0x60},
    {75, 98, 0x70},
    {99, 99, 0x90},
    {100, 100, 0x91},
}};
} // namespace

unsigned virtualKeyOfIndex(int keyIndex)
{
    if (keyIndex >= 0 && keyIndex < int(LeadingKeys.size()))
        return LeadingKeys[keyIndex];
    for (const IndexRun &run : Runs)
        if (keyIndex >= run.firstIndex && keyIndex <= run.lastIndex)
            return run.firstCode + unsigned(keyIndex - run.firstIndex);
    return 0;
}

unsigned modifierFlagsOf(THKModifiers modifiers)
{
    unsigned flags = 0;
    if (modifiers & hkShift)
        flags |= HotKeyModShift;
    if (modifiers & hkCtrl)
        flags |= HotKeyModControl;
    if (modifiers & hkAlt)
        flags |= HotKeyModAlt;
    if (modifiers & hkWin)
        flags |= HotKeyModWin;
    return flags;
}

TSysHotKey::TSysHotKey(QObject *owner, HotKeyBackend &backend) : TWindowedComponent(owner, backend) {}

TSysHotKey::~TSysHotKey()
{
    Clear();
    // The window goes while this part still answers its WM_DESTROY.
    destroyHandle();
}

void TSysHotKey::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active)
        registerAll();
    else
        unregisterAll();
}

void TSysHotKey::AddHotKey(int keyIndex, THKModifiers modifiers)
{
    THotKeyRecord record;
    record.Key = quint8(keyIndex);
    record.Modifiers = modifiers;
    m_records.append(record);
    if (m_active)
        registerRecord(count() - 1);
}

void TSysHotKey::Clear()
{
    if (m_active)
        unregisterAll();
    m_records.clear();
}

bool TSysHotKey::anyRegistered() const
{
    for (const THotKeyRecord &record : m_records)
        if (record.Registered)
            return true;
    return false;
}

void TSysHotKey::registerRecord(int index)
{
    THotKeyRecord &record = m_records[index];
    const unsigned code = virtualKeyOfIndex(record.Key);
    // An index outside the table has no key the platform could hold.
    const bool accepted = code != 0
        && backend().registerHotKey(Handle(), index, modifierFlagsOf(record.Modifiers), code);
    record.Registered = accepted ? 1 : 0;
}

void TSysHotKey::unregisterRecord(int index)
{
    THotKeyRecord &record = m_records[index];
    if (!record.Registered)
        return;
    backend().unregisterHotKey(Handle(), index);
    record.Registered = 0;
}

void TSysHotKey::registerAll()
{
    for (int i = 0; i < count(); ++i)
        registerRecord(i);
}

void TSysHotKey::unregisterAll()
{
    for (int i = 0; i < count(); ++i)
        unregisterRecord(i);
}

void TSysHotKey::WndProc(WindowMessage &message)
{
    switch (message.msg) {
    case WM_HOTKEY_MESSAGE:
        WMHotKey(message);
        message.result = 0;
        break;
    case WM_DESTROY_MESSAGE:
        WMDestroy();
        TWindowedComponent::WndProc(message);
        break;
    default:
        TWindowedComponent::WndProc(message);
    }
}

void TSysHotKey::WMHotKey(const WindowMessage &message)
{
    if (OnHotKey)
        OnHotKey(this, int(message.wParam & 0xFFFF));
}

void TSysHotKey::WMDestroy()
{
    setActive(false);
}
