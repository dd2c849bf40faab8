#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Reads a fuzz input front to back; past the end every read yields zeros
// (empty byte runs), so any input is a valid program of operations and seed
// files can be written by hand in the same order.
class ByteReader
{
public:
    ByteReader(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    { }

    bool atEnd() const { return m_pos >= m_size; }
    size_t remaining() const { return m_pos < m_size ? m_size - m_pos : 0; }

    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    uint16_t u16()
    {
        const uint16_t lo = byte();
        return uint16_t(lo | (uint16_t(byte()) << 8));
    }
    uint32_t u32()
    {
        const uint32_t lo = u16();
        return lo | (uint32_t(u16()) << 16);
    }

    QByteArray bytes(size_t n)
    {
        if (n > remaining())
            n = remaining();
        QByteArray out(reinterpret_cast<const char*>(m_data + m_pos), qsizetype(n));
        m_pos += n;
        return out;
    }
    // A length byte, then that many bytes.
    QByteArray shortBytes() { return bytes(byte()); }
    // Everything that is left.
    QByteArray rest() { return bytes(remaining()); }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace fuzz
