#pragma once

#include "Logbook.h"
#include "ModemProcess.h"
#include "SettingsController.h"
#include "Version.h"
#include "files/FileWriter.h"
#include "keying/KeyingThread.h"
#include "link/ConnectionState.h"
#include "link/ModemLink.h"
#include "logbook/LoggerLink.h"
#include "logbook/QsoTracker.h"
#include "logbook/RigFrequency.h"
#include "ptt/KeyingJournal.h"
#include "ptt/PttKeyer.h"
#include "settings/Settings.h"
#include "terminal/ConversationLog.h"
#include "terminal/MacroText.h"
#include "terminal/RxTextModel.h"
#include "terminal/Terminal.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

// Something the operator must be told of. A front end shows it (the desktop
// in a box); with none to answer it goes to standard error.
struct Attention
{
    enum class Kind {
        PortOpenFailed, // port: the keying port
        FolderStalled,
        SaveFailed,
        LogFailed, // the conversation log
        LogbookFailed,
        ProgramProblem, // a modem program that cannot be started
        AnotherCopy, // the instance rule: this copy ends
    };
    Kind kind;
    QString text; // what the operator is told
    QString port;
    bool serious = false; // a stop rather than a warning
};

// Who may send, call and stop: the front end the station runs with (the
// desktop or the console), or a browser that took control.
enum class ControlSide { Desktop, Console, Browser };
// "the desktop", "the console", "a browser", for the operator.
QString ControlSideName(ControlSide side);

// What the web front end reports of itself, for the other front ends to show.
struct RemoteAccessState
{
    bool listening = false;
    QString reason; // what it does, or why it does not serve
    QString fingerprint; // the certificate's SHA-256, when serving
    QStringList clients; // the browsers connected, by address
};

// "Unable to open radio serial port COM3. ...", and the reason below it.
QString PortOpenFailureText(const QString& port, const QString& detail = QString());

// The running station: the settings and the one controller that applies
// choices and saves them, the connection, the modem link, the conversation,
// the keyer on its thread, the modem programs, the conversation log and the
// logbook, wired together. It holds no front end and no widget: front ends
// (the desktop, a console) listen to its signals and to its parts' signals,
// and act through its commands and its controller.
class Station : public QObject
{
    Q_OBJECT
public:
    // Called with the parts made and nothing wired yet: whoever listens here
    // hears every change before the station acts on it (the desktop's
    // presenter, so the window shows a change before it is acted on).
    using FirstListener = std::function<void(Station&)>;

    // folder: where "KELDO Terminal.ini" lives (the program's folder by default).
    explicit Station(const QString& folder = QString(), QObject* parent = nullptr,
                     const FirstListener& firstListener = {});
    ~Station() override;

    Settings& s() { return settings.s(); }
    const Settings& s() const { return settings.s(); }

    // The commands of a front end.
    // Calls call (through the digipeaters via1 and via2, in FM) as the
    // Connect dialog's OK does; false when a box is no call sign or the
    // modem is not linked.
    bool connectTo(const QString& call, const QString& via1 = QString(), const QString& via2 = QString());
    // Ends the connection or the call (ABORT).
    void stop();
    // Sends text as typed; false when it cannot go now.
    bool sendText(const QString& text);
    // Text typed now would wait behind the block going out ("Type Ahead").
    bool takesTypeAhead() const { return terminal.takesTypeAhead(); }
    // Both channels to the modem are up: a call can be placed.
    bool modemLinked() const { return link.bothConnected(); }
    // Macro F1..F12 (index 0..11), its variables filled in and handed to
    // done, which places or sends it. One naming the rig's frequency or band
    // asks the rig first and waits for the answer at most macroRigWait ms
    // (none in time leaves them empty, never an older answer); macros run
    // while one waits come after it, in order. done is not called once
    // context is gone. False when there is no such macro.
    bool runMacro(int index, QObject* context, std::function<void(const ExpandedMacro&)> done);
    void setMacroRigWait(int ms) { m_macroRigWait.setInterval(ms); }
    void clear();

    // Request answerers: front ends that can ask the operator (the desktop's
    // Log QSO window). With none attached a request takes its safe choice:
    // a QSO to be logged is written to the logbook as it stands.
    void attachAnswerer() { ++m_answerers; }
    void detachAnswerer() { m_answerers = qMax(0, m_answerers - 1); }
    bool answered() const { return m_answerers > 0; }
    // Logs a QSO an answerer was asked about (false: not kept).
    bool logQso(const QsoRecord& qso, QString* error = nullptr) { return logbook.write(qso, error); }

    // Control: one front end at a time sends, calls and stops; the others
    // watch. The front end the program runs with holds it at the start.
    void setLocalSide(ControlSide side)
    {
        m_localSide = side;
        m_control = side;
    }
    ControlSide localSide() const { return m_localSide; }
    ControlSide control() const { return m_control; }
    // Who holds it, when a browser does (its address).
    QString controllerName() const { return m_controllerName; }
    bool inControl(ControlSide side) const { return m_control == side; }
    void takeControl(ControlSide side, const QString& name = QString());

