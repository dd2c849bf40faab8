#include "SettingsController.h"

#include "ModemProcess.h"
#include "ProgramShell.h"
#include "Station.h"

#include "settings/RemoteSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>

namespace {

bool isUsablePort(qint64 value)
{
    return Ports::IsCommandPort(value);
}

struct Slot
{
    Mode mode;
    const SetupChoice::Modem* chosen;
    int* port;
    QString* host;
    QString* path;
};

// The mode's slot; FM's for Other (no option selected).
Slot slotOf(Settings& s, const SetupChoice& choice, Mode mode)
{
    const ModeProfile& p = *ProfileOf(mode == Mode::Other ? Mode::FM : mode);
    const SetupChoice::Modem* chosen = p.mode == Mode::HF ? &choice.hf : p.mode == Mode::SAT ? &choice.sat : &choice.fm;
    return {p.mode, chosen, &(s.*p.commandPort), &(s.*p.host), &(s.*p.programPath)};
}

// The practice modem the terminal starts listens where the settings say:
// moved, it is started again there. One started by hand is left to its owner.
bool practiceModemMoves(const SetupChoice& choice, const Slot& m)
{
    return choice.autoLaunch && IsPracticeModem(m.chosen->path)
        && (m.chosen->port != qint64(*m.port) || m.chosen->host != *m.host);
}

bool programChanges(Settings& s, const SetupChoice& choice)
{
    // Only a selected mode has a program to switch to.
    if (choice.mode == Mode::Other)
        return false;
    const Slot m = slotOf(s, choice, choice.mode);
    return s.keldoMode != m.mode || m.chosen->path != *m.path || practiceModemMoves(choice, m);
}

} // namespace

bool SettingsController::shuttingDown() const
{
    return m_station.TerminarAplicacion;
}

QString SettingsController::programProblem(const SetupChoice& choice) const
{
    Settings& s = m_station.s();
    // The launch box as ticked now: with it unticked nothing is started, so
    // there is nothing to find (the path box is hidden then, too).
    if (!choice.autoLaunch || !programChanges(s, choice))
        return QString();
    const ModemProgramPlan plan = m_station.modem.plan(slotOf(s, choice, choice.mode).chosen->path);
    if (!ProgramShell::current().fileExists(plan.path))
        return ModemProgramNotFoundText(plan);
    if (plan.wineMissing())
        return WineMissingText(plan);
    return QString();
}

void SettingsController::apply(const SetupChoice& choice)
{
    Station& se = m_station;
    Settings& s = se.s();

    // During a connection the dialog lets through only what leaves the link
    // and the modem alone: no command, no program, no keying touched.
    if (se.conn.ConnectionActive) {
        s.alertOnOwnCall = choice.alertOnOwnCall;
        s.alertWords = choice.alertWords;
        se.configureCore();
        save();
        return;
    }

    // The modem program, only for a selected mode: the other modes' programs
    // end, and so does the old program of a changed path.
    QString launchProblem;
    if (programChanges(s, choice)) {
        const Slot m = slotOf(s, choice, choice.mode);
        const QString& path = m.chosen->path;
        if (s.keldoMode != m.mode) {
            // The other modes' programs, in the order FM, SAT, HF skipping the new one.
            for (Mode other : {Mode::FM, Mode::SAT, Mode::HF}) {
                if (other != m.mode)
                    EndModemProgramOf(s, other);
            }
        }
        if (path != *m.path || practiceModemMoves(choice, m))
            EndModemProgramOf(s, m.mode);
        *m.path = path;
        if (choice.autoLaunch)
            launchProblem = ProgramShell::current().launchProgram(
                path, ModemProgramArguments(path, m.chosen->host, m.chosen->port));
    }

    // The selected modem moved: drop the link; it is reopened below.
    const Slot sel = slotOf(s, choice, choice.mode);
    bool dropped = false;
    if (sel.chosen->port != qint64(se.link.commandRemotePort()) || sel.chosen->host != se.link.commandRemoteHost()) {
        se.link.closeSockets();
        dropped = true;
    }

    // A port of another mode that is no usable port keeps that mode's port.
    for (Mode mode : KnownModes) {
        const Slot f = slotOf(s, choice, mode);
        if (f.mode == sel.mode || isUsablePort(f.chosen->port))
            *f.port = int(f.chosen->port);
        *f.host = f.chosen->host;
    }

    const bool newCall = choice.callSign != s.myCallsign;
    s.myCallsign = choice.callSign;
    // With no option selected the stored mode stays.
    if (choice.mode != Mode::Other)
        s.keldoMode = choice.mode;
    if (!choice.bandwidth.isEmpty())
        s.keldoHfBw = choice.bandwidth;
    se.configureCore();
    if (newCall) {
        emit se.callSignChanged(choice.callSign);
        se.link.SendMyCall();
    }
    // Keying of the old mode must not outlive it (FM keys nothing).
    se.keying.configure(KeyingConfigOf(s));
    se.link.SendBandwidth();

    s.autoLaunch = choice.autoLaunch ? AutoLaunch::On : AutoLaunch::Off;
    s.alertOnOwnCall = choice.alertOnOwnCall;
    s.alertWords = choice.alertWords;
    se.configureCore();
    save();

    // Reconnect at once rather than at the next supervision tick, now that
    // the settings name the new endpoint.
    if (dropped)
        se.link.CheckSockets();
    // Told once everything is applied: the box runs the event loop.
    if (!launchProblem.isEmpty())
        se.tell({Attention::Kind::ProgramProblem, launchProblem, {}, true});
}

