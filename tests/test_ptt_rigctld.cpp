#include "logbook/RigFrequency.h"
#include "ptt/PttDriverFactory.h"
#include "ptt/PttKeyer.h"
#include "ptt/RigctldClient.h"
#include "settings/Settings.h"
#include "support/FakeRigctld.h"
#include "support/KeyerFixture.h"
#include "support/MemoryKeyingJournal.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

class TestPttRigctld : public KeyerFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstKeyUpIsNotLost();
    void closingWaitsForTheUnkeyWithinBounds();
    void latestStateWinsWhileConnecting();
    void oneConnectionIsKept();
    void replyOtherThanRprt0ShowsInToolTip();
    void refusedConnectionShowsAndIsRetried();
    void lostConnectionShowsAndIsRetried();
    void sentAgainUntilAcknowledged();
    void noUnkeyForAKeyUpThatNeverWentOut();
    void fmModeKeysNothing();
    void openPttPortClosesSerialPortAndKeepsNoMessage();
    void otherMethodDropsTheConnection();
    void unkeyGoesWhereTheKeyUpWent();
    void pendingStateGoesOutOnConnecting();
    void junkAndOverlongReplies();
    void failedFrequencyIsUnknown();
    void eachDriverHearsItsOwnAddress();
    void leftKeyedRadioReleasedAtStart();

private:
    RigctldClient* client() { return m_keyer->rigctld().find(s().rigctldHost, s().rigctldPort); }

    std::unique_ptr<FakeRigctld> m_rig;
};

void TestPttRigctld::init()
{
    startKeyer();
    m_keyer->setRigctldRetryInterval(50);
    m_rig = std::make_unique<FakeRigctld>();
    QVERIFY(m_rig->listen());
    s().via = PttMethod::Rigctld;
    s().rigctldHost = QStringLiteral("127.0.0.1");
    s().rigctldPort = m_rig->port();
    configure();
}

void TestPttRigctld::cleanup()
{
    stopKeyer();
    m_rig.reset();
}

void TestPttRigctld::firstKeyUpIsNotLost()
{
    s().keldoMode = Mode::SAT; // keys as HF does
    open();
    m_keyer->PttOn();
    QVERIFY(m_seen->transmitting());
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
    // Shutdown: unkey, then close at once; the closing waits for the unkey.
    m_keyer->PttOff();
    QSignalSpy closed(m_keyer.get(), &PttKeyer::closed);
    QVERIFY(!m_keyer->beginClose());
    QVERIFY(closed.wait());
    QCOMPARE(m_rig->received, QByteArray("T 1\nT 0\n"));
    QVERIFY(m_seen->clean(KeyingState::Receiving));
}

void TestPttRigctld::closingWaitsForTheUnkeyWithinBounds()
{
    // A rigctld that takes commands and never answers.
    m_rig->reply.clear();
    m_keyer->setShutdownWait(100);
    for (bool loopRuns : {true, false}) {
        m_rig->received.clear();
        m_keyer->PttOn();
        QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
        m_keyer->PttOff();
        QTRY_COMPARE(m_rig->received, QByteArray("T 1\nT 0\n"));
        QElapsedTimer waited;
        waited.start();
        if (loopRuns) {
            QSignalSpy closed(m_keyer.get(), &PttKeyer::closed);
            QVERIFY(!m_keyer->beginClose());
            QVERIFY(closed.wait(5000));
        } else {
            m_keyer->ClosePttPort(); // the loop has ended: on the socket alone
        }
        QVERIFY(waited.elapsed() < 2000);
        QCOMPARE(client(), nullptr);
    }
}

void TestPttRigctld::latestStateWinsWhileConnecting()
{
    m_keyer->PttOn();
    m_keyer->PttOff();
    m_keyer->PttOn();
    QVERIFY(client()->state() != QAbstractSocket::ConnectedState);
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
    QTRY_VERIFY(client()->settled());
    QCOMPARE(m_rig->accepts, 1);
}

void TestPttRigctld::oneConnectionIsKept()
{
    // A "PTT Timeout" of 0 is no time-out at all.
    s().pttTimeoutSeconds = 0;
    configure();
    // One report too many must not leave later requests unconfirmed.
    m_rig->reply = "RPRT 0\nRPRT 0\n";
    m_keyer->PttOn();
    QTRY_VERIFY(client()->settled());
    m_rig->reply = "RPRT 0\n";
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY(m_keyer->keyed());
    m_keyer->PttOff();
    QTRY_VERIFY(client()->settled());
    m_rig->received.clear();
    for (int i = 0; i < 5; ++i) {
        m_keyer->PttOn();
        QTRY_VERIFY(m_rig->received.endsWith("T 1\n"));
        m_keyer->PttOff();
        QTRY_VERIFY(m_rig->received.endsWith("T 0\n"));
    }
    QCOMPARE(m_rig->accepts, 1);
    QCOMPARE(m_rig->received.count('\n'), 10);
    QVERIFY(client()->settled());
}

