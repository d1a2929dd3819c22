// Drive information window.
#include "dialogs/drive.h"
#include "decor/decoratewindow.h"

#include "dialogs/dialogparts.h"
#include "dialogs/drivedetails.h"
#include "platform/paths.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

TOKBottomDlg1::TOKBottomDlg1(const Volumes &volumes, QWidget *parent)
    : QDialog(parent, Qt::Tool), m_volumes(volumes)
{
    setObjectName(QStringLiteral("OKBottomDlg1"));
    setWindowTitle(QStringLiteral("Drive Information"));
    setHint(this, QStringLiteral("Current Drive Information"));
    setProperty("helpContext", 101);

    auto *grid = new QGridLayout(this);
    const struct
    {
        QLabel *TOKBottomDlg1::*value;
        const char *name;
        const char *caption;
    } rows[] = {{&TOKBottomDlg1::Path, "Path", "Path"},
                {&TOKBottomDlg1::Size, "Size", "Size"},
                {&TOKBottomDlg1::Free, "Free", "Free Space"},
                {&TOKBottomDlg1::Used, "Used", "Space Used"},
                {&TOKBottomDlg1::Removable, "Removable", "Drive Type"}};
    int row = 0;
    for (const auto &row_ : rows) {
        auto *value = new QLabel(this);
        value->setObjectName(QString::fromLatin1(row_.name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(new QLabel(QString::fromLatin1(row_.caption), this), row, 0);
        grid->addWidget(value, row++, 1);
        this->*row_.value = value;
    }
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(OKBtn, row, 0, 1, 2, Qt::AlignHCenter);
    grid->setColumnStretch(1, 1);
    createPopupMenu();
    decorateWindow(this, captionSettingsFor(QStringLiteral("TOKBottomDlg1")));
}

void TOKBottomDlg1::createPopupMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *close = PopupMenu1->addAction(QStringLiteral("&Close Window"));
    close->setObjectName(QStringLiteral("CloseWindow1"));
    close->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    close->setStatusTip(QStringLiteral("Close Window"));
    addAction(close);
    connect(close, &QAction::triggered, this, &TOKBottomDlg1::CloseWindow1Click);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, PopupMenu1,
            [this](const QPoint &at) { PopupMenu1->popup(mapToGlobal(at)); });
}

void TOKBottomDlg1::showEvent(QShowEvent *event)
{
    FormActivate();
    QDialog::showEvent(event);
    centreOnScreen(this);
}

void TOKBottomDlg1::FormActivate()
{
    const DriveDetails details = driveDetails(workingDirectory(), m_volumes);
    Path->setText(details.path);
    Size->setText(details.size);
    Free->setText(details.free);
    Used->setText(details.used);
    Removable->setText(details.type);
}

void TOKBottomDlg1::CloseWindow1Click()
{
    close();
}
