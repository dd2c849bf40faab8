#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Line parameters from a settings text such as "4800,n,8,2" (baud rate,
// parity letter, data bits, stop bits).
struct LineSettings
{
    qint32 baud = 0;
    char parity = 'n'; // n, e, o, m, s
    int dataBits = 8;
    int stopBits = 1; // 1, 2, or 3 meaning one and a half

    // Nothing for a text the port would refuse.
    static std::optional<LineSettings> parse(const QString& text);
};

// Port number of a name such as "COM3": every "COM" removed, then the leading
// decimal digits; no digits, or a number beyond a byte, gives 0.
quint8 PortNumberOf(const QString& name);

// The device a port number stands for. On Windows that is "COMn" itself;
// elsewhere the "Ports" section of the settings may name it (COM3=/dev/ttyUSB0),
// otherwise COMn is /dev/ttyS(n-1). Port 0 stands for nothing ("").
QString PortDeviceFor(int number, const QMap<int, QString>& portDevices);

// The serial port under the keyer (comPTT). Nothing is ever read from it.
class SerialPortDevice
{
public:
    virtual ~SerialPortDevice() = default;

    virtual bool isOpen() const = 0;
    // Opens device with the given line parameters and no handshaking.
    virtual bool open(const QString& device, const LineSettings& settings) = 0;
    // False when the line cannot be set (closed port, or a device without
    // modem-control lines such as a pseudo-terminal).
    virtual bool setRts(bool raised) = 0;
    virtual bool setDtr(bool raised) = 0;
    // Hands the bytes to the device at once; false when refused.
    virtual bool write(const QByteArray& bytes) = 0;
    // Waits (briefly) until everything written has left the port.
    virtual void flush() = 0;
    // Throws away what was written and has not left yet (a key-up a stalled
    // port still holds must not follow, nor precede, the unkey).
    virtual void discardUnsent() { }
    virtual void close() = 0;
    // The system's reason for the last failure ("No such file or directory").
    virtual QString errorString() const { return QString(); }

    // Told once when an open port fails by itself (device unplugged, far end
    // of a pseudo-terminal gone); the port is already closed by then.
    void setFailureHandler(std::function<void(const QString& reason)> handler) { m_onFailure = std::move(handler); }

protected:
    void reportFailure(const QString& reason)
    {
        if (m_onFailure)
            m_onFailure(reason);
    }

private:
    std::function<void(const QString&)> m_onFailure;
};

// The real port, on QSerialPort.
std::unique_ptr<SerialPortDevice> CreateSystemSerialPort();
