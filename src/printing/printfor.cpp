// Print options dialog: page texts, font, orientation and scaling factor.
#include "printing/printfor.h"
#include "decor/decoratewindow.h"

#include "dialogs/dialogparts.h"
#include "dialogs/helpcommands.h"
#include "dialogs/tupdown.h"
#include "printing/printdialogs.h"
#include "printing/sharedprinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int HelpContext = 10;
constexpr int MinimumScale = 2;
constexpr int MaximumScale = 6;
constexpr int InitialScale = 3;
constexpr int PortraitLeft = 155;
constexpr int LandscapeLeft = 145;
const QColor EnabledEditColour(0xFF, 0xFF, 0xFF);
const QColor DisabledEditColour(0x80, 0x80, 0x80);

// A sheet of paper with lines of text, upright or on its side.
QPixmap pagePicture(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
    for (int y = 6; y < size.height() - 4; y += 4)
        painter.drawLine(4, y, size.width() - 5, y);
    return pixmap;
}

QFrame *pictureFrame(QWidget *parent, const char *name, QLabel *picture, const QRect &geometry)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(geometry);
    picture->setParent(frame);
    picture->setAlignment(Qt::AlignCenter);
    picture->setGeometry(frame->contentsRect());
    return frame;
}
} // namespace

TForm10::TForm10(SharedPrinter &printer, PrintDialogs &dialogs, HelpCommands &help, QWidget *parent)
    : QDialog(parent), m_printer(printer), m_dialogs(dialogs), m_help(help),
      m_font(QFontDatabase::systemFont(QFontDatabase::GeneralFont)),
      m_color(QApplication::palette().color(QPalette::WindowText))
{
    // The font dialog shows the font at the printed size, in points.
    m_font.setPointSize(PrintTextPointSize);
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Print Options"));
    setProperty("helpContext", HelpContext);
    createControls();
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm10")));
}

void TForm10::createControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createTextsBox());
    auto *middle = new QHBoxLayout;
    middle->addWidget(createOrientationBox());
    middle->addWidget(createScaleBox());
    layout->addLayout(middle);
    layout->addWidget(createButtons());
    createPopupMenu();
}

QWidget *TForm10::createTextsBox()
{
    auto *box = new QGroupBox(QStringLiteral("Page Texts"), this);
    auto *grid = new QGridLayout(box);
    CheckBox1 = new QCheckBox(QStringLiteral("&Include H&eader Text"), box);
    HeaderEdit = new QLineEdit(box);
    CheckBox2 = new QCheckBox(QStringLiteral("Include Foo&t Note Text"), box);
    FootEdit = new QLineEdit(box);
    CheckBox3 = new QCheckBox(QStringLiteral("&Include Page Number"), box);
    FontEdit = new QLineEdit(m_font.family(), box);
    FontButton = new QPushButton(QStringLiteral("&Font"), box);
    const std::pair<QWidget *, const char *> names[] = {
        {CheckBox1, "CheckBox1"}, {HeaderEdit, "HeaderEdit"}, {CheckBox2, "CheckBox2"}, {FootEdit, "FootEdit"},
        {CheckBox3, "CheckBox3"}, {FontEdit, "FontEdit"}, {FontButton, "FontButton"}};
    for (const auto &[widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));
    for (QCheckBox *check : {CheckBox1, CheckBox2, CheckBox3})
        check->setChecked(true);
    FontEdit->setReadOnly(true);
    FontEdit->setEnabled(false);
    setHint(CheckBox1, QStringLiteral("Include Header Text On Print Page"));
    setHint(HeaderEdit, QStringLiteral("Text For Header On Print Page"));
    setHint(CheckBox2, QStringLiteral("Include Foot Note Text On Print Page"));
    setHint(FootEdit, QStringLiteral("Text For Foot Note On Print Page"));
    setHint(CheckBox3, QStringLiteral("Include Page Number On Print Page"));
    setHint(FontEdit, QStringLiteral("Current Print Font"));
    setHint(FontButton, QStringLiteral("Change Print Font"));
    grid->addWidget(CheckBox1, 0, 0);
    grid->addWidget(HeaderEdit, 0, 1, 1, 2);
    grid->addWidget(CheckBox2, 1, 0);
    grid->addWidget(FootEdit, 1, 1, 1, 2);
    grid->addWidget(CheckBox3, 2, 0);
    grid->addWidget(FontEdit, 2, 1);
    grid->addWidget(FontButton, 2, 2);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm10::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &TForm10::CheckBox2Click);
    connect(FontButton, &QPushButton::clicked, this, &TForm10::FontButtonClick);
    return box;
}

QWidget *TForm10::createOrientationBox()
{
    auto *box = new QGroupBox(QStringLiteral("Orientation"), this);
    box->setFixedSize(300, 120);
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(pagePicture(QSize(32, 42)));
    Image2 = new QLabel;
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(pagePicture(QSize(42, 32)));
    Panel1 = pictureFrame(box, "Panel1", Image1, QRect(100, 22, 50, 56));
    Panel2 = pictureFrame(box, "Panel2", Image2, QRect(160, 28, 56, 44));
    OrientEdit = new QLabel(QStringLiteral("Portrait"), box);
    OrientEdit->setObjectName(QStringLiteral("OrientEdit"));
    OrientEdit->move(PortraitLeft, 88);
    setHint(Panel1, QStringLiteral("Portrait Printing"));
    setHint(Image1, QStringLiteral("Portrait Printing"));
    setHint(Panel2, QStringLiteral("Landscape Printing"));
    setHint(Image2, QStringLiteral("Landscape Printing"));
    setHint(OrientEdit, QStringLiteral("Current Orientation"));
    for (QWidget *clickable : {static_cast<QWidget *>(Panel1), static_cast<QWidget *>(Image1),
                               static_cast<QWidget *>(Panel2), static_cast<QWidget *>(Image2)})
        clickable->installEventFilter(this);
    return box;
}

