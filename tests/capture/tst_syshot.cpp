// System hot keys over a recording backend: the key table, registration
// and unregistration, identifiers, and destruction.
#include "capture/syshot.h"
#include "fakehotkeys.h"

#include <QtTest>
#include <memory>

class TestSysHot : public QObject
{
    Q_OBJECT
private slots:
    void keyTable_data();
    void keyTable();
    void modifierFlags_data();
    void modifierFlags();
    void ctrlF4RegistersF4WithControl();
    void activatingTwiceRegistersOnce();
    void deactivatingWithNothingRegisteredCallsNothing();
    void refusedRegistrationKeepsActive();
    void secondRecordOfTheSameCombinationIsRefused();
    void addingWhileActiveRegistersAtOnce();
    void clearUnregistersAndKeepsActive();
    void destructionUnregistersBeforeTheWindowGoes();
    void threeInstancesHearOnlyTheirOwnKeys();
    void destroyedWindowSwitchesOff();
    void unhandledMessagesAreAnsweredWithZero();
};

void TestSysHot::keyTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<unsigned>("code");
    const struct { const char *name; int index; unsigned code; } rows[] = {
        {"Cancel", 0, 0x03},      {"Backspace", 1, 0x08},  {"Clear", 3, 0x0C},   {"Escape", 7, 0x1B},
        {"Space", 8, 0x20},       {"Page Up", 9, 0x21},    {"Select", 17, 0x29}, {"Execute", 18, 0x2B},
        {"Help", 22, 0x2F},       {"digit 0", 23, 0x30},   {"digit 9", 32, 0x39}, {"A", 33, 0x41},
        {"Z", 58, 0x5A},          {"keypad 0", 59, 0x60},  {"keypad 9", 68, 0x69}, {"multiply", 69, 0x6A},
        {"divide", 74, 0x6F},     {"F1", 75, 0x70},        {"F4", 78, 0x73},     {"F24", 98, 0x87},
        {"Num Lock", 99, 0x90},   {"Scroll Lock", 100, 0x91}, {"past the table", 101, 0},
        {"negative", -1, 0},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.index << row.code;
}

void TestSysHot::keyTable()
{
    QFETCH(int, index);
    QFETCH(unsigned, code);
    QCOMPARE(virtualKeyOfIndex(index), code);
}

void TestSysHot::modifierFlags_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<unsigned>("flags");
    QTest::newRow("none") << 0 << 0u;
    QTest::newRow("Shift") << int(hkShift) << 4u;
    QTest::newRow("Ctrl") << int(hkCtrl) << 2u;
    QTest::newRow("Alt") << int(hkAlt) << 1u;
    QTest::newRow("Win") << int(hkWin) << 8u;
    QTest::newRow("Ctrl+Alt") << int(hkCtrl | hkAlt) << 3u;
    QTest::newRow("all") << int(hkShift | hkCtrl | hkAlt | hkWin) << 15u;
}

void TestSysHot::modifierFlags()
{
    QFETCH(int, modifiers);
    QFETCH(unsigned, flags);
    QCOMPARE(modifierFlagsOf(THKModifiers(modifiers)), flags);
}

void TestSysHot::ctrlF4RegistersF4WithControl()
{
    FakeHotKeyBackend backend;
    TSysHotKey hotKey(nullptr, backend);
    hotKey.AddHotKey(78, hkCtrl);
    QVERIFY(!hotKey.HandleAllocated());
    hotKey.setActive(true);
    QCOMPARE(backend.calls, QStringList({"create 1", "register 1 0 2 0x73"}));
    QCOMPARE(hotKey.record(0).Registered, quint8(1));
    QCOMPARE(hotKey.record(0).Key, quint8(78));
    QCOMPARE(hotKey.record(0).Modifiers, quint8(hkCtrl));
}

void TestSysHot::activatingTwiceRegistersOnce()
{
    FakeHotKeyBackend backend;
    TSysHotKey hotKey(nullptr, backend);
    hotKey.AddHotKey(78, hkCtrl);
    hotKey.setActive(true);
    hotKey.setActive(true);
    QCOMPARE(backend.callsStartingWith("register").size(), 1);
    hotKey.setActive(false);
    hotKey.setActive(false);
    QCOMPARE(backend.callsStartingWith("unregister"), QStringList({"unregister 1 0"}));
    QCOMPARE(hotKey.record(0).Registered, quint8(0));
}

void TestSysHot::deactivatingWithNothingRegisteredCallsNothing()
{
    FakeHotKeyBackend backend;
    backend.refuseAll = true;
    TSysHotKey hotKey(nullptr, backend);
    hotKey.setActive(true);
    hotKey.setActive(false);
    QVERIFY(backend.calls.isEmpty());

    hotKey.AddHotKey(78, hkCtrl);
    hotKey.setActive(true);
    backend.calls.clear();
    hotKey.setActive(false);
    QVERIFY(backend.calls.isEmpty());
}

