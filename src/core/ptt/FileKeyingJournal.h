#pragma once

#include "KeyingJournal.h"

#include <QString>

#include <functional>
#include <memory>
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
    // The longest the end of the program waits for a stalled disk.
    static constexpr int CloseWaitMs = 2000;

    FileKeyingJournal(Write appendTrace, Write replaceState, int maxQueuedLines = DefaultMaxQueuedLines);
    // Writes what waits (one attempt), then stops the worker; a worker held
    // up by the disk beyond CloseWaitMs is left to finish alone.
    ~FileKeyingJournal() override;

    void traceLine(const QByteArray& line) override;
    void saveState(const QByteArray& contents) override;

    // Waits at most ms for the worker to have tried everything queued.
    bool waitIdle(int ms);
    void setCloseWait(int ms) { m_closeWaitMs = ms; }

private:
    struct Shared;
    static void run(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> m_shared;
    std::thread m_worker;
    int m_closeWaitMs = CloseWaitMs;
};

// Appends to path (its folder made as needed); a file that the bytes would
// take past maxBytes first becomes path + ".1", replacing the older one.
FileKeyingJournal::Write AppendRotating(const QString& path, qint64 maxBytes = 1024 * 1024);
// Replaces path's contents at once: a reader sees the old or the new, whole.
FileKeyingJournal::Write ReplaceAtomically(const QString& path);
