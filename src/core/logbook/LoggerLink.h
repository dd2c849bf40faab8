#pragma once

#include "logbook/QsoRecord.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

// The messages logging programs read from WSJT-X over UDP (schema 3,
// QDataStream Qt 5.4, big-endian).
namespace Wsjtx {

inline constexpr quint32 Magic = 0xadbccbda;
inline constexpr quint32 Schema = 3;
inline constexpr const char* Id = "KELDO Terminal";

QByteArray Heartbeat();
// "QSO Logged" (type 5).
QByteArray QsoLogged(const QsoRecord& qso);
// "Logged ADIF" (type 12): a header and the record as one text.
QByteArray LoggedAdif(const QByteArray& adif);

} // namespace Wsjtx

// Sends the logged QSOs to a logging program (or a multicast group), and a
// heartbeat every 15 s while on. Never blocks; a datagram that cannot go is
// dropped, the record stays in the file.
class LoggerLink : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultHeartbeatMs = 15000;

    explicit LoggerLink(QObject* parent = nullptr);

    // Off: nothing is sent. An empty host is 127.0.0.1.
    void configure(bool on, const QString& host, int port);
    void setHeartbeatInterval(int ms) { m_heartbeat.setInterval(ms); }
    void sendQso(const QsoRecord& qso, const QByteArray& adif);

private:
    void send(const QByteArray& datagram);

    QUdpSocket m_socket;
    QTimer m_heartbeat;
    bool m_on = false;
    QString m_host;
    QHostAddress m_address; // null while a name is being looked up
    quint16 m_port = 0;
    int m_lookup = -1;
    QList<QByteArray> m_waiting; // datagrams sent while the name was looked up
};
