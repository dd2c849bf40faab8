#include "Lifecycle.h"
#include "Station.h"
#include "support/FakeModem.h"

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
};

QTEST_GUILESS_MAIN(TestStation)
#include "test_station.moc"