void SettingsController::apply(const PttChoice& choice)
{
    choice.applyTo(m_station.s());
    m_station.keying.OpenPttPort(KeyingConfigOf(m_station.s()));
    m_station.logbook.applySettings();
    save();
}

void SettingsController::apply(const LogbookChoice& choice)
{
    choice.applyTo(m_station.s());
    m_station.logbook.applySettings();
    save();
    m_station.logbook.retryWaiting();
}

void SettingsController::apply(const ConnectChoice& choice)
{
    Settings& s = m_station.s();
    if (s.keldoMode == Mode::HF) {
        s.connectWithHf = choice.hf;
    } else if (s.keldoMode == Mode::FM) {
        s.connectWithFm = choice.fm;
        s.via1 = choice.via1;
        s.via2 = choice.via2;
    } else if (s.keldoMode == Mode::SAT) {
        s.connectWithSat = choice.sat;
    }
    if (choice.call) {
        PushCallSignHistory(s.connectHfList, s.connectWithHf);
        PushCallSignHistory(s.connectFmList, s.connectWithFm);
        PushCallSignHistory(s.connectSatList, s.connectWithSat);
        PushCallSignHistory(s.via1List, s.via1);
        PushCallSignHistory(s.via2List, s.via2);
    }
    m_station.configureCore();
    save();
    if (choice.call)
        m_station.link.SendConnect();
}

void SettingsController::apply(const MacrosChoice& choice)
{
    m_station.s().macros = choice.macros;
    m_station.s().showMacroBar = choice.showBar;
    save();
}

void SettingsController::apply(const RemoteChoice& choice)
{
    save();
    // In the settings file's queue, behind the save above: a new file is
    // made by it first, and both edit the file under the same lock.
    const QString path = m_station.settings.filePath();
    const bool queued = m_station.files.run(
        path,
        [path, choice](QString* why) {
            return StoreRemoteSettings(
                path,
                [&choice](RemoteSettings& r) {
                    r.enabled = choice.enabled;
                    r.listenAddress = choice.listenAddress;
                    r.port = choice.port;
                    if (!choice.passwordHash.isEmpty())
                        r.passwordHash = choice.passwordHash;
                },
                why);
        },
        [station = QPointer<Station>(&m_station), path](bool ok, const QString& why) {
            if (!station)
                return;
            if (!ok)
                station->tell({Attention::Kind::SaveFailed,
                               QCoreApplication::translate("SettingsController",
                                                           "The remote access settings could not be saved to %1\n%2")
                                   .arg(QDir::toNativeSeparators(path), why),
                               {},
                               false});
            emit station->remoteSettingsChanged();
        });
    if (!queued)
        m_station.tell(
            {Attention::Kind::SaveFailed,
             QCoreApplication::translate("SettingsController",
                                         "The remote access settings could not be saved to %1\n%2")
                 .arg(QDir::toNativeSeparators(path),
                      QCoreApplication::translate("SettingsController", "the settings folder does not answer")),
             {},
             false});
}

template <typename T>
void SettingsController::choose(T& setting, const T& value)
{
    // The window restoring a stored choice changes nothing and writes nothing.
    if (setting == value)
        return;
    setting = value;
    m_station.configureCore();
    save();
}

void SettingsController::setFontSize(int points)
{
    choose(m_station.s().fontSize, quint8(points));
}

void SettingsController::setColour(const QString& scheme)
{
    choose(m_station.s().colour, scheme);
}

void SettingsController::setSpeakerColours(bool on)
{
    choose(m_station.s().speakerColours, on);
}

void SettingsController::setTimeStamps(bool on)
{
    choose(m_station.s().timeStamps, on);
}

void SettingsController::setNotifyIncomingCall(bool on)
{
    choose(m_station.s().notifyIncomingCall, on);
}

void SettingsController::setLanguage(const QString& code)
{
    choose(m_station.s().language, code);
}

void SettingsController::setShowMacroBar(bool on)
{
    choose(m_station.s().showMacroBar, on);
}

void SettingsController::setLogConversations(bool on)
{
    Station& se = m_station;
    choose(se.s().logConversations, on);
    se.applyLogSettings();
    // Switched on during a connection: its record starts now.
    if (on && se.conn.ConnectionActive && !se.log.inConversation())
        se.log.connectionBegan(Terminal::CallChain(se.conn), se.terminal.utcNow());
}

void SettingsController::setLogFolder(const QString& chosen)
{
    Settings& s = m_station.s();
    QString folder = QDir::cleanPath(chosen);
    // Choosing the default folder keeps it the default (it moves with the settings file).
    if (folder == QDir::cleanPath(m_station.defaultLogFolder()))
        folder.clear();
    if (folder == s.logFolder)
        return;
    choose(s.logFolder, folder);
    m_station.applyLogSettings();
}

void SettingsController::setWindowPosition(qint32 topTwips, qint32 leftTwips)
{
    m_station.s().topPosition = topTwips;
    m_station.s().leftPosition = leftTwips;
}

bool SettingsController::save()
{
    Settings& s = m_station.s();
    if (m_placement) {
        s.windowState = m_placement->state;
        if (m_placement->state == 0) {
            s.terminalWidth = m_placement->width;
            s.terminalHeight = m_placement->height;
        }
    }
    return m_station.settings.SaveSettings();
}
