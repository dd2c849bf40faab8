#include "support/BenchSupport.h"

#include "widgets/MessageBox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>

namespace bench {

double secondsSince(Clock::time_point t)
{
    return std::chrono::duration<double>(Clock::now() - t).count();
}

int argValue(const QStringList& args, const QString& name, int def)
{
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1].toInt() : def;
}

void defaultToOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString readTextFile(const QString& path)
{
    return QString::fromUtf8(readFile(path));
}

qint64 statusKb(const char* field, pid_t pid)
{
    QFile f(pid > 0 ? QStringLiteral("/proc/%1/status").arg(pid) : QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

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

QByteArray linkIni(quint16 port)
{
    return QStringLiteral("[Setup]\r\nAutoLaunch=0\r\nHF Host=127.0.0.1\r\nHF TCP Port=%1\r\n").arg(port).toLatin1();
}

QByteArray soakIni(quint16 port, const QString& extraSetup)
{
    return "[PTT]\r\nVia=3\r\n" + linkIni(port) + "My Callsign=N0CALL-1\r\n" + extraSetup.toLatin1()
        + "KELDO Mode=KELDOHF\r\n";
}

bool writeTerminalIni(const QString& dir, const QByteArray& text)
{
    QFile f(QDir(dir).filePath(QStringLiteral("KELDO Terminal.ini")));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

QString copyTerminal(const QString& dir)
{
    const QString exe = QDir(dir).filePath(QStringLiteral("keldo-terminal"));
    return QFile::copy(QStringLiteral(KELDO_TERMINAL_EXE), exe) ? exe : QString();
}

ChildProcess spawn(const std::string& program, const std::vector<std::string>& args, const std::string& workDir,
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
    if (outFile.empty())
        ::close(fds[1]);
    if (pid < 0) {
        if (outFile.empty())
            ::close(fds[0]);
        return {};
    }
    ChildProcess c;
    c.pid = pid;
    if (outFile.empty())
        c.out = fds[0];
    return c;
}

bool waitForLine(const ChildProcess& c, const char* marker, double timeoutS, bool within)
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
            const std::string_view line(buf.data(), nl);
            if (within ? line.find(marker) != std::string_view::npos : line == marker)
                return true;
            buf.erase(0, nl + 1);
        }
    }
    return false;
}

StartupSample measureStartup(const std::string& exe, const std::vector<std::string>& args,
                             const std::vector<std::string>& env, const char* marker, const std::string& workDir,
                             bool within)
{
    StartupSample s;
    const std::string errFile = workDir + "/last-run.err";
    const auto t0 = Clock::now();
    ChildProcess c = spawn(exe, args, workDir, env, {}, errFile);
    if (c.pid <= 0) {
        s.error = "pipe or fork failed";
        return s;
    }
    const bool shown = waitForLine(c, marker, 30, within);
    if (shown) {
        s.ms = secondsSince(t0) * 1000.0;
        s.rssKb = double(statusKb("VmRSS", c.pid));
        s.ok = s.rssKb > 0;
    }
    terminate(c);
    if (!shown)
        s.error =
            std::string("no \"") + marker + "\" line: " + readTextFile(QString::fromStdString(errFile)).toStdString();
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

bool terminate(ChildProcess& c, double* lifeCpu)
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
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
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
    c = ChildProcess{};
    return ended;
}

bool runUntil(const std::function<bool()>& cond, int ms)
{
    if (cond())
        return true;
    QEventLoop loop;
    QElapsedTimer t;
    t.start();
    QTimer check;
    check.setInterval(1);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (cond() || t.elapsed() >= ms)
            loop.quit();
    });
    check.start();
    loop.exec();
    return cond();
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Failures::operator()(const QString& what)
{
    if (list.size() < 50)
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
    list << what;
}

void Failures::catchMessageBoxes()
{
    shell = std::make_unique<QuietShell>(
        [this](const MessageBox::Shown& box) { (*this)(QStringLiteral("message box: ") + box.text); });
}

int Failures::result() const
{
    std::printf("  result: %s (%lld failures)\n", list.isEmpty() ? "PASS" : "FAIL", qint64(list.size()));
    return list.isEmpty() ? 0 : 1;
}

} // namespace bench
