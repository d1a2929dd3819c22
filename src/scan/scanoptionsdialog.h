// The scanner's own settings before a scan: resolution, mode and scan area,
// built from the device's option descriptions.
#pragma once

#include "scan/sanescanner.h"

#include <QDialog>

class QWidget;

class ScanOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    ScanOptionsDialog(const QString &deviceTitle, const QList<sane::Option> &options, QWidget *parent = nullptr);
    // The options with the values the user chose.
    QList<sane::Option> chosenOptions() const;
    // The editor of the option named name ("resolution", "mode", ...).
    QWidget *editor(const QString &name) const;

private:
    QWidget *makeEditor(const sane::Option &option);

    QList<sane::Option> m_options;
    QList<QWidget *> m_editors;
};
