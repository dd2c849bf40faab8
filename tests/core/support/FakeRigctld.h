#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A stand-in for rigctld: records the command lines and answers each with
// the reply the test sets. It can also hold its answers back (to give them
// late, or never), or answer with a line that never ends. Core only.
class FakeRigctld : public QObject
{
public:
    QByteArray reply = "RPRT 0\n";
    // Connections to close on their first command, unanswered.
    int dropConnections = 0;
    // Commands are recorded but not answered; answer() gives a held answer.
    bool hold = false;
    // Each command is answered by an endless line (up to floodLimit bytes,
    // written as the client takes them).
    bool flood = false;
    qint64 floodLimit = qint64(256) << 20;
    qint64 flooded = 0;
    QByteArray received;
    int accepts = 0;
    QPointer<QTcpSocket> client;

    bool listen(quint16 port = 0)
    {
        if (!m_server.listen(QHostAddress::LocalHost, port))
            return false;
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection()) {
                ++accepts;
                client = s;
                const bool drop = dropConnections > 0;
                if (drop)
                    --dropConnections;
                connect(s, &QTcpSocket::readyRead, this, [this, s, drop] {
                    const QByteArray bytes = s->readAll();
                    received += bytes;
                    if (drop) {
                        s->abort();
                        return;
                    }
                    if (flood) {
                        floodOn(s);
                        return;
                    }
                    if (hold)
                        return;
                    for (int i = 0; i < bytes.count('\n'); ++i)
                        s->write(reply);
                });
            }
        });
        return true;
    }
    // Writes text on the newest connection, as a late answer.
    void answer(const QByteArray& text)
    {
        if (client)
            client->write(text);
    }
    quint16 port() const { return m_server.serverPort(); }
    void close() { m_server.close(); }

private:
    // A megabyte at a time, only once the last one went: the stand-in holds
    // little, so the memory that grows is the client's.
    void floodOn(QTcpSocket* s)
    {
        const auto more = [this, s] {
            if (s->state() != QAbstractSocket::ConnectedState || s->bytesToWrite() > 0 || flooded >= floodLimit)
                return;
            const QByteArray chunk(1 << 20, 'x');
            flooded += s->write(chunk);
        };
        connect(s, &QTcpSocket::bytesWritten, this, more);
        more();
    }

    QTcpServer m_server;
};
