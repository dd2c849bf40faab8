#include "RigctldLinks.h"

#include "RigctldClient.h"

#include <QVariant>

#include <utility>

namespace {

const char* const Releasing = "keldoReleasing";

} // namespace

RigctldClient& RigctldLinks::client(const QString& host, int port)
{
    if (RigctldClient* c = find(host, port)) {
        c->setProperty(Releasing, false); // in use again
        return *c;
    }
    auto* c = new RigctldClient(host, port, this);
    if (m_retryMs > 0)
        c->setRetryInterval(m_retryMs);
    connect(c, &RigctldClient::problem, this, &RigctldLinks::problem);
    connect(c, &RigctldClient::confirmed, this, &RigctldLinks::confirmed);
    m_clients.append(c);
    return *c;
}
RigctldClient* RigctldLinks::find(const QString& host, int port) const
{
    for (RigctldClient* c : m_clients) {
        if (c->host() == host && c->port() == port)
            return c;
    }
    return nullptr;
}

void RigctldLinks::release(const QString& keepHost, int keepPort)
{
    const QList<RigctldClient*> clients = m_clients;
    for (RigctldClient* c : clients) {
        if (c->host() == keepHost && c->port() == keepPort)
            continue;
        auto drop = [this, c] {
            m_clients.removeOne(c);
            c->close();
            c->deleteLater();
        };
        if (!c->unkeyPending()) {
            drop();
            continue;
        }
        // Not before rigctld has the unkey.
        if (c->property(Releasing).toBool())
            continue;
        c->setProperty(Releasing, true);
        connect(c, &RigctldClient::confirmed, this, [c, drop](bool transmit) {
            if (transmit)
                return;
            QMetaObject::invokeMethod(
                c,
                [c, drop] {
                    if (c->property(Releasing).toBool() && !c->unkeyPending())
                        drop();
                },
                Qt::QueuedConnection);
        });
    }
}

bool RigctldLinks::unkeyPending() const
{
    for (const RigctldClient* c : m_clients) {
        if (c->unkeyPending())
            return true;
    }
    return false;
}

void RigctldLinks::settleWithin(QDeadlineTimer deadline)
{
    const QList<RigctldClient*> clients = m_clients;
    for (RigctldClient* c : clients)
        c->settleWithin(deadline);
}

void RigctldLinks::closeAll()
{
    for (RigctldClient* c : std::exchange(m_clients, {})) {
        c->close();
        delete c;
    }
}

void RigctldLinks::setRetryInterval(int ms)
{
    m_retryMs = ms;
    for (RigctldClient* c : m_clients)
        c->setRetryInterval(ms);
}
