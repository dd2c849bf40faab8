#include "KillProc.h"
#include "ModemProcess.h"
#include "ProcessLauncher.h"
#include "WinePath.h"
#include "support/MessageBoxRecorder.h"
#include "support/RequireTool.h"
#include "support/SimProcess.h"
#include "support/TerminalFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

// Running, not merely a zombie waiting for its parent.
bool running(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close > 0 && close + 2 < text.size() && text.at(close + 2) != 'Z';
}

bool writeScript(const QString& path, const QByteArray& body, const QByteArray& shebang = "#!/bin/bash\n")
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(shebang + body);
    f.close();
    return f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool copyExecutable(const QString& from, const QString& to)
{
    QFile::remove(to);
    return QFile::copy(from, to) && QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Script lines that leave the last background job's pid in file, whole.
QByteArray recordPid(const QString& file)
{
    const QByteArray f = QFile::encodeName(file);
    return "echo $! > '" + f + ".part'\nmv '" + f + ".part' '" + f + "'\n";
}

bool connectWhenListening(QTcpSocket& socket, quint16 port)
{
    socket.abort();
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(1000);
}

QString readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// A process started by the test (not by the terminal) under a given name.
struct StandIn
{
    QProcess process;
    explicit StandIn(const QString& program, const QString& startedAs = QString())
    {
        process.setProgram(QStringLiteral("/bin/bash"));
        process.setArguments({QStringLiteral("-c"), QStringLiteral("exec -a \"$0\" \"$1\""),
                              startedAs.isEmpty() ? program : startedAs, program});
        process.start();
    }
    ~StandIn()
    {
        process.kill();
        process.waitForFinished(5000);
    }
    qint64 pid() const { return process.processId(); }
};

} // namespace

