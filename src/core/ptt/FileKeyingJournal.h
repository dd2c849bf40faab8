#pragma once

#include "KeyingJournal.h"

#include <QByteArrayList>
#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// The keying journal on files: the keyer's calls only queue, a worker thread
// of its own does the writing. The two writers are plain functions so that
// another writer can stand in for the files.
//
// The trace queue is bounded: lines beyond it are counted and the count is
// written in their place. Of the state only the newest contents matter.
// What a writer refuses (a folder that cannot be written) waits for the
// next line or state, never retried in a loop.
class FileKeyingJournal : public KeyingJournal
{
public:
    // False: nothing (or not all) was written; the same bytes come again.
    using Write = std::function<bool(const QByteArray& bytes)>;

    static constexpr int DefaultMaxQueuedLines = 1000;

    FileKeyingJournal(Write appendTrace, Write replaceState, int maxQueuedLines = DefaultMaxQueuedLines);
    // Writes what waits (one attempt), then stops the worker.
    ~FileKeyingJournal() override;

    void traceLine(const QByteArray& line) override;
    void saveState(const QByteArray& contents) override;

    // Waits at most ms for the worker to have tried everything queued.
    bool waitIdle(int ms);

private:
    void run();
    // One pass over what was taken; false when something was refused.
    bool writeOut(QByteArrayList& lines, qint64& dropped, std::optional<QByteArray>& state);

    Write m_append;
    Write m_replace;
    const int m_maxLines;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    QByteArrayList m_lines;
    qint64 m_dropped = 0;
    std::optional<QByteArray> m_state;
    bool m_new = false; // queued since the worker last looked
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_worker;
};

// Appends to path (its folder made as needed); a file that the bytes would
// take past maxBytes first becomes path + ".1", replacing the older one.
FileKeyingJournal::Write AppendRotating(const QString& path, qint64 maxBytes = 1024 * 1024);
// Replaces path's contents at once: a reader sees the old or the new, whole.
FileKeyingJournal::Write ReplaceAtomically(const QString& path);