void TestPttRigctld::replyOtherThanRprt0ShowsInToolTip()
{
    // Refused: a failure with the reply, and the key-up is sent again
    // until rigctld takes it.
    m_rig->reply = "RPRT -1\n";
    m_keyer->PttOn();
    QTRY_COMPARE(m_seen->why(), QStringLiteral("rigctld: RPRT -1"));
    QVERIFY(m_seen->failure->where.isEmpty());
    QVERIFY(m_seen->transmitting());
    QTRY_VERIFY(m_rig->received.count('\n') >= 3);
    m_rig->reply = "RPRT 0\n";
    QTRY_VERIFY(m_seen->clean(KeyingState::Transmitting));
    const int sent = int(m_rig->received.count('\n'));
    m_keyer->PttOff();
    QTRY_COMPARE(int(m_rig->received.count('\n')), sent + 1);
    QVERIFY(m_rig->received.endsWith("T 0\n"));
    QCOMPARE(m_rig->accepts, 1);
}

void TestPttRigctld::refusedConnectionShowsAndIsRetried()
{
    const quint16 port = m_rig->port();
    m_rig.reset();
    m_keyer->PttOn();
    QTRY_VERIFY(m_seen->why().startsWith(QStringLiteral("rigctld 127.0.0.1:%1: ").arg(port)));
    QVERIFY(m_seen->transmitting());

    // rigctld starts: the wanted state reaches it by itself.
    m_rig = std::make_unique<FakeRigctld>();
    QVERIFY(m_rig->listen(port));
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
    QTRY_VERIFY(m_seen->clean(KeyingState::Transmitting));
    m_keyer->PttOff();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\nT 0\n"));
}

