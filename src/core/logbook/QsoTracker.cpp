#include "QsoTracker.h"

#include "link/ConnectionState.h"
#include "logbook/RigFrequency.h"
#include "settings/CallSign.h"
#include "settings/Settings.h"
#include "terminal/Terminal.h"

QsoTracker::QsoTracker(SettingsStore& settings, ConnectionState& conn, Terminal& terminal, RigFrequency& rig,
                       QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_conn(conn)
    , m_terminal(terminal)
    , m_rig(rig)
{
    connect(&terminal, &Terminal::connectionStarted, this, &QsoTracker::begin);
    connect(&terminal, &Terminal::connectionChanged, this, &QsoTracker::end);
    connect(&rig, &RigFrequency::settled, this, [this] {
        // Only answers given during the QSO count: a failed one keeps the
        // last good answer of this QSO, never one of an earlier QSO.
        const std::optional<qint64> hz = m_rig.lastHz();
        if (m_ending) {
            if (hz)
                m_ending->frequencyHz = hz;
            finish(false);
        } else if (m_open && hz) {
            m_open->frequencyHz = hz;
        }
    });
}

void QsoTracker::begin()
{
    const Settings& s = m_settings.s();
    if (!s.logQsos)
        return;
    // A connection ending while the last one waits for the rig: that one goes as it is.
    if (m_ending)
        finish(false);
    const QString call = CallSignBase(m_conn.OtherStation());
    // CONNECTED again with no end between: the same station goes on; another
    // one ends the QSO before (its record settles with the rig's answer below).
    if (m_open && m_open->call == call)
        return;
    closeOpen();
    QsoRecord q;
    q.call = call;
    q.stationCallsign = CallSignBase(s.myCallsign);
    q.comment = Terminal::CallChain(m_conn);
    q.timeOn = m_terminal.utcNow().toUTC();
    q.mode = s.logMode;
    q.submode = s.logSubmode;
    m_open = q;
    m_rig.ask();
}

void QsoTracker::end(const ConnectionInfo& info)
{
    if (info.phase == ConnectionPhase::Connected || !m_open)
        return;
    closeOpen();
    if (!m_rig.configured())
        finish(false);
    else
        m_rig.ask();
}

void QsoTracker::endNow()
{
    closeOpen();
    if (m_ending)
        finish(true);
}

void QsoTracker::closeOpen()
{
    if (!m_open)
        return;
    m_open->timeOff = m_terminal.utcNow().toUTC();
    m_ending = std::exchange(m_open, std::nullopt);
}

void QsoTracker::finish(bool shuttingDown)
{
    const QsoRecord q = *std::exchange(m_ending, std::nullopt);
    emit qsoEnded(q, shuttingDown);
}
