#include "ComPttDriver.h"

#include "CatPttDriver.h"
#include "KeyingTrace.h"
#include "SerialPortList.h"

namespace {

const char* PinName(int pin)
{
    return pin == 1 ? "RTS" : pin == 2 ? "DTR" : pin == 3 ? "RTS+DTR" : "none";
}

QString LineFailure(const SerialPortDevice& port)
{
    return port.errorString().isEmpty() ? QStringLiteral("line refused") : port.errorString();
}

KeyingResult PortNotOpen(const SerialPortDevice& port)
{
    const QString reason = port.errorString();
    return {false, reason.isEmpty() ? QStringLiteral("port not open") : reason};
}

} // namespace

ComPttDriver::ComPttDriver(const ComConfig& config, std::shared_ptr<SerialLine> line)
    : PttDriver(PttMethod::Com)
    , m_config(config)
    , m_line(std::move(line))
{ }

KeyingResult ComPttDriver::raise()
{
    if (!keysRadio())
        return {};
    SerialPortDevice& port = m_line->port();
    if (!port.isOpen())
        return PortNotOpen(port);
    bool ok = true;
    if (m_config.pin == 1 || m_config.pin == 3)
        ok = port.setRts(true) && ok;
    if (m_config.pin == 2 || m_config.pin == 3)
        ok = port.setDtr(true) && ok;
    if (!ok)
        return {false, LineFailure(port)};
    return {};
}

KeyingResult ComPttDriver::lower()
{
    // A failure of one line still tries the other.
    SerialPortDevice& port = m_line->port();
    if (!port.isOpen())
        return PortNotOpen(port);
    const bool rts = port.setRts(false);
    const bool dtr = port.setDtr(false);
    if (!(rts && dtr))
        return {false, LineFailure(port)};
    return {};
}

KeyingResult ComPttDriver::lowerOnAnyPort()
{
    std::unique_ptr<SerialPortDevice> spare;
    SerialPortDevice* port = &m_line->port();
    if (port->isOpen()) {
        spare = CreateSystemSerialPort();
        port = spare.get();
    }
    const std::optional<LineSettings> line = LineSettings::parse(QStringLiteral("4800,N,8,1"));
    if (!line || !port->open(m_config.device, *line))
        return {false, DeviceFailure(m_config.device, port->errorString())};
    const bool rts = port->setRts(false);
    const bool dtr = port->setDtr(false);
    port->flush();
    port->close();
    if (!(rts && dtr))
        return {false, LineFailure(*port)};
    return {};
}

QString ComPttDriver::describe() const
{
    return PortDescription(m_config.port, m_config.device);
}

void ComPttDriver::describeTo(KeyingTraceLine& line) const
{
    PttDriver::describeTo(line);
    line.field("port", m_config.port).field("device", m_config.device).field("pin", PinName(m_config.pin));
}

std::optional<SerialLine::Parameters> ComPttDriver::portParameters(QString*) const
{
    SerialLine::Parameters wanted;
    wanted.portNumber = PortNumberOf(m_config.port);
    wanted.port = PortIdentityOf(m_config.port);
    wanted.settings = QStringLiteral("4800,N,8,1");
    return wanted;
}

std::optional<QString> ComPttDriver::openPort()
{
    return reported(m_line->open(*portParameters(), m_config.device, m_config.port, true));
}

void ComPttDriver::writeState(const KeyingConfig& config, KeyingStateOut& out)
{
    const ComConfig& c = config.com;
    out.field("port", c.port);
    out.field("device", c.device);
    out.field("pin", c.pin);
}

void ComPttDriver::readState(KeyingConfig& config, KeyingStateIn& line)
{
    ComConfig& c = config.com;
    if (line.key == "port")
        c.port = line.text();
    else if (line.key == "device")
        c.device = line.text();
    else if (line.key == "pin")
        line.number(c.pin, 1, 3);
}

bool ComPttDriver::stateUsable(const KeyingConfig& config, bool)
{
    const ComConfig& c = config.com;
    return !c.device.isEmpty() && c.pin >= 1 && c.pin <= 3;
}
