// Main window: capturing the screen, the foreground window or its client
// area on the Ctrl+F4 hot key.
#include "app/unit1.h"

#include "capture/syshot.h"
#include "imagebox/imagebox.h"
#include "scan/scan.h"
#include "platform/prompter.h"
#include "platform/screengrabber.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcCapture, "pixmoor.capture", QtWarningMsg)

namespace {
const QString EveryWindowPrompt = QStringLiteral("Hit Ctrl + F4 When Ready");

// Test hook: with PIXMOOR_CAPTURE_LOG naming a file, every capture shown
// appends "<width> <height>" to it, so that a test driving the program
// from outside can check what was captured.
void logCaptureSize(const QSize &size)
{
    const QString logName = qEnvironmentVariable("PIXMOOR_CAPTURE_LOG");
    if (logName.isEmpty())
        return;
    QFile log(logName);
    if (log.open(QIODevice::Append | QIODevice::Text))
        log.write(QStringLiteral("%1 %2\n").arg(size.width()).arg(size.height()).toUtf8());
}
} // namespace

void TForm1::createHotKeys(HotKeyBackend &backend)
{
    delete SysHotKey1;
    delete SysHotKey2;
    delete SysHotKey3;
    SysHotKey1 = new TSysHotKey(this, backend);
    SysHotKey2 = new TSysHotKey(this, backend);
    SysHotKey3 = new TSysHotKey(this, backend);
    SysHotKey1->setObjectName(QStringLiteral("SysHotKey1"));
    SysHotKey2->setObjectName(QStringLiteral("SysHotKey2"));
    SysHotKey3->setObjectName(QStringLiteral("SysHotKey3"));
    SysHotKey1->OnHotKey = [this](QObject *sender, int index) { SysHotKey1HotKey(sender, index); };
    SysHotKey2->OnHotKey = [this](QObject *sender, int index) { SysHotKey2HotKey(sender, index); };
    SysHotKey3->OnHotKey = [this](QObject *sender, int index) { SysHotKey3HotKey(sender, index); };
}

void TForm1::switchHotKeysOff()
{
    // While the program is hidden for a capture, an activation can only be
    // a late one from before hiding; the hot key must survive it.
    if (m_waitingForCapture)
        return;
    qCDebug(lcCapture) << "hot keys switched off";
    for (TSysHotKey *hotKey : {SysHotKey1, SysHotKey2, SysHotKey3})
        if (hotKey)
            hotKey->setActive(false);
}

void TForm1::ScreenCapture1Click()
{
    armCapture(*SysHotKey1, QStringLiteral("Screen Capture"),
               QStringLiteral("Hit CTRL+F4 to capture screen when ready"));
}

void TForm1::WindowCapture1Click()
{
    armCapture(*SysHotKey2, QStringLiteral("Capture Window"), EveryWindowPrompt);
}

void TForm1::ClientCapture1Click()
{
    armCapture(*SysHotKey3, QStringLiteral("Capture Client Area"), EveryWindowPrompt);
}

// The hot key is registered before the program hides: when the platform
// refuses it, nothing could bring the hidden program back.
void TForm1::armCapture(TSysHotKey &hotKey, const QString &status, const QString &prompt)
{
    setStatus(status);
    m_prompter.information(prompt);
    hotKey.AddHotKey(HotKeyIndexF4, hkCtrl);
    hotKey.setActive(true);
    if (!hotKey.anyRegistered()) {
        hotKey.setActive(false);
        setStatus(QStringLiteral("Capture Cancelled"));
        m_prompter.error(QStringLiteral("Ctrl+F4 cannot be used as a system-wide hot key here: it is taken "
                                        "by another program or the desktop offers no such keys. "
                                        "The capture has been cancelled."));
        return;
    }
    qCDebug(lcCapture) << "armed, hiding";
    hideForCapture();
}

void TForm1::hideForCapture()
{
    m_waitingForCapture = true;
    m_hiddenForCapture.clear();
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window != this)
            m_hiddenForCapture.append(window);
    // Hidden, not minimised first: a window manager handling the minimise
    // request after the window was shown again would keep it minimised.
    hide();
    for (const QPointer<QWidget> &window : std::as_const(m_hiddenForCapture))
        window->hide();
}

void TForm1::comeBackFromCapture()
{
    qCDebug(lcCapture) << "coming back";
    m_waitingForCapture = false;
    for (const QPointer<QWidget> &window : std::as_const(m_hiddenForCapture))
        if (window)
            window->show();
    m_hiddenForCapture.clear();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TForm1::SysHotKey1HotKey(QObject *, int)
{
    SysHotKey1->setActive(false);
    const QImage picture = m_grabber->grabScreen();
    comeBackFromCapture();
    showCapture(picture);
}

void TForm1::SysHotKey2HotKey(QObject *, int)
{
    SysHotKey2->setActive(false);
    captureForegroundWindow(false);
}

void TForm1::SysHotKey3HotKey(QObject *, int)
{
    SysHotKey3->setActive(false);
    captureForegroundWindow(true);
}

void TForm1::captureForegroundWindow(bool clientArea)
{
    const std::optional<WindowArea> window = m_grabber->foregroundWindow();
    QImage picture;
    if (window)
        picture = m_grabber->grabArea(clientArea ? window->client : window->frame);
    else
        picture = m_grabber->grabScreen();
    comeBackFromCapture();
    showCapture(picture);
    if (!window && !picture.isNull())
        setStatus(QStringLiteral("No Foreground Window: Full Screen Captured"));
}

void TForm1::showCapture(const QImage &picture)
{
    if (picture.isNull()) {
        m_prompter.error(QStringLiteral("The screen could not be read."));
        return;
    }
    if (!m_scanWindow)
        return;
    m_scanWindow->ImageBox1->setPicture(Picture::fromBitmap(picture));
    m_scanWindow->setWindowTitle(QStringLiteral("Screen Capture"));
    m_scanWindow->show();
    m_scanWindow->raise();
    // Active, or the window manager keeps the main window, activated on
    // coming back, above it.
    m_scanWindow->activateWindow();
    logCaptureSize(picture.size());
}
