#include "Lifecycle.h"

#include "ModemProcess.h"
#include "ProgramShell.h"
#include "SignalBridge.h"
#include "SingleInstance.h"
#include "Station.h"
#include "files/RegularFile.h"
#include "ptt/KeyingState.h"
#include "ptt/RadioCatalogue.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <optional>

namespace {

const QString DeveloperCallSign = QStringLiteral("ZX9QQQ-7");
constexpr int DeveloperFirstPort = 8300;
constexpr int DeveloperFurtherPort = 8320;

// The practice modem beside the program, else on the PATH; empty when neither.
QString PracticeModemFor(const QString& programPath)
{
    const QString name = QStringLiteral("keldo-modem-sim");
    const QString beside = QStandardPaths::findExecutable(name, {QFileInfo(programPath).absolutePath()});
    return beside.isEmpty() ? QStandardPaths::findExecutable(name) : beside;
}

// What a new station starts with on F1 to F3: the call, the answer, the end.
MacroSet StarterMacros()
{
    MacroSet m;
    m[0] = {QStringLiteral("CQ"), QStringLiteral("CQ CQ CQ de <MYCALL> <MYCALL> <MYCALL> pse k<SEND>")};
    m[1] = {QStringLiteral("Answer"), QStringLiteral("<CALL> de <MYCALL> - thanks for the call. ")};
    m[2] = {QStringLiteral("73"), QStringLiteral("Thanks for the QSO, 73 and good DX. <CALL> de <MYCALL> sk<SEND>")};
    return m;
}

// While the program ends with nobody there to click (a termination signal,
// the desktop session ending), what would be a box goes to standard error:
// a box would hold up the logout.
struct UnattendedWhile
{
    Station& station;
    bool on;
    UnattendedWhile(Station& s, bool unattended)
        : station(s)
        , on(unattended)
    {
        if (on)
            station.setUnattended(true);
    }
    ~UnattendedWhile()
    {
        if (on)
            station.setUnattended(false);
    }
};

} // namespace

Lifecycle::Lifecycle(Station& station, LifecycleFrontEnd& window)
    : m_station(station)
    , m_window(window)
{
    m_closeWait.setSingleShot(true);
    m_closeWait.setInterval(CloseWaitMs);
    connect(&m_closeWait, &QTimer::timeout, this, &Lifecycle::goOnClosing);
    connect(&m_station.keying.keyer(), &PttKeyer::closed, this, &Lifecycle::keyerClosed);
}

Lifecycle::~Lifecycle() = default;

bool Lifecycle::startUp(const QString& programPath)
{
    Station& se = m_station;
    Settings& s = se.s();

    // 1. Settings.
    se.settings.LoadSettings();
    se.configureCore();
    m_window.showStoredOptions();
    se.applyLogSettings();
    se.logbook.applySettings();

    m_window.setProgramFolderFrom(programPath);

    // 2. The instance rule, per settings file.
    m_instance = std::make_unique<SingleInstance>(se.settings.filePath());
    const bool first = m_instance->tryAcquire();
    if (s.myCallsign != DeveloperCallSign) {
        if (!first) {
            se.tell({Attention::Kind::AnotherCopy,
                     tr("Error: Another copy of KELDO Terminal is running from this folder. Only one "
                        "copy can be run at a time from the same folder"),
                     {}});
            return false;
        }
    } else {
        const int port = first ? DeveloperFirstPort : DeveloperFurtherPort;
        s.hfTcpPort = port;
        s.fmTcpPort = port;
    }
    // The keying journal is the first copy's alone: what an earlier run
    // left is read before this run writes anything.
    std::optional<QByteArray> leftKeying;
    if (first) {
        // Read only when regular: a pipe there would hold the start up.
        const RegularFile::Read state =
            RegularFile::ReadFile(se.keyingStatePath(), MaxKeyingStateBytes, RegularFile::Links::Follow);
        if (state.ok && state.exists)
            leftKeying = state.bytes;
        se.startKeyingJournal();
    }

    if (m_firstRun) {
        askFirstSettings(programPath);
        // Ended while asked: nothing is saved, so the next start asks again.
        if (m_terminationRequested)
            return false;
    }
    // QSO records the last run could not get into the logbook; only the
    // copy that owns the settings file takes them.
    se.logbook.loadWaiting();
    // The settings as they stand now (a developer copy's port, the first run's answers).
    se.configureCore();

    // 3. The radio catalogue (constant tables, built once).
    LoadRadioCatalogue();
    // 4. The status bar exists since construction.
    // 5. Caption without call sign.
    emit se.callSignChanged(QString());
    // 6. Position.
    m_window.placeWindow(s.topPosition, s.leftPosition);
    // A radio an earlier run left keyed (it ended without unkeying) is
    // unkeyed before anything else keys, and before the modem is reached.
    if (leftKeying)
        se.keying.runWaiting([left = *leftKeying](PttKeyer& k) { k.releaseLeftKeyed(left); },
                             PttKeyer::LeftKeyedWaitMs + 1000);
    // 7. The PTT serial port.
    se.keying.OpenPttPort(KeyingConfigOf(s));
    // 8. Caption with call sign.
    emit se.callSignChanged(s.myCallsign);
    // 9. First supervision pass.
    se.link.CheckSockets();
    // 10. Supervision timer.
    se.link.armSupervision();
    // 11. The modem program.
    if (s.autoLaunch == AutoLaunch::On)
        launchModemOfMode();
    // 12. Menus follow the stored mode.
    emit se.modeShown(s.keldoMode.value());
    // 13 to 15. Window state and size, font size and colours.
    m_window.restoreStoredWindow();
    // 16. Unkeyed.
    se.keying.PttOff();
    m_loaded = true;
    return true;
}

