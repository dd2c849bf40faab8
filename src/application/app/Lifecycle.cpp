#include "Lifecycle.h"

#include "app/ModemProcess.h"
#include "app/Session.h"
#include "app/SignalBridge.h"
#include "app/SingleInstance.h"
#include "files/Diagnostics.h"
#include "ptt/KeyingState.h"
#include "ptt/RadioCatalogue.h"
#include "widgets/MessageBox.h"
#include "widgets/Shell.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSessionManager>
#include <QStandardPaths>

#include <cstdio>
#include <optional>

namespace {

const QString DeveloperCallSign = QStringLiteral("ZX9QQQ-7");
constexpr int DeveloperFirstPort = 8300;
constexpr int DeveloperFurtherPort = 8320;

// While the program ends with nobody there to click (a termination signal,
// the desktop session ending), what would be a box goes to standard error:
// a box would hold up the logout. Everything else is the shell's below.
class UnattendedShell : public Shell
{
public:
    UnattendedShell()
        : m_below(Shell::current())
    {
        Shell::install(this);
    }
    QString launchProgram(const QString& keyText, const QStringList& arguments) override
    {
        return m_below.launchProgram(keyText, arguments);
    }
    void killProcessByName(const QString& fileName) override { m_below.killProcessByName(fileName); }
    bool fileExists(const QString& path) override { return m_below.fileExists(path); }
    bool openDocument(const QString& pathOrUrl) override { return m_below.openDocument(pathOrUrl); }
    bool documentViewerAvailable() override { return m_below.documentViewerAvailable(); }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return QString(); }
    void showMessage(QWidget*, const MessageBox::Shown& box) override
    {
        Diagnostics::Write("keldo-terminal: "
                           + QString(box.text).replace(QLatin1Char('\n'), QLatin1String(": ")).toLocal8Bit());
    }

private:
    Shell& m_below;
};

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

struct UnattendedWhile
{
    std::optional<UnattendedShell> shell;
    explicit UnattendedWhile(bool on)
    {
        if (on)
            shell.emplace();
    }
};

} // namespace

Lifecycle::Lifecycle(Session& session, LifecycleWindow& window)
    : m_session(session)
    , m_window(window)
{
    m_closeWait.setSingleShot(true);
    m_closeWait.setInterval(CloseWaitMs);
    connect(&m_closeWait, &QTimer::timeout, this, &Lifecycle::goOnClosing);
    connect(&m_session.keying.keyer(), &PttKeyer::closed, this, &Lifecycle::keyerClosed);
}

Lifecycle::~Lifecycle() = default;

