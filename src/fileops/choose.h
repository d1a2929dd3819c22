// Copy-or-move chooser: asked when files are dropped onto a folder.
#pragma once

#include "fileops/fileopsdialog.h"

class QFrame;
class QMenu;
class QPushButton;

class TForm14 : public FileOpsDialog
{
    Q_OBJECT
public:
    // What exec() returns: Copy closes with OK, Move with Yes.
    enum Result { Cancelled = QDialog::Rejected, CopyChosen = QDialog::Accepted, MoveChosen = 6 };

    explicit TForm14(QWidget *parent = nullptr);

    void WhatsThis1Click();

    QFrame *Bevel1 = nullptr;
    QPushButton *CopyButton = nullptr;
    QPushButton *MoveButton = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
};
