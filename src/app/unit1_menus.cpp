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
#include <QToolButton>

namespace {
constexpr const MenuItem &Separator = MenuSeparator;

const MenuItem FileItems[] = {
    {"Move1", "&Move", "Ctrl+M", "Move Selected Files", 9, "Copy1Click"},
    {"Copy1", "&Copy", "Ctrl+C", "Copy Selected Files", 16, "Copy1Click"},
    {"Rename1", "&Rename", "Ctrl+R", "Rename Selected Files", 8, "Rename1Click"},
    {"Delete1", "&Delete", "Del", "Delete Selected Files", 17, "Delete1Click"},
    {"SelectAll1", "&Select All", "Ctrl+A", "Select All Image Files", 18, "SelectAll1Click"},
    {"Properties2", "Pr&operties", "Ctrl+O", "File Properties", 7, "Properties2Click"},
    {"Search2", "S&earch", "", "Search For Files", 0, "Search2Click"},
    {"CreateDirectory1", "Cre&ate Directory", "", "Create New Directory", 0, "CreateDirectory1Click"},
    Separator,
    {"Print1", "&Print  Thumb", "Ctrl+P", "Print Thumb Nails ", 10, "PrintButtonClick"},
    {"PrintsetUp1", "Pr&int Set Up", "", "Printer Set Up", 19, "PrintsetUp1Click"},
    Separator,
    {"Exit1", "E&xit", "", "Exit", 20, "Exit1Click"},
};

const MenuItem ImageTypeItems[] = {
    {"BMP1", "&Bmp", "", "Show Bmp Images", 5, "BMP1Click"},
    {"DIB1", "&Dib", "", "Show Dib Images", 0, "DibButtonClick"},
    {"Emf1", "&Emf", "", "Show Emf Images", 0, "EmfButtonClick"},
    {"Gif1", "&Gif", "", "Show Gif Images", 5, "Gif1Click"},
    {"Icon1", "I&con", "", "Show Icon Images", 5, "Icon1Click"},
    {"Jpeg1", "&Jpeg", "", "Show Jpeg Images", 5, "Jpeg1Click"},
    {"Pcx1", "&Pcx", "", "Show Pcx Images", 5, "Pcx1Click"},
    {"Png1", "P&ng", "", "Show Png Images", 5, "Png1Click"},
    {"Tiff1", "&Tiff", "", "Show Tiff Images", 5, "Tiff1Click"},
    {"Wmf1", "&Wmf", "", "Show Wmf Images", 5, "Wmf1Click"},
    {"All1", "&All", "", "Show All Images", 5, "AllButtonClick"},
};

const MenuItem ImageItems[] = {
    {"Convert1", "&Convert", "Ctrl+N", "Convert Images To Different Type", 6, "Convert1Click"},
    {"Print2", "&Print", "", "Print Image", 23, "Print2Click"},
    {"ThumbSize1", "&Thumb Size", "", "Thumb Image Size", 14, "ThumbSize1Click"},
    {"ToClipboard1", "T&o Clipboard", "Ctrl+T", "Copy Image To Clipboard", 24, "ToClipboard1Click"},
    {"View1", "&View", "Ctrl+V", "View Image At Full Size", 25, "ViewButtonClick"},
    Separator,
    {"Acquire1", "&Acquire", "", "Twain 32 Image Scan", 11, "Acquire1Click"},
    {"SelectTwain1", "S&elect Twain", "", "Select Twain 32 Scanner", 26, "SelectTwain1Click"},
    Separator,
    {"ScreenCapture1", "Sc&reen Capture", "", "Capture Full Screen", 27, "ScreenCapture1Click"},
    {"WindowCapture1", "&Window Capture", "", "Capture Active Window", 27, "WindowCapture1Click"},
    {"ClientCapture1", "C&lient Capture", "", "Capture Window Client Area", 0, "ClientCapture1Click"},
};

const MenuItem ViewItems[] = {
    {"List1", "&List", "", "List View", 29, "List1Click"},
    {"Refresh1", "&Refresh", "", "Update Display", 28, "Refresh1Click"},
    {"Sorted1", "&Sorted", "", "Display Alphabetically", 30, "Sorted1Click"},
    Separator,
    {"Fonts1", "&Fonts", "", "Display Fonts", 12, "Fonts1Click"},
    Separator,
    {"NoStop1", "&No Stop", "", "Disable Stop Button To Increase Speed", 31, "NoStop1Click"},
    {"MaximumSize1", "&Maximum Size", "", "Set Maximum Image Size", 0, "MaximumSize1Click"},
    {"NoThumbs1", "No &Thumbs", "", "Do Not Create Thumbnail Images", 0, "NoThumbs1Click"},
    {"ShowHints1", "Show T&ips", "", "Show Hints At Start Up", 0, "ShowHints1Click"},
};

const MenuItem HelpItems[] = {
    {"About1", "&About", "", "About Pixmoor", 32, "About1Click"},
    {"Help2", "H&elp", "", "Pixmoor Help", 32, "Help2Click"},
    {"Search1", "&Search Help", "", "Search Pixmoor Help", 32, "Search1Click"},
    {"UsingHelp1", "&Using Help", "", "Using Help Files", 32, "UsingHelp1Click"},
};

const char *const CheckableItems[] = {"List1", "Sorted1", "NoStop1", "MaximumSize1",
                                      "NoThumbs1", "ShowHints1"};

const MenuItem PopupExit{"", "E&xit", "", "Exit Pixmoor", 0, "Exit1Click"};

const MenuItem ListPopupItems[] = {
    {"Move2", "&Move", "", "Move Selected Files", 21, "Copy1Click"},
    {"Copy2", "&Copy", "", "Copy Selected Files", 16, "Copy1Click"},
    {"Rename2", "&Rename", "", "Rename File", 8, "Rename1Click"},
    {"Delete2", "&Delete", "", "Delete Selected Files", 17, "Delete1Click"},
    {"Properties1", "&Properties", "", "File Properties", 7, "Properties2Click"},
    Separator,
    {"", "C&onvert", "", "Convert Images", 6, "Convert1Click"},
    {"LaunchApp1", "&Launch App", "", "Launch Associated Application", 33, "LaunchApp1Click"},
    {"", "&To Clipboard", "", "Copy Image To Clipboard", 24, "ToClipboard1Click"},
    {"", "&View", "", "View Image Full Size", 25, "ViewButtonClick"},
    Separator,
    {"", "&Explore", "", "Explore Directory", 34, "Explore1Click"},
    Separator,
    {"", "&What's This?", "", "Help On Image List", 0, "WhatsThis2Click"},
    Separator,
    PopupExit,
};

const MenuItem TreePopupItems[] = {
    {"CreateDirectory2", "&Create Directory", "", "Create New Directory", 0, "CreateDirectory1Click"},
    {"Delete3", "&Delete Directory", "", "Delete Current Directory", 0, "Delete3Click"},
    {"", "&Explore", "", "Explore Current Directory", 0, "Explore1Click"},
    Separator,
    PopupExit,
    Separator,
    {"", "&What's This?", "", "Help On Directory List", 0, "WhatsThis1Click"},
};

QMenu *helpPopup(QWidget *owner, const char *name, const char *hint, const char *handler)
{
    auto *menu = new QMenu(owner);
    menu->setObjectName(QString::fromLatin1(name));
    const MenuItem items[] = {PopupExit, Separator, {"", "&What's This?", "", hint, 0, handler}};
    addMenuItems(menu, items, owner);
    return menu;
}
} // namespace

