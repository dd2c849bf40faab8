#include "LineAssembler.h"

namespace {

// The first CR or LF in [from, end), or end.
const char* lineEnd(const char* from, const char* end)
{
    for (const char* p = from; p != end; ++p) {
        if (*p == '\r' || *p == '\n')
            return p;
    }
    return end;
}

} // namespace

bool LineAssembler::feed(const char* data, qsizetype size, const LineHandler& onLine)
{
    if (m_overflowed)
        return false;
    const char* const end = data + size;
    const char* pos = data;
    if (m_afterCr && pos != end) {
        m_afterCr = false;
        if (*pos == '\n')
            ++pos;
    }
    while (pos != end) {
        const char* hit = lineEnd(pos, end);
        const qsizetype length = hit - pos;
        if (m_tail.size() + length > MaxLineBytes) {
            m_tail.clear();
            m_tail.squeeze();
            m_overflowed = true;
            return false;
        }
        if (hit == end) {
            m_tail.append(pos, length);
            return true;
        }
        if (m_tail.isEmpty()) {
            onLine(QByteArray::fromRawData(pos, length));
        } else {
            m_tail.append(pos, length);
            const QByteArray line = std::move(m_tail);
            m_tail = QByteArray();
            onLine(line);
        }
        pos = hit + 1;
        if (*hit == '\r') {
            if (pos == end)
                m_afterCr = true;
            else if (*pos == '\n')
                ++pos;
        }
    }
    return true;
}

void LineAssembler::reset()
{
    m_tail.clear();
    m_overflowed = false;
    m_afterCr = false;
}
