#pragma once

// What the benchmarks (bench_*) and the soak drivers (soak_*) have in common:
// option parsing, /proc readers, loopback ports, a terminal copy with its own
// INI, child processes driven without an event loop, event-loop waits and the
// failure list of a soak run.

#include "widgets/Shell.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point t);

// The number after name in args ("--kills 20"), or def.
int argValue(const QStringList& args, const QString& name, int def);

// Offscreen unless QT_QPA_PLATFORM names a platform; call before the application object.
void defaultToOffscreen();

// The whole file; empty if it cannot be read.
QByteArray readFile(const QString& path);
QString readTextFile(const QString& path);

// A field of /proc/<pid>/status in KiB ("VmRSS", "VmHWM"; no colon); pid 0 is
// this process. -1 if it cannot be read.
qint64 statusKb(const char* field, pid_t pid = 0);

// A loopback port whose next port is free too, and nobody listens on either;
// 0 if none found.
quint16 freePortPair();

// Settings of a terminal that links to a modem on 127.0.0.1:port and never
// launches one.
QByteArray linkIni(quint16 port);
// The same for the soak drivers: PTT via the modem, N0CALL-1 in KELDOHF mode;
// extraSetup ("Key=Value\r\n" lines) goes into [Setup].
QByteArray soakIni(quint16 port, const QString& extraSetup = {});
// Writes the terminal's INI into dir (the terminal reads it beside itself).
bool writeTerminalIni(const QString& dir, const QByteArray& text);
// Copies the built keldo-terminal into dir; returns the copy's path, or an
// empty text if the copy failed.
QString copyTerminal(const QString& dir);

// A child process run with plain system calls, so waiting for it needs no
// event loop.
struct ChildProcess
{
    pid_t pid = -1;
    int out = -1; // read end of its stdout, or -1
};

// Starts program with args in workDir with env ("NAME=value") added; stdout
// to a pipe (or to outFile if one is named), stderr to errFile.
ChildProcess spawn(const std::string& program, const std::vector<std::string>& args, const std::string& workDir,
                   const std::vector<std::string>& env, const std::string& outFile, const std::string& errFile);
// Reads the child's stdout until a line equal to marker (within: holding it);
// false on timeout or EOF.
bool waitForLine(const ChildProcess& c, const char* marker, double timeoutS, bool within = false);
// One start of a program: from its fork to the marker line (as
// waitForLine), and its VmRSS right then; it is ended with SIGTERM after.
struct StartupSample
{
    bool ok = false;
    double ms = 0;
    double rssKb = 0;
    std::string error;
};
StartupSample measureStartup(const std::string& exe, const std::vector<std::string>& args,
                             const std::vector<std::string>& env, const char* marker, const std::string& workDir,
                             bool within = false);
// The middle value (0 for none).
double median(std::vector<double> v);
// The folder of this benchmark's own program.
std::string ownFolder();
// Ends a child with SIGTERM (SIGKILL after 10 s); returns true if it ended on
// SIGTERM. lifeCpu: its CPU time over its whole life, from wait4.
bool terminate(ChildProcess& c, double* lifeCpu = nullptr);

// Runs the event loop (without the sleeps of QTest's waits, which would
// show up as stalls and slow every round) until cond holds or ms pass.
bool runUntil(const std::function<bool()>& cond, int ms);
// Runs the event loop for ms.
void runFor(int ms);

// The shell of a benchmark, installed while it lives: nothing is launched,
// ended or opened, and every message box goes to onBox.
class QuietShell : public Shell
{
public:
    explicit QuietShell(std::function<void(const MessageBox::Shown&)> onBox)
        : m_onBox(std::move(onBox))
    {
        Shell::install(this);
    }
    QString launchProgram(const QString&, const QStringList&) override { return QString(); }
    void killProcessByName(const QString&) override { }
    bool openDocument(const QString&) override { return true; }
    void showMessage(QWidget*, const MessageBox::Shown& box) override { m_onBox(box); }

private:
    std::function<void(const MessageBox::Shown&)> m_onBox;
};

// The failures of a soak run: the first 50 are printed as they happen, all
// are counted.
struct Failures
{
    QStringList list;
    std::unique_ptr<QuietShell> shell;

    void operator()(const QString& what);
    // Every message box from now on is a failure.
    void catchMessageBoxes();
    bool isEmpty() const { return list.isEmpty(); }
    // Prints the closing "result:" line; returns the exit code.
    int result() const;
};

} // namespace bench
