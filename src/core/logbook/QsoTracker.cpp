#include "QsoTracker.h"

#include "files/LogCategories.h"
#include "link/ConnectionState.h"
#include "logbook/RigFrequency.h"
#include "settings/CallSign.h"
#include "terminal/Terminal.h"

QsoTracker::QsoTracker(const LogbookConfig& config, ConnectionState& conn, Terminal& terminal, RigFrequency& rig,
                       QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_conn(conn)
    , m_terminal(terminal)
    , m_rig(rig)
{
    connect(&terminal, &Terminal::connectionStarted, this, &QsoTracker::begin);
    connect(&terminal, &Terminal::connectionChanged, this, &QsoTracker::end);
    connect(&rig, &RigFrequency::settled, this, [this] {
        // Only answers to questions asked during the QSO count: a failed one
        // keeps the last good answer of this QSO, never one of an earlier QSO.
        settleEnding();
        if (m_open) {
            if (const auto hz = m_rig.answerTo(m_openQuestion))
                m_open->frequencyHz = hz;
        }
    });
}

bool QsoTracker::logging() const
{
    return m_config.logQsos;
}

void QsoTracker::begin()
{
    // A connection ending while the last one waits for the rig: that one goes as it is.
    if (m_ending)
        finish(false);
    const QString call = CallSignBase(m_conn.OtherStation());
    // CONNECTED again with no end between: the same station goes on; another
    // one ends the QSO before (its record settles with the rig's answer below).
    if (m_open && m_open->call == call)
        return;
    closeOpen();
    // With no rig to wait for, the QSO before goes at once.
    if (!m_rig.configured())
        settleEnding();
    // Every connection is followed, so that ticking Log QSOs during one
    // logs it; the record is made at its end.
    QsoRecord q;
    q.call = call;
    q.stationCallsign = CallSignBase(m_config.myCall);
    q.comment = Terminal::CallChain(m_conn);
    q.timeOn = m_terminal.utcNow().toUTC();
    m_open = q;
    m_openQuestion = 0;
    if (logging())
        askDuringQso();
}

void QsoTracker::loggingChanged()
{
    // Ticked during a QSO: the rig is asked now, as at its start.
    if (logging() && m_open && m_openQuestion == 0)
        askDuringQso();
}

void QsoTracker::askDuringQso()
{
    m_openQuestion = m_rig.ask();
    // With no rig now, a question asked later in the QSO still counts.
    if (m_openQuestion == 0)
        m_openQuestion = m_rig.lastAsked() + 1;
}

void QsoTracker::settleEnding()
{
    if (!m_ending || (m_rig.configured() && !m_rig.answered(m_endQuestion)))
        return;
    if (const auto hz = m_rig.answerTo(m_endQuestion))
        m_ending->frequencyHz = hz;
    finish(false);
}

void QsoTracker::end(const ConnectionInfo& info)
{
    if (info.phase == ConnectionPhase::Connected || !m_open)
        return;
    closeOpen();
    if (!m_ending)
        return;
    if (!m_rig.configured())
        finish(false);
    else
        m_endQuestion = m_rig.ask();
}

void QsoTracker::endNow()
{
    if (m_ending)
        finish(true);
    closeOpen();
    if (m_ending)
        finish(true);
}

void QsoTracker::closeOpen()
{
    if (!m_open)
        return;
    QsoRecord q = *std::exchange(m_open, std::nullopt);
    // Not logged when Log QSOs is off as the QSO ends.
    if (!logging())
        return;
    // One still waiting for the rig goes as it is, never replaced.
    if (m_ending)
        finish(false);
    q.timeOff = m_terminal.utcNow().toUTC();
    q.mode = m_config.mode;
    q.submode = m_config.submode;
    q.myGridSquare = m_config.myLocator;
    q.txPower = m_config.txPower;
    m_ending = q;
    // An answer to a question asked during the QSO ends its wait too.
    m_endQuestion = m_openQuestion != 0 ? m_openQuestion : m_rig.lastAsked() + 1;
}

void QsoTracker::finish(bool shuttingDown)
{
    const QsoRecord q = *std::exchange(m_ending, std::nullopt);
    qCDebug(lcLogbook) << "QSO with" << q.call << "ended, frequency" << q.frequencyHz.value_or(0) << "Hz";
    emit qsoEnded(q, shuttingDown);
}
