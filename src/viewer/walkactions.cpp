#include "viewer/walkactions.h"

#include <QAction>
#include <QWidget>

WalkActions::WalkActions(QWidget &window) : QObject(&window)
{
    next = new QAction(QStringLiteral("&Next Image"), &window);
    next->setObjectName(QStringLiteral("NextImage1"));
    next->setShortcuts({QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::Key_Space)});
    previous = new QAction(QStringLiteral("Pre&vious Image"), &window);
    previous->setObjectName(QStringLiteral("PreviousImage1"));
    previous->setShortcuts({QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::Key_Backspace)});
    for (QAction *item : {next, previous}) {
        item->setEnabled(false);
        // The keys work wherever the focus is inside the window.
        item->setShortcutContext(Qt::WindowShortcut);
    }
    connect(next, &QAction::triggered, this, [this] { m_step(+1); });
    connect(previous, &QAction::triggered, this, [this] { m_step(-1); });
}

void WalkActions::setStepper(std::function<void(int)> step)
{
    m_step = std::move(step);
    next->setEnabled(bool(m_step));
    previous->setEnabled(bool(m_step));
}
