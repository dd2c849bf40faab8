#pragma once

#include "KeyingConfig.h"

#include <QByteArray>

#include <memory>

class KeyingStateOut;
class PttDriver;
class RigctldLinks;
class SerialLine;
struct KeyingStateIn;

// What drivers share: comPTT and the rigctld connections.
struct PttDriverShared
{
    std::shared_ptr<SerialLine> line;
    std::shared_ptr<RigctldLinks> links;
};

// What a method needs set up, for the dialog that chooses it and for those
// that follow where it keys.
struct PttMethodNeeds
{
    bool radioModel = false; // a CAT radio: model, baud, lines, CI-V address
    bool catPort = false; // the serial port of the CAT commands
    bool linePort = false; // the serial port whose RTS/DTR key
    bool rigctldAddress = false; // Hamlib's rigctld
};
PttMethodNeeds NeedsOf(PttMethod method);

// A method's part of the keying state file (KeyingState.h): its name after
// "driver=" and its driver's own lines.
struct KeyingStatePart
{
    PttMethod method;
    bool terminalKeys; // false for "none": nothing keyed by the terminal
    const char* name;
    void (*write)(const KeyingConfig& config, KeyingStateOut& out);
    void (*read)(KeyingConfig& config, KeyingStateIn& line);
    // Whether an entry read back names a radio that can be unkeyed.
    bool (*usable)(const KeyingConfig& config, bool keyed);
};

// The one place that turns a keying method into a driver.
namespace PttDriverFactory {

// The driver of a configuration; keys nothing where the terminal does not
// key (FM) or the method is unknown.
std::shared_ptr<PttDriver> create(const KeyingConfig& config, const PttDriverShared& shared);

// The part of a configuration; "none" where the terminal keys nothing.
const KeyingStatePart& statePart(PttMethod method, bool terminalKeys);
// The part named after "driver="; nothing for a name this program does not know.
const KeyingStatePart* statePartNamed(const QByteArray& name);

} // namespace PttDriverFactory
