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
constexpr int OutlineWidth = 1;

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
    makeRoomForFrame(+1);
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
    makeRoomForFrame(-1);
    m_window->setWindowFlag(Qt::FramelessWindowHint, false);
}

// Gives the bar and the outline their room around the contents (takes it
// back when sign is -1): the contents move in, and fixed sizes grow with
// them so that the contents keep their room.
void ClientSideFrame::makeRoomForFrame(int sign)
{
    QWidget *w = m_window;
    const QMargins extra = QMargins(OutlineWidth, m_barHeight, OutlineWidth, OutlineWidth) * sign;
    w->setContentsMargins(w->contentsMargins() + extra);
    if (!w->layout()) {
        for (QWidget *child : w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && child != m_bar && !qobject_cast<ResizeGrip *>(child))
                child->move(child->pos() + QPoint(extra.left(), extra.top()));
        }
    }
    const QSize grow(extra.left() + extra.right(), extra.top() + extra.bottom());
    const bool fixedWidth = w->minimumWidth() == w->maximumWidth();
    const bool fixedHeight = w->minimumHeight() == w->maximumHeight();
    // Growing, the maximum goes first; shrinking, the minimum; so that minimum <= maximum throughout.
    const auto growMaximum = [w, grow] {
        const QSize most = w->maximumSize();
        w->setMaximumSize(most.width() < QWIDGETSIZE_MAX ? most.width() + grow.width() : most.width(),
                          most.height() < QWIDGETSIZE_MAX ? most.height() + grow.height() : most.height());
    };
    const auto growMinimum = [w, grow] {
        const QSize least = w->minimumSize();
        w->setMinimumSize(least.width() > 0 ? least.width() + grow.width() : 0,
                          least.height() > 0 ? least.height() + grow.height() : 0);
    };
    if (sign > 0) {
        growMaximum();
        growMinimum();
    } else {
        growMinimum();
        growMaximum();
    }
    if (fixedWidth || fixedHeight)
        w->resize(fixedWidth ? w->minimumWidth() : w->width(), fixedHeight ? w->minimumHeight() : w->height());
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
    const int t = OutlineWidth;
    const QRect sides[] = {{0, 0, r.width(), t},
                           {0, r.height() - t, r.width(), t},
                           {0, 0, t, r.height()},
                           {r.width() - t, 0, t, r.height()}};
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
