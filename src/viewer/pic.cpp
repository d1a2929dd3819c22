// Image viewer: one raster picture or icon at its own size.
#include "viewer/pic.h"
#include "dialogs/dialogparts.h"
#include "dialogs/helpmenu.h"
#include "decor/decoratewindow.h"

#include "imagebox/imagebox.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <utility>
#include <QStatusBar>

TOKBottomDlg::TOKBottomDlg(Prompter &prompter, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("OKBottomDlg"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Image"));
    m_scroller = new QScrollArea(this);
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setBackgroundRole(QPalette::Base);
    QPalette white = m_scroller->palette();
    white.setColor(QPalette::Base, Qt::white);
    m_scroller->setPalette(white);
    ImageBox1 = new TImageBox(&prompter);
    ImageBox1->setObjectName(QStringLiteral("ImageBox1"));
    ImageBox1->setAutoSize(true);
    ImageBox1->setCenter(true);
    // Convert writes through this control: LZW for TIFF, interlaced PNG.
    ImageBox1->TifSaveCompress = TTiffCompression::sLZW;
    ImageBox1->PNGInterLaced = true;
    ImageBox1->setColor(Qt::white);
    ImageBox1->setStatusTip(QStringLiteral("Current Image"));
    m_scroller->setWidget(ImageBox1);
    setCentralWidget(m_scroller);
    StatusBar1 = new QLabel(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusBar1, 1);
    statusBar()->setStatusTip(QStringLiteral("Image Details"));
    createMenus();
    decorateWindow(this, captionSettingsFor(QStringLiteral("TOKBottomDlg")));
}

void TOKBottomDlg::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    QAction *print = file->addAction(QStringLiteral("&Print"));
    print->setObjectName(QStringLiteral("Print1"));
    print->setEnabled(false);
    QAction *setUp = file->addAction(QStringLiteral("P&rinter Set Up"));
    setUp->setObjectName(QStringLiteral("PrinterSetUp1"));
    setUp->setEnabled(false);
    m_print = print;
    m_printerSetUp = setUp;
    QAction *toClipboard = file->addAction(QStringLiteral("&To Clipboard"));
    connect(toClipboard, &QAction::triggered, ImageBox1, &TImageBox::CopyToClipboard);
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *popupExit = new QAction(QStringLiteral("E&xit"), this);
    popupExit->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    connect(popupExit, &QAction::triggered, this, &QWidget::close);
    addActions({print, toClipboard, popupExit});
    addCloseOnEscape(*this);
}

void TOKBottomDlg::setPrintCommands(const std::function<void()> &print, const std::function<void()> &printerSetUp)
{
    connect(m_print, &QAction::triggered, this, print);
    connect(m_printerSetUp, &QAction::triggered, this, printerSetUp);
    m_print->setEnabled(true);
    m_printerSetUp->setEnabled(true);
}

void TOKBottomDlg::setHelp(HelpCommands &help)
{
    if (!findChild<QMenu *>(QStringLiteral("Help1")))
        addHelpMenu(*this, help, "&Search Help");
}

void TOKBottomDlg::showFileName(const QString &name)
{
    setWindowTitle(name);
    StatusBar1->setText(name);
    // Another picture in a window already shown takes its size at once.
    if (isVisible())
        FormActivate();
}

bool TOKBottomDlg::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        FormActivate();
    // Centred on the screen when first shown, at the size just taken.
    if (event->type() == QEvent::Show && !std::exchange(m_placed, true))
        centreOnScreen(this);
    return QMainWindow::event(event);
}

void TOKBottomDlg::FormActivate()
{
    // Everything the window holds besides the picture (caption bar, menu and
    // status bars, frames), measured against the scroll area's room without
    // scroll bars.
    if (layout())
        layout()->activate();
    const QSize chrome = size() - m_scroller->maximumViewportSize();
    QSize wanted = ImageBox1->size() + chrome;
    if (const QScreen *screen = this->screen()) {
        const QSize room = screen->availableGeometry().size() - (frameGeometry().size() - size());
        wanted = wanted.boundedTo(room);
    }
    resize(wanted);
}
