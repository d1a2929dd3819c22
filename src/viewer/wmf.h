// Metafile window: a metafile shown stretched over a fixed-size area.
#pragma once

#include <QMainWindow>
#include <functional>

class HelpCommands;
class PictureView;
class QAction;
class QLabel;
class WalkActions;

class TForm7 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    PictureView *Image1 = nullptr;
    QLabel *StatusBar1 = nullptr;

    // Loads the metafile; false with a reason in *error when it cannot.
    bool loadFile(const QString &path, QString *error = nullptr);
    void showFileName(const QString &name);
    void ToClipboard1Click();

    // Print and Printer Set Up stay disabled until the print commands are
    // handed in here.
    // Adds the Help menu, which runs the program's help commands.
    void setHelp(HelpCommands &help);
    void setPrintCommands(const std::function<void()> &print, const std::function<void()> &printerSetUp);
    WalkActions *walkActions() const { return m_walk; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createMenus();

    QAction *m_print = nullptr;
    QAction *m_printerSetUp = nullptr;
    WalkActions *m_walk = nullptr;
    bool m_placed = false;
};
