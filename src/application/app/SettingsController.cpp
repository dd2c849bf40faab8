#include "SettingsController.h"

#include "app/ModemProcess.h"
#include "app/Session.h"
#include "dialogs/frmConnect.h"
#include "dialogs/frmLogbook.h"
#include "dialogs/frmMacros.h"
#include "dialogs/frmPTT.h"
#include "dialogs/frmSetup.h"
#include "widgets/MessageBox.h"
#include "widgets/Shell.h"

#include <QDir>

namespace {

bool isUsablePort(qint64 value)
{
    return value >= SetupChoice::PortMin && value <= SetupChoice::PortMax;
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
    return m_session.TerminarAplicacion;
}

std::unique_ptr<frmSetup> SettingsController::setupDialog(QWidget* parent)
{
    SetupChecks checks{[this] { return shuttingDown(); }, [this] { return m_session.conn.ConnectionActive; },
                       [this](const SetupChoice& choice) { return programProblem(choice); }};
    auto dialog = std::make_unique<frmSetup>(m_session.s(), std::move(checks), parent);
    frmSetup* d = dialog.get();
    QObject::connect(d, &frmSetup::modeShown, &m_session, [this](Mode mode) { m_session.presenter.showMode(mode); });
    m_session.presenter.showMode(d->selectedMode());
    QObject::connect(d, &QDialog::finished, &m_session, [this, d] {
        if (d->choice() && !shuttingDown())
            apply(*d->choice());
    });
    return dialog;
}

std::unique_ptr<frmPTT> SettingsController::pttDialog(QWidget* parent, const SerialPortEnumerator* ports)
{
    auto dialog = std::make_unique<frmPTT>(
        m_session.s(), [this] { return shuttingDown(); }, ports, parent);
    frmPTT* d = dialog.get();
    QObject::connect(d, &QDialog::finished, &m_session, [this, d] {
        if (d->choice() && !shuttingDown())
            apply(*d->choice());
    });
    return dialog;
}

std::unique_ptr<frmLogbook> SettingsController::logbookDialog(QWidget* parent)
{
    // Records waiting for the logbook file get another try, now and when
    // the dialog's choice is applied (it may name a folder that works).
    m_session.logbook.retryWaiting();
    auto dialog = std::make_unique<frmLogbook>(LogbookChoice::of(m_session.s()), parent);
    frmLogbook* d = dialog.get();
    QObject::connect(d, &QDialog::finished, &m_session, [this, d] {
        if (d->choice() && !shuttingDown())
            apply(*d->choice());
    });
    return dialog;
}

std::unique_ptr<frmConnect> SettingsController::connectDialog(QWidget* parent)
{
    auto dialog = std::make_unique<frmConnect>(
        m_session.s(), [this] { return shuttingDown(); }, parent);
    frmConnect* d = dialog.get();
    QObject::connect(d, &QDialog::finished, &m_session, [this, d] {
        if (d->choice() && !shuttingDown())
            apply(*d->choice());
    });
    return dialog;
}

std::unique_ptr<frmMacros> SettingsController::macrosDialog(QWidget* parent)
{
    auto dialog = std::make_unique<frmMacros>(m_session.s().macros, m_session.s().showMacroBar, parent);
    frmMacros* d = dialog.get();
    QObject::connect(d, &QDialog::finished, &m_session, [this, d] {
        if (d->choice() && !shuttingDown())
            apply(*d->choice());
    });
    return dialog;
}

QString SettingsController::programProblem(const SetupChoice& choice) const
{
    Settings& s = m_session.s();
    // The launch box as ticked now: with it unticked nothing is started, so
    // there is nothing to find (the path box is hidden then, too).
    if (!choice.autoLaunch || !programChanges(s, choice))
        return QString();
    const ModemProgramPlan plan = m_session.modem.plan(slotOf(s, choice, choice.mode).chosen->path);
    if (!Shell::current().fileExists(plan.path))
        return ModemProgramNotFoundText(plan);
    if (plan.wineMissing())
        return WineMissingText(plan);
    return QString();
}

void SettingsController::apply(const SetupChoice& choice)
{
    Session& se = m_session;
    Settings& s = se.s();

    // During a connection the dialog lets through only what leaves the link
    // and the modem alone: no command, no program, no keying touched.
    if (se.conn.ConnectionActive) {
        s.alertOnOwnCall = choice.alertOnOwnCall;
        s.alertWords = choice.alertWords;
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
            launchProblem =
                Shell::current().launchProgram(path, ModemProgramArguments(path, m.chosen->host, m.chosen->port));
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

    if (choice.callSign != s.myCallsign) {
        s.myCallsign = choice.callSign;
        se.presenter.showCallSign(choice.callSign);
        se.link.SendMyCall();
    }

    // With no option selected the stored mode stays.
    if (choice.mode != Mode::Other)
        s.keldoMode = choice.mode;
    // Keying of the old mode must not outlive it (FM keys nothing).
    se.keying.configure(KeyingConfigOf(s));
    if (!choice.bandwidth.isEmpty())
        s.keldoHfBw = choice.bandwidth;
    se.link.SendBandwidth();

    s.autoLaunch = choice.autoLaunch ? AutoLaunch::On : AutoLaunch::Off;
    s.alertOnOwnCall = choice.alertOnOwnCall;
    s.alertWords = choice.alertWords;
    save();

    // Reconnect at once rather than at the next supervision tick, now that
    // the settings name the new endpoint.
    if (dropped)
        se.link.CheckSockets();
    // Told once everything is applied: the box runs the event loop.
    if (!launchProblem.isEmpty())
        MessageBox::show(nullptr, launchProblem, MessageBox::Icon::Critical);
}

void SettingsController::apply(const PttChoice& choice)
{
    choice.applyTo(m_session.s());
    m_session.keying.OpenPttPort(KeyingConfigOf(m_session.s()));
    m_session.logbook.applySettings();
    save();
}

void SettingsController::apply(const LogbookChoice& choice)
{
    choice.applyTo(m_session.s());
    m_session.logbook.applySettings();
    save();
    m_session.logbook.retryWaiting();
}

void SettingsController::apply(const ConnectChoice& choice)
{
    Settings& s = m_session.s();
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
    save();
    if (choice.call)
        m_session.link.SendConnect();
}

void SettingsController::apply(const MacrosChoice& choice)
{
    m_session.s().macros = choice.macros;
    m_session.s().showMacroBar = choice.showBar;
    save();
}

template <typename T>
void SettingsController::choose(T& setting, const T& value)
{
    // The window restoring a stored choice changes nothing and writes nothing.
    if (setting == value)
        return;
    setting = value;
    save();
}

void SettingsController::setFontSize(int points)
{
    choose(m_session.s().fontSize, quint8(points));
}

void SettingsController::setColour(const QString& scheme)
{
    choose(m_session.s().colour, scheme);
}

void SettingsController::setSpeakerColours(bool on)
{
    choose(m_session.s().speakerColours, on);
}

void SettingsController::setTimeStamps(bool on)
{
    choose(m_session.s().timeStamps, on);
}

void SettingsController::setNotifyIncomingCall(bool on)
{
    choose(m_session.s().notifyIncomingCall, on);
}

void SettingsController::setLanguage(const QString& code)
{
    choose(m_session.s().language, code);
}

void SettingsController::setShowMacroBar(bool on)
{
    choose(m_session.s().showMacroBar, on);
}

void SettingsController::setLogConversations(bool on)
{
    Session& se = m_session;
    choose(se.s().logConversations, on);
    se.applyLogSettings();
    // Switched on during a connection: its record starts now.
    if (on && se.conn.ConnectionActive && !se.log.inConversation())
        se.log.connectionBegan(Terminal::CallChain(se.conn), se.terminal.utcNow());
}

void SettingsController::setLogFolder(const QString& chosen)
{
    Settings& s = m_session.s();
    QString folder = QDir::cleanPath(chosen);
    // Choosing the default folder keeps it the default (it moves with the settings file).
    if (folder == QDir::cleanPath(m_session.defaultLogFolder()))
        folder.clear();
    if (folder == s.logFolder)
        return;
    choose(s.logFolder, folder);
    m_session.applyLogSettings();
}

void SettingsController::setWindowPosition(qint32 topTwips, qint32 leftTwips)
{
    m_session.s().topPosition = topTwips;
    m_session.s().leftPosition = leftTwips;
}

bool SettingsController::save()
{
    Settings& s = m_session.s();
    if (m_placement) {
        s.windowState = m_placement->state;
        if (m_placement->state == 0) {
            s.terminalWidth = m_placement->width;
            s.terminalHeight = m_placement->height;
        }
    }
    return m_session.settings.SaveSettings();
}
