#pragma once

#include "settings/MacroSet.h"
#include "settings/Ports.h"
#include "settings/Settings.h"

#include <QString>

// What the operator chooses, as plain values: a front end fills one in (the
// desktop from its dialogs) and hands it to the SettingsController.

// What the operator chose in the setup dialog, read from its boxes.
struct SetupChoice
{
    static constexpr int PortMin = Ports::CommandMin;
    static constexpr int PortMax = Ports::CommandMax;

    struct Modem
    {
        qint64 port = 0; // the leading number of the command port box
        QString host;
        QString path; // the modem program's key text
    };
    Modem hf, fm, sat;
    Mode mode = Mode::Other; // the selected mode; Other when none is selected
    QString bandwidth; // "500", "2300" or "2750"; empty when none is selected
    QString callSign; // checked and upper-cased
    bool autoLaunch = false;
    bool alertOnOwnCall = false;
    QString alertWords; // comma separated, as typed
};

// What the setup dialog opens with: the settings as stored (the call sign
// unchecked, the bandwidth empty when it is none of the three), and the FM
// command port's default for its tip.
struct SetupShown
{
    SetupChoice stored;
    int fmDefaultPort = 0;

    static SetupShown of(const Settings& s);
};

// How the transmitter is keyed: the PTT settings the dialog edits.
struct PttChoice
{
    PttMethodSetting via = PttMethod::Vox;
    quint8 rig = DefaultRig;
    QString baud;
    QString pttPort;
    QString catPort;
    quint8 pin = 1;
    quint8 rts = 0;
    quint8 dtr = 0;
    QString icomAddress;
    QString rigctldHost;
    int rigctldPort = 4532;

    static PttChoice of(const Settings& s);
    void applyTo(Settings& s) const;
};

// What the PTT dialog opens with: the stored choice, and the devices the
// COM names stand for on this system ([Ports]).
struct PttShown
{
    PttChoice stored;
    QMap<int, QString> portDevices;

    static PttShown of(const Settings& s);
};

// The logbook's settings as the dialog edits them.
struct LogbookChoice
{
    bool logQsos = false;
    bool withoutAsking = false;
    QString mode;
    QString submode;
    QString rigHost;
    int rigPort = 4532;
    bool sendToLoggers = false;
    QString loggerHost;
    int loggerPort = 2237;
    QString myLocator;
    QString txPower;

    static LogbookChoice of(const Settings& s);
    void applyTo(Settings& s) const;
};

// The boxes of the connect dialog, upper-cased; call: the operator asked
// for the call (every box checked, the target not empty).
struct ConnectChoice
{
    QString hf, fm, sat, via1, via2;
    bool call = false;
};

// What the connect dialog opens with: the mode, the boxes as stored and
// their histories.
struct ConnectShown
{
    Mode mode = Mode::Other;
    bool modeHasBoxes = false; // HF, FM or SAT: only that mode's boxes show
    ConnectChoice stored;
    CallSignList hfHistory, fmHistory, satHistory, via1History, via2History;

    static ConnectShown of(const Settings& s);
};

// Macros: the twelve and whether their buttons are shown.
struct MacrosChoice
{
    MacroSet macros;
    bool showBar = false;
};

// What the first-run dialog starts from.
struct FirstRunOffer
{
    QString practiceModem; // the practice modem program; empty when none was found
    QString programPath; // the mode's modem program as the settings have it
    QString host;
    int port = 0;
};

// The operator's first settings: the mode's modem program, whether the
// terminal starts it, and where its command port is.
struct FirstRunChoice
{
    // Where the practice modem listens when started without options (it is
    // given the settings' port, when usable).
    static constexpr int PracticeModemPort = 8300;

    QString callSign; // checked and upper-cased
    QString programPath;
    bool autoLaunch = true;
    QString host;
    int port = 0;
};

// Remote access, as the operator sets it: whether browsers may operate the
// station, where the web front end listens, and a new password's hash
// (empty: the stored one is kept). Never the password itself.
struct RemoteChoice
{
    static constexpr int PortMin = Ports::Min;
    static constexpr int PortMax = Ports::Max;

    bool enabled = false;
    QString listenAddress;
    int port = 0;
    QString passwordHash;
};
