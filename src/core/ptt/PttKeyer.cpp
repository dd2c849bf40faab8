#include "PttKeyer.h"

#include "KeyingJournal.h"
#include "KeyingState.h"
#include "KeyingTrace.h"
#include "RadioCatalogue.h"
#include "RigctldClient.h"
#include "SerialPortDevice.h"
#include "SerialPortList.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>

namespace {

bool isSerial(PttMethod m)
{
    return m == PttMethod::Cat || m == PttMethod::Com;
}

// The port text of the serial method in use.
QString portTextOf(const KeyingConfig& c)
{
    return c.method == PttMethod::Cat ? c.cat.port : c.method == PttMethod::Com ? c.com.port : QString();
}

// The device that port text names.
QString deviceOf(const KeyingConfig& c)
{
    if (c.method == PttMethod::Cat)
        return c.cat.device;
    return c.method == PttMethod::Com ? c.com.device : QString();
}

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

const char* PinName(int pin)
{
    return pin == 1 ? "RTS" : pin == 2 ? "DTR" : pin == 3 ? "RTS+DTR" : "none";
}

} // namespace

PttKeyer::PttKeyer(QObject* parent)
    : QObject(parent)
    , m_rig(std::make_unique<RigctldPttDriver>())
{
    setSerialPort(CreateSystemSerialPort());
    m_cat = std::make_unique<CatPttDriver>(m_comPTT);
    m_com = std::make_unique<ComPttDriver>(m_comPTT);

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
    // Queued: the client that answered is still at work when it says so.
    connect(
        m_rig.get(), &RigctldPttDriver::confirmed, this,
        [this] {
            if (m_closePending && !m_rig->unkeyPending())
                finishClose();
        },
        Qt::QueuedConnection);

    // rigctld answers later; the panel follows what it says.
    connect(m_rig.get(), &RigctldPttDriver::problem, this, [this](const QString& text) {
        const bool keyingThere = m_keyed && m_keyed->target.method == PttMethod::Rigctld;
        if (keyingThere || m_rig->unkeyPending()) {
            fail(KeyingFailure{QString(), text});
            KeyingConfig c = keyingThere ? m_keyed->used : m_config;
            if (!keyingThere && !m_rigUnconfirmed.isEmpty()) {
                c.method = PttMethod::Rigctld;
                c.rigctld = m_rigUnconfirmed.first();
            }
            traceFailure("rigctld-problem", targetOf(c), c, text);
        }
    });
    // The state keeps a radio keyed until rigctld has taken its unkey.
    connect(m_rig.get(), &RigctldPttDriver::confirmed, this, [this](bool transmit) {
        if (transmit)
            return;
        bool taken = false;
        for (qsizetype i = m_rigUnconfirmed.size() - 1; i >= 0; --i) {
            const RigctldConfig rig = m_rigUnconfirmed[i];
            const RigctldClient* client = m_rig->find(rig.host, rig.port);
            if (!client || !client->unkeyConfirmed())
                continue;
            m_rigUnconfirmed.removeAt(i);
            taken = true;
            KeyingConfig c;
            c.method = PttMethod::Rigctld;
            c.rigctld = rig;
            KeyingTraceLine line = traceEvent("unkey-confirmed");
            describeTo(line, targetOf(c), c);
            trace(line);
        }
        if (taken) {
            m_lastFailure.clear();
            saveState();
        }
    });
    connect(m_rig.get(), &RigctldPttDriver::confirmed, this, [this](bool transmit) {
        if (!m_problemShown || m_timedOut || transmit != m_txShown || transmit != keyed())
            return;
        m_problemShown = false;
        emit keyingConfirmed(transmit ? KeyingState::Transmitting : KeyingState::Receiving);
    });
}

PttKeyer::~PttKeyer()
{
    m_rig->disconnect(this);
    if (m_comPTT)
        m_comPTT->setFailureHandler(nullptr);
}

void PttKeyer::setSerialPort(std::unique_ptr<SerialPortDevice> port)
{
    if (m_comPTT) {
        m_comPTT->setFailureHandler(nullptr);
        m_comPTT->close();
    }
    m_comPTT = std::move(port);
    if (!m_comPTT)
        m_comPTT = CreateSystemSerialPort();
    m_comPTT->setFailureHandler([this](const QString& reason) { onPortFailed(reason); });
}

