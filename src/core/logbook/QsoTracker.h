#pragma once

#include "logbook/LogbookConfig.h"
#include "logbook/QsoRecord.h"
#include "logbook/RigFrequency.h"

#include <QObject>

#include <optional>

class Terminal;
struct ConnectionInfo;
struct ConnectionState;

// Turns each connection that reached CONNECTED into a prefilled record at
// its end, when "Log QSOs" is on then (ticked during the QSO counts). The rig
// is asked its frequency at both ends; the record waits for the answer to
// its last question (bounded by the rig's time-out) and keeps the last good
// answer to a question asked during the QSO, else none.
class QsoTracker : public QObject
{
    Q_OBJECT
public:
    QsoTracker(const LogbookConfig& config, ConnectionState& conn, Terminal& terminal, RigFrequency& rig,
               QObject* parent = nullptr);

    // What the settings ask of the logbook from now on; then loggingChanged().
    void configure(const LogbookConfig& config) { m_config = config; }

    // Shutdown: a connection still open ends now, with what is known.
    void endNow();
    // "Log QSOs" may have changed: ticked during a QSO, the rig is asked.
    void loggingChanged();

signals:
    // shuttingDown: nobody is there to look at it.
    void qsoEnded(const QsoRecord& qso, bool shuttingDown);

private:
    bool logging() const;
    void begin();
    void end(const ConnectionInfo& info);
    void askDuringQso();
    // The open QSO ends now; logged, it waits for the rig's last answer.
    void closeOpen();
    // The ending QSO goes once its question is answered (or there is no rig).
    void settleEnding();
    void finish(bool shuttingDown);

    LogbookConfig m_config;
    ConnectionState& m_conn;
    Terminal& m_terminal;
    RigFrequency& m_rig;
    std::optional<QsoRecord> m_open;
    std::optional<QsoRecord> m_ending; // waiting for the rig's last answer
    RigFrequency::Question m_openQuestion = 0; // answers to it and later ones are the open QSO's
    RigFrequency::Question m_endQuestion = 0; // the ending QSO's last question
};
