#include "LogbookConfig.h"

#include "settings/Settings.h"

LogbookConfig LogbookConfigOf(const Settings& s)
{
    return {s.logQsos, s.myCallsign, s.logMode, s.logSubmode, s.myLocator, s.txPower};
}
