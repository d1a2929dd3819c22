// An invisible strip along a frameless window's edge that starts a system resize.
#pragma once

#include <QWidget>

class ResizeGrip : public QWidget
{
    Q_OBJECT
public:
    ResizeGrip(Qt::Edges edges, QWidget *window);

    Qt::Edges edges() const { return m_edges; }

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    Qt::Edges m_edges;
};
