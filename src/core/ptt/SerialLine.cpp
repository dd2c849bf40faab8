#include "SerialLine.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

SerialLine::SerialLine(std::unique_ptr<SerialPortDevice> port)
{
    replace(std::move(port));
}

void SerialLine::replace(std::unique_ptr<SerialPortDevice> port)
{
    if (m_port) {
        m_port->setFailureHandler(nullptr);
        m_port->close();
    }
    m_port = port ? std::move(port) : CreateSystemSerialPort();
}

std::optional<QString> SerialLine::open(const Parameters& wanted, const QString& device, const QString& portText,
                                        bool needsLines)
{
    if (m_port->isOpen()) {
        m_port->flush();
        m_port->close();
    }
    const std::optional<LineSettings> line = LineSettings::parse(wanted.settings);
    if (!line)
        return QStringLiteral("line settings \"%1\" refused").arg(wanted.settings);
    if (device.isEmpty())
        return QStringLiteral("no such port");
    if (!m_port->open(device, *line))
        return DeviceFailure(device, m_port->errorString());
    m_device = device;
    m_portText = portText;
    const bool rtsSet = m_port->setRts(wanted.rts);
    const bool dtrSet = m_port->setDtr(wanted.dtr);
    // A CAT port without modem-control lines (a pseudo-terminal, a virtual
    // CAT port) still carries the commands; the COM method needs the lines.
    if (needsLines && !(rtsSet && dtrSet)) {
        m_port->close();
        return device + QStringLiteral(": no RTS/DTR lines");
    }
    m_last = wanted;
    return std::nullopt;
}

void SerialLine::close()
{
    if (!m_port->isOpen())
        return;
    m_port->setRts(false);
    m_port->setDtr(false);
    // The unkey command must reach the radio before the port goes.
    m_port->flush();
    m_port->close();
}

QString DeviceFailure(const QString& device, const QString& reason)
{
    // Qt can blame permissions or a stale lock for a device that is simply
    // gone; the system's own word for that is the true one.
    if (device.startsWith(QLatin1Char('/')) && !QFileInfo::exists(device))
        return device + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(ENOENT));
    return device + QStringLiteral(": ") + (reason.isEmpty() ? QStringLiteral("cannot be opened") : reason);
}
