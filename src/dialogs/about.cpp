// About box: the product name and its version.
#include "dialogs/about.h"
#include "decor/decoratewindow.h"

#include "dialogs/dialogparts.h"
#include "dialogs/helpcommands.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int HelpContext = 32;
} // namespace

TAboutBox::TAboutBox(HelpCommands &help, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_help(help)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setHint(this, QStringLiteral("Pixmoor Information"));
    setProperty("helpContext", HelpContext);

    OkButton = new QPushButton(QStringLiteral("&OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    setHint(OkButton, QStringLiteral("Click To Close"));
    connect(OkButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    PopupMenu1 = attachWhatsThisMenu(this, QStringLiteral("Help On About Box"), [this] { WhatsThis1Click(); });

    auto *column = new QVBoxLayout(this);
    column->addWidget(createPanel(), 1);
    column->addWidget(OkButton, 0, Qt::AlignHCenter);
    OkButton->setFocus();
    decorateWindow(this, captionSettingsFor(QStringLiteral("TAboutBox")));
}

QFrame *TAboutBox::createPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setFixedSize(48, 48);
    ProgramIcon->setScaledContents(true);
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_DesktopIcon);
    ProgramIcon->setPixmap(icon.pixmap(48, 48));
    ProductName = new QLabel(QStringLiteral("Pixmoor"), Panel1);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont large = ProductName->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.5);
    ProductName->setFont(large);
    Version = new QLabel(QStringLiteral("Version 1.1B"), Panel1);
    Version->setObjectName(QStringLiteral("Version"));

    auto *grid = new QGridLayout(Panel1);
    grid->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(ProductName, 0, 1);
    grid->addWidget(Version, 1, 1);
    return Panel1;
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
    OkButton->setFocus();
}

void TAboutBox::OKButtonClick()
{
    accept();
}

void TAboutBox::WhatsThis1Click()
{
    m_help.context(HelpContext);
}
