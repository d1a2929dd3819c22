// Copy target dialog: the folder that copied or moved files go to.
#pragma once

#include "fileops/fileopsdialog.h"

class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class TForm5 : public FileOpsDialog
{
    Q_OBJECT
public:
    explicit TForm5(Prompter &prompter, QWidget *parent = nullptr);

    // True only when the dialog was last closed through OK with a path.
    bool TargetPathValid = false;

    void FormActivate();
    void OkbuttonClick();
    void BrowseButtonClick();
    void WhatsThis1Click();

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *Okbutton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *BrowseButton = nullptr;
    QPushButton *HelpButton = nullptr;
    QMenu *PopupMenu1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Prompter &m_prompter;
};
