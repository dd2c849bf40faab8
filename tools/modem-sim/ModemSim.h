#pragma once

#include "SimOptions.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTimer>

#include <deque>

class QTcpSocket;

// The modem's side of both TCP channels, with a simulated radio link behind it.
//
// Work that takes time runs in three lanes, each with its own timer, so that
// e.g. an ABORT answer is not held up by a transmission in progress:
//   link  - answers to CONNECT and ABORT, one line per item, in order;
//   tx    - PTT ON, BUFFER countdown, BUFFER 0, PTT OFF for queued data;
//   reply - the remote station's answer, in fragments on the data channel.
// In step mode no timer runs and each "step" performs the first lane that has
// work, in the order link, reply, tx, which makes tests exact.
class ModemSim : public QObject
{
    Q_OBJECT
public:
    explicit ModemSim(const SimOptions& options, QObject* parent = nullptr);
    ~ModemSim() override;

    bool listen(QString* error);
    void handleControl(const QString& line);

signals:
    void quitRequested();

private:
    enum class Link { Idle, Calling, Connected, Disconnecting };
    enum class Tx { Off, KeyedUp, Sending, Ending };
    enum class Channel { Command, Data };

    struct LinkItem
    {
        QByteArray line;
        int delayMs = 0;
        bool changesLink = false;
        Link after = Link::Idle;
        bool unkeys = false;
    };

    // channels
    void onNewConnection(Channel ch);
    void onSocketGone(QTcpSocket* sock, Channel ch);
    void channelLost(Channel ch);
    void closeChannel(Channel ch);
    void onCommandBytes();
    void onDataBytes();
    bool startServer(Channel ch, QString* error);

    // protocol
    void handleCommand(const QByteArray& raw);
    void handleConnect(const QStringList& args);
    void handleAbort();
    void sendLine(const QByteArray& line);
    void sendData(const QByteArray& bytes);
    QByteArray connectedLine(const QString& calling, const QString& called, const QStringList& digis) const;
    void remoteDisconnect(bool announce);
    void tryCallIn(const QString& call, const QStringList& digis, bool fromTimer);

    // lanes
    void enqueue(const LinkItem& item);
    void kick();
    void stopLanes();
    bool replyHasWork() const;
    bool txHasWork() const;
    int txDelayMs() const;
    void linkStep();
    void replyStep();
    void txStep();
    void cancelTransmission(bool unkeyNow);
    void startReply(const QByteArray& heard);
    bool step();

    void printStatus();
    static QString linkName(Link l);

    SimOptions m_opt;
    QHostAddress m_address;
    QTcpServer m_cmdServer;
    QTcpServer m_dataServer;
    QPointer<QTcpSocket> m_cmd;
    QPointer<QTcpSocket> m_data;
    QByteArray m_cmdBuffer;
    bool m_discardingLine = false;

    QString m_mycall;
    bool m_listen = false;
    QString m_compression;
    int m_bandwidth = 2300;
    bool m_stepMode = false;

    Link m_link = Link::Idle;
    QByteArray m_connected; // the CONNECTED line of the link that is up
    std::deque<LinkItem> m_linkQueue;

    Tx m_tx = Tx::Off;
    bool m_ptt = false;
    qint64 m_txPending = 0; // bytes still queued for transmission
    QByteArray m_txHeard; // what the remote station receives in this over

    QByteArray m_reply; // the remote station's answer still to deliver
    bool m_replyFresh = false;

    QTimer m_linkTimer;
    QTimer m_txTimer;
    QTimer m_replyTimer;
    QTimer m_callInTimer;
    QString m_callInWhy;
    QRandomGenerator m_random;
};
