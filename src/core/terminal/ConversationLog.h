#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>

class FileWriter;

// Appends each radio conversation, as the RX screen shows it, to a daily
// UTF-8 file "YYYY-MM-DD.log" (UTC date of the connection's start). Every
// event is handed to the writer at once, so a killed program loses nothing
// that was shown. A failed write keeps its text and tries again at the next
// event; the failure is signalled once per conversation. Only a regular file
// is written (a link, a pipe or a device at the file's path is refused).
class ConversationLog : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* DefaultFolderName = "KELDO Terminal logs";
    // Text kept while the file cannot be written; beyond it the oldest goes.
    static constexpr qsizetype MaxPending = 1 << 20;
    // Text that may pile up behind a write under way.
    static constexpr qsizetype MaxWhileWriting = 16 * MaxPending;

    explicit ConversationLog(QObject* parent = nullptr);
    ~ConversationLog() override;

    // Writes go through writer from now on (nullptr: written at once, on
    // the caller's thread).
    void setWriter(FileWriter* writer) { m_writer = writer; }

    // Switching off during a conversation closes its record.
    void setEnabled(bool on, const QDateTime& utc);
    bool enabled() const { return m_enabled; }
    // createIfMissing: the default folder is made on first use; a folder the
    // operator chose is not re-created once it is gone.
    void setFolder(const QString& folder, bool createIfMissing);
    QString folder() const { return m_folder; }

    // The events of a conversation.
    void connectionBegan(const QString& callChain, const QDateTime& utc);
    void speaker(QChar mark, const QString& call, const QDateTime& utc);
    // Text as the RX screen shows it (the echo of own text); CR LF and a
    // lone CR become LF, control characters their pictures.
    void text(const QString& shown);
    // Received bytes (ANSI code page), converted as text() converts the
    // screen's form of them, in one pass.
    void received(const char* data, qsizetype size);
    // A line worded by the caller, written whole: into the conversation's
    // file during one, otherwise into the file of utc's date.
    void notice(const QString& line, const QDateTime& utc);
    void connectionEnded(const QDateTime& utc);
    // Shutdown: ends an open record and completes a partial line.
    void close(const QDateTime& utc);

    bool inConversation() const { return m_inConversation; }
    bool failing() const { return !m_error.isEmpty(); }
    // Why the last write failed; empty while writing works.
    QString error() const { return m_error; }

    static QString FileNameFor(const QDate& utcDate);

signals:
    // The log cannot be written; at most once per conversation.
    void failed(const QString& message);
    // failing() or error() changed.
    void failureChanged();

private:
    void line(const QString& text);
    void append(const QByteArray& bytes);
    // Room for at most `room` bytes at the end of the pending text; commit()
    // takes what was written up to `end`.
    char* reserve(qsizetype room);
    void commit(const char* end);
    void dropOldest();
    qsizetype pendingSize() const { return m_pending.size() - m_head; }
    void flush();
    void written(bool ok, const QString& why);
    void setError(const QString& error);

    // What was handed over for the file and not yet written; shared with
    // the writer's thread.
    struct Outbox;
    std::shared_ptr<Outbox> m_outbox;
    FileWriter* m_writer = nullptr;

    bool m_enabled = false;
    QString m_folder;
    bool m_createFolder = false;
    bool m_inConversation = false;
    bool m_reported = false;
    bool m_lineOpen = false; // the last text written did not end its line
    QString m_file;
    QByteArray m_pending;
    qsizetype m_head = 0; // bytes of m_pending already written or dropped
    QString m_error;
};
