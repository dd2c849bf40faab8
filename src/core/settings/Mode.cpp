#include "Mode.h"

#include "Settings.h"

namespace {

const ModeProfile Hf{Mode::HF,
                     "KELDOHF",
                     &Settings::hfHost,
                     &Settings::hfTcpPort,
                     &Settings::keldoHfPath,
                     &Settings::connectWithHf,
                     &Settings::connectHfList,
                     /*connectsVia*/ false,
                     /*hasBandwidth*/ true,
                     /*terminalKeys*/ true};
const ModeProfile Fm{Mode::FM,
                     "KELDOFM",
                     &Settings::fmHost,
                     &Settings::fmTcpPort,
                     &Settings::keldoFmPath,
                     &Settings::connectWithFm,
                     &Settings::connectFmList,
                     /*connectsVia*/ true,
                     /*hasBandwidth*/ false,
                     /*terminalKeys*/ false};
const ModeProfile Sat{Mode::SAT,
                      "KELDOSAT",
                      &Settings::satHost,
                      &Settings::satTcpPort,
                      &Settings::keldoSatPath,
                      &Settings::connectWithSat,
                      &Settings::connectSatList,
                      /*connectsVia*/ false,
                      /*hasBandwidth*/ false,
                      /*terminalKeys*/ true};

} // namespace

const ModeProfile* ProfileOf(Mode mode)
{
    switch (mode) {
    case Mode::HF:
        return &Hf;
    case Mode::FM:
        return &Fm;
    case Mode::SAT:
        return &Sat;
    case Mode::Other:
        break;
    }
    return nullptr;
}
