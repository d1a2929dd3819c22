// A bounds-checked little-endian view of file bytes. Every read outside the
// view returns 0 and clears ok(), so callers can read a record's fields and
// check once before acting on them. Offsets and lengths come from files and
// are taken as 64-bit values that may be negative or huge.
#pragma once

#include <QByteArrayView>
#include <QtEndian>
#include <cstring>

class ByteView
{
public:
    ByteView() = default;
    explicit ByteView(QByteArrayView bytes) : m_bytes(bytes) {}

    qint64 size() const { return m_bytes.size(); }
    bool ok() const { return m_ok; }
    QByteArrayView bytes() const { return m_bytes; }
    const char *data() const { return m_bytes.data(); }

    // True when [offset, offset + length) lies inside the view.
    bool has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= size() && length <= size() - offset;
    }
    // True when count elements of elementSize bytes fit at offset.
    bool hasArray(qint64 offset, qint64 count, qint64 elementSize) const
    {
        if (offset < 0 || offset > size() || count < 0 || elementSize <= 0)
            return false;
        return count <= (size() - offset) / elementSize;
    }

    quint8 u8(qint64 offset) const { return quint8(read<1>(offset)); }
    quint16 u16(qint64 offset) const { return quint16(read<2>(offset)); }
    qint16 s16(qint64 offset) const { return qint16(u16(offset)); }
    quint32 u32(qint64 offset) const { return quint32(read<4>(offset)); }
    qint32 s32(qint64 offset) const { return qint32(u32(offset)); }
    float f32(qint64 offset) const
    {
        const quint32 bits = u32(offset);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // The bytes [offset, offset + length); an empty view and ok() false when
    // they do not fit.
    ByteView sub(qint64 offset, qint64 length) const
    {
        if (!has(offset, length)) {
            m_ok = false;
            return {};
        }
        return ByteView(m_bytes.sliced(offset, length));
    }
    // From offset to the end.
    ByteView from(qint64 offset) const { return sub(offset, has(offset, 0) ? size() - offset : -1); }

private:
    template<int N>
    quint32 read(qint64 offset) const
    {
        if (!has(offset, N)) {
            m_ok = false;
            return 0;
        }
        const auto *p = reinterpret_cast<const uchar *>(m_bytes.data() + offset);
        if constexpr (N == 1)
            return p[0];
        else if constexpr (N == 2)
            return qFromLittleEndian<quint16>(p);
        else
            return qFromLittleEndian<quint32>(p);
    }

    QByteArrayView m_bytes;
    mutable bool m_ok = true;
};
