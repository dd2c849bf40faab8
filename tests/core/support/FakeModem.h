#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

// A scripted modem inside the test: listens on a command port and the port
// above it, records the command lines it receives and sends what the test
// says. Ports are chosen free at start.
class FakeModem : public QObject
{
    Q_OBJECT
public:
    explicit FakeModem(const QHostAddress& address = QHostAddress::LocalHost, QObject* parent = nullptr);
    ~FakeModem() override;

    // Listens on a free pair of ports (or the given command port).
    bool listen(quint16 commandPort = 0);
    void stopListening();
    quint16 commandPort() const { return m_port; }
    QString host() const { return m_address.toString(); }

    bool commandConnected() const;
    bool dataConnected() const;
    bool linked() const { return commandConnected() && dataConnected(); }
    int commandAccepts() const { return m_cmdAccepts; }
    int dataAccepts() const { return m_dataAccepts; }

    // Command lines received so far (without CR), oldest first.
    QStringList commands() const { return m_commands; }
    void clearCommands() { m_commands.clear(); }
    QByteArray dataReceived() const { return m_dataBytes; }
    void clearData() { m_dataBytes.clear(); }

    void sendCommandBytes(const QByteArray& bytes);
    void sendLine(const QString& line) { sendCommandBytes(line.toLatin1() + '\r'); }
    void sendData(const QByteArray& bytes);
    void dropCommand();
    void dropData();
    // Refuse data connections (only the data port closed).
    void setRefuseData(bool refuse);

signals:
    // A command connection was accepted (told as the test's loop sees it).
    void commandAccepted();
    void commandReceived(const QString& line);
    void dataArrived();

private:
    QHostAddress m_address;
    QTcpServer m_cmdServer;
    QTcpServer m_dataServer;
    QPointer<QTcpSocket> m_cmd;
    QPointer<QTcpSocket> m_data;
    quint16 m_port = 0;
    QByteArray m_pending;
    QStringList m_commands;
    QByteArray m_dataBytes;
    int m_cmdAccepts = 0;
    int m_dataAccepts = 0;
    bool m_refuseData = false;
};

// The scripted modem on a thread of its own, so that it goes on answering
// while the test holds up its own thread. Safe to call from any thread.
class ThreadedFakeModem
{
public:
    ThreadedFakeModem();
    ~ThreadedFakeModem();

    bool listen();
    QString host() const { return m_host; }
    quint16 commandPort() const { return m_port; }
    bool linked();
    void sendLine(const QString& line);

private:
    template <typename F>
    void onThread(F f, Qt::ConnectionType type);

    QThread* m_thread;
    FakeModem* m_modem = nullptr;
    QString m_host;
    quint16 m_port = 0;
};
