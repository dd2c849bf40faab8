#include "PttKeyer.h"

#include "KeyingJournal.h"
#include "KeyingState.h"
#include "KeyingTrace.h"
#include "RigctldLinks.h"
#include "SerialPortList.h"
#include "files/LogCategories.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

const char* ReasonName(KeyingReason why)
{
    switch (why) {
    case KeyingReason::ModemAsked:
        return "modem-asked";
    case KeyingReason::LinkLost:
        return "link-lost";
    case KeyingReason::DataLinkLost:
        return "data-link-lost";
    case KeyingReason::ConnectionEnded:
        return "connection-ended";
    case KeyingReason::Stopped:
        return "stopped";
    case KeyingReason::SettingsChanged:
        return "settings-changed";
    case KeyingReason::TimedOut:
        return "timed-out";
    case KeyingReason::Shutdown:
        return "shutdown";
    }
    return "unknown";
}

} // namespace

PttKeyer::PttKeyer(QObject* parent)
    : QObject(parent)
    , m_shared{std::make_shared<SerialLine>(nullptr), std::make_shared<RigctldLinks>()}
{
    m_shared.line->port().setFailureHandler([this](const QString& reason) { onPortFailed(reason); });
    m_driver = PttDriverFactory::create(m_config, m_shared);
    m_target = targetOf(*m_driver);

    m_grace.setSingleShot(true);
    connect(&m_grace, &QTimer::timeout, this, [this] { releaseNow(m_graceWhy); });
    m_timeout.setSingleShot(true);
    // A coarse timer may fire up to 5 % early.
    m_timeout.setTimerType(Qt::PreciseTimer);
    connect(&m_timeout, &QTimer::timeout, this, &PttKeyer::onTimeout);
    m_reopen.setInterval(PortRetryMs);
    connect(&m_reopen, &QTimer::timeout, this, &PttKeyer::deliverOwedUnkey);
    // Closing goes on once rigctld took the unkey, or the wait ran out.
    m_closeWait.setSingleShot(true);
    m_closeWait.setInterval(ShutdownWaitMs);
    connect(&m_closeWait, &QTimer::timeout, this, &PttKeyer::finishClose);
    RigctldLinks* links = m_shared.links.get();
    // Queued: the client that answered is still at work when it says so.
    connect(
        links, &RigctldLinks::confirmed, this,
        [this] {
            if (m_closePending && !m_shared.links->unkeyPending())
                finishClose();
        },
        Qt::QueuedConnection);
    // rigctld answers later, for this driver or one that is gone; the panel
    // follows what it says.
    connect(links, &RigctldLinks::problem, this, &PttKeyer::onRigctldProblem);
    connect(links, &RigctldLinks::confirmed, this, &PttKeyer::onRigctldConfirmed);
}

PttKeyer::~PttKeyer()
{
    m_shared.links->disconnect(this);
    m_shared.line->port().setFailureHandler(nullptr);
}

void PttKeyer::setSerialPort(std::unique_ptr<SerialPortDevice> port)
{
    m_shared.line->replace(std::move(port));
    m_shared.line->port().setFailureHandler([this](const QString& reason) { onPortFailed(reason); });
}

void PttKeyer::setRigctldRetryInterval(int ms)
{
    m_shared.links->setRetryInterval(ms);
}

void PttKeyer::onRigctldProblem(const QString& text)
{
    const bool keyingThere = m_keyed && m_keyed->driver->confirmsLater();
    if (!keyingThere && !m_shared.links->unkeyPending())
        return;
    fail(KeyingFailure{QString(), text});
    const PttDriver* driver = m_driver.get();
    if (keyingThere)
        driver = m_keyed->driver.get();
    else if (!m_unconfirmed.isEmpty())
        driver = m_unconfirmed.first().driver.get();
    traceFailure("rigctld-problem", *driver, text);
}

// The state keeps a radio keyed until rigctld has taken its unkey.
void PttKeyer::onRigctldConfirmed(bool transmit)
{
    if (!transmit) {
        bool taken = false;
        for (qsizetype i = m_unconfirmed.size() - 1; i >= 0; --i) {
            const KeyRecord record = m_unconfirmed[i];
            if (!record.driver->unkeyConfirmed())
                continue;
            m_unconfirmed.removeAt(i);
            taken = true;
            KeyingTraceLine line = traceEvent("unkey-confirmed");
            record.driver->describeTo(line);
            trace(line);
        }
        if (taken) {
            m_lastFailure.clear();
            saveState();
        }
    }
    if (!m_problemShown || m_timedOut || transmit != m_txShown || transmit != keyed())
        return;
    tellUntold();
    m_problemShown = false;
    emit keyingConfirmed(transmit ? KeyingState::Transmitting : KeyingState::Receiving);
}

