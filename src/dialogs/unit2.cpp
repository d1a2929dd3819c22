// Thumb size dialog: the width and height of the thumbnails.
#include "dialogs/unit2.h"
#include "decor/decoratewindow.h"

#include "dialogs/dialogparts.h"
#include "dialogs/digitkeyfilter.h"
#include "dialogs/helpcommands.h"
#include "dialogs/thumbsizeentry.h"
#include "dialogs/tupdown.h"
#include "platform/prompter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int HelpContext = 14;
constexpr int MaxDigits = 3;
} // namespace

TForm2::TForm2(int &thumbWidth, int &thumbHeight, HelpCommands &help, Prompter &prompter, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_thumbWidth(thumbWidth), m_thumbHeight(thumbHeight), m_help(help), m_prompter(prompter)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Thumb Size"));
    setHint(this, QStringLiteral("Thumb Size Window"));
    setProperty("helpContext", HelpContext);

    Edit1 = createSizeEdit("Edit1", "Thumb Width Size", UpDown1);
    Edit2 = createSizeEdit("Edit2", "Thumb Height Size", UpDown2);
    Label1 = new QLabel(QStringLiteral("Thumb &Width"), this);
    Label1->setBuddy(Edit1);
    Label2 = new QLabel(QStringLiteral("Thumb H&eight"), this);
    Label2->setBuddy(Edit2);

    OkButton = new QPushButton(QStringLiteral("&OK"), this);
    OkButton->setDefault(true);
    setHint(OkButton, QStringLiteral("Accept Changes"));
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    setHint(CancelButton, QStringLiteral("Cancel Changes"));
    BitBtn1 = new QPushButton(QStringLiteral("&Help"), this);
    setHint(BitBtn1, QStringLiteral("Help On Resize Window"));
    connect(OkButton, &QPushButton::clicked, this, &TForm2::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TForm2::CancelButtonClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm2::WhatsThis1Click);
    PopupMenu1 = attachWhatsThisMenu(this, QStringLiteral("Help On Size Window"), [this] { WhatsThis1Click(); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(UpDown1, 0, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(UpDown2, 1, 2);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {OkButton, CancelButton, BitBtn1})
        buttons->addWidget(button);
    grid->addLayout(buttons, 2, 0, 1, 3);
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm2")));
}

QLineEdit *TForm2::createSizeEdit(const char *name, const char *hint, TUpDown *&upDown)
{
    auto *edit = new QLineEdit(QStringLiteral("40"), this);
    edit->setObjectName(QString::fromLatin1(name));
    setHint(edit, QString::fromLatin1(hint));
    edit->setFixedWidth(48);
    new DigitKeyFilter(edit, MaxDigits);
    upDown = new TUpDown(edit, this);
    upDown->setObjectName(QStringLiteral("UpDown%1").arg(QLatin1String(name).back()));
    upDown->setRange(40, 150);
    upDown->setPosition(40);
    return edit;
}

void TForm2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
    FormActivate();
}

void TForm2::FormActivate()
{
    Edit1->setText(QString::number(m_thumbWidth));
    Edit2->setText(QString::number(m_thumbHeight));
}

void TForm2::OkButtonClick()
{
    setResult(QDialog::Accepted);
    const ThumbSizeReading reading = readThumbSize(Edit1->text(), Edit2->text());
    if (reading.size) {
        m_thumbWidth = reading.size->width();
        m_thumbHeight = reading.size->height();
    } else {
        m_prompter.error(reading.error);
    }
    accept();
}

void TForm2::CancelButtonClick()
{
    reject();
}

void TForm2::WhatsThis1Click()
{
    m_help.context(HelpContext);
}
