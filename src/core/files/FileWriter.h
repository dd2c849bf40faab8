#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

// Every file the station writes goes through here, off the GUI thread and
// off the keying path: a write that hangs (a pipe nobody reads, a network
// folder gone away) must stall nothing but itself.
//
// Each file has a queue of its own, worked by a thread of its own while it
// holds work; all queues share one bound (count and bytes). A piece of work
// not finished within the stall bound is given up on: it and everything
// queued behind it fail, stalled() is emitted once, and until that work
// returns, the file and every other file in its folder take nothing more.
// Threads stuck in a system call are never waited for at exit.
class FileWriter : public QObject
{
    Q_OBJECT
public:
    // Runs on the owner's thread (queued); may be empty.
    using Done = std::function<void(bool ok, const QString& why)>;
    using Job = std::function<bool(QString* why)>;

    static constexpr int DefaultStallMs = 5000;
    static constexpr int DefaultMaxQueued = 1024;
    static constexpr qint64 DefaultMaxQueuedBytes = 16 << 20;

    explicit FileWriter(QObject* parent = nullptr);
    ~FileWriter() override;

    // All thread-safe and non-blocking. False: refused at once (the queue is
    // full, or the file's folder was given up on after a stall); done is
    // then not called.
    bool append(const QString& path, const QByteArray& bytes, Done done = {});
    // Past maxBytes the file becomes path + ".1" (an older one replaced) and
    // a new file starts.
    bool appendRotating(const QString& path, const QByteArray& bytes, qint64 maxBytes, Done done = {});
    // Atomic: a temporary file beside it, on the disk, renamed over it.
    bool replace(const QString& path, const QByteArray& bytes, Done done = {});
    // Any file work for path, in its queue.
    bool run(const QString& path, Job job, Done done = {});

    // Waits at most ms for everything queued so far. False when something is
    // still unfinished (or was given up on).
    bool flush(int ms);

    void setStallBound(int ms);
    int stallBound() const;
    void setQueueLimits(int count, qint64 bytes);

    // Shared with the threads working the queues.
    struct State;

signals:
    // Work on path did not finish within the bound: given up, told once.
    void stalled(const QString& path, const QString& what);

private:
    bool enqueue(const QString& path, const QString& what, qint64 size, Job job, Done done);
    void watch();

    std::shared_ptr<State> m_state;
    QTimer m_watch;
};
