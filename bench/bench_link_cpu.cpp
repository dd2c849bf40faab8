// CPU use of the terminal left alone: first with no modem listening on its
// port (the link supervision keeps trying, throttled), then linked to an idle
// practice modem. The terminal runs as its own process (a copy in a temporary
// folder with its own INI, offscreen); its CPU time is read from
// /proc/<pid>/stat from the moment its window is up until the end of the
// phase, so start-up is not counted.
//
//   bench_link_cpu [seconds-per-phase]      (default 30)

#include "support/BenchSupport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

using namespace bench;

namespace {

// utime + stime of a process, in seconds; negative if it is gone.
double cpuSeconds(pid_t pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = f.readAll();
    // The command name may hold spaces: fields are counted after its ')'.
    const int close = s.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = s.mid(close + 2).split(' ');
    // Fields 14 and 15 of the line are 12 and 13 after the name.
    if (fields.size() < 13)
        return -1;
    const double ticks = double(fields.at(11).toLongLong() + fields.at(12).toLongLong());
    return ticks / double(::sysconf(_SC_CLK_TCK));
}

// Host-wide count of failed TCP connects (SYN sent, refused).
long long tcpAttemptFails()
{
    QFile f(QStringLiteral("/proc/net/snmp"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    QList<QByteArray> names;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (!line.startsWith("Tcp:"))
            continue;
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (names.isEmpty()) {
            names = parts;
            continue;
        }
        const int i = int(names.indexOf("AttemptFails"));
        return i > 0 && i < parts.size() ? parts.at(i).toLongLong() : -1;
    }
    return -1;
}

struct PhaseResult
{
    bool ok = false;
    double cpuPercent = 0;
    double wall = 0;
    double lifeCpu = 0; // seconds, start-up and shutdown included
    double lifeWall = 0; // seconds
};

// Runs the terminal copy for seconds once its window is up (and, if ready is
// given, once ready() says so) and measures its CPU use.
template <typename Ready>
PhaseResult runTerminal(const QString& dir, double seconds, Ready ready, const char* phase)
{
    PhaseResult r;
    const std::string exe = QDir(dir).filePath(QStringLiteral("keldo-terminal")).toStdString();
    const std::string err = QDir(dir).filePath(QStringLiteral("terminal-%1.err").arg(phase)).toStdString();
    const auto born = Clock::now();
    ChildProcess t = spawn(exe, {}, dir.toStdString(), {"QT_QPA_PLATFORM=offscreen", "KELDO_STARTUP_PROBE=1"}, {}, err);
    if (t.pid <= 0 || !waitForLine(t, "startup-shown", 30)) {
        std::fprintf(stderr, "%s: the terminal did not start: %s\n", phase,
                     qPrintable(readTextFile(QString::fromStdString(err))));
        terminate(t);
        return r;
    }
    const auto readyStart = Clock::now();
    while (!ready()) {
        if (secondsSince(readyStart) > 30) {
            std::fprintf(stderr, "%s: the terminal did not link up\n", phase);
            terminate(t);
            return r;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const double cpu0 = cpuSeconds(t.pid);
    const auto t0 = Clock::now();
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const double cpu1 = cpuSeconds(t.pid);
    r.wall = secondsSince(t0);
    if (cpu0 < 0 || cpu1 < 0) {
        std::fprintf(stderr, "%s: the terminal ended during the run: %s\n", phase,
                     qPrintable(readTextFile(QString::fromStdString(err))));
        terminate(t);
        return r;
    }
    r.cpuPercent = (cpu1 - cpu0) / r.wall * 100.0;
    const bool ended = terminate(t, &r.lifeCpu);
    r.lifeWall = secondsSince(born);
    if (!ended)
        std::fprintf(stderr, "%s: the terminal ignored SIGTERM and was killed\n", phase);
    r.ok = true;
    return r;
}

} // namespace

int main(int argc, char* argv[])
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 30.0;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: %s [seconds-per-phase]\n", argv[0]);
        return 2;
    }
    QTemporaryDir tmp;
    if (!tmp.isValid())
        return 1;
    const QString dir = tmp.path();
    if (copyTerminal(dir).isEmpty()) {
        std::fprintf(stderr, "cannot copy %s\n", KELDO_TERMINAL_EXE);
        return 1;
    }
    const quint16 port = freePortPair();
    if (port == 0) {
        std::fprintf(stderr, "no free loopback port pair\n");
        return 1;
    }
    auto writeIni = [&] { return writeTerminalIni(dir, linkIni(port)); };

    std::printf("terminal CPU use, %.0f s per phase, measured from the window shown (port %u);\n"
                "/proc/<pid>/stat counts in %ld ms ticks, so the resolution is %.3f %%\n",
                seconds, port, 1000L / ::sysconf(_SC_CLK_TCK), 100.0 / double(::sysconf(_SC_CLK_TCK)) / seconds);
    std::fflush(stdout);

    // 1. Nobody listening on the port.
    if (!writeIni())
        return 1;
    const long long fails0 = tcpAttemptFails();
    const PhaseResult idle = runTerminal(
        dir, seconds, [] { return true; }, "no-modem");
    const long long fails1 = tcpAttemptFails();
    if (!idle.ok)
        return 1;
    std::printf("no modem running:      CPU %.2f %% over %.1f s\n", idle.cpuPercent, idle.wall);
    std::printf("  whole life (start-up and shutdown included): %.0f ms CPU in %.1f s\n", idle.lifeCpu * 1000,
                idle.lifeWall);
    if (fails0 >= 0 && fails1 >= 0)
        std::printf(
            "  refused TCP connects on this host during its life: %lld (%.1f/s; all processes, so an upper bound;\n"
            "  Qt tries twice per refused connectToHost, and the terminal has two sockets)\n",
            fails1 - fails0, double(fails1 - fails0) / idle.lifeWall);
    std::fflush(stdout);

    // 2. Linked to an idle practice modem on the same port.
    if (!writeIni())
        return 1;
    const QString simOut = QDir(dir).filePath(QStringLiteral("modem-sim.out"));
    ChildProcess sim = spawn(KELDO_MODEM_SIM, {"--port", std::to_string(port)}, dir.toStdString(), {},
                             simOut.toStdString(), QDir(dir).filePath(QStringLiteral("modem-sim.err")).toStdString());
    const auto simStart = Clock::now();
    while (!readTextFile(simOut).contains(QLatin1String("# listening"))) {
        if (secondsSince(simStart) > 10) {
            std::fprintf(stderr, "the practice modem did not listen on %u: %s\n", port,
                         qPrintable(readTextFile(QDir(dir).filePath(QStringLiteral("modem-sim.err")))));
            terminate(sim);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    auto linked = [&] {
        const QString log = readTextFile(simOut);
        return log.contains(QLatin1String("# command channel connected"))
            && log.contains(QLatin1String("# data channel connected"));
    };
    const PhaseResult linkedRun = runTerminal(dir, seconds, linked, "linked");
    const QString log = readTextFile(simOut);
    terminate(sim);
    if (!linkedRun.ok)
        return 1;
    std::printf("linked to idle modem:  CPU %.2f %% over %.1f s\n", linkedRun.cpuPercent, linkedRun.wall);
    std::printf("  whole life (start-up and shutdown included): %.0f ms CPU in %.1f s\n", linkedRun.lifeCpu * 1000,
                linkedRun.lifeWall);
    std::printf("  connections the modem accepted: command %d, data %d\n",
                int(log.count(QLatin1String("# command channel connected"))),
                int(log.count(QLatin1String("# data channel connected"))));
    return 0;
}
