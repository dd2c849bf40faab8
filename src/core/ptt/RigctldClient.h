#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

// One kept TCP connection to one Hamlib rigctld, opened when the first
// command needs it. Never blocks.
//
// It holds the transmit state last asked for, not a queue of commands: that
// state is sent at once and again once a second (reconnecting as needed)
// until rigctld acknowledges it with "RPRT 0". So an unkey cannot vanish with
// a lost connection or a rigctld that is down for a while.
class RigctldClient : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultRetryIntervalMs = 1000;
    static constexpr int DefaultConnectTimeoutMs = 5000;

    RigctldClient(const QString& host, int port, QObject* parent = nullptr);
    ~RigctldClient() override;

    QString host() const { return m_host; }
    int port() const { return m_port; }
    // "rigctld localhost:4532", for messages.
    QString where() const;

    // Asks for the transmitter on or off.
    void setTransmit(bool on);
    // Nothing asked for, or the last request acknowledged.
    bool settled() const { return m_wanted == Wanted::Nothing || m_acknowledged; }
    // An unkey still waiting for its acknowledgement.
    bool unkeyPending() const { return m_wanted == Wanted::Off && !m_acknowledged; }
    // rigctld took the unkey last asked for.
    bool unkeyConfirmed() const { return m_wanted == Wanted::Off && m_acknowledged; }
    // "T 0" though this client sent no "T 1": a radio an earlier run left keyed.
    void unkeyAnyway();

    // Drops the connection and forgets what was asked for.
    void close();
    // For when no event loop runs any more (the program is ending): waits on
    // the socket alone, until deadline, for rigctld to take a pending unkey.
    void settleWithin(QDeadlineTimer deadline);

    QAbstractSocket::SocketState state() const { return m_socket.state(); }
    void setRetryInterval(int ms);
    void setConnectTimeout(int ms) { m_connectTimeoutMs = ms; }

signals:
    // A refused or lost connection, no answer, or a reply other than "RPRT 0".
    void problem(const QString& text);
    // rigctld acknowledged the state asked for.
    void confirmed(bool transmit);

private:
    enum class Wanted { Nothing, On, Off };

    void sendWanted();
    void startConnecting();
    void onConnected();
    void onReadyRead();
    // False when a line grew past the limit and the connection was dropped.
    bool takeReplyLines();
    void onError(QAbstractSocket::SocketError error);
    void onRetry();

    QTcpSocket m_socket;
    QTimer m_retry;
    QElapsedTimer m_connecting;
    QElapsedTimer m_lastSent;
    QString m_host;
    int m_port = 0;
    QByteArray m_reply;
    Wanted m_wanted = Wanted::Nothing;
    bool m_acknowledged = false;
    bool m_keyUpWritten = false; // a "T 1" went out since the last acknowledged "T 0"
    int m_awaiting = 0; // replies still due on this connection
    int m_connectTimeoutMs = DefaultConnectTimeoutMs;
};
