#include "RemoteLog.h"

#include "WebClock.h"
#include "files/FileWriter.h"

#include <QDir>
#include <QFileInfo>

RemoteLog::RemoteLog(FileWriter* files, QString path, const WebClock& clock)
    : m_files(files)
    , m_path(std::move(path))
    , m_clock(clock)
{
    // The logs folder may not be there yet; its queue makes it first.
    if (m_files && !m_path.isEmpty())
        m_files->run(m_path, [folder = QFileInfo(m_path).absolutePath()](QString*) { return QDir().mkpath(folder); });
}

void RemoteLog::write(const QHostAddress& from, const QString& what) const
{
    write(QStringLiteral("%1 %2").arg(from.isNull() ? QStringLiteral("-") : from.toString(), what));
}

void RemoteLog::write(const QString& what) const
{
    if (!m_files || m_path.isEmpty())
        return;
    QByteArray line = m_clock.now().toUTC().toString(Qt::ISODate).toLatin1() + ' ';
    // One line of printable ASCII, whatever a client sent.
    for (const QChar c : what)
        line += c.unicode() >= 0x20 && c.unicode() < 0x7f ? char(c.unicode()) : '?';
    m_files->appendRotating(m_path, line + '\n', MaxBytes);
}
