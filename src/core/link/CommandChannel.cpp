#include "CommandChannel.h"

#include "encoding/AnsiCodec.h"
#include "files/LogCategories.h"

CommandChannel::CommandChannel(QObject* parent)
    : QObject(parent)
{
    m_socket.setObjectName(QStringLiteral("winsockZNPComandos"));
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        // Low latency matters more than throughput for "PTT ON".
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_up = true;
        emit stateReported(
            m_attempt, true,
            SocketEnds{m_socket.localAddress(), m_socket.localPort(), m_socket.peerAddress(), m_socket.peerPort()});
    });
    const auto down = [this] {
        noteDown();
        emit stateReported(m_attempt, false, SocketEnds{});
    };
    connect(&m_socket, &QTcpSocket::disconnected, this, down);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, down);
    connect(&m_socket, &QTcpSocket::readyRead, this, &CommandChannel::onReadyRead);
}

CommandChannel::~CommandChannel()
{
    m_socket.disconnect(this);
    m_socket.abort();
}

void CommandChannel::noteDown()
{
    if (!m_up || m_socket.state() == QAbstractSocket::ConnectedState)
        return;
    m_up = false;
    emit linkLost();
}

void CommandChannel::connectTo(const QString& host, quint16 port, int attempt)
{
    // The old attempt's reports carry its own number.
    m_socket.abort();
    noteDown();
    m_attempt = attempt;
    m_assembler.reset();
    m_socket.connectToHost(host, port);
}

void CommandChannel::write(const QByteArray& bytes)
{
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        m_socket.write(bytes);
}

void CommandChannel::close()
{
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        m_socket.flush();
    m_socket.abort();
    noteDown();
}

void CommandChannel::onReadyRead()
{
    const QByteArray bytes = m_socket.readAll();
    const bool fits =
        m_assembler.feed(bytes, [this](const QByteArray& line) { emit lineReceived(Ansi::toUnicode(line).toUpper()); });
    if (fits)
        return;
    // A modem that never ends its line is not waited for: the link is
    // dropped and made again, which also unkeys.
    m_assembler.reset();
    qCWarning(lcLink) << "command line from the modem longer than" << LineAssembler::MaxLineBytes
                      << "bytes: link dropped and made again";
    emit overlongLine();
    m_socket.abort();
    noteDown();
    emit stateReported(m_attempt, false, SocketEnds{});
}
