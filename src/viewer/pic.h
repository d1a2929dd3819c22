// Image viewer: one raster picture or icon at its own size.
#pragma once

#include <QMainWindow>
#include <functional>

class HelpCommands;
class Prompter;
class QAction;
class QLabel;
class QScrollArea;
class TImageBox;

class TOKBottomDlg : public QMainWindow
{
    Q_OBJECT
public:
    explicit TOKBottomDlg(Prompter &prompter, QWidget *parent = nullptr);

    TImageBox *ImageBox1 = nullptr;
    QLabel *StatusBar1 = nullptr;

    // Caption and first status panel both name the file shown.
    void showFileName(const QString &name);
    // Sizes the window to its picture, but never beyond the screen: larger
    // pictures scroll.
    void FormActivate();

    // Print and Printer Set Up stay disabled until the print commands are
    // handed in here.
    void setPrintCommands(const std::function<void()> &print, const std::function<void()> &printerSetUp);
    // Adds the Help menu, which runs the program's help commands.
    void setHelp(HelpCommands &help);

protected:
    bool event(QEvent *event) override;

private:
    void createMenus();

    QAction *m_print = nullptr;
    QAction *m_printerSetUp = nullptr;

    QScrollArea *m_scroller = nullptr;
    bool m_placed = false;
};
