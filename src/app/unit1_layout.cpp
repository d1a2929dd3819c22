// Main window: building the panels, bars, tree, list and status bar.
#include "app/unit1.h"

#include "app/newstat.h"
#include "browse/dirtree.h"
#include "browse/imagelistview.h"
#include "imaging/formats.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QProgressBar>
#include <QStandardItemModel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
struct SpeedButton
{
    QToolButton *TForm1::*member;
    const char *name;
    int left;
    const char *hint;
    void (TForm1::*handler)();
    const char *icon;
};

const SpeedButton SpeedButtons[] = {
    {&TForm1::MoveButton, "MoveButton", 8, "Move File", &TForm1::Move1Click, ":/icons/move.svg"},
    {&TForm1::CopyButton, "CopyButton", 49, "Copy File", &TForm1::Copy1Click, ":/icons/copy.svg"},
    {&TForm1::DeleteButton, "DeleteButton", 90, "Delete File", &TForm1::Delete1Click, ":/icons/delete.svg"},
    {&TForm1::RenameButton, "RenameButton", 131, "Rename File", &TForm1::Rename1Click, ":/icons/rename.svg"},
    {&TForm1::SearchButton, "SearchButton", 172, "Search", &TForm1::Search2Click, ":/icons/search.svg"},
    {&TForm1::PrintButton, "PrintButton", 213, "Print Thumb Nails", &TForm1::PrintButtonClick, ":/icons/print.svg"},
    {&TForm1::PrintSetUpButton, "PrintSetUpButton", 254, "Printer Set Up", &TForm1::PrintsetUp1Click, ":/icons/printsetup.svg"},
    {&TForm1::ViewButton, "ViewButton", 295, "View Full Image", &TForm1::ViewButtonClick, ":/icons/view.svg"},
    {&TForm1::ClipBoardButton, "ClipBoardButton", 336, "Copy Image To Clipboard", &TForm1::ToClipboard1Click, ":/icons/clipboard.svg"},
    {&TForm1::ThumbSizeButton, "ThumbSizeButton", 377, "Thumb Size", &TForm1::ThumbSize1Click, ":/icons/thumbsize.svg"},
    {&TForm1::HelpButton, "HelpButton", 418, "Help", &TForm1::Help2Click, ":/icons/help.svg"},
    {&TForm1::StopButton, "StopButton", 459, "Stop Process", &TForm1::StopButtonClick, ":/icons/stop.svg"},
    {&TForm1::ExitButton, "ExitButton", 500, "Exit Pixmoor", &TForm1::Exit1Click, ":/icons/exit.svg"},
};

struct FilterButton
{
    QString name;
    QString caption;
    QString hint;
    QString imageType;
};

// One button per known format, in the filters' order, then All.
QList<FilterButton> filterButtons()
{
    QList<FilterButton> buttons;
    for (const imagelib::FormatEntry &format : imagelib::knownFormats()) {
        const QString name = QString::fromLatin1(format.name);
        buttons.append({name + QStringLiteral("Button"), name.toUpper(), name + QStringLiteral(" File Display"),
                        QString::fromLatin1(format.extension)});
    }
    buttons.append({QStringLiteral("AllButton"), QStringLiteral("All"), QStringLiteral("All Files"),
                    QStringLiteral("all")});
    return buttons;
}

constexpr int FilterButtonLeft = 8;
constexpr int FilterButtonGap = 1;

QFrame *panel(QWidget *parent, const char *name, QFrame::Shadow shadow)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(1);
    return frame;
}

void setHint(QWidget *widget, const char *hint)
{
    widget->setStatusTip(QString::fromUtf8(hint));
    widget->setToolTip(QString::fromUtf8(hint));
}

QToolButton *toolButton(QWidget *parent, const char *name, const char *hint, QRect where)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(where);
    button->setAutoRaise(false);
    setHint(button, hint);
    return button;
}
} // namespace

void TForm1::createControls()
{
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(createSpeedBar());
    column->addWidget(createFilterBar());
    createHeaderControl();
    column->addWidget(HeaderControl1);
    column->addWidget(createBody(), 1);
    createStatusBar();
    column->addWidget(StatusBar1);
    setCentralWidget(central);
}

QFrame *TForm1::createSpeedBar()
{
    Panel2 = panel(this, "Panel2", QFrame::Raised);
    Panel2->setFixedHeight(50);
    // The icons are built into this static library, whose resources register
    // only when asked to.
    Q_INIT_RESOURCE(resources);
    for (const SpeedButton &entry : SpeedButtons) {
        QToolButton *button = toolButton(Panel2, entry.name, entry.hint, QRect(entry.left, 5, 40, 40));
        button->setIcon(QIcon(QString::fromLatin1(entry.icon)));
        button->setIconSize(QSize(28, 28));
        connect(button, &QToolButton::clicked, this, entry.handler);
        this->*entry.member = button;
    }
    return Panel2;
}

