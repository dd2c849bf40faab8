#include "RigctldClient.h"

#include "files/LogCategories.h"

namespace {
// rigctld's replies are short lines; a longer one is not rigctld: the
// connection is dropped, so memory stays bounded whatever comes.
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

RigctldClient::RigctldClient(const QString& host, int port, QObject* parent)
    : QObject(parent)
    , m_host(host)
    , m_port(port)
{
    m_retry.setInterval(DefaultRetryIntervalMs);
    connect(&m_retry, &QTimer::timeout, this, &RigctldClient::onRetry);
    connect(&m_socket, &QTcpSocket::connected, this, &RigctldClient::onConnected);
    connect(&m_socket, &QTcpSocket::readyRead, this, &RigctldClient::onReadyRead);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &RigctldClient::onError);
    // Qt holds no more than this unread: a flood waits in the kernel.
    m_socket.setReadBufferSize(4 * MaxReplyLine);
}

RigctldClient::~RigctldClient()
{
    m_socket.disconnect(this);
    m_socket.abort();
}

QString RigctldClient::where() const
{
    return QStringLiteral("rigctld %1:%2").arg(m_host).arg(m_port);
}

void RigctldClient::setRetryInterval(int ms)
{
    m_retry.setInterval(ms);
}

void RigctldClient::setTransmit(bool on)
{
    // No "T 0" for a key-up that never went out: a rigctld shared with other
    // programs must not be unkeyed under them.
    if (!on && !m_keyUpWritten) {
        m_wanted = Wanted::Nothing;
        m_acknowledged = false;
        m_retry.stop();
        return;
    }
    // A "T 1" still in the socket's buffer must not go out before (or
    // after) the "T 0": the connection goes with it, the unkey on a new one.
    if (!on && m_wanted == Wanted::On && m_socket.bytesToWrite() > 0)
        m_socket.abort();
    m_wanted = on ? Wanted::On : Wanted::Off;
    m_acknowledged = false;
    sendWanted();
    if (!m_retry.isActive())
        m_retry.start();
}

void RigctldClient::unkeyAnyway()
{
    m_keyUpWritten = true;
    setTransmit(false);
}

void RigctldClient::sendWanted()
{
    switch (m_socket.state()) {
    case QAbstractSocket::ConnectedState:
        m_socket.write(m_wanted == Wanted::On ? QByteArrayLiteral("T 1\n") : QByteArrayLiteral("T 0\n"));
        if (m_wanted == Wanted::On)
            m_keyUpWritten = true;
        m_socket.flush();
        ++m_awaiting;
        m_lastSent.start();
        return;
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState:
        return; // goes out when the connection is up
    default:
        startConnecting();
    }
}

void RigctldClient::startConnecting()
{
    m_socket.abort();
    m_reply.clear();
    m_awaiting = 0;
    if (m_host.trimmed().isEmpty() || m_port < 1 || m_port > 65535) {
        qCDebug(lcRigctld).noquote() << where() << "no such address";
        emit problem(where() + QStringLiteral(": no such address"));
        return;
    }
    qCDebug(lcRigctld).noquote() << where() << "connecting";
    m_connecting.start();
    m_socket.connectToHost(m_host.trimmed(), quint16(m_port));
}

void RigctldClient::close()
{
    m_retry.stop();
    m_wanted = Wanted::Nothing;
    m_acknowledged = false;
    m_awaiting = 0;
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        m_socket.flush();
    m_socket.abort();
}

