// Main browser window: creation, activation, closing and its own commands.
#include "app/unit1.h"
#include "app/mainwindowlist.h"
#include "decor/decoratewindow.h"
#include "decor/mainversioninfo.h"

#include "app/newstat.h"
#include "app/storedoptions.h"
#include "browse/dirtree.h"
#include "browse/filegatherer.h"
#include "imaging/formats.h"
#include "browse/imagelistview.h"
#include "browse/thumbnailmaker.h"
#include "dialogs/dialogparts.h"
#include "platform/filesystem.h"
#include "platform/hotkeys.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/screengrabber.h"
#include "platform/settingsstore.h"
#include "platform/shell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QToolButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>

TForm1::TForm1(const MainWindowServices &services, QWidget *parent)
    : QMainWindow(parent), ImageList1(QSize(70, 70)), ImageList2(QSize(60, 60)),
      m_prompter(*services.prompter), m_shell(*services.shell), m_thumbnailThreads(services.thumbnailThreads),
      m_listWindow(std::make_unique<MainWindowList>(*this)),
      m_files(services.files ? services.files : &systemFileSystem()), m_printDialogs(services.printDialogs),
      m_grabber(services.grabber ? services.grabber : &systemScreenGrabber())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Pixmoor"));
    setStatusTip(QStringLiteral("Pixmoor"));
    createMainMenu();
    createControls();
    createPopupMenus();
    bindHandlers();
    FormCreate();
    setUpDisplayRatio();
    setUpHelp();
    if (services.tipRandom)
        m_tipRandom = services.tipRandom;
    setUpFileCommands();
    createHotKeys(services.hotKeys ? *services.hotKeys : systemHotKeyBackend());
    createVersionInfo1(this);
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm1")));
}

// Hidden before the members go: hiding a shown window lays out the list,
// which draws from the image lists.
TForm1::~TForm1()
{
    hide();
}

