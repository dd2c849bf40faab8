#pragma once

#include "SerialLine.h"
#include "settings/PttMethod.h"

#include <QObject>
#include <QString>

#include <optional>

class KeyingTraceLine;
class RigctldLinks;

// What became of one key-up or unkey.
struct KeyingResult
{
    bool ok = true;
    QString problem; // the system's reason when not ok
};

// One way of keying, built by PttDriverFactory from its own part of the
// keying configuration. The keyer decides when; a driver knows only how.
// Key and unkey answer at once (a failure is signalled too); what comes
// later, rigctld's answer, is signalled.
class PttDriver : public QObject
{
    Q_OBJECT
public:
    explicit PttDriver(PttMethod method)
        : m_method(method)
    { }

    // The method it stands for ("driver=" in the trace and the state).
    PttMethod method() const { return m_method; }

    // Whether a key-up reaches a radio at all.
    virtual bool keysRadio() const { return false; }
    // VOX, or a mode whose modem keys: the radio keys itself.
    virtual bool radioKeysItself() const { return false; }
    virtual KeyingResult key() { return {}; }
    virtual KeyingResult unkey() { return {}; }
    // The unkey of a radio this run may not have keyed (one left keyed by an
    // earlier run, or one owed): opens what it needs for it.
    virtual KeyingResult unkeyAnyway() { return unkey(); }

    // Where it keys: the device or address, and what unkeys it there.
    virtual QString where() const { return QString(); }
    virtual QByteArray how() const { return QByteArray(); }
    // The port text as stored, for messages.
    virtual QString portText() const { return QString(); }
    // "COM3 (/dev/ttyUSB0)", "rigctld localhost:4532"
    virtual QString describe() const { return QString(); }
    // The trace's fields: the driver, then its port or address.
    virtual void describeTo(KeyingTraceLine& line) const;

    // ---- Serial drivers
    virtual bool usesSerialPort() const { return false; }
    // The parameters its port opens with; nothing for a driver without a
    // port, nothing and why for one whose settings cannot open it.
    virtual std::optional<SerialLine::Parameters> portParameters(QString* why = nullptr) const;
    // Opens the shared port as it needs it; on failure the system's reason.
    virtual std::optional<QString> openPort() { return std::nullopt; }
    // A failed unkey leaves the radio transmitting: it is owed until delivered.
    virtual bool owesFailedUnkey() const { return false; }

    // ---- Drivers whose far end acknowledges
    virtual bool confirmsLater() const { return false; }
    virtual bool unkeyPending() const { return false; }
    virtual bool unkeyConfirmed() const { return false; }
    // Lets go of the rigctld connections this driver does not use.
    virtual void keepOnlyOwnLink(RigctldLinks& links) const;

signals:
    // The far end took what was asked.
    void confirmed(bool transmit);
    // A key-up or unkey did not happen, as the system or the far end said.
    void errorOccurred(const QString& text);

protected:
    // A failure told by its result is signalled too.
    KeyingResult reported(KeyingResult result)
    {
        if (!result.ok)
            emit errorOccurred(result.problem);
        return result;
    }
    std::optional<QString> reported(std::optional<QString> failure)
    {
        if (failure)
            emit errorOccurred(*failure);
        return failure;
    }

private:
    PttMethod m_method;
};
