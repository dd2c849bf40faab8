#include "SerialPortDevice.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <QThread>
#include <sys/ioctl.h>
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
        // A port that fails while open (USB adapter pulled, far end of a pty
        // gone) is closed at once: left open, its read notifier would fire
        // without end and spin a core.
        QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port, [this](QSerialPort::SerialPortError e) {
            // Not for a refused setting (a pty has no RTS/DTR lines).
            const bool broken =
                e == QSerialPort::ResourceError || e == QSerialPort::ReadError || e == QSerialPort::WriteError;
            if (broken && m_port.isOpen())
                failWhileOpen();
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
        case 'e':
            parity = QSerialPort::EvenParity;
            break;
        case 'o':
            parity = QSerialPort::OddParity;
            break;
        case 'm':
            parity = QSerialPort::MarkParity;
            break;
        case 's':
            parity = QSerialPort::SpaceParity;
            break;
        default:
            break;
        }
        const auto stop = ls.stopBits == 2 ? QSerialPort::TwoStop
            : ls.stopBits == 3             ? QSerialPort::OneAndHalfStop
                                           : QSerialPort::OneStop;
        if (!m_port.setBaudRate(ls.baud) || !m_port.setParity(parity)
            || !m_port.setDataBits(QSerialPort::DataBits(ls.dataBits)) || !m_port.setStopBits(stop)
            || !m_port.setFlowControl(QSerialPort::NoFlowControl))
            return false;
        m_port.setReadBufferSize(1024);
        if (!m_port.open(QIODevice::ReadWrite)) {
            m_error = m_port.errorString();
            m_port.clearError();
            return false;
        }
        m_error.clear();
        return true;
    }

    QString errorString() const override { return m_error; }

    bool setRts(bool raised) override { return setLine(&QSerialPort::setRequestToSend, raised); }
    bool setDtr(bool raised) override { return setLine(&QSerialPort::setDataTerminalReady, raised); }

    bool write(const QByteArray& bytes) override
    {
        if (!m_port.isOpen()) {
            if (m_error.isEmpty())
                m_error = QStringLiteral("port not open");
            return false;
        }
        // Straight to the device rather than at the next turn of the event loop.
        const bool queued = m_port.write(bytes) == bytes.size();
        if (queued)
            m_port.flush();
        if (!m_port.isOpen())
            return false; // failed and closed on the way
        if (!queued) {
            m_error = m_port.errorString();
            if (m_port.error() != QSerialPort::NoError)
                failWhileOpen();
            return false;
        }
        return true;
    }

    void flush() override
    {
        if (!m_port.isOpen())
            return;
        m_port.flush();
        // Half a second in all, however the bytes trickle out.
        const QDeadlineTimer deadline(500);
        while (m_port.bytesToWrite() > 0 && !deadline.hasExpired()
               && m_port.waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime())))) {
        }
#ifdef Q_OS_UNIX
        // Closing resets the line settings at once; let the last bytes leave
        // first. The driver's queue is watched within the same half second:
        // tcdrain alone would wait for ever on an adapter that stalled.
        const int fd = m_port.handle();
        int queued = 0;
        while (fd >= 0 && ::ioctl(fd, TIOCOUTQ, &queued) == 0 && queued > 0 && !deadline.hasExpired())
            QThread::msleep(2);
        if (fd >= 0 && queued == 0)
            ::tcdrain(fd); // what is left is in the UART itself
#endif
    }

    void discardUnsent() override
    {
        // Qt's buffer and the driver's queue alike.
        if (m_port.isOpen())
            m_port.clear(QSerialPort::Output);
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
        if (!ok) {
            m_error = m_port.errorString();
            m_port.clearError();
        }
        return ok;
    }

    void failWhileOpen()
    {
        if (m_failing)
            return;
        m_failing = true;
        m_error = m_port.errorString();
        m_port.close();
        m_port.clearError();
        m_failing = false;
        reportFailure(m_error);
    }

    QSerialPort m_port;
    QString m_error;
    bool m_failing = false;
};

} // namespace

std::unique_ptr<SerialPortDevice> CreateSystemSerialPort()
{
    return std::make_unique<SystemSerialPort>();
}
