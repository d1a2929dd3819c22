// Tip of the day window.
#include "dialogs/tips.h"
#include "decor/decoratewindow.h"

#include "dialogs/dialogparts.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TForm16::TForm16(QWidget *parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("Tip Of The Day"));
    setHint(this, QStringLiteral("Todays Tip"));
    setProperty("helpContext", 102);

    CheckBox1 = new QCheckBox(QStringLiteral("&Show Tips At Start Up"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    setHint(CheckBox1, QStringLiteral("Check To Show Tips"));
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    setHint(BitBtn1, QStringLiteral("Click To Close"));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto *column = new QVBoxLayout(this);
    column->addWidget(createTipPanel(), 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(CheckBox1, 1);
    bottom->addWidget(BitBtn1);
    column->addLayout(bottom);
    setFixedSize(284, 202);
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm16")));
}

QFrame *TForm16::createTipPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(white);

    iBulb = new QLabel(Panel1);
    iBulb->setObjectName(QStringLiteral("iBulb"));
    iBulb->setFixedSize(33, 33);
    const QIcon bulb = QIcon::fromTheme(QStringLiteral("dialog-information"),
                                        style()->standardIcon(QStyle::SP_MessageBoxInformation));
    iBulb->setPixmap(bulb.pixmap(33, 33));
    TipName = new QLabel(QStringLiteral("Todays Tip"), Panel1);
    TipName->setObjectName(QStringLiteral("TipName"));
    QFont bold = TipName->font();
    bold.setBold(true);
    TipName->setFont(bold);
    TipLabel = new QLabel(Panel1);
    TipLabel->setObjectName(QStringLiteral("TipLabel"));
    TipLabel->setWordWrap(true);
    TipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TipLabel->setFixedSize(209, 65);

    auto *grid = new QGridLayout(Panel1);
    grid->addWidget(iBulb, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(TipName, 0, 1);
    grid->addWidget(TipLabel, 1, 1);
    grid->setRowStretch(2, 1);
    return Panel1;
}

void TForm16::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}
