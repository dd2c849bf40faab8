// SaveSettings killed (SIGKILL) at random moments. A child process (this
// program with --child) saves the settings file over and over, alternating
// between two complete states that differ in the call sign, the call-sign
// lists, the colour, the font size and the window position; the file also
// carries a large section of lines the program does not know, so a save
// takes a while. The parent kills the child at a random moment inside its
// saves, and after every kill checks:
//  - the file is byte for byte one of the two complete files, and reads back
//    as that state;
//  - no temporary files pile up beside it (the lock file is counted apart):
//    after a final complete save none may be left;
//  - the next child's first save does not hang (over 2 s) on what the
//    killed one left.
//
//   soak_save_kill [--kills N] [--keys N] [--dir PATH] [--seed N]
//
// Defaults: 500 kills, 3000 extra keys (a file of about 600 KB), a fresh
// temporary folder.

#include "settings/IniDocument.h"
#include "settings/Settings.h"
#include "support/BenchSupport.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

extern char** environ;

using namespace bench;

namespace {

// The two states the child alternates between.
void applyState(Settings& s, bool b)
{
    static const char* const aCalls[] = {"EA1AAA",   "EA2AAA-1", "EA3AAA",   "EA4AAA-2", "EA5AAA",
                                         "EA6AAA-3", "EA7AAA",   "EA8AAA-4", "EA9AAA",   "EC1AAA-5"};
    static const char* const bCalls[] = {"EB2BBB-7", "W1AW", "K2BBB", "", "", "", "", "", "", ""};
    s.myCallsign = QLatin1String(b ? "EB2BBB-7" : "EA1AAA-1");
    s.connectWithHf = QLatin1String(b ? "W1AW" : "EA2AAA-1");
    s.colour = QLatin1String(b ? "White" : "Black");
    s.fontSize = b ? 16 : 10;
    s.topPosition = b ? 2000 : 100;
    s.leftPosition = b ? 3000 : 200;
    s.keldoHfBw = QLatin1String(b ? "500" : "2300");
    for (int i = 0; i < 10; ++i) {
        s.connectHfList[size_t(i)] = QLatin1String(b ? bCalls[i] : aCalls[i]);
        s.via1List[size_t(i)] = QLatin1String(b ? bCalls[9 - i] : aCalls[9 - i]);
        s.connectSatList[size_t(i)] = b ? QString() : QLatin1String(aCalls[i]);
    }
}

bool matchesState(const Settings& s, bool b)
{
    Settings want = s;
    applyState(want, b);
    return s.myCallsign == want.myCallsign && s.connectWithHf == want.connectWithHf && s.colour == want.colour
        && s.fontSize == want.fontSize && s.topPosition == want.topPosition && s.leftPosition == want.leftPosition
        && s.keldoHfBw == want.keldoHfBw && s.connectHfList == want.connectHfList && s.via1List == want.via1List
        && s.connectSatList == want.connectSatList;
}

const QString IniName = QLatin1String(SettingsStore::FileName);

// A save that waits this long for what a killed one left freezes the window.
constexpr int SlowSaveMs = 2000;

// The child: saves forever, writing 'b' before and 'e' after every save.
int child(const QString& folder, bool startWithB)
{
    QuietShell shell([](const MessageBox::Shown& box) {
        std::fprintf(stderr, "child: message box: %s\n", qPrintable(box.text));
        ::_exit(3);
    });
    SettingsStore store(folder);
    bool b = startWithB;
    for (;;) {
        applyState(store.s(), b);
        (void)::write(STDOUT_FILENO, "b", 1);
        if (!store.SaveSettings())
            return 3;
        (void)::write(STDOUT_FILENO, "e", 1);
        b = !b;
    }
}

struct Child
{
    pid_t pid = -1;
    int out = -1;
    QByteArray marks;

