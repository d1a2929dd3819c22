// Rename dialog: the new name for the selected file.
#pragma once

#include "fileops/fileopsdialog.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class TForm4 : public FileOpsDialog
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    void HelpButtonClick();

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *OkButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *HelpButton = nullptr;
    QMenu *PopupMenu1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
