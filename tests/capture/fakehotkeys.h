// Hot key backend and screen grabber for tests: record every call, refuse
// on request, and press keys on demand.
#pragma once

#include "platform/hotkeys.h"
#include "platform/screengrabber.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

class FakeHotKeyBackend : public HotKeyBackend
{
public:
    quintptr createWindow(WindowProcedure procedure) override
    {
        const quintptr window = ++lastWindow;
        windows.insert(window, std::move(procedure));
        calls << QStringLiteral("create %1").arg(window);
        return window;
    }
    void destroyWindow(quintptr window) override
    {
        calls << QStringLiteral("destroy %1").arg(window);
        send(window, WM_DESTROY_MESSAGE, 0);
        windows.remove(window);
    }
    bool registerHotKey(quintptr window, int identifier, unsigned flags, unsigned key) override
    {
        calls << QStringLiteral("register %1 %2 %3 0x%4").arg(window).arg(identifier).arg(flags).arg(key, 2, 16, QLatin1Char('0'));
        const QString combination = QStringLiteral("%1+%2").arg(flags).arg(key);
        if (refuseAll || taken.contains(combination))
            return false;
        taken.insert(combination);
        held.insert({window, identifier}, combination);
        return true;
    }
    bool unregisterHotKey(quintptr window, int identifier) override
    {
        calls << QStringLiteral("unregister %1 %2").arg(window).arg(identifier);
        const auto hit = held.find({window, identifier});
        if (hit == held.end())
            return false;
        taken.remove(*hit);
        held.erase(hit);
        return true;
    }

    // The user presses the combination: the window holding it hears of it.
    bool press(unsigned flags, unsigned key)
    {
        const QString combination = QStringLiteral("%1+%2").arg(flags).arg(key);
        for (auto it = held.cbegin(); it != held.cend(); ++it)
            if (*it == combination) {
                send(it.key().first, WM_HOTKEY_MESSAGE, quintptr(it.key().second));
                return true;
            }
        return false;
    }
    void send(quintptr window, unsigned msg, quintptr wParam)
    {
        WindowMessage message{msg, wParam, 0, -1};
        if (const WindowProcedure procedure = windows.value(window))
            procedure(message);
        lastResult = message.result;
    }
    QStringList callsStartingWith(const QString &prefix) const { return calls.filter(QRegularExpression("^" + prefix)); }

    QHash<quintptr, WindowProcedure> windows;
    QHash<QPair<quintptr, int>, QString> held;
    QSet<QString> taken;
    QStringList calls;
    bool refuseAll = false;
    quintptr lastWindow = 0;
    qintptr lastResult = 0;
};

class FakeScreenGrabber : public ScreenGrabber
{
public:
    QImage grabScreen() override
    {
        calls << QStringLiteral("screen");
        return image(screen.size());
    }
    QImage grabArea(const QRect &area) override
    {
        calls << QStringLiteral("area %1,%2 %3x%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
        return image(area.size());
    }
    std::optional<WindowArea> foregroundWindow() override { return foreground; }

    static QImage image(QSize size)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        return picture;
    }

    QRect screen{0, 0, 1280, 1024};
    std::optional<WindowArea> foreground;
    QStringList calls;
};
