#include "fileops/fileopsdialog.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

FileOpsDialog::FileOpsDialog(const char *name, const QString &caption, const QString &hint,
                             QSize client, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    setHint(this, hint);
    setFixedSize(client);
}

QPushButton *FileOpsDialog::button(const char *name, const QString &text, const QString &hint,
                                   QRect where)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(where);
    button->setAutoDefault(false);
    setHint(button, hint);
    return button;
}

QLabel *FileOpsDialog::label(const char *name, const QString &text, const QString &hint, QPoint where)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->move(where);
    setHint(label, hint);
    return label;
}

QLabel *FileOpsDialog::heading(const QString &text, const QString &hint, QPoint where)
{
    QLabel *heading = label("", text, hint, where);
    QFont font = heading->font();
    font.setBold(true);
    font.setUnderline(true);
    heading->setFont(font);
    return heading;
}

QMenu *FileOpsDialog::addPopup(const QString &whatsThisCaption, const QString &hint, int context)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *whatsThis = menu->addAction(whatsThisCaption);
    whatsThis->setObjectName(QStringLiteral("WhatsThis1"));
    whatsThis->setStatusTip(hint);
    connect(whatsThis, &QAction::triggered, this, [this, context] { emit helpRequested(context); });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, menu,
            [this, menu](const QPoint &at) { menu->popup(mapToGlobal(at)); });
    return menu;
}

void FileOpsDialog::showEvent(QShowEvent *event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
}
