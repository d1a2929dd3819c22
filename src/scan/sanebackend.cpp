#include "scan/sanebackend.h"

#include "scan/sanescanner.h"
#include "scan/scanoptionsdialog.h"
#include "scan/scansourcedialog.h"

#include <QEventLoop>
#include <QLoggingCategory>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <thread>

Q_LOGGING_CATEGORY(lcSaneBackend, "pixmoor.scan")

namespace {
QWidget *windowOf(QObject *owner)
{
    auto *widget = qobject_cast<QWidget *>(owner);
    return widget ? widget->window() : nullptr;
}

QString deviceToOpen(const QList<sane::Device> &devices, const QString &chosen)
{
    for (const sane::Device &device : devices)
        if (device.name == chosen)
            return chosen;
    return devices.first().name;
}
} // namespace

imagelib::Result SaneScannerBackend::acquire(QObject *owner, const imagelib::AcquireOptions &options, QImage &out)
{
    sane::Session session;
    const QList<sane::Device> devices = session.devices();
    if (devices.isEmpty())
        return imagelib::NoScanner;
    const QString name = deviceToOpen(devices, m_chosen);
    QString error;
    const std::unique_ptr<sane::Scanner> scanner = sane::Scanner::open(name, &error);
    if (!scanner) {
        qCWarning(lcSaneBackend) << "cannot open" << name << error;
        return imagelib::ScanFailed;
    }
    QWidget *parent = windowOf(owner);
    if (options.showSourceDialog && !askSettings(*scanner, name, parent))
        return imagelib::ScanCancelled;
    return scanWithProgress(*scanner, parent, out);
}

imagelib::Result SaneScannerBackend::selectSource(QObject *owner)
{
    sane::Session session;
    const QList<sane::Device> devices = session.devices();
    if (devices.isEmpty())
        return imagelib::NoScanner;
    ScanSourceDialog dialog(devices, m_chosen, windowOf(owner));
    if (dialog.exec() != QDialog::Accepted || dialog.chosenName().isEmpty())
        return imagelib::ScanCancelled;
    m_chosen = dialog.chosenName();
    return imagelib::Success;
}

bool SaneScannerBackend::askSettings(sane::Scanner &scanner, const QString &deviceName, QWidget *parent)
{
    ScanOptionsDialog dialog(deviceName, scanner.scanOptions(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // The mode comes first in the device's list, and may change what the
    // other settings allow; a value the device refuses keeps its own.
    for (const sane::Option &option : dialog.chosenOptions()) {
        QString error;
        if (!scanner.setOption(option, &error))
            qCInfo(lcSaneBackend) << "setting" << option.name << "refused:" << error;
    }
    return true;
}

// The scan runs on a thread of its own, since the device may take its time;
// meanwhile the progress box keeps the windows alive and can cancel it.
imagelib::Result SaneScannerBackend::scanWithProgress(sane::Scanner &scanner, QWidget *parent, QImage &out)
{
    std::atomic<int> percent{0};
    std::atomic<bool> done{false};
    imagelib::Result result = imagelib::ScanFailed;
    QImage scanned;
    QProgressDialog progress(QStringLiteral("Scanning Image"), QStringLiteral("&Cancel"), 0, 100, parent);
    progress.setObjectName(QStringLiteral("ScanProgress"));
    progress.setWindowTitle(QStringLiteral("Image Scan"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(300);
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&scanner] { scanner.cancel(); });
    std::thread worker([&] {
        result = scanner.scan(scanned, percent);
        done = true;
    });
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        progress.setValue(percent);
        if (done)
            loop.quit();
    });
    poll.start(20);
    loop.exec();
    worker.join();
    out = scanned;
    return result;
}
