#include "dialogs/contexthelp.h"

#include "dialogs/helpcommands.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace {
int contextOf(const QObject *object)
{
    return object ? object->property("helpContext").toInt() : 0;
}

// The item under the keyboard, else the menu's own heading.
int menuContext(const QMenu *menu)
{
    if (const int item = contextOf(menu->activeAction()))
        return item;
    return contextOf(menu->menuAction());
}

// An open menu, and the menus it came from, would stay over the help
// window and keep the keyboard.
void closeOpenMenus(QMenu *pressedIn)
{
    pressedIn->close();
    while (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        menu->close();
        if (QApplication::activePopupWidget() == menu)
            break;
    }
}
} // namespace

ContextHelp::ContextHelp(HelpCommands &help, QObject *parent) : QObject(parent), m_help(help)
{
    qApp->installEventFilter(this);
}

int ContextHelp::contextFor(const QObject *receiver)
{
    if (const auto *menu = qobject_cast<const QMenu *>(receiver))
        return menuContext(menu);
    for (const QObject *part = receiver; part; part = part->parent()) {
        if (const int context = contextOf(part))
            return context;
        if (part->isWidgetType() && static_cast<const QWidget *>(part)->isWindow())
            break;
    }
    return 0;
}

bool ContextHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1)
        return false;
    if (!watched->isWidgetType() || static_cast<QKeyEvent *>(event)->modifiers() != Qt::NoModifier)
        return false;
    const int context = contextFor(watched);
    if (auto *menu = qobject_cast<QMenu *>(watched))
        closeOpenMenus(menu);
    if (context)
        m_help.context(context);
    else
        m_help.contents();
    return true;
}
