// The scanner behind acquireImage and selectScanSource, installed at start-up.
#pragma once

#include "imaging/imagelibrary.h"

#include <memory>

namespace imagelib {

class ScannerBackend
{
public:
    virtual ~ScannerBackend() = default;
    // Fills out with the scanned picture at any depth; the library converts
    // it to the asked one.
    virtual Result acquire(QObject *owner, const AcquireOptions &options, QImage &out) = 0;
    virtual Result selectSource(QObject *owner) = 0;
};

// Installs backend for the whole program (nullptr removes it). Not while a
// scanner call runs.
void setScannerBackend(std::unique_ptr<ScannerBackend> backend);
ScannerBackend *scannerBackend();

} // namespace imagelib
