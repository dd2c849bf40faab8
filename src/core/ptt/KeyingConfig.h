#pragma once

#include "settings/PttMethod.h"

#include <QString>

struct Settings;

// What each way of keying needs, taken from the settings once per change
// so the keyer can remember exactly what it keyed with.

// CAT: the model's command on a serial port.
struct CatConfig
{
    QString port; // as stored: "COM3" or a device path
    QString device; // what it names on this system
    int rig = 0; // position in the radio catalogue
    QString baud;
    int rts = 0;
    int dtr = 0;
    QString icomAddress;
};

// COM: the RTS and/or DTR line of a serial port.
struct ComConfig
{
    QString port;
    QString device;
    int pin = 0; // 1 RTS, 2 DTR, 3 both
};

struct RigctldConfig
{
    QString host;
    int port = 0;
};

struct KeyingConfig
{
    PttMethod method = PttMethod::Vox;
    // False in a mode whose modem keys the radio itself (FM).
    bool terminalKeys = true;
    CatConfig cat;
    ComConfig com;
    RigctldConfig rigctld;
    int timeoutSeconds = 300;
};

// The keying the settings ask for; a COM name goes to its device through [Ports].
KeyingConfig KeyingConfigOf(const Settings& s);
