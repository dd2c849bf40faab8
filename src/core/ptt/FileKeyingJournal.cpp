#include "FileKeyingJournal.h"

#include "KeyingTrace.h"
#include "files/FileWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <QByteArrayList>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

// Everything the worker uses: it may outlive the journal when the disk stalls.
struct FileKeyingJournal::Shared
{
    Write append;
    Write replace;
    int maxLines = DefaultMaxQueuedLines;

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    QByteArrayList lines;
    qint64 dropped = 0;
    std::optional<QByteArray> state;
    bool fresh = false; // queued since the worker last looked
    bool busy = false;
    bool stop = false;
    bool finished = false;
    bool failing = false; // told once until a write succeeds again

    // One pass over what was taken; false when something was refused.
    bool writeOut(QByteArrayList& out, qint64& lost, std::optional<QByteArray>& newest)
    {
        if (lost > 0) {
            out.append(KeyingTraceLine(QDateTime::currentMSecsSinceEpoch(), "trace-lines-dropped")
                           .field("count", lost)
                           .text());
            lost = 0;
        }
        bool ok = true;
        if (!out.isEmpty()) {
            if (append && append(out.join()))
                out.clear();
            else
                ok = false;
        }
        if (newest) {
            if (replace && replace(*newest))
                newest.reset();
            else
                ok = false;
        }
        return ok;
    }
};

FileKeyingJournal::FileKeyingJournal(Write appendTrace, Write replaceState, int maxQueuedLines)
    : m_shared(std::make_shared<Shared>())
{
    m_shared->append = std::move(appendTrace);
    m_shared->replace = std::move(replaceState);
    m_shared->maxLines = qMax(1, maxQueuedLines);
    m_worker = std::thread(&FileKeyingJournal::run, m_shared);
}

FileKeyingJournal::~FileKeyingJournal()
{
    Shared& s = *m_shared;
    std::unique_lock<std::mutex> lock(s.mutex);
    s.stop = true;
    s.wake.notify_all();
    const bool done = s.idle.wait_for(lock, std::chrono::milliseconds(m_closeWaitMs), [&s] { return s.finished; });
    lock.unlock();
    if (done)
        m_worker.join();
    else
        m_worker.detach();
}

void FileKeyingJournal::traceLine(const QByteArray& line)
{
    Shared& s = *m_shared;
    {
        const std::lock_guard<std::mutex> lock(s.mutex);
        if (s.lines.size() >= s.maxLines)
            ++s.dropped;
        else
            s.lines.append(line);
        s.fresh = true;
    }
    s.wake.notify_one();
}

void FileKeyingJournal::saveState(const QByteArray& contents)
{
    Shared& s = *m_shared;
    {
        const std::lock_guard<std::mutex> lock(s.mutex);
        s.state = contents;
        s.fresh = true;
    }
    s.wake.notify_one();
}

bool FileKeyingJournal::waitIdle(int ms)
{
    Shared& s = *m_shared;
    std::unique_lock<std::mutex> lock(s.mutex);
    return s.idle.wait_for(lock, std::chrono::milliseconds(ms), [&s] { return !s.fresh && !s.busy; });
}

void FileKeyingJournal::run(const std::shared_ptr<Shared>& shared)
{
    Shared& s = *shared;
    std::unique_lock<std::mutex> lock(s.mutex);
    for (;;) {
        s.wake.wait(lock, [&s] { return s.fresh || s.stop; });
        const bool last = s.stop;
        QByteArrayList lines = std::exchange(s.lines, {});
        qint64 dropped = std::exchange(s.dropped, 0);
        std::optional<QByteArray> state = std::exchange(s.state, std::nullopt);
        s.fresh = false;
        s.busy = true;
        lock.unlock();

        const bool written = s.writeOut(lines, dropped, state);
        if (written == s.failing) {
            s.failing = !written;
            if (s.failing)
                qWarning("keldo-terminal: the keying trace or state cannot be written; kept for later");
        }

        lock.lock();
        if (!written) {
            // Kept, oldest first, within the bound; a newer state wins.
            lines += std::exchange(s.lines, {});
            while (lines.size() > s.maxLines) {
                lines.removeFirst();
                ++dropped;
            }
            s.lines = lines;
            s.dropped += dropped;
            if (!s.state)
                s.state = state;
        }
        s.busy = false;
        s.finished = last;
        s.idle.notify_all();
        if (last)
            return;
    }
}

std::unique_ptr<FileKeyingJournal> JournalThrough(FileWriter& files, const QString& tracePath, const QString& statePath,
                                                  qint64 maxTraceBytes)
{
    // Each file's work is done in order, so the folders are there before
    // the first line or state reaches them.
    for (const QString& path : {tracePath, statePath})
        files.run(path, [folder = QFileInfo(path).absolutePath()](QString*) { return QDir().mkpath(folder); });
    return std::make_unique<FileKeyingJournal>(
        [&files, tracePath, maxTraceBytes](const QByteArray& bytes) {
            return files.appendRotating(tracePath, bytes, maxTraceBytes);
        },
        [&files, statePath](const QByteArray& bytes) { return files.replace(statePath, bytes); });
}
