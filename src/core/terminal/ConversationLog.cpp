#include "ConversationLog.h"

#include "encoding/AnsiCodec.h"
#include "encoding/ControlPictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

QString Time(const QDateTime& utc)
{
    return utc.toUTC().time().toString(QStringLiteral("HH:mm:ss"));
}

inline char* PutUtf8(char* w, char32_t c)
{
    if (c < 0x80) {
        *w++ = char(c);
    } else if (c < 0x800) {
        *w++ = char(0xC0 | (c >> 6));
        *w++ = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *w++ = char(0xE0 | (c >> 12));
        *w++ = char(0x80 | ((c >> 6) & 0x3F));
        *w++ = char(0x80 | (c & 0x3F));
    } else {
        *w++ = char(0xF0 | (c >> 18));
        *w++ = char(0x80 | ((c >> 12) & 0x3F));
        *w++ = char(0x80 | ((c >> 6) & 0x3F));
        *w++ = char(0x80 | (c & 0x3F));
    }
    return w;
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
    if (QFileInfo(m_file).size() > 0 || pendingSize() > 0)
        line(QString());
    line(QStringLiteral("******* ") + callChain + QStringLiteral(" *******  ")
         + u.date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') + Time(u) + QStringLiteral(" UTC"));
}

void ConversationLog::speaker(QChar mark, const QString& call, const QDateTime& utc)
{
    if (m_inConversation)
        line(mark + call + QStringLiteral("  ") + Time(utc) + QStringLiteral(" UTC"));
}

// The conversions below run once over the text, straight into the pending
// bytes: a flood of short lines must cost no more than its length.
void ConversationLog::text(const QString& shown)
{
    if (!m_inConversation || shown.isEmpty())
        return;
    const qsizetype n = shown.size();
    const char16_t* p = reinterpret_cast<const char16_t*>(shown.constData());
    char* w = reserve(3 * n);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        if (c == u'\r') {
            *w++ = '\n';
            if (i + 1 < n && p[i + 1] == u'\n')
                ++i;
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            w = PutUtf8(w, QChar::surrogateToUcs4(c, p[i + 1]));
            ++i;
        } else if (QChar::isSurrogate(c)) {
            w = PutUtf8(w, QChar::ReplacementCharacter);
        } else {
            w = PutUtf8(w, ControlPictures::visible(c));
        }
    }
    commit(w);
}

void ConversationLog::received(const char* data, qsizetype size)
{
    if (!m_inConversation || size <= 0)
        return;
    char* w = reserve(3 * size);
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char b = static_cast<unsigned char>(data[i]);
        if (b == '\r') {
            *w++ = '\n';
            if (i + 1 < size && data[i + 1] == '\n')
                ++i;
        } else if (b >= 0x20 && b < 0x7F) {
            *w++ = char(b);
        } else {
            w = PutUtf8(w, ControlPictures::visible(Ansi::byteToChar(b).unicode()));
        }
    }
    commit(w);
}

void ConversationLog::notice(const QString& text, const QDateTime& utc)
{
    if (!m_enabled)
        return;
    // Outside a conversation no record is opened: the line goes to its day's
    // file, behind whatever still waits to be written.
    if (!m_inConversation)
        m_file = QDir(m_folder).filePath(FileNameFor(utc.toUTC().date()));
    line(text);
}

void ConversationLog::connectionEnded(const QDateTime& utc)
{
    if (!m_inConversation)
        return;
    line(QStringLiteral("******* Connection ended  ") + Time(utc) + QStringLiteral(" UTC"));
    m_inConversation = false;
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

// One whole line, after completing a partial one; line breaks in it are shown, not made.
void ConversationLog::line(const QString& text)
{
    QByteArray bytes;
    if (m_lineOpen)
        bytes.append('\n');
    bytes.append(ControlPictures::visible(text, false).toUtf8());
    bytes.append('\n');
    m_lineOpen = false;
    append(bytes);
    flush();
}

void ConversationLog::append(const QByteArray& bytes)
{
    m_pending.append(bytes);
    dropOldest();
}

char* ConversationLog::reserve(qsizetype room)
{
    const qsizetype at = m_pending.size();
    m_pending.resize(at + room);
    return m_pending.data() + at;
}

void ConversationLog::commit(const char* end)
{
    const qsizetype size = end - m_pending.constData();
    m_pending.truncate(size);
    if (size > m_head)
        m_lineOpen = m_pending.at(size - 1) != '\n';
    // Written before anything is dropped: a large arrival is no reason to lose text.
    flush();
    dropOldest();
}

// Keeps the newest MaxPending bytes, the oldest of them overwritten by a
// mark of the gap. The dead front is cut off only once it has grown as large
// as what is kept, so each byte is moved a bounded number of times.
void ConversationLog::dropOldest()
{
    if (pendingSize() > MaxPending) {
        static const QByteArray gap = QByteArrayLiteral("\n[... text not logged ...]\n");
        m_head = m_pending.size() - MaxPending;
        std::copy(gap.begin(), gap.end(), m_pending.begin() + m_head);
    }
    if (m_head > MaxPending) {
        m_pending.remove(0, m_head);
        m_head = 0;
    }
}

void ConversationLog::flush()
{
    if (pendingSize() == 0 || m_file.isEmpty())
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
    const qint64 written = file.write(m_pending.constData() + m_head, pendingSize());
    if (written > 0)
        m_head += written;
    if (pendingSize() > 0) {
        setError(file.errorString().isEmpty() ? QStringLiteral("the disk is full") : file.errorString());
        return;
    }
    m_pending.clear();
    m_head = 0;
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