PttKeyer::Target PttKeyer::targetOf(const PttDriver& driver)
{
    return Target{driver.method(), driver.where(), driver.how()};
}

PttKeyer::KeyRecord PttKeyer::recordOf(const KeyingConfig& c) const
{
    std::shared_ptr<PttDriver> driver = PttDriverFactory::create(c, m_shared);
    const Target target = targetOf(*driver);
    return KeyRecord{target, c, std::move(driver)};
}

// ---- Keying -------------------------------------------------------------------

void PttKeyer::announce(KeyingState state, KeyingReason reason)
{
    tellUntold();
    setShown(state, reason);
    emit keyingChanged(state, reason);
}

// The radio first: the other threads hear of a key-up or unkey once its
// bytes are out, as waking them costs the radio time. Whatever the keyer
// says meanwhile still comes after it.
void PttKeyer::announceAfterKeying(KeyingState state, KeyingReason reason)
{
    tellUntold();
    setShown(state, reason);
    m_untold = std::make_pair(state, reason);
}

void PttKeyer::tellUntold()
{
    if (!m_untold)
        return;
    const auto [state, reason] = *std::exchange(m_untold, std::nullopt);
    emit keyingChanged(state, reason);
}

void PttKeyer::setShown(KeyingState state, KeyingReason reason)
{
    m_txShown = state == KeyingState::Transmitting;
    m_problemShown = reason == KeyingReason::TimedOut;
    m_timedOut = reason == KeyingReason::TimedOut;
}

// A keying that was meant to happen and did not; told until the next
// key-up that works.
void PttKeyer::fail(const KeyingFailure& failure)
{
    tellUntold();
    m_problemShown = true;
    emit keyingFailed(failure);
}

void PttKeyer::showFailure(const PttDriver& driver, const QString& reason)
{
    fail(KeyingFailure{driver.describe(), reason});
}

void PttKeyer::PttOn()
{
    m_grace.stop();
    const KeyingConfig& c = m_config;
    const Target& target = m_target; // keys nothing in FM mode
    // After a time-out the modem must let go first, as a radio's own
    // time-out wants the key released; a new configuration starts afresh.
    if (m_held) {
        if (*m_held == target) {
            if (!std::exchange(m_lockoutTraced, true)) {
                KeyingTraceLine line = traceEvent("lockout");
                line.field("reason", ReasonName(KeyingReason::TimedOut));
                m_driver->describeTo(line);
                trace(line);
            }
            return;
        }
        m_held.reset();
    }
    announceAfterKeying(KeyingState::Transmitting, KeyingReason::ModemAsked);
    // Never two radios keyed at once: what was keyed elsewhere goes first.
    if (m_keyed && m_keyed->target != target)
        unkeyRecorded(KeyingReason::SettingsChanged);
    if (!m_driver->keysRadio()) {
        tellUntold();
        traceSelfKeyed("key", KeyingReason::ModemAsked);
        return;
    }
    const bool wasKeyed = keyed();
    m_keyed = KeyRecord{target, c, m_driver};
    if (!wasKeyed)
        startTimeout(c);
    // This key-up carries the owed unkey from here on.
    if (m_owed && m_owed->target == target) {
        m_owed.reset();
        m_reopen.stop();
    }

    // A port lost or never opened is tried again, quietly.
    KeyingResult result;
    if (m_driver->usesSerialPort() && !m_shared.line->isOpen()) {
        if (m_driver->portParameters()) {
            if (const auto failure = m_driver->openPort())
                result = {false, *failure};
        }
    }
    if (result.ok)
        result = m_driver->key();
    tellUntold();
    if (!result.ok)
        showFailure(*m_driver, result.problem);
    // Told once the key is out.
    KeyingTraceLine line = traceEvent("key");
    line.field("reason", ReasonName(KeyingReason::ModemAsked));
    m_driver->describeTo(line);
    if (!result.ok)
        line.field("failed", result.problem);
    trace(line, !result.ok);
    saveState();
}

