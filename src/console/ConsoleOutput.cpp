#include "ConsoleOutput.h"

#include "files/Diagnostics.h"

#include <QCoreApplication>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

struct ConsoleOutput::State
{
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<QByteArray> queue;
    qint64 bytes = 0;
    qint64 maxBytes = 0;
    quint64 droppedUntold = 0;
    quint64 dropped = 0;
    bool writing = false;
    bool ending = false;
    int fd = 1;
};

ConsoleOutput::ConsoleOutput(int fd, qint64 maxBytes)
    : m_state(std::make_shared<State>())
{
    m_state->fd = fd;
    m_state->maxBytes = maxBytes;
    // The thread keeps the state alive: it may outlive this object.
    std::thread([state = m_state] {
        std::unique_lock lock(state->mutex);
        for (;;) {
            state->changed.wait(lock,
                                [&] { return !state->queue.empty() || state->droppedUntold > 0 || state->ending; });
            if (state->queue.empty() && state->droppedUntold == 0)
                return;
            QByteArray out;
            while (!state->queue.empty()) {
                out += state->queue.front();
                state->bytes -= state->queue.front().size();
                state->queue.pop_front();
            }
            // Lines are dropped only behind a full queue: the count follows it.
            if (state->droppedUntold > 0) {
                // Counted apart: the translation tools lose their way in a template call inside the arguments.
                const int count = int(qMin(state->droppedUntold, quint64(INT_MAX)));
                out += QCoreApplication::translate("ConsoleOutput", "[%n line(s) dropped: the output did not keep up]",
                                                   nullptr, count)
                           .toLocal8Bit()
                    + '\n';
                state->droppedUntold = 0;
            }
            state->writing = true;
            lock.unlock();
            const bool open = Diagnostics::WriteAll(state->fd, out);
            lock.lock();
            state->writing = false;
            state->changed.notify_all();
            if (!open)
                state->ending = true; // nobody reads any more: the rest is dropped
        }
    }).detach();
}

ConsoleOutput::~ConsoleOutput()
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->ending = true;
    }
    m_state->changed.notify_all();
}

void ConsoleOutput::write(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    {
        std::lock_guard lock(m_state->mutex);
        if (m_state->ending || m_state->bytes + bytes.size() > m_state->maxBytes) {
            ++m_state->dropped;
            if (!m_state->ending)
                ++m_state->droppedUntold;
            return;
        }
        m_state->bytes += bytes.size();
        m_state->queue.push_back(bytes);
    }
    m_state->changed.notify_all();
}

bool ConsoleOutput::flush(int ms)
{
    std::unique_lock lock(m_state->mutex);
    return m_state->changed.wait_for(lock, std::chrono::milliseconds(qMax(0, ms)), [this] {
        return (m_state->queue.empty() && m_state->droppedUntold == 0 && !m_state->writing) || m_state->ending;
    });
}

quint64 ConsoleOutput::dropped() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->dropped;
}
