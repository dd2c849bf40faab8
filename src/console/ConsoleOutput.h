#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <memory>

// What the console prints, written to standard output by a thread of its
// own: a pipe nobody reads or a terminal on hold holds up that thread alone,
// never the station. What finds the queue full is dropped and counted, and
// the count is printed once there is room again.
class ConsoleOutput
{
public:
    static constexpr qint64 DefaultMaxBytes = 1024 * 1024;

    explicit ConsoleOutput(int fd = 1, qint64 maxBytes = DefaultMaxBytes);
    // A writer still stuck in write() is left behind, not joined.
    ~ConsoleOutput();
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;

    // Queued whole, or dropped whole.
    void write(const QByteArray& bytes);
    // Waits at most ms for the queue to be written; false if it was not.
    bool flush(int ms);
    quint64 dropped() const;

private:
    struct State;
    std::shared_ptr<State> m_state;
};
