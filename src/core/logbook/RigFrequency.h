#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

#include <optional>

// Why a question got no frequency.
enum class RigAnswerFailure {
    NoAnswer, // no connection, or no answer in time
    NotAFrequency, // "RPRT -n", junk, nan, inf, negative, absurd
    TooLong, // a line past MaxLineBytes: the connection is dropped
};

// Asks a rigctld for the radio's frequency ("f": a bare line in Hz, or
// "RPRT -n") on a connection of its own, one question at a time and at most
// once a second. Never blocks: the answer comes as a signal. Each question
// has a number; an answer counts only for the question it answers, so a
// caller never takes an older answer for the one it asked.
class RigFrequency : public QObject
{
    Q_OBJECT
public:
    static constexpr int MinIntervalMs = 1000;
    static constexpr int DefaultAnswerTimeoutMs = 2000;
    // An "f" answer is a short number: a longer line is no answer, and what
    // the socket holds stays small.
    static constexpr qint64 MaxLineBytes = 256;

    // The number of a question; 0 is none.
    using Question = quint64;

    explicit RigFrequency(QObject* parent = nullptr);

    // An empty host: no rig to ask.
    void setAddress(const QString& host, int port);
    bool configured() const { return !m_host.isEmpty(); }
    void setAnswerTimeout(int ms) { m_timeout.setInterval(ms); }
    void setMinInterval(int ms) { m_minIntervalMs = ms; }

    // Asks unless a question is out (its number is returned) or one was
    // answered less than the minimum interval ago (that one's number);
    // settled follows in every case, later (never from within this call).
    // With no rig, 0.
    Question ask();
    // The frequency answered to question q or a later one; nothing while it
    // is unanswered, or when the answer was no frequency.
    std::optional<qint64> answerTo(Question q) const;
    // The number of the last question asked; 0 before the first.
    Question lastAsked() const { return m_asked; }
    // Question q (or a later one) has its answer, good or not.
    bool answered(Question q) const { return q != 0 && m_answered >= q; }
    // The last answer; unknown after a failed or junk one, so a stopped or
    // retuned rig never leaves an old value standing.
    std::optional<qint64> lastHz() const { return m_lastHz; }
    // A question was answered less than the minimum interval ago: lastHz is
    // as fresh as asking again would make it.
    bool fresh() const
    {
        return !m_asking && m_answered != 0 && m_answeredAt.isValid() && m_answeredAt.elapsed() < m_minIntervalMs;
    }
    // What the socket holds unread: bounded whatever the rig sends.
    qint64 bufferedBytes() const { return m_socket.bytesAvailable(); }

signals:
    // lastHz changed (to unknown, too).
    void frequencyChanged();
    // The question was answered, refused, timed out, or not asked.
    void settled();
    // The question out got no frequency, and why.
    void answerFailed(RigAnswerFailure why);

private:
    void writeQuestion();
    void onReadyRead();
    void giveUp(RigAnswerFailure why);
    void answer(std::optional<qint64> hz);
    void setLastHz(std::optional<qint64> hz);

    QTcpSocket m_socket;
    QTimer m_timeout;
    QElapsedTimer m_answeredAt;
    QString m_host;
    quint16 m_port = 0;
    int m_minIntervalMs = MinIntervalMs;
    bool m_asking = false;
    Question m_asked = 0; // the last question asked
    Question m_answered = 0; // the question lastHz answers
    std::optional<qint64> m_lastHz;
};