bool Lifecycle::startUp(const QString& programPath)
{
    Session& se = m_session;
    Settings& s = se.s();

    // 1. Settings.
    se.settings.LoadSettings();
    m_window.showStoredOptions();
    se.applyLogSettings();
    se.logbook.applySettings();

    m_window.setProgramFolderFrom(programPath);

    // 2. The instance rule, per settings file.
    m_instance = std::make_unique<SingleInstance>(se.settings.filePath());
    const bool first = m_instance->tryAcquire();
    if (s.myCallsign != DeveloperCallSign) {
        if (!first) {
            MessageBox::show(
                nullptr,
                QStringLiteral("Error: Another copy of KELDO Terminal is running from this folder. Only one "
                               "copy can be run at a time from the same folder"),
                MessageBox::Icon::Warning);
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
        leftKeying = ReadSmallRegularFile(se.keyingStatePath(), MaxKeyingStateBytes);
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

    // 3. The radio catalogue (constant tables, built once).
    LoadRadioCatalogue();
    // 4. The status bar exists since construction.
    // 5. Caption without call sign.
    se.presenter.showCallSign(QString());
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
    se.presenter.showCallSign(s.myCallsign);
    // 9. First supervision pass.
    se.link.CheckSockets();
    // 10. Supervision timer.
    se.link.armSupervision();
    // 11. The modem program.
    if (s.autoLaunch == AutoLaunch::On)
        launchModemOfMode();
    // 12. Menus follow the stored mode.
    se.presenter.showMode(s.keldoMode.value());
    // 13 to 15. Window state and size, font size and colours.
    m_window.restoreStoredWindow();
    // 16. Unkeyed.
    se.keying.PttOff();
    m_loaded = true;
    return true;
}

void Lifecycle::askFirstSettings(const QString& programPath)
{
    Settings& s = m_session.s();
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
    m_session.controller.save();
}

void Lifecycle::launchModemOfMode()
{
    const Settings& s = m_session.s();
    // Another mode text starts nothing.
    const ModeProfile* profile = s.profile();
    if (!profile)
        return;
    const QString path = s.*profile->programPath;
    // A Windows path is looked for in the Wine prefix; the setting keeps its text.
    const ModemProgramPlan plan = m_session.modem.plan(path);
    if (!Shell::current().fileExists(plan.path))
        MessageBox::show(nullptr, ModemProgramNotFoundText(plan), MessageBox::Icon::Critical);
    else if (plan.wineMissing())
        MessageBox::show(nullptr, WineMissingText(plan), MessageBox::Icon::Critical);
    else if (const QString problem = Shell::current().launchProgram(
                 path, ModemProgramArguments(path, s.*profile->host, s.*profile->commandPort));
             !problem.isEmpty())
        MessageBox::show(nullptr, problem, MessageBox::Icon::Critical);
}

void Lifecycle::shutDown()
{
    if (!m_loaded || m_finished)
        return;
    const UnattendedWhile unattended(m_unattended);
    beginShutDown();
    m_session.keying.ClosePttPort();
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
    Session& se = m_session;

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
    m_session.keying.stop();
    m_session.controller.save();
    // The settings, the log's last lines and the records written now reach
    // their files; a folder that does not answer is not waited for beyond
    // the bound (its thread is left behind, and the records stay spooled).
    // Their answers (a failed save told, a spool updated) are taken at once:
    // the event loop may not run again.
    QDeadlineTimer deadline(ShutdownFilesMs);
    bool written = false;
    for (int round = 0; round < 3 && !written; ++round) {
        written = m_session.files.flush(int(deadline.remainingTime()));
        QCoreApplication::sendPostedEvents(&m_session.files, QEvent::MetaCall);
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
        const UnattendedWhile unattended(m_unattended);
        beginShutDown();
        // 7. rigctld may take a moment to take the unkey: wait on the
        // normal loop, the window still and deaf meanwhile.
        // A keying thread that does not answer in time holds up nothing.
        if (m_session.keying.beginClose().value_or(true)) {
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
        const UnattendedWhile unattended(m_unattended);
        finishShutDown();
    }
    m_window.closeWindow();
    if (m_terminationRequested)
        QApplication::quit();
}

// The modem program is about to be ended in the middle of a connection: let
// it end the connection first, so that the other station is not left calling
// into silence. A second close request does not wait.
bool Lifecycle::disconnectBeforeClosing()
{
    Session& se = m_session;
    if (m_shutDown || !m_loaded || se.s().autoLaunch != AutoLaunch::On || !se.conn.ConnectionActive
        || !se.link.commandConnected())
        return false;
    m_closeStep = CloseStep::Waiting;
    // The DISCONNECTED that follows may come before the shutdown: no Log QSO window for it.
    se.logbook.setClosing();
    // DISCONNECTED, or the link lost, clears the connection.
    m_closeWatch = connect(&se.terminal, &Terminal::connectionChanged, this, [this] {
        if (!m_session.conn.ConnectionActive)
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

void Lifecycle::attachTo(QApplication& app)
{
    // A termination signal may come while a message box of the start-up is
    // open (before the event loop runs): close the box, then end as for a
    // closed window.
    m_signals = std::make_unique<SignalBridge>();
    // The transmitter is let go at once, even if this thread is held up.
    m_session.keying.watchTermination(m_signals->keyingFd());
    connect(m_signals.get(), &SignalBridge::terminationRequested, this, [this](int) {
        m_terminationRequested = true;
        m_unattended = true;
        while (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            if (QApplication::activeModalWidget() == modal)
                break;
        }
        // During a connection the window may first wait for the modem to end
        // it (a further signal goes on at once); it then quits by closing.
        m_window.closeWindow();
        if (!waitingToClose())
            QApplication::quit();
    });
    // The desktop session ending: settings are written before the event loop
    // stops. A close from the window has shut down before the loop stops.
    auto endUnattended = [this] {
        m_unattended = true;
        shutDown();
    };
    connect(&app, &QGuiApplication::commitDataRequest, this, endUnattended);
    connect(&app, &QCoreApplication::aboutToQuit, this, endUnattended);
}
