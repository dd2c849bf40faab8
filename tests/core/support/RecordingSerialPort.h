#pragma once

#include "ptt/SerialPortDevice.h"

#include <QSet>
#include <QStringList>

#include <utility>

// A serial port that only records what is done to it, for the tests.
// Every call leaves one line in log(): "open <device> <baud>,<parity>,<data>,<stop>",
// "rts 1", "dtr 0", "write FE FE 94 ...", "flush", "close".
class RecordingSerialPort : public SerialPortDevice
{
public:
    // Devices whose open fails (as if another program held them).
    QSet<QString> busyDevices;
    // False for a device without modem-control lines (a pseudo-terminal).
    bool hasLines = true;
    // Lines ("rts", "dtr") the device refuses to set while open.
    QSet<QString> refusedLines;
    // A stalled adapter: what is written waits in unsent until unstall().
    bool stalled = false;
    QByteArray unsent;

    bool open_ = false;
    bool rts = false;
    bool dtr = false;
    QString device;
    LineSettings settings;
    QByteArray written;
    QStringList log;

    bool isOpen() const override { return open_; }

    bool open(const QString& dev, const LineSettings& ls) override
    {
        if (open_ || dev.isEmpty() || busyDevices.contains(dev)) {
            log << QStringLiteral("open-failed %1").arg(dev);
            return false;
        }
        open_ = true;
        device = dev;
        settings = ls;
        log << QStringLiteral("open %1 %2").arg(dev, lineSettings());
        return true;
    }

    // The line settings of the last open, as "4800,n,8,2".
    QString lineSettings() const
    {
        return QStringLiteral("%1,%2,%3,%4")
            .arg(settings.baud)
            .arg(QLatin1Char(settings.parity))
            .arg(settings.dataBits)
            .arg(settings.stopBits == 3 ? QStringLiteral("1.5") : QString::number(settings.stopBits));
    }

    bool setRts(bool raised) override { return setLine(QStringLiteral("rts"), rts, raised); }
    bool setDtr(bool raised) override { return setLine(QStringLiteral("dtr"), dtr, raised); }

    bool write(const QByteArray& bytes) override
    {
        if (!open_)
            return false;
        (stalled ? unsent : written) += bytes;
        log << QStringLiteral("write ") + QString::fromLatin1(bytes.toHex(' ').toUpper());
        return true;
    }

    void flush() override { log << QStringLiteral("flush"); }

    void discardUnsent() override
    {
        if (unsent.isEmpty())
            return;
        log << QStringLiteral("discard ") + QString::fromLatin1(unsent.toHex(' ').toUpper());
        unsent.clear();
    }

    // The device fails by itself (cable pulled): closed, and the keyer told.
    void hangUp(const QString& reason)
    {
        log << QStringLiteral("hang-up");
        open_ = false;
        reportFailure(reason);
    }

    // The adapter moves again: what waited reaches the radio.
    void unstall()
    {
        stalled = false;
        written += std::exchange(unsent, QByteArray());
    }

    void close() override
    {
        log << QStringLiteral("close");
        open_ = false;
    }

    // The device fails by itself (unplugged, reset by RF): closed, and told.
    void fail(const QString& reason)
    {
        log << QStringLiteral("failed");
        open_ = false;
        reportFailure(reason);
    }

    void clearLog()
    {
        log.clear();
        written.clear();
    }

private:
    bool setLine(const QString& name, bool& line, bool raised)
    {
        if (!open_ || !hasLines || refusedLines.contains(name)) {
            log << QStringLiteral("%1-failed").arg(name);
            return false;
        }
        line = raised;
        log << QStringLiteral("%1 %2").arg(name).arg(raised ? 1 : 0);
        return true;
    }
};
