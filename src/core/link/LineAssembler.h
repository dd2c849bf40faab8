#pragma once

#include <QByteArray>
#include <functional>

// Cuts the command channel's byte stream into CR-terminated lines. A line is
// handed on as soon as its CR arrives; only the unfinished tail waits. A tail
// that grows past MaxLineBytes is dropped, and so is the rest of that line up
// to and including its CR, so a misbehaving modem cannot grow the buffer
// without limit nor have the rest of an overlong line parsed as a new one.
// An LF right after a CR (a modem that ends lines with CR LF) is dropped,
// also when the CR ended the previous arrival.
class LineAssembler
{
public:
    static constexpr qsizetype MaxLineBytes = 64 * 1024;
    using LineHandler = std::function<void(const QByteArray& line)>;

    void feed(const char* data, qsizetype size, const LineHandler& onLine);
    void feed(const QByteArray& bytes, const LineHandler& onLine) { feed(bytes.constData(), bytes.size(), onLine); }
    // Forgets any partial line (a new connection attempt starts).
    void reset();

    qsizetype pendingBytes() const { return m_tail.size(); }
    bool discarding() const { return m_discarding; }

private:
    QByteArray m_tail;
    bool m_discarding = false;
    bool m_afterCr = false; // the last byte seen was a CR
};
