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

// A popup menu for window with the one item "&What's This?" carrying hint.
QMenu *attachWhatsThisMenu(QWidget *window, const QString &hint, const std::function<void()> &run);
