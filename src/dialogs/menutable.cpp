#include "dialogs/menutable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

void addMenuItems(QMenu *menu, std::span<const MenuItem> items, QObject *owner)
{
    for (const MenuItem &item : items) {
        if (*item.caption == '\0') {
            menu->addSeparator();
            continue;
        }
        auto *action = new QAction(QString::fromUtf8(item.caption), owner);
        action->setObjectName(QString::fromLatin1(item.name));
        action->setStatusTip(QString::fromUtf8(item.hint));
        action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        action->setProperty("helpContext", item.context);
        action->setProperty("handler", QString::fromLatin1(item.handler));
        menu->addAction(action);
    }
}

QMenu *addMenuHeading(QMenuBar *bar, const char *name, const char *caption, const char *hint,
                      int context)
{
    QMenu *menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setStatusTip(QString::fromUtf8(hint));
    menu->menuAction()->setProperty("helpContext", context);
    return menu;
}
