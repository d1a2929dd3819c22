// Appends little-endian fields to a byte array.
#pragma once

#include <QByteArray>

namespace imagelib {

class ByteWriter
{
public:
    explicit ByteWriter(QByteArray &out) : m_out(out) {}

    void u8(quint32 value) { m_out.append(char(value & 0xFF)); }
    void u16(quint32 value)
    {
        u8(value);
        u8(value >> 8);
    }
    void u32(quint32 value)
    {
        u16(value);
        u16(value >> 16);
    }
    void bytes(const void *data, qsizetype count) { m_out.append(static_cast<const char *>(data), count); }
    void zeros(qsizetype count) { m_out.append(count, '\0'); }

private:
    QByteArray &m_out;
};

} // namespace imagelib
