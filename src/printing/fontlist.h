// Fonts window: the installed fonts, each name in its own face, and a
// printout of them.
#pragma once

#include <QDialog>

class HelpCommands;
class PrintDialogs;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class SharedPrinter;

class TForm12 : public QDialog
{
    Q_OBJECT
public:
    TForm12(SharedPrinter &printer, PrintDialogs &dialogs, HelpCommands &help, QWidget *parent = nullptr);

    void FormActivate();
    void ListBox1Click();
    void PrintButtonClick();
    void PreviewButtonClick();
    void WhatsThis1Click();

    QStringList fontNames() const;

    QLabel *Label1 = nullptr;
    QListWidget *ListBox1 = nullptr;
    QLabel *FontLabel = nullptr;
    QPushButton *OkButton = nullptr, *PrintButton = nullptr, *PreviewButton = nullptr, *HelpButton = nullptr;
    QMenu *PopupMenu1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void createPopupMenu();
    void printOn(class QPrinter &printer);

    SharedPrinter &m_printer;
    PrintDialogs &m_dialogs;
    HelpCommands &m_help;
};
