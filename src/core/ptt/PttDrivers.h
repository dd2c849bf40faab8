#pragma once

#include "KeyingConfig.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

struct RadioModel;
class SerialPortDevice;
class RigctldClient;

// What became of one key-up or unkey.
struct KeyingResult
{
    bool ok = true;
    QString problem; // the system's reason when not ok
};

// Each driver keys with its own part of the keying configuration; key and
// unkey run after the panel has changed and only outside FM mode.

// CAT: the selected model's CAT command on comPTT.
class CatPttDriver
{
public:
    explicit CatPttDriver(std::unique_ptr<SerialPortDevice>& port)
        : m_port(port)
    { }
    KeyingResult key(const CatConfig& c) { return send(c, true); }
    KeyingResult unkey(const CatConfig& c) { return send(c, false); }
    // Whether the model has a command at all.
    static bool keysRadio(const CatConfig& c);

private:
    KeyingResult send(const CatConfig& c, bool transmit);
    std::unique_ptr<SerialPortDevice>& m_port;
};

// COM: the RTS and/or DTR line of comPTT.
class ComPttDriver
{
public:
    explicit ComPttDriver(std::unique_ptr<SerialPortDevice>& port)
        : m_port(port)
    { }
    KeyingResult key(const ComConfig& c);
    KeyingResult unkey();
    static bool keysRadio(const ComConfig& c);

private:
    std::unique_ptr<SerialPortDevice>& m_port;
};

// rigctld: "T 1" / "T 0" to Hamlib's rigctld, one client per address. The
// outcome comes later, as problem() or confirmed().
class RigctldPttDriver : public QObject
{
    Q_OBJECT
public:
    explicit RigctldPttDriver(QObject* parent = nullptr)
        : QObject(parent)
    { }

    void key(const RigctldConfig& c);
    void unkey(const RigctldConfig& c);
    // The unkey of a radio keyed by an earlier run (RigctldClient::unkeyAnyway).
    void unkeyAnyway(const RigctldConfig& c);

    // The client of an address, if one was made.
    RigctldClient* find(const QString& host, int port) const;
    // Lets go of every client but the one of keepHost:keepPort; a client
    // with an unkey still unacknowledged stays until rigctld takes it.
    void release(const QString& keepHost = QString(), int keepPort = -1);
    bool unkeyPending() const;
    // Waits, on the sockets alone, for every pending unkey (RigctldClient::settleWithin).
    void settleWithin(QDeadlineTimer deadline);
    // Drops every client, pending or not (the end of the program).
    void closeAll();
    void setRetryInterval(int ms);

signals:
    void problem(const QString& text);
    void confirmed(bool transmit);

private:
    RigctldClient& client(const QString& host, int port);

    QList<RigctldClient*> m_clients; // children of this
    int m_retryMs = -1;
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
