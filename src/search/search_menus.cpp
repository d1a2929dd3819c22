// Search window: controls, menus, pop-ups and the command bindings.
#include "search/search.h"

#include "browse/fileitemmodel.h"
#include "browse/imagelistview.h"
#include "dialogs/menutable.h"
#include "search/searchtypes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
using Item = MenuItem<TForm11>;
constexpr const Item &Separator = MenuSeparator<TForm11>;

const Item FileItems[] = {
    {"Move1", "&Move", "Ctrl+M", "Move Selected Files", 9, &TForm11::Move1Click},
    {"Copy1", "&Copy", "Ctrl+C", "Copy Selected Files", 16, &TForm11::Copy1Click},
    {"Rename1", "&Rename", "Ctrl+R", "Rename Selected Files", 8, &TForm11::Rename1Click},
    {"Delete1", "&Delete", "Del", "Delete Selected Files", 17, &TForm11::Delete1Click},
    {"SelectAll1", "&Select All", "Ctrl+A", "Select All Image Files", 18, &TForm11::SelectAll1Click},
    {"Properties2", "Pr&operties", "Ctrl+O", "File Properties", 7, &TForm11::Properties2Click},
    Separator,
    {"Print1", "&Print  Thumb", "Ctrl+P", "Print Thumb Nails ", 10, &TForm11::Print1Click},
    {"PrintsetUp1", "Pr&int Set Up", "", "Printer Set Up", 19, &TForm11::PrintsetUp1Click},
    Separator,
    {"Exit1", "E&xit", "", "Exit", 20, &TForm11::Exit1Click},
};

const Item ImageItems[] = {
    {"Convert1", "&Convert", "Ctrl+N", "Convert Images To Different Type", 6, &TForm11::Convert1Click},
    {"Print2", "&Print", "", "Print Image", 23, &TForm11::Print2Click},
    {"ToClipboard1", "T&o Clipboard", "Ctrl+T", "Copy Image To Clipboard", 24, &TForm11::ToClipboard1Click},
    {"View1", "&View", "Ctrl+V", "View Image At Full Size", 25, &TForm11::View1Click},
};

const Item HelpItems[] = {
    {"About1", "&About", "", "About Pixmoor", 0, &TForm11::About1Click},
    {"Help2", "H&elp", "", "Pixmoor Help", 0, &TForm11::Help2Click},
    {"Search1", "&Search Help", "", "Search Pixmoor Help", 0, &TForm11::Search1Click},
    {"UsingHelp1", "&Using Help", "", "Using Help Files", 0, &TForm11::UsingHelp1Click},
};

const Item ListPopupItems[] = {
    {"Move2", "&Move", "", "Move Selected Files", 21, &TForm11::Move1Click},
    {"Copy2", "&Copy", "", "Copy Selected Files", 16, &TForm11::Copy1Click},
    {"Rename2", "&Rename", "", "Rename File", 8, &TForm11::Rename1Click},
    {"Delete2", "&Delete", "", "Delete Selected Files", 17, &TForm11::Delete1Click},
    {"Properties1", "&Properties", "", "File Properties", 7, &TForm11::Properties2Click},
    Separator,
    {"Convert2", "C&onvert", "", "Convert Images", 6, &TForm11::Convert1Click},
    {"LaunchApp1", "&Launch App", "", "Launch Associated Application", 33, &TForm11::LaunchApp1Click},
    {"ToClipboard2", "&To Clipboard", "", "Copy Image To Clipboard", 24, &TForm11::ToClipboard1Click},
    {"View2", "&View", "", "View Image Full Size", 25, &TForm11::View1Click},
    Separator,
    {"WhatsThis2", "&What's This?", "", "Help On Image List", 0, &TForm11::WhatsThis2Click},
    Separator,
    {"Exit2", "E&xit", "", "Close Window", 0, &TForm11::Exit1Click},
};

const Item PanelPopupItems[] = {
    {"WhatsThis1", "&What's This?", "", "Search Window Help", 0, &TForm11::WhatsThis1Click},
};

// The buttons share two rows beside the fields, so that they fit the
// window's width.
constexpr int ButtonWidth = 70;

QPushButton *addButton(QWidget *parent, QGridLayout *grid, int row, int column, const char *name,
                       const char *caption, const char *hint)
{
    auto *button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setStatusTip(QString::fromUtf8(hint));
    button->setToolTip(QString::fromUtf8(hint));
    button->setFixedWidth(ButtonWidth);
    grid->addWidget(button, row, column);
    return button;
}
} // namespace

void TForm11::createControls()
{
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createControlPanel());
    Panel2 = new QFrame(body);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *listLayout = new QVBoxLayout(Panel2);
    listLayout->setContentsMargins(0, 0, 0, 0);
    ListView1 = new ImageListView(&ImageList1, &ImageList1, Panel2);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setViewStyle(ImageListView::ViewStyle::Report);
    ListView1->setColumnWidths(290, 110, 120);
    ListView1->setStatusTip(QStringLiteral("Image List"));
    ListView1->setProperty("helpContext", 2);
    ListView1->setCaptionsEditable(true);
    listLayout->addWidget(ListView1);
    layout->addWidget(Panel2, 1);
    setCentralWidget(body);
    createStatusBar();
}