void TestSysHot::refusedRegistrationKeepsActive()
{
    FakeHotKeyBackend backend;
    backend.refuseAll = true;
    TSysHotKey hotKey(nullptr, backend);
    hotKey.setActive(true);
    hotKey.AddHotKey(78, hkCtrl);
    QCOMPARE(backend.callsStartingWith("register").size(), 1);
    QCOMPARE(hotKey.record(0).Registered, quint8(0));
    QVERIFY(hotKey.Active());
    QVERIFY(!hotKey.anyRegistered());
}

void TestSysHot::secondRecordOfTheSameCombinationIsRefused()
{
    FakeHotKeyBackend backend;
    TSysHotKey hotKey(nullptr, backend);
    hotKey.AddHotKey(78, hkCtrl);
    hotKey.AddHotKey(78, hkCtrl);
    hotKey.setActive(true);
    QCOMPARE(hotKey.record(0).Registered, quint8(1));
    QCOMPARE(hotKey.record(1).Registered, quint8(0));
    int heard = -1;
    hotKey.OnHotKey = [&](QObject *, int index) { heard = index; };
    QVERIFY(backend.press(2, 0x73));
    QCOMPARE(heard, 0);
}

void TestSysHot::addingWhileActiveRegistersAtOnce()
{
    FakeHotKeyBackend backend;
    TSysHotKey hotKey(nullptr, backend);
    hotKey.AddHotKey(33, hkAlt);
    QVERIFY(backend.calls.isEmpty());
    hotKey.setActive(true);
    hotKey.AddHotKey(23, hkShift | hkWin);
    QCOMPARE(backend.callsStartingWith("register"),
             QStringList({"register 1 0 1 0x41", "register 1 1 12 0x30"}));
}

void TestSysHot::clearUnregistersAndKeepsActive()
{
    FakeHotKeyBackend backend;
    TSysHotKey hotKey(nullptr, backend);
    hotKey.AddHotKey(78, hkCtrl);
    hotKey.AddHotKey(98, 0);
    hotKey.setActive(true);
    hotKey.Clear();
    QCOMPARE(backend.callsStartingWith("unregister"), QStringList({"unregister 1 0", "unregister 1 1"}));
    QCOMPARE(hotKey.count(), 0);
    QVERIFY(hotKey.Active());
    QVERIFY(backend.held.isEmpty());
}

void TestSysHot::destructionUnregistersBeforeTheWindowGoes()
{
    FakeHotKeyBackend backend;
    auto hotKey = std::make_unique<TSysHotKey>(nullptr, backend);
    hotKey->AddHotKey(78, hkCtrl);
    hotKey->setActive(true);
    backend.calls.clear();
    hotKey.reset();
    QCOMPARE(backend.calls, QStringList({"unregister 1 0", "destroy 1"}));
    QVERIFY(backend.held.isEmpty());
    QVERIFY(backend.windows.isEmpty());
}

void TestSysHot::threeInstancesHearOnlyTheirOwnKeys()
{
    FakeHotKeyBackend backend;
    TSysHotKey first(nullptr, backend), second(nullptr, backend), third(nullptr, backend);
    QList<std::pair<QObject *, int>> heard;
    for (TSysHotKey *hotKey : {&first, &second, &third})
        hotKey->OnHotKey = [&](QObject *sender, int index) { heard.append({sender, index}); };
    first.AddHotKey(78, hkCtrl);
    second.AddHotKey(79, hkCtrl);
    third.AddHotKey(33, hkCtrl);
    third.AddHotKey(34, hkCtrl);
    for (TSysHotKey *hotKey : {&first, &second, &third})
        hotKey->setActive(true);

    QVERIFY(backend.press(2, 0x74));
    QVERIFY(backend.press(2, 0x42));
    QVERIFY(backend.press(2, 0x73));
    QVERIFY(backend.press(2, 0x41));
    const QList<std::pair<QObject *, int>> expected{{&second, 0}, {&third, 1}, {&first, 0}, {&third, 0}};
    QCOMPARE(heard, expected);
}

void TestSysHot::destroyedWindowSwitchesOff()
{
    FakeHotKeyBackend backend;
    TSysHotKey hotKey(nullptr, backend);
    hotKey.AddHotKey(78, hkCtrl);
    hotKey.setActive(true);
    backend.send(hotKey.Handle(), WM_DESTROY_MESSAGE, 0);
    QVERIFY(!hotKey.Active());
    QCOMPARE(hotKey.record(0).Registered, quint8(0));
    QVERIFY(backend.held.isEmpty());
}

void TestSysHot::unhandledMessagesAreAnsweredWithZero()
{
    FakeHotKeyBackend backend;
    TSysHotKey hotKey(nullptr, backend);
    backend.send(hotKey.Handle(), 0x0011, 0);  // the query whether the session may end
    QCOMPARE(backend.lastResult, qintptr(0));
    // Without a handler assigned, a hot key message is simply answered.
    backend.send(hotKey.Handle(), WM_HOTKEY_MESSAGE, 0);
    QCOMPARE(backend.lastResult, qintptr(0));
}

QTEST_GUILESS_MAIN(TestSysHot)
#include "tst_syshot.moc"
