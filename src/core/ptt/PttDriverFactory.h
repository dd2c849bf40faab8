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

// The one place that turns a keying method into a driver.
namespace PttDriverFactory {

// The driver of a configuration; keys nothing where the terminal does not
// key (FM) or the method is unknown.
std::shared_ptr<PttDriver> create(const KeyingConfig& config, const PttDriverShared& shared);

} // namespace PttDriverFactory
