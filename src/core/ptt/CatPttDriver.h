#pragma once

#include "KeyingConfig.h"
#include "KeyingStateFields.h"
#include "PttDriver.h"

#include <QByteArray>

#include <memory>

struct RadioModel;

// CAT: the selected model's CAT command on comPTT.
class CatPttDriver : public PttDriver
{
    Q_OBJECT
public:
    CatPttDriver(const CatConfig& config, std::shared_ptr<SerialLine> line);

    // Its lines of the keying state file, and whether an entry read back
    // names a radio it can unkey.
    static void writeState(const KeyingConfig& config, KeyingStateOut& out);
    static void readState(KeyingConfig& config, KeyingStateIn& line);
    static bool stateUsable(const KeyingConfig& config, bool keyed);

    bool keysRadio() const override;
    KeyingResult key() override { return reported(send(true)); }
    KeyingResult unkey() override { return reported(send(false)); }
    // On comPTT, reopened if it is closed, or on a port of its own when
    // comPTT has moved to another device meanwhile.
    KeyingResult unkeyAnyway() override;

    QString where() const override { return m_config.device; }
    QByteArray how() const override;
    QString portText() const override { return m_config.port; }
    QString describe() const override;
    void describeTo(KeyingTraceLine& line) const override;

    bool usesSerialPort() const override { return true; }
    std::optional<SerialLine::Parameters> portParameters(QString* why = nullptr) const override;
    std::optional<QString> openPort() override;
    bool owesFailedUnkey() const override { return true; }

private:
    KeyingResult send(bool transmit);
    std::optional<QString> open();
    KeyingResult unkeyOnAnyPort();
    KeyingResult sendOn(SerialPortDevice* port, bool transmit);

    CatConfig m_config;
    std::shared_ptr<SerialLine> m_line;
};

// True for exactly two hexadecimal digits.
bool IsTwoHexDigits(const QString& text);

// The CI-V address keying uses: the stored "Icom Address" when it is two
// hexadecimal digits, else the model's own. A malformed stored address must
// not become 0x00, the broadcast address that keys every radio on the bus.
quint8 CivAddressFor(const QString& storedAddress, const RadioModel& model);

// FE FE <address> E0 1C 00 <01|00> FD
QByteArray CivFrame(quint8 address, bool transmit);

// The bytes that key (or unkey) a model; empty when it has no command.
QByteArray CatCommand(const CatConfig& c, const RadioModel& model, bool transmit);

// "COM3 (/dev/ttyUSB0)", or the port text alone when it is the device.
QString PortDescription(const QString& port, const QString& device);
