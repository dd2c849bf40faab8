#include "KeyingConfig.h"

#include "SerialPortList.h"
#include "settings/Settings.h"

KeyingConfig KeyingConfigOf(const Settings& s)
{
    KeyingConfig c;
    c.method = s.via.value();
    // Another mode text keys as HF and SAT do.
    const ModeProfile* profile = s.profile();
    c.terminalKeys = !profile || profile->terminalKeys;
    c.cat = CatConfig{s.catPort, PortDeviceOf(s.catPort, s.portDevices), s.rig, s.baud, s.rts, s.dtr, s.icomAddress};
    c.com = ComConfig{s.pttPort, PortDeviceOf(s.pttPort, s.portDevices), s.pin};
    c.rigctld = RigctldConfig{s.rigctldHost, s.rigctldPort};
    c.timeoutSeconds = s.pttTimeoutSeconds;
    return c;
}
