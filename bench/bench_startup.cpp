// Start-up time and footprint of the terminal beside a bare Qt Widgets main
// window (bare-window, built in the same tree), measured in the same run under
// the same platform plugin: from the fork of the process to its
// "startup-shown" line (KELDO_STARTUP_PROBE=1, printed once the window is
// shown), and its VmRSS right then. Runs alternate between the programs,
// after one unmeasured warm-up run of each, so all see the same caches.
// "bare-window --text" (the bare window showing a line of text) is printed
// as well: it shows how much of the gap loading fonts alone accounts for.
//
//   bench_startup [runs]      (default 10)
//
// The platform is QT_QPA_PLATFORM from the environment, offscreen if unset
// (e.g. QT_QPA_PLATFORM=xcb xvfb-run -a bench_startup).

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
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point t)
{
    return std::chrono::duration<double>(Clock::now() - t).count();
}

// A loopback port nobody listens on (nor on the next one), so the terminal's
// link attempts are refused at once, as with no modem running.
quint16 unusedPortPair()
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        const int a = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
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

struct Sample {
    bool ok = false;
    double ms = 0;
    double rssKb = 0;
    std::string error;
};

long long statusField(pid_t pid, const char* name)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(name))
            return line.mid(int(qstrlen(name))).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

QString readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// One run: start, wait for the marker, read VmRSS, SIGTERM, reap.
Sample runOnce(const std::string& exe, const char* arg, const std::string& workDir, const std::string& platform)
{
    Sample s;
    const std::string errFile = workDir + "/last-run.err";
    int fds[2];
    if (::pipe(fds) != 0) {
        s.error = "pipe failed";
        return s;
    }
    const auto t0 = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
        ::setenv("KELDO_STARTUP_PROBE", "1", 1);
        if (::chdir(workDir.c_str()) != 0)
            ::_exit(127);
        ::dup2(fds[1], 1);
        ::close(fds[0]);
        ::close(fds[1]);
        const int e = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(e, 2);
        ::close(e);
        char* argv[] = {const_cast<char*>(exe.c_str()), const_cast<char*>(arg), nullptr};
        ::execv(exe.c_str(), argv);
        ::_exit(127);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        s.error = "fork failed";
        return s;
    }
    std::string buf;
    bool shown = false;
    while (!shown && secondsSince(t0) < 30) {
        pollfd p{fds[0], POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        char chunk[256];
        const ssize_t n = ::read(fds[0], chunk, sizeof chunk);
        if (n <= 0)
            break;
        buf.append(chunk, size_t(n));
        shown = buf.find("startup-shown\n") != std::string::npos;
    }
    if (shown) {
        s.ms = secondsSince(t0) * 1000.0;
        s.rssKb = double(statusField(pid, "VmRSS:"));
        s.ok = s.rssKb > 0;
    }
    ::kill(pid, SIGTERM);
    int status = 0;
    bool ended = false;
    const auto t1 = Clock::now();
    while (secondsSince(t1) < 10) {
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            ended = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!ended) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    ::close(fds[0]);
    if (!shown)
        s.error = "no startup-shown line: " + readFile(QString::fromStdString(errFile)).toStdString();
    return s;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

std::string ownFolder()
{
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    std::string p(path, size_t(n));
    return p.substr(0, p.rfind('/'));
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    if (runs < 1) {
        std::fprintf(stderr, "usage: %s [runs]\n", argv[0]);
        return 2;
    }
    const char* envPlatform = std::getenv("QT_QPA_PLATFORM");
    const std::string platform = envPlatform && *envPlatform ? envPlatform : "offscreen";

    // Both programs run from copies in their own folders: the terminal reads
    // its INI beside itself and takes its instance lock on its own path.
    QTemporaryDir tmp;
    if (!tmp.isValid())
        return 1;
    const QString termDir = QDir(tmp.path()).filePath(QStringLiteral("terminal"));
    const QString bareDir = QDir(tmp.path()).filePath(QStringLiteral("bare"));
    QDir().mkpath(termDir);
    QDir().mkpath(bareDir);
    const QString termExe = QDir(termDir).filePath(QStringLiteral("keldo-terminal"));
    const QString bareExe = QDir(bareDir).filePath(QStringLiteral("bare-window"));
    const QString bareSource = QString::fromStdString(ownFolder() + "/bare-window");
    if (!QFile::copy(QStringLiteral(KELDO_TERMINAL_EXE), termExe) || !QFile::copy(bareSource, bareExe)) {
        std::fprintf(stderr, "cannot copy %s or %s\n", KELDO_TERMINAL_EXE, qPrintable(bareSource));
        return 1;
    }
    const quint16 port = unusedPortPair();
    const QString iniPath = QDir(termDir).filePath(QStringLiteral("KELDO Terminal.ini"));
    const QByteArray ini = QStringLiteral("[Setup]\r\nAutoLaunch=0\r\nHF Host=127.0.0.1\r\nHF TCP Port=%1\r\n").arg(port).toLatin1();
    auto writeIni = [&] {
        // Rewritten before every run: the terminal saves its settings on exit.
        QFile f(iniPath);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(ini) == ini.size();
    };

    struct Program {
        const char* name;
        std::string exe;
        const char* arg;
        std::string dir;
        std::vector<double> ms, kb;
        double medianMs() const { return median(ms); }
        double medianKb() const { return median(kb); }
    };
    Program programs[] = {
        {"keldo-terminal", termExe.toStdString(), nullptr, termDir.toStdString(), {}, {}},
        {"bare-window", bareExe.toStdString(), nullptr, bareDir.toStdString(), {}, {}},
        {"bare-window --text", bareExe.toStdString(), "--text", bareDir.toStdString(), {}, {}},
    };
    for (int i = -1; i < runs; ++i) { // run -1 warms up, unmeasured
        for (Program& p : programs) {
            if (!writeIni())
                return 1;
            const Sample s = runOnce(p.exe, p.arg, p.dir, platform);
            if (!s.ok) {
                std::fprintf(stderr, "%s, run %d failed: %s\n", p.name, i + 1, s.error.c_str());
                return 1;
            }
            if (i < 0)
                continue;
            p.ms.push_back(s.ms);
            p.kb.push_back(s.rssKb);
        }
    }
    std::printf("start-up to window shown, median of %d runs each (QT_QPA_PLATFORM=%s)\n", runs, platform.c_str());
    for (const Program& p : programs)
        std::printf("  %-19s %7.1f ms  (min %.1f, max %.1f)   VmRSS %7.0f KiB\n", p.name, p.medianMs(),
                    *std::min_element(p.ms.begin(), p.ms.end()), *std::max_element(p.ms.begin(), p.ms.end()),
                    p.medianKb());
    const Program& t = programs[0];
    const Program& b = programs[1];
    const Program& bt = programs[2];
    std::printf("  ratio terminal/bare-window:        time %.2fx, memory %.2fx (target within 1.5x)\n",
                t.medianMs() / b.medianMs(), t.medianKb() / b.medianKb());
    std::printf("  ratio terminal/bare-window --text: time %.2fx, memory %.2fx (for reference)\n",
                t.medianMs() / bt.medianMs(), t.medianKb() / bt.medianKb());
    return 0;
}