void TForm1::createMainMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    File1 = addMenuHeading(bar, "File1", "&File", "File Options", 21);
    addMenuItems(File1, FileItems, this);
    Image1 = addMenuHeading(bar, "Image1", "&Image Type", "Image Type", 5);
    addMenuItems(Image1, ImageTypeItems, this);
    Settings1 = addMenuHeading(bar, "Settings1", "I&mage", "Image Options", 22);
    addMenuItems(Settings1, ImageItems, this);
    View3 = addMenuHeading(bar, "View3", "&View", "Window Appearance", 28);
    addMenuItems(View3, ViewItems, this);
    Help1 = addMenuHeading(bar, "Help1", "&Help", "Help!", 32);
    addMenuItems(Help1, HelpItems, this);

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
    addMenuItems(PopupMenu1, ListPopupItems, this);
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    addMenuItems(PopupMenu2, TreePopupItems, this);
    PopupMenu4 = helpPopup(this, "PopupMenu4", "Help Using Speed Bar", "WhatsThis4Click");
    PopupMenu5 = helpPopup(this, "PopupMenu5", "Help On Image Type", "WhatsThis5Click");
    PopupMenu6 = helpPopup(this, "PopupMenu6", "Help On Status Bar", "WhatsThis6Click");
    PopupMenu7 = helpPopup(this, "PopupMenu7", "Help On Resize Bar", "WhatsThis7Click");

    for (QAbstractItemView *view : ListView1->views()) {
        attachPopup(view, PopupMenu1);
        connect(view, &QAbstractItemView::doubleClicked, this, &TForm1::ViewButtonClick);
    }
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

std::function<void()> TForm1::handler(const QString &name)
{
    const auto hit = m_handlers.find(name);
    return hit == m_handlers.end() ? std::function<void()>() : hit->second;
}

