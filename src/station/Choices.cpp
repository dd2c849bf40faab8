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

PttShown PttShown::of(const Settings& s)
{
    return {PttChoice::of(s), s.portDevices};
}

SetupShown SetupShown::of(const Settings& s)
{
    SetupShown shown;
    SetupChoice& c = shown.stored;
    c.hf = {s.hfTcpPort, s.hfHost, s.keldoHfPath};
    c.fm = {s.fmTcpPort, s.fmHost, s.keldoFmPath};
    c.sat = {s.satTcpPort, s.satHost, s.keldoSatPath};
    c.mode = s.keldoMode.value();
    const QString& bw = s.keldoHfBw;
    if (bw == QLatin1String("500") || bw == QLatin1String("2300") || bw == QLatin1String("2750"))
        c.bandwidth = bw;
    c.callSign = s.myCallsign;
    c.autoLaunch = s.autoLaunch == AutoLaunch::On;
    c.alertOnOwnCall = s.alertOnOwnCall;
    c.alertWords = s.alertWords;
    shown.fmDefaultPort = Settings().fmTcpPort;
    return shown;
}

ConnectShown ConnectShown::of(const Settings& s)
{
    ConnectShown shown;
    shown.mode = s.keldoMode.value();
    shown.modeHasBoxes = s.profile() != nullptr;
    shown.stored = {s.connectWithHf, s.connectWithFm, s.connectWithSat, s.via1, s.via2};
    shown.hfHistory = s.connectHfList;
    shown.fmHistory = s.connectFmList;
    shown.satHistory = s.connectSatList;
    shown.via1History = s.via1List;
    shown.via2History = s.via2List;
    return shown;
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
