#include "ptt/PttKeyer.h"
#include "ptt/RecordingSerialPort.h"
#include "ptt/RigctldClient.h"
#include "settings/Settings.h"
#include "support/MessageBoxRecorder.h"
#include "terminal/DisplayState.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A stand-in for rigctld: records the command lines and answers each with
// the reply the test sets.
class FakeRigctld : public QObject
{
    Q_OBJECT
public:
    QByteArray reply = "RPRT 0\n";
    // Connections to close on their first command, unanswered.
    int dropConnections = 0;
    QByteArray received;
    int accepts = 0;
    QPointer<QTcpSocket> client;

    bool listen(quint16 port = 0)
    {
        if (!m_server.listen(QHostAddress::LocalHost, port))
            return false;
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection()) {
                ++accepts;
                client = s;
                const bool drop = dropConnections > 0;
                if (drop)
                    --dropConnections;
                connect(s, &QTcpSocket::readyRead, this, [this, s, drop] {
                    const QByteArray bytes = s->readAll();
                    received += bytes;
                    if (drop) {
                        s->abort();
                        return;
                    }
                    for (int i = 0; i < bytes.count('\n'); ++i)
                        s->write(reply);
                });
            }
        });
        return true;
    }
    quint16 port() const { return m_server.serverPort(); }
    void close() { m_server.close(); }

private:
    QTcpServer m_server;
};

class TestPttRigctld : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstKeyUpIsNotLost();
    void commandsWhileConnectingKeepTheirOrder();
    void oneConnectionIsKept();
    void replyOtherThanRprt0ShowsInToolTip();
    void refusedConnectionShowsAndIsRetried();
    void lostConnectionShowsAndIsRetried();
    void lostBeforeAnswerIsSentAgainOnce();
    void fmModeKeysNothing();
    void openPttPortClosesSerialPortAndKeepsNoMessage();
    void otherMethodDropsTheConnection();
    void newEndpointIsUsed();
    void junkRepliesAreHarmless();

private:
    Settings& s() { return m_store->s(); }
    QString toolTip() const { return m_display->panel(Panel::Ptt).toolTip; }

    std::unique_ptr<MessageBoxRecorder> m_boxes;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<DisplayState> m_display;
    std::unique_ptr<PttKeyer> m_keyer;
    std::unique_ptr<FakeRigctld> m_rig;
    RecordingSerialPort* m_port = nullptr;
};

void TestPttRigctld::init()
{
    m_boxes = std::make_unique<MessageBoxRecorder>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<SettingsStore>(m_dir->path());
    m_display = std::make_unique<DisplayState>();
    m_keyer = std::make_unique<PttKeyer>(*m_store, *m_display);
    auto port = std::make_unique<RecordingSerialPort>();
    m_port = port.get();
    m_keyer->setSerialPort(std::move(port));
    m_rig = std::make_unique<FakeRigctld>();
    QVERIFY(m_rig->listen());
    s().keldoMode = QStringLiteral("KELDOHF");
    s().via = 5;
    s().rigctldHost = QStringLiteral("127.0.0.1");
    s().rigctldPort = m_rig->port();
}

void TestPttRigctld::cleanup()
{
    m_boxes->verifyNoUnexpected();
    m_keyer.reset();
    m_rig.reset();
    m_display.reset();
    m_store.reset();
    m_dir.reset();
    m_boxes.reset();
}

void TestPttRigctld::firstKeyUpIsNotLost()
{
    m_keyer->OpenPttPort();
    m_keyer->PttOn();
    QCOMPARE(m_display->panel(Panel::Ptt).text, QStringLiteral("TX"));
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
    m_keyer->PttOff();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\nT 0\n"));
    QCOMPARE(toolTip(), QStringLiteral("PTT OFF"));
}

void TestPttRigctld::commandsWhileConnectingKeepTheirOrder()
{
    m_keyer->PttOn();
    m_keyer->PttOff();
    m_keyer->PttOn();
    QVERIFY(m_keyer->rigctld().state() != QAbstractSocket::ConnectedState);
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\nT 0\nT 1\n"));
    QCOMPARE(m_rig->accepts, 1);
}

void TestPttRigctld::oneConnectionIsKept()
{
    for (int i = 0; i < 5; ++i) {
        m_keyer->PttOn();
        QTRY_VERIFY(m_rig->received.endsWith("T 1\n"));
        m_keyer->PttOff();
        QTRY_VERIFY(m_rig->received.endsWith("T 0\n"));
    }
    QCOMPARE(m_rig->accepts, 1);
    QCOMPARE(m_rig->received.count('\n'), 10);
}

void TestPttRigctld::replyOtherThanRprt0ShowsInToolTip()
{
    m_rig->reply = "RPRT -1\n";
    m_keyer->PttOn();
    QTRY_COMPARE(toolTip(), QStringLiteral("rigctld: RPRT -1"));
    QCOMPARE(m_display->panel(Panel::Ptt).text, QStringLiteral("TX"));

    // "RPRT 0" is no problem: the next reported one is the later bad reply.
    QSignalSpy problems(&m_keyer->rigctld(), &RigctldClient::problem);
    m_rig->reply = "RPRT 0\n";
    m_keyer->PttOff();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\nT 0\n"));
    m_rig->reply = "RPRT -5\n";
    m_keyer->PttOn();
    QTRY_COMPARE(problems.count(), 1);
    QCOMPARE(problems.first().first().toString(), QStringLiteral("rigctld: RPRT -5"));
    QCOMPARE(toolTip(), QStringLiteral("rigctld: RPRT -5"));
}

