#include "SerialPortList.h"

#include "SerialPortDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

// One line of a sysfs attribute; empty when there is none. Attributes are
// small text files: reading one never touches the device.
QString attribute(const QString& dir, const QString& name)
{
    QFile f(dir + QLatin1Char('/') + name);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.read(256)).trimmed();
}

// ttyUSB10 after ttyUSB9: letters first, then the trailing number.
bool kernelNameLess(const QString& a, const QString& b)
{
    auto split = [](const QString& name) {
        int digits = int(name.size());
        while (digits > 0 && name[digits - 1].isDigit())
            --digits;
        return std::make_pair(name.left(digits), name.mid(digits).toLongLong());
    };
    return split(a) < split(b);
}

// The USB device above a tty's device: the nearest folder with USB ids.
// ttyACM sits on the interface, ttyUSB one level further down.
void readUsbIds(const QString& deviceDir, SerialDevice& out)
{
    QString interfaceName;
    QString dir = deviceDir;
    for (int up = 0; up < 4 && !dir.isEmpty(); ++up) {
        const QString vendor = attribute(dir, QStringLiteral("idVendor"));
        const QString product = attribute(dir, QStringLiteral("idProduct"));
        if (!vendor.isEmpty() && !product.isEmpty()) {
            bool vendorOk = false;
            bool productOk = false;
            out.vendorId = quint16(vendor.toUInt(&vendorOk, 16));
            out.productId = quint16(product.toUInt(&productOk, 16));
            out.hasUsbIds = vendorOk && productOk;
            out.manufacturer = attribute(dir, QStringLiteral("manufacturer"));
            out.serialNumber = attribute(dir, QStringLiteral("serial"));
            out.description = attribute(dir, QStringLiteral("product"));
            break;
        }
        if (interfaceName.isEmpty())
            interfaceName = attribute(dir, QStringLiteral("interface"));
        dir = QFileInfo(dir).path();
    }
    if (out.description.isEmpty())
        out.description = interfaceName;
}

} // namespace

QString SerialDeviceToolTip(const SerialDevice& device)
{
    QStringList lines{device.path};
    if (!device.description.isEmpty())
        lines << device.description;
    if (!device.manufacturer.isEmpty())
        lines << device.manufacturer;
    if (device.hasUsbIds) {
        QString ids = QStringLiteral("USB %1:%2")
                          .arg(device.vendorId, 4, 16, QLatin1Char('0'))
                          .arg(device.productId, 4, 16, QLatin1Char('0'));
        if (!device.serialNumber.isEmpty())
            ids = QCoreApplication::translate("SerialPortList", "%1, serial %2").arg(ids, device.serialNumber);
        lines << ids;
    }
    return lines.join(QLatin1Char('\n'));
}

SysfsPortEnumerator::SysfsPortEnumerator(const QString& sysClassTty, const QString& devDir, const QString& byIdDir)
    : m_sysClassTty(sysClassTty)
    , m_devDir(devDir)
    , m_byIdDir(byIdDir)
{ }

QList<SerialDevice> SysfsPortEnumerator::devices() const
{
    // Stable names first: by-id link -> the device node it resolves to.
    QHash<QString, QString> stableName;
    const QFileInfoList links =
        QDir(m_byIdDir).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& link : links) {
        const QString target = link.canonicalFilePath(); // readlink only, no open
        if (!target.isEmpty() && !stableName.contains(target))
            stableName.insert(target, link.absoluteFilePath());
    }

    QStringList names = QDir(m_sysClassTty).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), kernelNameLess);

    QList<SerialDevice> found;
    for (const QString& name : names) {
        const QString ttyDir = m_sysClassTty + QLatin1Char('/') + name;
        const QFileInfo deviceLink(ttyDir + QStringLiteral("/device"));
        // Consoles, pseudo-terminals and the like have no device behind them.
        if (!deviceLink.exists())
            continue;
        // A serial-core port without a UART (the many ttyS placeholders of
        // the 8250 driver) has type 0.
        if (attribute(ttyDir, QStringLiteral("type")) == QLatin1String("0"))
            continue;
        const QFileInfo node(m_devDir + QLatin1Char('/') + name);
        if (!node.exists())
            continue;

        SerialDevice device;
        device.path = stableName.take(node.canonicalFilePath());
        if (device.path.isEmpty())
            device.path = node.absoluteFilePath();
        const QString deviceDir = deviceLink.canonicalFilePath();
        readUsbIds(deviceDir, device);
        if (device.description.isEmpty())
            device.description =
                QFileInfo(QFileInfo(deviceDir + QStringLiteral("/driver")).canonicalFilePath()).fileName();
        found << device;
    }

    // A stable name whose device the kernel list did not show is still offered.
    QStringList rest = stableName.values();
    std::sort(rest.begin(), rest.end());
    for (const QString& path : rest) {
        SerialDevice device;
        device.path = path;
        found << device;
    }
    return found;
}

bool IsDevicePath(const QString& portText)
{
#ifdef Q_OS_WIN
    Q_UNUSED(portText);
    return false;
#else
    return portText.startsWith(QLatin1Char('/'));
#endif
}

QString PortDeviceOf(const QString& portText, const QMap<int, QString>& portDevices)
{
    if (IsDevicePath(portText))
        return portText;
    return PortDeviceFor(PortNumberOf(portText), portDevices);
}

QString PortIdentityOf(const QString& portText)
{
    if (IsDevicePath(portText))
        return portText;
    return QStringLiteral("COM%1").arg(PortNumberOf(portText));
}

namespace {

class NoPortEnumerator : public SerialPortEnumerator
{
public:
    QList<SerialDevice> devices() const override { return {}; }
};

} // namespace

std::unique_ptr<SerialPortEnumerator> CreateSystemPortEnumerator()
{
#ifdef Q_OS_LINUX
    return std::make_unique<SysfsPortEnumerator>();
#else
    // Windows keeps its COM names; other systems name their ports in [Ports].
    return std::make_unique<NoPortEnumerator>();
#endif
}
