// Takes a top-level window off its native frame and gives it a caption bar,
// resize grips and a 1-pixel outline of its own; undoes that when destroyed.
//
// The window's size keeps its meaning for resizable windows (it now includes
// the bar and outline, as a framed window's size includes its frame on other
// systems); fixed-size windows grow by them so that their contents keep their room.
#pragma once

#include "decor/captionbar.h"
#include "decor/captionlayout.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QFont;
class QWidget;
class ResizeGrip;
class TGradientCaption;

class ClientSideFrame : public QObject
{
    Q_OBJECT
public:
    ClientSideFrame(QWidget *window, TGradientCaption &caption);
    ~ClientSideFrame() override;

    CaptionBar *bar() const { return m_bar; }
    static int barHeight(const QFont &captionFont, TBorderStyle style);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeRoomForFrame(int sign);
    void createGrips();
    void placeBarAndGrips();
    void placeOutline(const QRect &r);

    QPointer<QWidget> m_window;
    QPointer<CaptionBar> m_bar;
    QList<QPointer<ResizeGrip>> m_grips;
    QList<QPointer<QWidget>> m_outline;   // top, bottom, left, right
    int m_barHeight = 0;
};
