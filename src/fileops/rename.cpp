// Rename dialog: the new name for the selected file.
#include "fileops/rename.h"
#include "decor/decoratewindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

TForm4::TForm4(QWidget *parent)
    : FileOpsDialog("Form4", QStringLiteral("Rename File"), QStringLiteral("Rename File Window"),
                    QSize(309, 112), parent)
{
    setWindowFlag(Qt::Tool);
    Label2 = label("Label2", QStringLiteral("Filename"), QStringLiteral("File To Be Renamed"), QPoint(16, 10));
    Label2->setMinimumWidth(277);
    Label1 = label("Label1", QStringLiteral("&New Name For File"), QStringLiteral("New File Name For File"),
                   QPoint(16, 36));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    // The edit starts at 120 and ends at 297, later where the label needs more room.
    const int editLeft = qMax(120, Label1->x() + Label1->sizeHint().width() + 4);
    Edit1->setGeometry(editLeft, 32, 297 - editLeft, 24);
    setHint(Edit1, QStringLiteral("New File Name"));
    Label1->setBuddy(Edit1);
    OkButton = button("OkButton", QStringLiteral("&OK"), QStringLiteral("Change File Name"), QRect(16, 72, 80, 28));
    OkButton->setDefault(true);
    CancelButton = button("CancelButton", QStringLiteral("&Cancel"), QStringLiteral("Cancel Change"),
                          QRect(114, 72, 80, 28));
    HelpButton = button("HelpButton", QStringLiteral("&Help"), QStringLiteral("Help Renaming Files"),
                        QRect(212, 72, 80, 28));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, &TForm4::HelpButtonClick);
    PopupMenu1 = addPopup(QStringLiteral("&What's This?"), QStringLiteral("Help Renaming Files"), 8);
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm4")));
}

void TForm4::showEvent(QShowEvent *event)
{
    FileOpsDialog::showEvent(event);
    Edit1->setFocus();
}

void TForm4::HelpButtonClick()
{
    emit helpRequested(8);
}
