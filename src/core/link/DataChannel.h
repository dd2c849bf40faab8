#pragma once

#include <QByteArray>

// The modem's data channel as the text side sees it: it writes typed text
// and asks whether the modem is there at all.
class DataChannel
{
public:
    virtual ~DataChannel() = default;
    // Returns the number of bytes handed to the channel (0 when it is down).
    virtual qint64 writeData(const QByteArray& bytes) = 0;
    // Both channels to the modem are connected.
    virtual bool linkUp() const = 0;
};
