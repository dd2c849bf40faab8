#include "ModemLink.h"

#include "encoding/AnsiCodec.h"
#include "files/LogCategories.h"
#include "link/CommandProtocol.h"
#include "link/ConnectionState.h"
#include "settings/Ports.h"

#include <QThread>

ModemLink::ModemLink(const LinkConfig& config, ConnectionState& conn, CommandChannel* channel, QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_conn(conn)
    , m_ownChannel(channel ? nullptr : std::make_unique<CommandChannel>())
    , m_channel(channel ? channel : m_ownChannel.get())
{
    m_data.setObjectName(QStringLiteral("winsockZNPDatos"));
    m_timer.setObjectName(QStringLiteral("tmrComprobarSocket"));
    m_retryTimer.setSingleShot(true);
    // Qt reads no more than this into the socket's buffer per notification,
    // and each readyRead takes all of it, so nothing waits in a buffer of
    // ours when the link goes down or is closed.
    m_data.setReadBufferSize(DataChunkBytes);

    connect(&m_data, &QTcpSocket::connected, this, [this] {
        // Low latency matters more than throughput for "PTT ON".
        m_data.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_dataUp = true;
        qCDebug(lcLink) << "data channel connected to" << m_dataHost << m_dataPort;
        onConnected();
    });
    const auto down = [this] {
        noteDown(false);
        onPeerClosedOrError();
    };
    connect(&m_data, &QTcpSocket::disconnected, this, down);
    connect(&m_data, &QTcpSocket::errorOccurred, this, down);
    connect(&m_data, &QTcpSocket::readyRead, this, &ModemLink::onDataReadyRead);
    // Queued when the channel lives on another thread: in arrival order.
    connect(m_channel.data(), &CommandChannel::stateReported, this, &ModemLink::onCommandReport);
    connect(m_channel.data(), &CommandChannel::lineReceived, this, &ModemLink::HandleCommandLine);
    connect(m_channel.data(), &CommandChannel::overlongLine, this, &ModemLink::commandLineTooLong);
    connect(&m_timer, &QTimer::timeout, this, [this] { supervise(PassKind::Timer); });
    connect(&m_retryTimer, &QTimer::timeout, this, [this] { supervise(PassKind::Event); });
}

ModemLink::~ModemLink()
{
    closeSockets();
}

QString ModemLink::modeHost() const
{
    return m_config.host;
}

int ModemLink::modeCommandPort() const
{
    return m_config.commandPort;
}

// ---- Supervision ----------------------------------------------------------

void ModemLink::CheckSockets()
{
    supervise(PassKind::Timer);
}

void ModemLink::armSupervision()
{
    m_stopped = false;
    m_timer.stop();
    m_timer.setInterval(m_intervalMs);
    m_timer.start();
}

void ModemLink::stopSupervision()
{
    m_stopped = true;
    m_timer.stop();
    m_retryTimer.stop();
}

void ModemLink::closeSockets()
{
    m_closingOurselves = true;
    // Whatever the channel reports of the closed socket is old news.
    ++m_cmdAttempt;
    m_cmdState = QAbstractSocket::UnconnectedState;
    m_cmdEnds = SocketEnds{};
    toChannel([](CommandChannel& channel) { channel.close(); });
    if (m_data.state() == QAbstractSocket::ConnectedState)
        m_data.flush();
    m_data.abort();
    m_closingOurselves = false;
    noteDown(true);
    noteDown(false);
}

// The channel is another thread's: it is only ever asked, never called.
void ModemLink::toChannel(std::function<void(CommandChannel&)> call)
{
    if (!m_channel)
        return;
    if (m_channel->thread() == QThread::currentThread()) {
        call(*m_channel);
        return;
    }
    QMetaObject::invokeMethod(
        m_channel.data(), [channel = m_channel.data(), call = std::move(call)] { call(*channel); },
        Qt::QueuedConnection);
}

QAbstractSocket::SocketState ModemLink::stateOf(bool isCommand) const
{
    return isCommand ? m_cmdState : m_data.state();
}

// Tells once that a channel which was up is down, whoever closed it: the
// keyer must not wait for a "PTT OFF" that can no longer come.
void ModemLink::noteDown(bool isCommand)
{
    bool& up = isCommand ? m_cmdUp : m_dataUp;
    if (!up || stateOf(isCommand) == QAbstractSocket::ConnectedState)
        return;
    up = false;
    qCInfo(lcLink) << (isCommand ? "command" : "data") << "channel down";
    if (isCommand)
        emit commandLinkLost();
    else
        emit dataLinkLost();
}

void ModemLink::onCommandReport(int attempt, bool connected, const SocketEnds& ends)
{
    if (attempt != m_cmdAttempt)
        return;
    if (connected) {
        m_cmdState = QAbstractSocket::ConnectedState;
        m_cmdEnds = ends;
        m_cmdUp = true;
        qCDebug(lcLink) << "command channel connected to" << m_cmdHost << m_cmdPort;
        onConnected();
        return;
    }
    m_cmdState = QAbstractSocket::UnconnectedState;
    m_cmdEnds = SocketEnds{};
    noteDown(true);
    onPeerClosedOrError();
}

void ModemLink::onPeerClosedOrError()
{
    if (m_closingOurselves || m_stopped || m_passQueued)
        return;
    // Run the pass after the socket has finished its own signal handling.
    m_passQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_passQueued = false;
            if (!m_stopped)
                supervise(PassKind::Event);
        },
        Qt::QueuedConnection);
}

