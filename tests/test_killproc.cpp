#include "app/KillProc.h"
#include "app/ProcessLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>

namespace {

// A helper process that echoes what it is sent: an echo after the kill
// proves no kill was sent to it (a pending SIGKILL ends it before it can
// answer).
class Helper
{
public:
    // Starts program with the given first argument (the name it is started as).
    Helper(const QString& program, const QString& startedAs, bool asNobody = false)
    {
        m_proc.setProgram(QStringLiteral("/bin/bash"));
        m_proc.setArguments({QStringLiteral("-c"), QStringLiteral("exec -a \"$0\" \"$1\""), startedAs, program});
        if (asNobody) {
            m_proc.setChildProcessModifier([] {
                if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                    ::_exit(127);
            });
        }
        m_proc.start();
    }
    ~Helper()
    {
        if (m_proc.state() != QProcess::NotRunning) {
            m_proc.kill();
            m_proc.waitForFinished(5000);
        }
    }

    bool started() { return m_proc.waitForStarted(5000) && m_proc.state() == QProcess::Running; }
    // The first echo: the program has replaced the shell, /proc shows its names.
    bool ready() { return echoes(); }
    bool echoes()
    {
        m_proc.write("ping\n");
        QByteArray got;
        for (int i = 0; i < 100 && !got.contains('\n'); ++i) {
            if (!m_proc.waitForReadyRead(100) && m_proc.state() != QProcess::Running)
                return false;
            got += m_proc.readAll();
        }
        return got == "ping\n";
    }
    bool killed() { return m_proc.waitForFinished(10000) && m_proc.exitStatus() == QProcess::CrashExit; }

private:
    QProcess m_proc;
};

QString copyProgram(const QTemporaryDir& dir, const QString& source, const QString& name)
{
    const QString path = QDir(dir.path()).filePath(name);
    if (!QFile::copy(source, path))
        return QString();
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

const QString Cat = QStringLiteral("/bin/cat");

} // namespace

class TestKillProc : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fileNameOfPath_data();
    void fileNameOfPath();
    void endsWholeNameOnly();
    void endsEveryCopy();
    void findsNameStartedAs();
    void findsExecutableName();
    void emptyNameEndsNothing();
    void neverEndsItself();
    void sparesOtherUsers();
    void fileExistsAtPath();
    void launchesPathAsOneFileName();

private:
    QString m_tag;
};

void TestKillProc::initTestCase()
{
    // Names of our own, so that no other test's processes are touched.
    m_tag = QString::number(QCoreApplication::applicationPid());
}

void TestKillProc::fileNameOfPath_data()
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

void TestKillProc::fileNameOfPath()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(FileNameOfPath(path), name);
}

void TestKillProc::endsWholeNameOnly()
{
    QTemporaryDir dir;
    const QString target = QStringLiteral("KELDO-%1.exe").arg(m_tag);
    const QString path = copyProgram(dir, Cat, target);
    const QString longer = copyProgram(dir, Cat, QStringLiteral("MYKELDO-%1.EXE").arg(m_tag));
    const QString shorter = copyProgram(dir, Cat, QStringLiteral("KELDO-%1.ex").arg(m_tag));
    QVERIFY(!path.isEmpty() && !longer.isEmpty() && !shorter.isEmpty());

    Helper modem(path, path);
    Helper other(longer, longer);
    Helper prefix(shorter, shorter);
    QVERIFY(modem.started() && other.started() && prefix.started());
    QVERIFY(modem.ready() && other.ready() && prefix.ready());

    KillProcessByName(target.toLower());

    QVERIFY(modem.killed());
    QVERIFY(other.echoes());
    QVERIFY(prefix.echoes());
}

void TestKillProc::endsEveryCopy()
{
    QTemporaryDir dir;
    const QString target = QStringLiteral("keldosat-%1.exe").arg(m_tag);
    const QString path = copyProgram(dir, Cat, target);
    QVERIFY(!path.isEmpty());
    Helper a(path, path);
    Helper b(path, target); // started by bare name
    QVERIFY(a.started() && b.started() && a.ready() && b.ready());

    KillProcessByName(target.toUpper());

    QVERIFY(a.killed());
    QVERIFY(b.killed());
}

