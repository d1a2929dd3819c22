// The one place that calls libsane.
#include "scan/sanescanner.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <QByteArray>
#include <QLoggingCategory>

#include <csignal>
#include <cstring>

Q_LOGGING_CATEGORY(lcSane, "pixmoor.sane")

namespace sane {

namespace {

SANE_Handle handleOf(void *handle) { return static_cast<SANE_Handle>(handle); }

QString statusText(SANE_Status status) { return QString::fromUtf8(sane_strstatus(status)); }

QString unitName(SANE_Unit unit)
{
    switch (unit) {
    case SANE_UNIT_DPI: return QStringLiteral("dpi");
    case SANE_UNIT_MM: return QStringLiteral("mm");
    case SANE_UNIT_PIXEL: return QStringLiteral("pixel");
    default: return {};
    }
}

double numberOf(SANE_Word word, bool fixedPoint) { return fixedPoint ? SANE_UNFIX(word) : double(word); }

bool isScanOption(const char *name)
{
    static const char *const names[] = {SANE_NAME_SCAN_MODE, SANE_NAME_BIT_DEPTH, SANE_NAME_SCAN_RESOLUTION, SANE_NAME_SCAN_TL_X,
                                        SANE_NAME_SCAN_TL_Y, SANE_NAME_SCAN_BR_X, SANE_NAME_SCAN_BR_Y};
    for (const char *wanted : names)
        if (name && std::strcmp(name, wanted) == 0)
            return true;
    return false;
}

void readConstraint(const SANE_Option_Descriptor &descriptor, Option &option)
{
    if (descriptor.constraint_type == SANE_CONSTRAINT_STRING_LIST) {
        for (const SANE_String_Const *text = descriptor.constraint.string_list; *text; ++text)
            option.choices.append(QString::fromUtf8(*text));
    } else if (descriptor.constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        const SANE_Word *list = descriptor.constraint.word_list;
        for (SANE_Word i = 1; i <= list[0]; ++i)
            option.values.append(numberOf(list[i], option.fixedPoint));
    } else if (descriptor.constraint_type == SANE_CONSTRAINT_RANGE) {
        option.minimum = numberOf(descriptor.constraint.range->min, option.fixedPoint);
        option.maximum = numberOf(descriptor.constraint.range->max, option.fixedPoint);
        option.step = numberOf(descriptor.constraint.range->quant, option.fixedPoint);
    }
}

bool readValue(SANE_Handle handle, const SANE_Option_Descriptor &descriptor, Option &option)
{
    if (option.isText) {
        QByteArray buffer(qMax<SANE_Int>(descriptor.size, 1), '\0');
        if (sane_control_option(handle, option.index, SANE_ACTION_GET_VALUE, buffer.data(), nullptr) != SANE_STATUS_GOOD)
            return false;
        option.text = QString::fromUtf8(buffer.constData());
        return true;
    }
    SANE_Word word = 0;
    if (sane_control_option(handle, option.index, SANE_ACTION_GET_VALUE, &word, nullptr) != SANE_STATUS_GOOD)
        return false;
    option.number = numberOf(word, option.fixedPoint);
    return true;
}

// A frame's bytes as the device sent them.
struct Frame
{
    SANE_Parameters parameters{};
    QByteArray bytes;
};

int channelsOf(SANE_Frame format) { return format == SANE_FRAME_RGB ? 3 : 1; }

bool parametersUsable(const SANE_Parameters &p)
{
    const imagelib::Limits limits;
    const bool knownFormat = p.format == SANE_FRAME_GRAY || p.format == SANE_FRAME_RGB || p.format == SANE_FRAME_RED
                             || p.format == SANE_FRAME_GREEN || p.format == SANE_FRAME_BLUE;
    const bool knownDepth = p.depth == 1 || p.depth == 8 || p.depth == 16;
    if (!knownFormat || !knownDepth || p.pixels_per_line < 1 || p.pixels_per_line > limits.maxSide
        || p.lines > limits.maxSide)
        return false;
    const qint64 bitsPerLine = qint64(p.pixels_per_line) * channelsOf(p.format) * p.depth;
    return p.bytes_per_line >= (bitsPerLine + 7) / 8;
}

imagelib::Result readFrame(SANE_Handle handle, Frame &frame, std::atomic<int> &percent,
                           const std::atomic_bool &cancelled)
{
    const SANE_Parameters &p = frame.parameters;
    const qint64 expected = p.lines > 0 ? qint64(p.bytes_per_line) * p.lines : 0;
    const qint64 ceiling = qint64(p.bytes_per_line) * imagelib::Limits().maxSide;
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (;;) {
        if (cancelled)
            return imagelib::ScanCancelled;
        SANE_Int length = 0;
        const SANE_Status status =
            sane_read(handle, reinterpret_cast<SANE_Byte *>(buffer.data()), SANE_Int(buffer.size()), &length);
        if (status == SANE_STATUS_EOF)
            return imagelib::Success;
        if (status == SANE_STATUS_CANCELLED)
            return imagelib::ScanCancelled;
        if (status != SANE_STATUS_GOOD) {
            qCWarning(lcSane) << "reading failed:" << statusText(status);
            return imagelib::ScanFailed;
        }
        if (frame.bytes.size() + length > ceiling)
            return imagelib::TooLarge;
        frame.bytes.append(buffer.constData(), length);
        if (expected > 0)
            percent = int(qMin<qint64>(100, frame.bytes.size() * 100 / expected));
    }
}

imagelib::Result startFrame(SANE_Handle handle, Frame &frame)
{
    const SANE_Status status = sane_start(handle);
    if (status == SANE_STATUS_CANCELLED)
        return imagelib::ScanCancelled;
    if (status != SANE_STATUS_GOOD) {
        qCWarning(lcSane) << "cannot start:" << statusText(status);
        return imagelib::ScanFailed;
    }
    if (sane_get_parameters(handle, &frame.parameters) != SANE_STATUS_GOOD || !parametersUsable(frame.parameters)) {
        qCWarning(lcSane) << "unusable frame: format" << frame.parameters.format << "depth" << frame.parameters.depth;
        return imagelib::Unsupported;
    }
    return imagelib::Success;
}

// One frame for grey or RGB pictures, one per colour for three-pass scanners.
imagelib::Result readFrames(SANE_Handle handle, QList<Frame> &frames, std::atomic<int> &percent,
                            const std::atomic_bool &cancelled)
{
    for (int pass = 0; pass < 3; ++pass) {
        Frame frame;
        imagelib::Result result = cancelled ? imagelib::ScanCancelled : startFrame(handle, frame);
        if (imagelib::succeeded(result))
            result = readFrame(handle, frame, percent, cancelled);
        if (!imagelib::succeeded(result))
            return result;
        frames.append(frame);
        if (frame.parameters.last_frame)
            return imagelib::Success;
    }
    return imagelib::Unsupported;
}

// Sample `channel` of pixel x in a row, scaled to 0..255. One-bit samples
// are line art, where a set bit is black.
int sampleAt(const Frame &frame, const uchar *row, int x, int channel)
{
    const SANE_Parameters &p = frame.parameters;
    const qint64 index = qint64(x) * channelsOf(p.format) + channel;
    switch (p.depth) {
    case 1: return (row[index / 8] >> (7 - index % 8)) & 1 ? 0 : 255;
    case 8: return row[index];
    default: {
        quint16 value;
        std::memcpy(&value, row + 2 * index, sizeof value);   // SANE sends host byte order
        return value >> 8;
    }
    }
}

// For each of red, green and blue: the frame and channel that carry it.
struct ColourSource
{
    const Frame *frame = nullptr;
    int channel = 0;
};

bool findSources(const QList<Frame> &frames, ColourSource (&sources)[3])
{
    for (const Frame &frame : frames) {
        switch (frame.parameters.format) {
        case SANE_FRAME_GRAY: sources[0] = sources[1] = sources[2] = {&frame, 0}; break;
        case SANE_FRAME_RGB: sources[0] = {&frame, 0}, sources[1] = {&frame, 1}, sources[2] = {&frame, 2}; break;
        case SANE_FRAME_RED: sources[0] = {&frame, 0}; break;
        case SANE_FRAME_GREEN: sources[1] = {&frame, 0}; break;
        case SANE_FRAME_BLUE: sources[2] = {&frame, 0}; break;
        default: return false;
        }
    }
    return sources[0].frame && sources[1].frame && sources[2].frame;
}

QImage assemble(const QList<Frame> &frames)
{
    ColourSource sources[3];
    if (frames.isEmpty() || !findSources(frames, sources))
        return {};
    const int width = frames.first().parameters.pixels_per_line;
    qint64 height = imagelib::Limits().maxSide;
    for (const ColourSource &source : sources)
        height = qMin(height, source.frame->bytes.size() / source.frame->parameters.bytes_per_line);
    if (height < 1 || qint64(width) * height > imagelib::Limits().maxPixels)
        return {};
    QImage image(width, int(height), QImage::Format_RGB32);
    for (int y = 0; y < image.height() && !image.isNull(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const uchar *rows[3];
        for (int c = 0; c < 3; ++c)
            rows[c] = reinterpret_cast<const uchar *>(sources[c].frame->bytes.constData())
                      + qint64(y) * sources[c].frame->parameters.bytes_per_line;
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(sampleAt(*sources[0].frame, rows[0], x, sources[0].channel),
                           sampleAt(*sources[1].frame, rows[1], x, sources[1].channel),
                           sampleAt(*sources[2].frame, rows[2], x, sources[2].channel));
    }
    return image;
}

} // namespace

Session::Session()
{
#ifdef SIGPIPE
    // Backends may read the device on a thread of ours that writes into a
    // pipe; when a scan is cancelled, that write must fail, not end the
    // program.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    SANE_Int version = 0;
    m_open = sane_init(&version, nullptr) == SANE_STATUS_GOOD;
}

Session::~Session()
{
    if (m_open)
        sane_exit();
}

QList<Device> Session::devices() const
{
    QList<Device> found;
    const SANE_Device **list = nullptr;
    if (!m_open || sane_get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list)
        return found;
    for (; *list; ++list) {
        const SANE_Device &device = **list;
        found.append({QString::fromUtf8(device.name), QString::fromUtf8(device.vendor),
                      QString::fromUtf8(device.model), QString::fromUtf8(device.type)});
    }
    return found;
}

std::unique_ptr<Scanner> Scanner::open(const QString &name, QString *error)
{
    SANE_Handle handle = nullptr;
    const SANE_Status status = sane_open(name.toUtf8().constData(), &handle);
    if (status != SANE_STATUS_GOOD) {
        if (error)
            *error = statusText(status);
        return nullptr;
    }
    return std::unique_ptr<Scanner>(new Scanner(handle));
}

Scanner::~Scanner()
{
    sane_close(handleOf(m_handle));
}

QList<Option> Scanner::scanOptions() const
{
    QList<Option> options;
    const SANE_Handle handle = handleOf(m_handle);
    for (SANE_Int index = 1;; ++index) {
        const SANE_Option_Descriptor *descriptor = sane_get_option_descriptor(handle, index);
        if (!descriptor)
            break;
        if (!isScanOption(descriptor->name) || !SANE_OPTION_IS_ACTIVE(descriptor->cap)
            || !SANE_OPTION_IS_SETTABLE(descriptor->cap) || descriptor->size < 1)
            continue;
        const bool text = descriptor->type == SANE_TYPE_STRING;
        if (!text && descriptor->type != SANE_TYPE_INT && descriptor->type != SANE_TYPE_FIXED)
            continue;
        Option option;
        option.index = index;
        option.name = QString::fromUtf8(descriptor->name);
        option.title = QString::fromUtf8(descriptor->title);
        option.unit = unitName(descriptor->unit);
        option.isText = text;
        option.fixedPoint = descriptor->type == SANE_TYPE_FIXED;
        readConstraint(*descriptor, option);
        if (readValue(handle, *descriptor, option))
            options.append(option);
    }
    return options;
}

bool Scanner::setOption(const Option &option, QString *error)
{
    const SANE_Handle handle = handleOf(m_handle);
    // Setting one option may change the others (the mode changes what the
    // resolution allows): ask for the description again before each.
    const SANE_Option_Descriptor *descriptor = sane_get_option_descriptor(handle, option.index);
    if (!descriptor || !SANE_OPTION_IS_ACTIVE(descriptor->cap) || !SANE_OPTION_IS_SETTABLE(descriptor->cap)) {
        if (error)
            *error = QStringLiteral("not settable now");
        return false;
    }
    SANE_Status status;
    if (option.isText) {
        QByteArray value = option.text.toUtf8();
        value.resize(qMax<qsizetype>(descriptor->size, value.size() + 1), '\0');
        status = sane_control_option(handle, option.index, SANE_ACTION_SET_VALUE, value.data(), nullptr);
    } else {
        SANE_Word word = option.fixedPoint ? SANE_FIX(option.number) : SANE_Word(qRound(option.number));
        status = sane_control_option(handle, option.index, SANE_ACTION_SET_VALUE, &word, nullptr);
    }
    if (status != SANE_STATUS_GOOD && error)
        *error = statusText(status);
    return status == SANE_STATUS_GOOD;
}

// Only asks: the scanning thread ends the scan between two reads. Backends
// need not be safe to cancel from another thread while they read (the test
// backend answered one such read with "Invalid argument").
void Scanner::cancel()
{
    m_cancelled = true;
}

imagelib::Result Scanner::scan(QImage &out, std::atomic<int> &percent)
{
    out = QImage();
    m_cancelled = false;
    QList<Frame> frames;
    const imagelib::Result result = readFrames(handleOf(m_handle), frames, percent, m_cancelled);
    // Ends the scan whatever happened, so the device is ready for the next.
    sane_cancel(handleOf(m_handle));
    if (m_cancelled)
        return imagelib::ScanCancelled;
    if (!imagelib::succeeded(result))
        return result;
    out = assemble(frames);
    return out.isNull() ? imagelib::ScanFailed : imagelib::Success;
}

} // namespace sane
