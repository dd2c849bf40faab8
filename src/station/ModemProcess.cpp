#include "ModemProcess.h"

#include "KillProc.h"
#include "ProcessLauncher.h"
#include "files/LogCategories.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QSet>
#include <QTcpSocket>
#include <QtEndian>

namespace {

bool sameAddress(const QHostAddress& a, const QHostAddress& b)
{
    return a.isEqual(b, QHostAddress::TolerantConversion);
}

bool isAnyAddress(const QHostAddress& a)
{
    return sameAddress(a, QHostAddress::AnyIPv4) || sameAddress(a, QHostAddress::AnyIPv6);
}

bool isLocalAddress(const QHostAddress& a)
{
    if (a.isNull())
        return false;
    if (a.isLoopback() || isAnyAddress(a))
        return true;
    const QList<QHostAddress> mine = QNetworkInterface::allAddresses();
    for (const QHostAddress& m : mine)
        if (sameAddress(m, a))
            return true;
    return false;
}

} // namespace

ModemLinkEnds ModemLinkEnds::of(const QTcpSocket& command, const QString& host, quint16 port)
{
    const bool up = command.state() == QAbstractSocket::ConnectedState;
    return of(up, SocketEnds{command.localAddress(), command.localPort(), command.peerAddress(), command.peerPort()},
              host, port);
}

ModemLinkEnds ModemLinkEnds::of(bool connected, const SocketEnds& command, const QString& host, quint16 port)
{
    ModemLinkEnds ends;
    if (connected) {
        ends.modemAddress = command.peer;
        ends.modemPort = command.peerPort;
        ends.terminalAddress = command.local;
        ends.terminalPort = command.localPort;
        return ends;
    }
    ends.modemPort = port;
    const QString h = host.trimmed();
    if (ends.modemAddress.setAddress(h))
        return ends;
    // No name look-up here: only names that are this machine for certain.
    if (h.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0
        || h.compare(QHostInfo::localHostName(), Qt::CaseInsensitive) == 0)
        ends.modemAddress = QHostAddress(QHostAddress::LocalHost);
    return ends;
}

ModemProcesses::Launch ModemProcesses::launch(const QString& keyText, QString* problem, const QStringList& arguments)
{
    const ModemProgramPlan p = plan(keyText);
    QString reason;
    Launch result = Launch::Failed;
    if (!FileExistsAtPath(p.path))
        result = Launch::NotFound;
    else if (p.wineMissing())
        result = Launch::WineMissing;
    else
        result = start(p, arguments, reason);
    if (result == Launch::NotFound)
        qCWarning(lcProcess) << "modem program" << keyText << "not found at" << p.path;
    else if (result == Launch::WineMissing)
        qCWarning(lcProcess) << "modem program" << p.path << "needs wine, which is not on the PATH";
    else if (result == Launch::Failed)
        qCWarning(lcProcess) << "modem program" << p.path << "cannot be started:" << reason;
    if (problem) {
        switch (result) {
        case Launch::Started:
        case Launch::Opened:
            problem->clear();
            break;
        case Launch::NotFound:
            *problem = ModemProgramNotFoundText(p);
            break;
        case Launch::WineMissing:
            *problem = WineMissingText(p);
            break;
        case Launch::Failed:
            *problem = reason.isEmpty()
                ? QCoreApplication::translate("Station", "%1 cannot be started").arg(keyText)
                : QCoreApplication::translate("Station", "%1 cannot be started: %2").arg(keyText, reason);
            break;
        }
    }
    return result;
}

QString ModemShell::launchProgram(const QString& keyText, const QStringList& arguments)
{
    QString problem;
    m_modem.launch(keyText, &problem, arguments);
    return problem;
}

bool IsPracticeModem(const QString& keyText)
{
    return FileNameOfPath(keyText.trimmed()) == QLatin1String("keldo-modem-sim");
}

