// The capture commands of the main window over a fake hot key backend and
// a fake screen.
#include "app/newstat.h"
#include "capture/syshot.h"
#include "fakehotkeys.h"
#include "imagebox/imagebox.h"
#include "scan/scan.h"
#include "support/mainwindowfixture.h"

#include <QtTest>

namespace {
const QRect Frame(100, 80, 410, 330);
const QRect Client(104, 104, 402, 302);

struct CaptureFixture : MainWindowFixture
{
    FakeHotKeyBackend hotKeys;
    FakeScreenGrabber screen;
    std::unique_ptr<TForm9> scan;

    // The hot key components go with the window, before the backend.
    ~CaptureFixture()
    {
        scan.reset();
        form.reset();
    }

    TForm1 &start()
    {
        TForm1 &form = create({.hotKeys = &hotKeys, .grabber = &screen});
        scan = std::make_unique<TForm9>(prompter, &form);
        form.attachParts({.scan = scan.get()});
        form.show();
        QCoreApplication::processEvents();
        return form;
    }
    void arm(const QString &command) { form->action(command)->trigger(); }
};
} // namespace

class TestCapture : public QObject
{
    Q_OBJECT
private slots:
    void captureShowsThePicture_data();
    void captureShowsThePicture();
    void screenCaptureTwiceWorksBothTimes();
    void noForegroundWindowCapturesTheScreen();
    void refusedHotKeySaysSoAndStaysVisible();
    void activationSwitchesTheHotKeysOff();
    void otherWindowsHideWhileArmed();
};

void TestCapture::captureShowsThePicture_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("grabbed");
    QTest::newRow("screen") << "ScreenCapture1" << "Screen Capture" << "Hit CTRL+F4 to capture screen when ready"
                            << QSize(1280, 1024) << "screen";
    QTest::newRow("window") << "WindowCapture1" << "Capture Window" << "Hit Ctrl + F4 When Ready"
                            << Frame.size() << "area 100,80 410x330";
    QTest::newRow("client") << "ClientCapture1" << "Capture Client Area" << "Hit Ctrl + F4 When Ready"
                            << Client.size() << "area 104,104 402x302";
}

void TestCapture::captureShowsThePicture()
{
    QFETCH(QString, command);
    QFETCH(QString, status);
    QFETCH(QString, prompt);
    QFETCH(QSize, size);
    QFETCH(QString, grabbed);
    CaptureFixture f;
    TForm1 &form = f.start();
    f.screen.foreground = WindowArea{Frame, Client};
    f.arm(command);
    QCOMPARE(form.StatusBar1->panelText(1), status);
    QCOMPARE(f.prompter.texts("information"), QStringList({prompt}));
    QVERIFY(!form.isVisible());
    QCOMPARE(f.hotKeys.callsStartingWith("register").size(), 1);
    QVERIFY(f.hotKeys.callsStartingWith("register").constFirst().endsWith(" 0 2 0x73"));

    QVERIFY(f.hotKeys.press(HotKeyModControl, 0x73));
    QCOMPARE(f.screen.calls, QStringList({grabbed}));
    QVERIFY(form.isVisible());
    QVERIFY(!form.isMinimized());
    QVERIFY(f.scan->isVisible());
    QCOMPARE(f.scan->windowTitle(), QStringLiteral("Screen Capture"));
    QCOMPARE(f.scan->ImageBox1->picture().size(), size);
    QVERIFY(f.hotKeys.held.isEmpty());
    QVERIFY(!form.SysHotKey1->Active() && !form.SysHotKey2->Active() && !form.SysHotKey3->Active());
}

void TestCapture::screenCaptureTwiceWorksBothTimes()
{
    CaptureFixture f;
    TForm1 &form = f.start();
    for (int round = 1; round <= 2; ++round) {
        f.arm("ScreenCapture1");
        QVERIFY(!form.isVisible());
        QVERIFY(!f.scan->isVisible());
        QVERIFY2(f.hotKeys.press(HotKeyModControl, 0x73), qPrintable(QString::number(round)));
        QVERIFY(form.isVisible());
        QVERIFY(f.scan->isVisible());
    }
    QCOMPARE(f.screen.calls, QStringList({"screen", "screen"}));
    // Each arming adds a record; the first is the one the platform holds.
    QCOMPARE(form.SysHotKey1->count(), 2);
    QVERIFY(f.prompter.texts("error").isEmpty());
}

void TestCapture::noForegroundWindowCapturesTheScreen()
{
    CaptureFixture f;
    TForm1 &form = f.start();
    f.arm("WindowCapture1");
    QVERIFY(f.hotKeys.press(HotKeyModControl, 0x73));
    QCOMPARE(f.screen.calls, QStringList({"screen"}));
    QCOMPARE(f.scan->ImageBox1->picture().size(), QSize(1280, 1024));
    QCOMPARE(form.StatusBar1->panelText(1), QStringLiteral("No Foreground Window: Full Screen Captured"));
}

void TestCapture::refusedHotKeySaysSoAndStaysVisible()
{
    CaptureFixture f;
    TForm1 &form = f.start();
    f.hotKeys.refuseAll = true;
    f.arm("ClientCapture1");
    QVERIFY(form.isVisible());
    QCOMPARE(f.prompter.texts("error").size(), 1);
    QVERIFY(f.prompter.texts("error").constFirst().startsWith("Ctrl+F4 cannot be used"));
    QVERIFY(!form.SysHotKey3->Active());
    QVERIFY(!f.scan->isVisible());
    QVERIFY(f.screen.calls.isEmpty());
}

void TestCapture::activationSwitchesTheHotKeysOff()
{
    CaptureFixture f;
    TForm1 &form = f.start();
    for (TSysHotKey *hotKey : {form.SysHotKey1, form.SysHotKey2, form.SysHotKey3}) {
        hotKey->AddHotKey(33 + int(hotKey == form.SysHotKey2), hkAlt);
        hotKey->setActive(true);
    }
    form.FormActivate();
    QVERIFY(!form.SysHotKey1->Active() && !form.SysHotKey2->Active() && !form.SysHotKey3->Active());
    QVERIFY(f.hotKeys.held.isEmpty());

    // A late activation while the program waits hidden leaves the key alone.
    f.arm("ScreenCapture1");
    form.FormActivate();
    QVERIFY(form.SysHotKey1->Active());
    QVERIFY(f.hotKeys.press(HotKeyModControl, 0x73));
    QVERIFY(form.isVisible());
}

void TestCapture::otherWindowsHideWhileArmed()
{
    CaptureFixture f;
    TForm1 &form = f.start();
    f.scan->show();
    f.arm("ScreenCapture1");
    QVERIFY(!f.scan->isVisible());
    QVERIFY(f.hotKeys.press(HotKeyModControl, 0x73));
    QVERIFY(form.isVisible());
    QVERIFY(f.scan->isVisible());
}

QTEST_MAIN(TestCapture)
#include "tst_capture.moc"
