#include "decor/resizegrip.h"

#include <QMouseEvent>
#include <QWindow>

namespace {

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling = edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    return horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

} // namespace

ResizeGrip::ResizeGrip(Qt::Edges edges, QWidget *window) : QWidget(window), m_edges(edges)
{
    setObjectName(QStringLiteral("ResizeGrip"));
    setCursor(cursorFor(edges));
}

void ResizeGrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && window()->windowHandle()) {
        window()->windowHandle()->startSystemResize(m_edges);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}
