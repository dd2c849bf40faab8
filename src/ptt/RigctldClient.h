#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

// One kept TCP connection to Hamlib's rigctld, opened when the first command
// needs it. Commands issued while it is being made wait and go out as soon
// as it is up, in order. Never blocks.
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
    void setConnectTimeout(int ms) { m_connectTimeoutMs = ms; }

signals:
    // A refused or lost connection, or a reply other than "RPRT 0".
    void problem(const QString& text);

private:
    void onConnected();
    void onReadyRead();
    void onError(QAbstractSocket::SocketError error);
    void onConnectTimeout();
    QString where() const;

    QTcpSocket m_socket;
    QTimer m_connectTimer;
    QString m_host;
    int m_port = 0;
    QByteArray m_pending;
    QByteArray m_reply;
    int m_connectTimeoutMs = DefaultConnectTimeoutMs;
};