QWidget *TForm10::createScaleBox()
{
    auto *box = new QGroupBox(QStringLiteral("Scaling"), this);
    auto *row = new QHBoxLayout(box);
    ScaleEdit = new QLineEdit(box);
    ScaleEdit->setObjectName(QStringLiteral("ScaleEdit"));
    ScaleEdit->setReadOnly(true);
    ScaleEdit->setMaximumWidth(40);
    UpDown1 = new TUpDown(ScaleEdit, box);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(MinimumScale, MaximumScale);
    UpDown1->setPosition(InitialScale);
    setHint(ScaleEdit, QStringLiteral("Print Scaling Value"));
    setHint(UpDown1, QStringLiteral("Change Print Scaling Value"));
    row->addWidget(ScaleEdit);
    row->addWidget(UpDown1);
    return box;
}

QWidget *TForm10::createButtons()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    OkButton = new QPushButton(QStringLiteral("&OK"), bar);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), bar);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    PreviewButton = new QPushButton(QStringLiteral("Pre&view"), bar);
    PreviewButton->setObjectName(QStringLiteral("PreviewButton"));
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), QStringLiteral("&Help"), bar);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    setHint(OkButton, QStringLiteral("Print With These Options"));
    setHint(CancelButton, QStringLiteral("Cancel Printing"));
    setHint(PreviewButton, QStringLiteral("Show The Printed Pages First"));
    setHint(BitBtn2, QStringLiteral("Help On Print Options"));
    for (QPushButton *button : {OkButton, CancelButton, PreviewButton, BitBtn2})
        row->addWidget(button);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(PreviewButton, &QPushButton::clicked, this, [this] { done(PreviewResult); });
    connect(BitBtn2, &QPushButton::clicked, this, &TForm10::WhatsThis1Click);
    return bar;
}

void TForm10::createPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *font = PopupMenu1->addAction(QStringLiteral("&Font"), this, &TForm10::FontButtonClick);
    font->setObjectName(QStringLiteral("Font1"));
    QAction *whatsThis = PopupMenu1->addAction(QStringLiteral("&What's This?"), this, &TForm10::WhatsThis1Click);
    whatsThis->setObjectName(QStringLiteral("WhatsThis1"));
    whatsThis->setStatusTip(QStringLiteral("Help On Print Options"));
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, PopupMenu1,
            [this](const QPoint &at) { PopupMenu1->popup(mapToGlobal(at)); });
}

void TForm10::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

bool TForm10::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Panel1 || watched == Image1)
            Image1Click();
        else if (watched == Panel2 || watched == Image2)
            Image2Click();
    }
    return QDialog::eventFilter(watched, event);
}

void TForm10::FormActivate()
{
    HeaderEdit->clear();
    FootEdit->clear();
    FontEdit->setText(m_printer.canvasFont().family());
}

void TForm10::followCheckBox(QCheckBox *box, QLineEdit *edit)
{
    const bool checked = box->isChecked();
    edit->setEnabled(checked);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, checked ? EnabledEditColour : DisabledEditColour);
    edit->setPalette(palette);
    if (checked)
        edit->setFocus();
}

void TForm10::CheckBox1Click()
{
    followCheckBox(CheckBox1, HeaderEdit);
}

void TForm10::CheckBox2Click()
{
    followCheckBox(CheckBox2, FootEdit);
}

void TForm10::FontButtonClick()
{
    if (m_dialogs.chooseFont(m_font, m_color, this))
        FontEdit->setText(m_font.family());
}

void TForm10::Image1Click()
{
    OrientEdit->setText(QStringLiteral("Portrait"));
    OrientEdit->adjustSize();
    OrientEdit->move(PortraitLeft, OrientEdit->y());
}

void TForm10::Image2Click()
{
    OrientEdit->setText(QStringLiteral("Landscape"));
    OrientEdit->adjustSize();
    OrientEdit->move(LandscapeLeft, OrientEdit->y());
}

void TForm10::WhatsThis1Click()
{
    m_help.context(HelpContext);
}

PrintOptions TForm10::options() const
{
    PrintOptions options;
    options.header = CheckBox1->isChecked();
    options.headerText = HeaderEdit->text();
    options.footNote = CheckBox2->isChecked();
    options.footText = FootEdit->text();
    options.pageNumber = CheckBox3->isChecked();
    options.font = m_font;
    options.color = m_color;
    options.portrait = OrientEdit->text() == QLatin1String("Portrait");
    // The box is read-only and driven by the arrows; the clamp only keeps
    // sizes sane should its text ever be something else.
    options.scale = std::clamp(ScaleEdit->text().toInt(), MinimumScale, MaximumScale);
    return options;
}
