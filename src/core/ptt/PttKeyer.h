#pragma once

#include "KeyingConfig.h"
#include "PttDriver.h"
#include "PttDriverFactory.h"
#include "RigctldLinks.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class KeyingJournal;
class KeyingTraceLine;
class SerialPortDevice;
class RigctldClient;

enum class KeyingState { Receiving, Transmitting };
// Why the keyer keyed or let go.
enum class KeyingReason {
    ModemAsked, // "PTT ON" or "PTT OFF"
    LinkLost, // the command link to the modem went down
    DataLinkLost, // the data link went down and no PTT OFF came
    ConnectionEnded, // DISCONNECTED and no PTT OFF came
    Stopped, // Stop, and no PTT OFF came
    SettingsChanged, // keying no longer goes where it went
    TimedOut, // keyed longer than "PTT Timeout"
    Shutdown,
};
// A keying meant to happen that did not, as the system or rigctld told it.
struct KeyingFailure
{
    QString where; // "COM3 (/dev/ttyUSB0)", "rigctld localhost:4532"; empty when why names it
    QString why;
    bool portClosed = false; // the port failed by itself and closed
};

// modPTT: keys and unkeys the radio when the modem asks. The keyer is handed
// the keying configuration whenever it changes, and PttDriverFactory makes
// the driver of it; the keyer decides when, the driver how.
//
// The keyer remembers what it keyed (method, port or rigctld address, the
// configuration used and the driver) and every unkey goes through that record, so
// changing mode, method or port can never strand a keyed radio, and it only
// ever unkeys what it keyed itself.
//
// With a journal, every keying event becomes a trace line, and the state
// (what keying is set up to use, which radio may be transmitting) is handed
// over after each change: always after the key or unkey itself went out.
class PttKeyer : public QObject
{
    Q_OBJECT
public:
    // How comPTT was last opened successfully.
    using PortParameters = SerialLine::Parameters;

    // The modem may still be sending its last frame after a DISCONNECTED,
    // an abort or a lost data link.
    static constexpr int GracePeriodMs = 3000;
    // The longest shutdown waits for an unkey to go out.
    static constexpr int ShutdownWaitMs = 2000;
    // How often a CAT port that failed is reopened while an unkey is owed.
    static constexpr int PortRetryMs = 1000;
    // The longest a start waits for rigctld to take the unkey of a radio
    // left keyed; it is sent again afterwards until rigctld takes it.
    static constexpr int LeftKeyedWaitMs = 2000;

    explicit PttKeyer(QObject* parent = nullptr);
    ~PttKeyer() override;

    void PttOn();
    void PttOff();
    // Takes the configuration, then opens comPTT as it asks (or closes it).
    void OpenPttPort(const KeyingConfig& config);
    // At shutdown: unkeys what is keyed, then closes the port and every
    // rigctld connection. True when done; false while rigctld has yet to
    // take the unkey: closed() follows when it has, or after ShutdownWaitMs.
    bool beginClose();
    // The same for when the event loop no longer runs: waits at most
    // ShutdownWaitMs, on the rigctld connections alone.
    void ClosePttPort();

    // The modem can no longer say "PTT OFF" (command link lost): unkey now.
    void releaseNow(KeyingReason why);
    // The command link is lost: a time-out's hold ends with it.
    void endTimeoutHold();
    // Unkeys after the grace period unless "PTT OFF" or "PTT ON" comes first.
    void releaseAfterGrace(KeyingReason why);
    // Takes a new configuration (the port stays as it is): unkeys what was
    // keyed if keying no longer goes there.
    void configure(const KeyingConfig& config);

    // Where the trace and the state go (not owned); null for nowhere.
    void setJournal(KeyingJournal* journal);
    // An event of the station's that explains the keying (a remote control
    // link lost), written in the trace with its reason.
    void note(const char* event, const QString& reason);
    // At a start, before anything is keyed: sends the unkey of every radio
    // the state an earlier run left (ParseKeyingState) marks keyed, once.
    // Waits at most LeftKeyedWaitMs for rigctld. A CAT port that cannot be
    // opened owes the unkey, as a lost port does. Returns how many.
    int releaseLeftKeyed(const QByteArray& state);

    bool keyed() const { return m_keyed.has_value(); }
    bool gracePending() const { return m_grace.isActive(); }
    // The time-out ran out: PTT ON is ignored until PTT OFF, a lost command
    // link or a changed keying configuration.
    bool timeoutHolding() const { return m_held.has_value(); }
    // A CAT radio still waits for the unkey its failed port did not take.
    bool unkeyOwed() const { return m_owed.has_value(); }

