#pragma once

#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QString>

class RigctldClient;

// The connections to Hamlib's rigctld, one client per address, shared by
// every rigctld driver: a connection outlives the driver that made it until
// rigctld has taken its unkey.
class RigctldLinks : public QObject
{
    Q_OBJECT
public:
    explicit RigctldLinks(QObject* parent = nullptr)
        : QObject(parent)
    { }

    // The client of an address, made when there is none.
    RigctldClient& client(const QString& host, int port);
    // The client of an address, if one was made.
    RigctldClient* find(const QString& host, int port) const;
    // Lets go of every client but the one of keepHost:keepPort; a client
    // with an unkey still unacknowledged stays until rigctld takes it.
    void release(const QString& keepHost = QString(), int keepPort = -1);
    bool unkeyPending() const;
    // Waits, on the sockets alone, for every pending unkey (RigctldClient::settleWithin).
    void settleWithin(QDeadlineTimer deadline);
    // Drops every client, pending or not (the end of the program).
    void closeAll();
    void setRetryInterval(int ms);

signals:
    void problem(const QString& text);
    void confirmed(bool transmit);

private:
    QList<RigctldClient*> m_clients; // children of this
    int m_retryMs = -1;
};
