#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <memory>

// A serial device present on the system, as the PTT dialog offers it.
struct SerialDevice
{
    QString path; // what is stored as the port text and opened
    QString description; // product or interface name, else the driver
    QString manufacturer;
    QString serialNumber;
    bool hasUsbIds = false;
    quint16 vendorId = 0;
    quint16 productId = 0;
};

// "path", then description, maker and USB ids, one per line, as far as known.
QString SerialDeviceToolTip(const SerialDevice& device);

// Lists the serial devices present. Never opens a device: opening a tty
// raises RTS and DTR, which can key a transmitter.
class SerialPortEnumerator
{
public:
    virtual ~SerialPortEnumerator() = default;
    virtual QList<SerialDevice> devices() const = 0;
};

// Linux: every tty in sysClassTty with a device behind it (serial-core
// ports without a UART left out), named by its link in byIdDir where one
// exists, otherwise devDir/<kernel name>. Reads sysfs attributes and
// symbolic links only.
class SysfsPortEnumerator : public SerialPortEnumerator
{
public:
    explicit SysfsPortEnumerator(const QString& sysClassTty = QStringLiteral("/sys/class/tty"),
                                 const QString& devDir = QStringLiteral("/dev"),
                                 const QString& byIdDir = QStringLiteral("/dev/serial/by-id"));
    QList<SerialDevice> devices() const override;

private:
    QString m_sysClassTty;
    QString m_devDir;
    QString m_byIdDir;
};

// The system's devices; on Windows none beyond COM1 to COM16.
std::unique_ptr<SerialPortEnumerator> CreateSystemPortEnumerator();

// True for a port text naming a device by path ("/dev/ttyUSB0") rather
// than by a COM name.
bool IsDevicePath(const QString& portText);

// The device a stored port text ("CATPort", "PTTPort") stands for: a device
// path is itself; a COM name goes through its port number (PortDeviceFor).
QString PortDeviceOf(const QString& portText, const QMap<int, QString>& portDevices);

// How a port text is compared when deciding whether to reopen, and named in
// the open-failure message: "COM" and the port number, or the device path.
QString PortIdentityOf(const QString& portText);
