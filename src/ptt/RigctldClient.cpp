#include "RigctldClient.h"

namespace {
// A command waiting for the connection; far more than any burst of key-ups.
constexpr int MaxPendingBytes = 4096;
// rigctld's replies are short lines; a longer run without a newline is junk.
constexpr int MaxReplyLine = 4096;

QString printable(QByteArray text)
{
    for (char& c : text) {
        if (uchar(c) < 0x20 || uchar(c) >= 0x7F)
            c = '?';
    }
    return QString::fromLatin1(text);
}

} // namespace

RigctldClient::RigctldClient(QObject* parent)
    : QObject(parent)
{
    m_connectTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, &RigctldClient::onConnectTimeout);
    connect(&m_socket, &QTcpSocket::connected, this, &RigctldClient::onConnected);
    connect(&m_socket, &QTcpSocket::readyRead, this, &RigctldClient::onReadyRead);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &RigctldClient::onError);
}

RigctldClient::~RigctldClient()
{
    m_socket.disconnect(this);
    m_socket.abort();
}

void RigctldClient::setEndpoint(const QString& host, int port)
{
    if (host == m_host && port == m_port)
        return;
    m_host = host;
    m_port = port;
    m_pending.clear();
    m_unanswered = 0;
    m_connectTimer.stop();
    m_socket.abort();
}

void RigctldClient::send(const QByteArray& line)
{
    m_retried = false;
    switch (m_socket.state()) {
    case QAbstractSocket::ConnectedState:
        m_socket.write(line);
        m_socket.flush();
        m_lastSent = line;
        ++m_unanswered;
        return;
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState:
        if (m_pending.size() + line.size() <= MaxPendingBytes)
            m_pending += line;
        return;
    default:
        break;
    }
    connectWith(line);
}

void RigctldClient::connectWith(const QByteArray& pending)
{
    m_socket.abort();
    m_reply.clear();
    m_unanswered = 0;
    if (m_host.trimmed().isEmpty() || m_port < 1 || m_port > 65535) {
        m_pending.clear();
        emit problem(QStringLiteral("rigctld %1: no such address").arg(where()));
        return;
    }
    m_pending = pending;
    m_connectTimer.start(m_connectTimeoutMs);
    m_socket.connectToHost(m_host.trimmed(), quint16(m_port));
}

void RigctldClient::close()
{
    m_connectTimer.stop();
    m_pending.clear();
    m_unanswered = 0;
    if (m_socket.state() == QAbstractSocket::ConnectedState) {
        m_socket.flush();
        m_socket.disconnectFromHost();
        if (m_socket.state() != QAbstractSocket::UnconnectedState)
            m_socket.waitForDisconnected(1000);
    }
    m_socket.abort();
}

void RigctldClient::onConnected()
{
    m_connectTimer.stop();
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (!m_pending.isEmpty()) {
        m_socket.write(m_pending);
        m_socket.flush();
        m_unanswered += int(m_pending.count('\n'));
        const int start = m_pending.lastIndexOf('\n', m_pending.size() - 2) + 1;
        m_lastSent = m_pending.mid(start);
        m_pending.clear();
    }
}

void RigctldClient::onReadyRead()
{
    m_reply += m_socket.readAll();
    int start = 0;
    for (;;) {
        const int nl = m_reply.indexOf('\n', start);
        if (nl < 0)
            break;
        const QByteArray line = m_reply.mid(start, nl - start).trimmed();
        start = nl + 1;
        if (line.startsWith("RPRT") && m_unanswered > 0)
            --m_unanswered;
        if (!line.isEmpty() && line != "RPRT 0")
            emit problem(QStringLiteral("rigctld: ") + printable(line.left(200)));
    }
    m_reply.remove(0, start);
    if (m_reply.size() > MaxReplyLine)
        m_reply.clear();
}

void RigctldClient::onError(QAbstractSocket::SocketError)
{
    m_connectTimer.stop();
    m_pending.clear();
    emit problem(QStringLiteral("rigctld %1: %2").arg(where(), m_socket.errorString()));
    if (m_unanswered > 0 && !m_retried && !m_lastSent.isEmpty()) {
        m_retried = true;
        m_unanswered = 0;
        // Not from inside the socket's own error handling.
        const QByteArray again = m_lastSent;
        QTimer::singleShot(0, this, [this, again] {
            if (m_socket.state() == QAbstractSocket::UnconnectedState)
                connectWith(again);
        });
        return;
    }
    m_unanswered = 0;
}

void RigctldClient::onConnectTimeout()
{
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        return;
    m_pending.clear();
    m_socket.abort();
    emit problem(QStringLiteral("rigctld %1: no answer").arg(where()));
}

QString RigctldClient::where() const
{
    return QStringLiteral("%1:%2").arg(m_host).arg(m_port);
}
