#pragma once

#include "KeyingJournal.h"

#include <QString>

class FileWriter;

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

// A journal writing through the station's file writer: the trace appended
// to tracePath (past maxTraceBytes it becomes tracePath + ".1", replacing
// the older one), the state replaced whole at statePath. Their folders are
// made first. The writer must outlive the journal.
std::unique_ptr<FileKeyingJournal> JournalThrough(FileWriter& files, const QString& tracePath, const QString& statePath,
                                                  qint64 maxTraceBytes = 1024 * 1024);