void TestKillProc::findsNameStartedAs()
{
    // How a Windows modem run under an emulator shows up: its Windows path
    // as first argument, the emulator as executable.
    const QString target = QStringLiteral("KELDOFM-%1.exe").arg(m_tag);
    Helper windowsPath(Cat, QStringLiteral("C:\\KELDO FM\\") + target);
    Helper unixPath(Cat, QStringLiteral("/opt/keldo/") + target);
    Helper similar(Cat, QStringLiteral("C:\\KELDO FM\\X") + target);
    QVERIFY(windowsPath.started() && unixPath.started() && similar.started());
    QVERIFY(windowsPath.ready() && unixPath.ready() && similar.ready());

    KillProcessByName(target);

    QVERIFY(windowsPath.killed());
    QVERIFY(unixPath.killed());
    QVERIFY(similar.echoes());
}

void TestKillProc::findsExecutableName()
{
    QTemporaryDir dir;
    const QString target = QStringLiteral("modem-%1").arg(m_tag);
    const QString path = copyProgram(dir, Cat, target);
    QVERIFY(!path.isEmpty());
    Helper renamed(path, QStringLiteral("something-else"));
    QVERIFY(renamed.started() && renamed.ready());

    KillProcessByName(target);

    QVERIFY(renamed.killed());
}

void TestKillProc::emptyNameEndsNothing()
{
    QTemporaryDir dir;
    const QString path = copyProgram(dir, Cat, QStringLiteral("KELDO-%1.exe").arg(m_tag));
    Helper modem(path, path);
    QVERIFY(modem.started() && modem.ready());

    KillProcessByName(QString());
    KillProcessByName(FileNameOfPath(QStringLiteral("C:\\KELDO\\")));

    QVERIFY(modem.echoes());
}

void TestKillProc::neverEndsItself()
{
    // Were the terminal's own process matched, this test would not return.
    KillProcessByName(QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUpper());
    KillProcessByName(QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).fileName());
    QVERIFY(true);
}

void TestKillProc::sparesOtherUsers()
{
    if (::geteuid() != 0)
        QSKIP("starting a process of another user needs root");
    const QString target = QStringLiteral("KELDO-%1.exe").arg(m_tag);
    Helper foreign(Cat, target, true);
    QVERIFY(foreign.started() && foreign.ready());

    KillProcessByName(target);

    QVERIFY(foreign.echoes());
}

void TestKillProc::fileExistsAtPath()
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("KELDO.exe");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(FileExistsAtPath(file));
    QVERIFY(FileExistsAtPath(dir.path())); // a folder counts, as on Windows
    QVERIFY(!FileExistsAtPath(file + "/"));
    QVERIFY(!FileExistsAtPath(QDir(dir.path()).filePath("KELDOFM.exe")));
    QVERIFY(!FileExistsAtPath(QString()));
    QVERIFY(!FileExistsAtPath(QStringLiteral("C:\\KELDO\\KELDO.exe")));
}

void TestKillProc::launchesPathAsOneFileName()
{
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath("KELDO HF");
    QVERIFY(QDir().mkpath(folder));
    const QString marker = QDir(dir.path()).filePath("marker");
    // Blanks, quotes and shell syntax are part of the one file name.
    const QString program = QDir(folder).filePath("modem \"x\" $(touch injected) 'y'.sh");
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\npwd > '" + marker.toUtf8() + ".part' && mv '" + marker.toUtf8() + ".part' '"
                 + marker.toUtf8() + "'\n");
    script.close();
    QVERIFY(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));

    const QString oldCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    LaunchModemProgram(program);
    QDir::setCurrent(oldCurrent);

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    QFile result(marker);
    QVERIFY(result.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(result.readAll()).trimmed(), QDir(dir.path()).canonicalPath());
    QVERIFY(!QFile::exists(QDir(dir.path()).filePath("injected")));
    QVERIFY(!QFile::exists(QDir(folder).filePath("injected")));
}

QTEST_GUILESS_MAIN(TestKillProc)
#include "test_killproc.moc"
