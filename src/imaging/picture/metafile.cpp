#include "metafile.h"

#include "byteview.h"
#include "emfplayer.h"
#include "metarecordreader.h"
#include "wmfplayer.h"

#include <QPainter>

namespace {

constexpr quint32 EmfSignature = 0x464D4520; // " EMF"
constexpr qint64 EmfSignatureOffset = 40;
constexpr qint64 EmfMinimumHeader = 88;
constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qint64 PlaceableHeaderSize = 22;
constexpr qint64 WmfHeaderSize = 18;
constexpr quint16 WmfSetWindowOrg = 0x020B, WmfSetWindowExt = 0x020C;

quint16 placeableChecksum(const ByteView &bytes)
{
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= bytes.u16(2 * i);
    return sum;
}

QRectF emfRect(const ByteView &bytes, qint64 offset)
{
    return QRectF(QPointF(bytes.s32(offset), bytes.s32(offset + 4)), QPointF(bytes.s32(offset + 8), bytes.s32(offset + 12)));
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

std::shared_ptr<const Metafile> Metafile::load(const QByteArray &bytes, QString *error)
{
    auto metafile = std::make_shared<Metafile>();
    metafile->m_bytes = bytes;
    const ByteView view(bytes);
    bool read;
    if (view.u32(EmfSignatureOffset) == EmfSignature && view.u32(0) == emf::Header)
        read = metafile->readEmfHeader(error);
    else if (view.u32(0) == PlaceableKey)
        read = metafile->readPlaceableHeader(error);
    else
        read = metafile->readWmfHeader(0, error) && metafile->findWindowExtent(error);
    if (!read || !metafile->checkRecords(error) || !metafile->checkSize(error))
        return nullptr;
    return metafile;
}

bool Metafile::readEmfHeader(QString *error)
{
    const ByteView bytes(m_bytes);
    const quint32 headerSize = bytes.u32(4);
    if (headerSize < EmfMinimumHeader || headerSize % 4 || !bytes.has(0, headerSize))
        return fail(error, QStringLiteral("enhanced metafile header damaged"));
    m_format = Format::Emf;
    const QRectF bounds = emfRect(bytes, 8);
    const QRectF frame = emfRect(bytes, 24); // hundredths of a millimetre
    const qreal deviceX = bytes.s32(72), deviceY = bytes.s32(76);
    const qreal mmX = bytes.s32(80), mmY = bytes.s32(84);
    m_objectCount = bytes.u16(56);
    if (deviceX > 0 && deviceY > 0 && mmX > 0 && mmY > 0) {
        m_unitsPerMmX = deviceX / mmX;
        m_unitsPerMmY = deviceY / mmY;
    }
    if (frame.width() > 0 && frame.height() > 0) {
        m_frame = QRectF(frame.left() * m_unitsPerMmX / 100, frame.top() * m_unitsPerMmY / 100,
                         frame.width() * m_unitsPerMmX / 100, frame.height() * m_unitsPerMmY / 100);
    } else {
        // Bounds are inclusive device pixels.
        m_frame = bounds.adjusted(0, 0, 1, 1);
    }
    m_pixelSize = QSizeF(m_frame.width() / m_unitsPerMmX * 96 / 25.4, m_frame.height() / m_unitsPerMmY * 96 / 25.4);
    m_recordsOffset = 0;
    return true;
}

bool Metafile::readPlaceableHeader(QString *error)
{
    const ByteView bytes(m_bytes);
    const quint16 checksum = bytes.u16(20);
    if (!bytes.ok())
        return fail(error, QStringLiteral("placeable metafile header cut short"));
    if (checksum != placeableChecksum(bytes))
        return fail(error, QStringLiteral("placeable metafile header checksum does not match"));
    m_format = Format::PlaceableWmf;
    const QRectF box = QRectF(QPointF(bytes.s16(6), bytes.s16(8)), QPointF(bytes.s16(10), bytes.s16(12))).normalized();
    const quint16 unitsPerInch = bytes.u16(14);
    if (unitsPerInch == 0 || box.isEmpty())
        return fail(error, QStringLiteral("placeable metafile has an empty extent"));
    m_frame = box;
    m_unitsPerMmX = m_unitsPerMmY = unitsPerInch / 25.4;
    m_pixelSize = QSizeF(box.width() * 96 / unitsPerInch, box.height() * 96 / unitsPerInch);
    return readWmfHeader(PlaceableHeaderSize, error);
}

bool Metafile::readWmfHeader(qint64 offset, QString *error)
{
    const ByteView bytes(m_bytes);
    if (!bytes.has(offset, WmfHeaderSize))
        return fail(error, QStringLiteral("not a metafile"));
    const quint16 type = bytes.u16(offset), headerWords = bytes.u16(offset + 2), version = bytes.u16(offset + 4);
    m_objectCount = bytes.u16(offset + 10);
    if (!bytes.ok() || (type != 1 && type != 2) || headerWords != WmfHeaderSize / 2
        || (version != 0x0100 && version != 0x0300))
        return fail(error, QStringLiteral("not a metafile"));
    m_recordsOffset = offset + WmfHeaderSize;
    return true;
}

// A metafile without the placeable header frames itself with its window
// origin and extent records.
bool Metafile::findWindowExtent(QString *error)
{
    m_format = Format::PlainWmf;
    MetaRecordReader reader(MetaRecordReader::Format::Wmf, QByteArrayView(m_bytes).sliced(m_recordsOffset));
    QPointF origin;
    QSizeF extent(0, 0);
    MetaRecord record;
    while (reader.next(record) && (extent.width() == 0 || extent.height() == 0)) {
        const QPointF value(record.params.s16(2), record.params.s16(0));
        if (!record.params.ok())
            continue;
        if (record.type == WmfSetWindowOrg)
            origin = value;
        else if (record.type == WmfSetWindowExt)
            extent = QSizeF(value.x(), value.y());
    }
    if (extent.width() == 0 || extent.height() == 0)
        return fail(error, QStringLiteral("metafile has no extent"));
    m_frame = QRectF(origin, extent).normalized();
    m_pixelSize = m_frame.size();
    return true;
}

bool Metafile::checkRecords(QString *error)
{
    const bool wmf = m_format != Format::Emf;
    MetaRecordReader reader(wmf ? MetaRecordReader::Format::Wmf : MetaRecordReader::Format::Emf,
                            QByteArrayView(m_bytes).sliced(m_recordsOffset));
    MetaRecord record;
    m_recordCount = 0;
    while (reader.next(record))
        ++m_recordCount;
    if (!reader.error().isEmpty())
        return fail(error, QStringLiteral("damaged metafile: %1").arg(reader.error()));
    return true;
}

bool Metafile::checkSize(QString *error)
{
    // Written so that NaN fails too.
    const bool inRange = m_pixelSize.width() >= 0.5 && m_pixelSize.height() >= 0.5
        && m_pixelSize.width() < MaxSide && m_pixelSize.height() < MaxSide;
    if (!inRange || m_frame.isEmpty())
        return fail(error, QStringLiteral("metafile extent out of range"));
    m_size = m_pixelSize.toSize();
    return true;
}

void Metafile::play(QPainter &painter, const QRectF &target) const
{
    if (target.isEmpty())
        return;
    if (m_format == Format::Emf)
        playEmf(painter, target);
    else
        playWmf(painter, target);
}

void Metafile::playEmf(QPainter &painter, const QRectF &target) const
{
    const PlaybackFrame frame{m_frame, target, m_unitsPerMmX, m_unitsPerMmY};
    GdiCanvas canvas(painter, frame, qMax(m_objectCount, 256));
    EmfPlayer player(canvas);
    MetaRecordReader reader(MetaRecordReader::Format::Emf, m_bytes);
    MetaRecord record;
    while (reader.next(record))
        player.play(record);
}

void Metafile::playWmf(QPainter &painter, const QRectF &target) const
{
    const PlaybackFrame frame{m_frame, target, m_unitsPerMmX, m_unitsPerMmY};
    // Windows objects beyond the header's count still get a slot: many
    // writers leave the count short.
    GdiCanvas canvas(painter, frame, qMax(m_objectCount, 256));
    // The window starts as the frame mapped onto itself, so the metafile's
    // own window records scale its drawing into the frame.
    canvas.setMapMode(gdi::MmAnisotropic);
    canvas.setWindowOrg(m_frame.topLeft());
    canvas.setWindowExt(m_frame.size());
    canvas.setViewportOrg(m_frame.topLeft());
    canvas.setViewportExt(m_frame.size());
    WmfPlayer player(canvas);
    MetaRecordReader reader(MetaRecordReader::Format::Wmf, QByteArrayView(m_bytes).sliced(m_recordsOffset));
    MetaRecord record;
    while (reader.next(record))
        player.play(record);
}
