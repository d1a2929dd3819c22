// The caption strip of a frameless window: the gradient, icon and texts that
// TGradientCaption paints, the title-bar buttons, moving, double-click to
// maximise and the window menu.
#pragma once

#include "decor/captionbutton.h"

#include <QWidget>
#include <optional>

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
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    CaptionButton *titleButton(const char *name, const QString &tip, CaptionGlyph glyph);
    // The colour the bar shows behind its buttons.
    QColor background() const;
    void createWindowMenu();
    void updateWindowMenu();
    void toggleMaximized();
    bool canMaximize() const;
    bool canMinimize() const;

    TGradientCaption &m_caption;
    QWidget *m_window;
    CaptionButton *m_minimize = nullptr;
    CaptionButton *m_maximize = nullptr;
    CaptionButton *m_close = nullptr;
    CaptionButton *m_help = nullptr;
    QMenu *m_menu = nullptr;
    std::optional<QPoint> m_movePressedAt;   // where a press on the caption may start a move
};
