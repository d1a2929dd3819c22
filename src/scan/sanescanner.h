// Scanners through the SANE library: the devices, the options users set
// before a scan, and one scan into a picture.
#pragma once

#include "imaging/imagelibrary.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

namespace sane {

struct Device
{
    QString name;   // what opens it, e.g. "test:0"
    QString vendor;
    QString model;
    QString type;
};

// One option of an open device: a number (range or list of values) or a
// text chosen from a list.
struct Option
{
    int index = -1;
    QString name;    // "mode", "depth", "resolution", "tl-x", "tl-y", "br-x", "br-y"
    QString title;
    QString unit;    // "dpi", "mm", "pixel" or empty
    bool isText = false;
    QStringList choices;    // texts to choose from
    QList<double> values;   // allowed numbers; empty: the range below
    double minimum = 0;
    double maximum = 0;
    double step = 0;
    bool fixedPoint = false;
    QString text;    // current value of a text option
    double number = 0;
};

// The library from sane_init to sane_exit; one at a time.
class Session
{
public:
    Session();
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    bool isOpen() const { return m_open; }
    QList<Device> devices() const;

private:
    bool m_open = false;
};

// An open device of a Session, which must outlive it.
class Scanner
{
public:
    // Null when the device cannot be opened; *error says why.
    static std::unique_ptr<Scanner> open(const QString &name, QString *error);
    ~Scanner();
    Scanner(const Scanner &) = delete;
    Scanner &operator=(const Scanner &) = delete;

    // Mode, bit depth, resolution and scan area, as far as the device has
    // them active and settable.
    QList<Option> scanOptions() const;
    // Sets option to its text or number; the device may round it.
    bool setOption(const Option &option, QString *error);

    // Scans one picture as RGB32 (grey and line-art pictures as grey RGB).
    // percent follows the progress when the device says how much is to
    // come. cancel() may be called from another thread meanwhile.
    imagelib::Result scan(QImage &out, std::atomic<int> &percent);
    void cancel();

private:
    explicit Scanner(void *handle) : m_handle(handle) {}
    void *m_handle;
    // Once cancelled, whatever the device answers next means "cancelled".
    std::atomic_bool m_cancelled = false;
};

} // namespace sane
