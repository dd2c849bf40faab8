// CPU use of the terminal left alone: first with no modem listening on its
// port (the link supervision keeps trying, throttled), then linked to an idle
// practice modem. The terminal runs as its own process (a copy in a temporary
// folder with its own INI, offscreen); its CPU time is read from
// /proc/<pid>/stat from the moment its window is up until the end of the
// phase, so start-up is not counted.
//
//   bench_link_cpu [seconds-per-phase]      (default 30)

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point t)
{
    return std::chrono::duration<double>(Clock::now() - t).count();
}

// A loopback port whose next port is free too, and nobody listens on either.
quint16 freePortPair()
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        const int a = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = 0;
        if (::bind(a, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
            ::close(a);
            continue;
        }
        socklen_t len = sizeof addr;
        ::getsockname(a, reinterpret_cast<sockaddr*>(&addr), &len);
        const quint16 p = ntohs(addr.sin_port);
        const int b = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in next = addr;
        next.sin_port = htons(quint16(p + 1));
        const bool ok = p < 65534 && ::bind(b, reinterpret_cast<sockaddr*>(&next), sizeof next) == 0;
        ::close(b);
        ::close(a);
        if (ok)
            return p;
    }
    return 0;
}

struct Child {
    pid_t pid = -1;
    int out = -1; // read end of its stdout, or -1
};

