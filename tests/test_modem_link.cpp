#include "support/FakeModem.h"
#include "support/StationFixture.h"

#include <QElapsedTimer>
#include <QtTest>

// The link against a scripted modem on loopback. Each test starts with the
// station linked to a fresh modem in KELDOHF mode.
class TestModemLink : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeModem> m_modem;
    WatchedStationFixture m_rig;
    WatchedStation* m_s = nullptr; // m_rig's station

    // Hands the settings as they stand to the link and the terminal, as the controller does.
    void configure() { m_s->configureCore(); }

    bool linkUp(FakeModem& m) const { return m_s->link.bothConnected() && m.linked() && m.commands().size() >= 3; }

    // Everything written so far has reached the modem once a marker sent after it has.
    bool settled(FakeModem& m)
    {
        const qsizetype before = m.commands().size();
        m_s->link.SendListenOn();
        // Commands still on their way (from the keying thread) come before the marker.
        return QTest::qWaitFor(
            [&] { return m.commands().size() > before && m.commands().last() == QLatin1String("LISTEN ON"); }, 10000);
    }

    // What the operator sees of the connection.
    QString callPanel() const { return m_s->display.panel(Panel::Indicativos).text; }
    qsizetype banners() const { return m_s->rx.text().count(QStringLiteral("*******")) / 2; }

    // Sends a CONNECTED line and waits for its banner.
    bool connectedLine(const QString& line)
    {
        const qsizetype before = banners();
        m_modem->sendLine(line);
        return QTest::qWaitFor([&] { return banners() == before + 1; }, 10000);
    }

