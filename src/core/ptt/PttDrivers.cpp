#include "PttDrivers.h"

#include "RadioCatalogue.h"
#include "RigctldClient.h"
#include "SerialPortDevice.h"

#include <utility>

bool IsTwoHexDigits(const QString& text)
{
    if (text.size() != 2)
        return false;
    for (QChar ch : text) {
        const ushort u = ch.unicode();
        const bool hex = (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
        if (!hex)
            return false;
    }
    return true;
}

quint8 CivAddressFor(const QString& storedAddress, const RadioModel& model)
{
    const QString text = IsTwoHexDigits(storedAddress) ? storedAddress : model.CivAddress;
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    return ok && value <= 0xFF ? quint8(value) : 0;
}

QByteArray CivFrame(quint8 address, bool transmit)
{
    QByteArray frame(8, '\0');
    frame[0] = char(0xFE);
    frame[1] = char(0xFE);
    frame[2] = char(address);
    frame[3] = char(0xE0);
    frame[4] = char(0x1C);
    frame[5] = char(0x00);
    frame[6] = char(transmit ? 0x01 : 0x00);
    frame[7] = char(0xFD);
    return frame;
}

QByteArray CatCommand(const CatConfig& c, const RadioModel& model, bool transmit)
{
    if (model.Dialect == DialectCiv)
        return CivFrame(CivAddressFor(c.icomAddress, model), transmit);
    return transmit ? model.TxCommand : model.RxCommand;
}

namespace {

const char* const Releasing = "keldoReleasing";

KeyingResult portNotOpen(const std::unique_ptr<SerialPortDevice>& port)
{
    const QString reason = port ? port->errorString() : QString();
    return {false, reason.isEmpty() ? QStringLiteral("port not open") : reason};
}

} // namespace

bool CatPttDriver::keysRadio(const CatConfig& c)
{
    const RadioModel* model = RadioModelAt(c.rig);
    return model && !CatCommand(c, *model, true).isEmpty();
}

KeyingResult CatPttDriver::send(const CatConfig& c, bool transmit)
{
    const RadioModel* model = RadioModelAt(c.rig);
    if (!model)
        return {false, QStringLiteral("no radio model %1").arg(c.rig)};
    const QByteArray bytes = CatCommand(c, *model, transmit);
    if (bytes.isEmpty())
        return {};
    if (!m_port || !m_port->isOpen())
        return portNotOpen(m_port);
    if (!transmit)
        m_port->discardUnsent();
    if (!m_port->write(bytes))
        return {false, m_port->errorString().isEmpty() ? QStringLiteral("write failed") : m_port->errorString()};
    return {};
}

bool ComPttDriver::keysRadio(const ComConfig& c)
{
    return c.pin >= 1 && c.pin <= 3;
}

KeyingResult ComPttDriver::key(const ComConfig& c)
{
    if (!keysRadio(c))
        return {};
    if (!m_port || !m_port->isOpen())
        return portNotOpen(m_port);
    bool ok = true;
    if (c.pin == 1 || c.pin == 3)
        ok = m_port->setRts(true) && ok;
    if (c.pin == 2 || c.pin == 3)
        ok = m_port->setDtr(true) && ok;
    if (!ok)
        return {false, m_port->errorString().isEmpty() ? QStringLiteral("line refused") : m_port->errorString()};
    return {};
}

KeyingResult ComPttDriver::unkey()
{
    // Both lines drop whatever "Pin" says; a failure of one still tries the other.
    if (!m_port || !m_port->isOpen())
        return portNotOpen(m_port);
    const bool rts = m_port->setRts(false);
    const bool dtr = m_port->setDtr(false);
    if (!(rts && dtr))
        return {false, m_port->errorString().isEmpty() ? QStringLiteral("line refused") : m_port->errorString()};
    return {};
}

RigctldClient& RigctldPttDriver::client(const QString& host, int port)
{
    if (RigctldClient* c = find(host, port)) {
        c->setProperty(Releasing, false); // in use again
        return *c;
    }
    auto* c = new RigctldClient(host, port, this);
    if (m_retryMs > 0)
        c->setRetryInterval(m_retryMs);
    connect(c, &RigctldClient::problem, this, &RigctldPttDriver::problem);
    connect(c, &RigctldClient::confirmed, this, &RigctldPttDriver::confirmed);
    m_clients.append(c);
    return *c;
}

RigctldClient* RigctldPttDriver::find(const QString& host, int port) const
{
    for (RigctldClient* c : m_clients) {
        if (c->host() == host && c->port() == port)
            return c;
    }
    return nullptr;
}

void RigctldPttDriver::key(const RigctldConfig& c)
{
    client(c.host, c.port).setTransmit(true);
}

void RigctldPttDriver::unkey(const RigctldConfig& c)
{
    client(c.host, c.port).setTransmit(false);
}

void RigctldPttDriver::unkeyAnyway(const RigctldConfig& c)
{
    client(c.host, c.port).unkeyAnyway();
}

void RigctldPttDriver::release(const QString& keepHost, int keepPort)
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

bool RigctldPttDriver::unkeyPending() const
{
    for (const RigctldClient* c : m_clients) {
        if (c->unkeyPending())
            return true;
    }
    return false;
}

void RigctldPttDriver::settleWithin(QDeadlineTimer deadline)
{
    const QList<RigctldClient*> clients = m_clients;
    for (RigctldClient* c : clients)
        c->settleWithin(deadline);
}

void RigctldPttDriver::closeAll()
{
    for (RigctldClient* c : std::exchange(m_clients, {})) {
        c->close();
        delete c;
    }
}

void RigctldPttDriver::setRetryInterval(int ms)
{
    m_retryMs = ms;
    for (RigctldClient* c : m_clients)
        c->setRetryInterval(ms);
}