// Starts program with args; stdout to a pipe (or to outFile), stderr to errFile.
Child spawn(const std::string& program, const std::vector<std::string>& args, const std::string& workDir,
            const std::vector<std::string>& env, const std::string& outFile, const std::string& errFile)
{
    int fds[2] = {-1, -1};
    if (outFile.empty() && ::pipe(fds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (const std::string& e : env)
            ::putenv(const_cast<char*>(e.c_str()));
        if (!workDir.empty() && ::chdir(workDir.c_str()) != 0)
            ::_exit(127);
        if (outFile.empty()) {
            ::dup2(fds[1], 1);
            ::close(fds[0]);
            ::close(fds[1]);
        } else {
            const int o = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(o, 1);
            ::close(o);
        }
        const int e = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(e, 2);
        ::close(e);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    Child c;
    c.pid = pid;
    if (outFile.empty()) {
        ::close(fds[1]);
        c.out = fds[0];
    }
    return c;
}

// Reads the child's stdout until a line equal to marker; false on timeout or EOF.
bool waitForLine(const Child& c, const char* marker, double timeoutS)
{
    std::string buf;
    const auto start = Clock::now();
    while (secondsSince(start) < timeoutS) {
        pollfd p{c.out, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        char chunk[512];
        const ssize_t n = ::read(c.out, chunk, sizeof chunk);
        if (n <= 0)
            return false;
        buf.append(chunk, size_t(n));
        size_t nl;
        while ((nl = buf.find('\n')) != std::string::npos) {
            if (buf.compare(0, nl, marker) == 0)
                return true;
            buf.erase(0, nl + 1);
        }
    }
    return false;
}

// Ends a child with SIGTERM (SIGKILL after 10 s); returns true if it ended on
// SIGTERM. lifeCpu: its CPU time over its whole life, from wait4.
bool terminate(Child& c, double* lifeCpu = nullptr)
{
    if (c.pid <= 0)
        return true;
    ::kill(c.pid, SIGTERM);
    const auto start = Clock::now();
    int status = 0;
    rusage usage{};
    bool ended = false;
    while (secondsSince(start) < 10) {
        if (::wait4(c.pid, &status, WNOHANG, &usage) == c.pid) {
            ended = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!ended) {
        ::kill(c.pid, SIGKILL);
        ::wait4(c.pid, &status, 0, &usage);
    }
    if (lifeCpu)
        *lifeCpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    if (c.out >= 0)
        ::close(c.out);
    c = Child{};
    return ended;
}

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

QString readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

struct PhaseResult {
    bool ok = false;
    double cpuPercent = 0;
    double wall = 0;
    double lifeCpu = 0;  // seconds, start-up and shutdown included
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
    Child t = spawn(exe, {}, dir.toStdString(), {"QT_QPA_PLATFORM=offscreen", "KELDO_STARTUP_PROBE=1"}, {}, err);
    if (t.pid <= 0 || !waitForLine(t, "startup-shown", 30)) {
        std::fprintf(stderr, "%s: the terminal did not start: %s\n", phase, qPrintable(readFile(QString::fromStdString(err))));
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
                     qPrintable(readFile(QString::fromStdString(err))));
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
    const QString exe = QDir(dir).filePath(QStringLiteral("keldo-terminal"));
    if (!QFile::copy(QStringLiteral(KELDO_TERMINAL_EXE), exe)) {
        std::fprintf(stderr, "cannot copy %s\n", KELDO_TERMINAL_EXE);
        return 1;
    }
    const quint16 port = freePortPair();
    if (port == 0) {
        std::fprintf(stderr, "no free loopback port pair\n");
        return 1;
    }
    const QString ini = QDir(dir).filePath(QStringLiteral("KELDO Terminal.ini"));
    auto writeIni = [&] {
        QFile f(ini);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        f.write(QStringLiteral("[Setup]\r\nAutoLaunch=0\r\nHF Host=127.0.0.1\r\nHF TCP Port=%1\r\n").arg(port).toLatin1());
        return true;
    };

    std::printf("terminal CPU use, %.0f s per phase, measured from the window shown (port %u);\n"
                "/proc/<pid>/stat counts in %ld ms ticks, so the resolution is %.3f %%\n",
                seconds, port, 1000L / ::sysconf(_SC_CLK_TCK), 100.0 / double(::sysconf(_SC_CLK_TCK)) / seconds);
    std::fflush(stdout);

    // 1. Nobody listening on the port.
    if (!writeIni())
        return 1;
    const long long fails0 = tcpAttemptFails();
    const PhaseResult idle = runTerminal(dir, seconds, [] { return true; }, "no-modem");
    const long long fails1 = tcpAttemptFails();
    if (!idle.ok)
        return 1;
    std::printf("no modem running:      CPU %.2f %% over %.1f s\n", idle.cpuPercent, idle.wall);
    std::printf("  whole life (start-up and shutdown included): %.0f ms CPU in %.1f s\n", idle.lifeCpu * 1000,
                idle.lifeWall);
    if (fails0 >= 0 && fails1 >= 0)
        std::printf("  refused TCP connects on this host during its life: %lld (%.1f/s; all processes, so an upper bound;\n"
                    "  Qt tries twice per refused connectToHost, and the terminal has two sockets)\n",
                    fails1 - fails0, double(fails1 - fails0) / idle.lifeWall);
    std::fflush(stdout);

    // 2. Linked to an idle practice modem on the same port.
    if (!writeIni())
        return 1;
    const QString simOut = QDir(dir).filePath(QStringLiteral("modem-sim.out"));
    Child sim = spawn(KELDO_MODEM_SIM, {"--port", std::to_string(port)}, dir.toStdString(), {}, simOut.toStdString(),
                      QDir(dir).filePath(QStringLiteral("modem-sim.err")).toStdString());
    const auto simStart = Clock::now();
    while (!readFile(simOut).contains(QLatin1String("# listening"))) {
        if (secondsSince(simStart) > 10) {
            std::fprintf(stderr, "the practice modem did not listen on %u: %s\n", port,
                         qPrintable(readFile(QDir(dir).filePath(QStringLiteral("modem-sim.err")))));
            terminate(sim);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    auto linked = [&] {
        const QString log = readFile(simOut);
        return log.contains(QLatin1String("# command channel connected"))
            && log.contains(QLatin1String("# data channel connected"));
    };
    const PhaseResult linkedRun = runTerminal(dir, seconds, linked, "linked");
    const QString log = readFile(simOut);
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
