#include "LoggerLink.h"

#include "Version.h"

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

QByteArray Wsjtx::QsoLogged(const QsoRecord& q)
{
    return Message(QsoLoggedType, [&](QDataStream& out) {
        const QString mode = q.submode.isEmpty() ? q.mode : q.submode;
        out << q.timeOff.toUTC() << Utf8(q.call) << Utf8(q.gridSquare) << quint64(q.frequencyHz.value_or(0))
            << Utf8(mode) << Utf8(q.rstSent) << Utf8(q.rstReceived) << QByteArray() << Utf8(q.comment) << Utf8(q.name)
            << q.timeOn.toUTC() << Utf8(q.stationCallsign) << Utf8(q.stationCallsign) << QByteArray() << QByteArray()
            << QByteArray() << QByteArray();
    });
}

QByteArray Wsjtx::LoggedAdif(const QByteArray& adif)
{
    return Message(LoggedAdifType, [&](QDataStream& out) { out << adif; });
}

LoggerLink::LoggerLink(QObject* parent)
    : QObject(parent)
{
    m_heartbeat.setInterval(DefaultHeartbeatMs);
    connect(&m_heartbeat, &QTimer::timeout, this, [this] { send(Wsjtx::Heartbeat()); });
    // A multicast group stays on this network.
    m_socket.setSocketOption(QAbstractSocket::MulticastTtlOption, 1);
}

void LoggerLink::configure(bool on, const QString& host, int port)
{
    const QString name = host.trimmed().isEmpty() ? QStringLiteral("127.0.0.1") : host.trimmed();
    if (name != m_host) {
        if (m_lookup >= 0)
            QHostInfo::abortHostLookup(m_lookup);
        m_lookup = -1;
        m_host = name;
        m_address = QHostAddress(name);
        m_waiting.clear();
        if (m_address.isNull()) {
            // A name: looked up without waiting.
            m_lookup = QHostInfo::lookupHost(name, this, [this](const QHostInfo& info) {
                m_lookup = -1;
                // Loggers mostly listen on IPv4 ("localhost" may list ::1 first).
                for (const QHostAddress& a : info.addresses()) {
                    if (m_address.isNull() || a.protocol() == QAbstractSocket::IPv4Protocol)
                        m_address = a;
                    if (a.protocol() == QAbstractSocket::IPv4Protocol)
                        break;
                }
                const QList<QByteArray> waiting = std::exchange(m_waiting, {});
                for (const QByteArray& d : waiting)
                    send(d);
            });
        }
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
        if (m_lookup >= 0 && m_waiting.size() < 16)
            m_waiting << datagram;
        return;
    }
    m_socket.writeDatagram(datagram, m_address, m_port);
}
