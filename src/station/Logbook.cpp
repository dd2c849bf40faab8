#include "Logbook.h"

#include "Station.h"

#include "files/FileWriter.h"
#include "files/LogCategories.h"
#include "files/RegularFile.h"
#include "ptt/PttDriverFactory.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Larger than any number of QSOs a logbook would wait with.
constexpr qint64 MaxSpoolBytes = 16 << 20;

} // namespace

Logbook::Logbook(Station& station)
    : m_station(station)
{
    connect(&station.qsos, &QsoTracker::qsoEnded, this, &Logbook::qsoEnded);
}

void Logbook::applySettings()
{
    const Settings& s = m_station.s();
    // Keying by rigctld: the same rigctld, on a connection of its own.
    if (NeedsOf(s.via.value()).rigctldAddress)
        m_station.rig.setAddress(s.rigctldHost, s.rigctldPort);
    else
        m_station.rig.setAddress(s.rigControlHost, s.rigControlPort);
    m_station.loggers.configure(s.sendQsosToLoggers, s.loggerHost, s.loggerPort);
    emit m_station.loggingChanged(s.logQsos);
    m_station.qsos.configure(LogbookConfigOf(s));
    m_station.qsos.loggingChanged();
}

QString Logbook::filePath() const
{
    return QDir(m_station.logFolder()).filePath(QLatin1String(Adif::FileName));
}

QString Logbook::spoolPath() const
{
    const QFileInfo ini(m_station.settings.filePath());
    return ini.absoluteDir().filePath(ini.completeBaseName() + QStringLiteral(".adi.pending"));
}

bool Logbook::write(const QsoRecord& qso, QString*)
{
    const QByteArray record = Adif::Record(qso);
    m_waiting << Waiting{m_nextId++, record};
    qCDebug(lcLogbook) << "QSO with" << qso.call << "to the logbook," << m_waiting.size() << "record(s) waiting";
    keepWaiting();
    send();
    m_station.loggers.sendQso(qso, Adif::Header(m_station.terminal.utcNow()) + record);
    return true;
}

void Logbook::loadWaiting()
{
    const RegularFile::Read spool =
        RegularFile::ReadFile(spoolPath(), MaxSpoolBytes, RegularFile::Links::Refuse, RegularFile::Part::Head);
    if (!spool.ok) {
        if (spool.exists)
            qWarning("%s: %s", qPrintable(QDir::toNativeSeparators(spoolPath())), qPrintable(spool.why));
        return;
    }
    // One record a line: Adif::Record makes every line break a space.
    for (const QByteArray& line : spool.bytes.split('\n')) {
        const QByteArray record = line.trimmed();
        if (record.toUpper().endsWith("<EOR>"))
            m_waiting << Waiting{m_nextId++, record + "\r\n"};
    }
    if (!m_waiting.isEmpty()) {
        qCInfo(lcLogbook) << m_waiting.size() << "QSO record(s) left waiting in" << spoolPath();
        m_failing = true;
        emit waitingChanged(waiting());
    }
    send();
}

void Logbook::retryWaiting()
{
    qCDebug(lcLogbook) << "retrying" << m_waiting.size() << "QSO record(s) waiting";
    send();
}

void Logbook::send()
{
    QList<QByteArray> records;
    QList<quint64> ids;
    for (Waiting& w : m_waiting) {
        if (!w.sending) {
            w.sending = true;
            records << w.record;
            ids << w.id;
        }
    }
    if (records.isEmpty())
        return;
    const AdifFile file(filePath());
    const QDateTime now = m_station.terminal.utcNow();
    const bool queued = m_station.files.run(
        file.path(), [file, records, now](QString* why) { return file.append(records, now, why); },
        [self = QPointer<Logbook>(this), ids](bool ok, const QString& why) {
            if (self)
                self->sent(ids, ok, why);
        });
    if (!queued)
        sent(ids, false, tr("the folder does not answer"));
}

void Logbook::sent(const QList<quint64>& ids, bool ok, const QString& why)
{
    if (ok) {
        qCInfo(lcLogbook) << ids.size() << "QSO record(s) written to" << filePath();
        m_waiting.removeIf([&ids](const Waiting& w) { return ids.contains(w.id); });
        keepWaiting();
        if (m_waiting.isEmpty() && std::exchange(m_failing, false)) {
            m_told = false;
            emit waitingChanged(0);
        }
        return;
    }
    qCWarning(lcLogbook) << ids.size() << "QSO record(s) not written to" << filePath() << "(" << why << "), kept in"
                         << spoolPath();
    for (Waiting& w : m_waiting)
        if (ids.contains(w.id))
            w.sending = false;
    m_failing = true;
    emit waitingChanged(waiting());
    if (std::exchange(m_told, true))
        return;
    const QString text = tr("%n QSO record(s) could not be written to the logbook %1:\n%2\n\nThey are kept in %3 and "
                            "written as soon as the logbook can take them: at the next QSO, when the logbook "
                            "settings are opened, or at the next start.",
                            nullptr, int(m_waiting.size()))
                             .arg(QDir::toNativeSeparators(filePath()), why, QDir::toNativeSeparators(spoolPath()));
    if (closing())
        qWarning("%s", qPrintable(text));
    else
        m_station.tell({Attention::Kind::LogbookFailed, text, {}});
}

// The spool follows the records waiting: rewritten whole (atomically) while
// there are any, removed once there are none.
void Logbook::keepWaiting()
{
    const QString path = spoolPath();
    QByteArray bytes;
    for (const Waiting& w : m_waiting)
        bytes += w.record;
    const bool queued = m_station.files.run(
        path,
        [path, bytes](QString* why) {
            if (!bytes.isEmpty())
                return WriteFileAtomically(path, bytes, why);
            if (!RegularFile::Problem(path, RegularFile::Links::Refuse).isEmpty())
                return true;
            return !QFileInfo::exists(path) || QFile::remove(path);
        },
        [path, records = m_waiting.size()](bool ok, const QString& why) {
            if (ok)
                qCDebug(lcLogbook) << records << "QSO record(s) spooled in" << path;
            if (!ok)
                qWarning("QSO records waiting cannot be kept in %s: %s", qPrintable(QDir::toNativeSeparators(path)),
                         qPrintable(why));
        });
    if (!queued)
        qWarning("QSO records waiting cannot be kept in %s", qPrintable(QDir::toNativeSeparators(path)));
}

void Logbook::qsoEnded(const QsoRecord& qso, bool shuttingDown)
{
    const Settings& s = m_station.s();
    // Nobody to ask: the safe choice is the record as it stands, never none.
    if (shuttingDown || closing() || s.logWithoutAsking || !m_station.answered()) {
        write(qso);
        return;
    }
    emit m_station.qsoToLog(qso);
}

void Logbook::writeOpenWindows()
{
    // The answerers hand back what waits, through Station::logQso.
    emit m_station.requestsWithdrawn();
}

bool Logbook::closing() const
{
    return m_closing || m_station.TerminarAplicacion;
}
