// The scanner behind the imaging library's acquire and source selection:
// SANE devices, with a device list, the device's settings and a progress
// box that can cancel the scan.
#pragma once

#include "imaging/scannerbackend.h"

#include <QString>

namespace sane {
class Scanner;
}
class QWidget;

class SaneScannerBackend : public imagelib::ScannerBackend
{
public:
    imagelib::Result acquire(QObject *owner, const imagelib::AcquireOptions &options, QImage &out) override;
    imagelib::Result selectSource(QObject *owner) override;

    // The device chosen in the source selection; empty: the first one.
    QString chosenDevice() const { return m_chosen; }

private:
    bool askSettings(sane::Scanner &scanner, const QString &deviceName, QWidget *parent);
    imagelib::Result scanWithProgress(sane::Scanner &scanner, QWidget *parent, QImage &out);

    QString m_chosen;
};
