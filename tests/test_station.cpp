#include "Lifecycle.h"
#include "Station.h"
#include "support/FakeModem.h"
#include "support/FakeRigctld.h"

#include <QTemporaryDir>
#include <QtTest>

// A front end with nothing to show, as a console is.
struct NoWindow : LifecycleFrontEnd
{
    void showStoredOptions() override { }
    void setProgramFolderFrom(const QString&) override { }
    void placeWindow(int, int) override { }
    void restoreStoredWindow() override { }
    void recordPositionForSave() override { }
    void closeOtherWindows() override { }
    void setWaitingToClose() override { }
    void closeWindow() override { closed = true; }
    bool closed = false;
};

// The station without widgets or a display: a front end's commands reach
// the modem, and what needs a person goes to whoever answers.
class TestStation : public QObject
{
    Q_OBJECT

private slots:
    void commandsOfAFrontEnd()
    {
        QTemporaryDir dir;
        FakeModem modem;
        QVERIFY(modem.listen());
        QFile ini(QDir(dir.path()).filePath("KELDO Terminal.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Setup]\r\nAutoLaunch=0\r\nMy Callsign=EA4XYZ-1\r\nKELDO Mode=KELDOFM\r\nFM Host="
                  + modem.host().toLatin1() + "\r\nFM TCP Port=" + QByteArray::number(modem.commandPort()) + "\r\n");
        ini.close();
        Station station(dir.path());
        NoWindow window;
        Lifecycle lifecycle(station, window);
        QVERIFY(lifecycle.startUp(dir.filePath("keldo-terminal")));
        QTRY_VERIFY(station.link.bothConnected() && modem.linked());
        QTRY_VERIFY(modem.commands().contains("MYCALL EA4XYZ-1"));

        // Refused before anything is sent or stored: not a call sign.
        QVERIFY(!station.connectTo("EA1 ABC"));
        QVERIFY(station.connectTo("ea1abc", "eb3dig"));
        QTRY_COMPARE(modem.commands().last(), QString("CONNECT EA4XYZ-1 EA1ABC VIA EB3DIG"));
        QCOMPARE(station.s().connectWithFm, QString("EA1ABC"));
        modem.sendLine("CONNECTED EA4XYZ-1 EA1ABC 1200");
        QTRY_VERIFY(station.conn.ConnectionActive);
        QVERIFY(station.sendText("hello"));
        QTRY_COMPARE(modem.dataReceived(), QByteArray("hello\r"));
        station.stop();
        QTRY_COMPARE(modem.commands().last(), QString("ABORT"));

        // Nobody answers: the operator is told on standard error, no request goes out.
        QSignalSpy asked(&station, &Station::attentionRequested);
        station.tell({Attention::Kind::SaveFailed, "disk full", {}});
        QCOMPARE(asked.count(), 0);
        station.attachAnswerer();
        station.tell({Attention::Kind::SaveFailed, "disk full", {}});
        QCOMPARE(asked.count(), 1);
        station.detachAnswerer();

        lifecycle.shutDown();
        QVERIFY(lifecycle.isShutDown());
        QVERIFY(!station.link.bothConnected());
    }

    void macrosWaitForTheRigInTurn()
    {
        // Whichever front end runs a macro naming the frequency, the rig is
        // asked afresh; a macro run meanwhile comes after it, and one whose
        // front end has gone is dropped.
        QTemporaryDir dir;
        FakeRigctld rig;
        QVERIFY(rig.listen());
        rig.reply = "3573000\n";
        rig.hold = true;
        Station station(dir.path());
        station.s().rigControlHost = "127.0.0.1";
        station.s().rigControlPort = rig.port();
        station.s().macros[0].text = "<FREQ> <BAND> ";
        station.s().macros[1].text = "K<SEND>";
        station.logbook.applySettings();
        station.rig.setMinInterval(0);
        station.setMacroRigWait(60000);
        QObject frontEnd;
        auto gone = std::make_unique<QObject>();
        QStringList done;
        const auto keep = [&done](const ExpandedMacro& m) { done << m.text + (m.send ? "|send" : ""); };
        QVERIFY(!station.runMacro(2, &frontEnd, keep)); // no such macro
        QVERIFY(station.runMacro(0, &frontEnd, keep));
        QVERIFY(station.runMacro(1, gone.get(), keep));
        QVERIFY(station.runMacro(1, &frontEnd, keep));
        gone.reset();
        QTRY_VERIFY(!rig.received.isEmpty());
        QVERIFY(done.isEmpty());
        rig.answer("3573000\n");
        QTRY_COMPARE(done, QStringList({"3.573 80m ", "K|send"}));
    }
};

QTEST_GUILESS_MAIN(TestStation)
#include "test_station.moc"
