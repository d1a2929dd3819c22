// Copy-or-move chooser: asked when files are dropped onto a folder.
#include "fileops/choose.h"
#include "decor/decoratewindow.h"

#include <QFrame>
#include <QMenu>
#include <QPushButton>

TForm14::TForm14(QWidget *parent)
    : FileOpsDialog("Form14", QStringLiteral("Options"), QStringLiteral("Option Window"), QSize(292, 78),
                    parent)
{
    setWindowFlag(Qt::Tool);
    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 276, 62);
    CopyButton = button("CopyButton", QStringLiteral("&Copy"), QStringLiteral("Copy Files"),
                        QRect(20, 24, 76, 30));
    MoveButton = button("MoveButton", QStringLiteral("&Move"), QStringLiteral("Move Files"),
                        QRect(108, 24, 76, 30));
    BitBtn1 = button("BitBtn1", QStringLiteral("C&ancel"), QStringLiteral("Cancel Operation"),
                     QRect(196, 24, 76, 30));
    CopyButton->setDefault(true);
    connect(CopyButton, &QPushButton::clicked, this, [this] { done(CopyChosen); });
    connect(MoveButton, &QPushButton::clicked, this, [this] { done(MoveChosen); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    PopupMenu1 = addPopup(QStringLiteral("&What's This"), QStringLiteral("Help On Options Window"), 16);
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm14")));
}

void TForm14::WhatsThis1Click()
{
    emit helpRequested(16);
}
