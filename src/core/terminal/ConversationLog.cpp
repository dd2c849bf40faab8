#include "ConversationLog.h"

#include "encoding/AnsiCodec.h"
#include "encoding/ControlPictures.h"
#include "files/FileWriter.h"
#include "files/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>
#include <mutex>

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

// Stands where a conversation starts: a blank line before it, unless it
// opens the file. Control characters never reach the bytes otherwise (they
// are written as their pictures).
constexpr char Separator = '\x01';

const QByteArray& Gap()
{
    static const QByteArray gap = QByteArrayLiteral("\n[... text not logged ...]\n");
    return gap;
}

// Keeps the newest max bytes after head, the oldest of them overwritten by
// a mark of the gap. The dead front is cut off only once it has grown as
// large as what is kept, so each byte is moved a bounded number of times.
void KeepNewest(QByteArray& bytes, qsizetype& head, qsizetype max)
{
    if (bytes.size() - head > max) {
        head = bytes.size() - max;
        std::copy(Gap().begin(), Gap().end(), bytes.begin() + head);
    }
    if (head > max) {
        bytes.remove(0, head);
        head = 0;
    }
}

} // namespace

struct ConversationLog::Outbox
{
    std::mutex mutex;
    QByteArray bytes;
    qsizetype head = 0;
    QString file;
    QString folder;
    bool createFolder = false;
    // A write is queued or under way: it takes what is added meanwhile.
    bool active = false;

    // Writes until nothing is left; what fails goes back in front.
    bool drain(QString* why)
    {
        for (;;) {
            QByteArray chunk;
            QString path;
            QString makeFolder;
            {
                std::lock_guard lock(mutex);
                if (bytes.size() == head) {
                    bytes.clear();
                    head = 0;
                    active = false;
                    return true;
                }
                chunk = bytes.mid(head);
                bytes.clear();
                head = 0;
                path = file;
                if (createFolder)
                    makeFolder = folder;
            }
            if (!makeFolder.isEmpty() && !QFileInfo::exists(makeFolder))
                QDir().mkpath(makeFolder);
            QByteArray out = chunk;
            if (out.startsWith(Separator)) {
                const QFileInfo info(path);
                if (info.exists() && info.size() > 0)
                    out[0] = '\n';
                else
                    out.remove(0, 1);
            }
            out.replace(Separator, '\n');
            if (!RegularFile::Append(path, out, RegularFile::Links::Refuse, why)) {
                std::lock_guard lock(mutex);
                bytes.prepend(chunk);
                KeepNewest(bytes, head, MaxPending);
                active = false;
                return false;
            }
        }
    }
};

ConversationLog::ConversationLog(QObject* parent)
    : QObject(parent)
    , m_outbox(std::make_shared<Outbox>())
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
    // Whether the file holds anything is for the writer to see: asking here
    // could hang on a folder that does not answer.
    if (m_lineOpen)
        line(QString());
    else
        append(QByteArray(1, Separator));
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

void ConversationLog::dropOldest()
{
    KeepNewest(m_pending, m_head, MaxPending);
}

void ConversationLog::flush()
{
    if (m_file.isEmpty())
        return;
    Outbox& box = *m_outbox;
    {
        std::lock_guard lock(box.mutex);
        box.bytes.append(m_pending.constData() + m_head, pendingSize());
        m_pending.clear();
        m_head = 0;
        box.file = m_file;
        box.folder = m_folder;
        box.createFolder = m_createFolder;
        if (box.active) {
            // A write that does not come back must not let the text grow
            // without end; one that is merely busy is given room for a flood.
            KeepNewest(box.bytes, box.head, MaxWhileWriting);
            return;
        }
        if (box.bytes.size() == box.head)
            return;
        box.active = true;
    }
    // Opened per write: a folder that disappears is noticed at once, and
    // nothing sits in a buffer of ours when the program is killed.
    if (!m_writer) {
        QString why;
        const bool ok = box.drain(&why);
        written(ok, why);
        return;
    }
    const std::shared_ptr<Outbox> shared = m_outbox;
    const bool queued = m_writer->run(
        m_file, [shared](QString* why) { return shared->drain(why); },
        [self = QPointer<ConversationLog>(this)](bool ok, const QString& why) {
            if (self)
                self->written(ok, why);
        });
    if (!queued) {
        {
            std::lock_guard lock(box.mutex);
            box.active = false;
            KeepNewest(box.bytes, box.head, MaxPending);
        }
        written(false, tr("the folder does not answer"));
    }
}

void ConversationLog::written(bool ok, const QString& why)
{
    if (ok) {
        setError(QString());
        return;
    }
    {
        // Given up after a stall: the next event tries again.
        std::lock_guard lock(m_outbox->mutex);
        m_outbox->active = false;
    }
    setError(why.isEmpty() ? tr("the disk is full") : why);
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
            tr("The conversation log cannot be written to %1: %2.\nThe conversation goes on; logging resumes as "
               "soon as the file can be written.")
                .arg(QDir::toNativeSeparators(m_file), error));
    }
}