QStringList ModemProgramArguments(const QString& keyText, const QString& host, qint64 port)
{
    if (!IsPracticeModem(keyText))
        return {};
    QStringList arguments;
    if (!host.trimmed().isEmpty())
        arguments << QStringLiteral("--host") << host.trimmed();
    arguments << QStringLiteral("--port") << QString::number(port);
    return arguments;
}

void ModemShell::killProcessByName(const QString& fileName)
{
    m_modem.end(fileName, m_linkEnds());
}

void EndModemProgramOf(const Settings& s, Mode mode)
{
    const ModeProfile* profile = ProfileOf(mode);
    ProgramShell::current().killProcessByName(
        FileNameOfPath(s.*(profile ? profile : ProfileOf(Mode::FM))->programPath));
}

#if defined(Q_OS_LINUX)

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef SYS_pidfd_open
#define SYS_pidfd_open 434
#endif
#ifndef SYS_pidfd_send_signal
#define SYS_pidfd_send_signal 424
#endif
#ifndef SYS_close_range
#define SYS_close_range 436
#endif
#ifndef CLOSE_RANGE_CLOEXEC
#define CLOSE_RANGE_CLOEXEC (1U << 2)
#endif

extern char** environ;

namespace {

struct TcpEntry
{
    QHostAddress local;
    quint16 localPort;
    QHostAddress remote;
    quint16 remotePort;
    int state;
    quint64 inode;
};

constexpr int TcpEstablished = 0x01;
constexpr int TcpListen = 0x0A;

// "0100007F:1F90": the address as the kernel's 32-bit words print, the port in hex.
bool parseEndpoint(const QByteArray& text, QHostAddress& address, quint16& port)
{
    const qsizetype colon = text.indexOf(':');
    if (colon != 8 && colon != 32)
        return false;
    bool ok = false;
    port = quint16(text.mid(colon + 1).toUInt(&ok, 16));
    if (!ok)
        return false;
    uchar raw[16];
    for (int word = 0; word < colon / 8; ++word) {
        const quint32 value = text.mid(word * 8, 8).toUInt(&ok, 16);
        if (!ok)
            return false;
        std::memcpy(raw + 4 * word, &value, 4);
    }
    if (colon == 8)
        address = QHostAddress(qFromBigEndian<quint32>(raw));
    else
        address = QHostAddress(raw);
    return true;
}

QList<TcpEntry> readTcpTable(const char* file)
{
    QList<TcpEntry> entries;
    QFile f(QString::fromLatin1(file));
    if (!f.open(QIODevice::ReadOnly))
        return entries;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines.at(i).simplified().split(' ');
        if (fields.size() < 10)
            continue;
        TcpEntry e;
        bool ok = false;
        e.state = fields.at(3).toInt(&ok, 16);
        if (!ok || !parseEndpoint(fields.at(1), e.local, e.localPort)
            || !parseEndpoint(fields.at(2), e.remote, e.remotePort))
            continue;
        e.inode = fields.at(9).toULongLong(&ok);
        if (ok && e.inode != 0)
            entries << e;
    }
    return entries;
}

// Sends SIGKILL to pid if it still is a process named name (a handle first,
// so that the check and the signal reach the same process).
void killIfNamed(qint64 pid, const QString& name)
{
    const int pidfd = int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
    if (pidfd < 0 && errno == ESRCH)
        return;
    if (ProcessHasName(pid, name)) {
        qCInfo(lcProcess) << "killing" << name << "pid" << pid << "serving the link";
        if (pidfd >= 0)
            ::syscall(SYS_pidfd_send_signal, pidfd, SIGKILL, nullptr, 0);
        else
            ::kill(pid_t(pid), SIGKILL);
    }
    if (pidfd >= 0)
        ::close(pidfd);
}

} // namespace

