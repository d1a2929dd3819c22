// Fonts window: the installed fonts, each name in its own face, and a
// printout of them.
#include "printing/fontlist.h"
#include "dialogs/waitcursor.h"
#include "decor/decoratewindow.h"

#include "dialogs/dialogparts.h"
#include "dialogs/helpcommands.h"
#include "printing/fontlistprinter.h"
#include "printing/fontnamedelegate.h"
#include "printing/printdialogs.h"
#include "platform/printerpagesink.h"
#include "printing/sharedprinter.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>

namespace {
constexpr int HelpContext = 12;
constexpr int ListPixelSize = 16;

QStringList installedFontNames()
{
    QStringList names = QFontDatabase::families();
    names.sort(Qt::CaseInsensitive);
    return names;
}

} // namespace

TForm12::TForm12(SharedPrinter &printer, PrintDialogs &dialogs, HelpCommands &help, QWidget *parent)
    : QDialog(parent, Qt::Tool), m_printer(printer), m_dialogs(dialogs), m_help(help)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Fonts Window"));
    setProperty("helpContext", HelpContext);
    createControls();
    createPopupMenu();
    resize(260, 337);
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm12")));
}

void TForm12::createControls()
{
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    QFont listFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    listFont.setPixelSize(ListPixelSize);
    ListBox1->setFont(listFont);
    ListBox1->setUniformItemSizes(false);
    ListBox1->setItemDelegate(new FontNameDelegate(ListBox1));
    setHint(ListBox1, QStringLiteral("Installed Fonts"));
    Label1 = new QLabel(QStringLiteral("&Installed Fonts"), this);
    Label1->setBuddy(ListBox1);
    FontLabel = new QLabel(this);
    FontLabel->setObjectName(QStringLiteral("FontLabel"));
    FontLabel->setFrameShape(QFrame::Panel);
    FontLabel->setFrameShadow(QFrame::Sunken);
    setHint(FontLabel, QStringLiteral("Selected Font"));
    OkButton = new QPushButton(QStringLiteral("&Ok"), this);
    PrintButton = new QPushButton(QStringLiteral("&Print"), this);
    PreviewButton = new QPushButton(QStringLiteral("Pre&view"), this);
    HelpButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), QStringLiteral("&Help"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    PrintButton->setObjectName(QStringLiteral("PrintButton"));
    PreviewButton->setObjectName(QStringLiteral("PreviewButton"));
    HelpButton->setObjectName(QStringLiteral("HelpButton"));
    setHint(OkButton, QStringLiteral("Close Fonts Window"));
    setHint(PrintButton, QStringLiteral("Print Installed Fonts"));
    setHint(PreviewButton, QStringLiteral("Show The Printed Pages First"));
    setHint(HelpButton, QStringLiteral("Help On Fonts Window"));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(PrintButton, &QPushButton::clicked, this, &TForm12::PrintButtonClick);
    connect(PreviewButton, &QPushButton::clicked, this, &TForm12::PreviewButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TForm12::WhatsThis1Click);
    connect(ListBox1, &QListWidget::itemClicked, this, &TForm12::ListBox1Click);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 4);
    grid->addWidget(ListBox1, 1, 0, 1, 4);
    grid->addWidget(FontLabel, 2, 0, 1, 4);
    grid->addWidget(OkButton, 3, 0);
    grid->addWidget(PrintButton, 3, 1);
    grid->addWidget(PreviewButton, 3, 2);
    grid->addWidget(HelpButton, 3, 3);
}

void TForm12::createPopupMenu()
{
    PopupMenu1 = attachWhatsThisMenu(this, QStringLiteral("Help On Fonts Window"), [this] { WhatsThis1Click(); });
    auto *close = new QAction(QStringLiteral("&Close Window"), PopupMenu1);
    close->setObjectName(QStringLiteral("CloseWindow1"));
    close->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    close->setStatusTip(QStringLiteral("Close Fonts Window"));
    connect(close, &QAction::triggered, this, &QDialog::accept);
    PopupMenu1->insertAction(PopupMenu1->actions().value(0), close);
    addAction(close);
}

void TForm12::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
    FormActivate();
}

void TForm12::FormActivate()
{
    const WaitCursor wait;
    QCoreApplication::processEvents();
    ListBox1->clear();
    ListBox1->addItems(installedFontNames());
}

QStringList TForm12::fontNames() const
{
    QStringList names;
    for (int row = 0; row < ListBox1->count(); ++row)
        names.append(ListBox1->item(row)->text());
    return names;
}

void TForm12::ListBox1Click()
{
    if (const QListWidgetItem *item = ListBox1->currentItem())
        FontLabel->setText(item->text());
}

void TForm12::printOn(QPrinter &printer)
{
    const WaitCursor wait;
    PrinterPageSink sink(printer);
    printFontList(sink, fontNames(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
}

void TForm12::PrintButtonClick()
{
    if (!m_dialogs.print(m_printer.printer(), this))
        return;
    printOn(m_printer.printer());
}

void TForm12::PreviewButtonClick()
{
    m_dialogs.preview(m_printer.printer(), this, [this](QPrinter &target) { printOn(target); });
}

void TForm12::WhatsThis1Click()
{
    m_help.context(HelpContext);
}
