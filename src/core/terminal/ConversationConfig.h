#pragma once

#include <QString>
#include <QStringList>

struct Settings;

// What the settings ask of the conversation (the Terminal), handed to it at
// start-up and whenever a choice changes them: it never reads the settings.
struct ConversationConfig
{
    QString myCall;
    bool ownTextAtOnce = false; // "Show Own Text At Once"
    bool typeAhead = false;
    bool timeStamps = false;
    bool showCallEvents = false;
    bool alertOnOwnCall = false;
    QString alertWords; // comma separated, as typed
    // What a CONNECT of the mode calls: nothing for another mode text; the
    // digipeaters as the line names them (a second only after a first).
    bool callsOut = false;
    QString target;
    QStringList via;
};

ConversationConfig ConversationConfigOf(const Settings& s);
