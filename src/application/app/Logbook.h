#pragma once

#include "logbook/Adif.h"
#include "logbook/QsoRecord.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;
class Session;
class frmLogQso;

// What becomes of a finished QSO: a "Log QSO" window, or, without asking or
// at shutdown, the record written as it stands; written records also go to
// the loggers on the network.
class Logbook : public QObject
{
    Q_OBJECT
public:
    explicit Logbook(Session& session);

    // The rig to ask and the loggers to tell, as the settings say now.
    void applySettings();
    QString filePath() const;
    // Appends the record and sends it on; false (and the operator told,
    // unless shutting down) when the file could not be written.
    bool write(const QsoRecord& qso);
    // Shutdown: windows still open are written as they stand, and closed.
    void writeOpenWindows();
    void setWindowParent(QWidget* parent) { m_parent = parent; }
    // The terminal is closing (the connection may still be ending): records
    // are written as they stand, no window opens.
    void setClosing() { m_closing = true; }

private:
    void qsoEnded(const QsoRecord& qso, bool shuttingDown);
    bool closing() const;

    Session& m_session;
    QPointer<QWidget> m_parent;
    // Kept, so that a large file's tail is looked at once, not at every write.
    AdifFile m_file{QString()};
    QList<QPointer<frmLogQso>> m_windows;
    bool m_closing = false;
};
