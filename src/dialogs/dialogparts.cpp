#include "dialogs/dialogparts.h"

#include <QShortcut>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QWidget>

void setHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

namespace {
// The window with its frame; just the window while the frame reads smaller,
// as a dialog's can (1 x 1 at its place) before the window manager has
// reported it.
QRect outerRect(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    return frame.width() < window->width() || frame.height() < window->height() ? window->geometry() : frame;
}
} // namespace

void centreOver(QWidget *window, const QWidget *owner)
{
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();   // the size its first showing would give it
    if (!owner || !owner->isVisible()) {
        centreOnScreen(window);
        return;
    }
    moveCentreTo(window, window->frameGeometry().size(), outerRect(owner).center());
}

void moveCentreTo(QWidget *window, QSize frameSize, QPoint centre)
{
    QRect frame(QPoint(), frameSize);
    frame.moveCenter(centre);
    const QScreen *screen = QGuiApplication::screenAt(centre);
    if (!screen)
        screen = window->screen();
    if (screen) {
        const QRect room = screen->availableGeometry();
        frame.moveLeft(qBound(room.left(), frame.left(), qMax(room.left(), room.right() + 1 - frame.width())));
        frame.moveTop(qBound(room.top(), frame.top(), qMax(room.top(), room.bottom() + 1 - frame.height())));
    }
    window->move(frame.topLeft());
}

QMenu *attachWhatsThisMenu(QWidget *window, const QString &hint, const std::function<void()> &run)
{
    auto *menu = new QMenu(window);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *item = menu->addAction(QStringLiteral("&What's This?"));
    item->setObjectName(QStringLiteral("WhatsThis1"));
    item->setStatusTip(hint);
    QObject::connect(item, &QAction::triggered, window, run);
    window->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(window, &QWidget::customContextMenuRequested, menu,
                     [window, menu](const QPoint &at) { menu->popup(window->mapToGlobal(at)); });
    return menu;
}

void addCloseOnEscape(QWidget &window)
{
    // A shortcut rather than an action: the windows' pop-up menus list their actions.
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    QObject::connect(close, &QShortcut::activated, &window, &QWidget::close);
}

void reparentWindow(QWidget &window, QWidget *parent)
{
    if (window.parentWidget() == parent)
        return;
    const bool visible = window.isVisible();
    const QPoint position = window.pos();
    // The flags given again keep it a window, frameless or not.
    window.setParent(parent, window.windowFlags() | Qt::Window);
    if (visible) {
        window.move(position);
        window.show();
    }
}

OpenedFrom::OpenedFrom(QWidget &dialog, QWidget *opener) : m_dialog(&dialog), m_owner(dialog.parentWidget())
{
    if (opener)
        reparentWindow(dialog, opener->window());
}

OpenedFrom::~OpenedFrom()
{
    if (m_dialog)
        reparentWindow(*m_dialog, m_owner);
}
