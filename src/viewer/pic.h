// Image viewer: one raster picture or icon, at its own size when it fits
// the screen, else fitted to it; zoomed at will.
#pragma once

#include <QMainWindow>
#include <functional>

class HelpCommands;
class Prompter;
class QAction;
class QLabel;
class QScrollArea;
class TImageBox;
class WalkActions;

class TOKBottomDlg : public QMainWindow
{
    Q_OBJECT
public:
    explicit TOKBottomDlg(Prompter &prompter, QWidget *parent = nullptr);

    TImageBox *ImageBox1 = nullptr;
    QLabel *StatusBar1 = nullptr;

    // Caption and first status panel both name the file shown, which is
    // fitted to the screen afresh.
    void showFileName(const QString &name);
    // Sizes the window to its picture, but never beyond the screen: larger
    // pictures scroll.
    void FormActivate();

    // 1 shows the picture at its own size; the status bar shows the zoom.
    double zoom() const { return m_zoom; }
    void zoomIn();
    void zoomOut();
    void showActualSize();
    // As large as the screen allows, never above its own size.
    void fitToScreen();

    WalkActions *walkActions() const { return m_walk; }

    // Print and Printer Set Up stay disabled until the print commands are
    // handed in here.
    void setPrintCommands(const std::function<void()> &print, const std::function<void()> &printerSetUp);
    // Adds the Help menu, which runs the program's help commands.
    void setHelp(HelpCommands &help);

protected:
    bool event(QEvent *event) override;

private:
    void createMenus();
    void createZoomKeys();
    void setZoom(double zoom);
    void applyZoom();
    QSize chromeSize() const;
    QSize windowRoom() const;
    QSize pictureRoom() const;

    QAction *m_print = nullptr;
    QAction *m_printerSetUp = nullptr;

    QScrollArea *m_scroller = nullptr;
    QLabel *m_zoomPanel = nullptr;
    WalkActions *m_walk = nullptr;
    bool m_placed = false;
    double m_zoom = 1;
    bool m_fitted = true;   // the zoom follows the screen
};
