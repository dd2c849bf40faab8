#pragma once

#include <QString>

struct Settings;

// What the settings ask of the QSO tracker, handed to it at start-up and
// whenever a choice changes them: it never reads the settings itself.
struct LogbookConfig
{
    bool logQsos = false;
    QString myCall;
    QString mode, submode; // as the operator's logbook names them
    QString myLocator;
    QString txPower; // watts, as typed; empty: left out
};

LogbookConfig LogbookConfigOf(const Settings& s);
