#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

// The radio's side of keying, for end-to-end tests.

// Two pseudo-terminals joined by socat: the terminal writes to a(), the
// test reads what the "radio" gets from b().
class PtyPair
{
public:
    ~PtyPair();
    static bool available();

    bool start();
    // The far end vanishes, as an unplugged cable: socat is killed.
    void kill();

    QString a() const { return m_dir.filePath(QStringLiteral("ttyA")); }
    QString b() const { return m_dir.filePath(QStringLiteral("ttyB")); }

    // Everything the radio end has received so far (since start()).
    QByteArray received();
    // How the terminal set up its end, as "4800,n,8,2"; empty unless this
    // process holds a() open.
    QString lineSettings() const;

private:
    void closeReader();

    QTemporaryDir m_dir;
    QProcess m_socat;
    int m_fd = -1;
    QByteArray m_received;
};

// A real rigctld running Hamlib's dummy radio on loopback.
class Rigctld
{
public:
    ~Rigctld();
    static bool available();

    // Hamlib's dummy radio by default; upWithin: a real model first probes its radio.
    bool start(const QStringList& radio = {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-P"),
                                           QStringLiteral("RIG")},
               int upWithin = 10000);
    quint16 port() const { return m_port; }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

    // The radio's PTT state as rigctld reports it ("0" or "1"), asked on a
    // connection of its own, kept like the keyer's (rigctld 4.5 can drop
    // other clients' connections when short-lived ones come and go quickly).
    QString ptt() { return command("t"); }
    // Any command on that connection ("F 14105000"); the first line of the answer.
    QString command(const QByteArray& line);

private:
    QProcess m_process;
    QTcpSocket m_query;
    quint16 m_port = 0;
};

// A TCP relay on loopback between the terminal and a server, which the test
// can cut (every connection dropped, nothing accepted) and restore.
class TcpRelay : public QObject
{
public:
    TcpRelay(quint16 targetPort, QObject* parent = nullptr);
    bool listen();
    quint16 port() const { return m_port; }
    void cut();
    bool restore();
    // What goes towards the server waits this long first (a slow server).
    void setDelay(int ms) { m_delayMs = ms; }

private:
    void accept();
    void forward(QTcpSocket* in, QTcpSocket* out);

    QTcpServer m_server;
    quint16 m_target;
    quint16 m_port = 0;
    int m_delayMs = 0;
    QList<QPointer<QTcpSocket>> m_sockets;
};
