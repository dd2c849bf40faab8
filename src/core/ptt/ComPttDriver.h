#pragma once

#include "KeyingConfig.h"
#include "KeyingStateFields.h"
#include "PttDriver.h"

#include <memory>

// COM: the RTS and/or DTR line of comPTT.
class ComPttDriver : public PttDriver
{
    Q_OBJECT
public:
    ComPttDriver(const ComConfig& config, std::shared_ptr<SerialLine> line);

    // Its lines of the keying state file, and whether an entry read back
    // names a radio it can unkey.
    static void writeState(const KeyingConfig& config, KeyingStateOut& out);
    static void readState(KeyingConfig& config, KeyingStateIn& line);
    static bool stateUsable(const KeyingConfig& config, bool keyed);

    bool keysRadio() const override { return m_config.pin >= 1 && m_config.pin <= 3; }
    KeyingResult key() override { return reported(raise()); }
    // Both lines drop whatever "Pin" says.
    KeyingResult unkey() override { return reported(lower()); }
    // Both lines lowered on the device, on a port of its own when comPTT is open.
    KeyingResult unkeyAnyway() override { return reported(lowerOnAnyPort()); }

    QString where() const override { return m_config.device; }
    QByteArray how() const override { return QByteArray::number(m_config.pin); }
    QString portText() const override { return m_config.port; }
    QString describe() const override;
    void describeTo(KeyingTraceLine& line) const override;

    bool usesSerialPort() const override { return true; }
    std::optional<SerialLine::Parameters> portParameters(QString* why = nullptr) const override;
    std::optional<QString> openPort() override;

private:
    KeyingResult raise();
    KeyingResult lower();
    KeyingResult lowerOnAnyPort();

    ComConfig m_config;
    std::shared_ptr<SerialLine> m_line;
};
