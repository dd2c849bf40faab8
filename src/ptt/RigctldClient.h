#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

// One kept TCP connection to Hamlib's rigctld, opened when the first command
// needs it. Commands issued while it is being made wait and go out as soon
// as it is up, in order. Never blocks.
//
// A connection lost before rigctld answered the last command gets one
// immediate new attempt with that command: an unkey must not vanish with
// the connection and leave the radio transmitting.
class RigctldClient : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultConnectTimeoutMs = 5000;

    explicit RigctldClient(QObject* parent = nullptr);
    ~RigctldClient() override;

    // A different endpoint drops the connection; the next command makes a new one.
    void setEndpoint(const QString& host, int port);
    QString host() const { return m_host; }
    int port() const { return m_port; }

    // Sends one command line (with its newline), connecting first if needed.
    void send(const QByteArray& line);

    // Hands what is already written to the system, then closes.
    void close();

    QAbstractSocket::SocketState state() const { return m_socket.state(); }
    // Commands sent whose reply has not come yet.
    int unanswered() const { return m_unanswered; }
    void setConnectTimeout(int ms) { m_connectTimeoutMs = ms; }

signals:
    // A refused or lost connection, or a reply other than "RPRT 0".
    void problem(const QString& text);

private:
    void onConnected();
    void onReadyRead();
    void onError(QAbstractSocket::SocketError error);
    void onConnectTimeout();
    void connectWith(const QByteArray& pending);
    QString where() const;

    QTcpSocket m_socket;
    QTimer m_connectTimer;
    QString m_host;
    int m_port = 0;
    QByteArray m_pending;
    QByteArray m_reply;
    QByteArray m_lastSent;   // the latest command handed to the socket
    int m_unanswered = 0;    // commands sent without their "RPRT" line yet
    bool m_retried = false;  // the latest command has had its second attempt
    int m_connectTimeoutMs = DefaultConnectTimeoutMs;
};