namespace {

QSet<quint64> socketsServing(const ModemLinkEnds& ends, bool connection)
{
    QSet<quint64> inodes;
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        for (const TcpEntry& e : readTcpTable(table)) {
            if (e.localPort != ends.modemPort)
                continue;
            const bool match = connection
                ? e.state == TcpEstablished && e.remotePort == ends.terminalPort
                    && sameAddress(e.remote, ends.terminalAddress) && sameAddress(e.local, ends.modemAddress)
                : e.state == TcpListen && (isAnyAddress(e.local) || sameAddress(e.local, ends.modemAddress));
            if (match)
                inodes.insert(e.inode);
        }
    }
    return inodes;
}

QList<qint64> ownersOf(const QSet<quint64>& inodes)
{
    QList<qint64> pids;
    if (inodes.isEmpty())
        return pids;
    const pid_t self = ::getpid();
    const uid_t uid = ::getuid();
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (!ok || pid <= 0 || pid == self)
            continue;
        const QByteArray procDir = "/proc/" + entry.toLatin1();
        struct stat st;
        if (::stat(procDir.constData(), &st) != 0 || st.st_uid != uid)
            continue;
        const QByteArray fdDir = procDir + "/fd";
        const QStringList fds = QDir(QString::fromLatin1(fdDir)).entryList(QDir::System | QDir::NoDotAndDotDot);
        for (const QString& fd : fds) {
            char target[64];
            const QByteArray link = fdDir + '/' + fd.toLatin1();
            const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
            if (n <= 9 || std::strncmp(target, "socket:[", 8) != 0)
                continue;
            const quint64 inode = QByteArray(target + 8, int(n) - 9).toULongLong(&ok);
            if (ok && inodes.contains(inode)) {
                pids << pid;
                break;
            }
        }
    }
    return pids;
}

} // namespace

QList<qint64> ProcessesServingLink(const ModemLinkEnds& ends)
{
    if (ends.modemPort == 0 || !isLocalAddress(ends.modemAddress))
        return {};
    // A connection not yet accepted belongs to no process: then the listener.
    QList<qint64> pids;
    if (ends.terminalPort != 0)
        pids = ownersOf(socketsServing(ends, true));
    if (pids.isEmpty())
        pids = ownersOf(socketsServing(ends, false));
    return pids;
}

ModemProcesses::ModemProcesses()
    : m_env(QProcessEnvironment::systemEnvironment())
{ }

ModemProcesses::~ModemProcesses() = default;

