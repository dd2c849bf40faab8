#include "support/FakeModem.h"
#include "support/RadioEnds.h"
#include "support/RequireTool.h"
#include "support/TerminalProcess.h"

#include <QTemporaryDir>
#include <QtTest>

// The program run as a console, as over SSH or as a service: no display,
// standard input and output as pipes, the same station as the window's.
class TestConsole : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TOOL("rigctld");
        QVERIFY(m_rig.start());
    }

    void wholeStationOnPipes()
    {
        QTemporaryDir dir;
        FakeModem modem;
        QVERIFY(modem.listen());
        const QString ini = writeSettings(dir, modem, "My Callsign=N0CALL-1\r\n[Options]\r\nLog QSOs=1\r\n");
        const QStringList args{"--console", "--settings", ini};
        TerminalProcess console;
        console.setNoDisplay();
        QVERIFY(console.start(KELDO_TERMINAL_EXE, args, dir.path()));
        QTRY_VERIFY_WITH_TIMEOUT(console.output().contains("/help lists the commands."), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(modem.linked(), 30000);

        console.write("/connect ea4xyz\n");
        QTRY_VERIFY(modem.commands().contains("CONNECT N0CALL-1 EA4XYZ"));
        modem.sendLine("CONNECTED N0CALL-1 EA4XYZ 2300");
        QTRY_VERIFY(console.output().contains("N0CALL-1 <-> EA4XYZ"));
        // Received escapes reach the operator's terminal as pictures only.
        modem.sendData("HI \x1b[2J\a OM\r");
        QTRY_VERIFY2(console.output().contains(QString::fromUtf8("HI ␛[2J␇ OM\n").toUtf8()),
                     console.output().constData());
        QVERIFY(!console.output().contains('\x1b'));
        console.write("hello there\n");
        QTRY_COMPARE(modem.dataReceived(), QByteArray("hello there\r"));
        modem.sendLine("PTT ON");
        QTRY_COMPARE(m_rig.ptt(), QString("1"));
        modem.sendLine("PTT OFF");
        QTRY_COMPARE(m_rig.ptt(), QString("0"));

        // A second copy on the same settings refuses, and says so.
        TerminalProcess second;
        second.setNoDisplay();
        QVERIFY(second.start(KELDO_TERMINAL_EXE, args, dir.path()));
        QVERIFY(second.waitForExit());
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(second.output().contains("! Error: Another copy of KELDO Terminal is running"));

        // Its input gone, the console runs on, and the QSO is logged unasked.
        console.closeInput();
        modem.sendLine("PTT ON");
        QTRY_COMPARE(m_rig.ptt(), QString("1"));
        modem.sendLine("DISCONNECTED");
        const auto logbook = [&] {
            QFile adi(dir.filePath("station logs/KELDO Terminal.adi"));
            return adi.open(QIODevice::ReadOnly) ? adi.readAll() : QByteArray();
        };
        QTRY_VERIFY2(logbook().contains("<CALL:6>EA4XYZ"), console.output().constData());
        // SIGTERM: unkeyed (the modem never said PTT OFF) and saved.
        QVERIFY(console.stop());
        QCOMPARE(m_rig.ptt(), QString("0"));
        QFile saved(ini);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("Connect With HF=EA4XYZ"));
    }

    void quitEndsAsClosingTheWindowDoes()
    {
        QTemporaryDir dir;
        FakeModem modem;
        QVERIFY(modem.listen());
        const QString ini = writeSettings(dir, modem);
        TerminalProcess console;
        console.setNoDisplay();
        console.setVariable("QT_LOGGING_RULES", "keldo.ptt.debug=true");
        QVERIFY(console.start(KELDO_TERMINAL_EXE, {"--console", "--settings", ini}, dir.path()));
        QTRY_VERIFY_WITH_TIMEOUT(modem.linked(), 30000);
        modem.sendLine("PTT ON");
        QTRY_COMPARE(m_rig.ptt(), QString("1"));
        // The keying events, live on standard error.
        QTRY_VERIFY(console.errorOutput().contains(" key reason=modem-asked driver=rigctld"));
        console.write("/bogus\n/quit\n");
        QVERIFY(console.waitForExit());
        QCOMPARE(console.exitCode(), 0);
        QCOMPARE(m_rig.ptt(), QString("0"));
        QVERIFY(console.output().contains("! Unknown command /bogus"));
        QFile saved(ini);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("HF TCP Port="));
        // A wrong command line is exit 2.
        TerminalProcess wrong;
        QVERIFY(wrong.start(KELDO_TERMINAL_EXE, {"--console", "--nonsense"}, dir.path()));
        QVERIFY(wrong.waitForExit());
        QCOMPARE(wrong.exitCode(), 2);
    }

private:
    // A station on the scripted modem, keying through the test's rigctld.
    QString writeSettings(const QTemporaryDir& dir, const FakeModem& modem, const QString& more = QString())
    {
        const QString ini = dir.filePath("station.ini");
        QFile f(ini);
        if (f.open(QIODevice::WriteOnly))
            f.write(
                QStringLiteral("[PTT]\r\nVia=5\r\nRigctld Host=127.0.0.1\r\nRigctld Port=%1\r\n"
                               "[Setup]\r\nHF Host=%2\r\nHF TCP Port=%3\r\nKELDO Mode=KELDOHF\r\nAutoLaunch=0\r\n%4")
                    .arg(m_rig.port())
                    .arg(modem.host())
                    .arg(modem.commandPort())
                    .arg(more)
                    .toLatin1());
        return ini;
    }

    Rigctld m_rig;
};

QTEST_GUILESS_MAIN(TestConsole)
#include "test_console.moc"