void ModemLink::supervise(PassKind kind)
{
    if (m_stopped)
        return;
    const bool cmdUp = commandConnected();
    const bool dataUp = dataConnected();
    noteDown(true);
    noteDown(false);
    if (!cmdUp || !dataUp) {
        m_conn.linkLost();
        emit linkDown();
    }
    if (!cmdUp)
        attempt(true, kind);
    if (!dataUp)
        attempt(false, kind);
}

void ModemLink::attempt(bool isCommand, PassKind kind)
{
    QElapsedTimer& last = isCommand ? m_cmdLastAttempt : m_dataLastAttempt;
    const auto state = stateOf(isCommand);
    const bool inProgress = state == QAbstractSocket::HostLookupState || state == QAbstractSocket::ConnectingState;

    // At most one attempt a second per socket: a refused connection fails at
    // once, and retrying on every error would spin a core.
    if (last.isValid() && last.elapsed() < m_throttleMs) {
        if (!inProgress) {
            const int wait = int(m_throttleMs - last.elapsed());
            if (!m_retryTimer.isActive() || m_retryTimer.remainingTime() > wait)
                m_retryTimer.start(qMax(wait, 1));
        }
        return;
    }
    // An early pass (a close or error of the other socket) leaves an attempt
    // in progress alone; the timer's pass restarts it.
    if (inProgress && kind == PassKind::Event)
        return;

    if (!isCommand) {
        m_closingOurselves = true;
        m_data.abort();
        m_closingOurselves = false;
    }

    const QString host = modeHost();
    const int port = modeCommandPort() + (isCommand ? 0 : 1);
    if (isCommand) {
        m_cmdHost = host;
        m_cmdPort = quint16(port);
    } else {
        m_dataHost = host;
        m_dataPort = quint16(port);
    }
    last.start();
    if (isCommand) {
        // The channel drops what it had (a stale attempt) when it takes this one.
        ++m_cmdAttempt;
        m_cmdState = QAbstractSocket::UnconnectedState;
        m_cmdEnds = SocketEnds{};
    }
    if (!Ports::IsPort(port) || host.isEmpty()) {
        qCDebug(lcLink) << "no" << (isCommand ? "command" : "data") << "channel to try: host" << host << "port" << port;
        if (isCommand)
            toChannel([](CommandChannel& channel) { channel.close(); });
        return; // an impossible endpoint is skipped; the next pass tries again
    }
    ++m_attempts;
    qCDebug(lcLink) << "connecting the" << (isCommand ? "command" : "data") << "channel to" << host << port << "attempt"
                    << m_attempts;
    if (!isCommand) {
        m_data.connectToHost(host, quint16(port));
        return;
    }
    m_cmdState = QAbstractSocket::ConnectingState;
    toChannel(
        [host, port = quint16(port), n = m_cmdAttempt](CommandChannel& channel) { channel.connectTo(host, port, n); });
}

