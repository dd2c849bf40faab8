#pragma once

#include "link/LineAssembler.h"

#include <QHostAddress>
#include <QObject>
#include <QTcpSocket>

// Where a connected command socket runs, as the link mirrors it.
struct SocketEnds
{
    QHostAddress local;
    quint16 localPort = 0;
    QHostAddress peer;
    quint16 peerPort = 0;
};

// winsockZNPComandos: the command socket and the cutting of its bytes into
// lines. It lives on the keying thread, so a "PTT OFF" is read however busy
// the GUI thread is; the link drives it by queued calls only and sees its
// state through stateReported(). Each connection request carries the link's
// attempt number, so a report of an older attempt can be told apart.
class CommandChannel : public QObject
{
    Q_OBJECT
public:
    explicit CommandChannel(QObject* parent = nullptr);
    ~CommandChannel() override;

    // All on the channel's own thread.
    void connectTo(const QString& host, quint16 port, int attempt);
    void write(const QByteArray& bytes);
    // Flushes what was written, then drops the connection.
    void close();

    QTcpSocket& socket() { return m_socket; }

signals:
    // A decoded, upper-cased line, on the channel's thread.
    void lineReceived(const QString& line);
    // The connection was up and is not any more, whoever ended it.
    void linkLost();
    // A line grew past LineAssembler::MaxLineBytes: the connection was dropped.
    void overlongLine();
    // The socket of an attempt connected (ends set) or went down.
    void stateReported(int attempt, bool connected, const SocketEnds& ends);

private:
    void onReadyRead();
    void noteDown();

    QTcpSocket m_socket;
    LineAssembler m_assembler;
    int m_attempt = 0;
    bool m_up = false;
};
