// Pieces every small dialog of the program shares.
#pragma once

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

// A popup menu for window with the one item "&What's This?" carrying hint.
QMenu *attachWhatsThisMenu(QWidget *window, const QString &hint, const std::function<void()> &run);

// Escape closes window, wherever the focus is inside it.
void addCloseOnEscape(QWidget &window);
