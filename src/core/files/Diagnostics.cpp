#include "Diagnostics.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#else
#include <io.h>
#endif

namespace {

struct Queue
{
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<QByteArray> lines;
    qint64 bytes = 0;
    int maxLines = Diagnostics::DefaultMaxLines;
    qint64 maxBytes = Diagnostics::DefaultMaxBytes;
    quint64 droppedUntold = 0;
    quint64 dropped = 0;
    bool writing = false;
    bool installed = false;
    int fd = 2;
    QtMessageHandler previous = nullptr;
    bool threadStarted = false;
};

// Never destroyed: the writing thread may outlive main().
Queue& TheQueue()
{
    static Queue* queue = new Queue;
    return *queue;
}

void WriteLoop()
{
    Queue& q = TheQueue();
    std::unique_lock lock(q.mutex);
    for (;;) {
        q.changed.wait(lock, [&q] { return !q.lines.empty() || q.droppedUntold > 0; });
        QByteArray out;
        while (!q.lines.empty()) {
            out += q.lines.front();
            q.bytes -= q.lines.front().size();
            q.lines.pop_front();
        }
        if (q.droppedUntold > 0) {
            out +=
                QByteArray::number(q.droppedUntold) + " diagnostic line(s) dropped: standard error did not keep up\n";
            q.droppedUntold = 0;
        }
        const int fd = q.fd;
        q.writing = true;
        lock.unlock();
        Diagnostics::WriteAll(fd, out);
        lock.lock();
        q.writing = false;
        q.changed.notify_all();
    }
}

void Enqueue(QByteArray line)
{
    Queue& q = TheQueue();
    {
        std::lock_guard lock(q.mutex);
        if (int(q.lines.size()) >= q.maxLines || q.bytes + line.size() > q.maxBytes) {
            ++q.droppedUntold;
            ++q.dropped;
            return;
        }
        q.bytes += line.size();
        q.lines.push_back(std::move(line));
    }
    q.changed.notify_all();
}

void Handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit() + '\n';
    if (type == QtFatalMsg) {
        // The program ends next: said where it surely arrives.
        Diagnostics::WriteAll(TheQueue().fd, line);
        return;
    }
    Enqueue(std::move(line));
}

} // namespace

void Diagnostics::Install(int fd, int maxLines, qint64 maxBytes)
{
    Queue& q = TheQueue();
    {
        std::lock_guard lock(q.mutex);
        q.fd = fd;
        q.maxLines = maxLines;
        q.maxBytes = maxBytes;
        q.dropped = 0;
        if (!q.threadStarted) {
            q.threadStarted = true;
            // Detached: a thread stuck writing to a pipe nobody reads must not hold up the exit.
            std::thread(WriteLoop).detach();
        }
        if (q.installed)
            return;
        q.installed = true;
    }
    QtMessageHandler previous = qInstallMessageHandler(Handler);
    std::lock_guard lock(q.mutex);
    q.previous = previous;
}

void Diagnostics::Uninstall()
{
    Queue& q = TheQueue();
    QtMessageHandler previous;
    {
        std::lock_guard lock(q.mutex);
        if (!q.installed)
            return;
        q.installed = false;
        previous = q.previous;
    }
    qInstallMessageHandler(previous);
}

void Diagnostics::Write(const QByteArray& line)
{
    Queue& q = TheQueue();
    bool installed;
    {
        std::lock_guard lock(q.mutex);
        installed = q.threadStarted;
    }
    if (installed) {
        Enqueue(line + '\n');
    } else {
        std::fprintf(stderr, "%s\n", line.constData());
        std::fflush(stderr);
    }
}

bool Diagnostics::Flush(int ms)
{
    Queue& q = TheQueue();
    std::unique_lock lock(q.mutex);
    return q.changed.wait_for(lock, std::chrono::milliseconds(qMax(0, ms)),
                              [&q] { return q.lines.empty() && q.droppedUntold == 0 && !q.writing; });
}

bool Diagnostics::WriteAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
#ifdef Q_OS_UNIX
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
#else
        const int n = ::_write(fd, data, unsigned(left));
#endif
        if (n <= 0)
            return false;
        data += n;
        left -= n;
    }
    return true;
}

quint64 Diagnostics::Dropped()
{
    Queue& q = TheQueue();
    std::lock_guard lock(q.mutex);
    return q.dropped;
}
