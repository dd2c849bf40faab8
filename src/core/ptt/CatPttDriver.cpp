#include "CatPttDriver.h"

#include "KeyingTrace.h"
#include "RadioCatalogue.h"
#include "SerialPortList.h"

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

QString PortDescription(const QString& port, const QString& device)
{
    return port == device || device.isEmpty() ? port : QStringLiteral("%1 (%2)").arg(port, device);
}

CatPttDriver::CatPttDriver(const CatConfig& config, std::shared_ptr<SerialLine> line)
    : PttDriver(PttMethod::Cat)
    , m_config(config)
    , m_line(std::move(line))
{ }

bool CatPttDriver::keysRadio() const
{
    const RadioModel* model = RadioModelAt(m_config.rig);
    return model && !CatCommand(m_config, *model, true).isEmpty();
}

QByteArray CatPttDriver::how() const
{
    const RadioModel* model = RadioModelAt(m_config.rig);
    return model ? CatCommand(m_config, *model, false) : QByteArray();
}

QString CatPttDriver::describe() const
{
    return PortDescription(m_config.port, m_config.device);
}

void CatPttDriver::describeTo(KeyingTraceLine& line) const
{
    PttDriver::describeTo(line);
    line.field("port", m_config.port).field("device", m_config.device);
    const RadioModel* model = RadioModelAt(m_config.rig);
    line.field("radio", model ? model->Model : QStringLiteral("%1").arg(m_config.rig));
}

std::optional<SerialLine::Parameters> CatPttDriver::portParameters(QString* why) const
{
    const RadioModel* model = RadioModelAt(m_config.rig);
    if (!model) {
        if (why)
            *why = QStringLiteral("no radio model %1").arg(m_config.rig);
        return std::nullopt;
    }
    SerialLine::Parameters wanted;
    wanted.portNumber = PortNumberOf(m_config.port);
    wanted.port = PortIdentityOf(m_config.port);
    int stopBits = 1;
    if (model->Dialect == DialectFiveByte)
        stopBits = 2;
    else if (model->Dialect == DialectSemicolon && m_config.baud == QLatin1String("4800"))
        stopBits = 2;
    wanted.settings = (m_config.baud + QStringLiteral(",N,8,") + QString::number(stopBits)).toLower();
    wanted.rts = m_config.rts == 1;
    wanted.dtr = m_config.dtr == 1;
    return wanted;
}

std::optional<QString> CatPttDriver::openPort()
{
    return reported(open());
}

std::optional<QString> CatPttDriver::open()
{
    QString why;
    const std::optional<SerialLine::Parameters> wanted = portParameters(&why);
    if (!wanted)
        return why;
    return m_line->open(*wanted, m_config.device, m_config.port, false);
}

KeyingResult CatPttDriver::send(bool transmit)
{
    return sendOn(&m_line->port(), transmit);
}

KeyingResult CatPttDriver::sendOn(SerialPortDevice* port, bool transmit)
{
    const RadioModel* model = RadioModelAt(m_config.rig);
    if (!model)
        return {false, QStringLiteral("no radio model %1").arg(m_config.rig)};
    const QByteArray bytes = CatCommand(m_config, *model, transmit);
    if (bytes.isEmpty())
        return {};
    if (!port->isOpen()) {
        const QString reason = port->errorString();
        return {false, reason.isEmpty() ? QStringLiteral("port not open") : reason};
    }
    if (!transmit)
        port->discardUnsent();
    if (!port->write(bytes))
        return {false, port->errorString().isEmpty() ? QStringLiteral("write failed") : port->errorString()};
    return {};
}

KeyingResult CatPttDriver::unkeyAnyway()
{
    return reported(unkeyOnAnyPort());
}

KeyingResult CatPttDriver::unkeyOnAnyPort()
{
    if (m_line->isOpen() && m_line->device() != m_config.device) {
        // Keying has moved to another port meanwhile: a port of its own.
        std::unique_ptr<SerialPortDevice> spare = CreateSystemSerialPort();
        const std::optional<LineSettings> line =
            LineSettings::parse(portParameters().value_or(SerialLine::Parameters{}).settings);
        if (!line || !spare->open(m_config.device, *line))
            return {false, DeviceFailure(m_config.device, spare->errorString())};
        spare->setRts(m_config.rts == 1);
        spare->setDtr(m_config.dtr == 1);
        const KeyingResult result = sendOn(spare.get(), false);
        spare->flush();
        spare->close();
        return result;
    }
    if (!m_line->isOpen()) {
        if (const auto failure = open())
            return {false, *failure};
    }
    return send(false);
}

void CatPttDriver::writeState(const KeyingConfig& config, KeyingStateOut& out)
{
    const CatConfig& c = config.cat;
    out.field("port", c.port);
    out.field("device", c.device);
    out.field("model", c.rig);
    out.field("baud", c.baud);
    out.field("rts", c.rts);
    out.field("dtr", c.dtr);
    out.field("icom-address", c.icomAddress);
}

void CatPttDriver::readState(KeyingConfig& config, KeyingStateIn& line)
{
    CatConfig& c = config.cat;
    if (line.key == "port")
        c.port = line.text();
    else if (line.key == "device")
        c.device = line.text();
    else if (line.key == "model")
        line.number(c.rig, 1, RadioModelCount);
    else if (line.key == "baud") {
        int baud = 0;
        line.number(baud, 1, 4000000);
        c.baud = QString::number(baud);
    } else if (line.key == "rts")
        line.number(c.rts, 0, 1);
    else if (line.key == "dtr")
        line.number(c.dtr, 0, 1);
    else if (line.key == "icom-address")
        c.icomAddress = line.text().left(2);
}

bool CatPttDriver::stateUsable(const KeyingConfig& config, bool)
{
    const CatConfig& c = config.cat;
    return !c.device.isEmpty() && !c.baud.isEmpty() && RadioModelAt(c.rig);
}
