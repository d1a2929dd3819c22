// Virtual-key codes and modifier flags as X11 key symbols and masks.
#include "platform/hotkeys_native.h"

#include <QtTest>

class TestX11Keys : public QObject
{
    Q_OBJECT
private slots:
    void x11KeySymbols_data();
    void x11KeySymbols();
};

void TestX11Keys::x11KeySymbols_data()
{
    QTest::addColumn<unsigned>("virtualKey");
    QTest::addColumn<quint32>("symbol");
    QTest::newRow("F4") << 0x73u << quint32(0xffc1);
    QTest::newRow("F24") << 0x87u << quint32(0xffd5);
    QTest::newRow("A as a") << 0x41u << quint32(0x61);
    QTest::newRow("Z as z") << 0x5Au << quint32(0x7a);
    QTest::newRow("digit 5") << 0x35u << quint32(0x35);
    QTest::newRow("keypad 0") << 0x60u << quint32(0xffb0);
    QTest::newRow("keypad divide") << 0x6Fu << quint32(0xffaf);
    QTest::newRow("Page Down") << 0x22u << quint32(0xff56);
    QTest::newRow("Left") << 0x25u << quint32(0xff51);
    QTest::newRow("Down") << 0x28u << quint32(0xff54);
    QTest::newRow("Delete") << 0x2Eu << quint32(0xffff);
    QTest::newRow("Scroll Lock") << 0x91u << quint32(0xff14);
    QTest::newRow("no key") << 0x0Au << quint32(0);
}

void TestX11Keys::x11KeySymbols()
{
    QFETCH(unsigned, virtualKey);
    QFETCH(quint32, symbol);
    QCOMPARE(keySymbolOfVirtualKey(virtualKey), symbol);
    QCOMPARE(x11ModifierMask(HotKeyModControl | HotKeyModShift), quint16(1 | 4));
}

QTEST_GUILESS_MAIN(TestX11Keys)
#include "tst_x11keys.moc"