void Lifecycle::askFirstSettings(const QString& programPath)
{
    Settings& s = m_station.s();
    const ModeProfile* profile = s.profile();
    if (!profile)
        return;
    const FirstRunOffer offer{PracticeModemFor(programPath), s.*profile->programPath, s.*profile->host,
                              s.*profile->commandPort};
    const std::optional<FirstRunChoice> choice = m_firstRun(offer);
    if (!choice || m_terminationRequested)
        return;
    s.myCallsign = choice->callSign;
    s.autoLaunch = choice->autoLaunch ? AutoLaunch::On : AutoLaunch::Off;
    s.*profile->programPath = choice->programPath;
    s.*profile->host = choice->host;
    s.*profile->commandPort = choice->port;
    // Canned texts to begin with, on the bar; never over macros of the operator's.
    if (s.macros == MacroSet{}) {
        s.macros = StarterMacros();
        s.showMacroBar = true;
        m_window.showStoredOptions();
    }
    m_station.controller.save();
}

void Lifecycle::launchModemOfMode()
{
    const Settings& s = m_station.s();
    // Another mode text starts nothing.
    const ModeProfile* profile = s.profile();
    if (!profile)
        return;
    const QString path = s.*profile->programPath;
    // A Windows path is looked for in the Wine prefix; the setting keeps its text.
    const ModemProgramPlan plan = m_station.modem.plan(path);
    QString problem;
    if (!ProgramShell::current().fileExists(plan.path))
        problem = ModemProgramNotFoundText(plan);
    else if (plan.wineMissing())
        problem = WineMissingText(plan);
    else
        problem = ProgramShell::current().launchProgram(
            path, ModemProgramArguments(path, s.*profile->host, s.*profile->commandPort));
    if (!problem.isEmpty())
        m_station.tell({Attention::Kind::ProgramProblem, problem, {}, true});
}

void Lifecycle::shutDown()
{
    if (!m_loaded || m_finished)
        return;
    const UnattendedWhile unattended(m_station, m_unattended);
    beginShutDown();
    m_station.keying.ClosePttPort();
    finishShutDown();
}

void Lifecycle::beginShutDown()
{
    if (m_shutDown || !m_loaded)
        return;
    m_shutDown = true;
    m_closeStep = CloseStep::GoOn;
    m_closeWait.stop();
    disconnect(m_closeWatch);
    Station& se = m_station;

    // 1. End the modem program of the mode at this moment.
    if (se.s().autoLaunch == AutoLaunch::On)
        EndModemProgramOf(se.s(), se.s().keldoMode.value());
    // 2 to 5.
    se.keying.PttOff();
    se.TerminarAplicacion = true;
    // The QSO under way and those in open windows are logged as they stand:
    // nobody is asked at shutdown.
    se.logbook.writeOpenWindows();
    se.qsos.endNow();
    se.link.stopSupervision();
    se.link.closeSockets();
    // 6. Position, unless minimised.
    m_window.recordPositionForSave();
    // The log's last line is completed before anything else can stop us.
    se.log.close(se.terminal.utcNow());
}

