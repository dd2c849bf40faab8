#include "SetupController.h"

#include "app/ModemProcess.h"
#include "app/Session.h"
#include "widgets/MessageBox.h"
#include "widgets/Shell.h"

namespace {

bool isUsablePort(qint64 value)
{
    return value >= SetupController::PortMin && value <= SetupController::PortMax;
}

} // namespace

SetupController::Slot SetupController::slotOf(const SetupChoice& choice, Mode mode) const
{
    Settings& s = m_session.s();
    const ModeProfile& p = *ProfileOf(mode == Mode::Other ? Mode::FM : mode);
    const SetupChoice::Modem* chosen = p.mode == Mode::HF ? &choice.hf : p.mode == Mode::SAT ? &choice.sat : &choice.fm;
    return {p.mode, chosen, &(s.*p.commandPort), &(s.*p.host), &(s.*p.programPath)};
}

bool SetupController::programChanges(const SetupChoice& choice) const
{
    // Only a selected mode has a program to switch to.
    if (choice.mode == Mode::Other)
        return false;
    const Slot m = slotOf(choice, choice.mode);
    return m_session.s().keldoMode != m.mode || m.chosen->path != *m.path;
}

QString SetupController::programProblem(const SetupChoice& choice) const
{
    if (m_session.s().autoLaunch != AutoLaunch::On || !programChanges(choice))
        return QString();
    const ModemProgramPlan plan = m_session.modem.plan(slotOf(choice, choice.mode).chosen->path);
    if (!Shell::current().fileExists(plan.path))
        return ModemProgramNotFoundText(plan);
    if (plan.wineMissing())
        return WineMissingText(plan);
    return QString();
}

void SetupController::apply(const SetupChoice& choice)
{
    Session& se = m_session;
    Settings& s = se.s();

    // The modem program, only for a selected mode: the other modes' programs
    // end, and so does the old program of a changed path.
    QString launchProblem;
    if (programChanges(choice)) {
        const Slot m = slotOf(choice, choice.mode);
        const QString& path = m.chosen->path;
        if (s.keldoMode != m.mode) {
            // The other modes' programs, in the order FM, SAT, HF skipping the new one.
            for (Mode other : {Mode::FM, Mode::SAT, Mode::HF}) {
                if (other != m.mode)
                    EndModemProgramOf(s, other);
            }
        }
        if (path != *m.path)
            EndModemProgramOf(s, m.mode);
        *m.path = path;
        if (s.autoLaunch == AutoLaunch::On)
            launchProblem = Shell::current().launchProgram(path);
    }

    // The selected modem moved: drop the link; it is reopened below.
    const Slot sel = slotOf(choice, choice.mode);
    bool dropped = false;
    if (sel.chosen->port != qint64(se.link.commandRemotePort()) || sel.chosen->host != se.link.commandRemoteHost()) {
        se.link.closeSockets();
        dropped = true;
    }

    // A port of another mode that is no usable port keeps that mode's port.
    for (Mode mode : KnownModes) {
        const Slot f = slotOf(choice, mode);
        if (f.mode == sel.mode || isUsablePort(f.chosen->port))
            *f.port = int(f.chosen->port);
        *f.host = f.chosen->host;
    }

    if (choice.callSign != s.myCallsign) {
        s.myCallsign = choice.callSign;
        se.display.setCaption(CaptionPrefix() + choice.callSign);
        se.link.SendMyCall();
    }

    // With no option selected the stored mode stays.
    if (choice.mode != Mode::Other)
        s.keldoMode = choice.mode;
    // Keying of the old mode must not outlive it (FM keys nothing).
    se.ptt.settingsChanged();
    if (!choice.bandwidth.isEmpty())
        s.keldoHfBw = choice.bandwidth;
    se.link.SendBandwidth();

    s.autoLaunch = choice.autoLaunch ? AutoLaunch::On : AutoLaunch::Off;
    se.settings.SaveSettings();

    // Reconnect at once rather than at the next supervision tick, now that
    // the settings name the new endpoint.
    if (dropped)
        se.link.CheckSockets();
    // Told once everything is applied: the box runs the event loop.
    if (!launchProblem.isEmpty())
        MessageBox::show(nullptr, launchProblem, MessageBox::Icon::Critical);
}
