// The caption strip of a frameless window: the gradient, icon and texts that
// TGradientCaption paints, the title-bar buttons, moving, double-click to
// maximise and the window menu.
#pragma once

#include <QWidget>

class QMenu;
class QToolButton;
class TGradientCaption;

class CaptionBar : public QWidget
{
    Q_OBJECT
public:
    CaptionBar(TGradientCaption &caption, QWidget *window);

    QToolButton *minimizeButton() const { return m_minimize; }
    QToolButton *maximizeButton() const { return m_maximize; }
    QToolButton *closeButton() const { return m_close; }
    QToolButton *helpButton() const { return m_help; }
    QMenu *windowMenu() const { return m_menu; }

    // Shows, enables and places the buttons after the window's state or size changed.
    void updateButtons();
    void showWindowMenu(const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QToolButton *titleButton(const char *name, const QString &tip);
    void createWindowMenu();
    void updateWindowMenu();
    void toggleMaximized();
    bool canMaximize() const;
    bool canMinimize() const;

    TGradientCaption &m_caption;
    QWidget *m_window;
    QToolButton *m_minimize = nullptr;
    QToolButton *m_maximize = nullptr;
    QToolButton *m_close = nullptr;
    QToolButton *m_help = nullptr;
    QMenu *m_menu = nullptr;
};
