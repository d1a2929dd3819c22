// Bounds-checked reading of little- and big-endian fields from a byte block.
#pragma once

#include <QtGlobal>

namespace imagelib {

// Every read past the end yields 0 and sets failed(); callers check once.
class ByteReader
{
public:
    ByteReader(const uchar *data, qint64 size, bool bigEndian = false)
        : m_data(data), m_size(size < 0 ? 0 : size), m_bigEndian(bigEndian)
    {
    }

    qint64 size() const { return m_size; }
    qint64 position() const { return m_position; }
    bool failed() const { return m_failed; }
    bool atEnd() const { return m_position >= m_size; }
    qint64 remaining() const { return m_position < m_size ? m_size - m_position : 0; }
    void setBigEndian(bool big) { m_bigEndian = big; }

    bool seek(qint64 position)
    {
        if (position < 0 || position > m_size) {
            m_failed = true;
            return false;
        }
        m_position = position;
        return true;
    }
    bool skip(qint64 count) { return seek(m_position + count); }

    quint8 u8() { return quint8(take(1)); }
    quint16 u16() { return quint16(take(2)); }
    quint32 u32() { return quint32(take(4)); }
    qint16 s16() { return qint16(u16()); }
    qint32 s32() { return qint32(u32()); }

    // The bytes at position, or nullptr when fewer than count remain.
    const uchar *bytes(qint64 count)
    {
        if (count < 0 || count > remaining()) {
            m_failed = true;
            return nullptr;
        }
        const uchar *start = m_data + m_position;
        m_position += count;
        return start;
    }

private:
    quint64 take(int count)
    {
        const uchar *p = bytes(count);
        if (!p)
            return 0;
        quint64 value = 0;
        for (int i = 0; i < count; ++i) {
            const int index = m_bigEndian ? i : count - 1 - i;
            value = (value << 8) | p[index];
        }
        return value;
    }

    const uchar *m_data;
    qint64 m_size;
    qint64 m_position = 0;
    bool m_bigEndian;
    bool m_failed = false;
};

} // namespace imagelib
