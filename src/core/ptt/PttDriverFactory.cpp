#include "PttDriverFactory.h"

#include "CatPttDriver.h"
#include "ComPttDriver.h"
#include "RigctldPttDriver.h"
#include "UnknownPttDriver.h"
#include "VoxPttDriver.h"

namespace {

// One line per method; "none" last, for anything the terminal does not key.
const KeyingStatePart StateParts[] = {
    {PttMethod::Cat, true, "CAT", &CatPttDriver::writeState, &CatPttDriver::readState, &CatPttDriver::stateUsable},
    {PttMethod::Com, true, "COM", &ComPttDriver::writeState, &ComPttDriver::readState, &ComPttDriver::stateUsable},
    {PttMethod::Vox, true, "VOX", &VoxPttDriver::writeState, &VoxPttDriver::readState, &VoxPttDriver::stateUsable},
    {PttMethod::Rigctld, true, "rigctld", &RigctldPttDriver::writeState, &RigctldPttDriver::readState,
     &RigctldPttDriver::stateUsable},
    {PttMethod::Other, false, "none", &VoxPttDriver::writeState, &VoxPttDriver::readState, &VoxPttDriver::stateUsable},
};

} // namespace

const KeyingStatePart& PttDriverFactory::statePart(PttMethod method, bool terminalKeys)
{
    const KeyingStatePart& none = std::end(StateParts)[-1];
    if (!terminalKeys)
        return none;
    for (const KeyingStatePart& part : StateParts) {
        if (part.method == method)
            return part;
    }
    return none;
}

const KeyingStatePart* PttDriverFactory::statePartNamed(const QByteArray& name)
{
    for (const KeyingStatePart& part : StateParts) {
        if (name == part.name)
            return &part;
    }
    return nullptr;
}

std::shared_ptr<PttDriver> PttDriverFactory::create(const KeyingConfig& c, const PttDriverShared& shared)
{
    if (!c.terminalKeys)
        return std::make_shared<VoxPttDriver>(PttMethod::Other);
    switch (c.method) {
    case PttMethod::Cat:
        return std::make_shared<CatPttDriver>(c.cat, shared.line);
    case PttMethod::Com:
        return std::make_shared<ComPttDriver>(c.com, shared.line);
    case PttMethod::Rigctld:
        return std::make_shared<RigctldPttDriver>(c.rigctld, shared.links);
    case PttMethod::Vox:
        return std::make_shared<VoxPttDriver>();
    case PttMethod::Other:
        break;
    }
    return std::make_shared<UnknownPttDriver>(shared.line);
}

PttMethodNeeds NeedsOf(PttMethod method)
{
    PttMethodNeeds needs;
    switch (method) {
    case PttMethod::Cat:
        needs.radioModel = needs.catPort = true;
        break;
    case PttMethod::Com:
        needs.linePort = true;
        break;
    case PttMethod::Rigctld:
        needs.rigctldAddress = true;
        break;
    case PttMethod::Vox:
    case PttMethod::Other:
        break;
    }
    return needs;
}