// 7 (the keyer closed), 8.
void Lifecycle::finishShutDown()
{
    if (m_finished)
        return;
    m_finished = true;
    // The keyer has closed (or not answered in time): its thread ends.
    m_station.keying.stop();
    m_station.controller.save();
    // The settings, the log's last lines and the records written now reach
    // their files; a folder that does not answer is not waited for beyond
    // the bound (its thread is left behind, and the records stay spooled).
    // Their answers (a failed save told, a spool updated) are taken at once:
    // the event loop may not run again.
    QDeadlineTimer deadline(ShutdownFilesMs);
    bool written = false;
    for (int round = 0; round < 3 && !written; ++round) {
        written = m_station.files.flush(int(deadline.remainingTime()));
        QCoreApplication::sendPostedEvents(&m_station.files, QEvent::MetaCall);
    }
    if (!written)
        qWarning("Some files were not written before the terminal closed");
    // 9. The other windows close without applying anything.
    m_window.closeOtherWindows();
}

bool Lifecycle::closeRequested()
{
    if (m_closeStep == CloseStep::None && disconnectBeforeClosing())
        return false;
    if (!m_loaded || m_finished)
        return true;
    if (!m_shutDown) {
        const UnattendedWhile unattended(m_station, m_unattended);
        beginShutDown();
        // 7. rigctld may take a moment to take the unkey: wait on the
        // normal loop, the window still and deaf meanwhile.
        // A keying thread that does not answer in time holds up nothing.
        if (m_station.keying.beginClose().value_or(true)) {
            finishShutDown();
        } else {
            m_closeStep = CloseStep::Unkeying;
            m_window.setWaitingToClose();
        }
    }
    return m_finished;
}

void Lifecycle::keyerClosed()
{
    if (!m_shutDown || m_finished)
        return;
    {
        const UnattendedWhile unattended(m_station, m_unattended);
        finishShutDown();
    }
    m_window.closeWindow();
    if (m_terminationRequested)
        QCoreApplication::quit();
}

// The modem program is about to be ended in the middle of a connection: let
// it end the connection first, so that the other station is not left calling
// into silence. A second close request does not wait.
bool Lifecycle::disconnectBeforeClosing()
{
    Station& se = m_station;
    if (m_shutDown || !m_loaded || se.s().autoLaunch != AutoLaunch::On || !se.conn.ConnectionActive
        || !se.link.commandConnected())
        return false;
    m_closeStep = CloseStep::Waiting;
    // The DISCONNECTED that follows may come before the shutdown: no Log QSO window for it.
    se.logbook.setClosing();
    // DISCONNECTED, or the link lost, clears the connection.
    m_closeWatch = connect(&se.terminal, &Terminal::connectionChanged, this, [this] {
        if (!m_station.conn.ConnectionActive)
            QMetaObject::invokeMethod(this, &Lifecycle::goOnClosing, Qt::QueuedConnection);
    });
    m_closeWait.start();
    se.link.SendAbort();
    return true;
}

void Lifecycle::goOnClosing()
{
    if (m_closeStep != CloseStep::Waiting)
        return;
    m_closeStep = CloseStep::GoOn;
    m_closeWait.stop();
    disconnect(m_closeWatch);
    m_window.closeWindow();
}

void Lifecycle::attachTo(QCoreApplication& app)
{
    // A termination signal may come while a message box of the start-up is
    // open (before the event loop runs): close the box, then end as for a
    // closed window.
    m_signals = std::make_unique<SignalBridge>();
    // The transmitter is let go at once, even if this thread is held up.
    m_station.keying.watchTermination(m_signals->keyingFd());
    connect(m_signals.get(), &SignalBridge::terminationRequested, this, [this](int) {
        m_terminationRequested = true;
        m_unattended = true;
        m_window.closeBoxes();
        // During a connection the window may first wait for the modem to end
        // it (a further signal goes on at once); it then quits by closing.
        m_window.closeWindow();
        if (!waitingToClose())
            QCoreApplication::quit();
    });
    // Settings are written before the event loop stops. A close from the
    // window has shut down before the loop stops.
    connect(&app, &QCoreApplication::aboutToQuit, this, &Lifecycle::endUnattended);
}

void Lifecycle::endUnattended()
{
    m_unattended = true;
    shutDown();
}