private slots:
    void init()
    {
        m_modem = std::make_unique<FakeModem>();
        QVERIFY(m_modem->listen());
        m_rig.createStation();
        m_s = m_rig.station.get();
        m_s->s().keldoMode = Mode::HF;
        aimAt(m_s->s(), *m_modem);
        m_s->link.setRetryThrottle(50);
        m_s->link.setSupervisionInterval(300);
        m_s->link.armSupervision();
        QVERIFY(m_rig.linkTo(*m_modem));
        QTRY_VERIFY(linkUp(*m_modem));
    }

    void cleanup()
    {
        m_s = nullptr;
        m_rig.station.reset();
        m_modem.reset();
    }

    void linkUpSendsStandingCommands()
    {
        FakeModem& modem = *m_modem;
        QTRY_COMPARE(modem.commands(), QStringList({"MYCALL N0CALL-1", "LISTEN ON", "COMPRESSION FILES", "BW2300"}));
        QCOMPARE(m_s->display.panel(Panel::Tcp).picture, Picture::LedVerde);
        QCOMPARE(m_s->display.panel(Panel::Tcp).toolTip, QString());
        QCOMPARE(m_s->display.panel(Panel::Tcp).text, QString("TCP"));
        QCOMPARE(callPanel(), QString("Disconnected"));
        QVERIFY(m_s->display.connectEnabled());
        QVERIFY(!m_s->display.stopEnabled());
        QVERIFY(!m_s->display.sendVisible());
        QCOMPARE(modem.commandAccepts(), 1);
        QCOMPARE(modem.dataAccepts(), 1);
        QCOMPARE(m_s->link.dataRemotePort(), quint16(modem.commandPort() + 1));
    }

    void bandwidthOnlyInHfAndKnown_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("bw");
        QTest::addColumn<QString>("expected");
        QTest::newRow("hf 500") << Mode::HF << "500"
                                << "BW500";
        QTest::newRow("hf 2750") << Mode::HF << "2750"
                                 << "BW2750";
        QTest::newRow("hf unknown") << Mode::HF << "1800"
                                    << "";
        QTest::newRow("sat") << Mode::SAT << "2300"
                             << "";
        QTest::newRow("fm") << Mode::FM << "2300"
                            << "";
    }
    void bandwidthOnlyInHfAndKnown()
    {
        QFETCH(Mode, mode);
        QFETCH(QString, bw);
        QFETCH(QString, expected);
        FakeModem& modem = *m_modem;
        // Settings changed, then the link reopened, as the setup dialog does.
        QVERIFY(settled(modem));
        modem.clearCommands();
        m_s->s().keldoMode = mode;
        m_s->s().keldoHfBw = bw;
        configure();
        m_s->link.closeSockets();
        QTRY_VERIFY(linkUp(modem));
        QVERIFY(settled(modem));
        const QStringList standing = {"MYCALL N0CALL-1", "LISTEN ON", "COMPRESSION FILES"};
        QCOMPARE(modem.commands(),
                 standing + (expected.isEmpty() ? QStringList() : QStringList{expected}) + QStringList{"LISTEN ON"});
    }

    void modemGoneStaysRedQuietlyAndThrottled()
    {
        const quint16 port = m_modem->commandPort();
        const int throttle = 40;
        m_s->link.setRetryThrottle(throttle);
        m_s->link.setSupervisionInterval(100000); // only errors drive the retries here
        m_modem.reset(); // the modem program ends: both channels drop, nothing listens
        QTRY_COMPARE(m_s->display.panel(Panel::Tcp).picture, Picture::LedRojo);
        QElapsedTimer clock;
        clock.start();
        const int before = m_s->link.connectAttempts();
        QTRY_VERIFY_WITH_TIMEOUT(m_s->link.connectAttempts() - before >= 12, 20000);
        // Two sockets, at most one attempt per socket per throttle period.
        const int attempts = m_s->link.connectAttempts() - before;
        QVERIFY2(clock.elapsed() >= qint64(attempts / 2 - 1) * throttle,
                 qPrintable(QString("%1 attempts in %2 ms").arg(attempts).arg(clock.elapsed())));
        QCOMPARE(m_s->display.panel(Panel::Tcp).picture, Picture::LedRojo);
        QCOMPARE(m_s->display.panel(Panel::Tcp).toolTip, QString("TCP link disconnected"));
        QCOMPARE(callPanel(), QString("Disconnected"));
        QCOMPARE(m_s->display.panel(Panel::Indicativos).toolTip, QString("Modem Disconnected"));
        // Once the modem is back, the link comes up by itself.
        FakeModem later;
        QVERIFY(later.listen(port));
        QTRY_VERIFY(linkUp(later));
        QTRY_COMPARE(m_s->display.panel(Panel::Tcp).picture, Picture::LedVerde);
    }

    void onlyDataPortRefusing()
    {
        FakeModem& modem = *m_modem;
        QVERIFY(settled(modem));
        modem.setRefuseData(true);
        modem.dropData();
        QTRY_VERIFY(!m_s->link.dataConnected());
        modem.clearCommands();
        const int before = m_s->link.connectAttempts();
        QTRY_VERIFY(m_s->link.connectAttempts() - before >= 6);
        QVERIFY(m_s->link.commandConnected());
        QCOMPARE(m_s->display.panel(Panel::Tcp).picture, Picture::LedRojo);
        QCOMPARE(modem.commandAccepts(), 1); // the connected socket is left alone
        QVERIFY(modem.commands().isEmpty()); // no link-up without both
        modem.setRefuseData(false);
        QTRY_VERIFY(linkUp(modem));
        QCOMPARE(modem.commandAccepts(), 1);
        QCOMPARE(modem.dataAccepts(), 2);
    }

    void floodLeavesRoomForCommands()
    {
        // A large arrival is taken in bounded pieces: a command written after
        // it is acted on before all of it is in, and a lost data link is
        // reported only after the last of what came before.
        const QByteArray flood(1 << 20, 'x');
        QByteArray got;
        qsizetype atPtt = -1, atLost = -1, largest = 0;
        // The watchers go with this function's locals, before the station closes its sockets.
        QObject watch;
        connect(&m_s->link, &ModemLink::dataReceived, &watch, [&](const QByteArray& bytes) {
            got += bytes;
            largest = qMax(largest, bytes.size());
        });
        connect(&m_s->link, &ModemLink::pttRequested, &watch, [&] { atPtt = got.size(); });
        connect(&m_s->link, &ModemLink::dataLinkLost, &watch, [&] { atLost = got.size(); });
        m_modem->sendData(flood);
        m_modem->sendLine("PTT ON");
        QTRY_VERIFY(atPtt >= 0);
        QVERIFY(atPtt < flood.size());
        m_modem->sendData(flood);
        m_modem->dropData();
        QTRY_VERIFY(atLost >= 0);
        QCOMPARE(atLost, 2 * flood.size());
        QVERIFY(got == flood + flood);
        QVERIFY(largest <= ModemLink::DataChunkBytes);
    }

    void overlongCommandLineDropsTheLink()
    {
        FakeModem& modem = *m_modem;
        QSignalSpy tooLong(&m_s->link, &ModemLink::commandLineTooLong);
        modem.sendLine("PTT ON");
        QTRY_COMPARE(m_s->display.panel(Panel::Ptt).text, QString("TX"));
        // A line that never ends: the link is dropped (which unkeys) and made again.
        modem.sendCommandBytes(QByteArray(LineAssembler::MaxLineBytes + 1, 'x'));
        QTRY_COMPARE(tooLong.count(), 1);
        QTRY_COMPARE(m_s->display.panel(Panel::Ptt).text, QString("RX"));
        QTRY_VERIFY(linkUp(modem) && modem.commandAccepts() == 2);
        modem.sendLine("PTT ON");
        QTRY_COMPARE(m_s->display.panel(Panel::Ptt).text, QString("TX"));
    }

    void commandDroppedDuringConnection()
    {
        FakeModem& modem = *m_modem;
        QVERIFY(connectedLine("CONNECTED N0CALL-1 EA1ABC 2300"));
        QCOMPARE(callPanel(), QString("N0CALL-1 <-> EA1ABC"));
        QVERIFY(m_s->display.sendVisible());
        QVERIFY(!m_s->display.connectEnabled());
        modem.clearCommands();

        modem.dropCommand();
        QTRY_COMPARE(callPanel(), QString("Disconnected"));
        QVERIFY(!m_s->display.sendVisible());
        QTRY_VERIFY(linkUp(modem));
        QCOMPARE(modem.commandAccepts(), 2);
        QCOMPARE(modem.dataAccepts(), 1); // the data socket was never touched
        QTRY_VERIFY(modem.commands().contains("MYCALL N0CALL-1"));
        // The connection did not survive the lost link: the operator may call again.
        QCOMPARE(callPanel(), QString("Disconnected"));
        QVERIFY(m_s->display.connectEnabled());
        QVERIFY(!m_s->display.sendVisible());
    }

    void modeSwitchGoesToOtherPorts()
    {
        FakeModem sat;
        QVERIFY(sat.listen());
        m_s->s().satTcpPort = sat.commandPort();
        m_s->s().keldoMode = Mode::SAT;
        configure();
        m_s->link.closeSockets();
        QTRY_VERIFY(linkUp(sat));
        QCOMPARE(m_s->link.commandRemotePort(), sat.commandPort());
        QCOMPARE(m_s->link.dataRemotePort(), quint16(sat.commandPort() + 1));
        m_s->link.SendCompressionFiles();
        QTRY_COMPARE(sat.commands().size(), 4);
        QVERIFY(!sat.commands().join(' ').contains("BW")); // no bandwidth outside HF
    }

    void responsesDriveTheConnection()
    {
        FakeModem& modem = *m_modem;
        // Lower case is accepted; PTT lines reach the keyer's panel.
        modem.sendCommandBytes("ptt on\r");
        QTRY_COMPARE(m_s->display.panel(Panel::Ptt).text, QString("TX"));
        modem.sendCommandBytes("PTT OFF\r");
        QTRY_COMPARE(m_s->display.panel(Panel::Ptt).text, QString("RX"));
        // Blanks at the end of a whole-line response do not matter; CR LF
        // endings work; near misses are ignored.
        modem.sendCommandBytes("PTT ON \r\nCONNECTED\r\n");
        QTRY_COMPARE(m_s->display.panel(Panel::Ptt).text, QString("TX"));
        modem.sendCommandBytes("PTT OFF \t\r\nPTTOFF\rPTT ON X\r");
        QTRY_COMPARE(m_s->display.panel(Panel::Ptt).picture, Picture::LedVerde);
        QCOMPARE(m_s->display.panel(Panel::Ptt).text, QString("RX"));
        // A modem ending lines with LF alone is heard, and its unkey is
        // taken in any spacing.
        modem.sendCommandBytes("PTT ON\n");
        QTRY_COMPARE(m_s->display.panel(Panel::Ptt).text, QString("TX"));
        modem.sendCommandBytes("BUFFER 5\n \tPTT \t OFF\n");
        QTRY_COMPARE(m_s->display.panel(Panel::Ptt).text, QString("RX"));
        QCOMPARE(callPanel(), QString("Disconnected"));
        QVERIFY(!m_s->display.sendVisible());
        QCOMPARE(banners(), 0);

        // BUFFER with nothing outstanding is ignored.
        modem.sendCommandBytes("BUFFER 0\rBUFFER 1 2\rPTT OFF\r");
        QTRY_COMPARE(m_s->display.panel(Panel::Ptt).text, QString("RX"));
        QCOMPARE(m_s->display.panel(Panel::Bytes).text, QString());

        // Outgoing call, two digipeaters, then Stop. The operator sees the
        // call going out before the modem gets it.
        m_s->s().connectWithHf = "EA1ABC";
        configure();
        QString panelWhenSent;
        connect(&m_s->link, &ModemLink::commandWritten, this, [&](const QString& command) {
            if (command.startsWith("CONNECT "))
                panelWhenSent = callPanel();
        });
        m_s->link.SendConnect();
        QCOMPARE(panelWhenSent, QString("Connecting with EA1ABC ..."));
        QCOMPARE(callPanel(), QString("Connecting with EA1ABC ..."));
        QVERIFY(!m_s->display.connectEnabled());
        QVERIFY(m_s->display.stopEnabled());
        QTRY_COMPARE(modem.commands().last(), QString("CONNECT N0CALL-1 EA1ABC"));
        QVERIFY(connectedLine("connected n0call-1 ea1abc 1200 digi1 digi2"));
        QCOMPARE(callPanel(), QString("N0CALL-1 <-> DIGI1 <-> DIGI2 <-> EA1ABC"));
        QCOMPARE(m_s->display.panel(Panel::Indicativos).picture, Picture::Connected);
        QCOMPARE(m_s->display.panel(Panel::Indicativos).toolTip, QString("Modem Connected"));
        QVERIFY(m_s->rx.text().contains("******* N0CALL-1 <-> DIGI1 <-> DIGI2 <-> EA1ABC *******"));
        // Our own call: the other station is the called one.
        modem.sendData("hello\r");
        QTRY_VERIFY(m_s->rx.text().endsWith("<EA1ABC\r\nhello\r\n"));

        m_s->link.SendAbort();
        QCOMPARE(callPanel(), QString("Disconnecting..."));
        QVERIFY(!m_s->display.stopEnabled());
        QTRY_COMPARE(modem.commands().last(), QString("ABORT"));
        // A refresh before DISCONNECTED keeps "Disconnecting...".
        QVERIFY(connectedLine("CONNECTED N0CALL-1 EA1ABC 2300"));
        QCOMPARE(callPanel(), QString("Disconnecting..."));
        QVERIFY(!m_s->display.connectEnabled());
        QVERIFY(!m_s->display.stopEnabled());
        modem.sendLine("DISCONNECTED");
        QTRY_COMPARE(callPanel(), QString("Disconnected"));
        QVERIFY(m_s->display.connectEnabled());
        QVERIFY(!m_s->display.sendVisible());

        // DISCONNECTED forgot the Stop and the call out: the next connection
        // is an incoming one, shown whole, with Stop available.
        QSignalSpy incoming(&m_s->terminal, &Terminal::incomingCall);
        QVERIFY(connectedLine("CONNECTED EB2XYZ N0CALL-1 2300"));
        QCOMPARE(callPanel(), QString("EB2XYZ <-> N0CALL-1"));
        QVERIFY(m_s->display.stopEnabled());
        QCOMPARE(incoming.count(), 1);
        modem.sendData("hi\r");
        QTRY_VERIFY(m_s->rx.text().endsWith("<EB2XYZ\r\nhi\r\n"));
    }

    void connectedFieldCounts()
    {
        // What the operator sees of each CONNECTED line: the call chain.
        QVERIFY(connectedLine("CONNECTED A1 B2 2300"));
        QCOMPARE(callPanel(), QString("A1 <-> B2"));
        QVERIFY(connectedLine("CONNECTED A1 B2 1200 V1"));
        QCOMPARE(callPanel(), QString("A1 <-> V1 <-> B2"));
        QVERIFY(connectedLine("CONNECTED A1 B2 1200 V1 NARROW"));
        QCOMPARE(callPanel(), QString("A1 <-> V1 <-> B2"));
        QVERIFY(connectedLine("CONNECTED A1 B2 1200 V1 V2"));
        QCOMPARE(callPanel(), QString("A1 <-> V1 <-> V2 <-> B2"));
        // Fewer than three fields: calls keep their values, digipeaters clear.
        QVERIFY(connectedLine("CONNECTED Z9"));
        QCOMPARE(callPanel(), QString("Z9 <-> B2"));
        QVERIFY(m_s->rx.text().contains("******* Z9 <-> B2 *******"));
    }

    void fmConnectForms()
    {
        FakeModem& modem = *m_modem;
        m_s->s().keldoMode = Mode::FM;
        m_s->s().connectWithFm = "EB2XYZ";
        m_s->s().via1.clear();
        m_s->s().via2 = "D2";
        configure();
        m_s->link.SendConnect();
        QTRY_COMPARE(modem.commands().last(), QString("CONNECT N0CALL-1 EB2XYZ"));
        m_s->s().via1 = "D1";
        m_s->s().via2.clear();
        configure();
        m_s->link.SendConnect();
        QTRY_COMPARE(modem.commands().last(), QString("CONNECT N0CALL-1 EB2XYZ VIA D1"));
        m_s->s().via2 = "D2";
        configure();
        m_s->link.SendConnect();
        QTRY_COMPARE(modem.commands().last(), QString("CONNECT N0CALL-1 EB2XYZ VIA D1 D2"));
        // The link calls with the values it was handed, never the store's.
        m_s->s().via1.clear();
        m_s->s().connectWithFm = "EC3ZZZ";
        const qsizetype before = modem.commands().size();
        m_s->link.SendConnect();
        QTRY_COMPARE(modem.commands().size(), before + 1);
        QCOMPARE(modem.commands().last(), QString("CONNECT N0CALL-1 EB2XYZ VIA D1 D2"));
    }

    void shutdownClosesWithoutReconnect()
    {
        FakeModem& modem = *m_modem;
        m_s->link.stopSupervision();
        m_s->link.closeSockets();
        QTRY_VERIFY(!modem.commandConnected() && !modem.dataConnected());
        // Nothing is left that could start a new attempt.
        QVERIFY(!m_s->link.tmrComprobarSocket().isActive());
        QVERIFY(!m_s->link.retryPending());
        QCoreApplication::processEvents();
        QCOMPARE(modem.commandAccepts(), 1);
        QCOMPARE(modem.dataAccepts(), 1);
        QVERIFY(!m_s->link.commandConnected());
    }
};

QTEST_MAIN(TestModemLink)
#include "test_modem_link.moc"
