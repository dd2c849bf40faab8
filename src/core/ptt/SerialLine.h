#pragma once

#include "SerialPortDevice.h"

#include <QString>

#include <memory>
#include <optional>

// comPTT: the one serial port the CAT and COM drivers share, and how it was
// last opened.
class SerialLine
{
public:
    struct Parameters
    {
        quint8 portNumber = 0;
        // PortIdentityOf the port text: a device path stands apart from every COM name.
        QString port;
        bool rts = false;
        bool dtr = false;
        QString settings;
        bool operator==(const Parameters& o) const
        {
            return portNumber == o.portNumber && port == o.port && rts == o.rts && dtr == o.dtr
                && settings == o.settings;
        }
        bool operator!=(const Parameters& o) const { return !(*this == o); }
    };

    explicit SerialLine(std::unique_ptr<SerialPortDevice> port);

    SerialPortDevice& port() { return *m_port; }
    bool isOpen() const { return m_port->isOpen(); }
    // Replaces the port (closing the old one); null for the system's.
    void replace(std::unique_ptr<SerialPortDevice> port);

    // Opens device as wanted, closing it first; on failure the system's
    // reason. needsLines: a port without RTS/DTR lines is refused.
    std::optional<QString> open(const Parameters& wanted, const QString& device, const QString& portText,
                                bool needsLines);
    // Lowers both lines and closes once what was written has left.
    void close();

    const Parameters& last() const { return m_last; }
    // The device it was last opened on, and the port text naming it.
    const QString& device() const { return m_device; }
    const QString& portText() const { return m_portText; }

private:
    std::unique_ptr<SerialPortDevice> m_port;
    Parameters m_last;
    QString m_device;
    QString m_portText;
};

// "device: reason", with the system's own word for a device that is gone.
QString DeviceFailure(const QString& device, const QString& reason);
