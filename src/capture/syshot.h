// Key combinations registered as system-wide hot keys while active.
#pragma once

#include "capture/wcomp.h"

#include <QList>
#include <functional>

// Modifier set of a combination: bit 0 Shift, 1 Ctrl, 2 Alt, 3 Win.
enum THKModifier : quint8 { hkShift = 1, hkCtrl = 2, hkAlt = 4, hkWin = 8 };
using THKModifiers = quint8;

// One combination; its position in the list is its identifier.
struct THotKeyRecord
{
    quint8 Modifiers = 0;
    quint8 Key = 0;         // key index 0..100
    quint8 Registered = 0;  // 1 while the platform holds the registration
};
static_assert(sizeof(THotKeyRecord) == 3);

constexpr int HotKeyIndexCount = 101;
constexpr int HotKeyIndexF4 = 78;

// The virtual-key code of a key index; 0 for an index outside 0..100.
unsigned virtualKeyOfIndex(int keyIndex);
// The platform's modifier flags of a modifier set.
unsigned modifierFlagsOf(THKModifiers modifiers);

class TSysHotKey : public TWindowedComponent
{
    Q_OBJECT
public:
    // Sender and the identifier of the combination pressed.
    using THotKeyEvent = std::function<void(QObject *sender, int index)>;

    explicit TSysHotKey(QObject *owner, HotKeyBackend &backend);
    ~TSysHotKey() override;

    bool Active() const { return m_active; }
    void setActive(bool active);
    THotKeyEvent OnHotKey;

    // Appends a combination, registered at once while active.
    void AddHotKey(int keyIndex, THKModifiers modifiers);
    // Unregisters (while active) and removes every combination; Active stays.
    void Clear();

    int count() const { return int(m_records.size()); }
    const THotKeyRecord &record(int index) const { return m_records.at(index); }
    // True when the platform holds at least one of the combinations.
    bool anyRegistered() const;

protected:
    void WndProc(WindowMessage &message) override;

private:
    void registerRecord(int index);
    void unregisterRecord(int index);
    void registerAll();
    void unregisterAll();
    void WMHotKey(const WindowMessage &message);
    void WMDestroy();

    QList<THotKeyRecord> m_records;
    bool m_active = false;
};
