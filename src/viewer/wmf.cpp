// Metafile window: a metafile shown stretched over a fixed-size area.
#include "viewer/wmf.h"
#include "viewer/walkactions.h"
#include "decor/decoratewindow.h"
#include "dialogs/dialogparts.h"
#include "dialogs/helpmenu.h"

#include "viewer/pictureview.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <utility>

TForm7::TForm7(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Form7"));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    Image1 = new PictureView(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStatusTip(QStringLiteral("Current Image"));
    Image1->setMinimumSize(304, 285);
    setCentralWidget(Image1);
    StatusBar1 = new QLabel(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setMinimumWidth(50);
    statusBar()->addWidget(StatusBar1, 1);
    statusBar()->setStatusTip(QStringLiteral("Image Details"));
    createMenus();
    resize(312, 350);
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm7")));
}

void TForm7::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction *print = file->addAction(QStringLiteral("&Print"));
    print->setObjectName(QStringLiteral("Print1"));
    print->setEnabled(false);
    QAction *setUp = file->addAction(QStringLiteral("P&rinter set Up"));
    setUp->setObjectName(QStringLiteral("PrintersetUp1"));
    setUp->setEnabled(false);
    m_print = print;
    m_printerSetUp = setUp;
    QAction *toClipboard = file->addAction(QStringLiteral("&To Clipboard"));
    toClipboard->setObjectName(QStringLiteral("ToClipboard1"));
    connect(toClipboard, &QAction::triggered, this, &TForm7::ToClipboard1Click);
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    m_walk = new WalkActions(*this);
    auto *close = new QAction(QStringLiteral("E&xit"), this);
    close->setObjectName(QStringLiteral("Close1"));
    close->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addActions({print, toClipboard, m_walk->next, m_walk->previous, separator, close});
    addCloseOnEscape(*this);
}

// Centred on the screen when first shown; afterwards where the user put it.
void TForm7::showEvent(QShowEvent *event)
{
    if (!std::exchange(m_placed, true))
        centreOnScreen(this);
    QMainWindow::showEvent(event);
}

void TForm7::setHelp(HelpCommands &help)
{
    if (!findChild<QMenu *>(QStringLiteral("Help1")))
        addHelpMenu(*this, help, "&Search help");
}

void TForm7::setPrintCommands(const std::function<void()> &print, const std::function<void()> &printerSetUp)
{
    connect(m_print, &QAction::triggered, this, print);
    connect(m_printerSetUp, &QAction::triggered, this, printerSetUp);
    m_print->setEnabled(true);
    m_printerSetUp->setEnabled(true);
}

bool TForm7::loadFile(const QString &path, QString *error)
{
    return Image1->load(path, error);
}

void TForm7::showFileName(const QString &name)
{
    setWindowTitle(name);
    StatusBar1->setText(name);
}

void TForm7::ToClipboard1Click()
{
    if (!Image1->picture().isEmpty())
        QGuiApplication::clipboard()->setImage(Image1->picture().clipboardImage());
}