void PttKeyer::PttOff()
{
    m_grace.stop();
    m_held.reset();
    const bool wasShown = m_txShown;
    announceAfterKeying(KeyingState::Receiving, KeyingReason::ModemAsked);
    if (m_keyed) {
        const std::shared_ptr<PttDriver> driver = m_keyed->driver;
        const KeyingResult result = unkeyRecorded(KeyingReason::ModemAsked);
        tellUntold();
        if (!result.ok)
            showFailure(*driver, result.problem);
        return;
    }
    tellUntold();
    if (wasShown)
        traceSelfKeyed("unkey", KeyingReason::ModemAsked);
    if (!m_config.terminalKeys)
        return;
    // Nothing keyed by us. An exclusive serial port is unkeyed all the same
    // (start-up ends with this, which frees a radio left keyed by a crash);
    // a rigctld that other programs share is left alone.
    if (m_driver->usesSerialPort() && m_shared.line->isOpen()) {
        const KeyingResult result = m_driver->unkey();
        KeyingTraceLine line = traceEvent("idle-unkey");
        line.field("reason", ReasonName(KeyingReason::ModemAsked));
        m_driver->describeTo(line);
        if (!result.ok)
            line.field("failed", result.problem);
        trace(line, !result.ok);
    }
}

KeyingResult PttKeyer::unkeyRecorded(KeyingReason why)
{
    if (!m_keyed)
        return {};
    const KeyRecord record = std::move(*m_keyed);
    m_keyed.reset();
    m_timeout.stop();
    PttDriver& driver = *record.driver;
    const KeyingResult result = driver.unkey();
    // A CAT radio keeps transmitting until a command reaches it. A COM port
    // that vanished took its raised lines with it.
    const bool owed = driver.owesFailedUnkey() && !result.ok;
    if (driver.owesFailedUnkey()) {
        if (result.ok)
            released(record.target);
        else
            owe(record);
    }
    if (driver.confirmsLater() && driver.unkeyPending()) {
        const auto same = [&](const KeyRecord& r) { return r.target == record.target; };
        if (std::none_of(m_unconfirmed.begin(), m_unconfirmed.end(), same))
            m_unconfirmed.append(record);
    }
    KeyingTraceLine line = traceEvent(why == KeyingReason::TimedOut ? "timeout" : "unkey");
    line.field("reason", ReasonName(why));
    driver.describeTo(line);
    if (why == KeyingReason::TimedOut)
        line.field("limit-ms", m_timeoutMs);
    if (!result.ok)
        line.field("failed", result.problem);
    if (owed)
        line.field("owed", "yes");
    trace(line, !result.ok);
    saveState();
    return result;
}

void PttKeyer::owe(const KeyRecord& record)
{
    announceLost(record.target);
    m_owed = record;
    if (!m_reopen.isActive())
        m_reopen.start();
}

void PttKeyer::announceLost(const Target& target)
{
    if (m_lostDevice == target.where)
        return;
    m_lostDevice = target.where;
    tellUntold();
    emit portLostWhileKeyed(target.where);
}

void PttKeyer::released(const Target& target)
{
    if (m_lostDevice.isEmpty() || m_lostDevice != target.where)
        return;
    m_lostDevice.clear();
    tellUntold();
    emit portBackAndReleased(target.where);
}

void PttKeyer::deliverOwedUnkey()
{
    if (!m_owed) {
        m_reopen.stop();
        return;
    }
    const KeyRecord record = *m_owed;
    if (!record.driver->portParameters()) {
        // No radio model: there is no command to send.
        m_owed.reset();
        m_reopen.stop();
        KeyingTraceLine line = traceEvent("owed-unkey-dropped");
        record.driver->describeTo(line);
        trace(line);
        saveState();
        return;
    }
    const KeyingResult result = record.driver->unkeyAnyway();
    if (!result.ok) {
        showFailure(*record.driver, result.problem);
        traceFailure("owed-unkey-failed", *record.driver, result.problem);
        return;
    }
    m_owed.reset();
    m_reopen.stop();
    if (!m_keyed && !m_timedOut) {
        tellUntold();
        m_problemShown = false;
        emit keyingConfirmed(KeyingState::Receiving);
    }
    released(record.target);
    m_lastFailure.clear();
    KeyingTraceLine line = traceEvent("owed-unkey-delivered");
    record.driver->describeTo(line);
    trace(line);
    saveState();
}

void PttKeyer::endTimeoutHold()
{
    m_held.reset();
}

void PttKeyer::releaseNow(KeyingReason why)
{
    m_grace.stop();
    if (!m_keyed && !m_txShown)
        return;
    announce(KeyingState::Receiving, why);
    if (m_keyed) {
        const std::shared_ptr<PttDriver> driver = m_keyed->driver;
        const KeyingResult result = unkeyRecorded(why);
        if (!result.ok)
            showFailure(*driver, result.problem);
    } else {
        traceSelfKeyed("unkey", why);
    }
}

void PttKeyer::releaseAfterGrace(KeyingReason why)
{
    if (!m_keyed && !m_txShown)
        return;
    m_graceWhy = why;
    m_grace.start(m_graceMs);
}

