// The scanner choice: every SANE device with its vendor, model and name.
#pragma once

#include "scan/sanescanner.h"

#include <QDialog>

class QTreeWidget;

class ScanSourceDialog : public QDialog
{
    Q_OBJECT
public:
    // current is preselected when listed, else the first device.
    ScanSourceDialog(const QList<sane::Device> &devices, const QString &current, QWidget *parent = nullptr);
    QString chosenName() const;

    QTreeWidget *DeviceList = nullptr;
};