    // The web front end's state, and the operator's wish to end every
    // browser's session (the web front end acts on it).
    const RemoteAccessState& remoteAccess() const { return m_remoteAccess; }
    void setRemoteAccess(const RemoteAccessState& state);
    void disconnectRemote() { emit remoteDisconnectRequested(); }
    // The browser in control stopped answering and the station was stopped:
    // told on the RX screen and in the keying trace.
    void controlLinkLost(const QString& browser);

    // Tells the operator: to the answerers, or with none (or no one there, at
    // the end) to standard error.
    void tell(const Attention& attention);
    // Nobody is there to answer (a termination signal, the desktop session ending).
    void setUnattended(bool on) { m_unattended = on; }

    // Every file the station writes, off this thread; first made, last gone.
    FileWriter files;
    SettingsStore settings;
    ConnectionState conn;
    RxTextModel rx;
    // Where the keyer's trace and state go once started (outlives the keyer).
    std::unique_ptr<KeyingJournal> keyingJournal;
    // The keyer and the command socket, on a thread of their own; made
    // before the link, which drives its command socket, and ended after it.
    KeyingThread keying;
    ModemLink link;
    Terminal terminal;
    // The modem programs this terminal started, and how it ends them.
    ModemProcesses modem;
    ConversationLog log;
    // The logbook: the rig's frequency, each QSO's record, the loggers told.
    RigFrequency rig;
    QsoTracker qsos{LogbookConfigOf(settings.s()), conn, terminal, rig};
    LoggerLink loggers;
    Logbook logbook{*this};
    // Applies what the front ends choose, and saves the settings.
    SettingsController controller{*this};

    // Hands the settings as they stand to the core's parts (the link, the
    // conversation, the QSO tracker), which never read them themselves.
    void configureCore();
    // Brings the conversation log in step with the settings (switch, folder).
    void applyLogSettings();
    // The log folder in use: the stored one, or the default beside the settings file.
    QString logFolder() const;
    QString defaultLogFolder() const;

    // The keying trace (keying.log in the log folder) and the keying state
    // beside the settings file, kept from here on.
    void startKeyingJournal();
    QString keyingTracePath() const;
    QString keyingStatePath() const;

    // The shutdown flag: set from the start of shutdown on; the dialogs then
    // close without applying anything.
    bool TerminarAplicacion = false;

    // The modem's end of the command connection, for finding the program serving it.
    ModemLinkEnds modemLinkEnds();

    static QString ProgramFolder();
    // The longest the GUI thread waits for the keyer to take a new journal.
    static constexpr int JournalSwapWaitMs = 2000;

    // What a macro's variables stand for now; the frequency only as
    // answered to the rig's question (none: no frequency).
    MacroContext macroContext(RigFrequency::Question question = 0) const;

signals:
    // Requests for a person; see answered().
    void attentionRequested(const Attention& attention);
    // Log this QSO? The answerer calls logQso() with what the operator keeps.
    void qsoToLog(const QsoRecord& qso);
    // Shutdown: answerers hand every QSO still waiting to logQso() now.
    void requestsWithdrawn();
    // A station calls (a connection not placed here), or an alert word came.
    void incomingCall(const QString& caller);
    void alertWordReceived(const QString& otherStation, const QString& word);
    // The caption's call sign, the mode shown and the logging switch changed.
    void callSignChanged(const QString& callSign);
    void modeShown(Mode mode);
    void loggingChanged(bool on);
    // QSO records waiting for the logbook file (0: none).
    void qsosWaitingChanged(int count);
    void controlChanged(ControlSide side, const QString& name);
    void remoteAccessChanged(const RemoteAccessState& state);
    void remoteDisconnectRequested();
    // The [Remote] settings were saved: the web front end serves with them.
    void remoteSettingsChanged();

private:
    void runWaitingMacros();

    struct WaitingMacro
    {
        QString text;
        QPointer<QObject> context;
        std::function<void(const ExpandedMacro&)> done;
    };
    std::vector<WaitingMacro> m_waitingMacros;
    QTimer m_macroRigWait;
    RigFrequency::Question m_macroQuestion = 0; // the waiting macros' <FREQ> answers it
    ControlSide m_localSide = ControlSide::Desktop;
    ControlSide m_control = ControlSide::Desktop;
    QString m_controllerName;
    RemoteAccessState m_remoteAccess;
    int m_answerers = 0;
    bool m_unattended = false;
    // Folders whose stall the operator was told of.
    QStringList m_stallsTold;
    // The other station of the last connection, for <CALL> after it ended.
    QString m_lastOtherStation;
    QString m_keyingTrace; // where the journal writes the trace
};
