#include "ModemLink.h"

#include "encoding/AnsiCodec.h"
#include "link/CommandProtocol.h"
#include "link/ConnectionState.h"
#include "settings/Settings.h"

ModemLink::ModemLink(SettingsStore& settings, ConnectionState& conn, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_conn(conn)
{
    m_cmd.setObjectName(QStringLiteral("winsockZNPComandos"));
    m_data.setObjectName(QStringLiteral("winsockZNPDatos"));
    m_timer.setObjectName(QStringLiteral("tmrComprobarSocket"));
    m_retryTimer.setSingleShot(true);
    // Qt reads no more than this into the socket's buffer per notification,
    // and each readyRead takes all of it, so nothing waits in a buffer of
    // ours when the link goes down or is closed.
    m_data.setReadBufferSize(DataChunkBytes);

    for (QTcpSocket* socket : {&m_cmd, &m_data}) {
        // Low latency matters more than throughput for "PTT ON".
        connect(socket, &QTcpSocket::connected, this, [this, socket] {
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            (socket == &m_cmd ? m_cmdUp : m_dataUp) = true;
            onConnected();
        });
        const auto down = [this, socket] {
            noteDown(*socket);
            onPeerClosedOrError();
        };
        connect(socket, &QTcpSocket::disconnected, this, down);
        connect(socket, &QTcpSocket::errorOccurred, this, down);
    }
    connect(&m_cmd, &QTcpSocket::readyRead, this, &ModemLink::onCommandReadyRead);
    connect(&m_data, &QTcpSocket::readyRead, this, &ModemLink::onDataReadyRead);
    connect(&m_timer, &QTimer::timeout, this, [this] { supervise(PassKind::Timer); });
    connect(&m_retryTimer, &QTimer::timeout, this, [this] { supervise(PassKind::Event); });
}

ModemLink::~ModemLink()
{
    closeSockets();
}

// Another mode text links to the FM modem.
static const ModeProfile& linkProfile(const Settings& s)
{
    const ModeProfile* profile = s.profile();
    return profile ? *profile : *ProfileOf(Mode::FM);
}

QString ModemLink::modeHost() const
{
    const Settings& s = m_settings.s();
    return s.*linkProfile(s).host;
}

int ModemLink::modeCommandPort() const
{
    const Settings& s = m_settings.s();
    return s.*linkProfile(s).commandPort;
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
    for (QTcpSocket* socket : {&m_cmd, &m_data}) {
        if (socket->state() == QAbstractSocket::ConnectedState)
            socket->flush();
        socket->abort();
    }
    m_closingOurselves = false;
    noteDown(m_cmd);
    noteDown(m_data);
}

// Tells once that a channel which was up is down, whoever closed it: the
// keyer must not wait for a "PTT OFF" that can no longer come.
void ModemLink::noteDown(QTcpSocket& socket)
{
    bool& up = &socket == &m_cmd ? m_cmdUp : m_dataUp;
    if (!up || socket.state() == QAbstractSocket::ConnectedState)
        return;
    up = false;
    if (&socket == &m_cmd)
        emit commandLinkLost();
    else
        emit dataLinkLost();
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
    noteDown(m_cmd);
    noteDown(m_data);
    if (!cmdUp || !dataUp) {
        m_conn.linkLost();
        emit linkDown();
    }
    if (!cmdUp)
        attempt(m_cmd, true, kind);
    if (!dataUp)
        attempt(m_data, false, kind);
}

void ModemLink::attempt(QTcpSocket& socket, bool isCommand, PassKind kind)
{
    QElapsedTimer& last = isCommand ? m_cmdLastAttempt : m_dataLastAttempt;
    const auto state = socket.state();
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

    m_closingOurselves = true;
    socket.abort();
    m_closingOurselves = false;

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
    m_assembler.reset();
    if (port <= 0 || port > 65535 || host.isEmpty())
        return; // an impossible endpoint is skipped; the next pass tries again
    ++m_attempts;
    socket.connectToHost(host, quint16(port));
}

void ModemLink::onConnected()
{
    if (!bothConnected())
        return;
    SendMyCall();
    SendListenOn();
    SendCompressionFiles();
    SendBandwidth();
    emit linkedUp();
}

// ---- Receiving --------------------------------------------------------------

void ModemLink::onCommandReadyRead()
{
    ReceiveCommandBytes(m_cmd.readAll());
}

void ModemLink::onDataReadyRead()
{
    const QByteArray bytes = m_data.readAll();
    if (!bytes.isEmpty())
        emit dataReceived(bytes);
}

void ModemLink::ReceiveCommandBytes(const QByteArray& bytes)
{
    m_assembler.feed(bytes, [this](const QByteArray& line) { HandleCommandLine(Ansi::toUnicode(line).toUpper()); });
}

void ModemLink::HandleCommandLine(const QString& line)
{
    // Rules that match a whole line ignore blanks at its end; the rules
    // that split fields see the line as it came.
    QStringView whole(line);
    while (!whole.isEmpty() && (whole.back() == QLatin1Char(' ') || whole.back() == QLatin1Char('\t')))
        whole.chop(1);
    if (line.startsWith(QLatin1String("CONNECTED "))) {
        const Protocol::ConnectedFields fields = Protocol::ParseConnected(line);
        m_conn.connected(fields);
        emit connected(fields);
    } else if (line.startsWith(QLatin1String("BUFFER "))) {
        const QStringList fields = Protocol::SplitFields(line);
        if (fields.size() != 2 || m_conn.BytesToSend == 0)
            return;
        emit bufferReported(Protocol::LeadingNumber(fields.at(1)));
    } else if (whole == QLatin1String("DISCONNECTED")) {
        m_conn.reset();
        emit disconnected();
    } else if (whole == QLatin1String("PTT ON")) {
        emit pttRequested(true);
    } else if (whole == QLatin1String("PTT OFF")) {
        emit pttRequested(false);
    }
}

// ---- Sending ----------------------------------------------------------------

void ModemLink::sendCommand(const QString& text)
{
    // A command written while the link is down is lost; the next link-up
    // sends the standing commands again.
    if (!commandConnected())
        return;
    QByteArray bytes = Ansi::fromUnicode(text);
    bytes.append('\r');
    m_cmd.write(bytes);
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
    sendCommand(QStringLiteral("MYCALL ") + m_settings.s().myCallsign);
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
    const Settings& s = m_settings.s();
    if (!s.profile() || !s.profile()->hasBandwidth)
        return;
    if (s.keldoHfBw == QLatin1String("500"))
        SendBW500();
    else if (s.keldoHfBw == QLatin1String("2300"))
        SendBW2300();
    else if (s.keldoHfBw == QLatin1String("2750"))
        SendBW2750();
}

void ModemLink::SendConnect()
{
    emit callingOut();
    const Settings& s = m_settings.s();
    const QString prefix = QStringLiteral("CONNECT ") + s.myCallsign + QLatin1Char(' ');
    // Another mode text calls no one.
    const ModeProfile* profile = s.profile();
    if (!profile)
        return;
    const QString target = s.*profile->connectWith;
    if (profile->connectsVia && !s.via1.isEmpty() && !s.via2.isEmpty())
        sendCommand(prefix + target + QStringLiteral(" VIA ") + s.via1 + QLatin1Char(' ') + s.via2);
    else if (profile->connectsVia && !s.via1.isEmpty())
        sendCommand(prefix + target + QStringLiteral(" VIA ") + s.via1);
    else
        sendCommand(prefix + target);
}

void ModemLink::SendAbort()
{
    m_conn.abortRequested();
    sendCommand(QStringLiteral("ABORT"));
    emit abortSent();
}
