#include "FileWriter.h"

#include "files/AtomicFile.h"
#include "files/RegularFile.h"

#include <QFileInfo>
#include <QPointer>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

struct Task
{
    quint64 seq = 0; // in the order it was queued, over all files
    QString what;
    qint64 size = 0;
    FileWriter::Job job;
    FileWriter::Done done;
};

struct Lane
{
    std::deque<Task> tasks;
    bool thread = false; // a thread serves this queue
    bool busy = false; // and works a task of it now
    bool givenUp = false; // its current work outlived the bound
    Clock::time_point started;
    quint64 seq = 0; // the current work's
    QString what; // the current work
    FileWriter::Done done; // the current work's, until answered
};

QString FolderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

} // namespace

struct FileWriter::State
{
    std::mutex mutex;
    std::condition_variable changed;
    // Null once the writer is gone: answers are then dropped.
    FileWriter* owner = nullptr;
    std::map<QString, Lane> lanes;
    int queued = 0;
    qint64 queuedBytes = 0;
    int stallMs = FileWriter::DefaultStallMs;
    int maxQueued = FileWriter::DefaultMaxQueued;
    qint64 maxQueuedBytes = FileWriter::DefaultMaxQueuedBytes;
    quint64 nextSeq = 0;
    // The owner's watch timer runs (or has been asked to start).
    bool watching = false;

    // Posting while holding the mutex: the writer's destructor takes it
    // before the object goes, and Qt drops events posted to a deleted object.
    void answer(const Done& done, bool ok, const QString& why)
    {
        if (done && owner)
            QMetaObject::invokeMethod(
                owner, [done, ok, why] { done(ok, why); }, Qt::QueuedConnection);
    }

    bool folderGivenUp(const QString& folder) const
    {
        for (const auto& [path, lane] : lanes)
            if (lane.givenUp && FolderOf(path) == folder)
                return true;
        return false;
    }

    void giveUpStalled()
    {
        const auto now = Clock::now();
        for (auto& [path, lane] : lanes) {
            if (!lane.busy || lane.givenUp || now - lane.started < std::chrono::milliseconds(stallMs))
                continue;
            lane.givenUp = true;
            const QString why = QStringLiteral("not done within %1 s; given up").arg(stallMs / 1000.0);
            answer(std::exchange(lane.done, {}), false, why);
            for (Task& t : lane.tasks) {
                answer(t.done, false, why);
                --queued;
                queuedBytes -= t.size;
            }
            lane.tasks.clear();
            if (owner) {
                FileWriter* o = owner;
                QMetaObject::invokeMethod(
                    o, [o, p = path, w = lane.what] { emit o->stalled(p, w); }, Qt::QueuedConnection);
            }
            changed.notify_all();
        }
    }

    bool idle() const
    {
        for (const auto& [path, lane] : lanes)
            if (lane.busy || !lane.tasks.empty())
                return false;
        return true;
    }
};

namespace {

// How long a thread waits for more work before it ends: a file written
// line by line (a trace) is not given a new thread for each line.
constexpr auto Linger = std::chrono::seconds(2);

// Works one file's queue until it stays empty. Holds the state alive: a
// thread stuck in write(2) outlives the writer harmlessly.
void Drain(std::shared_ptr<FileWriter::State> st, QString path)
{
    std::unique_lock lock(st->mutex);
    for (;;) {
        Lane& lane = st->lanes[path];
        if (lane.tasks.empty()) {
            lane.busy = false;
            st->changed.notify_all();
            st->changed.wait_for(lock, Linger, [&] { return !st->lanes[path].tasks.empty(); });
            if (st->lanes[path].tasks.empty()) {
                st->lanes.erase(path);
                return;
            }
            continue;
        }
        Task task = std::move(lane.tasks.front());
        lane.tasks.pop_front();
        --st->queued;
        st->queuedBytes -= task.size;
        lane.busy = true;
        lane.started = Clock::now();
        lane.seq = task.seq;
        lane.what = task.what;
        lane.done = std::move(task.done);
        lock.unlock();
        QString why;
        const bool ok = task.job(&why);
        task = Task();
        lock.lock();
        Lane& after = st->lanes[path];
        // Back from a stall: already answered; the file takes work again.
        after.givenUp = false;
        st->answer(std::exchange(after.done, {}), ok, why);
        st->changed.notify_all();
    }
}

} // namespace

FileWriter::FileWriter(QObject* parent)
    : QObject(parent)
    , m_state(std::make_shared<State>())
{
    m_state->owner = this;
    connect(&m_watch, &QTimer::timeout, this, &FileWriter::watch);
    m_watch.setInterval(qBound(20, DefaultStallMs / 4, 1000));
}

