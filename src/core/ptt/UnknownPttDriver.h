#pragma once

#include "PttDriver.h"
#include "SerialPortList.h"

#include <memory>

// A stored method this program does not know: it keys nothing, and opening
// its port tells that the settings are unusable.
class UnknownPttDriver : public PttDriver
{
    Q_OBJECT
public:
    explicit UnknownPttDriver(std::shared_ptr<SerialLine> line)
        : PttDriver(PttMethod::Other)
        , m_line(std::move(line))
    { }

    bool radioKeysItself() const override { return true; }
    std::optional<SerialLine::Parameters> portParameters(QString* = nullptr) const override
    {
        SerialLine::Parameters none;
        none.port = PortIdentityOf(QString());
        return none;
    }
    std::optional<QString> openPort() override { return m_line->open(*portParameters(), QString(), QString(), false); }

private:
    std::shared_ptr<SerialLine> m_line;
};
