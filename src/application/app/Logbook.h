#pragma once

#include "dialogs/frmLogQso.h"
#include "logbook/Adif.h"
#include "logbook/QsoRecord.h"

#include <QObject>
#include <QPointer>

class QWidget;
class Session;

// What becomes of a finished QSO: an entry in the "Log QSO" window, or,
// without asking or at shutdown, the record written as it stands; written
// records also go to the loggers on the network.
class Logbook : public QObject
{
    Q_OBJECT
public:
    explicit Logbook(Session& session);

    // The rig to ask and the loggers to tell, as the settings say now.
    void applySettings();
    QString filePath() const;
    // Appends the record and sends it on; false (and the operator told,
    // unless shutting down, and the reason in error) when the file could
    // not be written.
    bool write(const QsoRecord& qso, QString* error = nullptr);
    // Shutdown: every QSO waiting in the window is written as it stands, and
    // the window closed.
    void writeOpenWindows();
    void setWindowParent(QWidget* parent) { m_parent = parent; }
    // The terminal is closing (the connection may still be ending): records
    // are written as they stand, no window opens.
    void setClosing() { m_closing = true; }
    // The "Log QSO" window, once a QSO has waited in it.
    frmLogQso* window() const { return m_window; }

private:
    void qsoEnded(const QsoRecord& qso, bool shuttingDown);
    bool closing() const;

    Session& m_session;
    QPointer<QWidget> m_parent;
    // Kept, so that a large file's tail is looked at once, not at every write.
    AdifFile m_file{QString()};
    QPointer<frmLogQso> m_window;
    bool m_closing = false;
};