QFrame *TForm11::createControlPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(65);
    Panel1->setStatusTip(QStringLiteral("Controls"));
    Panel1->setProperty("helpContext", 35);
    auto *row = new QHBoxLayout(Panel1);
    row->setContentsMargins(6, 2, 6, 2);
    auto *fields = new QVBoxLayout;
    FileTypeComboBox = new QComboBox(Panel1);
    FileTypeComboBox->setObjectName(QStringLiteral("FileTypeComboBox"));
    FileTypeComboBox->setStatusTip(QStringLiteral("File Search Types"));
    FileTypeComboBox->setFixedWidth(169);
    for (const SearchType &type : searchTypes())
        FileTypeComboBox->addItem(type.text);
    FileTypeComboBox->setCurrentIndex(-1);
    PathEdit = new QLineEdit(Panel1);
    PathEdit->setObjectName(QStringLiteral("PathEdit"));
    PathEdit->setStatusTip(QStringLiteral("Search Path"));
    PathEdit->setFixedWidth(169);
    Label1 = new QLabel(QStringLiteral("&Search Type"), Panel1);
    Label1->setBuddy(FileTypeComboBox);
    Label2 = new QLabel(QStringLiteral("Search &Path"), Panel1);
    Label2->setBuddy(PathEdit);
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(Label1);
    typeRow->addWidget(FileTypeComboBox);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(Label2);
    pathRow->addWidget(PathEdit);
    fields->addLayout(typeRow);
    fields->addLayout(pathRow);
    row->addLayout(fields);
    auto *buttons = new QGridLayout;
    buttons->setSpacing(4);
    row->addLayout(buttons);
    // Made in tab order; the grid places them.
    StartButton = addButton(Panel1, buttons, 0, 0, "StartButton", "S&earch", "Start Search");
    StopButton = addButton(Panel1, buttons, 0, 1, "StopButton", "S&top", "Stop Search");
    StopButton->setEnabled(false);
    SearchButton = addButton(Panel1, buttons, 0, 2, "SearchButton", "&Browse", "Select Search Path");
    CopyButton = addButton(Panel1, buttons, 1, 0, "CopyButton", "&Copy", "Copy Selected Files");
    MoveButton = addButton(Panel1, buttons, 1, 1, "MoveButton", "M&ove", "Move Selected Files");
    DeleteButton = addButton(Panel1, buttons, 1, 2, "DeleteButton", "&Delete", "Delete Selected Files");
    ExitButton = addButton(Panel1, buttons, 0, 3, "ExitButton", "E&xit", "Exit Search Window");
    return Panel1;
}

void TForm11::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const int widths[3] = {250, 100, 50};
    for (int i = 0; i < 3; ++i) {
        StatusPanels[i] = new QLabel(bar);
        StatusPanels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusPanels[i]->setFixedWidth(widths[i]);
        bar->addWidget(StatusPanels[i], i == 2 ? 1 : 0);
    }
    // The gauge sits over the second panel.
    ProgressBar1 = new QProgressBar(StatusPanels[1]);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setStatusTip(QStringLiteral("Progress Gauge"));
    auto *gaugeLayout = new QHBoxLayout(StatusPanels[1]);
    gaugeLayout->setContentsMargins(1, 1, 1, 1);
    gaugeLayout->addWidget(ProgressBar1);
}

void TForm11::createMenus()
{
    QMenuBar *bar = menuBar();
    File1 = addMenuHeading(bar, "File1", "&File", "File Options", 21);
    addMenuItems<TForm11>(File1, FileItems, this);
    Image1 = addMenuHeading(bar, "Image1", "I&mage", "Image Options", 22);
    addMenuItems<TForm11>(Image1, ImageItems, this);
    Help1 = addMenuHeading(bar, "Help1", "&Help", "Help!", 32);
    addMenuItems<TForm11>(Help1, HelpItems, this);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    addMenuItems<TForm11>(PopupMenu1, ListPopupItems, this);
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    addMenuItems<TForm11>(PopupMenu2, PanelPopupItems, this);
    for (QAbstractItemView *view : ListView1->views()) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](const QPoint &at) { PopupMenu1->popup(view->viewport()->mapToGlobal(at)); });
        connect(view, &QAbstractItemView::doubleClicked, this, [this] { View1Click(); });
    }
    connect(ListView1, &ImageListView::viewRequested, this, [this] { View1Click(); });
    // Decided after the editor has closed, so that a message box can show.
    connect(ListView1->items(), &FileItemModel::captionEditRequested, this, [this](int row, const QString &text) {
        const QString path = ListView1->items()->path(row);
        QMetaObject::invokeMethod(this, [this, path, text] { ListView1Edited(path, text); }, Qt::QueuedConnection);
    });
    for (QWidget *widget : std::initializer_list<QWidget *>{Panel1, statusBar()}) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, this,
                [this, widget](const QPoint &at) { PopupMenu2->popup(widget->mapToGlobal(at)); });
    }
}

void TForm11::connectButtons()
{
    connect(StartButton, &QPushButton::clicked, this, [this] { StartButtonClick(); });
    connect(StopButton, &QPushButton::clicked, this, [this] { StopButtonClick(); });
    connect(SearchButton, &QPushButton::clicked, this, [this] { SearchButtonClick(); });
    connect(CopyButton, &QPushButton::clicked, this, [this] { Copy1Click(); });
    connect(MoveButton, &QPushButton::clicked, this, [this] { Move1Click(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { Delete1Click(); });
    connect(ExitButton, &QPushButton::clicked, this, [this] { Exit1Click(); });
}

QAction *TForm11::action(const QString &name) const
{
    return findChild<QAction *>(name);
}