void RigctldClient::settleWithin(QDeadlineTimer deadline)
{
    while (unkeyPending() && !deadline.hasExpired()) {
        const int left = int(qMax<qint64>(1, deadline.remainingTime()));
        const QAbstractSocket::SocketState state = m_socket.state();
        if (state == QAbstractSocket::UnconnectedState) {
            startConnecting();
            if (m_socket.state() == QAbstractSocket::UnconnectedState)
                return; // no such address
        } else if (state == QAbstractSocket::HostLookupState || state == QAbstractSocket::ConnectingState) {
            // A name look-up here would not heed the deadline.
            const QHostAddress literal(m_host.trimmed());
            const bool quickName = !literal.isNull() || m_host.trimmed() == QLatin1String("localhost");
            if (state == QAbstractSocket::HostLookupState && !quickName)
                return;
            if (!m_socket.waitForConnected(left)) // sends the wanted state once up
                return;
        } else if (state == QAbstractSocket::ConnectedState) {
            if (m_awaiting == 0)
                sendWanted();
            if (!m_socket.waitForReadyRead(left)) // the answer is read as it comes
                return;
        } else {
            return;
        }
    }
}

void RigctldClient::onConnected()
{
    qCDebug(lcRigctld).noquote() << where() << "connected";
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (!settled())
        sendWanted();
}

void RigctldClient::onReadyRead()
{
    // In bounded pieces, each one's lines taken before the next is read.
    while (m_socket.state() == QAbstractSocket::ConnectedState && m_socket.bytesAvailable() > 0) {
        m_reply += m_socket.read(4 * MaxReplyLine);
        if (!takeReplyLines())
            return;
    }
}

bool RigctldClient::takeReplyLines()
{
    int start = 0;
    for (;;) {
        const int nl = m_reply.indexOf('\n', start);
        if (nl < 0 || nl - start > MaxReplyLine)
            break;
        const QByteArray line = m_reply.mid(start, nl - start).trimmed();
        start = nl + 1;
        if (line.isEmpty())
            continue;
        const bool report = line.startsWith("RPRT");
        if (report && m_awaiting > 0)
            --m_awaiting;
        if (line != "RPRT 0") {
            emit problem(QStringLiteral("rigctld: ") + printable(line.left(200)));
        } else if (m_awaiting == 0 && !settled()) {
            // The answer to the latest request.
            m_acknowledged = true;
            m_retry.stop();
            if (m_wanted == Wanted::Off)
                m_keyUpWritten = false;
            emit confirmed(m_wanted == Wanted::On);
        }
    }
    m_reply.remove(0, start);
    if (m_reply.size() <= MaxReplyLine)
        return true;
    m_reply.clear();
    m_reply.squeeze();
    m_socket.abort();
    m_awaiting = 0;
    qCWarning(lcRigctld).noquote() << where() << "reply line too long, connection dropped";
    emit problem(where() + QStringLiteral(": reply line too long, connection dropped"));
    return false;
}

void RigctldClient::onError(QAbstractSocket::SocketError)
{
    m_awaiting = 0;
    qCDebug(lcRigctld).noquote() << where() << "connection dropped:" << m_socket.errorString();
    // An idle connection that closes costs nothing: the next request makes
    // a new one. While a request is unacknowledged, the retry timer does.
    if (!settled())
        emit problem(where() + QStringLiteral(": ") + m_socket.errorString());
}

void RigctldClient::onRetry()
{
    if (settled()) {
        m_retry.stop();
        return;
    }
    switch (m_socket.state()) {
    case QAbstractSocket::UnconnectedState:
        startConnecting();
        break;
    case QAbstractSocket::HostLookupState:
    case QAbstractSocket::ConnectingState:
        if (m_connecting.elapsed() > m_connectTimeoutMs) {
            m_socket.abort();
            qCDebug(lcRigctld).noquote() << where() << "no answer while connecting, dropped";
            emit problem(where() + QStringLiteral(": no answer"));
        }
        break;
    case QAbstractSocket::ConnectedState:
        if (m_awaiting == 0) {
            sendWanted(); // the last reply refused it
        } else if (m_lastSent.elapsed() > m_connectTimeoutMs) {
            m_socket.abort();
            m_awaiting = 0;
            qCDebug(lcRigctld).noquote() << where() << "no answer, connection dropped";
            emit problem(where() + QStringLiteral(": no answer"));
        }
        break;
    default:
        m_socket.abort();
        break;
    }
}