QFrame *TForm1::createFilterBar()
{
    Panel1 = panel(this, "Panel1", QFrame::Raised);
    Panel1->setFixedHeight(35);
    m_filterButtons = new QButtonGroup(this);
    int left = FilterButtonLeft;
    for (const FilterButton &entry : filterButtons()) {
        QToolButton *button = toolButton(Panel1, qPrintable(entry.name), qPrintable(entry.hint), QRect(left, 5, 30, 25));
        button->setText(entry.caption);
        // 30 pixels as designed, wider where the font needs it; the buttons
        // after it move along.
        button->resize(qMax(30, button->sizeHint().width()), 25);
        button->setCheckable(true);
        button->setProperty("imageType", entry.imageType);
        m_filterButtons->addButton(button);
        const QString type = entry.imageType;
        connect(button, &QToolButton::clicked, this, [this, type] { selectFilter(type); });
        left += button->width() + FilterButtonGap;
    }
    filterButton(QStringLiteral("bmp"))->setChecked(true);

    m_viewButtons = new QButtonGroup(this);
    const int viewLeft = qMax(349, left);
    ListButton = toolButton(Panel1, "ListButton", "List View", QRect(viewLeft, 5, 30, 25));
    ListButton->setIcon(QIcon(QStringLiteral(":/icons/listview.svg")));
    IcoButton = toolButton(Panel1, "IcoButton", "Icon View", QRect(viewLeft + 31, 5, 30, 25));
    IcoButton->setIcon(QIcon(QStringLiteral(":/icons/iconview.svg")));
    for (QToolButton *button : {ListButton, IcoButton}) {
        button->setCheckable(true);
        m_viewButtons->addButton(button);
        connect(button, &QToolButton::clicked, this, &TForm1::ListButtonClick);
    }
    IcoButton->setChecked(true);
    return Panel1;
}

void TForm1::createHeaderControl()
{
    m_headerSections = new QStandardItemModel(0, 2, this);
    m_headerSections->setHorizontalHeaderLabels({QStringLiteral("Directory"), QStringLiteral("Files")});
    HeaderControl1 = new QHeaderView(Qt::Horizontal, this);
    HeaderControl1->setObjectName(QStringLiteral("HeaderControl1"));
    HeaderControl1->setModel(m_headerSections);
    // 17 pixels as designed, more where the font needs it.
    HeaderControl1->setFixedHeight(qMax(17, HeaderControl1->sizeHint().height()));
    HeaderControl1->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    HeaderControl1->setStretchLastSection(false);
    HeaderControl1->resizeSection(0, 211);
    HeaderControl1->resizeSection(1, 1000);
    setHint(HeaderControl1, "Adjust Screen Ratio");
}

QWidget *TForm1::createBody()
{
    auto *body = new QWidget(this);
    auto *row = new QHBoxLayout(body);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    LeftPanel = panel(body, "LeftPanel", QFrame::Sunken);
    LeftPanel->setFixedWidth(210);
    DirTree1 = new TDirTree(m_prompter, LeftPanel);
    DirTree1->setObjectName(QStringLiteral("DirTree1"));
    DirTree1->setOpenCurrentDir(false);
    DirTree1->setOpenCurrentDrv(false);
    setHint(DirTree1, "Directory List");
    DirTree1->setToolTip(QString());
    auto *treeLayout = new QVBoxLayout(LeftPanel);
    treeLayout->setContentsMargins(1, 1, 1, 1);
    treeLayout->addWidget(DirTree1);
    connect(DirTree1, &TDirTree::OnDirChange, this, &TForm1::DirTree1DirChange);
    DirTree1->fill();

    CenterPanel = new QFrame(body);
    CenterPanel->setObjectName(QStringLiteral("CenterPanel"));
    CenterPanel->setFixedWidth(1);
    CenterPanel->setCursor(Qt::SplitHCursor);
    CenterPanel->setStatusTip(QStringLiteral("Adjust Screen Ratio"));

    RightPanel = panel(body, "RightPanel", QFrame::Sunken);
    ListView1 = new ImageListView(&ImageList1, &ImageList2, RightPanel);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setStatusTip(QStringLiteral("Image List Display"));
    auto *listLayout = new QVBoxLayout(RightPanel);
    listLayout->setContentsMargins(1, 1, 1, 1);
    listLayout->addWidget(ListView1);

    row->addWidget(LeftPanel);
    row->addWidget(CenterPanel);
    row->addWidget(RightPanel, 1);
    return body;
}

void TForm1::createStatusBar()
{
    StatusBar1 = new TAStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setPanelWidths({210, 250, 104, 50});
    ProgressBar1 = new QProgressBar(StatusBar1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(464, 4, 98, 13);
    setHint(ProgressBar1, "Progress Gauge");
}

QToolButton *TForm1::filterButton(const QString &imageType) const
{
    for (QAbstractButton *button : m_filterButtons->buttons())
        if (button->property("imageType").toString() == imageType)
            return static_cast<QToolButton *>(button);
    return nullptr;
}