FileWriter::~FileWriter()
{
    std::lock_guard lock(m_state->mutex);
    m_state->owner = nullptr;
}

void FileWriter::setStallBound(int ms)
{
    {
        std::lock_guard lock(m_state->mutex);
        m_state->stallMs = qMax(1, ms);
    }
    m_watch.setInterval(qBound(10, ms / 4, 1000));
}

int FileWriter::stallBound() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->stallMs;
}

void FileWriter::setQueueLimits(int count, qint64 bytes)
{
    std::lock_guard lock(m_state->mutex);
    m_state->maxQueued = count;
    m_state->maxQueuedBytes = bytes;
}

bool FileWriter::enqueue(const QString& path, const QString& what, qint64 size, Job job, Done done)
{
    bool startWatch = false;
    {
        std::lock_guard lock(m_state->mutex);
        State& st = *m_state;
        st.giveUpStalled();
        if (st.queued + 1 > st.maxQueued || st.queuedBytes + size > st.maxQueuedBytes
            || st.folderGivenUp(FolderOf(path)))
            return false;
        Lane& lane = st.lanes[path];
        lane.tasks.push_back(Task{st.nextSeq++, what, size, std::move(job), std::move(done)});
        ++st.queued;
        st.queuedBytes += size;
        if (!lane.thread) {
            lane.thread = true;
            std::thread(Drain, m_state, path).detach();
        } else {
            st.changed.notify_all();
        }
        startWatch = !std::exchange(st.watching, true);
    }
    // The watch runs on the owner's thread, wherever the work came from;
    // asked for once while it runs, not at every line of a busy file.
    if (startWatch)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!m_watch.isActive())
                    m_watch.start();
            },
            Qt::AutoConnection);
    return true;
}

void FileWriter::watch()
{
    std::lock_guard lock(m_state->mutex);
    m_state->giveUpStalled();
    if (m_state->idle()) {
        m_watch.stop();
        m_state->watching = false;
    }
}

bool FileWriter::append(const QString& path, const QByteArray& bytes, Done done)
{
    return enqueue(
        path, QStringLiteral("append"), bytes.size(),
        [path, bytes](QString* why) { return RegularFile::Append(path, bytes, RegularFile::Links::Refuse, why); },
        std::move(done));
}

bool FileWriter::appendRotating(const QString& path, const QByteArray& bytes, qint64 maxBytes, Done done)
{
    return enqueue(
        path, QStringLiteral("append"), bytes.size(),
        [path, bytes, maxBytes](QString* why) {
            if (const QString problem = RegularFile::Problem(path, RegularFile::Links::Refuse); !problem.isEmpty()) {
                *why = problem;
                return false;
            }
            const QFileInfo info(path);
            if (info.exists() && info.size() > 0 && info.size() + bytes.size() > maxBytes) {
                const QString older = path + QStringLiteral(".1");
                if (!RegularFile::Problem(older, RegularFile::Links::Refuse).isEmpty()) {
                    *why = older + QStringLiteral(": not a regular file");
                    return false;
                }
                if (!RenameReplacing(path, older, why))
                    return false;
            }
            return RegularFile::Append(path, bytes, RegularFile::Links::Refuse, why);
        },
        std::move(done));
}

bool FileWriter::replace(const QString& path, const QByteArray& bytes, Done done)
{
    return enqueue(
        path, QStringLiteral("replace"), bytes.size(),
        [path, bytes](QString* why) { return WriteFileAtomically(path, bytes, why); }, std::move(done));
}

bool FileWriter::run(const QString& path, Job job, Done done)
{
    return enqueue(path, QStringLiteral("write"), 0, std::move(job), std::move(done));
}

bool FileWriter::flush(int ms)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(qMax(0, ms));
    std::unique_lock lock(m_state->mutex);
    State& st = *m_state;
    // What is queued later (a trace still being written) is not waited for.
    const quint64 before = st.nextSeq;
    for (;;) {
        st.giveUpStalled();
        bool waiting = false;
        bool stuck = false;
        for (const auto& [path, lane] : st.lanes) {
            if (lane.givenUp)
                stuck = true;
            else if ((lane.busy && lane.seq < before) || (!lane.tasks.empty() && lane.tasks.front().seq < before))
                waiting = true;
        }
        if (!waiting)
            return !stuck;
        const auto now = Clock::now();
        if (now >= deadline)
            return false;
        // Woken often enough to notice a stall within its bound.
        st.changed.wait_for(lock, std::min<Clock::duration>(deadline - now, std::chrono::milliseconds(20)));
    }
}
