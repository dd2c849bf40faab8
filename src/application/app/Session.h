#pragma once

#include "Version.h"
#include "app/Logbook.h"
#include "app/ModemProcess.h"
#include "app/SettingsController.h"
#include "files/FileWriter.h"
#include "keying/KeyingThread.h"
#include "link/ConnectionState.h"
#include "link/ModemLink.h"
#include "logbook/LoggerLink.h"
#include "logbook/QsoTracker.h"
#include "logbook/RigFrequency.h"
#include "presenter/DisplayState.h"
#include "presenter/Presenter.h"
#include "ptt/KeyingJournal.h"
#include "ptt/PttKeyer.h"
#include "settings/Settings.h"
#include "terminal/ConversationLog.h"
#include "terminal/MacroText.h"
#include "terminal/RxTextModel.h"
#include "terminal/Terminal.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>

// Everything the main window, the dialogs and the tests share: the settings,
// the connection variables, what the display shows, and the logic modules.
class Session : public QObject
{
    Q_OBJECT
public:
    // folder: where "KELDO Terminal.ini" lives (the program's folder by default).
    explicit Session(const QString& folder = QString(), QObject* parent = nullptr);
    ~Session() override;

    Settings& s() { return settings.s(); }

    // Every file the station writes, off this thread; first made, last gone.
    FileWriter files;
    SettingsStore settings;
    ConnectionState conn;
    DisplayState display;
    Presenter presenter;
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
    QsoTracker qsos{settings, conn, terminal, rig};
    LoggerLink loggers;
    Logbook logbook{*this};
    // Applies what the dialogs and the window choose, and saves the settings.
    SettingsController controller{*this};

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

    // Parent of the boxes that tell the operator of a failed port open.
    void setMessageParent(QWidget* parent) { m_messageParent = parent; }

private:
    QPointer<QWidget> m_messageParent;
    // Folders whose stall the operator was told of.
    QStringList m_stallsTold;
    // The other station of the last connection, for <CALL> after it ended.
    QString m_lastOtherStation;
    QString m_keyingTrace; // where the journal writes the trace
};
