// Image viewer: one raster picture or icon at its own size.
#include "viewer/pic.h"
#include "dialogs/dialogparts.h"
#include "dialogs/helpmenu.h"
#include "decor/decoratewindow.h"

#include "imagebox/imagebox.h"
#include "viewer/walkactions.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>
#include <utility>
#include <QStatusBar>

namespace {
constexpr double ZoomStep = 1.25;
constexpr double MaxZoom = 16;
} // namespace

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
    m_zoomPanel = new QLabel(QStringLiteral("100%"), this);
    m_zoomPanel->setObjectName(QStringLiteral("ZoomPanel"));
    statusBar()->addPermanentWidget(m_zoomPanel);
    statusBar()->setStatusTip(QStringLiteral("Image Details"));
    createMenus();
    createZoomKeys();
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
    m_walk = new WalkActions(*this);
    addActions({print, toClipboard, m_walk->next, m_walk->previous, popupExit});
    addCloseOnEscape(*this);
}

// The zoom keys belong to the picture's area, so the window's pop-up menu
// (its own actions) does not list them.
void TOKBottomDlg::createZoomKeys()
{
    const std::pair<QList<QKeySequence>, void (TOKBottomDlg::*)()> keys[] = {
        {{QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &TOKBottomDlg::zoomIn},
        {{QKeySequence::ZoomOut}, &TOKBottomDlg::zoomOut},
        {{QKeySequence(Qt::CTRL | Qt::Key_1)}, &TOKBottomDlg::showActualSize},
        {{QKeySequence(Qt::CTRL | Qt::Key_0)}, &TOKBottomDlg::fitToScreen},
    };
    for (const auto &[sequences, handler] : keys) {
        auto *key = new QAction(m_scroller);
        key->setShortcuts(sequences);
        key->setShortcutContext(Qt::WindowShortcut);
        connect(key, &QAction::triggered, this, handler);
        m_scroller->addAction(key);
    }
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
    fitToScreen();
}

void TOKBottomDlg::zoomIn()
{
    setZoom(m_zoom * ZoomStep);
}

void TOKBottomDlg::zoomOut()
{
    setZoom(m_zoom / ZoomStep);
}

void TOKBottomDlg::showActualSize()
{
    setZoom(1);
}

void TOKBottomDlg::fitToScreen()
{
    m_fitted = true;
    applyZoom();
}

void TOKBottomDlg::setZoom(double zoom)
{
    // Never below one pixel of the picture's shorter side, never beyond 16 times.
    const QSize own = ImageBox1->picture().size();
    const double smallest = own.isEmpty() ? 1.0 : 1.0 / std::min(own.width(), own.height());
    m_zoom = std::clamp(zoom, smallest, MaxZoom);
    m_fitted = false;
    applyZoom();
}

void TOKBottomDlg::applyZoom()
{
    const QSize own = ImageBox1->picture().size();
    if (m_fitted) {
        const QSize room = pictureRoom();
        m_zoom = own.isEmpty() || (own.width() <= room.width() && own.height() <= room.height())
                     ? 1.0
                     : std::min(double(room.width()) / own.width(), double(room.height()) / own.height());
    }
    const bool actualSize = qFuzzyCompare(m_zoom, 1.0);
    ImageBox1->setStretch(!actualSize);
    ImageBox1->setAutoSize(actualSize);
    if (!actualSize)
        ImageBox1->resize(std::max(1, qRound(own.width() * m_zoom)), std::max(1, qRound(own.height() * m_zoom)));
    m_zoomPanel->setText(QString::number(qRound(m_zoom * 100)) + QLatin1Char('%'));
    if (isVisible())
        FormActivate();
}

bool TOKBottomDlg::event(QEvent *event)
{
    // The window manager's frame is known only once the window is shown: a
    // fitted picture is fitted again then.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        if (m_fitted)
            applyZoom();
        else
            FormActivate();
    }
    // Centred on the screen when first shown, at the size just taken.
    if (event->type() == QEvent::Show && !std::exchange(m_placed, true))
        centreOnScreen(this);
    return QMainWindow::event(event);
}

// Everything the window holds besides the picture (caption bar, menu and
// status bars, frames), measured against the scroll area's room without
// scroll bars.
QSize TOKBottomDlg::chromeSize() const
{
    if (layout())
        layout()->activate();
    return size() - m_scroller->maximumViewportSize();
}

QSize TOKBottomDlg::windowRoom() const
{
    const QScreen *shown = screen();
    return shown ? shown->availableGeometry().size() - (frameGeometry().size() - size()) : QSize(4096, 4096);
}

QSize TOKBottomDlg::pictureRoom() const
{
    return (windowRoom() - chromeSize()).expandedTo(QSize(1, 1));
}

void TOKBottomDlg::FormActivate()
{
    const QSize wanted = (ImageBox1->size() + chromeSize()).boundedTo(windowRoom());
    if (wanted == size())
        return;
    const QRect before = frameGeometry();
    const QSize frameExtra = before.size() - size();
    resize(wanted);
    // A window on screen keeps its centre where it was, so the next picture
    // opens where the eye is.
    if (isVisible())
        moveCentreTo(this, wanted + frameExtra, before.center());
}
