#include "ConversationConfig.h"

#include "settings/Settings.h"

ConversationConfig ConversationConfigOf(const Settings& s)
{
    ConversationConfig c;
    c.myCall = s.myCallsign;
    c.ownTextAtOnce = s.showOwnTextAtOnce;
    c.typeAhead = s.typeAhead;
    c.timeStamps = s.timeStamps;
    c.showCallEvents = s.showCallEvents;
    c.alertOnOwnCall = s.alertOnOwnCall;
    c.alertWords = s.alertWords;
    const ModeProfile* profile = s.profile();
    c.callsOut = profile != nullptr;
    if (!profile)
        return c;
    c.target = s.*profile->connectWith;
    if (profile->connectsVia && !s.via1.isEmpty()) {
        c.via << s.via1;
        if (!s.via2.isEmpty())
            c.via << s.via2;
    }
    return c;
}
