#pragma once

#include "ptt/KeyingConfig.h"
#include "ptt/PttKeyer.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

class CommandChannel;

// The keying path on a thread of its own: the command socket with its line
// cutting, the keyer, its drivers and its timers. The GUI thread may block
// on a file, a box or a paint; "PTT OFF" and the time-out are acted on here
// all the same. PTT lines and DISCONNECTED reach the keyer straight from the
// channel; a lost command link unkeys here too. Everything else talks to it
// by queued calls (the methods below) and hears it by its signals, which
// reach receivers on other threads queued.
//
// The objects are made on the thread, so their sockets and timers belong to
// it; keyer() and channel() are for connecting to, never for calling from
// another thread.
class KeyingThread : public QObject
{
    Q_OBJECT
public:
    // How long stop() waits for the thread to end: it unkeys and closes first.
    static constexpr int StopWaitMs = PttKeyer::ShutdownWaitMs + 1000;

    explicit KeyingThread(QObject* parent = nullptr);
    ~KeyingThread() override;

    // Valid until stop().
    PttKeyer& keyer() { return *m_keyer; }
    CommandChannel& channel() { return *m_channel; }
    QThread* keyingThread() const;
    bool running() const { return m_keyer != nullptr; }

    // Queued: they return at once.
    void OpenPttPort(const KeyingConfig& config);
    void configure(const KeyingConfig& config);
    void PttOff();
    void releaseAfterGrace(KeyingReason why);
    // A byte readable on fd (a termination signal) unkeys at once, whatever
    // the GUI thread is doing.
    void watchTermination(int fd);

    // Bounded waits. beginClose: the keyer's answer (PttKeyer::beginClose),
    // nothing when the thread did not answer in time.
    std::optional<bool> beginClose();
    // Unkeys and closes, waiting for rigctld at most PttKeyer::ShutdownWaitMs.
    bool ClosePttPort();
    // Ends the thread (its objects go with it) after what was queued before.
    bool stop(int waitMs = StopWaitMs);

    // Runs call on the keying thread and waits for it (tests, and reads that may wait).
    template <typename F>
    auto call(F&& f) -> std::invoke_result_t<F, PttKeyer&>
    {
        using R = std::invoke_result_t<F, PttKeyer&>;
        if constexpr (std::is_void_v<R>) {
            runWaiting([&](PttKeyer& k) { f(k); }, -1);
        } else {
            R result{};
            runWaiting([&](PttKeyer& k) { result = f(k); }, -1);
            return result;
        }
    }

    // Runs call on the keying thread; waits at most waitMs (negative: for
    // ever). False when it did not run in time (or the thread is gone).
    bool runWaiting(const std::function<void(PttKeyer&)>& call, int waitMs);

private:
    class Runner;
    void post(std::function<void(PttKeyer&)> call);

    std::unique_ptr<Runner> m_thread;
    QPointer<PttKeyer> m_keyer;
    QPointer<CommandChannel> m_channel;
};
