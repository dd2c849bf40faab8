#include "Logbook.h"

#include "app/Session.h"
#include "dialogs/frmLogQso.h"
#include "widgets/MessageBox.h"

#include <QDir>

Logbook::Logbook(Session& session)
    : m_session(session)
{
    connect(&session.qsos, &QsoTracker::qsoEnded, this, &Logbook::qsoEnded);
}

void Logbook::applySettings()
{
    const Settings& s = m_session.s();
    // Keying by rigctld: the same rigctld, on a connection of its own.
    if (s.via == PttMethod::Rigctld)
        m_session.rig.setAddress(s.rigctldHost, s.rigctldPort);
    else
        m_session.rig.setAddress(s.rigControlHost, s.rigControlPort);
    m_session.loggers.configure(s.sendQsosToLoggers, s.loggerHost, s.loggerPort);
    m_session.presenter.showFrequencyWith(s.logQsos);
    m_session.qsos.loggingChanged();
}

QString Logbook::filePath() const
{
    return QDir(m_session.logFolder()).filePath(QLatin1String(Adif::FileName));
}

bool Logbook::write(const QsoRecord& qso, QString* reason)
{
    const QDateTime now = m_session.terminal.utcNow();
    QString error;
    if (m_file.path() != filePath())
        m_file = AdifFile(filePath());
    if (!m_file.append(qso, now, &error)) {
        const QString text = QStringLiteral("The QSO with %1 could not be written to %2.\n%3")
                                 .arg(qso.call, QDir::toNativeSeparators(filePath()), error);
        if (reason)
            *reason = text;
        if (closing())
            qWarning("%s", qPrintable(text));
        else
            MessageBox::show(m_parent, text, MessageBox::Icon::Warning);
        return false;
    }
    m_session.loggers.sendQso(qso, Adif::Header(now) + Adif::Record(qso));
    return true;
}

void Logbook::qsoEnded(const QsoRecord& qso, bool shuttingDown)
{
    const Settings& s = m_session.s();
    if (shuttingDown || closing() || s.logWithoutAsking) {
        write(qso);
        return;
    }
    if (!m_window) {
        m_window = new frmLogQso([this](const QsoRecord& q, QString* error) { return write(q, error); }, m_parent);
        // The operator is typing in the terminal: the keyboard stays there.
        m_window->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    m_window->add(qso);
}

void Logbook::writeOpenWindows()
{
    if (!m_window)
        return;
    const QList<QsoRecord> waiting = m_window->pending();
    m_window->clear();
    for (const QsoRecord& q : waiting)
        write(q);
    m_window->close();
}

bool Logbook::closing() const
{
    return m_closing || m_session.TerminarAplicacion;
}