void PttKeyer::configure(const KeyingConfig& config)
{
    m_config = config;
    m_driver = PttDriverFactory::create(m_config, m_shared);
    m_target = targetOf(*m_driver);
    const Target& target = m_target;
    if (m_held && *m_held != target)
        m_held.reset();
    if (m_keyed && m_keyed->target != target)
        releaseNow(KeyingReason::SettingsChanged);
    if (m_setUp != target) {
        m_setUp = target;
        KeyingTraceLine line = traceEvent("setup");
        m_driver->describeTo(line);
        trace(line);
    }
    saveState();
}

void PttKeyer::startTimeout(const KeyingConfig& c)
{
    const qint64 ms = m_timeoutOverrideMs >= 0 ? m_timeoutOverrideMs : qint64(c.timeoutSeconds) * 1000;
    m_timeoutMs = ms;
    m_keyedSince.start();
    if (ms > 0)
        m_timeout.start(int(qMin<qint64>(ms, std::numeric_limits<int>::max())));
}

void PttKeyer::onTimeout()
{
    if (!m_keyed)
        return;
    // Never before the setting, however the timer woke.
    const qint64 left = m_timeoutMs - m_keyedSince.elapsed();
    if (left > 0) {
        m_timeout.start(int(qMin<qint64>(left, std::numeric_limits<int>::max())));
        return;
    }
    m_grace.stop();
    const Target target = m_keyed->target;
    const std::shared_ptr<PttDriver> driver = m_keyed->driver;
    const KeyingResult result = unkeyRecorded(KeyingReason::TimedOut);
    m_held = target;
    m_lockoutTraced = false;
    announce(KeyingState::Receiving, KeyingReason::TimedOut);
    if (!result.ok)
        showFailure(*driver, result.problem);
}

// ---- The serial port --------------------------------------------------------

void PttKeyer::OpenPttPort(const KeyingConfig& config)
{
    configure(config);
    m_driver->keepOnlyOwnLink(*m_shared.links);

    QString why;
    const std::optional<PortParameters> wanted = m_driver->portParameters(&why);
    if (!wanted && why.isEmpty()) {
        m_shared.line->close();
        return;
    }
    if (!wanted) {
        openFailed(PortIdentityOf(m_driver->portText()), why);
        return;
    }
    if (m_shared.line->isOpen() && *wanted == m_shared.line->last())
        return;
    // The port is about to close: nothing may stay keyed through it.
    if (m_keyed && m_keyed->driver->usesSerialPort())
        releaseNow(KeyingReason::SettingsChanged);
    if (const auto failure = m_driver->openPort())
        openFailed(wanted->port, *failure);
}

bool PttKeyer::beginClose()
{
    if (m_closePending)
        return false;
    if (m_keyed)
        releaseNow(KeyingReason::Shutdown);
    // The last chance for an owed unkey.
    deliverOwedUnkey();
    m_reopen.stop();
    // An unkey to rigctld may still be on its way; give it a moment.
    if (m_shared.links->unkeyPending()) {
        m_closePending = true;
        m_closeWait.start();
        return false;
    }
    finishClose();
    return true;
}

void PttKeyer::ClosePttPort()
{
    if (beginClose())
        return;
    m_shared.links->settleWithin(QDeadlineTimer(qMax(0, m_closeWait.remainingTime())));
    finishClose();
}

void PttKeyer::finishClose()
{
    const bool waited = std::exchange(m_closePending, false);
    m_closeWait.stop();
    m_shared.line->close();
    m_shared.links->closeAll();
    trace(traceEvent("closed"));
    saveState();
    tellUntold();
    if (waited)
        emit closed();
}

void PttKeyer::onPortFailed(const QString& reason)
{
    // The port failed under the driver keying through it, or, when keying
    // is not serial now, under the CAT keying it was last opened for.
    std::shared_ptr<PttDriver> driver = m_keyed ? m_keyed->driver : m_driver;
    if (!driver->usesSerialPort()) {
        KeyingConfig c = m_keyed ? m_keyed->used : m_config;
        c.method = PttMethod::Cat;
        c.terminalKeys = true;
        c.cat.port = m_shared.line->portText();
        c.cat.device = m_shared.line->device();
        driver = PttDriverFactory::create(c, m_shared);
    }
    fail(KeyingFailure{driver->describe(), reason, true});
    const bool keyedThere = m_keyed && m_keyed->driver->owesFailedUnkey();
    if (keyedThere)
        announceLost(m_keyed->target);
    KeyingTraceLine line = traceEvent("port-lost");
    driver->describeTo(line);
    line.field("keyed", keyedThere ? "yes" : "no");
    line.field("detail", reason);
    trace(line, true);
}