ModemProcesses::Launch ModemProcesses::start(const ModemProgramPlan& p, const QStringList& arguments, QString& reason)
{
    reapEnded();
    const QFileInfo info(p.path);
    QStringList argv;
    QString folder;
    if (p.throughWine) {
        argv << p.wine << info.absoluteFilePath();
        folder = info.absolutePath();
    } else if (info.isFile() && info.isExecutable()) {
        // Absolute, so that a bare name is never looked up in PATH.
        argv << info.absoluteFilePath();
        folder = QDir::currentPath();
    } else {
        return LaunchModemProgram(p.path) ? Launch::Opened : Launch::Failed;
    }
    argv << arguments;
    qCInfo(lcProcess) << "launching" << argv << "in" << folder;

    // Everything the child needs is made before the fork: after it, only
    // calls that are safe in a copy of a threaded process.
    QList<QByteArray> argBytes, envBytes;
    for (const QString& a : argv)
        argBytes << QFile::encodeName(a);
    for (const QString& e : m_env.toStringList())
        envBytes << QFile::encodeName(e);
    std::vector<char*> args, envs;
    for (QByteArray& a : argBytes)
        args.push_back(a.data());
    args.push_back(nullptr);
    for (QByteArray& e : envBytes)
        envs.push_back(e.data());
    envs.push_back(nullptr);
    const QByteArray cwd = QFile::encodeName(folder);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return Launch::Failed;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        ::close(report[0]);
        ::close(report[1]);
        return Launch::Failed;
    }
    if (pid == 0) {
        // A session and group of its own: ending the group ends what it
        // started too, and the terminal's tty does not reach it.
        ::setsid();
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::signal(SIGPIPE, SIG_DFL);
        const int null = ::open("/dev/null", O_RDONLY);
        if (null >= 0) {
            ::dup2(null, 0);
            if (null != 0)
                ::close(null);
        }
        // None of the terminal's files (its instance lock above all) goes with it.
        if (::syscall(SYS_close_range, 3U, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
            for (int fd = 3; fd < 4096; ++fd)
                ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
        int error = 0;
        if (::chdir(cwd.constData()) != 0)
            error = errno;
        else {
            ::execve(args[0], args.data(), envs.data());
            error = errno;
        }
        [[maybe_unused]] ssize_t n = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    // Returns at exec (or its failure): by then the child leads its group.
    ::close(report[1]);
    int error = 0;
    ssize_t got;
    do
        got = ::read(report[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got > 0) {
        ::waitpid(pid, nullptr, 0);
        reason = QString::fromLocal8Bit(std::strerror(error));
        return Launch::Failed;
    }
    m_children.append({qint64(pid), FileNameOfPath(p.keyText), false});
    qCInfo(lcProcess) << "modem program started, pid" << pid;
    return Launch::Started;
}

bool ModemProcesses::isRunning(qint64 pid) const
{
    siginfo_t info;
    std::memset(&info, 0, sizeof info);
    if (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
        return false; // not ours, or gone
    return info.si_pid == 0;
}

void ModemProcesses::end(const QString& fileName, const ModemLinkEnds& link)
{
    if (fileName.isEmpty())
        return;
    for (Child& c : m_children) {
        if (c.ended || c.fileName.compare(fileName, Qt::CaseInsensitive) != 0)
            continue;
        // Unreaped, the numbers are still ours: no other process can hold them.
        qCInfo(lcProcess) << "killing" << c.fileName << "pid" << c.pid << "and its group";
        ::kill(pid_t(-c.pid), SIGKILL);
        ::kill(pid_t(c.pid), SIGKILL);
        c.ended = true;
    }
    // Then the one serving the link, which may have left the group (a
    // wrapper's setsid) or never been in it (started by hand).
    for (qint64 pid : ProcessesServingLink(link))
        killIfNamed(pid, fileName);
    reapEnded();
}

void ModemProcesses::reapEnded()
{
    for (qsizetype i = m_children.size() - 1; i >= 0; --i) {
        const Child& c = m_children.at(i);
        if (!c.ended)
            continue;
        const pid_t r = ::waitpid(pid_t(c.pid), nullptr, WNOHANG);
        if (r == pid_t(c.pid) || (r < 0 && errno == ECHILD)) {
            qCDebug(lcProcess) << "modem program pid" << c.pid << "has ended";
            m_children.removeAt(i);
        }
    }
}

QList<qint64> ModemProcesses::started() const
{
    QList<qint64> pids;
    for (const Child& c : m_children)
        if (!c.ended)
            pids << c.pid;
    return pids;
}

#else

QList<qint64> ProcessesServingLink(const ModemLinkEnds&)
{
    return {};
}

ModemProcesses::ModemProcesses()
    : m_env(QProcessEnvironment::systemEnvironment())
{ }

ModemProcesses::~ModemProcesses() = default;

// Elsewhere the program is handed to the shell as before and ended by name.
ModemProcesses::Launch ModemProcesses::start(const ModemProgramPlan& p, const QStringList&, QString&)
{
    return LaunchModemProgram(p.path) ? Launch::Opened : Launch::Failed;
}

void ModemProcesses::end(const QString& fileName, const ModemLinkEnds&)
{
#if defined(Q_OS_WIN)
    KillProcessByName(fileName);
#else
    Q_UNUSED(fileName);
#endif
}

QList<qint64> ModemProcesses::started() const
{
    return {};
}

bool ModemProcesses::isRunning(qint64) const
{
    return false;
}

void ModemProcesses::reapEnded() { }

#endif
