// Main window: the main menu, the popup menus and the command bindings.
#include "app/unit1.h"

#include "browse/filegatherer.h"
#include "dialogs/menutable.h"
#include "browse/dirtree.h"
#include "browse/imagelistview.h"
#include "app/newstat.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QFrame>
#include <QHeaderView>
#include <QMenuBar>
#include <QProgressBar>
#include <QShortcut>
#include <QToolButton>

namespace {
using Item = MenuItem<TForm1>;
constexpr const Item &Separator = MenuSeparator<TForm1>;

const Item FileItems[] = {
    {"Move1", "&Move", "Ctrl+M", "Move Selected Files", 9, &TForm1::Move1Click},
    {"Copy1", "&Copy", "Ctrl+C", "Copy Selected Files", 16, &TForm1::Copy1Click},
    {"Rename1", "&Rename", "Ctrl+R", "Rename Selected Files", 8, &TForm1::Rename1Click},
    {"Delete1", "&Delete", "Del", "Delete Selected Files", 17, &TForm1::Delete1Click},
    {"SelectAll1", "&Select All", "Ctrl+A", "Select All Image Files", 18, &TForm1::SelectAll1Click},
    {"Properties2", "Pr&operties", "Ctrl+O", "File Properties", 7, &TForm1::Properties2Click},
    {"Search2", "S&earch", "", "Search For Files", 0, &TForm1::Search2Click},
    {"CreateDirectory1", "Cre&ate Directory", "", "Create New Directory", 0, &TForm1::CreateDirectory1Click},
    Separator,
    {"Print1", "&Print  Thumb", "Ctrl+P", "Print Thumb Nails ", 10, &TForm1::PrintButtonClick},
    {"PrintsetUp1", "Pr&int Set Up", "", "Printer Set Up", 19, &TForm1::PrintsetUp1Click},
    Separator,
    {"Exit1", "E&xit", "", "Exit", 20, &TForm1::Exit1Click},
};

const Item ImageTypeItems[] = {
    {"BMP1", "&Bmp", "", "Show Bmp Images", 5, nullptr},
    {"DIB1", "&Dib", "", "Show Dib Images", 0, nullptr},
    {"Emf1", "&Emf", "", "Show Emf Images", 0, nullptr},
    {"Gif1", "&Gif", "", "Show Gif Images", 5, nullptr},
    {"Icon1", "I&con", "", "Show Icon Images", 5, nullptr},
    {"Jpeg1", "&Jpeg", "", "Show Jpeg Images", 5, nullptr},
    {"Pcx1", "&Pcx", "", "Show Pcx Images", 5, nullptr},
    {"Png1", "P&ng", "", "Show Png Images", 5, nullptr},
    {"Tiff1", "&Tiff", "", "Show Tiff Images", 5, nullptr},
    {"Wmf1", "&Wmf", "", "Show Wmf Images", 5, nullptr},
    {"All1", "&All", "", "Show All Images", 5, nullptr},
};

const Item ImageItems[] = {
    {"Convert1", "&Convert", "Ctrl+N", "Convert Images To Different Type", 6, &TForm1::Convert1Click},
    {"Print2", "&Print", "", "Print Image", 23, &TForm1::Print2Click},
    {"ThumbSize1", "&Thumb Size", "", "Thumb Image Size", 14, &TForm1::ThumbSize1Click},
    {"ToClipboard1", "T&o Clipboard", "Ctrl+T", "Copy Image To Clipboard", 24, &TForm1::ToClipboard1Click},
    {"View1", "&View", "Ctrl+V", "View Image At Full Size", 25, &TForm1::ViewButtonClick},
    Separator,
    {"Acquire1", "&Acquire", "", "Twain 32 Image Scan", 11, &TForm1::Acquire1Click},
    {"SelectTwain1", "S&elect Twain", "", "Select Twain 32 Scanner", 26, &TForm1::SelectTwain1Click},
    Separator,
    {"ScreenCapture1", "Sc&reen Capture", "", "Capture Full Screen", 27, &TForm1::ScreenCapture1Click},
    {"WindowCapture1", "&Window Capture", "", "Capture Active Window", 27, &TForm1::WindowCapture1Click},
    {"ClientCapture1", "C&lient Capture", "", "Capture Window Client Area", 0, &TForm1::ClientCapture1Click},
};

const Item ViewItems[] = {
    {"List1", "&List", "", "List View", 29, &TForm1::List1Click},
    {"Refresh1", "&Refresh", "", "Update Display", 28, &TForm1::Refresh1Click},
    {"Sorted1", "&Sorted", "", "Display Alphabetically", 30, &TForm1::Sorted1Click},
    {"KeepProportions1", "&Keep Proportions", "", "Keep Each Picture's Proportions", 30, &TForm1::KeepProportions1Click},
    Separator,
    {"Fonts1", "&Fonts", "", "Display Fonts", 12, &TForm1::Fonts1Click},
    Separator,
    {"NoStop1", "&No Stop", "", "Disable Stop Button To Increase Speed", 31, nullptr},
    {"MaximumSize1", "&Maximum Size", "", "Set Maximum Image Size", 0, &TForm1::MaximumSize1Click},
    {"NoThumbs1", "No &Thumbs", "", "Do Not Create Thumbnail Images", 0, nullptr},
    {"CacheThumbnails1", "&Cache Thumbnails", "", "Keep Thumbnails In The Desktop's Thumbnail Cache", 106, nullptr},
    {"ShowHints1", "Show T&ips", "", "Show Hints At Start Up", 0, nullptr},
};

const Item HelpItems[] = {
    {"About1", "&About", "", "About Pixmoor", 32, &TForm1::About1Click},
    {"Help2", "H&elp", "", "Pixmoor Help", 32, &TForm1::Help2Click},
    {"Search1", "&Search Help", "", "Search Pixmoor Help", 32, &TForm1::Search1Click},
    {"UsingHelp1", "&Using Help", "", "Using Help Files", 32, &TForm1::UsingHelp1Click},
};

const char *const CheckableItems[] = {"List1", "Sorted1", "KeepProportions1", "NoStop1", "MaximumSize1",
                                      "NoThumbs1", "CacheThumbnails1", "ShowHints1"};

const Item PopupExit{"", "E&xit", "", "Exit Pixmoor", 0, &TForm1::Exit1Click};

const Item ListPopupItems[] = {
    {"Move2", "&Move", "", "Move Selected Files", 21, &TForm1::Move1Click},
    {"Copy2", "&Copy", "", "Copy Selected Files", 16, &TForm1::Copy1Click},
    {"Rename2", "&Rename", "", "Rename File", 8, &TForm1::Rename1Click},
    {"Delete2", "&Delete", "", "Delete Selected Files", 17, &TForm1::Delete1Click},
    {"Properties1", "&Properties", "", "File Properties", 7, &TForm1::Properties2Click},
    Separator,
    {"", "C&onvert", "", "Convert Images", 6, &TForm1::Convert1Click},
    {"LaunchApp1", "&Launch App", "", "Launch Associated Application", 33, &TForm1::LaunchApp1Click},
    {"", "&To Clipboard", "", "Copy Image To Clipboard", 24, &TForm1::ToClipboard1Click},
    {"", "&View", "", "View Image Full Size", 25, &TForm1::ViewButtonClick},
    Separator,
    {"", "&Explore", "", "Explore Directory", 34, &TForm1::Explore1Click},
    Separator,
    {"", "&What's This?", "", "Help On Image List", 0, &TForm1::WhatsThis2Click},
    Separator,
    PopupExit,
};

const Item TreePopupItems[] = {
    {"CreateDirectory2", "&Create Directory", "", "Create New Directory", 0, &TForm1::CreateDirectory1Click},
    {"Delete3", "&Delete Directory", "", "Delete Current Directory", 0, &TForm1::Delete3Click},
    {"", "&Explore", "", "Explore Current Directory", 0, &TForm1::Explore1Click},
    Separator,
    PopupExit,
    Separator,
    {"", "&What's This?", "", "Help On Directory List", 0, &TForm1::WhatsThis1Click},
};

QMenu *helpPopup(TForm1 *owner, const char *name, const char *hint, void (TForm1::*handler)())
{
    auto *menu = new QMenu(owner);
    menu->setObjectName(QString::fromLatin1(name));
    const Item items[] = {PopupExit, Separator, {"", "&What's This?", "", hint, 0, handler}};
    addMenuItems<TForm1>(menu, items, owner);
    return menu;
}
} // namespace

