#pragma once

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
};
