#include "iconimage.h"

#include "byteview.h"
#include "dibdecoder.h"

#include "imaging/imagelibrary.h"

#include <QLoggingCategory>
#include <QtEndian>

#include <algorithm>
#include <numeric>

Q_LOGGING_CATEGORY(lcIcon, "pixmoor.picture.icon", QtWarningMsg)

namespace {

constexpr int DirectoryHeaderSize = 6;
constexpr int DirectoryEntrySize = 16;
// Icons are at most 256 pixels wide; PNG entries may claim more, which we
// refuse rather than allocate.
const dib::Limits IconLimits{1024, 1024 * 1024};

bool isPng(const ByteView &data)
{
    return data.has(0, 8) && data.bytes().first(8) == QByteArrayView("\x89PNG\r\n\x1a\n", 8);
}

QImage decodePng(const ByteView &data, QString *error)
{
    const QByteArrayView bytes = data.bytes();
    QImage image;
    const imagelib::Result result =
        imagelib::decodeEmbeddedImage(reinterpret_cast<const uchar *>(bytes.data()), bytes.size(),
                                      imagelib::FileFormat::Png, {IconLimits.maxSide, IconLimits.maxPixels}, image);
    if (result != imagelib::Success)
        *error = QStringLiteral("PNG image unreadable: %1").arg(imagelib::errorText(result));
    return image;
}

// The entry's size and depth from its own header, without decoding it.
bool readEntryHeader(const ByteView &file, qint64 entryOffset, IconImage::Entry &entry, QString *error)
{
    entry.length = file.u32(entryOffset + 8);
    entry.offset = file.u32(entryOffset + 12);
    if (!file.has(entry.offset, entry.length)) {
        *error = QStringLiteral("image data outside the file");
        return false;
    }
    const ByteView data = file.sub(entry.offset, entry.length);
    entry.png = isPng(data);
    if (entry.png && data.has(16, 8)) {
        const QByteArrayView header = data.bytes().sliced(16, 8);
        entry.size = QSize(int(qMin<quint32>(qFromBigEndian<quint32>(header.data()), INT_MAX)),
                           int(qMin<quint32>(qFromBigEndian<quint32>(header.data() + 4), INT_MAX)));
    } else if (!entry.png && data.has(0, 16)) {
        // Colours above, mask below; a negative height is a top-down bitmap.
        entry.size = QSize(data.s32(4), int(qAbs(qint64(data.s32(8))) / 2));
    }
    entry.bitCount = entry.png ? 32 : data.u16(14);
    const bool fits = entry.size.width() > 0 && entry.size.height() > 0 && entry.size.width() <= IconLimits.maxSide
                      && entry.size.height() <= IconLimits.maxSide;
    if (!fits)
        *error = QStringLiteral("image header unreadable or too large");
    return fits;
}

QImage decodeEntry(const ByteView &file, const IconImage::Entry &entry, QString *error)
{
    const ByteView data = file.sub(entry.offset, entry.length);
    return entry.png ? decodePng(data, error) : dib::decodeIcon(data, error, IconLimits);
}

// Entries are decoded in the order of preference until one reads, and at
// most this many: a file of thousands of damaged entries costs no more.
constexpr int MaxDecodeAttempts = 8;

} // namespace

std::shared_ptr<const IconImage> IconImage::load(QByteArrayView bytes, QString *error)
{
    const ByteView file(bytes);
    const quint16 reserved = file.u16(0), type = file.u16(2), count = file.u16(4);
    if (!file.ok() || reserved != 0 || (type != 1 && type != 2) || count == 0) {
        *error = QStringLiteral("not an icon file");
        return nullptr;
    }
    if (!file.hasArray(DirectoryHeaderSize, count, DirectoryEntrySize)) {
        *error = QStringLiteral("icon directory runs past the end of the file");
        return nullptr;
    }
    auto icon = std::make_shared<IconImage>();
    QString lastError;
    for (int i = 0; i < count; ++i) {
        Entry entry;
        if (readEntryHeader(file, DirectoryHeaderSize + qint64(i) * DirectoryEntrySize, entry, &lastError))
            icon->m_entries.append(entry);
        else
            qCDebug(lcIcon) << "icon entry" << i << "skipped:" << lastError;
    }
    const QList<int> order = preferenceOrder(icon->m_entries);
    for (int i = 0; i < order.size() && i < MaxDecodeAttempts && icon->m_image.isNull(); ++i) {
        icon->m_image = decodeEntry(file, icon->m_entries.at(order[i]), &lastError);
        icon->m_chosen = order[i];
    }
    if (icon->m_image.isNull()) {
        *error = QStringLiteral("no readable image in the icon: %1").arg(lastError);
        return nullptr;
    }
    return icon;
}

// The 32 x 32 entry first, then the closest in size; the deeper one first
// among equals, then the earlier one.
QList<int> IconImage::preferenceOrder(const QList<Entry> &entries)
{
    auto distance = [](const Entry &e) { return qAbs(e.size.width() - 32) + qAbs(e.size.height() - 32); };
    QList<int> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int da = distance(entries[a]), db = distance(entries[b]);
        return da != db ? da < db : entries[a].bitCount > entries[b].bitCount;
    });
    return order;
}
