#include "KillProc.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// On Windows the modem program is ended by name: every process of that
// executable name, and nothing else.
class TestKillProc : public QObject
{
    Q_OBJECT

private slots:
    void endsEveryCopyOfThatNameOnly()
    {
        QTemporaryDir dir;
        const QString name = QStringLiteral("KELDO-%1.exe").arg(QCoreApplication::applicationPid());
        const QString path = dir.filePath(name), longer = dir.filePath("MY" + name);
        QVERIFY(QFile::copy(KELDO_IDLE_EXE, path) && QFile::copy(KELDO_IDLE_EXE, longer));
        QProcess a, b, other;
        a.start(path, {});
        b.start(path, {});
        other.start(longer, {});
        QVERIFY(a.waitForStarted() && b.waitForStarted() && other.waitForStarted());

        KillProcessByName(QString());
        KillProcessByName(name.toLower());
        QVERIFY(a.waitForFinished(10000) && b.waitForFinished(10000));
        QCOMPARE(other.state(), QProcess::Running);
        // Were the test's own process matched, it would not return.
        KillProcessByName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        other.kill();
        other.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestKillProc)
#include "test_killproc.moc"
