#include "LineAssembler.h"

#include <cstring>

void LineAssembler::feed(const char* data, qsizetype size, const LineHandler& onLine)
{
    qsizetype pos = 0;
    if (m_afterCr && size > 0) {
        m_afterCr = false;
        if (data[0] == '\n')
            pos = 1;
    }
    while (pos < size) {
        const void* hit = std::memchr(data + pos, '\r', size_t(size - pos));
        if (!hit) {
            const qsizetype rest = size - pos;
            if (m_discarding)
                return;
            if (m_tail.size() + rest > MaxLineBytes) {
                // Overlong line: drop it up to and including its CR.
                m_tail.clear();
                m_tail.squeeze();
                m_discarding = true;
                return;
            }
            m_tail.append(data + pos, rest);
            return;
        }
        const qsizetype end = static_cast<const char*>(hit) - data;
        // Lines longer than the limit are dropped however they were split.
        if (m_discarding) {
            m_discarding = false;
        } else if (m_tail.size() + (end - pos) > MaxLineBytes) {
            m_tail.clear();
        } else if (m_tail.isEmpty()) {
            onLine(QByteArray::fromRawData(data + pos, end - pos));
        } else {
            m_tail.append(data + pos, end - pos);
            const QByteArray line = std::move(m_tail);
            m_tail = QByteArray();
            onLine(line);
        }
        pos = end + 1;
        if (pos == size)
            m_afterCr = true;
        else if (data[pos] == '\n')
            ++pos;
    }
}

void LineAssembler::reset()
{
    m_tail.clear();
    m_discarding = false;
    m_afterCr = false;
}
