#pragma once

#include "logbook/Adif.h"
#include "logbook/QsoRecord.h"

#include <QObject>

class Station;

// What becomes of a finished QSO: a request to the operator (the desktop's
// "Log QSO" window) or, without asking, at shutdown or with no front end to
// ask, the record written as it stands; records also go to the loggers on
// the network at once.
//
// No record is lost: each is first kept in a spool beside the settings file
// ("<settings name>.adi.pending") and leaves it once the logbook file has
// taken it. Records the logbook cannot take (folder missing, read-only or
// full, not a regular file, not answering) wait there and are tried again
// at the next QSO, when the logbook settings are opened and at start-up.
class Logbook : public QObject
{
    Q_OBJECT
public:
    explicit Logbook(Station& station);

    // The rig to ask and the loggers to tell, as the settings say now.
    void applySettings();
    QString filePath() const;
    QString spoolPath() const;
    // Keeps the record, hands it to the logbook file and sends it on. True
    // once it is kept: should the file not take it, it waits (and the
    // operator is told, once, unless shutting down).
    bool write(const QsoRecord& qso, QString* error = nullptr);
    // Start-up: the records left waiting by the last run, tried again.
    void loadWaiting();
    // Records waiting are tried again.
    void retryWaiting();
    // Records the logbook file has not taken after a failed try.
    int waiting() const { return m_failing ? int(m_waiting.size()) : 0; }
    // Shutdown: every QSO waiting for an answer is written as it stands.
    void writeOpenWindows();
    // The terminal is closing (the connection may still be ending): records
    // are written as they stand, nobody is asked.
    void setClosing() { m_closing = true; }

signals:
    // waiting() changed.
    void waitingChanged(int count);

private:
    void qsoEnded(const QsoRecord& qso, bool shuttingDown);
    bool closing() const;
    void send();
    void sent(const QList<quint64>& ids, bool ok, const QString& why);
    void keepWaiting();

    Station& m_station;
    // Records (Adif::Record's bytes) not yet confirmed in the logbook file;
    // those handed to the writer are not handed again until it answers.
    struct Waiting
    {
        quint64 id;
        QByteArray record;
        bool sending = false;
    };
    QList<Waiting> m_waiting;
    quint64 m_nextId = 0;
    bool m_failing = false;
    bool m_told = false;
    bool m_closing = false;
};