// Every menu item and speed button calls its handler by name; commands
// whose handler is not part of the program yet stay disabled.
void TForm1::bindHandlers()
{
    m_handlers = {
        {QStringLiteral("Exit1Click"), [this] { Exit1Click(); }},
        {QStringLiteral("Refresh1Click"), [this] { Refresh1Click(); }},
        {QStringLiteral("SelectAll1Click"), [this] { SelectAll1Click(); }},
        {QStringLiteral("LaunchApp1Click"), [this] { LaunchApp1Click(); }},
        {QStringLiteral("StopButtonClick"), [this] { StopButtonClick(); }},
        // These items flip their own check mark; the option is read where it matters.
        {QStringLiteral("NoStop1Click"), [] {}},
        {QStringLiteral("NoThumbs1Click"), [] {}},
        {QStringLiteral("ShowHints1Click"), [] {}},
        {QStringLiteral("List1Click"), [this] { List1Click(); }},
        {QStringLiteral("ViewButtonClick"), [this] { ViewButtonClick(); }},
        {QStringLiteral("ToClipboard1Click"), [this] { ToClipboard1Click(); }},
        {QStringLiteral("Sorted1Click"), [this] { Sorted1Click(); }},
        {QStringLiteral("Explore1Click"), [this] { Explore1Click(); }},
        {QStringLiteral("ThumbSize1Click"), [this] { ThumbSize1Click(); }},
        {QStringLiteral("MaximumSize1Click"), [this] { MaximumSize1Click(); }},
        {QStringLiteral("About1Click"), [this] { About1Click(); }},
        {QStringLiteral("Help2Click"), [this] { Help2Click(); }},
        {QStringLiteral("Search1Click"), [this] { Search1Click(); }},
        {QStringLiteral("UsingHelp1Click"), [this] { UsingHelp1Click(); }},
        {QStringLiteral("WhatsThis1Click"), [this] { WhatsThis1Click(); }},
        {QStringLiteral("WhatsThis2Click"), [this] { WhatsThis2Click(); }},
        {QStringLiteral("WhatsThis4Click"), [this] { WhatsThis4Click(); }},
        {QStringLiteral("WhatsThis5Click"), [this] { WhatsThis5Click(); }},
        {QStringLiteral("WhatsThis6Click"), [this] { WhatsThis6Click(); }},
        {QStringLiteral("WhatsThis7Click"), [this] { WhatsThis7Click(); }},
        {QStringLiteral("Copy1Click"), [this] { Copy1Click(sender()); }},
        {QStringLiteral("Delete1Click"), [this] { Delete1Click(); }},
        {QStringLiteral("Rename1Click"), [this] { Rename1Click(); }},
        {QStringLiteral("Properties2Click"), [this] { Properties2Click(); }},
        {QStringLiteral("CreateDirectory1Click"), [this] { CreateDirectory1Click(); }},
        {QStringLiteral("Delete3Click"), [this] { Delete3Click(); }},
        {QStringLiteral("PrintButtonClick"), [this] { PrintButtonClick(); }},
        {QStringLiteral("Print2Click"), [this] { Print2Click(); }},
        {QStringLiteral("PrintsetUp1Click"), [this] { PrintsetUp1Click(); }},
        {QStringLiteral("Fonts1Click"), [this] { Fonts1Click(); }},
        {QStringLiteral("Convert1Click"), [this] { Convert1Click(); }},
        {QStringLiteral("Search2Click"), [this] { Search2Click(); }},
        {QStringLiteral("Acquire1Click"), [this] { Acquire1Click(); }},
        {QStringLiteral("SelectTwain1Click"), [this] { SelectTwain1Click(); }},
        {QStringLiteral("ScreenCapture1Click"), [this] { ScreenCapture1Click(); }},
        {QStringLiteral("WindowCapture1Click"), [this] { WindowCapture1Click(); }},
        {QStringLiteral("ClientCapture1Click"), [this] { ClientCapture1Click(); }},
    };
    const QStringList &types = imageTypes();
    const QList<QAction *> filterItems = Image1->actions();
    for (int i = 0; i < types.size(); ++i) {
        const QString type = types[i];
        m_handlers[filterItems[i]->property("handler").toString()] = [this, type] {
            selectFilter(type);
        };
    }
    for (QAction *item : findChildren<QAction *>()) {
        const std::function<void()> run = handler(item->property("handler").toString());
        item->setEnabled(bool(run));
        // Busy mode disables the menu headings, but shortcuts (Del, Ctrl+R...)
        // reach the items all the same: a command must not start inside a
        // running loop.
        if (run)
            connect(item, &QAction::triggered, this, [this, run] {
                if (!m_busy)
                    run();
            });
    }
    for (QToolButton *button : Panel2->findChildren<QToolButton *>()) {
        const std::function<void()> run = handler(button->property("handler").toString());
        button->setEnabled(bool(run));
        if (run)
            connect(button, &QToolButton::clicked, this, run);
    }
}

bool TForm1::isBound(const QObject *command) const
{
    return m_handlers.count(command->property("handler").toString()) != 0;
}
