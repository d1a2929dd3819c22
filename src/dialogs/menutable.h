// Menus built from tables: caption, shortcut, hint, help context, handler.
#pragma once

#include <QAction>
#include <QMenu>
#include <span>

class QMenuBar;

// An item of a menu of a window of class Window. A missing handler does not
// compile; an item without one (null) only flips its own check mark or is
// connected by the window itself.
template <class Window>
struct MenuItem
{
    const char *name;      // object name
    const char *caption;   // empty for a separator
    const char *shortcut;
    const char *hint;
    int context;           // help context number
    void (Window::*handler)();
};

template <class Window>
inline constexpr MenuItem<Window> MenuSeparator{"", "", "", "", 0, nullptr};

// Adds one action to menu, owned by owner, carrying the hint as its status
// tip and the help context as a property; a separator (and null) for an
// empty caption.
QAction *addMenuAction(QMenu *menu, const char *name, const char *caption, const char *shortcut, const char *hint,
                       int context, QObject *owner);

// Adds an action per item; each runs its handler through
// window->runCommand(handler), where the window decides whether it may run now.
template <class Window>
void addMenuItems(QMenu *menu, std::span<const MenuItem<Window>> items, Window *window)
{
    for (const MenuItem<Window> &item : items) {
        QAction *action = addMenuAction(menu, item.name, item.caption, item.shortcut, item.hint, item.context, window);
        if (action && item.handler)
            QObject::connect(action, &QAction::triggered, window,
                             [window, handler = item.handler] { window->runCommand(handler); });
    }
}

// A heading of the menu bar, named and hinted like the items.
QMenu *addMenuHeading(QMenuBar *bar, const char *name, const char *caption, const char *hint,
                      int context);
