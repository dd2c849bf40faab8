#pragma once

#include <QByteArray>
#include <functional>

// Cuts the command channel's byte stream into lines ended by CR, LF or CR LF
// (an LF right after a CR ends nothing more, also when the CR ended the
// previous arrival). A line is handed on as soon as its end arrives; only
// the unfinished tail waits. A tail that grows past MaxLineBytes makes feed()
// return false: the stream is misbehaving, the caller drops the connection,
// and nothing more is taken until reset(), so memory stays bounded.
class LineAssembler
{
public:
    static constexpr qsizetype MaxLineBytes = 64 * 1024;
    using LineHandler = std::function<void(const QByteArray& line)>;

    // False once a line has grown past MaxLineBytes.
    bool feed(const char* data, qsizetype size, const LineHandler& onLine);
    bool feed(const QByteArray& bytes, const LineHandler& onLine)
    {
        return feed(bytes.constData(), bytes.size(), onLine);
    }
    // Forgets any partial line and an overflow (a new connection starts).
    void reset();

    qsizetype pendingBytes() const { return m_tail.size(); }
    bool overflowed() const { return m_overflowed; }

private:
    QByteArray m_tail;
    bool m_overflowed = false;
    bool m_afterCr = false; // the last byte seen was a CR
};
