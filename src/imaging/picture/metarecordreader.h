// Walks the records of a Windows metafile (WMF) or enhanced metafile (EMF).
// Every record's size is checked before it is handed out: at least the
// record header, within the bytes left, and for EMF a multiple of four.
// A record that breaks these rules ends the walk with an error.
#pragma once

#include "byteview.h"

#include <QString>

struct MetaRecord
{
    quint32 type = 0;
    ByteView record; // the whole record, header included (EMF offsets count from here)
    ByteView params; // what follows the record header
};

class MetaRecordReader
{
public:
    enum class Format { Wmf, Emf };

    // records: the bytes from the first record on (after the WMF header; an
    // EMF's header is its first record).
    MetaRecordReader(Format format, QByteArrayView records);

    // The next record; false at the end-of-file record, at the end of the
    // bytes, or on a malformed record (then error() says why).
    bool next(MetaRecord &record);
    const QString &error() const { return m_error; }
    qint64 offset() const { return m_offset; }

private:
    bool fail(const QString &text);

    Format m_format;
    ByteView m_bytes;
    qint64 m_offset = 0;
    bool m_done = false;
    QString m_error;
};

namespace wmf {
constexpr int RecordHeaderSize = 6; // size in 16-bit words (u32), function (u16)
constexpr quint16 Eof = 0x0000;
} // namespace wmf

namespace emf {
constexpr int RecordHeaderSize = 8; // type (u32), size in bytes (u32)
constexpr quint32 Header = 1;
constexpr quint32 Eof = 14;
} // namespace emf
