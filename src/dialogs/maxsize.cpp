// Maximum size dialog: the file size limit of the list build.
#include "dialogs/maxsize.h"
#include "decor/decoratewindow.h"

#include "dialogs/dialogparts.h"
#include "dialogs/digitkeyfilter.h"
#include "dialogs/helpcommands.h"
#include "dialogs/tupdown.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {
constexpr int HelpContext = 38;
} // namespace

TForm15::TForm15(bool &maxSizeEnabled, int &maxSizeKB, HelpCommands &help, QWidget *parent)
    : QDialog(parent, Qt::Tool), m_maxSizeEnabled(maxSizeEnabled), m_maxSizeKB(maxSizeKB), m_help(help)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Maximum Size"));
    setHint(this, QStringLiteral("Maximum Size Window"));
    setProperty("helpContext", HelpContext);
    createControls();
    FormCreate();
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm15::keepSharedValuesInStep);
    connect(UpDown1, &TUpDown::positionChanged, this, &TForm15::keepSharedValuesInStep);
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm15")));
}

void TForm15::createControls()
{
    SizeEdit = new QLineEdit(QStringLiteral("60"), this);
    SizeEdit->setObjectName(QStringLiteral("SizeEdit"));
    setHint(SizeEdit, QStringLiteral("Maximum File Size"));
    new DigitKeyFilter(SizeEdit, 0);
    UpDown1 = new TUpDown(SizeEdit, this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(MinimumKB, MaximumKB);
    UpDown1->setPosition(60);
    setHint(UpDown1, QStringLiteral("Maimum File Size"));
    Label1 = new QLabel(QStringLiteral("&Maximum File Size"), this);
    Label1->setBuddy(SizeEdit);
    Label2 = new QLabel(QStringLiteral("KBytes"), this);
    CheckBox1 = new QCheckBox(QStringLiteral("&Enable Maximum Size"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    setHint(CheckBox1, QStringLiteral("Enable Maximum File Size"));
    BitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
    BitBtn1->setDefault(true);
    setHint(BitBtn1, QStringLiteral("Accept Settings"));
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), QStringLiteral("&Help"), this);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm15::WhatsThis1Click);
    PopupMenu1 = attachWhatsThisMenu(this, QStringLiteral("Help On Maximum Size Window"),
                                     [this] { WhatsThis1Click(); });

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 3);
    grid->addWidget(SizeEdit, 1, 0);
    grid->addWidget(UpDown1, 1, 1);
    grid->addWidget(Label2, 1, 2);
    grid->addWidget(CheckBox1, 2, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    grid->addLayout(buttons, 3, 0, 1, 3);
}

void TForm15::FormCreate()
{
    CheckBox1->setChecked(m_maxSizeEnabled);
    UpDown1->setPosition(m_maxSizeKB);
    keepSharedValuesInStep();
}

bool TForm15::limitEnabled() const
{
    return CheckBox1->isChecked();
}

int TForm15::limitKB() const
{
    return UpDown1->position();
}

void TForm15::keepSharedValuesInStep()
{
    m_maxSizeEnabled = limitEnabled();
    m_maxSizeKB = limitKB();
}

void TForm15::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

void TForm15::hideEvent(QHideEvent *event)
{
    // The edit shows the size in force, not a number outside the range.
    UpDown1->setPosition(UpDown1->position());
    QDialog::hideEvent(event);
}

void TForm15::WhatsThis1Click()
{
    m_help.context(HelpContext);
}
