#include "imaging/scannerbackend.h"

namespace imagelib {

namespace {

std::unique_ptr<ScannerBackend> &installedBackend()
{
    static std::unique_ptr<ScannerBackend> backend;
    return backend;
}

// One flag for the whole program: acquire and source selection may run an
// event loop, and a second request from there must not start another.
bool scannerBusy = false;

class BusyGuard
{
public:
    BusyGuard() { scannerBusy = true; }
    ~BusyGuard() { scannerBusy = false; }
    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;
};

} // namespace

void setScannerBackend(std::unique_ptr<ScannerBackend> backend)
{
    installedBackend() = std::move(backend);
}

ScannerBackend *scannerBackend()
{
    return installedBackend().get();
}

Result acquireImage(QObject *owner, const AcquireOptions &options, QImage &out)
{
    out = QImage();
    if (scannerBusy)
        return AlreadyRunning;
    if (!isValidDepth(options.depth))
        return BadDepth;
    ScannerBackend *backend = scannerBackend();
    if (!backend)
        return NoScanner;
    BusyGuard busy;
    QImage scanned;
    const Result result = backend->acquire(owner, options, scanned);
    if (!succeeded(result))
        return result;
    if (scanned.isNull())
        return ScanFailed;
    out = convertToDepth(scanned, options.depth, options.dither);
    return out.isNull() ? OutOfMemory : Success;
}

Result selectScanSource(QObject *owner)
{
    if (scannerBusy)
        return AlreadyRunning;
    ScannerBackend *backend = scannerBackend();
    if (!backend)
        return NoScanner;
    BusyGuard busy;
    return backend->selectSource(owner);
}

} // namespace imagelib