    // The limit of the keying the time-out last ended.
    // Also read by the GUI thread when the time-out is told.
    qint64 timeoutMs() const { return m_timeoutMs.load(); }

signals:
    void keyingChanged(KeyingState state, KeyingReason reason);
    void keyingFailed(const KeyingFailure& failure);
    // rigctld, or a port back again, took what was asked: the failure is over.
    void keyingConfirmed(KeyingState state);
    // The serial port could not be opened, for the reason in detail.
    void portOpenFailed(const QString& port, const QString& detail);
    // The CAT port of a keyed radio failed: it may still be transmitting.
    void portLostWhileKeyed(const QString& device);
    // The unkey owed since then reached the radio.
    void portBackAndReleased(const QString& device);
    // A closing that had to wait for rigctld is done.
    void closed();

public:
    // For tests: shorter waits than the real ones.
    void setGracePeriod(int ms) { m_graceMs = ms; }
    // Overrides "PTT Timeout" (milliseconds; negative: use the configuration's).
    void setTimeoutOverride(int ms) { m_timeoutOverrideMs = ms; }
    void setRigctldRetryInterval(int ms);
    void setPortRetryInterval(int ms) { m_reopen.setInterval(ms); }
    void setShutdownWait(int ms) { m_closeWait.setInterval(ms); }
    void setLeftKeyedWait(int ms) { m_leftKeyedWaitMs = ms; }
    // The trace's clock, milliseconds since the epoch (UTC).
    void setTraceClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

    // Replaces comPTT (tests hand in a recording port). Closes the old one.
    void setSerialPort(std::unique_ptr<SerialPortDevice> port);
    SerialPortDevice& comPTT() { return m_shared.line->port(); }
    RigctldLinks& rigctld() { return *m_shared.links; }

private:
    // Where keying goes: the method and the device or address.
    struct Target
    {
        PttMethod method = PttMethod::Other; // keys nothing
        QString where;
        QByteArray how; // what unkeys it there: the CAT command, or the COM lines
        bool operator==(const Target& o) const { return method == o.method && where == o.where && how == o.how; }
        bool operator!=(const Target& o) const { return !(*this == o); }
    };
    struct KeyRecord
    {
        Target target;
        KeyingConfig used;
        std::shared_ptr<PttDriver> driver; // kept until its unkey is delivered
    };

    static Target targetOf(const PttDriver& driver);
    KeyRecord recordOf(const KeyingConfig& c) const;
    void finishClose();
    KeyingResult unkeyRecorded(KeyingReason why);
    void startTimeout(const KeyingConfig& c);
    void onTimeout();
    void onPortFailed(const QString& reason);
    void onRigctldProblem(const QString& text);
    void onRigctldConfirmed(bool transmit);
    // An unkey that a CAT port could not take is owed until it can.
    void owe(const KeyRecord& record);
    void deliverOwedUnkey();
    void announceLost(const Target& target);
    void released(const Target& target);
    void announce(KeyingState state, KeyingReason reason);
    // The state announce() gives, not yet told.
    void setShown(KeyingState state, KeyingReason reason);
    void announceAfterKeying(KeyingState state, KeyingReason reason);
    void tellUntold();
    void fail(const KeyingFailure& failure);
    void showFailure(const PttDriver& driver, const QString& reason);
    void openFailed(const QString& port, const QString& detail);

    // ---- The journal
    KeyingTraceLine traceEvent(const char* event) const;
    void trace(const KeyingTraceLine& line, bool failure = false);
    // A failure told once until it changes or keying works again.
    void traceFailure(const char* event, const PttDriver& driver, const QString& detail);
    // Keying the terminal does not do itself (VOX, FM), as the modem asked.
    void traceSelfKeyed(const char* event, KeyingReason why);
    void saveState();

    KeyingConfig m_config;

    // comPTT and the rigctld connections, shared with the drivers.
    PttDriverShared m_shared;
    // The driver of m_config, and where it keys.
    std::shared_ptr<PttDriver> m_driver;
    Target m_target;

    std::optional<KeyRecord> m_keyed;
    bool m_txShown = false; // the panel says "TX"
    // A key-up or unkey done and not yet told (see announceAfterKeying).
    std::optional<std::pair<KeyingState, KeyingReason>> m_untold;
    bool m_problemShown = false; // the panel shows a keying failure
    bool m_timedOut = false; // the panel tells of the time-out
    QTimer m_grace;
    KeyingReason m_graceWhy = KeyingReason::ConnectionEnded;
    QTimer m_timeout;
    QElapsedTimer m_keyedSince;
    std::atomic<qint64> m_timeoutMs{0};
    int m_graceMs = GracePeriodMs;
    int m_timeoutOverrideMs = -1;
    // Where the time-out released the radio; PTT ON keys nothing there.
    std::optional<Target> m_held;
    std::optional<KeyRecord> m_owed;
    QTimer m_reopen;
    QTimer m_closeWait;
    bool m_closePending = false; // closed() is owed
    // The device told of as lost, until an unkey reaches it.
    QString m_lostDevice;

    KeyingJournal* m_journal = nullptr;
    std::function<qint64()> m_clock;
    QByteArray m_savedState;
    std::optional<Target> m_setUp; // the keying the last "setup" line told of
    bool m_lockoutTraced = false; // once per time-out hold
    QByteArray m_lastFailure;
    // Unkeys sent that rigctld has not yet acknowledged.
    QList<KeyRecord> m_unconfirmed;
    int m_leftKeyedWaitMs = LeftKeyedWaitMs;
};
