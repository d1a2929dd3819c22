// Create directory dialog: the name of a new folder inside the current one.
#include "fileops/createdir.h"
#include "decor/decoratewindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

TForm13::TForm13(QWidget *parent)
    : FileOpsDialog("Form13", QStringLiteral("Create directory"), QStringLiteral("Create Directory Window"),
                    QSize(334, 193), parent)
{
    setWindowFlag(Qt::Tool);
    const QString pathHint = QStringLiteral("Path For New Directory");
    Label1 = heading(QStringLiteral("Current Path"), pathHint, QPoint(16, 12));
    Label1->setObjectName(QStringLiteral("Label1"));
    PathLabel = label("PathLabel", QStringLiteral("Path"), pathHint, QPoint(16, 36));
    PathLabel->setFixedWidth(302);
    Label2 = label("Label2", QStringLiteral("&New Directory Name"), QStringLiteral("New Directory Name"),
                   QPoint(16, 72));
    PathEdit = new QLineEdit(this);
    PathEdit->setObjectName(QStringLiteral("PathEdit"));
    PathEdit->setGeometry(16, 96, 265, 24);
    setHint(PathEdit, QStringLiteral("New Directory Name"));
    Label2->setBuddy(PathEdit);
    CancelButton = button("CancelButton", QStringLiteral("&Cancel"), QStringLiteral("Do Not Create Directory"),
                          QRect(16, 148, 90, 30));
    OkButton = button("OkButton", QStringLiteral("&OK"), QStringLiteral("Create Directory"),
                      QRect(122, 148, 90, 30));
    OkButton->setDefault(true);
    HelpButton = button("HelpButton", QStringLiteral("&Help"), QStringLiteral("Help On Creating Directories"),
                        QRect(228, 148, 90, 30));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this, &TForm13::HelpButtonClick);
    PopupMenu1 = addPopup(QStringLiteral("&What's This?"), QStringLiteral("Help On Creating Directories"), 37);
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm13")));
}

void TForm13::showEvent(QShowEvent *event)
{
    FileOpsDialog::showEvent(event);
    FormActivate();
}

void TForm13::FormActivate()
{
    PathEdit->clear();
    PathEdit->setFocus();
}

void TForm13::HelpButtonClick()
{
    emit helpRequested(37);
}
