#include "ConversationLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString Time(const QDateTime& utc)
{
    return utc.toUTC().time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

ConversationLog::ConversationLog(QObject* parent)
    : QObject(parent)
{ }

ConversationLog::~ConversationLog() = default;

QString ConversationLog::FileNameFor(const QDate& utcDate)
{
    return utcDate.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log");
}

void ConversationLog::setEnabled(bool on, const QDateTime& utc)
{
    if (on == m_enabled)
        return;
    if (!on && m_inConversation) {
        line(QStringLiteral("******* Logging switched off  ") + Time(utc) + QStringLiteral(" UTC"));
        m_inConversation = false;
    }
    m_enabled = on;
}

void ConversationLog::setFolder(const QString& folder, bool createIfMissing)
{
    m_folder = folder;
    m_createFolder = createIfMissing;
    // A new folder takes over the conversation going on, and whatever could
    // not be written to the old one.
    if (!m_file.isEmpty()) {
        m_file = QDir(m_folder).filePath(QFileInfo(m_file).fileName());
        flush();
    }
}

void ConversationLog::connectionBegan(const QString& callChain, const QDateTime& utc)
{
    if (!m_enabled)
        return;
    if (m_inConversation)
        connectionEnded(utc);
    // A new conversation goes to its own day's file; text still waiting for
    // the old file stays in front of it (and so goes to the new file).
    m_file = QDir(m_folder).filePath(FileNameFor(utc.toUTC().date()));
    m_inConversation = true;
    m_reported = false;
    const QDateTime u = utc.toUTC();
    if (QFileInfo(m_file).size() > 0 || !m_pending.isEmpty())
        line(QString());
    line(QStringLiteral("******* ") + callChain + QStringLiteral(" *******  ")
         + u.date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') + Time(u) + QStringLiteral(" UTC"));
}

void ConversationLog::speaker(QChar mark, const QString& call, const QDateTime& utc)
{
    if (m_inConversation)
        line(mark + call + QStringLiteral("  ") + Time(utc) + QStringLiteral(" UTC"));
}

void ConversationLog::text(const QString& shown)
{
    if (!m_inConversation || shown.isEmpty())
        return;
    QString t = shown;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    append(t.toUtf8());
    m_lineOpen = !t.endsWith(QLatin1Char('\n'));
    flush();
}

void ConversationLog::connectionEnded(const QDateTime& utc)
{
    if (!m_inConversation)
        return;
    line(QStringLiteral("******* Connection ended  ") + Time(utc) + QStringLiteral(" UTC"));
    m_inConversation = false;
}

void ConversationLog::notice(const QString& text, const QDateTime& utc)
{
    if (!m_enabled)
        return;
    if (!m_inConversation)
        m_file = QDir(m_folder).filePath(FileNameFor(utc.toUTC().date()));
    line(text);
}

void ConversationLog::close(const QDateTime& utc)
{
    if (m_inConversation) {
        line(QStringLiteral("******* Terminal closed  ") + Time(utc) + QStringLiteral(" UTC"));
        m_inConversation = false;
    } else if (m_lineOpen) {
        append("\n");
        m_lineOpen = false;
    }
    flush();
}

// One whole line, after completing a partial one.
void ConversationLog::line(const QString& text)
{
    QByteArray bytes;
    if (m_lineOpen)
        bytes.append('\n');
    bytes.append(text.toUtf8());
    bytes.append('\n');
    m_lineOpen = false;
    append(bytes);
    flush();
}

void ConversationLog::append(const QByteArray& bytes)
{
    m_pending.append(bytes);
    if (m_pending.size() > MaxPending) {
        static const QByteArray gap = QByteArrayLiteral("\n[... text not logged ...]\n");
        m_pending = gap + m_pending.right(MaxPending - gap.size());
    }
}

void ConversationLog::flush()
{
    if (m_pending.isEmpty() || m_file.isEmpty())
        return;
    if (m_createFolder && !QFileInfo::exists(m_folder))
        QDir().mkpath(m_folder);
    // Opened per write: a folder that disappears is noticed at once, and
    // nothing sits in a buffer of ours when the program is killed.
    QFile file(m_file);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        setError(file.errorString());
        return;
    }
    const qint64 written = file.write(m_pending);
    if (written > 0)
        m_pending.remove(0, written);
    if (!m_pending.isEmpty()) {
        setError(file.errorString().isEmpty() ? QStringLiteral("the disk is full") : file.errorString());
        return;
    }
    setError(QString());
}

void ConversationLog::setError(const QString& error)
{
    if (error != m_error) {
        m_error = error;
        emit failureChanged();
    }
    if (!error.isEmpty() && !m_reported) {
        m_reported = true;
        emit failed(
            QStringLiteral("The conversation log cannot be written to ") + QDir::toNativeSeparators(m_file)
            + QStringLiteral(": ") + error
            + QStringLiteral(".\nThe conversation goes on; logging resumes as soon as the file can be written."));
    }
}
