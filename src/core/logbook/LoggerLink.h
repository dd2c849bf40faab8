#pragma once

#include "logbook/QsoRecord.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include <optional>

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

// Why the datagrams do not reach the logger.
struct LoggerFailure
{
    enum class Kind {
        LookupFailed, // the host name is not known
        SendFailed, // the system refused the datagram
    };
    Kind kind;
    QString host;
    quint16 port = 0;
    QString detail; // the system's words, possibly empty
};

// Sends the logged QSOs to a logging program (or a multicast group), and a
// heartbeat every 15 s while on. Never blocks; a datagram that cannot go is
// dropped, the record stays in the file, and the failure is told once until
// a datagram goes again. A name that is not found is looked up again with
// the next datagram.
class LoggerLink : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultHeartbeatMs = 15000;

    explicit LoggerLink(QObject* parent = nullptr);

    // Off: nothing is sent. An empty host is 127.0.0.1.
    void configure(bool on, const QString& host, int port);
    void sendQso(const QsoRecord& qso, const QByteArray& adif);
    // The failure told last, while it lasts.
    const std::optional<LoggerFailure>& failure() const { return m_failure; }

signals:
    void sendFailed(const LoggerFailure& failure);
    // A datagram went after a failure, or the loggers were set anew.
    void sendingResumed();

private:
    void send(const QByteArray& datagram);
    void lookUp();
    void fail(LoggerFailure::Kind kind, const QString& detail);
    void clearFailure();

    QUdpSocket m_socket;
    QTimer m_heartbeat;
    bool m_on = false;
    QString m_host;
    QHostAddress m_address; // null while a name is being looked up
    quint16 m_port = 0;
    int m_lookup = -1;
    QList<QByteArray> m_waiting; // datagrams sent while the name was looked up
    std::optional<LoggerFailure> m_failure;
};
