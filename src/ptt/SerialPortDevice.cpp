#include "SerialPortDevice.h"

#include <QSerialPort>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif

std::optional<LineSettings> LineSettings::parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;

    LineSettings ls;
    bool ok = false;
    const QString baud = parts[0].trimmed();
    if (baud.isEmpty() || baud.size() > 8)
        return std::nullopt;
    for (QChar ch : baud) {
        if (!ch.isDigit())
            return std::nullopt;
    }
    ls.baud = baud.toInt(&ok);
    if (!ok || ls.baud <= 0)
        return std::nullopt;

    const QString parity = parts[1].trimmed().toLower();
    if (parity.size() != 1 || !QStringLiteral("neoms").contains(parity))
        return std::nullopt;
    ls.parity = parity[0].toLatin1();

    ls.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || ls.dataBits < 5 || ls.dataBits > 8)
        return std::nullopt;

    const QString stop = parts[3].trimmed();
    if (stop == QLatin1String("1"))
        ls.stopBits = 1;
    else if (stop == QLatin1String("2"))
        ls.stopBits = 2;
    else if (stop == QLatin1String("1.5"))
        ls.stopBits = 3;
    else
        return std::nullopt;
    return ls;
}

quint8 PortNumberOf(const QString& name)
{
    QString rest = name;
    rest.remove(QStringLiteral("COM"));
    int value = 0;
    for (QChar ch : rest) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            break;
        value = value * 10 + (ch.unicode() - '0');
        if (value > 255)
            return 0;
    }
    return quint8(value);
}

QString PortDeviceFor(int number, const QMap<int, QString>& portDevices)
{
    if (number <= 0)
        return QString();
#ifdef Q_OS_WIN
    Q_UNUSED(portDevices);
    return QStringLiteral("COM%1").arg(number);
#else
    const QString named = portDevices.value(number).trimmed();
    if (!named.isEmpty())
        return named;
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

namespace {

class SystemSerialPort : public SerialPortDevice
{
public:
    SystemSerialPort()
    {
        // Whatever the radio sends back (a CI-V echo) is of no use here.
        QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] { m_port.readAll(); });
        // A vanished device (USB adapter pulled) counts as closed, so the
        // next OpenPttPort tries again.
        QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port, [this](QSerialPort::SerialPortError e) {
            if (e == QSerialPort::ResourceError && m_port.isOpen())
                m_port.close();
        });
    }

    bool isOpen() const override { return m_port.isOpen(); }

    bool open(const QString& device, const LineSettings& ls) override
    {
        if (m_port.isOpen() || device.isEmpty())
            return false;
        m_port.setPortName(device);
        QSerialPort::Parity parity = QSerialPort::NoParity;
        switch (ls.parity) {
        case 'e': parity = QSerialPort::EvenParity; break;
        case 'o': parity = QSerialPort::OddParity; break;
        case 'm': parity = QSerialPort::MarkParity; break;
        case 's': parity = QSerialPort::SpaceParity; break;
        default: break;
        }
        const auto stop = ls.stopBits == 2 ? QSerialPort::TwoStop
                          : ls.stopBits == 3 ? QSerialPort::OneAndHalfStop
                                             : QSerialPort::OneStop;
        if (!m_port.setBaudRate(ls.baud) || !m_port.setParity(parity)
            || !m_port.setDataBits(QSerialPort::DataBits(ls.dataBits)) || !m_port.setStopBits(stop)
            || !m_port.setFlowControl(QSerialPort::NoFlowControl))
            return false;
        m_port.setReadBufferSize(1024);
        if (!m_port.open(QIODevice::ReadWrite)) {
            m_port.clearError();
            return false;
        }
        return true;
    }

    bool setRts(bool raised) override { return setLine(&QSerialPort::setRequestToSend, raised); }
    bool setDtr(bool raised) override { return setLine(&QSerialPort::setDataTerminalReady, raised); }

    bool write(const QByteArray& bytes) override
    {
        if (!m_port.isOpen())
            return false;
        if (m_port.write(bytes) != bytes.size())
            return false;
        // Straight to the device rather than at the next turn of the event loop.
        m_port.flush();
        return true;
    }

    void flush() override
    {
        if (!m_port.isOpen())
            return;
        m_port.flush();
        while (m_port.bytesToWrite() > 0 && m_port.waitForBytesWritten(500)) {
        }
#ifdef Q_OS_UNIX
        // Closing resets the line settings at once; let the last bytes leave first.
        if (m_port.handle() >= 0)
            ::tcdrain(m_port.handle());
#endif
    }

    void close() override
    {
        if (m_port.isOpen())
            m_port.close();
        m_port.clearError();
    }

private:
    bool setLine(bool (QSerialPort::*setter)(bool), bool raised)
    {
        if (!m_port.isOpen())
            return false;
        const bool ok = (m_port.*setter)(raised);
        if (!ok)
            m_port.clearError();
        return ok;
    }

    QSerialPort m_port;
};

} // namespace

std::unique_ptr<SerialPortDevice> CreateSystemSerialPort()
{
    return std::make_unique<SystemSerialPort>();
}
