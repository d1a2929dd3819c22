// Convert dialog: the format, colour depth and folder for converted images.
#include "convert/convert.h"
#include "decor/decoratewindow.h"

#include "platform/paths.h"
#include "platform/prompter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int HelpTopic = 6;
}

TForm6::TForm6(Prompter &prompter, QWidget *parent)
    : FileOpsDialog("Form6", QStringLiteral("Convert"), QStringLiteral("Convert Images"), QSize(330, 268), parent),
      m_prompter(prompter)
{
    Kind = radioGroup("Kind", QStringLiteral("&Image Type"),
                      {QStringLiteral("B&mp"), QStringLiteral("&Gif"), QStringLiteral("&Jpeg"),
                       QStringLiteral("&Pcx"), QStringLiteral("P&ng"), QStringLiteral("&Tiff")},
                      QRect(12, 8, 140, 160), m_kindButtons);
    setHint(Kind, QStringLiteral("Type Of Converted Image"));
    Color = radioGroup("Color", QStringLiteral("Co&lor Depth"),
                       {QStringLiteral("&Automatic"), QStringLiteral("&16 Color"), QStringLiteral("&256 Color"),
                        QStringLiteral("Tr&ue Color"), QStringLiteral("&Vga"), QStringLiteral("Monoch&rome")},
                       QRect(164, 8, 154, 160), m_colorButtons);
    setHint(Color, QStringLiteral("Colour Depth Of Converted Image"));

    QLabel *location = label("Label1", QStringLiteral("&Location For Converted Images"),
                             QStringLiteral("Target Directory"), QPoint(12, 174));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(12, 194, 306, 24);
    setHint(Edit1, QStringLiteral("Directory For Converted Images"));
    location->setBuddy(Edit1);
    CheckBox1 = new QCheckBox(QStringLiteral("Remember Path"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(12, 220, 150, 20);
    setHint(CheckBox1, QStringLiteral("Keep Path Name"));

    OkButton = button("OkButton", QStringLiteral("&OK"), QStringLiteral("Convert Images"), QRect(12, 242, 70, 24));
    OkButton->setDefault(true);
    CancelButton = button("CancelButton", QStringLiteral("&Cancel"), QStringLiteral("Cancel Conversion"),
                          QRect(90, 242, 70, 24));
    BrowseButton = button("BrowseButton", QStringLiteral("&Browse"), QStringLiteral("Browse For Target Directory"),
                          QRect(168, 242, 70, 24));
    BitBtn1 = button("BitBtn1", QStringLiteral("&Help"), QStringLiteral("Help Converting Images"),
                     QRect(246, 242, 72, 24));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &TForm6::CancelButtonClick);
    connect(BrowseButton, &QPushButton::clicked, this, &TForm6::BrowseButtonClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm6::WhatsThis1Click);

    PopupMenu1 = addPopup(QStringLiteral("&What's This?"), QStringLiteral("Help Converting Images"), HelpTopic);
    addBrowseItem();
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm6")));
}

QGroupBox *TForm6::radioGroup(const char *name, const QString &caption, const QStringList &items, QRect where,
                              QButtonGroup *&buttons)
{
    auto *group = new QGroupBox(caption, this);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(where);
    auto *column = new QVBoxLayout(group);
    // Six buttons at the height the style gives them fill the designed box
    // only without the spacing between them.
    column->setSpacing(0);
    column->setContentsMargins(9, 4, 9, 4);
    buttons = new QButtonGroup(group);
    for (int i = 0; i < items.size(); ++i) {
        auto *item = new QRadioButton(items[i], group);
        column->addWidget(item);
        buttons->addButton(item, i);
    }
    buttons->button(0)->setChecked(true);
    return group;
}

void TForm6::addBrowseItem()
{
    auto *browse = new QAction(QStringLiteral("&Browse"), PopupMenu1);
    browse->setObjectName(QStringLiteral("Browse1"));
    browse->setShortcut(QKeySequence(QStringLiteral("Ctrl+B")));
    browse->setStatusTip(QStringLiteral("Select Target Directory"));
    connect(browse, &QAction::triggered, this, &TForm6::BrowseButtonClick);
    PopupMenu1->insertAction(PopupMenu1->actions().first(), browse);
    addAction(browse);
}

int TForm6::kindItem() const { return m_kindButtons->checkedId(); }
void TForm6::setKindItem(int item) { m_kindButtons->button(qBound(0, item, int(convertFormats().size()) - 1))->setChecked(true); }
int TForm6::colorItem() const { return m_colorButtons->checkedId(); }
void TForm6::setColorItem(int item) { m_colorButtons->button(qBound(0, item, ConvertDepthCount - 1))->setChecked(true); }

void TForm6::BrowseButtonClick()
{
    const QString typed = Edit1->text();
    const QString start = !typed.isEmpty() && QFileInfo(typed).isDir() ? typed : workingDirectory();
    if (const std::optional<QString> folder = m_prompter.pickFolder(QStringLiteral("Select Directory"), start))
        Edit1->setText(QDir::toNativeSeparators(*folder));
}

void TForm6::WhatsThis1Click()
{
    emit helpRequested(HelpTopic);
}

void TForm6::CancelButtonClick()
{
    reject();
}