// VOX and any other method: the radio keys itself.
bool PttKeyer::keysRadio(PttMethod method, const KeyingConfig& c)
{
    switch (method) {
    case PttMethod::Cat:
        return CatPttDriver::keysRadio(c.cat);
    case PttMethod::Com:
        return ComPttDriver::keysRadio(c.com);
    case PttMethod::Rigctld:
        return true;
    case PttMethod::Vox:
    case PttMethod::Other:
        break;
    }
    return false;
}

KeyingResult PttKeyer::drive(PttMethod method, const KeyingConfig& c, bool transmit)
{
    switch (method) {
    case PttMethod::Cat:
        return transmit ? m_cat->key(c.cat) : m_cat->unkey(c.cat);
    case PttMethod::Com:
        return transmit ? m_com->key(c.com) : m_com->unkey();
    case PttMethod::Rigctld:
        if (transmit)
            m_rig->key(c.rigctld);
        else
            m_rig->unkey(c.rigctld);
        break;
    case PttMethod::Vox:
    case PttMethod::Other:
        break;
    }
    return {};
}

PttKeyer::Target PttKeyer::targetOf(const KeyingConfig& c) const
{
    Target t;
    if (!c.terminalKeys)
        return t;
    t.method = c.method;
    switch (t.method) {
    case PttMethod::Cat:
        t.where = c.cat.device;
        t.name = c.cat.port;
        if (const RadioModel* model = RadioModelAt(c.cat.rig))
            t.how = CatCommand(c.cat, *model, false);
        break;
    case PttMethod::Com:
        t.where = c.com.device;
        t.name = c.com.port;
        t.how = QByteArray::number(c.com.pin);
        break;
    case PttMethod::Rigctld:
        t.where = QStringLiteral("%1:%2").arg(c.rigctld.host).arg(c.rigctld.port);
        break;
    case PttMethod::Vox:
    case PttMethod::Other:
        break;
    }
    return t;
}

// "COM3 (/dev/ttyUSB0)", "rigctld localhost:4532"
QString PttKeyer::describe(const Target& t)
{
    switch (t.method) {
    case PttMethod::Cat:
    case PttMethod::Com:
        return t.name == t.where || t.where.isEmpty() ? t.name : QStringLiteral("%1 (%2)").arg(t.name, t.where);
    case PttMethod::Rigctld:
        return QStringLiteral("rigctld ") + t.where;
    case PttMethod::Vox:
    case PttMethod::Other:
        break;
    }
    return QString();
}

// ---- Keying -------------------------------------------------------------------

void PttKeyer::announce(KeyingState state, KeyingReason reason)
{
    m_txShown = state == KeyingState::Transmitting;
    m_problemShown = reason == KeyingReason::TimedOut;
    m_timedOut = reason == KeyingReason::TimedOut;
    emit keyingChanged(state, reason);
}

// A keying that was meant to happen and did not; told until the next
// key-up that works.
void PttKeyer::fail(const KeyingFailure& failure)
{
    m_problemShown = true;
    emit keyingFailed(failure);
}

void PttKeyer::showFailure(const Target& target, const QString& reason)
{
    fail(KeyingFailure{describe(target), reason});
}

void PttKeyer::PttOn()
{
    m_grace.stop();
    const KeyingConfig& c = m_config;
    const Target target = targetOf(c); // keys nothing in FM mode
    // After a time-out the modem must let go first, as a radio's own
    // time-out wants the key released; a new configuration starts afresh.
    if (m_held) {
        if (*m_held == target) {
            if (!std::exchange(m_lockoutTraced, true)) {
                KeyingTraceLine line = traceEvent("lockout");
                line.field("reason", ReasonName(KeyingReason::TimedOut));
                describeTo(line, target, c);
                trace(line);
            }
            return;
        }
        m_held.reset();
    }
    announce(KeyingState::Transmitting, KeyingReason::ModemAsked);
    // Never two radios keyed at once: what was keyed elsewhere goes first.
    if (m_keyed && m_keyed->target != target)
        unkeyRecorded(KeyingReason::SettingsChanged);
    if (!keysRadio(target.method, c)) {
        traceSelfKeyed("key", KeyingReason::ModemAsked);
        return;
    }
    const bool wasKeyed = keyed();
    m_keyed = KeyRecord{target, c};
    if (!wasKeyed)
        startTimeout(c);
    // This key-up carries the owed unkey from here on.
    if (m_owed && m_owed->target == target) {
        m_owed.reset();
        m_reopen.stop();
    }

    // A port lost or never opened is tried again, quietly.
    KeyingResult result;
    if (isSerial(target.method) && !m_comPTT->isOpen()) {
        if (const auto wanted = wantedPortParameters(c)) {
            if (const auto failure = openSerial(*wanted, c))
                result = {false, *failure};
        }
    }
    if (result.ok)
        result = drive(target.method, c, true);
    if (!result.ok)
        showFailure(target, result.problem);
    // Told once the key is out.
    KeyingTraceLine line = traceEvent("key");
    line.field("reason", ReasonName(KeyingReason::ModemAsked));
    describeTo(line, target, c);
    if (!result.ok)
        line.field("failed", result.problem);
    trace(line);
    saveState();
}

