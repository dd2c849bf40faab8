#include "LoggerLink.h"

#include "Version.h"
#include "files/LogCategories.h"
#include "logbook/Adif.h"

#include <QDataStream>
#include <QHostInfo>
#include <QIODevice>

namespace {

enum Type : quint32 { HeartbeatType = 0, QsoLoggedType = 5, LoggedAdifType = 12 };

QByteArray Utf8(const QString& text)
{
    return text.toUtf8();
}

template <typename Fill>
QByteArray Message(Type type, Fill fill)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_4);
    out << Wsjtx::Magic << Wsjtx::Schema << quint32(type) << QByteArray(Wsjtx::Id);
    fill(out);
    return bytes;
}

} // namespace

QByteArray Wsjtx::Heartbeat()
{
    return Message(HeartbeatType, [](QDataStream& out) { out << Schema << QByteArray(KELDO_VERSION) << QByteArray(); });
}

QByteArray Wsjtx::QsoLogged(const QsoRecord& qso)
{
    const QsoRecord q = LoggableQso(qso);
    return Message(QsoLoggedType, [&](QDataStream& out) {
        const QString mode = q.submode.isEmpty() ? q.mode : q.submode;
        // Time off, DX call, DX grid, TX frequency, mode, report sent, report
        // received, TX power, comments, name, time on, operator call, my
        // call, my grid, exchange sent, exchange received, propagation mode.
        out << q.timeOff.toUTC() << Utf8(q.call) << Utf8(Adif::GridSquare(q.gridSquare))
            << quint64(q.frequencyHz.value_or(0)) << Utf8(mode) << Utf8(q.rstSent) << Utf8(q.rstReceived)
            << Utf8(Adif::PowerText(q.txPower)) << Utf8(q.comment) << Utf8(q.name) << q.timeOn.toUTC()
            << Utf8(q.stationCallsign) << Utf8(q.stationCallsign) << Utf8(Adif::GridSquare(q.myGridSquare))
            << QByteArray() << QByteArray() << QByteArray();
    });
}

QByteArray Wsjtx::LoggedAdif(const QByteArray& adif)
{
    // ADIF reads any white space between fields alike: the line breaks go
    // too, so that no control byte reaches the logger.
    QByteArray text = adif;
    for (char& c : text) {
        if (uchar(c) < 32 || uchar(c) == 127)
            c = ' ';
    }
    return Message(LoggedAdifType, [&](QDataStream& out) { out << text; });
}

LoggerLink::LoggerLink(QObject* parent)
    : QObject(parent)
{
    m_heartbeat.setInterval(DefaultHeartbeatMs);
    connect(&m_heartbeat, &QTimer::timeout, this, [this] { send(Wsjtx::Heartbeat()); });
    // A multicast group stays on this network.
    m_socket.setSocketOption(QAbstractSocket::MulticastTtlOption, 1);
    // An error reported later (an ICMP answer, say) is a failed send too.
    connect(&m_socket, &QUdpSocket::errorOccurred, this, [this] {
        if (m_on)
            fail(LoggerFailure::Kind::SendFailed, m_socket.errorString());
    });
}

void LoggerLink::configure(bool on, const QString& host, int port)
{
    const QString name = host.trimmed().isEmpty() ? QStringLiteral("127.0.0.1") : host.trimmed();
    if (name != m_host || quint16(port) != m_port || !on)
        clearFailure();
    if (name != m_host) {
        if (m_lookup >= 0)
            QHostInfo::abortHostLookup(m_lookup);
        m_lookup = -1;
        m_host = name;
        m_address = QHostAddress(name);
        m_waiting.clear();
        if (m_address.isNull())
            lookUp();
    }
    m_port = quint16(port);
    m_on = on && port > 0;
    if (m_on && !m_heartbeat.isActive()) {
        send(Wsjtx::Heartbeat());
        m_heartbeat.start();
    } else if (!m_on) {
        m_heartbeat.stop();
    }
}

void LoggerLink::lookUp()
{
    // A name: looked up without waiting.
    m_lookup = QHostInfo::lookupHost(m_host, this, [this](const QHostInfo& info) {
        m_lookup = -1;
        // Loggers mostly listen on IPv4 ("localhost" may list ::1 first).
        for (const QHostAddress& a : info.addresses()) {
            if (m_address.isNull() || a.protocol() == QAbstractSocket::IPv4Protocol)
                m_address = a;
            if (a.protocol() == QAbstractSocket::IPv4Protocol)
                break;
        }
        const QList<QByteArray> waiting = std::exchange(m_waiting, {});
        if (m_address.isNull()) {
            // Asked again at the next datagram: the name may come to exist.
            if (m_on)
                fail(LoggerFailure::Kind::LookupFailed,
                     info.error() != QHostInfo::NoError ? info.errorString() : QString());
            return;
        }
        for (const QByteArray& d : waiting)
            send(d);
    });
}

void LoggerLink::sendQso(const QsoRecord& qso, const QByteArray& adif)
{
    if (!m_on)
        return;
    send(Wsjtx::QsoLogged(qso));
    send(Wsjtx::LoggedAdif(adif));
}

void LoggerLink::send(const QByteArray& datagram)
{
    if (m_address.isNull()) {
        if (m_lookup < 0 && !m_host.isEmpty())
            lookUp();
        if (m_waiting.size() < 16)
            m_waiting << datagram;
        return;
    }
    if (m_socket.writeDatagram(datagram, m_address, m_port) < 0) {
        qCWarning(lcLogbook) << "logger datagram to" << m_address.toString() << m_port
                             << "not sent:" << m_socket.errorString();
        fail(LoggerFailure::Kind::SendFailed, m_socket.errorString());
    } else {
        qCDebug(lcLogbook) << "logger datagram of" << datagram.size() << "bytes sent to" << m_address.toString()
                           << m_port;
        clearFailure();
    }
}

void LoggerLink::fail(LoggerFailure::Kind kind, const QString& detail)
{
    // Told once, not at every heartbeat, until a datagram goes again.
    if (m_failure)
        return;
    qCWarning(lcLogbook) << "logger at" << m_host << m_port << "unreachable:" << detail;
    m_failure = LoggerFailure{kind, m_host, m_port, detail};
    emit sendFailed(*m_failure);
}

void LoggerLink::clearFailure()
{
    if (std::exchange(m_failure, std::nullopt))
        emit sendingResumed();
}
