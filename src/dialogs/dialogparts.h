// Pieces every small dialog of the program shares.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <functional>

class QMenu;
class QWidget;

// Hint shown as tooltip and, where a status bar listens, as status text.
void setHint(QWidget *widget, const QString &hint);

// Puts a window in the middle of the screen it is on.
void centreOnScreen(QWidget *window);
// Puts a window in the middle of the window that asked for it, kept on that
// window's screen; in the middle of the screen when there is no such window.
void centreOver(QWidget *window, const QWidget *owner);
// Moves window so that its frame, of frameSize, has its centre at centre,
// as far as that screen's room allows.
void moveCentreTo(QWidget *window, QSize frameSize, QPoint centre);

// A popup menu for window with the one item "&What's This?" carrying hint.
QMenu *attachWhatsThisMenu(QWidget *window, const QString &hint, const std::function<void()> &run);

// Escape closes window, wherever the focus is inside it.
void addCloseOnEscape(QWidget &window);

// Gives window another parent (none: it stands on its own) and keeps it a
// window where it was, shown if it was: reparenting alone hides a window
// and takes its frameless caption away.
void reparentWindow(QWidget &window, QWidget *parent);

// While it lives, a dialog shared by several windows belongs to the window
// that opened it: the window manager keeps it above that window and hands
// that window the focus back when it closes. Afterwards the dialog returns
// to its own parent, which owns it.
class OpenedFrom
{
public:
    OpenedFrom(QWidget &dialog, QWidget *opener);
    ~OpenedFrom();
    OpenedFrom(const OpenedFrom &) = delete;
    OpenedFrom &operator=(const OpenedFrom &) = delete;

private:
    QPointer<QWidget> m_dialog;
    QPointer<QWidget> m_owner;
};