void TestPttRigctld::lostConnectionShowsAndIsRetried()
{
    // An idle kept connection that closes is no problem; the next command
    // makes a new one.
    m_keyer->PttOn();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
    QTRY_VERIFY(client()->settled());
    QVERIFY(m_rig->client);
    m_rig->client->close();
    QTRY_COMPARE(client()->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(m_seen->clean(KeyingState::Transmitting));
    m_keyer->PttOff();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\nT 0\n"));
    QCOMPARE(m_rig->accepts, 2);
}

void TestPttRigctld::sentAgainUntilAcknowledged()
{
    m_keyer->PttOn();
    QTRY_VERIFY(client()->settled());
    // rigctld drops the unkey unanswered, three times over.
    m_rig->dropConnections = 3;
    m_rig->client->abort();
    m_keyer->PttOff();
    QTRY_VERIFY(client()->settled());
    QCOMPARE(m_rig->received, QByteArray("T 1\nT 0\nT 0\nT 0\nT 0\n"));
    QCOMPARE(m_rig->accepts, 5);
    QVERIFY(m_seen->clean(KeyingState::Receiving));
}

void TestPttRigctld::noUnkeyForAKeyUpThatNeverWentOut()
{
    // An over that went out and was taken, then rigctld is down for the
    // whole next over: another program sharing it must not get a "T 0"
    // from us when it comes back.
    m_keyer->PttOn();
    QTRY_VERIFY(client()->settled());
    m_keyer->PttOff();
    QTRY_VERIFY(client()->settled());
    QCOMPARE(m_rig->received, QByteArray("T 1\nT 0\n"));
    const quint16 port = m_rig->port();
    m_rig.reset();
    QTRY_COMPARE(client()->state(), QAbstractSocket::UnconnectedState);
    m_keyer->PttOn();
    QTRY_VERIFY(m_seen->why().startsWith(QStringLiteral("rigctld 127.0.0.1:%1: ").arg(port)));
    m_keyer->PttOff();
    QVERIFY(client()->settled());
    m_rig = std::make_unique<FakeRigctld>();
    QVERIFY(m_rig->listen(port));
    m_keyer->PttOn();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
}

void TestPttRigctld::fmModeKeysNothing()
{
    s().keldoMode = Mode::FM;
    configure();
    m_keyer->PttOn();
    QVERIFY(m_seen->transmitting());
    m_keyer->PttOff();
    QVERIFY(!client());
    QCOMPARE(m_rig->accepts, 0);
}

void TestPttRigctld::openPttPortClosesSerialPortAndKeepsNoMessage()
{
    s().via = PttMethod::Cat;
    s().catPort = QStringLiteral("COM3");
    open();
    QVERIFY(m_port->isOpen());
    s().via = PttMethod::Rigctld;
    open();
    QVERIFY(!m_port->isOpen());
    QVERIFY(m_port->log.endsWith("close"));
    m_port->clearLog();
    m_keyer->PttOn();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
    QVERIFY(m_port->log.isEmpty());
}

void TestPttRigctld::otherMethodDropsTheConnection()
{
    m_keyer->PttOn();
    QTRY_VERIFY(client()->settled());
    // Keyed, then VOX: what rigctld keyed is unkeyed before it is let go,
    // even when rigctld drops the first unkey unanswered.
    m_rig->dropConnections = 1;
    m_rig->client->abort();
    s().via = PttMethod::Vox;
    open();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\nT 0\nT 0\n"));
    QTRY_VERIFY(!client());
    QVERIFY(!m_keyer->rigctld().unkeyPending());
    m_keyer->PttOn();
    QVERIFY(!client());
}

void TestPttRigctld::unkeyGoesWhereTheKeyUpWent()
{
    m_keyer->PttOn();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
    FakeRigctld other;
    QVERIFY(other.listen());
    s().rigctldPort = other.port();
    configure();
    m_keyer->PttOff();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\nT 0\n"));
    // Only what this terminal keyed is unkeyed: the other rigctld hears nothing.
    QCOMPARE(other.accepts, 0);
    m_keyer->PttOn();
    QTRY_COMPARE(other.received, QByteArray("T 1\n"));

    // An address that cannot be one is reported, not attempted; the radio
    // keyed before is freed first.
    s().rigctldPort = 0;
    configure();
    m_keyer->PttOn();
    QTRY_COMPARE(other.received, QByteArray("T 1\nT 0\n"));
    QVERIFY(m_seen->why().startsWith(QStringLiteral("rigctld 127.0.0.1:0")));
}

void TestPttRigctld::pendingStateGoesOutOnConnecting()
{
    // The retry tick is far away: only the connection itself can send.
    m_keyer->setRigctldRetryInterval(60000);
    open();
    m_keyer->PttOn();
    QTRY_COMPARE_WITH_TIMEOUT(m_rig->received, QByteArray("T 1\n"), 3000);
    QTRY_VERIFY(client()->settled());
    // rigctld restarts: the unkey goes out as soon as the new connection is up.
    m_rig->client->abort();
    QTRY_COMPARE(client()->state(), QAbstractSocket::UnconnectedState);
    m_keyer->PttOff();
    QTRY_COMPARE_WITH_TIMEOUT(m_rig->received, QByteArray("T 1\nT 0\n"), 3000);
    QCOMPARE(m_rig->accepts, 2);
}

void TestPttRigctld::junkAndOverlongReplies()
{
    // Short junk is told and harmless.
    m_rig->reply = QByteArray(200, '\x01') + "\nRPRT 0\n";
    m_keyer->PttOn();
    QTRY_VERIFY(client()->settled());
    QVERIFY(m_seen->why().size() < 300);

    // A line past the limit is no rigctld: the connection is dropped and
    // told, and the unkey goes out again on a new one.
    m_rig->reply = QByteArray(50000, 'x');
    m_keyer->PttOff();
    QTRY_VERIFY(m_seen->why().endsWith(QStringLiteral("reply line too long, connection dropped")));
    QTRY_VERIFY(m_rig->accepts >= 2);
    QVERIFY(m_rig->received.startsWith("T 1\nT 0\nT 0\n"));
    m_rig->reply = "RPRT -9\n";
    QTRY_COMPARE(m_seen->why(), QStringLiteral("rigctld: RPRT -9"));
    QVERIFY(m_rig->accepts >= 2);
    QVERIFY(!client()->settled());
    m_rig->reply = "RPRT 0\n";
    QTRY_VERIFY(client()->settled());
    QTRY_VERIFY(m_seen->clean(KeyingState::Receiving));
}

// An absurd or refused answer must not reach the tooltip, <FREQ> or the
// logger, nor leave the last good value standing for a retuned rig.
// Drivers share the connections; each reports what its own address said.
void TestPttRigctld::eachDriverHearsItsOwnAddress()
{
    QTcpServer gone;
    QVERIFY(gone.listen(QHostAddress::LocalHost));
    const quint16 deadPort = gone.serverPort();
    gone.close();
    const PttDriverShared shared{nullptr, std::make_shared<RigctldLinks>()};
    shared.links->setRetryInterval(50);
    KeyingConfig c = KeyingConfigOf(s());
    const std::shared_ptr<PttDriver> live = PttDriverFactory::create(c, shared);
    c.rigctld.port = deadPort;
    const std::shared_ptr<PttDriver> dead = PttDriverFactory::create(c, shared);
    QSignalSpy liveErrors(live.get(), &PttDriver::errorOccurred);
    QSignalSpy liveConfirmed(live.get(), &PttDriver::confirmed);
    QSignalSpy deadErrors(dead.get(), &PttDriver::errorOccurred);
    QSignalSpy deadConfirmed(dead.get(), &PttDriver::confirmed);
    QVERIFY(live->key().ok);
    QVERIFY(dead->key().ok);
    QTRY_COMPARE(liveConfirmed.size(), 1);
    QVERIFY(liveConfirmed.first().first().toBool());
    QTRY_VERIFY(!deadErrors.isEmpty());
    QVERIFY(deadErrors.first().first().toString().contains(QStringLiteral(":%1: ").arg(deadPort)));
    QVERIFY(liveErrors.isEmpty());
    QVERIFY(deadConfirmed.isEmpty());
    live->unkey();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\nT 0\n"));
    QVERIFY(!live->unkeyPending());
    shared.links->closeAll();
}

void TestPttRigctld::failedFrequencyIsUnknown()
{
    RigFrequency rig;
    rig.setMinInterval(0);
    rig.setAddress(QStringLiteral("127.0.0.1"), m_rig->port());
    QSignalSpy settled(&rig, &RigFrequency::settled);
    for (const char* reply : {"inf\n", "1e30\n", "-7\n", "RPRT -1\n"}) {
        m_rig->reply = "14105000\n";
        rig.ask();
        QVERIFY(settled.wait(10000));
        QCOMPARE(rig.lastHz(), std::optional<qint64>(14105000));
        m_rig->reply = reply;
        rig.ask();
        QVERIFY(settled.wait(10000));
        QCOMPARE(rig.lastHz(), std::nullopt);
    }
}

// A start after a crash while keyed: "T 0" goes to the rigctld the state
// marks keyed, within a short wait, and again until rigctld takes it; one
// not marked is left alone.
void TestPttRigctld::leftKeyedRadioReleasedAtStart()
{
    MemoryKeyingJournal journal;
    m_keyer->setJournal(&journal);
    const auto letGo = qScopeGuard([&] { m_keyer->setJournal(nullptr); });
    const QByteArray address = "127.0.0.1:" + QByteArray::number(m_rig->port());
    const QByteArray left =
        "driver=rigctld\nhost=127.0.0.1\ntcp-port=" + QByteArray::number(m_rig->port()) + "\nkeyed=1\n";
    QCOMPARE(m_keyer->releaseLeftKeyed(QByteArray(left).replace("keyed=1", "keyed=0")), 0);
    QCOMPARE(client(), nullptr);

    // The first connection closes unanswered: the wait ends, the unkey does not.
    m_rig->dropConnections = 1;
    m_keyer->setLeftKeyedWait(100);
    QElapsedTimer waited;
    waited.start();
    QCOMPARE(m_keyer->releaseLeftKeyed(left), 1);
    QVERIFY(waited.elapsed() < 2000);
    QCOMPARE(journal.keyedEntries().size(), 1);
    QCOMPARE(journal.events().first(), "startup-release reason=left-keyed driver=rigctld address=" + address);
    QTRY_VERIFY(journal.keyedEntries().isEmpty());
    // Only ever "T 0", sent again on a new connection.
    QVERIFY(m_rig->accepts >= 2);
    QCOMPARE(m_rig->received, QByteArray("T 0\n").repeated(m_rig->received.count('\n')));
    QCOMPARE(journal.events().last(), "unkey-confirmed driver=rigctld address=" + address);

    // Keying set up there afterwards goes on as ever.
    open();
    m_keyer->PttOn();
    QTRY_VERIFY(m_rig->received.endsWith("T 1\n"));
    QCOMPARE(journal.keyedEntries().size(), 1);
    m_keyer->PttOff();
    QTRY_VERIFY(m_rig->received.endsWith("T 0\n"));
    QTRY_VERIFY(journal.keyedEntries().isEmpty());
}

QTEST_GUILESS_MAIN(TestPttRigctld)
#include "test_ptt_rigctld.moc"
