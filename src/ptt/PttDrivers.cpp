#include "PttDrivers.h"

#include "RadioCatalogue.h"
#include "RigctldClient.h"
#include "SerialPortDevice.h"
#include "settings/Settings.h"

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

QByteArray CatCommand(const Settings& s, const RadioModel& model, bool transmit)
{
    if (model.Dialect == DialectCiv)
        return CivFrame(CivAddressFor(s.icomAddress, model), transmit);
    return transmit ? model.TxCommand : model.RxCommand;
}

void CatPttDriver::key(const Settings& s)
{
    send(s, true);
}

void CatPttDriver::unkey(const Settings& s)
{
    send(s, false);
}

void CatPttDriver::send(const Settings& s, bool transmit)
{
    if (!m_port || !m_port->isOpen())
        return;
    const RadioModel* model = RadioModelAt(s.rig);
    if (!model)
        return;
    const QByteArray bytes = CatCommand(s, *model, transmit);
    if (!bytes.isEmpty())
        m_port->write(bytes);
}

void ComPttDriver::key(const Settings& s)
{
    if (!m_port || !m_port->isOpen())
        return;
    switch (s.pin) {
    case 1:
        m_port->setRts(true);
        break;
    case 2:
        m_port->setDtr(true);
        break;
    case 3:
        m_port->setRts(true);
        m_port->setDtr(true);
        break;
    default:
        break;
    }
}

void ComPttDriver::unkey(const Settings&)
{
    // Both lines drop whatever "Pin" says; a failure of one still tries the other.
    if (!m_port)
        return;
    m_port->setRts(false);
    m_port->setDtr(false);
}

void RigctldPttDriver::key(const Settings& s)
{
    m_client.setEndpoint(s.rigctldHost, s.rigctldPort);
    m_client.send(QByteArrayLiteral("T 1\n"));
}

void RigctldPttDriver::unkey(const Settings& s)
{
    m_client.setEndpoint(s.rigctldHost, s.rigctldPort);
    m_client.send(QByteArrayLiteral("T 0\n"));
}
