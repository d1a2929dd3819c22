#include "iconimage.h"

#include "byteview.h"
#include "dibdecoder.h"

#include <QBuffer>
#include <QImageReader>
#include <QLoggingCategory>

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
    QByteArray copy = data.bytes().toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > IconLimits.maxSide || size.height() > IconLimits.maxSide) {
        *error = QStringLiteral("PNG image unreadable or too large");
        return {};
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        *error = QStringLiteral("PNG image unreadable: %1").arg(reader.errorString());
        return {};
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool decodeEntry(const ByteView &file, qint64 entryOffset, IconImage::Entry &entry, QString *error)
{
    const qint64 size = file.u32(entryOffset + 8);
    const qint64 offset = file.u32(entryOffset + 12);
    if (!file.has(offset, size)) {
        *error = QStringLiteral("image data outside the file");
        return false;
    }
    const ByteView data = file.sub(offset, size);
    entry.png = isPng(data);
    entry.image = entry.png ? decodePng(data, error) : dib::decodeIcon(data, error, IconLimits);
    entry.bitCount = entry.png ? 32 : data.u16(14);
    return !entry.image.isNull();
}

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
        if (decodeEntry(file, DirectoryHeaderSize + qint64(i) * DirectoryEntrySize, entry, &lastError))
            icon->m_entries.append(entry);
        else
            qCDebug(lcIcon) << "icon entry" << i << "skipped:" << lastError;
    }
    if (icon->m_entries.isEmpty()) {
        *error = QStringLiteral("no readable image in the icon: %1").arg(lastError);
        return nullptr;
    }
    icon->m_chosen = chooseEntry(icon->m_entries);
    return icon;
}

int IconImage::chooseEntry(const QList<Entry> &entries)
{
    auto distance = [](const Entry &e) { return qAbs(e.image.width() - 32) + qAbs(e.image.height() - 32); };
    int best = 0;
    for (int i = 1; i < entries.size(); ++i) {
        const int d = distance(entries[i]), bestDistance = distance(entries[best]);
        if (d < bestDistance || (d == bestDistance && entries[i].bitCount > entries[best].bitCount))
            best = i;
    }
    return best;
}
