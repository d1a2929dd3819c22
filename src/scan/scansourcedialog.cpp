#include "scan/scansourcedialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

ScanSourceDialog::ScanSourceDialog(const QList<sane::Device> &devices, const QString &current, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ScanSourceDialog"));
    setWindowTitle(QStringLiteral("Select Source"));
    auto *column = new QVBoxLayout(this);
    auto *sources = new QLabel(QStringLiteral("&Sources:"), this);
    column->addWidget(sources);
    DeviceList = new QTreeWidget(this);
    DeviceList->setObjectName(QStringLiteral("DeviceList"));
    sources->setBuddy(DeviceList);   // Alt+S goes to the list, and the '&' marks the key
    DeviceList->setHeaderLabels({QStringLiteral("Vendor"), QStringLiteral("Model"), QStringLiteral("Name")});
    DeviceList->setRootIsDecorated(false);
    for (const sane::Device &device : devices) {
        auto *item = new QTreeWidgetItem(DeviceList, {device.vendor, device.model, device.name});
        if (device.name == current)
            DeviceList->setCurrentItem(item);
    }
    if (!DeviceList->currentItem() && DeviceList->topLevelItemCount() > 0)
        DeviceList->setCurrentItem(DeviceList->topLevelItem(0));
    DeviceList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    column->addWidget(DeviceList);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Select"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(DeviceList, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    column->addWidget(buttons);
    resize(460, 240);
}

QString ScanSourceDialog::chosenName() const
{
    const QTreeWidgetItem *item = DeviceList->currentItem();
    return item ? item->text(2) : QString();
}
