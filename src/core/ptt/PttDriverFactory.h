#pragma once

#include "KeyingConfig.h"

#include <memory>

class PttDriver;
class RigctldLinks;
class SerialLine;

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

// The one place that turns a keying method into a driver.
namespace PttDriverFactory {

// The driver of a configuration; keys nothing where the terminal does not
// key (FM) or the method is unknown.
std::shared_ptr<PttDriver> create(const KeyingConfig& config, const PttDriverShared& shared);

} // namespace PttDriverFactory
