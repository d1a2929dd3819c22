// Create directory dialog: the name of a new folder inside the current one.
#pragma once

#include "fileops/fileopsdialog.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class TForm13 : public FileOpsDialog
{
    Q_OBJECT
public:
    explicit TForm13(QWidget *parent = nullptr);

    void FormActivate();
    void HelpButtonClick();

    QLabel *Label1 = nullptr;
    QLabel *PathLabel = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *PathEdit = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *OkButton = nullptr;
    QPushButton *HelpButton = nullptr;
    QMenu *PopupMenu1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
