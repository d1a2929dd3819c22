// Menus built from tables: caption, shortcut, hint, help context, handler.
#pragma once

#include <span>

class QMenu;
class QMenuBar;
class QObject;

struct MenuItem
{
    const char *name;      // object name; empty for a separator
    const char *caption;   // empty for a separator
    const char *shortcut;
    const char *hint;
    int context;           // help context number
    const char *handler;   // name of the command the item runs
};

inline constexpr MenuItem MenuSeparator{"", "", "", "", 0, ""};

// Adds an action per item to menu, owned by owner, carrying the hint as its
// status tip and the help context and handler name as properties.
void addMenuItems(QMenu *menu, std::span<const MenuItem> items, QObject *owner);

// A heading of the menu bar, named and hinted like the items.
QMenu *addMenuHeading(QMenuBar *bar, const char *name, const char *caption, const char *hint,
                      int context);
