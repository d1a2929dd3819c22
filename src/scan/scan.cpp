// Scan window: an acquired image or screen capture, to copy, save or print.
#include "scan/scan.h"
#include "decor/decoratewindow.h"

#include "dialogs/about.h"
#include "dialogs/helpcommands.h"
#include "convert/conversiontables.h"
#include "convert/imageboxengine.h"
#include "imagebox/imagebox.h"
#include "platform/prompter.h"
#include "platform/pagesink.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int HelpTopic = 11;

struct ToolButton
{
    const char *command;   // the menu command it runs
    const char *hint;
    QStyle::StandardPixmap icon;
};

const ToolButton ToolButtons[] = {
    {"ScanItem", "Scan Image", QStyle::SP_ComputerIcon},
    {"ToClipboard1", "Copy Image To Clipboard", QStyle::SP_FileDialogContentsView},
    {"SaveAs1", "Save Image To Disk", QStyle::SP_DialogSaveButton},
    {"Print1", "Print Image", QStyle::SP_FileIcon},
    {"Help2", "Help", QStyle::SP_DialogHelpButton},
    {"Exit1", "Exit Scan Window", QStyle::SP_DialogCloseButton},
};

const QStringList SaveFilters = {
    QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("Gif (*.gif)"), QStringLiteral("Jpeg (*.jpg)"),
    QStringLiteral("Pcx (*.pcx)"),    QStringLiteral("Png (*.png)"), QStringLiteral("Tiff (*.tif)"),
};
} // namespace

TForm9::TForm9(Prompter &prompter, QWidget *parent) : QMainWindow(parent), m_prompter(prompter)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Image Scan"));
    resize(480, 380);
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ImageBox1 = new TImageBox(&prompter);
    ImageBox1->setObjectName(QStringLiteral("ImageBox1"));
    ImageBox1->setAutoSize(true);
    ImageBox1->TifSaveCompress = TTiffCompression::sLZW;
    ScrollBox1->setWidget(ImageBox1);
    StatusBar1 = new QLabel(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusBar1, 1);
    SaveDialog1 = new QFileDialog(this, QStringLiteral("Save Image"));
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setNameFilters(SaveFilters);
    // The name is asked about once its extension is final (saveAs).
    SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);
    createMenus();
    createScanPopup();
    createToolBar();
    auto *body = new QWidget(this);
    auto *column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(Panel1);
    column->addWidget(ScrollBox1);
    setCentralWidget(body);
    enableHelpAndPrint();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm9")));
}

TForm9::~TForm9() = default;

QAction *TForm9::addCommand(QMenu *menu, const char *name, const QString &caption, const QString &hint,
                            void (TForm9::*run)())
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setStatusTip(hint);
    connect(item, &QAction::triggered, this, run);
    return item;
}

void TForm9::createMenus()
{
    File1 = menuBar()->addMenu(QStringLiteral("&File"));
    addCommand(File1, "ScanItem", QStringLiteral("S&can"), QStringLiteral("Scan Image"), &TForm9::ScanItemClick);
    addCommand(File1, "SelectTwainItem", QStringLiteral("S&elect Twain"), QStringLiteral("Select Scanner"),
               &TForm9::SelectTwainItemClick);
    addCommand(File1, "ToClipboard1", QStringLiteral("&To Clipboard"), QStringLiteral("Copy Image To Clipboard"),
               &TForm9::ToClipboard1Click);
    addCommand(File1, "SaveAs1", QStringLiteral("Save &As"), QStringLiteral("Save Image To Disk"),
               &TForm9::SaveAs1Click);
    addCommand(File1, "Print1", QStringLiteral("&Print"), QStringLiteral("Print Image"), &TForm9::Print1Click);
    addCommand(File1, "PrintsetUp1", QStringLiteral("P&rint Set Up"), QStringLiteral("Printer Set Up"),
               &TForm9::PrintsetUp1Click);
    File1->addSeparator();
    addCommand(File1, "Exit1", QStringLiteral("E&xit"), QStringLiteral("Exit Scan Window"), &TForm9::Exit1Click);
    Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
    addCommand(Help1, "About1", QStringLiteral("&About"), QStringLiteral("About Pixmoor"), &TForm9::About1Click);
    addCommand(Help1, "Help2", QStringLiteral("&Help"), QStringLiteral("Pixmoor Help"), &TForm9::Help2Click);
    addCommand(Help1, "SearchHelpFile1", QStringLiteral("&Search Help File"), QStringLiteral("Search Pixmoor Help"),
               &TForm9::SearchHelpFile1Click);
    addCommand(Help1, "UsingHelpFiles1", QStringLiteral("&Using Help Files"), QStringLiteral("Using Help Files"),
               &TForm9::UsingHelpFiles1Click);
}

