#pragma once

#include <QDateTime>
#include <QString>

// What a macro's variables stand for at the moment it is used. A struct, so
// that more variables can be added without touching the callers.
struct MacroContext
{
    QString myCall; // <MYCALL>
    QString call; // <CALL>: the other station of the current or last connection
    QDateTime utc; // <UTC> HH:MM, <DATE> YYYY-MM-DD
    QString mode; // <MODE>: HF, FM or SAT
    QString bandwidth; // <BW>
    QString frequency; // <FREQ>: the rig's, in MHz; empty when unknown
    QString band; // <BAND>: "20m"; empty when unknown
};

struct ExpandedMacro
{
    QString text;
    bool send = false; // the text ended in <SEND>: it goes out at once
};

// The macro's text with its variables filled in. Tags are matched in upper
// case only; an unknown tag stays as typed. A <SEND> at the end (blanks and
// line breaks after it do not count) is taken off and asks for sending.
ExpandedMacro ExpandMacro(const QString& text, const MacroContext& context);

// The text names the rig's frequency or band, which may be worth asking for.
bool MacroUsesFrequency(const QString& text);