void PttKeyer::PttOff()
{
    m_grace.stop();
    m_held.reset();
    const bool wasShown = m_txShown;
    announce(KeyingState::Receiving, KeyingReason::ModemAsked);
    if (m_keyed) {
        const Target target = m_keyed->target;
        const KeyingResult result = unkeyRecorded(KeyingReason::ModemAsked);
        if (!result.ok)
            showFailure(target, result.problem);
        return;
    }
    if (wasShown)
        traceSelfKeyed("unkey", KeyingReason::ModemAsked);
    if (!m_config.terminalKeys)
        return;
    // Nothing keyed by us. An exclusive serial port is unkeyed all the same
    // (start-up ends with this, which frees a radio left keyed by a crash);
    // a rigctld that other programs share is left alone.
    const PttMethod method = m_config.method;
    if (isSerial(method) && m_comPTT->isOpen()) {
        const KeyingResult result = drive(method, m_config, false);
        KeyingTraceLine line = traceEvent("idle-unkey");
        line.field("reason", ReasonName(KeyingReason::ModemAsked));
        describeTo(line, targetOf(m_config), m_config);
        if (!result.ok)
            line.field("failed", result.problem);
        trace(line);
    }
}

KeyingResult PttKeyer::unkeyRecorded(KeyingReason why)
{
    if (!m_keyed)
        return {};
    const KeyRecord record = std::move(*m_keyed);
    m_keyed.reset();
    m_timeout.stop();
    const KeyingResult result = drive(record.target.method, record.used, false);
    // A CAT radio keeps transmitting until a command reaches it. A COM port
    // that vanished took its raised lines with it.
    const bool owed = record.target.method == PttMethod::Cat && !result.ok;
    if (record.target.method == PttMethod::Cat) {
        if (result.ok)
            released(record.target);
        else
            owe(record);
    }
    if (record.target.method == PttMethod::Rigctld) {
        const RigctldClient* client = m_rig->find(record.used.rigctld.host, record.used.rigctld.port);
        const auto same = [&](const RigctldConfig& r) {
            return r.host == record.used.rigctld.host && r.port == record.used.rigctld.port;
        };
        if (client && client->unkeyPending() && std::none_of(m_rigUnconfirmed.begin(), m_rigUnconfirmed.end(), same))
            m_rigUnconfirmed.append(record.used.rigctld);
    }
    KeyingTraceLine line = traceEvent(why == KeyingReason::TimedOut ? "timeout" : "unkey");
    line.field("reason", ReasonName(why));
    describeTo(line, record.target, record.used);
    if (why == KeyingReason::TimedOut)
        line.field("limit-ms", m_timeoutMs);
    if (!result.ok)
        line.field("failed", result.problem);
    if (owed)
        line.field("owed", "yes");
    trace(line);
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
    emit portLostWhileKeyed(target.where);
}

void PttKeyer::released(const Target& target)
{
    if (m_lostDevice.isEmpty() || m_lostDevice != target.where)
        return;
    m_lostDevice.clear();
    emit portBackAndReleased(target.where);
}