void TForm9::createScanPopup()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    addCommand(PopupMenu1, "Scan1", QStringLiteral("&Scan"), QStringLiteral("Scan Image"), &TForm9::ScanItemClick);
    addCommand(PopupMenu1, "SelectTwain2", QStringLiteral("Select &Twain"), QStringLiteral("Select Scanner"),
               &TForm9::SelectTwainItemClick);
    addCommand(PopupMenu1, "ToClipboard2", QStringLiteral("To &Clipboard"), QStringLiteral("Copy Image To Clipboard"),
               &TForm9::ToClipboard1Click);
    addCommand(PopupMenu1, "SaveAs2", QStringLiteral("S&ave As"), QStringLiteral("Save Image To Disk"),
               &TForm9::SaveAs1Click);
    addCommand(PopupMenu1, "Print2", QStringLiteral("&Print"), QStringLiteral("Print Image"), &TForm9::Print1Click);
    PopupMenu1->addSeparator();
    addCommand(PopupMenu1, "WhatsThis1", QStringLiteral("&What's This?"), QStringLiteral("Help On Scan Window"),
               &TForm9::WhatsThis1Click);
    for (QWidget *holder : {static_cast<QWidget *>(ScrollBox1), static_cast<QWidget *>(ImageBox1)}) {
        holder->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(holder, &QWidget::customContextMenuRequested, PopupMenu1,
                [this, holder](const QPoint &at) { PopupMenu1->popup(holder->mapToGlobal(at)); });
    }
}

void TForm9::createToolBar()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Box | QFrame::Raised);
    Panel1->setFixedHeight(38);
    int left = 6;
    int number = 1;
    for (const ToolButton &entry : ToolButtons) {
        auto *button = new QToolButton(Panel1);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(number++));
        QAction *run = command(QString::fromLatin1(entry.command));
        connect(button, &QToolButton::clicked, run, &QAction::trigger);
        connect(run, &QAction::enabledChanged, button, &QWidget::setEnabled);
        button->setIcon(style()->standardIcon(entry.icon));
        button->setToolTip(QString::fromLatin1(entry.hint));
        button->setStatusTip(QString::fromLatin1(entry.hint));
        button->setGeometry(left, 4, 30, 30);
        left += 34;
    }
}

QAction *TForm9::command(const QString &name) const
{
    return findChild<QAction *>(name);
}

void TForm9::setHelp(HelpCommands &help)
{
    m_help = &help;
    enableHelpAndPrint();
}

void TForm9::setPrinting(PrintDialogRunner printDialog, std::function<void(QWidget *)> printerSetUp)
{
    m_printDialog = std::move(printDialog);
    m_printerSetUp = std::move(printerSetUp);
    enableHelpAndPrint();
}

void TForm9::enableHelpAndPrint()
{
    for (const char *name : {"About1", "Help2", "SearchHelpFile1", "UsingHelpFiles1", "WhatsThis1"})
        command(QString::fromLatin1(name))->setEnabled(m_help != nullptr);
    for (const char *name : {"Print1", "Print2"})
        command(QString::fromLatin1(name))->setEnabled(bool(m_printDialog));
    command(QStringLiteral("PrintsetUp1"))->setEnabled(bool(m_printerSetUp));
}

bool TForm9::event(QEvent *event)
{
    // Hints of this window's controls show in its own status bar.
    if (event->type() == QEvent::StatusTip) {
        StatusBar1->setText(QStringLiteral("  ") + static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TForm9::ScanItemClick()
{
    ImageBox1->ScanImage(this);
}

void TForm9::SelectTwainItemClick()
{
    ImageBox1->SelectScanner(this);
}

void TForm9::ToClipboard1Click()
{
    ImageBox1->CopyToClipboard();
}

void TForm9::SaveAs1Click()
{
    if (SaveDialog1->exec() != QDialog::Accepted || SaveDialog1->selectedFiles().isEmpty())
        return;
    saveAs(SaveDialog1->selectedFiles().first(), int(SaveFilters.indexOf(SaveDialog1->selectedNameFilter())));
}

bool TForm9::saveAs(const QString &name, int filterItem)
{
    const ConvertFormat format = convertFormat(filterItem);
    const QString target = withExtension(name, format.extension);
    // The dialog asked about the name as typed; the name written may differ.
    if (QFileInfo::exists(target)) {
        const QString question = QStringLiteral("File Already Exists ") + QFileInfo(target).fileName()
                                 + QStringLiteral(" ,Overwrite ?");
        if (m_prompter.confirm(question, {Prompter::Button::Yes, Prompter::Button::No}) != Prompter::Button::Yes)
            return false;
    }
    ImageBox1->ImageWriteRes = TSaveResolution::sAutoMatic;
    ImageBox1->setJPegSaveQuality(25);
    return ImageBoxEngine(*ImageBox1).write(format.kind, target);
}

void TForm9::Print1Click()
{
    if (!m_printDialog)
        return;
    const std::unique_ptr<PageSink> sink = m_printDialog(this);
    if (!sink)
        return;
    QCoreApplication::processEvents();
    ImageBox1->PrintImage(*sink, 0, 0, 3 * ImageBox1->width(), 3 * ImageBox1->height());
}

void TForm9::PrintsetUp1Click()
{
    if (m_printerSetUp)
        m_printerSetUp(this);
}

void TForm9::Exit1Click()
{
    close();
}

void TForm9::About1Click()
{
    if (!m_help)
        return;
    TAboutBox about(*m_help, this);
    about.exec();
}

void TForm9::Help2Click()
{
    if (m_help)
        m_help->contents();
}

void TForm9::SearchHelpFile1Click()
{
    if (m_help)
        m_help->search();
}

void TForm9::UsingHelpFiles1Click()
{
    if (m_help)
        m_help->usingHelp();
}

void TForm9::WhatsThis1Click()
{
    if (m_help)
        m_help->context(HelpTopic);
}
