#include "decor/captionbar.h"

#include "decor/captionbutton.h"
#include "decor/gradcap.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QToolButton>
#include <QWhatsThis>
#include <QWindow>

CaptionBar::CaptionBar(TGradientCaption &caption, QWidget *window)
    : QWidget(window), m_caption(caption), m_window(window)
{
    setObjectName(QStringLiteral("CaptionBar"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_minimize = titleButton("MinimizeButton", QStringLiteral("Minimize"), CaptionGlyph::Minimize);
    m_maximize = titleButton("MaximizeButton", QStringLiteral("Maximize"), CaptionGlyph::Maximize);
    m_close = titleButton("CloseButton", QStringLiteral("Close"), CaptionGlyph::Close);
    m_help = titleButton("HelpButton", QStringLiteral("Help"), CaptionGlyph::Help);
    connect(m_minimize, &QToolButton::clicked, m_window, &QWidget::showMinimized);
    connect(m_maximize, &QToolButton::clicked, this, &CaptionBar::toggleMaximized);
    // Through close(), so the window's own close handling runs as with the native button.
    connect(m_close, &QToolButton::clicked, m_window, &QWidget::close);
    connect(m_help, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    createWindowMenu();
    updateButtons();
}

CaptionButton *CaptionBar::titleButton(const char *name, const QString &tip, CaptionGlyph glyph)
{
    auto *button = new CaptionButton(glyph, [this] { return background(); }, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    return button;
}

QColor CaptionBar::background() const
{
    const SystemCaptionColors colors = systemCaptionColors(palette());
    return m_caption.IsActive() ? colors.active : colors.inactive;
}

bool CaptionBar::canMaximize() const
{
    return m_window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint)
           && m_window->minimumSize() != m_window->maximumSize();
}

bool CaptionBar::canMinimize() const
{
    return m_window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
}

void CaptionBar::updateButtons()
{
    const CaptionFrame frame = m_caption.frame();
    const bool tool = frame.style == TBorderStyle::ToolWindow || frame.style == TBorderStyle::SizeToolWin;
    const bool dialog = frame.style == TBorderStyle::Dialog;
    m_close->setVisible(frame.systemMenu || tool);
    m_help->setVisible(!tool && dialog && frame.helpButton);
    m_minimize->setVisible(!tool && !dialog && frame.minMaxButtons);
    m_maximize->setVisible(!tool && !dialog && frame.minMaxButtons);
    m_minimize->setEnabled(canMinimize());
    m_maximize->setEnabled(canMaximize());
    m_maximize->setGlyph(m_window->isMaximized() ? CaptionGlyph::Restore : CaptionGlyph::Maximize);
    // Right to left, leaving the 2-pixel gaps the caption rectangle allows for.
    const int side = height();
    int right = width() - 2;
    for (QToolButton *button : {m_close, m_help, m_maximize, m_minimize}) {
        if (button->isHidden())
            continue;
        right -= button == m_help ? side + 2 : side;
        button->setGeometry(right, 1, side, side - 2);
    }
    update();
}

void CaptionBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool active = m_caption.IsActive();
    painter.fillRect(rect(), background());
    m_caption.PaintCaption(painter, active);
}

void CaptionBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QRect caption = m_caption.GetCaptionRect();
    const bool onIcon = showsCaptionIcon(m_caption.frame()) && event->position().x() < caption.left() + height();
    if (onIcon)
        showWindowMenu(mapToGlobal(QPoint(0, height())));
    else
        m_movePressedAt = event->globalPosition().toPoint();
    event->accept();
}

// The move starts once the pointer has travelled a drag's distance with the
// button held: a window manager handed a move by a press whose release came
// before it took the pointer keeps the window on the pointer after a tap.
void CaptionBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_movePressedAt || !(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    const QPoint travelled = event->globalPosition().toPoint() - *m_movePressedAt;
    if (travelled.manhattanLength() >= QApplication::startDragDistance()) {
        m_movePressedAt.reset();
        if (QWindow *handle = m_window->windowHandle())
            handle->startSystemMove();
    }
    event->accept();
}

void CaptionBar::mouseReleaseEvent(QMouseEvent *event)
{
    m_movePressedAt.reset();
    QWidget::mouseReleaseEvent(event);
}

void CaptionBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && canMaximize())
        toggleMaximized();
    event->accept();
}

void CaptionBar::contextMenuEvent(QContextMenuEvent *event)
{
    showWindowMenu(event->globalPos());
}

void CaptionBar::toggleMaximized()
{
    if (m_window->isMaximized())
        m_window->showNormal();
    else
        m_window->showMaximized();
}

void CaptionBar::createWindowMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("WindowMenu"));
    m_menu->addAction(QStringLiteral("&Restore"), m_window, &QWidget::showNormal)->setObjectName("Restore");
    m_menu->addAction(QStringLiteral("&Move"), this, [this] {
        if (QWindow *handle = m_window->windowHandle())
            handle->startSystemMove();
    })->setObjectName("Move");
    m_menu->addAction(QStringLiteral("&Size"), this, [this] {
        if (QWindow *handle = m_window->windowHandle())
            handle->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
    })->setObjectName("Size");
    m_menu->addAction(QStringLiteral("Mi&nimize"), m_window, &QWidget::showMinimized)->setObjectName("Minimize");
    m_menu->addAction(QStringLiteral("Ma&ximize"), m_window, &QWidget::showMaximized)->setObjectName("Maximize");
    m_menu->addSeparator();
    QAction *close = m_menu->addAction(QStringLiteral("&Close"), m_window, &QWidget::close);
    close->setObjectName("Close");
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    close->setShortcutVisibleInContextMenu(true);
    // Alt+Space opens the window menu, as on a native title bar.
    auto *menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), m_window);
    connect(menuKey, &QShortcut::activated, this, [this] { showWindowMenu(mapToGlobal(QPoint(0, height()))); });
}

void CaptionBar::updateWindowMenu()
{
    const bool maximized = m_window->isMaximized();
    const bool sizable = m_window->minimumSize() != m_window->maximumSize();
    const auto enable = [this](const char *name, bool on) {
        if (QAction *a = m_menu->findChild<QAction *>(QLatin1String(name)))
            a->setEnabled(on);
    };
    enable("Restore", maximized || m_window->isMinimized());
    enable("Move", !maximized);
    enable("Size", sizable && !maximized);
    enable("Minimize", canMinimize());
    enable("Maximize", canMaximize() && !maximized);
}

void CaptionBar::showWindowMenu(const QPoint &globalPos)
{
    updateWindowMenu();
    m_menu->popup(globalPos);
}
