#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>

// Appends each radio conversation, as the RX screen shows it, to a daily
// UTF-8 file "YYYY-MM-DD.log" (UTC date of the connection's start). Every
// event is written through at once, so a killed program loses nothing that
// was shown. A failed write keeps its text and tries again at the next event;
// the failure is signalled once per conversation.
class ConversationLog : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* DefaultFolderName = "KELDO Terminal logs";
    // Text kept while the file cannot be written; beyond it the oldest goes.
    static constexpr qsizetype MaxPending = 1 << 20;

    explicit ConversationLog(QObject* parent = nullptr);
    ~ConversationLog() override;

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
    // Text as the RX screen shows it; CR LF and a lone CR become LF.
    void text(const QString& shown);
    void connectionEnded(const QDateTime& utc);
    // A line of the terminal's own, inside a conversation or outside one
    // (then in the file of utc's date).
    void notice(const QString& line, const QDateTime& utc);
    // Shutdown: ends an open record and completes a partial line.
    void close(const QDateTime& utc);

    bool inConversation() const { return m_inConversation; }
    bool failing() const { return !m_error.isEmpty(); }
    // Why the last write failed; empty while writing works.
    QString error() const { return m_error; }
    QString currentFile() const { return m_file; }

    static QString FileNameFor(const QDate& utcDate);

signals:
    // The log cannot be written; at most once per conversation.
    void failed(const QString& message);
    // failing() or error() changed.
    void failureChanged();

private:
    void line(const QString& text);
    void append(const QByteArray& bytes);
    void flush();
    void setError(const QString& error);

    bool m_enabled = false;
    QString m_folder;
    bool m_createFolder = false;
    bool m_inConversation = false;
    bool m_reported = false;
    bool m_lineOpen = false; // the last text written did not end its line
    QString m_file;
    QByteArray m_pending;
    QString m_error;
};