void TForm1::createMainMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    File1 = addMenuHeading(bar, "File1", "&File", "File Options", 21);
    addMenuItems<TForm1>(File1, FileItems, this);
    Image1 = addMenuHeading(bar, "Image1", "&Image Type", "Image Type", 5);
    addMenuItems<TForm1>(Image1, ImageTypeItems, this);
    Settings1 = addMenuHeading(bar, "Settings1", "I&mage", "Image Options", 22);
    addMenuItems<TForm1>(Settings1, ImageItems, this);
    View3 = addMenuHeading(bar, "View3", "&View", "Window Appearance", 28);
    addMenuItems<TForm1>(View3, ViewItems, this);
    Help1 = addMenuHeading(bar, "Help1", "&Help", "Help!", 32);
    addMenuItems<TForm1>(Help1, HelpItems, this);

    m_filterItems = new QActionGroup(this);
    for (QAction *item : Image1->actions()) {
        item->setCheckable(true);
        m_filterItems->addAction(item);
    }
    action(QStringLiteral("BMP1"))->setChecked(true);
    for (const char *name : CheckableItems)
        action(QString::fromLatin1(name))->setCheckable(true);
    // As designed; the stored settings decide at start.
    action(QStringLiteral("Sorted1"))->setChecked(true);
    action(QStringLiteral("ShowHints1"))->setChecked(true);
}

