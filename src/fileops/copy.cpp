// Copy target dialog: the folder that copied or moved files go to.
#include "fileops/copy.h"
#include "decor/decoratewindow.h"

#include "platform/paths.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {
constexpr int HelpTopic = 9;
}

TForm5::TForm5(Prompter &prompter, QWidget *parent)
    : FileOpsDialog("Form5", QStringLiteral("Copy Files"), QStringLiteral("File Dialog"), QSize(309, 148),
                    parent),
      m_prompter(prompter)
{
    Label1 = label("Label1", QStringLiteral("&Location To Copy Files To"),
                   QStringLiteral("Location For Files"), QPoint(16, 12));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(16, 32, 249, 24);
    setHint(Edit1, QStringLiteral("Directory For Copied Files"));
    Label1->setBuddy(Edit1);
    CheckBox1 = new QCheckBox(QStringLiteral("&Remember Path"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(16, 64, 160, 22);
    setHint(CheckBox1, QStringLiteral("Keep Path Name"));

    Okbutton = button("Okbutton", QStringLiteral("&OK"), QStringLiteral("Proceed With File Changes"),
                      QRect(16, 104, 66, 28));
    Okbutton->setDefault(true);
    CancelButton = button("CancelButton", QStringLiteral("&Cancel"), QStringLiteral("Cancel Operation"),
                          QRect(88, 104, 66, 28));
    BrowseButton = button("BrowseButton", QStringLiteral("&Browse"),
                          QStringLiteral("Browse For Target Directory"), QRect(160, 104, 66, 28));
    HelpButton = button("HelpButton", QStringLiteral("&Help"), QStringLiteral("Help Copying Files"),
                        QRect(232, 104, 66, 28));
    connect(Okbutton, &QPushButton::clicked, this, [this] { OkbuttonClick(); accept(); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(BrowseButton, &QPushButton::clicked, this, &TForm5::BrowseButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TForm5::WhatsThis1Click);

    PopupMenu1 = addPopup(QStringLiteral("&What's This?"), QStringLiteral("Help Moving / Copying Files"),
                          HelpTopic);
    QAction *browse = new QAction(QStringLiteral("&Browse"), PopupMenu1);
    browse->setObjectName(QStringLiteral("Browse1"));
    browse->setShortcut(QKeySequence(QStringLiteral("Ctrl+B")));
    browse->setStatusTip(QStringLiteral("Select Target Directory "));
    connect(browse, &QAction::triggered, this, &TForm5::BrowseButtonClick);
    PopupMenu1->insertAction(PopupMenu1->actions().first(), browse);
    PopupMenu1->insertSeparator(PopupMenu1->actions().at(1));
    addAction(browse);
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm5")));
}

void TForm5::showEvent(QShowEvent *event)
{
    FileOpsDialog::showEvent(event);
    FormActivate();
}

void TForm5::FormActivate()
{
    if (!CheckBox1->isChecked())
        Edit1->clear();
    TargetPathValid = false;
    Edit1->setFocus();
}

void TForm5::OkbuttonClick()
{
    if (Edit1->text().isEmpty()) {
        m_prompter.error(QStringLiteral("No target path specified"));
        return;
    }
    TargetPathValid = true;
}

void TForm5::BrowseButtonClick()
{
    // The main window's commands keep the working folder at the listed one.
    if (const std::optional<QString> folder =
            m_prompter.pickFolder(QStringLiteral("Select Directory"), workingDirectory()))
        Edit1->setText(QDir::toNativeSeparators(*folder));
}

void TForm5::WhatsThis1Click()
{
    emit helpRequested(HelpTopic);
}