void TestPttRigctld::refusedConnectionShowsAndIsRetried()
{
    const quint16 port = m_rig->port();
    m_rig.reset();
    m_keyer->PttOn();
    QTRY_VERIFY(toolTip().startsWith(QStringLiteral("rigctld 127.0.0.1:%1: ").arg(port)));
    QCOMPARE(m_display->panel(Panel::Ptt).text, QStringLiteral("TX"));

    m_rig = std::make_unique<FakeRigctld>();
    QVERIFY(m_rig->listen(port));
    m_keyer->PttOff();
    m_keyer->PttOn();
    QTRY_COMPARE(m_rig->received, QByteArray("T 0\nT 1\n"));
}

void TestPttRigctld::lostConnectionShowsAndIsRetried()
{
    m_keyer->PttOn();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
    QVERIFY(m_rig->client);
    m_rig->client->close();
    QTRY_VERIFY(toolTip().startsWith(QStringLiteral("rigctld 127.0.0.1:")));
    m_keyer->PttOff();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\nT 0\n"));
    QCOMPARE(m_rig->accepts, 2);
}

void TestPttRigctld::lostBeforeAnswerIsSentAgainOnce()
{
    // rigctld goes away with the unkey unanswered: it is sent again at once.
    m_keyer->PttOn();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
    QTRY_COMPARE(m_keyer->rigctld().unanswered(), 0);
    m_rig->client->abort();
    m_keyer->PttOff();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\nT 0\n"));
    QCOMPARE(m_rig->accepts, 2);
    QTRY_COMPARE(m_keyer->rigctld().unanswered(), 0);

    // A lost connection with everything answered is only reported.
    QSignalSpy problems(&m_keyer->rigctld(), &RigctldClient::problem);
    m_rig->dropConnections = 1000;
    m_rig->client->abort();
    QTRY_COMPARE(problems.count(), 1);
    QTRY_COMPARE(m_keyer->rigctld().state(), QAbstractSocket::UnconnectedState);

    // Dropped again and again: one more attempt per command, no more.
    m_keyer->PttOn();
    QTRY_COMPARE(problems.count(), 3);
    QTRY_COMPARE(m_keyer->rigctld().state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(m_rig->accepts, 4);
    QCOMPARE(m_display->panel(Panel::Ptt).text, QStringLiteral("TX"));
    m_rig->dropConnections = 0;
    m_keyer->PttOff();
    QTRY_VERIFY(m_rig->received.endsWith("T 1\nT 1\nT 0\n"));
    QCOMPARE(m_rig->accepts, 5);
    QCOMPARE(problems.count(), 3);
}

void TestPttRigctld::fmModeKeysNothing()
{
    s().keldoMode = QStringLiteral("KELDOFM");
    m_keyer->PttOn();
    QCOMPARE(m_display->panel(Panel::Ptt).text, QStringLiteral("TX"));
    m_keyer->PttOff();
    QCOMPARE(m_keyer->rigctld().state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(m_rig->accepts, 0);
}

void TestPttRigctld::openPttPortClosesSerialPortAndKeepsNoMessage()
{
    s().via = 1;
    s().catPort = QStringLiteral("COM3");
    m_keyer->OpenPttPort();
    QVERIFY(m_port->isOpen());
    s().via = 5;
    m_keyer->OpenPttPort();
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
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
    QVERIFY(m_rig->client);
    QSignalSpy gone(m_rig->client.data(), &QTcpSocket::disconnected);
    s().via = 3;
    m_keyer->OpenPttPort();
    QVERIFY(gone.count() == 1 || gone.wait());
    m_keyer->PttOn();
    QCOMPARE(m_keyer->rigctld().state(), QAbstractSocket::UnconnectedState);
}

void TestPttRigctld::newEndpointIsUsed()
{
    m_keyer->PttOn();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\n"));
    FakeRigctld other;
    QVERIFY(other.listen());
    s().rigctldPort = other.port();
    m_keyer->PttOff();
    QTRY_COMPARE(other.received, QByteArray("T 0\n"));
    QCOMPARE(m_rig->received, QByteArray("T 1\n"));

    // An address that cannot be one is reported, not attempted.
    s().rigctldPort = 0;
    m_keyer->PttOn();
    QVERIFY(toolTip().startsWith(QStringLiteral("rigctld 127.0.0.1:0")));
}

void TestPttRigctld::junkRepliesAreHarmless()
{
    m_rig->reply = QByteArray(20000, '\x01') + "\nRPRT 0\n";
    m_keyer->PttOn();
    QTRY_VERIFY(toolTip().startsWith(QStringLiteral("rigctld: ")));
    QVERIFY(toolTip().size() < 300);
    m_rig->reply = QByteArray(50000, 'x');
    m_keyer->PttOff();
    QTRY_COMPARE(m_rig->received, QByteArray("T 1\nT 0\n"));
    m_rig->reply = "RPRT -9\n";
    m_keyer->PttOn();
    QTRY_COMPARE(toolTip(), QStringLiteral("rigctld: RPRT -9"));
}

QTEST_GUILESS_MAIN(TestPttRigctld)
#include "test_ptt_rigctld.moc"
