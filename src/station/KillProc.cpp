#include "KillProc.h"

#include "files/LogCategories.h"

#include <QtGlobal>

QString FileNameOfPath(const QString& path)
{
    const qsizetype p = qMax(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(p + 1);
}

#if defined(Q_OS_LINUX)

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

QString lastComponent(const QByteArray& path)
{
    return FileNameOfPath(QFile::decodeName(path));
}

// The script a process runs, when it is an argument of its interpreter: a
// regular file whose "#!" line names the process's program (argv0 or
// executable). Opened without blocking, so a device or pipe of that name
// cannot hold the caller.
bool runsScript(const QByteArray& procDir, const QByteArray& arg, const QString& argv0, const QString& exe)
{
    const QByteArray path = arg.startsWith('/') ? arg : procDir + "/cwd/" + arg;
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    char head[256];
    ssize_t n = 0;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        n = ::read(fd, head, sizeof head);
    ::close(fd);
    QByteArray line(head, n > 0 ? int(n) : 0);
    if (!line.startsWith("#!"))
        return false;
    line.truncate(line.indexOf('\n') < 0 ? line.size() : line.indexOf('\n'));
    const QStringList programs = QStringList{FileNameOfPath(argv0), FileNameOfPath(exe)};
    for (const QByteArray& word : line.mid(2).simplified().split(' ')) {
        const QString runner = QFile::decodeName(word);
        if (!FileNameOfPath(runner).isEmpty() && programs.contains(FileNameOfPath(runner)))
            return true;
        // A link to the interpreter (python3 to python3.11).
        if (!exe.isEmpty() && runner.startsWith(QLatin1Char('/')) && QFileInfo(runner).canonicalFilePath() == exe)
            return true;
    }
    return false;
}

// The name the process was started as, its executable's file name, or the
// file name of the script its interpreter runs.
bool processHasName(const QByteArray& procDir, const QString& name)
{
    QList<QByteArray> argv;
    QFile cmdline(QString::fromLatin1(procDir + "/cmdline"));
    if (cmdline.open(QIODevice::ReadOnly))
        argv = cmdline.read(65536).split('\0');
    const QString argv0 = argv.isEmpty() ? QString() : QFile::decodeName(argv.first());
    if (!argv0.isEmpty() && FileNameOfPath(argv0).compare(name, Qt::CaseInsensitive) == 0)
        return true;

    char target[4096];
    const QByteArray exeLink = procDir + "/exe";
    const ssize_t n = ::readlink(exeLink.constData(), target, sizeof target - 1);
    QString exe;
    if (n > 0) {
        QByteArray path(target, n);
        // An executable replaced or removed while running.
        if (path.endsWith(" (deleted)"))
            path.chop(10);
        exe = QFile::decodeName(path);
        if (FileNameOfPath(exe).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }

    for (qsizetype i = 1; i < argv.size(); ++i)
        if (lastComponent(argv.at(i)).compare(name, Qt::CaseInsensitive) == 0
            && runsScript(procDir, argv.at(i), argv0, exe))
            return true;
    return false;
}

} // namespace

bool ProcessHasName(qint64 pid, const QString& name)
{
    if (pid <= 0 || name.isEmpty())
        return false;
    const QByteArray procDir = "/proc/" + QByteArray::number(pid);
    struct stat st;
    if (::stat(procDir.constData(), &st) != 0 || st.st_uid != ::getuid())
        return false;
    return processHasName(procDir, name);
}

#elif defined(Q_OS_WIN)

#include <tlhelp32.h>
#include <windows.h>

void KillProcessByName(const QString& name)
{
    if (name.isEmpty())
        return;
    const DWORD self = ::GetCurrentProcessId();
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == self)
            continue;
        const QString exe = QString::fromWCharArray(entry.szExeFile);
        if (FileNameOfPath(exe).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
        qCInfo(lcProcess) << "ending" << exe << "pid" << quint64(entry.th32ProcessID)
                          << (process ? "" : "(cannot open it)");
        if (process) {
            ::TerminateProcess(process, 0);
            ::CloseHandle(process);
        }
    }
    ::CloseHandle(snapshot);
}

bool ProcessHasName(qint64 pid, const QString& name)
{
    if (pid <= 0 || name.isEmpty())
        return false;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    bool found = false;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more && !found; more = ::Process32NextW(snapshot, &entry))
        found = qint64(entry.th32ProcessID) == pid
            && FileNameOfPath(QString::fromWCharArray(entry.szExeFile)).compare(name, Qt::CaseInsensitive) == 0;
    ::CloseHandle(snapshot);
    return found;
}

#else

// No process table we can read portably here.
bool ProcessHasName(qint64, const QString&)
{
    return false;
}

#endif
