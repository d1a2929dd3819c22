#include "dialogs/menutable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

QAction *addMenuAction(QMenu *menu, const char *name, const char *caption, const char *shortcut, const char *hint,
                       int context, QObject *owner)
{
    if (*caption == '\0') {
        menu->addSeparator();
        return nullptr;
    }
    auto *action = new QAction(QString::fromUtf8(caption), owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(QString::fromUtf8(hint));
    action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    action->setProperty("helpContext", context);
    menu->addAction(action);
    return action;
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