void PttKeyer::openFailed(const QString& port, const QString& detail)
{
    KeyingTraceLine line = traceEvent("open-failed");
    line.field("driver", DriverName(m_config.method, m_config.terminalKeys));
    line.field("port", port);
    line.field("detail", detail);
    trace(line, true);
    tellUntold();
    emit portOpenFailed(port, detail);
}

// ---- The journal ------------------------------------------------------------

void PttKeyer::setJournal(KeyingJournal* journal)
{
    m_journal = journal;
    m_savedState.clear();
}

void PttKeyer::note(const char* event, const QString& reason)
{
    KeyingTraceLine line = traceEvent(event);
    line.field("reason", reason);
    trace(line);
}

KeyingTraceLine PttKeyer::traceEvent(const char* event) const
{
    return KeyingTraceLine(m_clock ? m_clock() : QDateTime::currentMSecsSinceEpoch(), event);
}

// keldo.ptt carries the trace's events; a disabled category costs one test.
void PttKeyer::trace(const KeyingTraceLine& line, bool failure)
{
    if (m_journal)
        m_journal->traceLine(line.text());
    if (failure)
        qCWarning(lcPtt).noquote() << line.text().chopped(1);
    else
        qCDebug(lcPtt).noquote() << line.text().chopped(1);
}

void PttKeyer::traceFailure(const char* event, const PttDriver& driver, const QString& detail)
{
    KeyingTraceLine line = traceEvent(event);
    driver.describeTo(line);
    line.field("detail", detail);
    // The same failure again (a retry each second) is not news.
    const QByteArray text = line.text();
    const QByteArray what = text.mid(text.indexOf(' '));
    if (what == m_lastFailure)
        return;
    m_lastFailure = what;
    trace(line, true);
}

void PttKeyer::traceSelfKeyed(const char* event, KeyingReason why)
{
    if (!m_driver->radioKeysItself())
        return;
    KeyingTraceLine line = traceEvent(event);
    line.field("reason", ReasonName(why));
    m_driver->describeTo(line);
    trace(line);
}

// What a start needs to unkey after a crash: every radio that may be
// transmitting, then the keying set up (unkeyed).
void PttKeyer::saveState()
{
    if (!m_journal)
        return;
    QList<KeyingStateEntry> entries;
    QList<Target> listed;
    const auto add = [&](const Target& target, const KeyingConfig& c, bool keyed) {
        if (listed.contains(target))
            return;
        listed.append(target);
        entries.append(KeyingStateEntry{c, keyed});
    };
    if (m_keyed)
        add(m_keyed->target, m_keyed->used, true);
    if (m_owed)
        add(m_owed->target, m_owed->used, true);
    for (const KeyRecord& record : std::as_const(m_unconfirmed))
        add(record.target, record.used, true);
    add(m_target, m_config, false);
    const QByteArray contents = FormatKeyingState(entries);
    if (contents == m_savedState)
        return;
    m_savedState = contents;
    m_journal->saveState(contents);
}

int PttKeyer::releaseLeftKeyed(const QByteArray& state)
{
    int count = 0;
    bool waitForRigctld = false;
    for (const KeyingStateEntry& entry : ParseKeyingState(state)) {
        if (!entry.keyed)
            continue;
        ++count;
        const KeyRecord record = recordOf(entry.config);
        PttDriver& driver = *record.driver;
        KeyingResult result;
        if (driver.keysRadio() || driver.usesSerialPort())
            result = driver.unkeyAnyway();
        if (driver.owesFailedUnkey()) {
            // Not the port the set-up keys with: it is opened for that later.
            if (result.ok && m_shared.line->isOpen())
                m_shared.line->close();
            if (!result.ok) {
                showFailure(driver, result.problem);
                if (!m_owed)
                    owe(record);
            }
        }
        if (driver.confirmsLater()) {
            m_unconfirmed.append(record);
            waitForRigctld = true;
        }
        KeyingTraceLine line = traceEvent("startup-release");
        line.field("reason", "left-keyed");
        driver.describeTo(line);
        if (!result.ok)
            line.field("failed", result.problem);
        if (m_owed && m_owed->target == record.target)
            line.field("owed", "yes");
        trace(line, !result.ok);
    }
    saveState();
    // Before the first connection to the modem, so within a short bound.
    if (waitForRigctld)
        m_shared.links->settleWithin(QDeadlineTimer(m_leftKeyedWaitMs));
    return count;
}