    bool start(const QByteArray& program, const QByteArray& folder, bool startWithB)
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return false;
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_adddup2(&fa, fds[1], STDOUT_FILENO);
        const QByteArray which = startWithB ? "B" : "A";
        char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>("--child"),
                        const_cast<char*>(folder.constData()), const_cast<char*>(which.constData()), nullptr};
        const int rc = posix_spawn(&pid, program.constData(), &fa, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&fa);
        ::close(fds[1]);
        out = fds[0];
        marks.clear();
        return rc == 0;
    }
    // Reads what is there, waiting up to ms for something new.
    void read(int ms)
    {
        pollfd p{out, POLLIN, 0};
        if (::poll(&p, 1, ms) <= 0)
            return;
        char buf[4096];
        const ssize_t n = ::read(out, buf, sizeof buf);
        if (n > 0)
            marks.append(buf, int(n));
    }
    bool waitForMark(char mark, int ms)
    {
        QElapsedTimer t;
        t.start();
        while (!marks.contains(mark)) {
            const int left = ms - int(t.elapsed());
            if (left <= 0 || !alive())
                return marks.contains(mark);
            read(left);
        }
        return true;
    }
    bool alive() const { return pid > 0 && ::kill(pid, 0) == 0; }
    // Kills and reaps; collects every mark the child wrote.
    int killAndReap()
    {
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        char buf[4096];
        ssize_t n;
        while ((n = ::read(out, buf, sizeof buf)) > 0)
            marks.append(buf, int(n));
        ::close(out);
        pid = -1;
        return status;
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && QByteArray(argv[1]) == "--child") {
        QCoreApplication app(argc, argv);
        return child(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]) == "B");
    }
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int kills = argValue(args, QStringLiteral("--kills"), 500);
    const int keys = argValue(args, QStringLiteral("--keys"), 3000);
    const int seed = argValue(args, QStringLiteral("--seed"), 1);
    const qsizetype dirArg = args.indexOf(QStringLiteral("--dir"));
    std::mt19937 rng{quint32(seed)};

    Failures fail;
    fail.catchMessageBoxes();

    QTemporaryDir tmp(dirArg >= 0 && dirArg + 1 < args.size() ? args[dirArg + 1] + QStringLiteral("/soak-save-XXXXXX")
                                                              : QDir::tempPath() + QStringLiteral("/soak-save-XXXXXX"));
    if (!tmp.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 2;
    }
    const QString folder = tmp.path();
    const QString iniPath = QDir(folder).filePath(IniName);

    // A file with a large section the program does not know about: it is
    // kept on every save, so every save rewrites all of it.
    {
        QByteArray text = "; settings soak\r\n[Notes]\r\n";
        for (int i = 0; i < keys; ++i)
            text += "Note" + QByteArray::number(i) + "=" + QByteArray(180, char('a' + i % 26)) + " "
                + QByteArray::number(i * 7919) + "\r\n";
        text += "[Ports]\r\nCOM1=/dev/ttyUSB0\r\nCOM2=/dev/ttyS1\r\n";
        QFile f(iniPath);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(iniPath));
            return 2;
        }
    }

    // The two complete files, and how long a save takes here.
    QByteArray fileA, fileB;
    double saveMs = 0;
    {
        SettingsStore store(folder);
        store.LoadSettings();
        QElapsedTimer t;
        int saves = 0;
        QByteArray seen[2][2];
        for (int round = 0; round < 3; ++round) {
            for (int b = 0; b < 2; ++b) {
                applyState(store.s(), b == 1);
                t.start();
                if (!store.SaveSettings()) {
                    std::fprintf(stderr, "the first saves failed\n");
                    return 2;
                }
                if (round > 0) {
                    saveMs += double(t.nsecsElapsed()) / 1e6;
                    ++saves;
                    seen[round - 1][b] = readFile(iniPath);
                }
            }
        }
        saveMs /= saves;
        fileA = seen[0][0];
        fileB = seen[0][1];
        if (seen[1][0] != fileA || seen[1][1] != fileB)
            fail(QStringLiteral("saving the same state twice gives different files"));
        for (int b = 0; b < 2; ++b) {
            SettingsStore check(folder);
            check.readFrom(IniDocument(b ? fileB : fileA));
            if (!matchesState(check.s(), b == 1))
                fail(QStringLiteral("state %1 does not read back").arg(b ? 'B' : 'A'));
        }
        QFile::remove(iniPath);
        QFile f(iniPath);
        f.open(QIODevice::WriteOnly);
        f.write(fileA);
    }

    const QByteArray program = QFile::encodeName(QCoreApplication::applicationFilePath());
    const QByteArray folderBytes = QFile::encodeName(folder);
    const int maxDelayUs = std::max(1000, int(saveMs * 2500)); // up to 2.5 saves
    std::uniform_int_distribution<int> delay(0, maxDelayUs);

    int fileFailures = 0;
    int insideSave = 0, completedSaves = 0, oldKept = 0, newInstalled = 0;
    int maxTempFiles = 0, lockLeft = 0, locksSeen = 0, locksUnreadable = 0;
    double maxFirstSaveMs = 0, sumFirstSaveMs = 0;
    int slowFirstSaves = 0;
    QStringList leftoverNames;
    QElapsedTimer clock;
    clock.start();
    bool fileIsB = false;

    for (int k = 0; k < kills; ++k) {
        Child c;
        // The child's first save changes the file, so every kill falls
        // between a known old and a known new state.
        if (!c.start(program, folderBytes, !fileIsB)) {
            fail(QStringLiteral("cannot start the child"));
            break;
        }
        if (!c.waitForMark('b', 20000)) {
            c.killAndReap();
            fail(QStringLiteral("kill %1: the child never started a save").arg(k));
            break;
        }
        QElapsedTimer first;
        first.start();
        if (!c.waitForMark('e', 30000)) {
            const int st = c.killAndReap();
            fail(QStringLiteral("kill %1: the child's first save did not finish in 30 s (status %2)").arg(k).arg(st));
            break;
        }
        const double firstMs = double(first.nsecsElapsed()) / 1e6;
        if (firstMs > SlowSaveMs)
            std::fprintf(stderr, "kill %d: the next save took %.0f ms\n", k, firstMs);
        maxFirstSaveMs = std::max(maxFirstSaveMs, firstMs);
        sumFirstSaveMs += firstMs;
        if (firstMs > SlowSaveMs)
            ++slowFirstSaves;

        std::this_thread::sleep_for(std::chrono::microseconds(delay(rng)));
        const int status = c.killAndReap();
        if (!(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL))
            fail(QStringLiteral("kill %1: the child ended on its own (status %2)").arg(k).arg(status));
        completedSaves += int(c.marks.count('e'));
        if (c.marks.endsWith('b'))
            ++insideSave;
        // The save under way when it died: the one after the last 'e'.
        const bool startB = !fileIsB;
        const int done = int(c.marks.count('e'));
        const bool lastDoneB = (done % 2 == 1) ? startB : !startB; // state of the last finished save
        const bool oldState = lastDoneB;
        const bool newState = !lastDoneB;

        const QByteArray now = readFile(iniPath);
        if (now == (newState ? fileB : fileA)) {
            if (c.marks.endsWith('b'))
                ++newInstalled;
            fileIsB = newState;
        } else if (now == (oldState ? fileB : fileA)) {
            if (c.marks.endsWith('b'))
                ++oldKept;
            fileIsB = oldState;
        } else {
            const QString keep = QDir(folder).filePath(QStringLiteral("broken-%1.ini").arg(k));
            QFile::copy(iniPath, keep);
            ++fileFailures;
            fail(QStringLiteral("kill %1: the file is neither state (%2 bytes, A %3, B %4, prefix of A %5, of B %6)")
                     .arg(k)
                     .arg(now.size())
                     .arg(fileA.size())
                     .arg(fileB.size())
                     .arg(fileA.startsWith(now))
                     .arg(fileB.startsWith(now)));
            break;
        }
        {
            SettingsStore check(folder);
            check.LoadSettings();
            if (!matchesState(check.s(), fileIsB)) {
                ++fileFailures;
                fail(QStringLiteral("kill %1: the file reads back as neither state").arg(k));
            }
        }

        int temps = 0;
        lockLeft = 0;
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (name == IniName || name.startsWith(QLatin1String("broken-")))
                continue;
            if (name == IniName + QLatin1String(".lock")) {
                lockLeft = 1;
                ++locksSeen;
                // A lock file without its owner's process id can only go
                // stale by age: the next save waits for it.
                const QByteArray lock = readFile(QDir(folder).filePath(name));
                if (lock.split('\n').value(0).toLongLong() <= 0) {
                    ++locksUnreadable;
                    std::fprintf(stderr, "kill %d: lock file left with %lld bytes\n", k, qint64(lock.size()));
                }
                continue;
            }
            ++temps;
            if (!leftoverNames.contains(name))
                leftoverNames << name;
        }
        maxTempFiles = std::max(maxTempFiles, temps);
        if ((k + 1) % 100 == 0) {
            std::printf("  %d kills, %d saves done, %d temporary files beside the file\n", k + 1, completedSaves,
                        temps);
            std::fflush(stdout);
        }
    }

    // One more complete save: what a killed save left must not outlive it.
    {
        SettingsStore last(folder);
        last.LoadSettings();
        if (!last.SaveSettings())
            fail(QStringLiteral("the save after the last kill failed"));
    }
    int tempsAtEnd = 0;
    leftoverNames.clear();
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name != IniName && name != IniName + QLatin1String(".lock") && !name.startsWith(QLatin1String("broken-"))) {
            ++tempsAtEnd;
            leftoverNames << name;
        }
    if (tempsAtEnd > 0)
        fail(QStringLiteral("%1 temporary files left beside the settings file after a complete save: %2")
                 .arg(tempsAtEnd)
                 .arg(leftoverNames.join(QLatin1String(", "))));
    if (slowFirstSaves > 0)
        fail(QStringLiteral("%1 saves after a kill took over %2 ms (max %3 ms)")
                 .arg(slowFirstSaves)
                 .arg(SlowSaveMs)
                 .arg(maxFirstSaveMs, 0, 'f', 0));

    std::printf("soak_save_kill\n");
    std::printf("  folder: %s\n", qPrintable(QDir(folder).absolutePath()));
    std::printf("  settings file: %lld bytes (state A), %lld bytes (state B); one save %.1f ms\n", qint64(fileA.size()),
                qint64(fileB.size()), saveMs);
    std::printf("  kills: %d, %d of them inside SaveSettings (%d left the old file, %d the new one)\n", kills,
                insideSave, oldKept, newInstalled);
    std::printf("  saves completed by the children: %d\n", completedSaves);
    std::printf("  file after every kill: %s\n",
                fileFailures == 0 ? "complete, the old or the new state" : "INCOMPLETE (see failures)");
    std::printf("  temporary files beside the file: max %d after a kill, %d after a final complete save\n",
                maxTempFiles, tempsAtEnd);
    std::printf("  stale lock file left by the killed process: after %d of %d kills, %d of them without an owner "
                "(at the end: %s)\n",
                locksSeen, kills, locksUnreadable, lockLeft ? "yes" : "no");
    std::printf("  first save of the next process: max %.1f ms, mean %.1f ms\n", maxFirstSaveMs,
                kills > 0 ? sumFirstSaveMs / kills : 0.0);
    std::printf("  elapsed: %.1f s\n", double(clock.elapsed()) / 1000.0);
    return fail.result();
}
