// Properties dialog: name, size, folder and the four attribute flags of a file.
#include "fileops/prop.h"
#include "decor/decoratewindow.h"

#include "fileops/filehousekeeping.h"
#include "platform/fileattributes.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {
struct Box
{
    QCheckBox *TForm8::*member;
    quint32 flag;
    QString AttributeSupport::*reason;
    const char *hint;
};

const Box Boxes[] = {
    {&TForm8::readonly, FileAttribute::ReadOnly, &AttributeSupport::readOnlyReason, "Read Only File Property"},
    {&TForm8::archive, FileAttribute::Archive, &AttributeSupport::archiveReason, "Archive File Property"},
    {&TForm8::system, FileAttribute::System, &AttributeSupport::systemReason, "System File Property"},
    {&TForm8::hidden, FileAttribute::Hidden, &AttributeSupport::hiddenReason, "Hidden File Property"},
};
} // namespace

TForm8::TForm8(QWidget *parent)
    : FileOpsDialog("Form8", QStringLiteral("Properties"), QStringLiteral("File Properties Window"),
                    QSize(325, 208), parent)
{
    setWindowFlag(Qt::Tool);
    heading(QStringLiteral("Filename"), QStringLiteral("Name Of File"), QPoint(12, 8));
    FileLabel = valueLabel("FileLabel", QStringLiteral("Name Of File"), QPoint(12, 26));
    heading(QStringLiteral("Size"), QStringLiteral("Size Of File"), QPoint(220, 8));
    SizeLabel = valueLabel("SizeLabel", QStringLiteral("Size Of File"), QPoint(220, 26));
    SizeLabel->setFixedWidth(96);
    heading(QStringLiteral("Directory"), QStringLiteral("Directory Of File"), QPoint(12, 50));
    DirLabel = valueLabel("DirLabel", QStringLiteral("Directory Of File"), QPoint(12, 68));
    heading(QStringLiteral("Properties"), QStringLiteral("File Properties"), QPoint(12, 94));
    readonly = attributeBox("readonly", QStringLiteral("&Read Only"), Boxes[0].hint, QPoint(12, 114));
    archive = attributeBox("archive", QStringLiteral("&Archive"), Boxes[1].hint, QPoint(164, 114));
    system = attributeBox("system", QStringLiteral("&System"), Boxes[2].hint, QPoint(12, 138));
    hidden = attributeBox("hidden", QStringLiteral("H&idden"), Boxes[3].hint, QPoint(164, 138));
    BitBtn1 = button("BitBtn1", QStringLiteral("&OK"), QStringLiteral("Accept Settings"), QRect(12, 170, 92, 28));
    BitBtn1->setDefault(true);
    BitBtn2 = button("BitBtn2", QStringLiteral("&Cancel"), QStringLiteral("Cancel Changes"),
                     QRect(116, 170, 92, 28));
    BitBtn3 = button("BitBtn3", QStringLiteral("&Help"), QStringLiteral("Help On File Properties"),
                     QRect(220, 170, 92, 28));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm8::BitBtn3Click);
    PopupMenu1 = addPopup(QStringLiteral("&What's This?"), QStringLiteral("Help On File Properties"), 7);
    decorateWindow(this, captionSettingsFor(QStringLiteral("TForm8")));
}

QCheckBox *TForm8::attributeBox(const char *name, const QString &text, const QString &hint, QPoint where)
{
    auto *box = new QCheckBox(text, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(QRect(where, QSize(140, 22)));
    setHint(box, hint);
    return box;
}

QLabel *TForm8::valueLabel(const char *name, const QString &hint, QPoint where)
{
    QLabel *value = label(name, QString(), hint, where);
    value->setFixedWidth(200);
    return value;
}

bool TForm8::editProperties(FileHousekeeping &housekeeping, const QString &path, const QString &fileName,
                            const QString &folder)
{
    const std::optional<FileProperties> properties = housekeeping.readProperties(path);
    fill(fileName, folder, properties);
    if (exec() != QDialog::Accepted)
        return false;
    // Flags that could not be read are never written back.
    if (properties)
        housekeeping.applyAttributes(path, properties->attributes, chosenAttributes());
    return true;
}

void TForm8::fill(const QString &fileName, const QString &folder, const std::optional<FileProperties> &properties)
{
    FileLabel->setText(fileName);
    DirLabel->setText(folder);
    SizeLabel->setText(properties ? QString::number(properties->size) : QString());
    for (const Box &entry : Boxes) {
        QCheckBox *box = this->*entry.member;
        box->setChecked(properties && (properties->attributes & entry.flag));
        const bool changeable = properties && (properties->support.changeable & entry.flag);
        box->setEnabled(changeable);
        // A disabled box says why it cannot change.
        QString why = QString::fromLatin1(entry.hint);
        if (!properties)
            why = QStringLiteral("The file cannot be read");
        else if (!changeable)
            why = properties->support.*entry.reason;
        box->setToolTip(why);
    }
}

quint32 TForm8::chosenAttributes() const
{
    quint32 flags = 0;
    for (const Box &entry : Boxes)
        if ((this->*entry.member)->isChecked())
            flags |= entry.flag;
    return flags;
}

void TForm8::BitBtn3Click()
{
    emit helpRequested(7);
}
