// Thumb size dialog: the width and height of the thumbnails.
#pragma once

#include <QDialog>

class HelpCommands;
class Prompter;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TUpDown;

class TForm2 : public QDialog
{
    Q_OBJECT
public:
    // The dialog edits thumbWidth and thumbHeight, which the main window owns.
    TForm2(int &thumbWidth, int &thumbHeight, HelpCommands &help, Prompter &prompter,
           QWidget *parent = nullptr);

    void FormActivate();
    // Reads the edits; the dialog closes with OK whatever they hold.
    void OkButtonClick();
    void CancelButtonClick();
    void WhatsThis1Click();

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    TUpDown *UpDown1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Edit2 = nullptr;
    TUpDown *UpDown2 = nullptr;
    QPushButton *OkButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QMenu *PopupMenu1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *createSizeEdit(const char *name, const char *hint, TUpDown *&upDown);

    int &m_thumbWidth;
    int &m_thumbHeight;
    HelpCommands &m_help;
    Prompter &m_prompter;
};
