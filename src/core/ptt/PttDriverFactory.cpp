#include "PttDriverFactory.h"

#include "CatPttDriver.h"
#include "ComPttDriver.h"
#include "RigctldPttDriver.h"
#include "UnknownPttDriver.h"
#include "VoxPttDriver.h"

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