void ModemLink::onConnected()
{
    if (!bothConnected())
        return;
    SendMyCall();
    SendListenOn();
    SendCompressionFiles();
    SendBandwidth();
    qCInfo(lcLink) << "link up to" << m_cmdHost << m_cmdPort;
    emit linkedUp();
}

// ---- Receiving --------------------------------------------------------------

void ModemLink::onDataReadyRead()
{
    const QByteArray bytes = m_data.readAll();
    if (!bytes.isEmpty())
        emit dataReceived(bytes);
}

void ModemLink::HandleCommandLine(const QString& line)
{
    qCDebug(lcLink) << "command received:" << line;
    // The rules that split fields see the line as it came.
    switch (Protocol::KindOf(line)) {
    case Protocol::LineKind::Connected: {
        const Protocol::ConnectedFields fields = Protocol::ParseConnected(line);
        m_conn.connected(fields);
        emit connected(fields);
        break;
    }
    case Protocol::LineKind::Buffer: {
        const QStringList fields = Protocol::SplitFields(line);
        if (fields.size() != 2 || m_conn.BytesToSend == 0)
            return;
        emit bufferReported(Protocol::LeadingNumber(fields.at(1)));
        break;
    }
    case Protocol::LineKind::Disconnected:
        m_conn.reset();
        emit disconnected();
        break;
    case Protocol::LineKind::PttOn:
        emit pttRequested(true);
        break;
    case Protocol::LineKind::PttOff:
        emit pttRequested(false);
        break;
    case Protocol::LineKind::Other:
        break;
    }
}

// ---- Sending ----------------------------------------------------------------

void ModemLink::sendCommand(const QString& text)
{
    // A command written while the link is down is lost; the next link-up
    // sends the standing commands again.
    if (!commandConnected()) {
        qCDebug(lcLink) << "command not sent, link down:" << text;
        return;
    }
    qCDebug(lcLink) << "command sent:" << text;
    QByteArray bytes = Ansi::fromUnicode(text);
    bytes.append('\r');
    toChannel([bytes](CommandChannel& channel) { channel.write(bytes); });
    emit commandWritten(text);
}

qint64 ModemLink::writeData(const QByteArray& bytes)
{
    if (!dataConnected())
        return 0;
    const qint64 written = m_data.write(bytes);
    return written < 0 ? 0 : written;
}

void ModemLink::SendMyCall()
{
    sendCommand(QStringLiteral("MYCALL ") + m_config.myCall);
}

void ModemLink::SendListenOn()
{
    sendCommand(QStringLiteral("LISTEN ON"));
}

void ModemLink::SendCompressionFiles()
{
    sendCommand(QStringLiteral("COMPRESSION FILES"));
}

void ModemLink::SendBW500()
{
    sendCommand(QStringLiteral("BW500"));
}

void ModemLink::SendBW2300()
{
    sendCommand(QStringLiteral("BW2300"));
}

void ModemLink::SendBW2750()
{
    sendCommand(QStringLiteral("BW2750"));
}

void ModemLink::SendBandwidth()
{
    // Only a mode with a bandwidth has one set.
    const QString& bw = m_config.bandwidth;
    if (bw == QLatin1String("500"))
        SendBW500();
    else if (bw == QLatin1String("2300"))
        SendBW2300();
    else if (bw == QLatin1String("2750"))
        SendBW2750();
}

void ModemLink::SendConnect()
{
    emit callingOut();
    const LinkConfig& c = m_config;
    const QString prefix = QStringLiteral("CONNECT ") + c.myCall + QLatin1Char(' ');
    // Another mode text calls no one.
    if (!c.callsOut)
        return;
    // The digipeaters are set only for a mode that calls through them.
    if (!c.via1.isEmpty() && !c.via2.isEmpty())
        sendCommand(prefix + c.target + QStringLiteral(" VIA ") + c.via1 + QLatin1Char(' ') + c.via2);
    else if (!c.via1.isEmpty())
        sendCommand(prefix + c.target + QStringLiteral(" VIA ") + c.via1);
    else
        sendCommand(prefix + c.target);
}

void ModemLink::SendAbort()
{
    m_conn.abortRequested();
    sendCommand(QStringLiteral("ABORT"));
    emit abortSent();
}
