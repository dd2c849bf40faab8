#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

#include <optional>

// Asks a rigctld for the radio's frequency ("f": a bare line in Hz, or
// "RPRT -n") on a connection of its own, one question at a time and at most
// once a second. Never blocks: the answer comes as a signal.
class RigFrequency : public QObject
{
    Q_OBJECT
public:
    static constexpr int MinIntervalMs = 1000;
    static constexpr int DefaultAnswerTimeoutMs = 2000;

    explicit RigFrequency(QObject* parent = nullptr);

    // An empty host: no rig to ask.
    void setAddress(const QString& host, int port);
    bool configured() const { return !m_host.isEmpty(); }
    void setAnswerTimeout(int ms) { m_timeout.setInterval(ms); }
    void setMinInterval(int ms) { m_minIntervalMs = ms; }

    // Asks unless a question is out or one went less than a second ago;
    // settled follows in every case, later (never from within this call).
    void ask();
    // The last answer; unknown after a failed or junk one, so a stopped or
    // retuned rig never leaves an old value standing.
    std::optional<qint64> lastHz() const { return m_lastHz; }
    // A question went less than the minimum interval ago: lastHz is as fresh
    // as asking again would make it.
    bool fresh() const { return m_lastAsked.isValid() && m_lastAsked.elapsed() < m_minIntervalMs; }

signals:
    // lastHz changed (to unknown, too).
    void frequencyChanged();
    // The question was answered, refused, timed out, or not asked.
    void settled();

private:
    void writeQuestion();
    void onReadyRead();
    void giveUp();
    void setLastHz(std::optional<qint64> hz);

    QTcpSocket m_socket;
    QTimer m_timeout;
    QElapsedTimer m_lastAsked;
    QString m_host;
    quint16 m_port = 0;
    int m_minIntervalMs = MinIntervalMs;
    bool m_asking = false;
    std::optional<qint64> m_lastHz;
};
