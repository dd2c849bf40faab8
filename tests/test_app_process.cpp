#include "SingleInstance.h"
#include "support/MessageBoxRecorder.h"
#include "support/SimProcess.h"
#include "support/TerminalFixture.h"
#include "support/TerminalProcess.h"

#include <QDirIterator>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <tuple>

// The real program, copied alone into a folder of its own.
class TestAppProcess : public QObject
{
    Q_OBJECT

    static QString copyInto(const QString& from, const QString& folder, const QString& name)
    {
        const QString to = QDir(folder).filePath(name);
        QFile::remove(to);
        if (!QFile::copy(from, to))
            return QString();
        QFile::setPermissions(to, QFile::permissions(to) | QFile::ExeOwner);
        return to;
    }

    // Processes whose executable is the given file.
    static QList<qint64> processesOf(const QString& exe)
    {
        QList<qint64> pids;
        const QString canonical = QFileInfo(exe).canonicalFilePath();
        for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
            bool ok = false;
            const qint64 pid = entry.toLongLong(&ok);
            if (ok && QFileInfo(QString("/proc/%1/exe").arg(pid)).symLinkTarget() == canonical)
                pids << pid;
        }
        return pids;
    }

private slots:
    // Without a display the command line still answers: a wrong one on
    // standard error with exit code 2, --help and --version with 0.
    void commandLineAnswersWithoutDisplay()
    {
        QTemporaryDir home;
        const std::tuple<const char*, int, const char*> cases[] = {
            {"--settings", 2, "keldo-terminal: Missing value after '--settings'."},
            {"--bogus", 2, "keldo-terminal: Unknown option 'bogus'."},
            {"--debug=link,radio", 2, "keldo-terminal: Unknown debug area 'radio'"},
            {"--help", 0, "--settings <FILE>"},
            {"--version", 0, "KELDO Terminal "},
        };
        for (const auto& [option, exitCode, says] : cases) {
            TerminalProcess terminal;
            terminal.setNoDisplay();
            QVERIFY(terminal.start(KELDO_TERMINAL_EXE, {option}, home.path()));
            QVERIFY(terminal.waitForExit());
            QVERIFY2(terminal.exitCode() == exitCode, option);
            QVERIFY2((exitCode ? terminal.errorOutput() : terminal.output()).contains(says), option);
        }
    }

    void sigtermRunsShutdownAndEndsModem()
    {
        QTemporaryDir dir;
        const QString terminal = copyInto(KELDO_TERMINAL_EXE, dir.path(), "keldo-terminal");
        const QString modem = copyInto(KELDO_IDLE_EXE, dir.path(), "keldo-fake-modem");
        QVERIFY(!terminal.isEmpty() && !modem.isEmpty());
        const QString ini = QDir(dir.path()).filePath("KELDO Terminal.ini");
        {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QString("[Setup]\r\nAutoLaunch=1\r\nKELDO HF Path=%1\r\nHF Host=127.0.0.1\r\nHF TCP Port=1\r\n")
                        .arg(modem)
                        .toUtf8());
        }
        const QByteArray before = [&] {
            QFile f(ini);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();

        // A program of the same name that this terminal neither starts nor links to.
        QTemporaryDir otherDir;
        const QString sameName = copyInto(KELDO_IDLE_EXE, otherDir.path(), "keldo-fake-modem");
        QProcess standIn;
        standIn.start(sameName, QStringList());
        QVERIFY(standIn.waitForStarted());

        QProcess app;
        app.setProgram(terminal);
        app.setWorkingDirectory(QDir::tempPath());
        app.start();
        QVERIFY(app.waitForStarted());
        // Start-up launched the modem program of the mode.
        QTRY_VERIFY_WITH_TIMEOUT(!processesOf(modem).isEmpty(), 15000);
        QTRY_VERIFY(QFile::exists(SingleInstance::LockPathFor(ini)));

        // A second copy started from the same program file is refused.
        {
            TerminalFixture second;
            second.station = std::make_unique<DesktopStation>(dir.path());
            second.window = std::make_unique<frmKeldoTerminal>(*second.station);
            MessageBoxRecorder boxes;
            boxes.expectContaining("Another copy of KELDO Terminal is running from this folder",
                                   MessageBox::Icon::Warning);
            QVERIFY(!second.window->Form_Load(terminal));
            QVERIFY(boxes.verify());
            QFile f(ini);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }

        ::kill(pid_t(app.processId()), SIGTERM);
        QVERIFY(app.waitForFinished(15000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QTRY_VERIFY(processesOf(modem).isEmpty());
        QCOMPARE(standIn.state(), QProcess::Running);
        standIn.kill();
        standIn.waitForFinished();
        QFile f(ini);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray after = f.readAll();
        for (const char* key : {"[PTT]", "Rig=52", "AutoLaunch=1", "0ConnectHF List=", "Window State=0", "[Path]"})
            QVERIFY2(after.contains(key), key);
        // The lock went with the process: a new start is allowed.
        SingleInstance next(ini);
        QVERIFY(next.tryAcquire());
    }

    // A script modem (the practice modem run by a shell script) in a
    // connection: SIGTERM sends ABORT, waits for DISCONNECTED, then ends the
    // script and what it started.
    void sigtermDuringConnectionAbortsThenEndsScriptModem()
    {
        QTemporaryDir dir;
        const QString terminal = copyInto(KELDO_TERMINAL_EXE, dir.path(), "keldo-terminal");
        const QString sim = copyInto(SimProcess::program(), dir.path(), "keldo-practice-modem");
        QVERIFY(!terminal.isEmpty() && !sim.isEmpty());
        const quint16 port = SimProcess::freePortPair();
        QVERIFY(port != 0);
        const QString log = QDir(dir.path()).filePath("modem.log");
        const QString scriptPid = QDir(dir.path()).filePath("script.pid");
        const QString script = QDir(dir.path()).filePath("keldo-hf-modem");
        {
            QFile f(script);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QString("#!/bin/bash\necho $$ > '%1'\n'%2' --port %3 --call-in W1AW --after 1 --abort-delay-ms 100 "
                            "> '%4'\n")
                        .arg(scriptPid, sim)
                        .arg(port)
                        .arg(log)
                        .toUtf8());
        }
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        {
            QFile f(QDir(dir.path()).filePath("KELDO Terminal.ini"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QString("[Setup]\r\nAutoLaunch=1\r\nKELDO HF Path=%1\r\nHF Host=127.0.0.1\r\nHF TCP Port=%2\r\n")
                        .arg(script)
                        .arg(port)
                        .toUtf8());
        }
        auto logText = [&] {
            QFile f(log);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };

        QProcess app;
        app.setProgram(terminal);
        app.setWorkingDirectory(QDir::tempPath());
        app.start();
        QVERIFY(app.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(logText().contains("-> CONNECTED W1AW"), 30000);
        QTRY_VERIFY(QFile::exists(scriptPid) && processesOf(sim).size() == 1);
        QFile pidFile(scriptPid);
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        const qint64 shell = pidFile.readAll().trimmed().toLongLong();
        QVERIFY(QFile::exists(QString("/proc/%1").arg(shell)));

        ::kill(pid_t(app.processId()), SIGTERM);
        QVERIFY(app.waitForFinished(30000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        const QString text = logText();
        QVERIFY2(text.indexOf("<- ABORT") >= 0 && text.indexOf("-> DISCONNECTED") > text.indexOf("<- ABORT"),
                 qPrintable(text));
        QTRY_VERIFY(processesOf(sim).isEmpty());
        QTRY_VERIFY(!QFile::exists(QString("/proc/%1").arg(shell)) || [&] {
            QFile stat(QString("/proc/%1/stat").arg(shell));
            return stat.open(QIODevice::ReadOnly) && stat.readAll().contains(") Z ");
        }());
    }

    // Two stations from one program file, each on its own --settings file,
    // run side by side; a third on one of those files (spelled another way)
    // is refused with the instance message and writes nothing.
    void oneCopyPerSettingsFile()
    {
        QTemporaryDir dir;
        const QString terminal = copyInto(KELDO_TERMINAL_EXE, dir.path(), "keldo-terminal");
        QVERIFY(!terminal.isEmpty());
        QVERIFY(QDir(dir.path()).mkdir("b"));
        const QString a = QDir(dir.path()).filePath("a.ini");
        const QString b = QDir(dir.path()).filePath("b/b.ini");
        for (const QString& ini : {a, b}) {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Setup]\r\nAutoLaunch=0\r\nHF Host=127.0.0.1\r\nHF TCP Port=1\r\n");
        }
        const QByteArray before = [&] {
            QFile f(a);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();

        TerminalProcess first, second, third;
        QVERIFY(first.start(terminal, {"--settings", a}, dir.path()));
        QVERIFY(second.start(terminal, {"--settings", b}, dir.path()));
        QTRY_VERIFY_WITH_TIMEOUT(first.up() && second.up(), 30000);
        QVERIFY(first.messageBoxes().isEmpty() && second.messageBoxes().isEmpty());

        // Relative to the working folder, through a detour.
        QVERIFY(third.start(terminal, {"--settings", "b/../a.ini"}, dir.path()));
        QVERIFY(third.waitForExit());
        QCOMPARE(third.exitCode(), 0);
        QVERIFY(!third.up());
        QCOMPARE(third.messageBoxes(),
                 QStringList("Error: Another copy of KELDO Terminal is running from this folder. Only one copy can be "
                             "run at a time from the same folder"));
        QFile f(a);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        f.close();

        QVERIFY(first.stop());
        QVERIFY(second.stop());
        for (const QString& ini : {a, b}) {
            QFile saved(ini);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QVERIFY2(saved.readAll().contains("[Position]"), qPrintable(ini));
        }
        QVERIFY(!QFile::exists(QDir(dir.path()).filePath("KELDO Terminal.ini")));
    }

    // Ended by a signal, with nobody there to click: a settings file that
    // cannot be written is told on standard error, not in a box that would
    // hold the program (boxes here are real ones that nobody answers).
    void sigtermWithReadOnlySettingsEndsAlone()
    {
        QTemporaryDir dir;
        const QString terminal = copyInto(KELDO_TERMINAL_EXE, dir.path(), "keldo-terminal");
        QVERIFY(!terminal.isEmpty());
        const QString ini = QDir(dir.path()).filePath("station.ini");
        {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Setup]\r\nAutoLaunch=0\r\nHF Host=127.0.0.1\r\nHF TCP Port=1\r\n");
        }
        QVERIFY(QFile::setPermissions(ini, QFile::ReadOwner));
        TerminalProcess station;
        station.setBoxesWait();
        QVERIFY(station.start(terminal, {"--settings", ini}, dir.path()));
        QTRY_VERIFY_WITH_TIMEOUT(station.up(), 30000);
        QVERIFY(station.stop());
        QVERIFY2(station.errorOutput().contains("The settings could not be saved to " + ini.toUtf8()),
                 station.errorOutput().constData());
    }

    // Killed outright mid-conversation, the program leaves in its log every
    // line it had shown, the unfinished one included.
    void killedProgramLeavesItsLog()
    {
        SimProcess sim({"--reply", "none"});
        QVERIFY2(sim.start(), qPrintable(sim.errorString()));
        QTemporaryDir dir;
        const QString terminal = copyInto(KELDO_TERMINAL_EXE, dir.path(), "keldo-terminal");
        QVERIFY(!terminal.isEmpty());
        {
            QFile f(QDir(dir.path()).filePath("KELDO Terminal.ini"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QString("[Setup]\r\nAutoLaunch=0\r\nHF Host=127.0.0.1\r\nHF TCP Port=%1\r\n"
                            "[Options]\r\nLog Conversations=1\r\n")
                        .arg(sim.port())
                        .toUtf8());
        }
        QProcess app;
        app.setProgram(terminal);
        app.start();
        QVERIFY(app.waitForStarted());
        QVERIFY(sim.waitForOutput("<- LISTEN ON", 30000));
        sim.writeControl("callin EB2XYZ");
        const QDir logs(QDir(dir.path()).filePath("KELDO Terminal logs"));
        const auto logText = [&] {
            const QStringList files = logs.entryList({"[0-9]*.log"}, QDir::Files);
            if (files.isEmpty())
                return QByteArray();
            QFile f(logs.filePath(files.first()));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        // The banner is on file once the terminal has the connection.
        QTRY_VERIFY_WITH_TIMEOUT(logText().startsWith("******* EB2XYZ <-> "), 30000);
        for (int i = 1; i <= 20; ++i)
            sim.writeControl(QString("say LINE %1 OF THE REPORT").arg(i));
        sim.writeControl("rawdata UNFINISHED");
        QTRY_VERIFY_WITH_TIMEOUT(logText().endsWith("UNFINISHED"), 30000);
        ::kill(pid_t(app.processId()), SIGKILL);
        QVERIFY(app.waitForFinished(15000));

        const QList<QByteArray> lines = logText().split('\n');
        QCOMPARE(lines.size(), 23);
        QVERIFY(lines[0].startsWith("******* EB2XYZ <-> N0CALL-1 *******  "));
        QVERIFY(lines[1].startsWith("<EB2XYZ  "));
        for (int i = 1; i <= 20; ++i)
            QCOMPARE(lines[i + 1], QString("LINE %1 OF THE REPORT").arg(i).toUtf8());
        QCOMPARE(lines[22], QByteArray("UNFINISHED"));
    }
};

QTEST_MAIN(TestAppProcess)
#include "test_app_process.moc"