KeyingResult PttKeyer::unkeyCat(const KeyRecord& record)
{
    const KeyingConfig& c = record.used;
    if (m_comPTT->isOpen() && m_openDevice != record.target.where) {
        // Keying has moved to another port meanwhile: a port of its own.
        std::unique_ptr<SerialPortDevice> spare = CreateSystemSerialPort();
        const std::optional<LineSettings> line =
            LineSettings::parse(wantedPortParameters(c).value_or(PortParameters{}).settings);
        if (!line || !spare->open(record.target.where, *line))
            return {false, deviceFailure(record.target.where, spare->errorString())};
        spare->setRts(c.cat.rts == 1);
        spare->setDtr(c.cat.dtr == 1);
        CatPttDriver driver(spare);
        const KeyingResult result = driver.unkey(c.cat);
        spare->flush();
        spare->close();
        return result;
    }
    if (!m_comPTT->isOpen()) {
        const std::optional<PortParameters> wanted = wantedPortParameters(c);
        if (!wanted)
            return {false, QStringLiteral("no radio model %1").arg(c.cat.rig)};
        if (const auto failure = openSerial(*wanted, c))
            return {false, *failure};
    }
    return m_cat->unkey(c.cat);
}

void PttKeyer::deliverOwedUnkey()
{
    if (!m_owed) {
        m_reopen.stop();
        return;
    }
    const KeyRecord record = *m_owed;
    if (!RadioModelAt(record.used.cat.rig)) {
        // No radio model: there is no command to send.
        m_owed.reset();
        m_reopen.stop();
        KeyingTraceLine line = traceEvent("owed-unkey-dropped");
        describeTo(line, record.target, record.used);
        trace(line);
        saveState();
        return;
    }
    const KeyingResult result = unkeyCat(record);
    if (!result.ok) {
        showFailure(record.target, result.problem);
        traceFailure("owed-unkey-failed", record.target, record.used, result.problem);
        return;
    }
    m_owed.reset();
    m_reopen.stop();
    if (!m_keyed && !m_timedOut) {
        m_problemShown = false;
        emit keyingConfirmed(KeyingState::Receiving);
    }
    released(record.target);
    m_lastFailure.clear();
    KeyingTraceLine line = traceEvent("owed-unkey-delivered");
    describeTo(line, record.target, record.used);
    trace(line);
    saveState();
}

QString PttKeyer::deviceFailure(const QString& device, const QString& reason)
{
    // Qt can blame permissions or a stale lock for a device that is simply
    // gone; the system's own word for that is the true one.
    if (device.startsWith(QLatin1Char('/')) && !QFileInfo::exists(device))
        return device + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(ENOENT));
    return device + QStringLiteral(": ") + (reason.isEmpty() ? QStringLiteral("cannot be opened") : reason);
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
        const Target target = m_keyed->target;
        const KeyingResult result = unkeyRecorded(why);
        if (!result.ok)
            showFailure(target, result.problem);
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
    const Target target = targetOf(m_config);
    if (m_held && *m_held != target)
        m_held.reset();
    if (m_keyed && m_keyed->target != target)
        releaseNow(KeyingReason::SettingsChanged);
    if (m_setUp != target) {
        m_setUp = target;
        KeyingTraceLine line = traceEvent("setup");
        describeTo(line, target, m_config);
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
    const KeyingResult result = unkeyRecorded(KeyingReason::TimedOut);
    m_held = target;
    m_lockoutTraced = false;
    announce(KeyingState::Receiving, KeyingReason::TimedOut);
    if (!result.ok)
        showFailure(target, result.problem);
}

// ---- The serial port --------------------------------------------------------

std::optional<PttKeyer::PortParameters> PttKeyer::wantedPortParameters(const KeyingConfig& c)
{
    PortParameters wanted;
    wanted.portNumber = PortNumberOf(portTextOf(c));
    wanted.port = PortIdentityOf(portTextOf(c));
    if (c.method == PttMethod::Cat) {
        const RadioModel* model = RadioModelAt(c.cat.rig);
        if (!model)
            return std::nullopt;
        int stopBits = 1;
        if (model->Dialect == DialectFiveByte)
            stopBits = 2;
        else if (model->Dialect == DialectSemicolon && c.cat.baud == QLatin1String("4800"))
            stopBits = 2;
        wanted.settings = (c.cat.baud + QStringLiteral(",N,8,") + QString::number(stopBits)).toLower();
        wanted.rts = c.cat.rts == 1;
        wanted.dtr = c.cat.dtr == 1;
    } else if (c.method == PttMethod::Com) {
        wanted.settings = QStringLiteral("4800,N,8,1");
    }
    return wanted;
}

