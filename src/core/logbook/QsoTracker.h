#pragma once

#include "logbook/QsoRecord.h"

#include <QObject>

#include <optional>

class RigFrequency;
class SettingsStore;
class Terminal;
struct ConnectionInfo;
struct ConnectionState;

// Turns each connection that reached CONNECTED into a prefilled record at
// its end, while "Log QSOs" is on. The rig is asked its frequency at both
// ends; the record waits for the last answer (bounded by the rig's time-out)
// and keeps the last good one given during the QSO, else none.
class QsoTracker : public QObject
{
    Q_OBJECT
public:
    QsoTracker(SettingsStore& settings, ConnectionState& conn, Terminal& terminal, RigFrequency& rig,
               QObject* parent = nullptr);

    // Shutdown: a connection still open ends now, with what is known.
    void endNow();

signals:
    // shuttingDown: nobody is there to look at it.
    void qsoEnded(const QsoRecord& qso, bool shuttingDown);

private:
    void begin();
    void end(const ConnectionInfo& info);
    // The open QSO ends now and waits for the rig's last answer.
    void closeOpen();
    void finish(bool shuttingDown);

    SettingsStore& m_settings;
    ConnectionState& m_conn;
    Terminal& m_terminal;
    RigFrequency& m_rig;
    std::optional<QsoRecord> m_open;
    std::optional<QsoRecord> m_ending; // waiting for the rig's last answer
};