// Which modem processes the terminal starts and ends, and Windows programs under Wine.
class TestModemProcess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_tag = QString::number(QCoreApplication::applicationPid()); }

    void fileNameOfPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("FM default") << "C:\\KELDO FM\\KELDOFM.exe"
                                    << "KELDOFM.exe";
        QTest::newRow("bare name") << "KELDO.exe"
                                   << "KELDO.exe";
        QTest::newRow("ends in backslash") << "C:\\KELDO\\"
                                           << "";
        QTest::newRow("unix path") << "/opt/keldo/keldo-hf"
                                   << "keldo-hf";
        QTest::newRow("ends in slash") << "/opt/keldo/"
                                       << "";
        QTest::newRow("mixed, backslash last") << "/home/op/wine/c:\\KELDO\\KELDO.exe"
                                               << "KELDO.exe";
        QTest::newRow("mixed, slash last") << "C:\\KELDO/KELDO.exe"
                                           << "KELDO.exe";
        QTest::newRow("blanks kept") << "C:\\x\\ KELDO .exe"
                                     << " KELDO .exe";
        QTest::newRow("empty") << ""
                               << "";
    }
    void fileNameOfPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(FileNameOfPath(path), name);
    }

    // The name a modem is ended by: the whole file name, case ignored, as
    // started, as executable, never a longer or shorter one, nor another user's.
    void namesAProcessByItsWholeName()
    {
        QTemporaryDir dir;
        const QString name = QStringLiteral("KELDO-%1.exe").arg(m_tag);
        QVERIFY(copyExecutable(KELDO_IDLE_EXE, dir.filePath(name)));
        // A Windows program under an emulator shows its Windows path as first argument.
        StandIn own(dir.filePath(name)), windowsPath(KELDO_IDLE_EXE, "C:\\KELDO FM\\" + name),
            renamed(dir.filePath(name), QStringLiteral("something-else")),
            similar(KELDO_IDLE_EXE, "C:\\KELDO FM\\X" + name);
        for (const StandIn* p : {&own, &windowsPath, &renamed})
            QTRY_VERIFY(ProcessHasName(p->pid(), name.toLower()));
        QTRY_VERIFY(ProcessHasName(similar.pid(), "x" + name));
        QVERIFY(!ProcessHasName(similar.pid(), name));
        QVERIFY(!ProcessHasName(own.pid(), "MY" + name));
        QVERIFY(!ProcessHasName(own.pid(), name.chopped(1)));
        QVERIFY(!ProcessHasName(own.pid(), QString()));
        QVERIFY(!ProcessHasName(own.pid(), FileNameOfPath(QStringLiteral("C:\\KELDO\\"))));
        if (::geteuid() == 0) {
            QProcess foreign;
            foreign.setChildProcessModifier([] {
                if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                    ::_exit(127);
            });
            foreign.start(QStringLiteral("/bin/bash"),
                          {QStringLiteral("-c"), QStringLiteral("exec -a \"$0\" /bin/cat"), name});
            QVERIFY(foreign.waitForStarted());
            QTRY_VERIFY(
                QFileInfo(QStringLiteral("/proc/%1/exe").arg(foreign.processId())).symLinkTarget().endsWith("cat"));
            QVERIFY(!ProcessHasName(foreign.processId(), name));
            foreign.kill();
            foreign.waitForFinished();
        }
    }

    void fileExistsAtPath()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("KELDO.exe");
        QVERIFY(writeScript(file, ""));
        QVERIFY(FileExistsAtPath(file));
        QVERIFY(FileExistsAtPath(dir.path())); // a folder counts, as on Windows
        QVERIFY(!FileExistsAtPath(file + "/"));
        QVERIFY(!FileExistsAtPath(dir.filePath("KELDOFM.exe")));
        QVERIFY(!FileExistsAtPath(QString()));
        QVERIFY(!FileExistsAtPath(QStringLiteral("C:\\KELDO\\KELDO.exe")));
    }

    void launchesPathAsOneFileName()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("KELDO HF");
        QVERIFY(QDir().mkpath(folder));
        const QString marker = dir.filePath("marker");
        // Blanks, quotes and shell syntax are part of the one file name.
        const QString program = QDir(folder).filePath("modem \"x\" $(touch injected) 'y'.sh");
        QVERIFY(writeScript(program,
                            "pwd > '" + marker.toUtf8() + ".part' && mv '" + marker.toUtf8() + ".part' '"
                                + marker.toUtf8() + "'\n",
                            "#!/bin/sh\n"));
        const QString oldCurrent = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const bool launched = LaunchModemProgram(program);
        QDir::setCurrent(oldCurrent);
        QVERIFY(launched);

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
        QCOMPARE(readAll(marker).trimmed(), QDir(dir.path()).canonicalPath());
        QVERIFY(!QFile::exists(dir.filePath("injected")));
        QVERIFY(!QFile::exists(QDir(folder).filePath("injected")));
    }

    // A program the system refuses to run: the operator is told why.
    void failedStartIsTold()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("keldo-broken");
        QVERIFY(writeScript(path, "", "neither a program nor a script\n"));
        ModemProcesses modem;
        QString problem;
        QCOMPARE(modem.launch(path, &problem), ModemProcesses::Launch::Failed);
        QVERIFY(modem.started().isEmpty());
        QVERIFY2(problem.startsWith(path + " cannot be started: "), qPrintable(problem));

        TerminalFixture f;
        f.writeIni("[Setup]\r\nAutoLaunch=1\r\nKELDO HF Path=" + QFile::encodeName(path) + "\r\n");
        f.create();
        MessageBoxRecorder boxes;
        struct RealPrograms : DesktopShell
        {
            using DesktopShell::DesktopShell;
            void showMessage(QWidget*, const MessageBox::Shown& box) override { MessageBoxRecorder::deliver(box); }
        } real(f.station->modem, [&] { return f.station->modemLinkEnds(); });
        Shell::install(&real);
        boxes.expect(problem, MessageBox::Icon::Critical);
        QVERIFY(f.window->Form_Load(f.programPath()));
        QVERIFY(boxes.verify());
    }

    void drivePathResolvedThroughPrefix()
    {
        QTemporaryDir prefix;
        QVERIFY(QDir().mkpath(prefix.filePath("drive_c/Keldo Modem")) && QDir().mkpath(prefix.filePath("dosdevices")));
        QVERIFY(QFile::link("../drive_c", prefix.filePath("dosdevices/c:")));
        QVERIFY(writeScript(prefix.filePath("drive_c/Keldo Modem/KELDO.EXE"), ""));
        const QString base = prefix.filePath("dosdevices/c:");

        // Letter case of every component as Windows ignores it; the file found is used.
        QCOMPARE(WinePath::Resolve("C:\\KELDO MODEM\\keldo.exe", prefix.path()), base + "/Keldo Modem/KELDO.EXE");
        QCOMPARE(WinePath::Resolve("c:/keldo modem//Keldo.Exe", prefix.path()), base + "/Keldo Modem/KELDO.EXE");
        // Nothing there: the rest is kept as written, so the message can name it.
        QCOMPARE(WinePath::Resolve("C:\\keldo modem\\FM\\KELDOFM.exe", prefix.path()),
                 base + "/Keldo Modem/FM/KELDOFM.exe");
        QCOMPARE(WinePath::Resolve("/opt/keldo/KELDO.exe", prefix.path()), QString("/opt/keldo/KELDO.exe"));
        // ".." stops at the drive's root, as on Windows: the text never leaves the drive.
        QCOMPARE(WinePath::Resolve("C:\\..\\..\\etc\\passwd", prefix.path()), base + "/etc/passwd");
        QCOMPARE(WinePath::Resolve("C:/x/./../..\\Keldo Modem\\.\\keldo.exe", prefix.path()),
                 base + "/Keldo Modem/KELDO.EXE");

        QProcessEnvironment env;
        env.insert("HOME", "/home/op");
        QCOMPARE(WinePath::Prefix(env), QString("/home/op/.wine"));
        env.insert("WINEPREFIX", prefix.path());
        QCOMPARE(WinePath::Prefix(env), prefix.path());

        env.insert("PATH", "/nonexistent");
        const ModemProgramPlan plan = PlanModemProgram("C:\\Keldo Modem\\KELDO.exe", env);
        QCOMPARE(plan.keyText, QString("C:\\Keldo Modem\\KELDO.exe"));
        QCOMPARE(plan.path, base + "/Keldo Modem/KELDO.EXE");
        QVERIFY(plan.throughWine && plan.wineMissing());
        QVERIFY(WineMissingText(plan).startsWith("C:\\Keldo Modem\\KELDO.exe "));
        QVERIFY(WineMissingText(plan).contains("\"wine\" was not found"));
        QCOMPARE(ModemProgramNotFoundText(PlanModemProgram("C:\\KELDO\\X.exe", env)),
                 QString("C:\\KELDO\\X.exe file not found\nLinux path tried: %1/KELDO/X.exe").arg(base));
        // A Linux program is neither resolved nor run under Wine.
        const ModemProgramPlan native = PlanModemProgram("/opt/keldo/keldo-hf", env);
        QVERIFY(!native.throughWine && !native.resolved());
        QCOMPARE(ModemProgramNotFoundText(native), QString("/opt/keldo/keldo-hf file not found"));
    }

    void windowsProgramStartsAndEndsUnderWine()
    {
        QTemporaryDir prefix, bin;
        QVERIFY(QDir().mkpath(prefix.filePath("drive_c/KELDO")) && QDir().mkpath(prefix.filePath("dosdevices")));
        QVERIFY(QFile::link("../drive_c", prefix.filePath("dosdevices/c:")));
        const QString exe = prefix.filePath("drive_c/KELDO/Keldo-%1.exe").arg(m_tag);
        QVERIFY(writeScript(exe, ""));
        // wine as the test sees it: records how it was called, then stays,
        // named like the Windows program.
        const QString record = bin.filePath("wine-args");
        QVERIFY(writeScript(bin.filePath("wine"),
                            "{ pwd -P; for a in \"$@\"; do echo \"$a\"; done; echo \"$WINEPREFIX\"; } > '"
                                + QFile::encodeName(record) + ".part'\nmv '" + QFile::encodeName(record) + ".part' '"
                                + QFile::encodeName(record) + "'\nexec -a \"C:\\\\KELDO\\\\$(basename \"$1\")\" '"
                                + QByteArray(KELDO_IDLE_EXE) + "'\n"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", bin.path() + ":/usr/bin:/bin");
        env.insert("WINEPREFIX", prefix.path());

        const QString key = QStringLiteral("C:\\keldo\\KELDO-%1.EXE").arg(m_tag);
        const QString name = FileNameOfPath(key);
        // The same Windows program run by someone else.
        StandIn other(QStringLiteral(KELDO_IDLE_EXE), "C:\\KELDO\\" + FileNameOfPath(exe));
        QVERIFY(other.process.waitForStarted());

        ModemProcesses modem;
        modem.setEnvironment(env);
        QCOMPARE(modem.launch(key), ModemProcesses::Launch::Started);
        QTRY_VERIFY(QFile::exists(record));
        const QStringList lines = readAll(record).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines,
                 QStringList({QFileInfo(exe).canonicalPath(),
                              prefix.filePath("dosdevices/c:/KELDO/" + FileNameOfPath(exe)), prefix.path()}));
        const qint64 pid = modem.started().value(0);
        QTRY_VERIFY(ProcessHasName(pid, name));
        QTRY_VERIFY(ProcessHasName(other.pid(), name));

        modem.end(name, ModemLinkEnds());
        QTRY_VERIFY(!running(pid));
        QVERIFY(running(other.pid()));

        // Without wine the program is not started, and nothing is ended.
        env.insert("PATH", "/nonexistent");
        modem.setEnvironment(env);
        QCOMPARE(modem.launch(key), ModemProcesses::Launch::WineMissing);
        QVERIFY(modem.started().isEmpty());
    }

    void wineMissingIsToldAtStartUp()
    {
        QTemporaryDir prefix;
        QVERIFY(QDir().mkpath(prefix.filePath("drive_c/KELDO")) && QDir().mkpath(prefix.filePath("dosdevices")));
        QVERIFY(QFile::link("../drive_c", prefix.filePath("dosdevices/c:")));
        QVERIFY(writeScript(prefix.filePath("drive_c/KELDO/KELDO.exe"), ""));
        TerminalFixture f;
        f.writeIni("[Setup]\r\nAutoLaunch=1\r\n");
        f.create();
        QProcessEnvironment env;
        env.insert("PATH", "/nonexistent");
        env.insert("WINEPREFIX", prefix.path());
        f.station->modem.setEnvironment(env);
        MessageBoxRecorder boxes;
        boxes.expectContaining("C:\\KELDO\\KELDO.exe cannot be started", MessageBox::Icon::Critical);
        QVERIFY(f.window->Form_Load(f.programPath()));
        QVERIFY(boxes.verify());
        QVERIFY(f.launched.isEmpty());
    }

    void endsOnlyTheProgramItStarted()
    {
        QTemporaryDir dir, elsewhere;
        const QString name = QStringLiteral("keldo-modem-%1").arg(m_tag);
        const QString path = dir.filePath(name);
        QVERIFY(copyExecutable(KELDO_IDLE_EXE, path) && copyExecutable(KELDO_IDLE_EXE, elsewhere.filePath(name)));
        // Started before the terminal, not serving it: same file, and same name elsewhere.
        StandIn sameFile(path), sameName(elsewhere.filePath(name));
        QVERIFY(sameFile.process.waitForStarted() && sameName.process.waitForStarted());

        ModemProcesses modem;
        QCOMPARE(modem.launch(path), ModemProcesses::Launch::Started);
        const qint64 own = modem.started().value(0);
        QTRY_VERIFY(ProcessHasName(own, name) && ProcessHasName(sameFile.pid(), name));

        modem.end(name.toUpper(), ModemLinkEnds());
        QTRY_VERIFY(!running(own));
        QVERIFY(running(sameFile.pid()));
        QVERIFY(running(sameName.pid()));
    }

    void scriptModemEndsWithWhatItStarted()
    {
        QTemporaryDir dir;
        const QString name = QStringLiteral("keldo-script-%1").arg(m_tag);
        const QString childPid = dir.filePath("child.pid");
        // Not replaced by what it runs: the shell stays, the modem is its child.
        QVERIFY(writeScript(dir.filePath(name),
                            "'" + QByteArray(KELDO_IDLE_EXE) + "' &\n" + recordPid(childPid) + "wait\n"));
        ModemProcesses modem;
        QCOMPARE(modem.launch(dir.filePath(name)), ModemProcesses::Launch::Started);
        const qint64 shell = modem.started().value(0);
        QTRY_VERIFY(QFile::exists(childPid));
        const qint64 child = readAll(childPid).trimmed().toLongLong();
        QVERIFY(running(shell) && running(child));

        modem.end(name, ModemLinkEnds());
        QTRY_VERIFY(!running(shell));
        QTRY_VERIFY(!running(child));
    }

    void endsTheModemServingTheLink()
    {
        QTemporaryDir dir;
        const QString name = QStringLiteral("keldo-sim-%1").arg(m_tag);
        QVERIFY(copyExecutable(SimProcess::program(), dir.filePath(name)));
        // Two practice modems of the same name started by hand; the terminal links to one.
        SimProcess served, other;
        served.setProgram(dir.filePath(name));
        other.setProgram(dir.filePath(name));
        QVERIFY2(served.start(), qPrintable(served.errorString()));
        QVERIFY2(other.start(), qPrintable(other.errorString()));
        // Same name and port on another loopback address: not this link's.
        SimProcess bystander({QStringLiteral("--host"), QStringLiteral("127.0.0.2")});
        bystander.setProgram(dir.filePath(name));
        bystander.setPort(served.port());
        QVERIFY2(bystander.start(), qPrintable(bystander.errorString()));
        QTcpSocket link, otherLink;
        link.connectToHost(served.host(), served.port());
        otherLink.connectToHost(other.host(), other.port());
        QVERIFY(link.waitForConnected(10000) && otherLink.waitForConnected(10000));
        const ModemLinkEnds ends = ModemLinkEnds::of(link, served.host(), served.port());
        QCOMPARE(ProcessesServingLink(ends), QList<qint64>{served.process().processId()});

        // The terminal started a program of that name, but it is no longer alive.
        QTemporaryDir other_dir;
        QVERIFY(writeScript(other_dir.filePath(name), "exit 0\n"));
        ModemProcesses modem;
        QCOMPARE(modem.launch(other_dir.filePath(name)), ModemProcesses::Launch::Started);
        const qint64 gone = modem.started().value(0);
        QTRY_VERIFY(!modem.isRunning(gone));
        modem.end(name, ends);

        QVERIFY(served.process().waitForFinished(10000));
        QCOMPARE(served.process().exitStatus(), QProcess::CrashExit);
        QCOMPARE(other.process().state(), QProcess::Running);
        // Closing with the modem gone: an answer proves no kill reached the bystander.
        modem.end(name, ends);
        bystander.writeControl(QStringLiteral("status"));
        QVERIFY(!bystander.waitForOutputMatch(QRegularExpression(QStringLiteral("^# status"))).isEmpty());

        // Unlinked, the listener on the command port is the one.
        otherLink.abort();
        modem.end(name, ModemLinkEnds::of(otherLink, QStringLiteral("localhost"), other.port()));
        QVERIFY(other.process().waitForFinished(10000));
        QCOMPARE(other.process().exitStatus(), QProcess::CrashExit);
    }

    void endsTheModemAStarterScriptDetached()
    {
        QTemporaryDir dir;
        const QString name = QStringLiteral("keldo-started-%1").arg(m_tag);
        const QString modemPath = dir.filePath("real/" + name), modemPid = dir.filePath("modem.pid");
        QVERIFY(QDir().mkpath(dir.filePath("real")) && copyExecutable(SimProcess::program(), modemPath));
        const quint16 port = SimProcess::freePortPair();
        // The starter puts the real modem, same name, in a session of its own and waits.
        QVERIFY(writeScript(dir.filePath(name),
                            "setsid '" + QFile::encodeName(modemPath) + "' --port " + QByteArray::number(port)
                                + " > /dev/null &\n" + recordPid(modemPid) + "wait\n"));
        ModemProcesses modem;
        qint64 real = 0;
        // Nothing left running should the test fail first.
        const auto leftovers = qScopeGuard([&] {
            modem.end(name, ModemLinkEnds());
            if (ProcessHasName(real, name))
                ::kill(pid_t(real), SIGKILL);
        });
        QCOMPARE(modem.launch(dir.filePath(name)), ModemProcesses::Launch::Started);
        const qint64 starter = modem.started().value(0);
        QTRY_VERIFY(QFile::exists(modemPid));
        real = readAll(modemPid).trimmed().toLongLong();
        QTcpSocket link;
        QTRY_VERIFY_WITH_TIMEOUT(connectWhenListening(link, port), 10000);
        QVERIFY(running(starter));

        modem.end(name, ModemLinkEnds::of(link, QStringLiteral("127.0.0.1"), port));
        QTRY_VERIFY(!running(real));
    }

    void endsAScriptModemByItsScriptName()
    {
        REQUIRE_TOOL("/usr/bin/python3");
        QTemporaryDir dir;
        const QString name = QStringLiteral("keldo-py-%1").arg(m_tag);
        QVERIFY(writeScript(dir.filePath(name),
                            "import socket, sys\ns = socket.socket()\ns.bind(('127.0.0.1', 0))\ns.listen(1)\n"
                            "print(s.getsockname()[1], flush=True)\nconnection = s.accept()\nsys.stdin.read()\n",
                            "#!/usr/bin/python3\n"));
        // Started by hand: its program is the interpreter, the script an argument.
        QProcess script;
        script.start(dir.filePath(name));
        QTRY_VERIFY(script.canReadLine());
        const quint16 port = quint16(script.readLine().trimmed().toUInt());
        QTcpSocket link;
        QVERIFY(connectWhenListening(link, port));

        ModemProcesses modem;
        modem.end(name, ModemLinkEnds::of(link, QStringLiteral("127.0.0.1"), port));
        QVERIFY(script.waitForFinished(10000));
        QCOMPARE(script.exitStatus(), QProcess::CrashExit);
    }

private:
    QString m_tag;
};

QTEST_MAIN(TestModemProcess)
#include "test_modem_process.moc"
