#include "RigctldPttDriver.h"

#include "KeyingTrace.h"
#include "RigctldClient.h"
#include "RigctldLinks.h"

RigctldPttDriver::RigctldPttDriver(const RigctldConfig& config, std::shared_ptr<RigctldLinks> links)
    : PttDriver(PttMethod::Rigctld)
    , m_config(config)
    , m_links(std::move(links))
{ }

RigctldClient& RigctldPttDriver::client()
{
    RigctldClient& c = m_links->client(m_config.host, m_config.port);
    if (m_heard != &c) {
        m_heard = &c;
        connect(&c, &RigctldClient::confirmed, this, &PttDriver::confirmed);
        connect(&c, &RigctldClient::problem, this, &PttDriver::errorOccurred);
    }
    return c;
}

RigctldClient* RigctldPttDriver::existing() const
{
    return m_links->find(m_config.host, m_config.port);
}

KeyingResult RigctldPttDriver::key()
{
    client().setTransmit(true);
    return {};
}

KeyingResult RigctldPttDriver::unkey()
{
    client().setTransmit(false);
    return {};
}

KeyingResult RigctldPttDriver::unkeyAnyway()
{
    client().unkeyAnyway();
    return {};
}

QString RigctldPttDriver::where() const
{
    return QStringLiteral("%1:%2").arg(m_config.host).arg(m_config.port);
}

QString RigctldPttDriver::describe() const
{
    return QStringLiteral("rigctld ") + where();
}

void RigctldPttDriver::describeTo(KeyingTraceLine& line) const
{
    PttDriver::describeTo(line);
    line.field("address", where());
}

bool RigctldPttDriver::unkeyPending() const
{
    const RigctldClient* c = existing();
    return c && c->unkeyPending();
}

bool RigctldPttDriver::unkeyConfirmed() const
{
    const RigctldClient* c = existing();
    return c && c->unkeyConfirmed();
}

void RigctldPttDriver::keepOnlyOwnLink(RigctldLinks& links) const
{
    links.release(m_config.host, m_config.port);
}

void RigctldPttDriver::writeState(const KeyingConfig& config, KeyingStateOut& out)
{
    out.field("host", config.rigctld.host);
    out.field("tcp-port", config.rigctld.port);
}

void RigctldPttDriver::readState(KeyingConfig& config, KeyingStateIn& line)
{
    RigctldConfig& c = config.rigctld;
    if (line.key == "host")
        c.host = line.text().left(255);
    else if (line.key == "tcp-port")
        line.number(c.port, 1, 65535);
}

bool RigctldPttDriver::stateUsable(const KeyingConfig& config, bool)
{
    const RigctldConfig& c = config.rigctld;
    return !c.host.trimmed().isEmpty() && c.port >= 1 && c.port <= 65535;
}
