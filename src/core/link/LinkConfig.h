#pragma once

#include <QString>

struct Settings;

// What the settings ask of the modem link, handed to it at start-up and
// whenever a choice changes them: the link never reads the settings itself.
struct LinkConfig
{
    QString host; // the mode's modem (FM's for another mode text)
    int commandPort = 0; // the data port is one above
    QString myCall;
    bool callsOut = false; // a known mode: CONNECT goes out
    QString target; // the mode's "Connect With"
    QString via1, via2; // empty unless the mode calls through digipeaters
    QString bandwidth; // "500", "2300" or "2750" as stored; empty when the mode has none
};

LinkConfig LinkConfigOf(const Settings& s);