std::optional<QString> PttKeyer::openSerial(const PortParameters& wanted, const KeyingConfig& c)
{
    if (m_comPTT->isOpen()) {
        m_comPTT->flush();
        m_comPTT->close();
    }
    const std::optional<LineSettings> line = LineSettings::parse(wanted.settings);
    if (!line)
        return QStringLiteral("line settings \"%1\" refused").arg(wanted.settings);
    const QString device = deviceOf(c);
    if (device.isEmpty())
        return QStringLiteral("no such port");
    if (!m_comPTT->open(device, *line))
        return deviceFailure(device, m_comPTT->errorString());
    m_openDevice = device;
    m_openPort = portTextOf(c);
    const bool rtsSet = m_comPTT->setRts(wanted.rts);
    const bool dtrSet = m_comPTT->setDtr(wanted.dtr);
    // A CAT port without modem-control lines (a pseudo-terminal, a virtual
    // CAT port) still carries the commands; the COM method needs the lines.
    if (c.method == PttMethod::Com && !(rtsSet && dtrSet)) {
        m_comPTT->close();
        return device + QStringLiteral(": no RTS/DTR lines");
    }
    m_last = wanted;
    return std::nullopt;
}

void PttKeyer::OpenPttPort(const KeyingConfig& config)
{
    configure(config);
    const KeyingConfig& c = m_config;

    const Target target = targetOf(c);
    if (target.method == PttMethod::Rigctld)
        m_rig->release(c.rigctld.host, c.rigctld.port);
    else
        m_rig->release();

    if (c.method == PttMethod::Vox || c.method == PttMethod::Rigctld || !c.terminalKeys) {
        closeSerial();
        return;
    }

    const std::optional<PortParameters> wanted = wantedPortParameters(c);
    if (!wanted) {
        openFailed(PortIdentityOf(c.cat.port), QStringLiteral("no radio model %1").arg(c.cat.rig));
        return;
    }
    if (m_comPTT->isOpen() && *wanted == m_last)
        return;
    // The port is about to close: nothing may stay keyed through it.
    if (m_keyed && isSerial(m_keyed->target.method))
        releaseNow(KeyingReason::SettingsChanged);
    if (const auto failure = openSerial(*wanted, c))
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
    if (m_rig->unkeyPending()) {
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
    m_rig->settleWithin(QDeadlineTimer(qMax(0, m_closeWait.remainingTime())));
    finishClose();
}

void PttKeyer::finishClose()
{
    const bool waited = std::exchange(m_closePending, false);
    m_closeWait.stop();
    closeSerial();
    m_rig->closeAll();
    trace(traceEvent("closed"));
    saveState();
    if (waited)
        emit closed();
}

void PttKeyer::closeSerial()
{
    if (!m_comPTT->isOpen())
        return;
    m_comPTT->setRts(false);
    m_comPTT->setDtr(false);
    // The unkey command must reach the radio before the port goes.
    m_comPTT->flush();
    m_comPTT->close();
}

void PttKeyer::onPortFailed(const QString& reason)
{
    Target target = m_keyed ? m_keyed->target : targetOf(m_config);
    if (!isSerial(target.method))
        target = Target{PttMethod::Cat, m_openDevice, {}, m_openPort};
    fail(KeyingFailure{describe(target), reason, true});
    const bool keyedThere = m_keyed && m_keyed->target.method == PttMethod::Cat;
    if (keyedThere)
        announceLost(m_keyed->target);
    KeyingTraceLine line = traceEvent("port-lost");
    describeTo(line, target, m_keyed ? m_keyed->used : m_config);
    line.field("keyed", keyedThere ? "yes" : "no");
    line.field("detail", reason);
    trace(line);
}

void PttKeyer::openFailed(const QString& port, const QString& detail)
{
    KeyingTraceLine line = traceEvent("open-failed");
    line.field("driver", DriverName(m_config.method, m_config.terminalKeys));
    line.field("port", port);
    line.field("detail", detail);
    trace(line);
    emit portOpenFailed(port, detail);
}

// ---- The journal ------------------------------------------------------------

void PttKeyer::setJournal(KeyingJournal* journal)
{
    m_journal = journal;
    m_savedState.clear();
}

KeyingTraceLine PttKeyer::traceEvent(const char* event) const
{
    return KeyingTraceLine(m_clock ? m_clock() : QDateTime::currentMSecsSinceEpoch(), event);
}

void PttKeyer::describeTo(KeyingTraceLine& line, const Target& target, const KeyingConfig& c)
{
    line.field("driver", DriverName(target.method));
    switch (target.method) {
    case PttMethod::Cat: {
        line.field("port", target.name).field("device", target.where);
        const RadioModel* model = RadioModelAt(c.cat.rig);
        line.field("radio", model ? model->Model : QStringLiteral("%1").arg(c.cat.rig));
        break;
    }
    case PttMethod::Com:
        line.field("port", target.name).field("device", target.where).field("pin", PinName(c.com.pin));
        break;
    case PttMethod::Rigctld:
        line.field("address", target.where);
        break;
    case PttMethod::Vox:
    case PttMethod::Other:
        break;
    }
}

void PttKeyer::trace(const KeyingTraceLine& line)
{
    if (m_journal)
        m_journal->traceLine(line.text());
}

void PttKeyer::traceFailure(const char* event, const Target& target, const KeyingConfig& c, const QString& detail)
{
    KeyingTraceLine line = traceEvent(event);
    describeTo(line, target, c);
    line.field("detail", detail);
    // The same failure again (a retry each second) is not news.
    const QByteArray text = line.text();
    const QByteArray what = text.mid(text.indexOf(' '));
    if (what == m_lastFailure)
        return;
    m_lastFailure = what;
    trace(line);
}

void PttKeyer::traceSelfKeyed(const char* event, KeyingReason why)
{
    const Target target = targetOf(m_config);
    if (target.method != PttMethod::Vox && target.method != PttMethod::Other)
        return;
    KeyingTraceLine line = traceEvent(event);
    line.field("reason", ReasonName(why));
    describeTo(line, target, m_config);
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
    for (const RigctldConfig& rig : std::as_const(m_rigUnconfirmed)) {
        KeyingConfig c;
        c.method = PttMethod::Rigctld;
        c.rigctld = rig;
        add(targetOf(c), c, true);
    }
    add(targetOf(m_config), m_config, false);
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
        const KeyingConfig& c = entry.config;
        const Target target = targetOf(c);
        KeyingResult result;
        switch (target.method) {
        case PttMethod::Cat: {
            const KeyRecord record{target, c};
            result = unkeyCat(record);
            // Not the port the set-up keys with: it is opened for that later.
            if (result.ok && m_comPTT->isOpen())
                closeSerial();
            if (!result.ok) {
                showFailure(target, result.problem);
                if (!m_owed)
                    owe(record);
            }
            break;
        }
        case PttMethod::Com:
            result = releaseComLines(target.where);
            break;
        case PttMethod::Rigctld:
            m_rig->unkeyAnyway(c.rigctld);
            m_rigUnconfirmed.append(c.rigctld);
            waitForRigctld = true;
            break;
        case PttMethod::Vox:
        case PttMethod::Other:
            break;
        }
        KeyingTraceLine line = traceEvent("startup-release");
        line.field("reason", "left-keyed");
        describeTo(line, target, c);
        if (!result.ok)
            line.field("failed", result.problem);
        if (m_owed && m_owed->target == target)
            line.field("owed", "yes");
        trace(line);
    }
    saveState();
    // Before the first connection to the modem, so within a short bound.
    if (waitForRigctld)
        m_rig->settleWithin(QDeadlineTimer(m_leftKeyedWaitMs));
    return count;
}

KeyingResult PttKeyer::releaseComLines(const QString& device)
{
    std::unique_ptr<SerialPortDevice> spare;
    SerialPortDevice* port = m_comPTT.get();
    if (port->isOpen()) {
        spare = CreateSystemSerialPort();
        port = spare.get();
    }
    const std::optional<LineSettings> line = LineSettings::parse(QStringLiteral("4800,N,8,1"));
    if (!line || !port->open(device, *line))
        return {false, deviceFailure(device, port->errorString())};
    const bool rts = port->setRts(false);
    const bool dtr = port->setDtr(false);
    port->flush();
    port->close();
    if (!(rts && dtr))
        return {false, port->errorString().isEmpty() ? QStringLiteral("line refused") : port->errorString()};
    return {};
}
