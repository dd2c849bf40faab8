#pragma once

// TerminalProcess: the real keldo-terminal as a separate process, offscreen.
//
//   TerminalProcess t;
//   t.start(exe, {"--settings", ini}, home);      // HOME and working folder
//   QTRY_VERIFY_WITH_TIMEOUT(t.up(), 30000);       // the window is shown
//   QVERIFY(t.stop());                             // SIGTERM, clean exit 0
//
// Message boxes do not wait for a click: the program prints them as
// "message-box: TEXT" lines (see messageBoxes()) and goes on as if OK had
// been pressed. setUser() runs the program as another user (root only, via
// setpriv), for the cases where root's rights would hide a read-only file or
// folder. The destructor kills a program still running.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

class TerminalProcess
{
public:
    TerminalProcess() = default;
    ~TerminalProcess();
    TerminalProcess(const TerminalProcess&) = delete;
    TerminalProcess& operator=(const TerminalProcess&) = delete;

    // Run as this user and group id (only when the test runs as root).
    void setUser(uint uid) { m_uid = int(uid); }
    // Message boxes are real and wait for a click (none will come).
    void setBoxesWait() { m_boxesWait = true; }
    // No display at all: no platform chosen, no X11 or Wayland display.
    void setNoDisplay() { m_noDisplay = true; }
    // home: HOME, working folder and the runtime folder's parent (home/runtime
    // is created, owned by the user the program runs as).
    bool start(const QString& program, const QStringList& args, const QString& home);

    // The start-up sequence finished and the window is shown.
    bool up();
    QStringList messageBoxes();
    QByteArray output();
    QByteArray errorOutput();
    // Ended by itself (for instance refused at start-up) within the wait.
    bool waitForExit(int ms = 30000);
    int exitCode() const;
    // An environment variable for the program, over the ones set here.
    void setVariable(const QString& name, const QString& value) { m_variables.insert(name, value); }
    // Standard input: bytes written to it, and its end.
    void write(const QByteArray& bytes) { m_process.write(bytes); }
    void closeInput() { m_process.closeWriteChannel(); }
    // SIGTERM, then true when the program ended normally with code 0.
    bool stop();
    // SIGKILL: ended at once, nothing of its shutdown run.
    void kill();

private:
    void read();

    QProcess m_process;
    QByteArray m_out;
    QByteArray m_err;
    int m_uid = -1;
    bool m_boxesWait = false;
    bool m_noDisplay = false;
    QProcessEnvironment m_variables;
};
