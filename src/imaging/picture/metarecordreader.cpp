#include "metarecordreader.h"

MetaRecordReader::MetaRecordReader(Format format, QByteArrayView records)
    : m_format(format), m_bytes(records)
{
}

bool MetaRecordReader::fail(const QString &text)
{
    m_error = QStringLiteral("%1 at byte %2").arg(text).arg(m_offset);
    m_done = true;
    return false;
}

bool MetaRecordReader::next(MetaRecord &record)
{
    if (m_done)
        return false;
    const qint64 left = m_bytes.size() - m_offset;
    // Some writers leave out the end-of-file record: running out of bytes
    // exactly at a record boundary ends the walk quietly.
    if (left == 0) {
        m_done = true;
        return false;
    }
    const bool wmf = m_format == Format::Wmf;
    const int headerSize = wmf ? wmf::RecordHeaderSize : emf::RecordHeaderSize;
    if (left < headerSize)
        return fail(QStringLiteral("record header cut short"));
    qint64 size;
    if (wmf) {
        size = qint64(m_bytes.u32(m_offset)) * 2;
        record.type = m_bytes.u16(m_offset + 4);
    } else {
        record.type = m_bytes.u32(m_offset);
        size = m_bytes.u32(m_offset + 4);
        if (size % 4 != 0)
            return fail(QStringLiteral("record size %1 not a multiple of four").arg(size));
    }
    if (size < headerSize)
        return fail(QStringLiteral("record size %1 below the minimum").arg(size));
    if (size > left)
        return fail(QStringLiteral("record of %1 bytes runs past the end").arg(size));
    record.record = m_bytes.sub(m_offset, size);
    record.params = record.record.from(headerSize);
    m_offset += size;
    if ((wmf && record.type == wmf::Eof) || (!wmf && record.type == emf::Eof))
        m_done = true;
    return true;
}