void TForm1::createPopupMenus()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    addMenuItems<TForm1>(PopupMenu1, ListPopupItems, this);
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    addMenuItems<TForm1>(PopupMenu2, TreePopupItems, this);
    PopupMenu4 = helpPopup(this, "PopupMenu4", "Help Using Speed Bar", &TForm1::WhatsThis4Click);
    PopupMenu5 = helpPopup(this, "PopupMenu5", "Help On Image Type", &TForm1::WhatsThis5Click);
    PopupMenu6 = helpPopup(this, "PopupMenu6", "Help On Status Bar", &TForm1::WhatsThis6Click);
    PopupMenu7 = helpPopup(this, "PopupMenu7", "Help On Resize Bar", &TForm1::WhatsThis7Click);

    for (QAbstractItemView *view : ListView1->views()) {
        attachPopup(view, PopupMenu1);
        connect(view, &QAbstractItemView::doubleClicked, this, &TForm1::ViewButtonClick);
    }
    connect(ListView1, &ImageListView::viewRequested, this, [this] { runCommand(&TForm1::ViewButtonClick); });
    attachPopup(DirTree1, PopupMenu2);
    attachPopup(Panel2, PopupMenu4);
    attachPopup(Panel1, PopupMenu5);
    attachPopup(StatusBar1, PopupMenu6);
    attachPopup(ProgressBar1, PopupMenu6);
    attachPopup(HeaderControl1, PopupMenu7);
}

void TForm1::attachPopup(QWidget *widget, QMenu *menu)
{
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(widget, &QWidget::customContextMenuRequested, menu,
            [widget, menu](const QPoint &at) { menu->popup(widget->mapToGlobal(at)); });
}

// Busy mode disables the menu headings, but shortcuts (Del, Ctrl+R...) reach
// the items all the same: a command must not start inside a running loop.
void TForm1::runCommand(void (TForm1::*handler)())
{
    if (!m_busy)
        (this->*handler)();
}

// The filter items choose their image type; the option items keep their
// options in the program's state.
void TForm1::bindHandlers()
{
    auto *reread = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(reread, &QShortcut::activated, this, [this] { runCommand(&TForm1::rereadFolder); });
    const std::pair<const char *, bool ProgramState::*> options[] = {
        {"NoStop1", &ProgramState::NoStop},
        {"NoThumbs1", &ProgramState::NoThumbs},
        {"ShowHints1", &ProgramState::ShowTips},
        {"Sorted1", &ProgramState::Sorted},
        {"KeepProportions1", &ProgramState::KeepProportions},
        {"CacheThumbnails1", &ProgramState::CacheThumbs},
    };
    for (const auto &[name, option] : options) {
        QAction *item = action(QString::fromLatin1(name));
        state.*option = item->isChecked();
        connect(item, &QAction::toggled, this, [this, option = option](bool on) { state.*option = on; });
    }
    const QStringList &types = imageTypes();
    const QList<QAction *> filterItems = Image1->actions();
    for (int i = 0; i < types.size(); ++i) {
        const QString type = types[i];
        connect(filterItems[i], &QAction::triggered, this, [this, type] {
            if (!m_busy)
                selectFilter(type);
        });
    }
}
