#pragma once

#include "KeyingConfig.h"
#include "KeyingStateFields.h"
#include "PttDriver.h"

// VOX, and any keying the terminal does not do itself (the modem keys in
// FM, an unknown method): the radio keys itself; nothing is sent.
class VoxPttDriver : public PttDriver
{
    Q_OBJECT
public:
    explicit VoxPttDriver(PttMethod method = PttMethod::Vox)
        : PttDriver(method)
    { }

    bool radioKeysItself() const override { return true; }

    // No lines of its own in the keying state file; an entry left keyed
    // does not come from it.
    static void writeState(const KeyingConfig&, KeyingStateOut&) { }
    static void readState(KeyingConfig&, KeyingStateIn&) { }
    static bool stateUsable(const KeyingConfig&, bool keyed) { return !keyed; }
};
