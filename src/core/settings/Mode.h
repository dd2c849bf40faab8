#pragma once

#include "CallSign.h"
#include "StoredChoice.h"

#include <QString>

#include <array>

struct Settings;

// The modem program the terminal works with ("KELDO Mode"). Other is any
// other stored text.
enum class Mode { HF, FM, SAT, Other };

// "KELDO Mode" as stored.
using ModeSetting = StoredChoice<Mode, QString>;

// What a mode takes from the settings. Only HF, FM and SAT have one.
struct ModeProfile
{
    Mode mode;
    const char* iniName; // "KELDO Mode" text of the mode
    QString Settings::*host;
    int Settings::*commandPort;
    QString Settings::*programPath;
    QString Settings::*connectWith; // the "Connect With" target
    CallSignList Settings::*history; // the targets called before
    bool connectsVia; // FM calls through the digipeaters Via1, Via2
    bool hasBandwidth; // HF sends "KELDOHF BW"
    bool terminalKeys; // the terminal keys the radio (the FM modem keys it itself)
};

// The profile of HF, FM or SAT; nullptr for Other.
const ModeProfile* ProfileOf(Mode mode);

// The modes that have a profile.
inline constexpr std::array<Mode, 3> KnownModes = {Mode::HF, Mode::FM, Mode::SAT};