QAction *TForm1::action(const QString &name) const
{
    return findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

void TForm1::FormCreate()
{
    state.ProgramDir = programDirectory();
    state.WindowsDir = privateTempDirectory();
    SettingsStore store;
    // A first run starts in the user's pictures, not in the program's folder.
    const StoredOptions options = readStoredOptions(store, picturesDirectory());
    store.close();
    applyStoredOptions(options);
    state.FirstActivation = true;
    SetImageSize();
}

void TForm1::applyStoredOptions(const StoredOptions &options)
{
    state.ThumbWidth = options.thumbWidth;
    state.ThumbHeight = options.thumbHeight;
    action(QStringLiteral("ShowHints1"))->setChecked(options.showTips);
    action(QStringLiteral("NoThumbs1"))->setChecked(options.noThumbs);
    if (options.reportView)
        setReportView(true);
    action(QStringLiteral("NoStop1"))->setChecked(options.noStop);
    action(QStringLiteral("Sorted1"))->setChecked(options.sorted);
    action(QStringLiteral("KeepProportions1"))->setChecked(options.keepProportions);
    action(QStringLiteral("CacheThumbnails1"))->setChecked(options.cacheThumbs);
    ListView1->setSorted(options.sorted);
    state.MaxSizeEnabled = options.sizeLimitEnabled;
    state.MaxSizeKB = options.sizeLimitKB;
    action(QStringLiteral("MaximumSize1"))->setChecked(options.sizeLimitEnabled);
    applyWindowGeometry(options);
    state.StartDir = options.directory;
}

void TForm1::applyWindowGeometry(const StoredOptions &options)
{
    resize(options.windowWidth, options.windowHeight);
    centreOnScreen(this);
    setWindowState(options.maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

StoredOptions TForm1::currentOptions() const
{
    StoredOptions o;
    o.thumbWidth = state.ThumbWidth;
    o.thumbHeight = state.ThumbHeight;
    o.showTips = state.ShowTips;
    o.noThumbs = state.NoThumbs;
    o.reportView = !isIconView();
    o.noStop = state.NoStop;
    o.sorted = state.Sorted;
    o.keepProportions = state.KeepProportions;
    o.cacheThumbs = state.CacheThumbs;
    o.sizeLimitEnabled = state.MaxSizeEnabled;
    o.sizeLimitKB = state.MaxSizeKB;
    o.directory = workingDirectory();
    // A minimized window comes back maximized.
    o.maximized = (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) != 0;
    o.windowWidth = width();
    o.windowHeight = height();
    return o;
}

void TForm1::FormActivate()
{
    switchHotKeysOff();
    if (!state.FirstActivation)
        return;
    // Cleared first: the list build below lets messages run, and a second
    // activation arriving then must not start the folder again.
    state.FirstActivation = false;
    if (state.ShowTips)
        showTipOfTheDay();
    letMessagesRun();
    repaint();
    letMessagesRun();
    DirTree1->setDirectory(state.StartDir);
    if (!m_selectAtStart.isEmpty())
        ListView1->select(m_selectAtStart);
    if (!m_startProblem.isEmpty())
        setStatus(m_startProblem);
}

void TForm1::openAtStart(const QString &argument)
{
    const QFileInfo given(argument);
    const imagelib::FormatEntry *format = imagelib::formatOfFile(given.fileName());
    if (given.isDir() && given.isReadable() && given.isExecutable()) {
        state.StartDir = given.absoluteFilePath();
    } else if (given.isFile() && given.isReadable() && format) {
        state.StartDir = given.absolutePath();
        m_selectAtStart = given.fileName();
        // The list shows the file's own type.
        const QString type = QString::fromLatin1(format->extension);
        Image1->actions().at(imageTypes().indexOf(type))->setChecked(true);
        filterButton(type)->setChecked(true);
        state.ImageType = type;
    } else {
        const QString why = !given.exists()       ? QStringLiteral("no such file or folder")
                            : !given.isReadable() ? QStringLiteral("permission denied")
                                                  : QStringLiteral("not an image file");
        m_startProblem = QStringLiteral("Cannot open ") + argument + QStringLiteral(": ") + why;
    }
}

void TForm1::rereadFolder()
{
    DirTree1->rereadCurrentNode();
    UpdateListbox();
}

void TForm1::FormClose()
{
    if (m_settingsSaved)
        return;
    m_settingsSaved = true;
    SettingsStore store;
    writeStoredOptions(store, currentOptions());
    if (!store.close())
        m_prompter.error(QStringLiteral("The settings could not be saved."));
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (m_building || m_converting) {
        // A list build or conversion is inside a message pass: stop it, then close.
        m_closeRequested = true;
        state.StopRequested = true;
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Without a window manager the window is never activated; the first
    // showing then stands in for the first activation.
    if (state.FirstActivation)
        QTimer::singleShot(0, this, &TForm1::FormActivate);
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        // A modal dialog opening takes the pointer off the control that
        // opened it, whose leaving clears its hint; the status text written
        // for the dialog stays while it is open.
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        if (!tip.isEmpty() || !QApplication::activeModalWidget())
            ShowHint(tip);
        return true;
    }
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(event);
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::Refresh1Click()
{
    repaint();
    DirTree1->viewport()->repaint();
}

void TForm1::SelectAll1Click()
{
    ListView1->activeView()->setFocus();
    ListView1->selectAll();
    setStatus(QStringLiteral("All Files Selected"));
}

void TForm1::LaunchApp1Click()
{
    commands().launch();
}

void TForm1::StopButtonClick()
{
    state.StopRequested = true;
}

void TForm1::DirTree1DirChange(const QString &folder)
{
    if (folder == state.CurrentDir)
        return;
    state.CurrentDir = folder;
    StatusBar1->setPanelText(0, QLatin1Char(' ') + folder);
    UpdateListbox();
}
