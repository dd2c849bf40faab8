#include "app/Session.h"
#include "support/FakeModem.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

// The link against a scripted modem on loopback.
class TestModemLink : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    std::unique_ptr<Session> makeSession(FakeModem& modem, Mode mode = Mode::HF)
    {
        auto s = std::make_unique<Session>(m_dir.path());
        s->s().keldoMode = mode;
        s->s().hfHost = s->s().fmHost = s->s().satHost = modem.host();
        s->s().hfTcpPort = s->s().fmTcpPort = s->s().satTcpPort = modem.commandPort();
        s->link.setRetryThrottle(50);
        s->link.setSupervisionInterval(300);
        return s;
    }

    static void start(Session& s)
    {
        s.link.CheckSockets();
        s.link.armSupervision();
    }

    static bool linkUp(Session& s, FakeModem& m)
    {
        return s.link.bothConnected() && m.linked() && m.commands().size() >= 3;
    }

private slots:
    void linkUpSendsStandingCommands()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        auto s = makeSession(modem);
        s->s().myCallsign = "N0CALL-1";
        start(*s);
        QTRY_VERIFY(linkUp(*s, modem));
        QTRY_COMPARE(modem.commands(), QStringList({"MYCALL N0CALL-1", "LISTEN ON", "COMPRESSION FILES", "BW2300"}));
        QCOMPARE(s->display.panel(Panel::Tcp).picture, Picture::LedVerde);
        QCOMPARE(s->display.panel(Panel::Tcp).toolTip, QString());
        QCOMPARE(s->display.panel(Panel::Tcp).text, QString("TCP"));
        QCOMPARE(s->display.panel(Panel::Indicativos).text, QString("Disconnected"));
        QVERIFY(s->display.connectEnabled());
        QVERIFY(!s->display.stopEnabled());
        QVERIFY(!s->display.sendVisible());
        QCOMPARE(modem.commandAccepts(), 1);
        QCOMPARE(modem.dataAccepts(), 1);
        QCOMPARE(s->link.dataRemotePort(), quint16(modem.commandPort() + 1));
    }

    void bandwidthOnlyInHfAndKnown_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("bw");
        QTest::addColumn<QString>("expected");
        QTest::newRow("hf 500") << Mode::HF << "500" << "BW500";
        QTest::newRow("hf 2750") << Mode::HF << "2750" << "BW2750";
        QTest::newRow("hf unknown") << Mode::HF << "1800" << "";
        QTest::newRow("sat") << Mode::SAT << "2300" << "";
        QTest::newRow("fm") << Mode::FM << "2300" << "";
    }
    void bandwidthOnlyInHfAndKnown()
    {
        QFETCH(Mode, mode);
        QFETCH(QString, bw);
        QFETCH(QString, expected);
        FakeModem modem;
        QVERIFY(modem.listen());
        auto s = makeSession(modem, mode);
        s->s().keldoHfBw = bw;
        start(*s);
        QTRY_VERIFY(linkUp(*s, modem));
        QTRY_VERIFY(modem.commands().contains("COMPRESSION FILES"));
        // Everything the link-up writes has arrived once a marker sent after it has.
        s->link.SendListenOn();
        QTRY_COMPARE(modem.commands().size(), expected.isEmpty() ? 4 : 5);
        QCOMPARE(modem.commands().at(3), expected.isEmpty() ? QString("LISTEN ON") : expected);
    }

    void noModemStaysRedQuietlyAndThrottled()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        const quint16 port = modem.commandPort();
        modem.stopListening(); // nothing listens there now
        auto s = std::make_unique<Session>(m_dir.path());
        s->s().hfHost = "127.0.0.1";
        s->s().hfTcpPort = port;
        const int throttle = 40;
        s->link.setRetryThrottle(throttle);
        s->link.setSupervisionInterval(100000); // only errors drive the retries here
        QElapsedTimer clock;
        clock.start();
        start(*s);
        QTRY_VERIFY_WITH_TIMEOUT(s->link.connectAttempts() >= 12, 20000);
        // Two sockets, at most one attempt per socket per throttle period.
        const int attempts = s->link.connectAttempts();
        QVERIFY2(clock.elapsed() >= qint64(attempts / 2 - 1) * throttle,
                 qPrintable(QString("%1 attempts in %2 ms").arg(attempts).arg(clock.elapsed())));
        QCOMPARE(s->display.panel(Panel::Tcp).picture, Picture::LedRojo);
        QCOMPARE(s->display.panel(Panel::Tcp).toolTip, QString("TCP link disconnected"));
        QCOMPARE(s->display.panel(Panel::Indicativos).text, QString("Disconnected"));
        QCOMPARE(s->display.panel(Panel::Indicativos).toolTip, QString("Modem Disconnected"));
        // Once the modem appears, the link comes up by itself.
        FakeModem later;
        QVERIFY(later.listen(port));
        QTRY_VERIFY(s->link.bothConnected());
        QTRY_COMPARE(s->display.panel(Panel::Tcp).picture, Picture::LedVerde);
    }

    void onlyDataPortRefusing()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        modem.setRefuseData(true);
        auto s = makeSession(modem);
        start(*s);
        QTRY_VERIFY(s->link.commandConnected());
        QTRY_VERIFY(s->link.connectAttempts() >= 6);
        QVERIFY(!s->link.dataConnected());
        QCOMPARE(modem.commandAccepts(), 1);     // the connected socket is left alone
        QVERIFY(modem.commands().isEmpty());     // no link-up without both
        modem.setRefuseData(false);
        QTRY_VERIFY(linkUp(*s, modem));
        QCOMPARE(modem.commandAccepts(), 1);
    }

    void commandDroppedDuringConnection()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        auto s = makeSession(modem);
        start(*s);
        QTRY_VERIFY(linkUp(*s, modem));
        modem.sendLine("CONNECTED N0CALL-1 EA1ABC 2300");
        QTRY_COMPARE(s->conn.ConnectionActive, quint8(1));
        QVERIFY(s->display.sendVisible());
        modem.clearCommands();

        modem.dropCommand();
        QTRY_COMPARE(s->conn.ConnectionActive, quint8(0));
        QCOMPARE(s->display.panel(Panel::Indicativos).text, QString("Disconnected"));
        QVERIFY(!s->display.sendVisible());
        QTRY_VERIFY(linkUp(*s, modem));
        QCOMPARE(modem.commandAccepts(), 2);
        QCOMPARE(modem.dataAccepts(), 1); // the data socket was never touched
        QTRY_VERIFY(modem.commands().contains("MYCALL N0CALL-1"));
    }

    void modeSwitchGoesToOtherPorts()
    {
        FakeModem hf, sat;
        QVERIFY(hf.listen());
        QVERIFY(sat.listen());
        auto s = makeSession(hf);
        s->s().satTcpPort = sat.commandPort();
        start(*s);
        QTRY_VERIFY(linkUp(*s, hf));
        s->s().keldoMode = Mode::SAT;
        s->link.closeSockets();
        QTRY_VERIFY(linkUp(*s, sat));
        QCOMPARE(s->link.commandRemotePort(), sat.commandPort());
        QCOMPARE(s->link.dataRemotePort(), quint16(sat.commandPort() + 1));
        s->link.SendCompressionFiles();
        QTRY_COMPARE(sat.commands().size(), 4);
        QVERIFY(!sat.commands().join(' ').contains("BW")); // no bandwidth outside HF
    }

    void responsesDriveTheConnection()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        auto s = makeSession(modem);
        start(*s);
        QTRY_VERIFY(linkUp(*s, modem));

        // Lower case is accepted; PTT lines reach the keyer's panel.
        modem.sendCommandBytes("ptt on\r");
        QTRY_COMPARE(s->display.panel(Panel::Ptt).text, QString("TX"));
        modem.sendCommandBytes("PTT OFF\r");
        QTRY_COMPARE(s->display.panel(Panel::Ptt).text, QString("RX"));
        // Blanks at the end of a whole-line response do not matter; CR LF
        // endings work; near misses are ignored.
        modem.sendCommandBytes("PTT ON \r\nCONNECTED\r\n");
        QTRY_COMPARE(s->display.panel(Panel::Ptt).text, QString("TX"));
        modem.sendCommandBytes("PTT OFF \t\r\nPTTOFF\rPTT ON X\r");
        QTRY_COMPARE(s->display.panel(Panel::Ptt).picture, Picture::LedVerde);
        QCOMPARE(s->display.panel(Panel::Ptt).text, QString("RX"));
        QCOMPARE(s->conn.ConnectionActive, quint8(0));

        // BUFFER with nothing outstanding is ignored.
        modem.sendCommandBytes("BUFFER 0\rBUFFER 1 2\rPTT OFF\r");
        QTRY_COMPARE(s->display.panel(Panel::Ptt).text, QString("RX"));
        QCOMPARE(s->display.panel(Panel::Bytes).text, QString());

        // Outgoing call, two digipeaters, then Stop.
        s->s().connectWithHf = "EA1ABC";
        s->link.SendConnect();
        QCOMPARE(s->display.panel(Panel::Indicativos).text, QString("Connecting with EA1ABC ..."));
        QVERIFY(!s->display.connectEnabled());
        QVERIFY(s->display.stopEnabled());
        QTRY_COMPARE(modem.commands().last(), QString("CONNECT N0CALL-1 EA1ABC"));
        modem.sendLine("connected n0call-1 ea1abc 1200 digi1 digi2");
        QTRY_COMPARE(s->conn.ConnectionActive, quint8(1));
        QCOMPARE(s->display.panel(Panel::Indicativos).text, QString("N0CALL-1 <-> DIGI1 <-> DIGI2 <-> EA1ABC"));
        QCOMPARE(s->display.panel(Panel::Indicativos).picture, Picture::Connected);
        QCOMPARE(s->display.panel(Panel::Indicativos).toolTip, QString("Modem Connected"));
        QVERIFY(s->rx.text().contains("******* N0CALL-1 <-> DIGI1 <-> DIGI2 <-> EA1ABC *******"));

        s->link.SendAbort();
        QCOMPARE(s->display.panel(Panel::Indicativos).text, QString("Disconnecting..."));
        QVERIFY(!s->display.stopEnabled());
        QTRY_COMPARE(modem.commands().last(), QString("ABORT"));
        // A refresh before DISCONNECTED keeps "Disconnecting...".
        modem.sendLine("CONNECTED N0CALL-1 EA1ABC 2300");
        QTRY_VERIFY(s->rx.text().count("*******") == 4);
        QCOMPARE(s->display.panel(Panel::Indicativos).text, QString("Disconnecting..."));
        QVERIFY(!s->display.connectEnabled());
        QVERIFY(!s->display.stopEnabled());
        modem.sendLine("DISCONNECTED");
        QTRY_COMPARE(s->display.panel(Panel::Indicativos).text, QString("Disconnected"));
        QCOMPARE(s->conn.AbortRequested, quint8(0));
        QCOMPARE(s->conn.OutgoingCall, quint8(0));
        QVERIFY(s->display.connectEnabled());
    }

    void connectedFieldCounts()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        auto s = makeSession(modem);
        start(*s);
        QTRY_VERIFY(linkUp(*s, modem));
        modem.sendLine("CONNECTED A1 B2 2300");
        QTRY_COMPARE(s->conn.ConnectedCall2, QString("B2"));
        QVERIFY(s->conn.ConnectedVia1.isEmpty());
        modem.sendLine("CONNECTED A1 B2 1200 V1");
        QTRY_COMPARE(s->conn.ConnectedVia1, QString("V1"));
        QVERIFY(s->conn.ConnectedVia2.isEmpty());
        modem.sendLine("CONNECTED A1 B2 1200 V1 NARROW");
        QTRY_COMPARE(s->display.panel(Panel::Indicativos).text, QString("A1 <-> V1 <-> B2"));
        QVERIFY(s->conn.ConnectedVia2.isEmpty());
        // Fewer than three fields: calls keep their values, digipeaters clear.
        modem.sendLine("CONNECTED Z9");
        QTRY_COMPARE(s->conn.ConnectedCall1, QString("Z9"));
        QCOMPARE(s->conn.ConnectedCall2, QString("B2"));
        QVERIFY(s->conn.ConnectedVia1.isEmpty());
    }

    void fmConnectForms()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        auto s = makeSession(modem, Mode::FM);
        start(*s);
        QTRY_VERIFY(linkUp(*s, modem));
        s->s().connectWithFm = "EB2XYZ";
        s->s().via1.clear();
        s->s().via2 = "D2";
        s->link.SendConnect();
        QTRY_COMPARE(modem.commands().last(), QString("CONNECT N0CALL-1 EB2XYZ"));
        s->s().via1 = "D1";
        s->s().via2.clear();
        s->link.SendConnect();
        QTRY_COMPARE(modem.commands().last(), QString("CONNECT N0CALL-1 EB2XYZ VIA D1"));
        s->s().via2 = "D2";
        s->link.SendConnect();
        QTRY_COMPARE(modem.commands().last(), QString("CONNECT N0CALL-1 EB2XYZ VIA D1 D2"));
    }

    void shutdownClosesWithoutReconnect()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        auto s = makeSession(modem);
        start(*s);
        QTRY_VERIFY(linkUp(*s, modem));
        s->link.stopSupervision();
        s->link.closeSockets();
        QTRY_VERIFY(!modem.commandConnected() && !modem.dataConnected());
        // Nothing is left that could start a new attempt.
        QVERIFY(!s->link.tmrComprobarSocket().isActive());
        QVERIFY(!s->link.retryPending());
        QCoreApplication::processEvents();
        QCOMPARE(modem.commandAccepts(), 1);
        QCOMPARE(modem.dataAccepts(), 1);
        QVERIFY(!s->link.commandConnected());
    }
};

QTEST_MAIN(TestModemLink)
#include "test_modem_link.moc"
