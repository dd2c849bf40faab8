#include "LinkConfig.h"

#include "settings/Settings.h"

LinkConfig LinkConfigOf(const Settings& s)
{
    LinkConfig c;
    // Another mode text links to the FM modem, and calls no one.
    const ModeProfile* profile = s.profile();
    const ModeProfile& linked = profile ? *profile : *ProfileOf(Mode::FM);
    c.host = s.*linked.host;
    c.commandPort = s.*linked.commandPort;
    c.myCall = s.myCallsign;
    if (!profile)
        return c;
    c.callsOut = true;
    c.target = s.*profile->connectWith;
    if (profile->connectsVia) {
        c.via1 = s.via1;
        c.via2 = s.via2;
    }
    if (profile->hasBandwidth)
        c.bandwidth = s.keldoHfBw;
    return c;
}
