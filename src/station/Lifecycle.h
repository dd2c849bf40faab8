#pragma once

#include "Choices.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class QCoreApplication;
class Station;
class SignalBridge;
class SingleInstance;

// What start-up and shutdown ask of the front end (the desktop's main
// window), and no more.
class LifecycleFrontEnd
{
public:
    virtual ~LifecycleFrontEnd() = default;
    virtual void showStoredOptions() = 0;
    virtual void setProgramFolderFrom(const QString& programPath) = 0;
    virtual void placeWindow(int topTwips, int leftTwips) = 0;
    // State and size, font size and colours, as stored.
    virtual void restoreStoredWindow() = 0;
    virtual void recordPositionForSave() = 0;
    // Closes every other top-level window (their unload sees the shutdown flag).
    virtual void closeOtherWindows() = 0;
    // Shown but refusing input while shutdown waits.
    virtual void setWaitingToClose() = 0;
    virtual void closeWindow() = 0;
    // A termination signal came: whatever waits for the operator (a box of
    // the start-up) is closed.
    virtual void closeBoxes() { }
};

// Start-up and shutdown of a station, in order: the single-instance rule,
// the modem program launched at start-up and ended at shutdown, the ending
// of a connection before closing, and the application's own ends
// (termination signals, quitting). No widgets: any front end runs the same
// sequence.
class Lifecycle : public QObject
{
    Q_OBJECT
public:
    // Closing during a connection with "AutoLaunch" 1 first sends ABORT and
    // waits for DISCONNECTED this long at most.
    static constexpr int CloseWaitMs = 10000;
    // How long shutdown waits for the files still being written.
    static constexpr int ShutdownFilesMs = 3000;

    Lifecycle(Station& station, LifecycleFrontEnd& window);
    ~Lifecycle() override;

    // The start-up sequence. False when the program must end at once
    // (another copy runs on the same settings file).
    bool startUp(const QString& programPath);
    // With no settings file yet, startUp asks for the first settings through
    // ask, after the instance rule and before anything is started, and saves
    // the answer; none keeps the defaults. Never asked unless set.
    using FirstRunAsk = std::function<std::optional<FirstRunChoice>(const FirstRunOffer&)>;
    void offerFirstRun(FirstRunAsk ask) { m_firstRun = std::move(ask); }
    // The shutdown sequence, whole, for when no event loop runs after it;
    // runs once, whatever ends the program.
    void shutDown();
    bool isShutDown() const { return m_finished; }

    // The window was asked to close: false while the modem is first given
    // the chance to end the connection, and while rigctld takes the last
    // unkey (the window stays open meanwhile, closed when done).
    bool closeRequested();
    bool waitingToClose() const { return m_closeStep == CloseStep::Waiting || m_closeStep == CloseStep::Unkeying; }
    void setCloseWaitInterval(int ms) { m_closeWait.setInterval(ms); }

    // Ties the shutdown to the application's ends: a termination signal
    // (closing any box of the start-up first) and the event loop stopping.
    void attachTo(QCoreApplication& app);
    // Ending with nobody there to answer (the desktop session ending): the
    // whole shutdown, now.
    void endUnattended();
    bool terminationRequested() const { return m_terminationRequested; }

private:
    void askFirstSettings(const QString& programPath);
    // The modem program of the current mode, when it can be started.
    void launchModemOfMode();
    bool disconnectBeforeClosing();
    void goOnClosing();
    // Shutdown up to the keyer's closing, then after it.
    void beginShutDown();
    void finishShutDown();
    void keyerClosed();

    Station& m_station;
    LifecycleFrontEnd& m_window;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<SignalBridge> m_signals;
    FirstRunAsk m_firstRun;
    enum class CloseStep { None, Waiting, GoOn, Unkeying };
    CloseStep m_closeStep = CloseStep::None;
    QTimer m_closeWait;
    QMetaObject::Connection m_closeWatch;
    bool m_shutDown = false; // begun
    bool m_finished = false;
    bool m_loaded = false;
    bool m_terminationRequested = false;
    // Ending with nobody there to answer a box (a signal, the session ending).
    bool m_unattended = false;
};
