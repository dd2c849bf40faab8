#include "Choices.h"

PttChoice PttChoice::of(const Settings& s)
{
    return {s.via, s.rig, s.baud,        s.pttPort,     s.catPort,    s.pin,
            s.rts, s.dtr, s.icomAddress, s.rigctldHost, s.rigctldPort};
}

void PttChoice::applyTo(Settings& s) const
{
    s.via = via;
    s.rig = rig;
    s.baud = baud;
    s.pttPort = pttPort;
    s.catPort = catPort;
    s.pin = pin;
    s.rts = rts;
    s.dtr = dtr;
    s.icomAddress = icomAddress;
    s.rigctldHost = rigctldHost;
    s.rigctldPort = rigctldPort;
}

LogbookChoice LogbookChoice::of(const Settings& s)
{
    return {s.logQsos,           s.logWithoutAsking, s.logMode,    s.logSubmode, s.rigControlHost, s.rigControlPort,
            s.sendQsosToLoggers, s.loggerHost,       s.loggerPort, s.myLocator,  s.txPower};
}

void LogbookChoice::applyTo(Settings& s) const
{
    s.logQsos = logQsos;
    s.logWithoutAsking = withoutAsking;
    s.logMode = mode;
    s.logSubmode = submode;
    s.rigControlHost = rigHost;
    s.rigControlPort = rigPort;
    s.sendQsosToLoggers = sendToLoggers;
    s.loggerHost = loggerHost;
    s.loggerPort = loggerPort;
    s.myLocator = myLocator;
    s.txPower = txPower;
}
