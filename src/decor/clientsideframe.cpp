#include "decor/clientsideframe.h"

#include "decor/captionbar.h"
#include "decor/gradcap.h"
#include "decor/resizegrip.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QWidget>

namespace {

constexpr int GripThickness = 4;

bool resizable(const QWidget *window)
{
    return window->minimumSize() != window->maximumSize();
}

// One side of the 1-pixel line that keeps a frameless window apart from what
// lies behind it; the grips under it still take the pointer.
QWidget *outlineSide(QWidget *window)
{
    auto *side = new QWidget(window);
    side->setObjectName(QStringLiteral("WindowOutline"));
    side->setAttribute(Qt::WA_TransparentForMouseEvents);
    side->setAutoFillBackground(true);
    side->setBackgroundRole(QPalette::Shadow);
    return side;
}

} // namespace

int ClientSideFrame::barHeight(const QFont &captionFont, TBorderStyle style)
{
    const bool tool = style == TBorderStyle::ToolWindow || style == TBorderStyle::SizeToolWin;
    const int text = QFontMetrics(captionFont).height();
    return tool ? qMax(18, text + 4) : qMax(22, text + 8);
}

ClientSideFrame::ClientSideFrame(QWidget *window, TGradientCaption &caption) : QObject(window), m_window(window)
{
    m_barHeight = barHeight(caption.systemCaptionFont(), caption.frame().style);
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    makeRoomForBar(m_barHeight);
    m_bar = new CaptionBar(caption, window);
    m_bar->setFixedHeight(m_barHeight);
    if (resizable(window))
        createGrips();
    for (int side = 0; side < 4; ++side)
        m_outline.append(outlineSide(window));
    placeBarAndGrips();
    window->installEventFilter(this);
}

ClientSideFrame::~ClientSideFrame()
{
    if (!m_window)
        return;
    m_window->removeEventFilter(this);
    delete m_bar;
    qDeleteAll(m_grips);
    qDeleteAll(m_outline);
    makeRoomForBar(-m_barHeight);
    m_window->setWindowFlag(Qt::FramelessWindowHint, false);
}

// Moves the contents down by dy (up when negative) and lets fixed sizes grow with them.
void ClientSideFrame::makeRoomForBar(int dy)
{
    QWidget *w = m_window;
    QMargins margins = w->contentsMargins();
    margins.setTop(margins.top() + dy);
    w->setContentsMargins(margins);
    if (!w->layout()) {
        for (QWidget *child : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && child != m_bar && !qobject_cast<ResizeGrip *>(child))
                child->move(child->pos() + QPoint(0, dy));
        }
    }
    const bool fixedHeight = w->minimumHeight() == w->maximumHeight();
    // Growing, the maximum goes first; shrinking, the minimum; so that minimum <= maximum throughout.
    const auto growMaximum = [w, dy] {
        if (w->maximumHeight() < QWIDGETSIZE_MAX)
            w->setMaximumHeight(w->maximumHeight() + dy);
    };
    const auto growMinimum = [w, dy] {
        if (w->minimumHeight() > 0)
            w->setMinimumHeight(w->minimumHeight() + dy);
    };
    if (dy > 0) {
        growMaximum();
        growMinimum();
    } else {
        growMinimum();
        growMaximum();
    }
    if (fixedHeight)
        w->resize(w->width(), w->minimumHeight());
}

void ClientSideFrame::createGrips()
{
    const Qt::Edges edges[] = {Qt::LeftEdge,
                               Qt::RightEdge,
                               Qt::BottomEdge,
                               Qt::TopEdge,
                               Qt::TopEdge | Qt::LeftEdge,
                               Qt::TopEdge | Qt::RightEdge,
                               Qt::BottomEdge | Qt::LeftEdge,
                               Qt::BottomEdge | Qt::RightEdge};
    for (Qt::Edges edge : edges)
        m_grips.append(new ResizeGrip(edge, m_window));
}

void ClientSideFrame::placeBarAndGrips()
{
    const QRect r = m_window->rect();
    m_bar->setGeometry(0, 0, r.width(), m_barHeight);
    m_bar->raise();
    const bool maximized = m_window->isMaximized() || m_window->isFullScreen();
    const int t = GripThickness;
    for (ResizeGrip *grip : std::as_const(m_grips)) {
        if (!grip)
            continue;
        const Qt::Edges e = grip->edges();
        const int x = e & Qt::LeftEdge ? 0 : e & Qt::RightEdge ? r.width() - t : t;
        const int y = e & Qt::TopEdge ? 0 : e & Qt::BottomEdge ? r.height() - t : t;
        const int w = e & (Qt::LeftEdge | Qt::RightEdge) ? t : r.width() - 2 * t;
        const int h = e & (Qt::TopEdge | Qt::BottomEdge) ? t : r.height() - 2 * t;
        grip->setGeometry(x, y, w, h);
        grip->setVisible(!maximized);
        grip->raise();
    }
    placeOutline(r);
}

void ClientSideFrame::placeOutline(const QRect &r)
{
    const QRect sides[] = {{0, 0, r.width(), 1},
                           {0, r.height() - 1, r.width(), 1},
                           {0, 0, 1, r.height()},
                           {r.width() - 1, 0, 1, r.height()}};
    for (int i = 0; i < m_outline.size(); ++i) {
        if (!m_outline[i])
            continue;
        m_outline[i]->setGeometry(sides[i]);
        m_outline[i]->raise();
    }
}

bool ClientSideFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && m_bar) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::WindowStateChange:
        case QEvent::ChildAdded:
            placeBarAndGrips();
            m_bar->updateButtons();
            break;
        default:
            break;
        }
    }
    return false;
}
