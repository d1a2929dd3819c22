// Scan window: an acquired image or screen capture, to copy, save or print.
#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

class HelpCommands;
class PageSink;
class Prompter;
class QAction;
class QFileDialog;
class QFrame;
class QLabel;
class QMenu;
class QScrollArea;
class QToolButton;
class TImageBox;

class TForm9 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm9(Prompter &prompter, QWidget *parent = nullptr);
    ~TForm9() override;

    // The help calls and the about box; their commands stay disabled until set.
    void setHelp(HelpCommands &help);

    // Printing hook: runs the print dialog and gives the page sink to print
    // on (null when cancelled); the printer set-up dialog. The print commands
    // stay disabled until the printing module sets them.
    using PrintDialogRunner = std::function<std::unique_ptr<PageSink>(QWidget *parent)>;
    void setPrinting(PrintDialogRunner printDialog, std::function<void(QWidget *parent)> printerSetUp);

    void ScanItemClick();
    void SelectTwainItemClick();
    void ToClipboard1Click();
    void SaveAs1Click();
    void Print1Click();
    void PrintsetUp1Click();
    void Exit1Click();
    void About1Click();
    void Help2Click();
    void SearchHelpFile1Click();
    void UsingHelpFiles1Click();
    void WhatsThis1Click();

    // Saves under name with its extension replaced by that of filter item
    // (0 Bitmap .. 5 Tiff), asking before an existing file is replaced.
    bool saveAs(const QString &name, int filterItem);

    QFrame *Panel1 = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    TImageBox *ImageBox1 = nullptr;
    QLabel *StatusBar1 = nullptr;
    QFileDialog *SaveDialog1 = nullptr;
    QMenu *File1 = nullptr;
    QMenu *Help1 = nullptr;
    QMenu *PopupMenu1 = nullptr;

    QAction *command(const QString &name) const;

protected:
    bool event(QEvent *event) override;

private:
    void createToolBar();
    void createMenus();
    void createScanPopup();
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption, const QString &hint,
                        void (TForm9::*run)());
    void enableHelpAndPrint();

    Prompter &m_prompter;
    HelpCommands *m_help = nullptr;
    PrintDialogRunner m_printDialog;
    std::function<void(QWidget *)> m_printerSetUp;
};
