#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

struct Settings;
struct RadioModel;
class SerialPortDevice;
class RigctldClient;

// One keying method ("Via"). key/unkey run after the panel has changed and
// only outside "KELDOFM" mode; they read the settings afresh each time.
class PttDriver
{
public:
    virtual ~PttDriver() = default;
    virtual void key(const Settings& s) = 0;
    virtual void unkey(const Settings& s) = 0;
};

// Via 1: the selected model's CAT command on comPTT.
class CatPttDriver : public PttDriver
{
public:
    explicit CatPttDriver(std::unique_ptr<SerialPortDevice>& port) : m_port(port) {}
    void key(const Settings& s) override;
    void unkey(const Settings& s) override;

private:
    void send(const Settings& s, bool transmit);
    std::unique_ptr<SerialPortDevice>& m_port;
};

// Via 2: the RTS and/or DTR line of comPTT.
class ComPttDriver : public PttDriver
{
public:
    explicit ComPttDriver(std::unique_ptr<SerialPortDevice>& port) : m_port(port) {}
    void key(const Settings& s) override;
    void unkey(const Settings& s) override;

private:
    std::unique_ptr<SerialPortDevice>& m_port;
};

// Via 3 (VOX/ZK-Board) and anything unknown: the radio keys itself.
class NoPttDriver : public PttDriver
{
public:
    void key(const Settings&) override {}
    void unkey(const Settings&) override {}
};

// Via 5: "T 1" / "T 0" to Hamlib's rigctld.
class RigctldPttDriver : public PttDriver
{
public:
    explicit RigctldPttDriver(RigctldClient& client) : m_client(client) {}
    void key(const Settings& s) override;
    void unkey(const Settings& s) override;

private:
    RigctldClient& m_client;
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
QByteArray CatCommand(const Settings& s, const RadioModel& model, bool transmit);
