#pragma once

#include "link/CommandChannel.h"
#include "link/CommandProtocol.h"
#include "link/DataChannel.h"
#include "link/LinkConfig.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <memory>

struct ConnectionState;

// modInterfaceZNP: the two TCP channels to the modem, their supervision, and
// the command protocol. Data flows one way: socket bytes -> LineAssembler ->
// HandleCommandLine -> connection variables -> signals, which the station
// hands to the terminal.
//
// The command socket is a CommandChannel that may live on another thread
// (the keying thread, where PTT lines are acted on at once): the link talks
// to it by queued calls only and keeps a mirror of its state, so that
// commandConnected() and the supervision never touch it. Lines reach
// HandleCommandLine in arrival order, after the keyer has seen them.
class ModemLink : public QObject, public DataChannel
{
    Q_OBJECT
public:
    static constexpr int SupervisionIntervalMs = 5000;
    static constexpr int RetryThrottleMs = 1000;
    // The most taken from the data socket per pass of the event loop: a flood
    // waits in the kernel (and the modem) while command lines get their turn.
    static constexpr qint64 DataChunkBytes = 64 * 1024;

    // channel: the command socket's owner, living on any thread; without
    // one the link makes its own on this thread.
    ModemLink(const LinkConfig& config, ConnectionState& conn, CommandChannel* channel = nullptr,
              QObject* parent = nullptr);
    ~ModemLink() override;

    // What the settings ask of the link from now on; the sockets follow at
    // the next supervision pass.
    void configure(const LinkConfig& config) { m_config = config; }
    const LinkConfig& config() const { return m_config; }

    QTcpSocket& winsockZNPDatos() { return m_data; }
    QTimer& tmrComprobarSocket() { return m_timer; }

    // The command socket as last reported by its thread.
    bool commandConnected() const { return m_cmdState == QAbstractSocket::ConnectedState; }
    // Its ends while connected.
    SocketEnds commandEnds() const { return m_cmdEnds; }
    bool dataConnected() const { return m_data.state() == QAbstractSocket::ConnectedState; }
    bool bothConnected() const { return commandConnected() && dataConnected(); }

    // The endpoint each socket was last asked to connect to (Qt forgets the
    // peer of a closed socket, so we remember it).
    QString commandRemoteHost() const { return m_cmdHost; }
    quint16 commandRemotePort() const { return m_cmdPort; }
    quint16 dataRemotePort() const { return m_dataPort; }

    // The endpoint of the current mode.
    QString modeHost() const;
    int modeCommandPort() const;

    // Supervision.
    void CheckSockets();
    void armSupervision(); // (re)starts the 5000 ms timer
    void stopSupervision();
    // Closes both sockets ourselves: raises no supervision pass.
    void closeSockets();
    void setSupervisionInterval(int ms)
    {
        m_intervalMs = ms;
        if (m_timer.isActive())
            m_timer.start(ms);
    }
    void setRetryThrottle(int ms) { m_throttleMs = ms; }
    int connectAttempts() const { return m_attempts; }
    bool retryPending() const { return m_retryTimer.isActive() || m_passQueued; }

    // Command channel.
    void ReceiveCommandBytes(const QByteArray& bytes);
    void HandleCommandLine(const QString& line);
    void SendMyCall();
    void SendListenOn();
    void SendCompressionFiles();
    void SendBW500();
    void SendBW2300();
    void SendBW2750();
    void SendBandwidth();
    void SendConnect();
    void SendAbort();

    // Data channel: returns the number of bytes handed to the socket.
    qint64 writeData(const QByteArray& bytes) override;
    bool linkUp() const override { return bothConnected(); }

signals:
    // Both sockets connected and the standing commands sent.
    void linkedUp();
    // A supervision pass found a channel down (every such pass, not only the
    // first: the display follows the link each time).
    void linkDown();
    // Bytes from the data socket, never empty.
    void dataReceived(const QByteArray& bytes);
    // "CONNECTED": the fields as the line gives them; the connection
    // variables already hold the new connection.
    void connected(const Protocol::ConnectedFields& fields);
    // "BUFFER n" while a block is outstanding: n as the modem counts it (the
    // leading number of the field, may be negative or larger than the block).
    void bufferReported(qint64 unsentBytes);
    // This station starts a call: emitted before "CONNECT" goes to the modem.
    void callingOut();
    // The modem asked for the transmitter on ("PTT ON") or off ("PTT OFF").
    // A keyer beside the channel (KeyingThread) has acted on it already.
    void pttRequested(bool on);
    // A channel that was up is down (lost, or closed by us).
    void commandLinkLost();
    void dataLinkLost();
    // The modem said "DISCONNECTED"; the connection variables are reset.
    void disconnected();
    // Stop: "ABORT" went to the modem.
    void abortSent();
    // Every command written to the modem, without its CR (for watching).
    void commandWritten(const QString& command);
    // The modem sent a command line past the limit: the link was dropped.
    void commandLineTooLong();

private:
    enum class PassKind { Timer, Event };
    void supervise(PassKind kind);
    void attempt(bool isCommand, PassKind kind);
    QAbstractSocket::SocketState stateOf(bool isCommand) const;
    void toChannel(std::function<void(CommandChannel&)> call);
    void onConnected();
    void onPeerClosedOrError();
    void noteDown(bool isCommand);
    void onCommandReport(int attempt, bool connected, const SocketEnds& ends);
    void onDataReadyRead();
    void sendCommand(const QString& text);

    LinkConfig m_config;
    ConnectionState& m_conn;

    std::unique_ptr<CommandChannel> m_ownChannel;
    // Gone once the keying thread has ended.
    QPointer<CommandChannel> m_channel;
    // The mirror of the command socket: the attempt it belongs to, its state, its ends.
    int m_cmdAttempt = 0;
    QAbstractSocket::SocketState m_cmdState = QAbstractSocket::UnconnectedState;
    SocketEnds m_cmdEnds;
    QTcpSocket m_data;
    QTimer m_timer;
    QTimer m_retryTimer;
    QElapsedTimer m_cmdLastAttempt;
    QElapsedTimer m_dataLastAttempt;
    QString m_cmdHost;
    quint16 m_cmdPort = 0;
    QString m_dataHost;
    quint16 m_dataPort = 0;
    int m_intervalMs = SupervisionIntervalMs;
    int m_throttleMs = RetryThrottleMs;
    int m_attempts = 0;
    bool m_closingOurselves = false;
    bool m_stopped = false;
    bool m_passQueued = false;
    bool m_cmdUp = false; // as last seen: up until noted down
    bool m_dataUp = false;
};
