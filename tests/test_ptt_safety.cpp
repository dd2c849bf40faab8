// The transmitter is never left keyed: every way the modem can lose control
// of it, against one real rigctld (Hamlib's dummy radio) and a pty.
#include "SignalBridge.h"
#include "app/DesktopStation.h"
#include "dialogs/frmSetup.h"
#include "ptt/SerialPortDevice.h"
#include "support/DialogParts.h"
#include "support/FakeModem.h"
#include "support/MessageBoxRecorder.h"
#include "support/RadioEnds.h"
#include "support/RequireTool.h"
#include "support/TerminalFixture.h"
#include "support/TerminalProcess.h"

#include <QLocalServer>
#include <QPushButton>
#include <QRadioButton>
#include <QSemaphore>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace {

const QByteArray Ic7300On = QByteArray::fromHex("FEFE94E01C0001FD");
const QByteArray Ic7300Off = QByteArray::fromHex("FEFE94E01C0000FD");

// CPU time this process has used, user and system.
double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

} // namespace

class RigProbe;

class TestPttSafety : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void unkeyedWhenTheModemCannot_data();
    void unkeyedWhenTheModemCannot();
    void modeSwitchToFmUnkeys();
    void shutdownInFmUnkeysWhatHfKeyed();
    void silentSessionBusHoldsUpNoKeying();
    void unkeyReachesRigctldWhenItIsBack();
    void timeOutHoldsUntilPttOff();
    void hungUpPortNeitherSpinsNorStaysLost();
    void unkeyOwedToAResetCableArrives_data();
    void unkeyOwedToAResetCableArrives();
    void keyingGoesOnWhileTheGuiThreadIsHeld();
    void terminationSignalUnkeysWhileTheGuiThreadIsHeld();
    void killedWhileKeyedReleasedAtNextStart();
    void traceFollowsTheLogFolder();
    void pipesAtTheLogPathsHoldNoKeying();

private:
    // A station linked to the scripted modem, keying through rigctld.
    void link(quint16 rigctldPort);
    void keyUp();
    // The whole terminal on a settings file, linked and keyed through rigctld.
    void keyUpInWindow(TerminalFixture& t, const QByteArray& more = QByteArray());
    // A station linked to a modem on its own thread, keying through rigctld,
    // with a time-out of 1 s.
    void linkThreaded(ThreadedFakeModem& modem);
    // Runs checks on a thread of their own while a slot holds the GUI
    // thread, for holdMs at least; what went wrong, or nothing.
    QString whileGuiThreadHeld(int holdMs, const std::function<QString(RigProbe&)>& checks);
    // Keys an IC-7300 by CAT on the pty's terminal end.
    void useCat(const PtyPair& pty);
    QString rig() { return m_rig.ptt(); }
    Settings& s() { return m_station->s(); }

    Rigctld m_rig;
    std::unique_ptr<MessageBoxRecorder> m_boxes;
    std::unique_ptr<FakeModem> m_modem;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DesktopStation> m_station;
};

void TestPttSafety::initTestCase()
{
    REQUIRE_TOOL("rigctld");
    QVERIFY(m_rig.start());
}

void TestPttSafety::init()
{
    m_boxes = std::make_unique<MessageBoxRecorder>();
    m_modem = std::make_unique<FakeModem>();
    QVERIFY(m_modem->listen());
    m_dir = std::make_unique<QTemporaryDir>();
    // Every test starts with the radio receiving.
    QCOMPARE(rig(), QStringLiteral("0"));
}

void TestPttSafety::cleanup()
{
    m_station.reset();
    m_modem.reset();
    m_dir.reset();
    m_boxes.reset();
    QTRY_COMPARE(rig(), QStringLiteral("0"));
}

void TestPttSafety::link(quint16 rigctldPort)
{
    m_station = std::make_unique<DesktopStation>(m_dir->path());
    s().keldoMode = Mode::HF;
    s().hfHost = s().fmHost = m_modem->host();
    s().hfTcpPort = s().fmTcpPort = m_modem->commandPort();
    s().autoLaunch = AutoLaunch::Off;
    s().via = PttMethod::Rigctld;
    s().rigctldHost = QStringLiteral("127.0.0.1");
    s().rigctldPort = rigctldPort;
    m_station->keying.call([](PttKeyer& k) {
        k.setGracePeriod(300);
        k.setRigctldRetryInterval(100);
        k.setPortRetryInterval(100);
    });
    m_station->keying.OpenPttPort(KeyingConfigOf(s()));
    m_station->configureCore();
    m_station->link.CheckSockets();
    QTRY_VERIFY(m_modem->linked() && m_station->link.bothConnected());
}

void TestPttSafety::keyUp()
{
    m_modem->sendLine(QStringLiteral("PTT ON"));
    QTRY_COMPARE(rig(), QStringLiteral("1"));
    QVERIFY(m_station->keying.call([](PttKeyer& k) { return k.keyed(); }));
}

void TestPttSafety::unkeyedWhenTheModemCannot_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("afterGrace");
    QTest::newRow("command link dropped") << "drop command" << false;
    QTest::newRow("modem gone") << "modem gone" << false;
    QTest::newRow("data link dropped") << "drop data" << true;
    QTest::newRow("DISCONNECTED without PTT OFF") << "DISCONNECTED" << true;
    QTest::newRow("Stop, modem silent") << "stop" << true;
}

void TestPttSafety::unkeyedWhenTheModemCannot()
{
    QFETCH(QString, event);
    QFETCH(bool, afterGrace);
    link(m_rig.port());
    keyUp();

    if (event == QLatin1String("drop command"))
        m_modem->dropCommand();
    else if (event == QLatin1String("modem gone"))
        m_modem.reset();
    else if (event == QLatin1String("drop data"))
        m_modem->dropData();
    else if (event == QLatin1String("DISCONNECTED"))
        m_modem->sendLine(event);
    else
        m_station->link.SendAbort();

    if (afterGrace) {
        // The modem may still be sending its last frame: keyed until the grace ends.
        QTRY_VERIFY(m_station->keying.call([](PttKeyer& k) { return k.gracePending(); }));
        QCOMPARE(rig(), QStringLiteral("1"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(rig(), QStringLiteral("0"), 3000);
    // The panel follows the keying thread.
    QTRY_COMPARE(m_station->display.panel(Panel::Ptt).text, QStringLiteral("RX"));
    QTRY_VERIFY(m_station->display.panel(Panel::Ptt).toolTip.startsWith(QStringLiteral("Unkeyed: ")));

    // A modem that is (or comes) back keys again.
    if (m_modem) {
        QTRY_VERIFY(m_modem->linked() && m_station->link.bothConnected());
        m_modem->sendLine(QStringLiteral("PTT ON"));
        QTRY_COMPARE(rig(), QStringLiteral("1"));
        m_modem->sendLine(QStringLiteral("PTT OFF"));
        QTRY_COMPARE(rig(), QStringLiteral("0"));
    }
}

void TestPttSafety::modeSwitchToFmUnkeys()
{
    link(m_rig.port());
    keyUp();
    {
        auto dialog = m_station->setupDialog();
        part<QRadioButton>(*dialog, "optKELDOFM1200")->click();
        part<QPushButton>(*dialog, "cmdOK")->click();
    }
    QCOMPARE(s().keldoMode.value(), Mode::FM);
    // The FM modem is the same one: the link stays, yet the radio is free.
    QVERIFY(m_station->link.bothConnected());
    QTRY_COMPARE_WITH_TIMEOUT(rig(), QStringLiteral("0"), 3000);
    // FM keys nothing, and the modem's late PTT OFF harms nothing.
    m_modem->sendLine(QStringLiteral("PTT ON"));
    QTRY_COMPARE(m_station->display.panel(Panel::Ptt).text, QStringLiteral("TX"));
    m_modem->sendLine(QStringLiteral("PTT OFF"));
    QTRY_COMPARE(m_station->display.panel(Panel::Ptt).text, QStringLiteral("RX"));
    QCOMPARE(rig(), QStringLiteral("0"));
}

void TestPttSafety::keyUpInWindow(TerminalFixture& t, const QByteArray& more)
{
    t.writeIni(QStringLiteral("[PTT]\r\nVia=5\r\nRigctld Host=127.0.0.1\r\nRigctld Port=%1\r\n"
                              "[Setup]\r\nHF Host=%2\r\nHF TCP Port=%3\r\nKELDO Mode=KELDOHF\r\nAutoLaunch=0\r\n")
                   .arg(m_rig.port())
                   .arg(m_modem->host())
                   .arg(m_modem->commandPort())
                   .toLatin1()
               + more);
    QVERIFY(t.load());
    QTRY_VERIFY(m_modem->linked());
    m_modem->sendLine(QStringLiteral("PTT ON"));
    QTRY_COMPARE(rig(), QStringLiteral("1"));
}

void TestPttSafety::shutdownInFmUnkeysWhatHfKeyed()
{
    TerminalFixture t;
    keyUpInWindow(t);

    // The keyer hears of FM without the port being reopened; the radio must still be freed.
    t.station->s().keldoMode = Mode::FM;
    t.station->keying.configure(KeyingConfigOf(t.station->s()));
    t.window->close();
    // The window stays until rigctld took the unkey, or the wait ran out.
    QTRY_VERIFY(t.window->isShutDown());
    QVERIFY(!t.window->isVisible());
    QCOMPARE(rig(), QStringLiteral("0"));
}

void TestPttSafety::silentSessionBusHoldsUpNoKeying()
{
    // A session bus that accepts and never answers.
    QTemporaryDir busDir;
    QLocalServer silent;
    QVERIFY(silent.listen(busDir.filePath(QStringLiteral("bus"))));
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(silent.fullServerName()));
    const auto restore = qScopeGuard([&] { qputenv("DBUS_SESSION_BUS_ADDRESS", address); });

    TerminalFixture t;
    keyUpInWindow(t, "[Options]\r\nNotify on Incoming Call=1\r\n");
    m_modem->sendLine(QStringLiteral("CONNECTED N0CALL-2 N0CALL-1 2300"));
    QTRY_VERIFY(silent.hasPendingConnections());
    m_modem->sendLine(QStringLiteral("PTT OFF"));
    QTRY_COMPARE(rig(), QStringLiteral("0"));

    // The time-out still fires meanwhile.
    t.station->keying.call([](PttKeyer& k) { k.setTimeoutOverride(300); });
    m_modem->sendLine(QStringLiteral("PTT ON"));
    QTRY_VERIFY(t.station->keying.call([](PttKeyer& k) { return k.timeoutHolding(); }));
    QTRY_COMPARE(rig(), QStringLiteral("0"));
}

void TestPttSafety::unkeyReachesRigctldWhenItIsBack()
{
    TcpRelay relay(m_rig.port());
    QVERIFY(relay.listen());
    link(relay.port());
    keyUp();

    relay.cut();
    m_modem->sendLine(QStringLiteral("PTT OFF"));
    // The unkey cannot go out: the panel says so.
    QTRY_COMPARE(m_station->display.panel(Panel::Ptt).picture, Picture::LedAmarillo);
    QVERIFY(m_station->display.panel(Panel::Ptt).toolTip.contains(QString::number(relay.port())));
    QCOMPARE(rig(), QStringLiteral("1"));

    QVERIFY(relay.restore());
    QTRY_COMPARE_WITH_TIMEOUT(rig(), QStringLiteral("0"), 5000);
    QTRY_COMPARE(m_station->display.panel(Panel::Ptt).picture, Picture::LedVerde);
}

void TestPttSafety::timeOutHoldsUntilPttOff()
{
    link(m_rig.port());
    m_station->keying.call([](PttKeyer& k) { k.setTimeoutOverride(300); });
    // Keyed once, never repeated: the time-out still comes.
    keyUp();
    QTRY_COMPARE_WITH_TIMEOUT(rig(), QStringLiteral("0"), 3000);
    QVERIFY(!m_station->keying.call([](PttKeyer& k) { return k.keyed(); }));
    QTRY_VERIFY(m_station->rx.text().contains(
        QStringLiteral("******* Transmit time-out: transmitter released until the modem sends PTT OFF  ")));
    // The reason stays, also once rigctld has acknowledged the unkey.
    QTRY_VERIFY(!m_station->keying.call([](PttKeyer& k) { return k.rigctld().unkeyPending(); }));
    QVERIFY(m_station->display.panel(Panel::Ptt).toolTip.startsWith(QStringLiteral("PTT time-out")));

    // A modem that keeps asking is not obeyed until it lets go.
    QSignalSpy asked(&m_station->link, &ModemLink::pttRequested);
    for (int i = 0; i < 3; ++i) {
        m_modem->sendLine(QStringLiteral("PTT ON"));
        QTRY_COMPARE(asked.count(), i + 1);
        QVERIFY(!m_station->keying.call([](PttKeyer& k) { return k.keyed(); }));
        QCOMPARE(m_station->display.panel(Panel::Ptt).text, QStringLiteral("RX"));
    }
    QCOMPARE(rig(), QStringLiteral("0"));

    m_modem->sendLine(QStringLiteral("PTT OFF"));
    QTRY_COMPARE(m_station->display.panel(Panel::Ptt).toolTip, QStringLiteral("PTT OFF"));
    keyUp();
    m_modem->sendLine(QStringLiteral("PTT OFF"));
    QTRY_COMPARE(rig(), QStringLiteral("0"));
}

void TestPttSafety::useCat(const PtyPair& pty)
{
    s().via = PttMethod::Cat;
    s().rig = 128; // IC-7300, CI-V
    s().baud = QStringLiteral("19200");
    s().catPort = QStringLiteral("COM3");
    s().portDevices.insert(3, pty.a());
    m_station->keying.OpenPttPort(KeyingConfigOf(s()));
    QVERIFY(m_boxes->verify());
}

void TestPttSafety::hungUpPortNeitherSpinsNorStaysLost()
{
    REQUIRE_TOOL("socat");
    PtyPair pty;
    QVERIFY(pty.start());
    link(m_rig.port());
    useCat(pty);
    m_modem->sendLine(QStringLiteral("PTT ON"));
    QTRY_VERIFY(pty.received().endsWith(Ic7300On));

    // The cable is pulled: the port closes and says why, naming the device.
    pty.kill();
    QTRY_VERIFY(!m_station->keying.call([](PttKeyer& k) { return k.comPTT().isOpen(); }));
    QTRY_COMPARE(m_station->display.panel(Panel::Ptt).picture, Picture::LedAmarillo);
    const PanelState panel = m_station->display.panel(Panel::Ptt);
    QVERIFY2(panel.toolTip.contains(pty.a()), qPrintable(panel.toolTip));

    // Nothing spins while it is gone (2 s of the event loop).
    const double before = cpuSeconds();
    QTest::qWait(2000);
    const double used = cpuSeconds() - before;
    QVERIFY2(used < 0.1, qPrintable(QStringLiteral("%1 s of CPU").arg(used)));

    // Plugged in again, still keyed: the next PTT ON reopens it quietly and keys.
    QVERIFY(pty.start());
    const qsizetype mark = pty.received().size();
    m_modem->sendLine(QStringLiteral("PTT ON"));
    QTRY_COMPARE(pty.received().mid(mark), Ic7300On);
    QTRY_COMPARE(m_station->display.panel(Panel::Ptt).picture, Picture::LedRojo);
    QVERIFY(m_boxes->verify());
}

void TestPttSafety::unkeyOwedToAResetCableArrives_data()
{
    QTest::addColumn<bool>("timeOut");
    QTest::newRow("PTT OFF") << false;
    QTest::newRow("time-out, no PTT OFF") << true;
}

void TestPttSafety::unkeyOwedToAResetCableArrives()
{
    QFETCH(bool, timeOut);
    REQUIRE_TOOL("socat");
    PtyPair pty;
    QVERIFY(pty.start());
    link(m_rig.port());
    useCat(pty);
    if (timeOut)
        m_station->keying.call([](PttKeyer& k) { k.setTimeoutOverride(1000); });
    m_modem->sendLine(QStringLiteral("PTT ON"));
    QTRY_VERIFY(pty.received().endsWith(Ic7300On));

    // RF resets the USB adapter: the device goes and comes back on its path.
    pty.kill();
    QTRY_VERIFY(m_station->rx.text().contains(
        QStringLiteral("******* PTT port %1 lost while transmitting: the radio may still be on the air  ")
            .arg(pty.a())));
    QVERIFY(pty.start());
    const qsizetype mark = pty.received().size();
    // Without PTT OFF, the time-out (running through the port error) unkeys.
    if (!timeOut)
        m_modem->sendLine(QStringLiteral("PTT OFF"));
    QTRY_COMPARE_WITH_TIMEOUT(pty.received().mid(mark), Ic7300Off, 5000);
    QTRY_VERIFY(
        m_station->rx.text().contains(QStringLiteral("******* PTT port %1 back: transmitter released  ").arg(pty.a())));
    QVERIFY(!m_station->keying.call([](PttKeyer& k) { return k.unkeyOwed(); }));
    QVERIFY(m_boxes->verify());
}

// The radio's state, asked of rigctld on a connection of the calling thread
// (which need run no event loop).
class RigProbe
{
public:
    explicit RigProbe(quint16 port)
        : m_port(port)
    { }
    QByteArray state()
    {
        if (m_socket.state() != QAbstractSocket::ConnectedState) {
            m_socket.connectToHost(QStringLiteral("127.0.0.1"), m_port);
            if (!m_socket.waitForConnected(2000))
                return QByteArray();
        }
        m_socket.write("t\n");
        if (!m_socket.waitForBytesWritten(2000))
            return QByteArray();
        while (!m_socket.canReadLine()) {
            if (!m_socket.waitForReadyRead(2000))
                return QByteArray();
        }
        return m_socket.readLine().trimmed();
    }
    // How long until the radio is in that state; -1 if not within withinMs.
    qint64 waitFor(const QByteArray& wanted, int withinMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < withinMs) {
            if (state() == wanted)
                return clock.elapsed();
        }
        return -1;
    }

private:
    quint16 m_port;
    QTcpSocket m_socket;
};

void TestPttSafety::linkThreaded(ThreadedFakeModem& modem)
{
    m_station = std::make_unique<DesktopStation>(m_dir->path());
    s().keldoMode = Mode::HF;
    s().hfHost = modem.host();
    s().hfTcpPort = modem.commandPort();
    s().via = PttMethod::Rigctld;
    s().rigctldHost = QStringLiteral("127.0.0.1");
    s().rigctldPort = m_rig.port();
    m_station->keying.call([](PttKeyer& k) {
        k.setRigctldRetryInterval(100);
        k.setTimeoutOverride(1000);
    });
    m_station->keying.OpenPttPort(KeyingConfigOf(s()));
    m_station->configureCore();
    m_station->link.CheckSockets();
    QTRY_VERIFY(modem.linked() && m_station->link.bothConnected());
}

QString TestPttSafety::whileGuiThreadHeld(int holdMs, const std::function<QString(RigProbe&)>& checks)
{
    // A slot holds the GUI thread (as a hung file write or a slow paint
    // would) until the checks, on a thread of their own, release it.
    QSemaphore holding, release;
    std::atomic<bool> held{false};
    QElapsedTimer heldFor;
    QMetaObject::invokeMethod(
        m_station.get(),
        [&] {
            heldFor.start();
            held = true;
            holding.release();
            release.acquire();
            held = false;
        },
        Qt::QueuedConnection);
    std::atomic<bool> done{false};
    QString failure;
    const quint16 rigPort = m_rig.port();
    std::thread checker([&] {
        holding.acquire();
        RigProbe rig(rigPort);
        failure = checks(rig);
        if (failure.isEmpty() && !held)
            failure = QStringLiteral("the GUI thread was let go too early");
        // Held that long in all, however quick the checks were.
        QThread::msleep(ulong(qMax<qint64>(0, holdMs - heldFor.elapsed())));
        release.release();
        done = true;
    });
    const bool finished = QTest::qWaitFor([&] { return done.load(); }, holdMs + 20000);
    checker.join();
    return finished ? failure : QStringLiteral("the checks did not end");
}

void TestPttSafety::keyingGoesOnWhileTheGuiThreadIsHeld()
{
    // The modem and the radio live outside the GUI thread: the modem on a
    // thread of its own, rigctld in its process.
    ThreadedFakeModem modem;
    QVERIFY(modem.listen());
    linkThreaded(modem);
    // The command socket and the keyer belong to the keying thread.
    KeyingThread& keying = m_station->keying;
    QVERIFY(keying.keyingThread() != QThread::currentThread());
    QCOMPARE(keying.keyer().thread(), keying.keyingThread());
    QCOMPARE(keying.channel().socket().thread(), keying.keyingThread());
    QCOMPARE(keying.call([](PttKeyer& k) { return k.rigctld().thread(); }), keying.keyingThread());
    qint64 unkeyMs = -1, timeoutMs = -1;
    const QString failure = whileGuiThreadHeld(5000, [&](RigProbe& rig) {
        modem.sendLine(QStringLiteral("PTT ON"));
        if (rig.waitFor("1", 3000) < 0)
            return QStringLiteral("PTT ON did not key");
        modem.sendLine(QStringLiteral("PTT OFF"));
        if ((unkeyMs = rig.waitFor("0", 3000)) < 0)
            return QStringLiteral("PTT OFF did not unkey");
        // Keyed and never let go: the time-out frees the radio.
        modem.sendLine(QStringLiteral("PTT ON"));
        if (rig.waitFor("1", 3000) < 0)
            return QStringLiteral("PTT ON did not key again");
        if ((timeoutMs = rig.waitFor("0", 4000)) < 0)
            return QStringLiteral("the time-out did not fire");
        return QString();
    });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY2(unkeyMs < 1000, qPrintable(QString::number(unkeyMs)));
    QVERIFY2(timeoutMs > 300, qPrintable(QString::number(timeoutMs)));
    // Once free, the GUI thread catches up with what the keyer did.
    QTRY_VERIFY(m_station->rx.text().contains(
        QStringLiteral("******* Transmit time-out: transmitter released until the modem sends PTT OFF  ")));
    QTRY_COMPARE(m_station->display.panel(Panel::Ptt).text, QStringLiteral("RX"));
}

void TestPttSafety::terminationSignalUnkeysWhileTheGuiThreadIsHeld()
{
    ThreadedFakeModem modem;
    QVERIFY(modem.listen());
    linkThreaded(modem);
    // No time-out to free the radio meanwhile.
    m_station->keying.call([](PttKeyer& k) { k.setTimeoutOverride(0); });
    SignalBridge bridge;
    m_station->keying.watchTermination(bridge.keyingFd());
    QSignalSpy terminated(&bridge, &SignalBridge::terminationRequested);
    const QString failure = whileGuiThreadHeld(1000, [&](RigProbe& rig) {
        modem.sendLine(QStringLiteral("PTT ON"));
        if (rig.waitFor("1", 3000) < 0)
            return QStringLiteral("PTT ON did not key");
        ::kill(::getpid(), SIGTERM);
        if (rig.waitFor("0", 3000) < 0)
            return QStringLiteral("the termination signal did not unkey");
        return QString();
    });
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    // The GUI thread hears of it too, once free, and shuts down as before.
    QTRY_COMPARE(terminated.count(), 1);
    QCOMPARE(terminated.first().first().toInt(), int(SIGTERM));
}

// The terminal killed outright while keyed through rigctld: the next start
// unkeys the radio before it reaches the modem, and the keying trace tells
// the story. rigctld here takes its commands late, so that a start that did
// not wait for the unkey would be seen linking while the radio transmits.
void TestPttSafety::killedWhileKeyedReleasedAtNextStart()
{
    TcpRelay relay(m_rig.port());
    relay.setDelay(300);
    QVERIFY(relay.listen());
    const QString ini = m_dir->filePath(QStringLiteral("station.ini"));
    {
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[PTT]\r\nVia=5\r\nRigctld Host=127.0.0.1\r\nRigctld Port=%1\r\n"
                               "[Setup]\r\nHF Host=%2\r\nHF TCP Port=%3\r\nKELDO Mode=KELDOHF\r\nAutoLaunch=0\r\n")
                    .arg(relay.port())
                    .arg(m_modem->host())
                    .arg(m_modem->commandPort())
                    .toLatin1());
    }
    const auto readFile = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QStringList args{QStringLiteral("--settings"), ini};
    {
        TerminalProcess station;
        QVERIFY(station.start(KELDO_TERMINAL_EXE, args, m_dir->path()));
        QTRY_VERIFY_WITH_TIMEOUT(m_modem->linked(), 30000);
        m_modem->sendLine(QStringLiteral("PTT ON"));
        QTRY_COMPARE(rig(), QStringLiteral("1"));
        QTRY_VERIFY(readFile(m_dir->filePath(QStringLiteral("station.keying"))).contains("keyed=1"));
        station.kill();
    }
    QCOMPARE(rig(), QStringLiteral("1"));
    QTRY_VERIFY(!m_modem->commandConnected());

    QString rigWhenLinked;
    const QMetaObject::Connection watch = connect(m_modem.get(), &FakeModem::commandAccepted, this, [&] {
        if (rigWhenLinked.isEmpty())
            rigWhenLinked = rig();
    });
    const auto unwatch = qScopeGuard([&] { disconnect(watch); });
    TerminalProcess station;
    QVERIFY(station.start(KELDO_TERMINAL_EXE, args, m_dir->path()));
    QTRY_VERIFY_WITH_TIMEOUT(!rigWhenLinked.isEmpty(), 30000);
    QCOMPARE(rigWhenLinked, QStringLiteral("0"));

    // A key with no unkey after it, then this start's release and its confirmation.
    const QByteArray address = "driver=rigctld address=127.0.0.1:" + QByteArray::number(relay.port());
    const QString trace = m_dir->filePath(QStringLiteral("station logs/keying.log"));
    QTRY_VERIFY(readFile(trace).contains(" unkey-confirmed " + address));
    const QByteArrayList lines = readFile(trace).split('\n');
    const auto find = [&](const QByteArray& event, qsizetype from = 0) {
        for (qsizetype i = from; i < lines.size(); ++i)
            if (lines[i].mid(25).startsWith(event))
                return i;
        return qsizetype(-1);
    };
    const qsizetype key = find("key reason=modem-asked " + address);
    const qsizetype release = find("startup-release reason=left-keyed " + address, key + 1);
    QVERIFY2(key >= 0 && release > key, readFile(trace).constData());
    for (qsizetype i = key + 1; i < release; ++i)
        QVERIFY2(!lines[i].contains(" unkey ") && !lines[i].contains(" closed"), lines[i].constData());
    QVERIFY(find("unkey-confirmed " + address, release + 1) > release);
    QVERIFY(station.stop());
    QVERIFY(!readFile(m_dir->filePath(QStringLiteral("station.keying"))).contains("keyed=1"));
}

void TestPttSafety::traceFollowsTheLogFolder()
{
    TerminalFixture t;
    QVERIFY(t.loadWithoutProgram("[PTT]\r\nVia=3\r\n"));
    const auto readFile = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    t.station->keying.call([](PttKeyer& k) {
        k.PttOn();
        k.PttOff();
    });
    const QString first = t.dir.filePath(QStringLiteral("KELDO Terminal logs/keying.log"));
    QTRY_VERIFY(readFile(first).endsWith(" unkey reason=modem-asked driver=VOX\n"));
    QVERIFY(readFile(first).contains(" setup driver=VOX\n"));
    QTRY_COMPARE(readFile(t.dir.filePath(QStringLiteral("KELDO Terminal.keying"))),
                 QByteArray("driver=VOX\nkeyed=0\n"));

    // Another log folder takes the trace from then on.
    const QString other = t.dir.filePath(QStringLiteral("station logs"));
    t.s().logFolder = other;
    t.station->applyLogSettings();
    t.station->keying.call([](PttKeyer& k) { k.PttOn(); });
    QTRY_VERIFY(readFile(other + QStringLiteral("/keying.log")).endsWith(" key reason=modem-asked driver=VOX\n"));
    QCOMPARE(readFile(first).count(" key "), 1);
}

// Named pipes that nobody reads at the logbook's path and at the day's
// conversation log: the over still ends with the unkey, and an over with no
// PTT OFF still times out, while the station logs a QSO to them.
void TestPttSafety::pipesAtTheLogPathsHoldNoKeying()
{
    TerminalFixture t;
    const QString logs = t.dir.filePath(QStringLiteral("KELDO Terminal logs"));
    QVERIFY(QDir().mkpath(logs));
    const QDate today = QDateTime::currentDateTimeUtc().date();
    for (const QString& name :
         {QStringLiteral("KELDO Terminal.adi"), today.toString(Qt::ISODate) + QStringLiteral(".log"),
          today.addDays(1).toString(Qt::ISODate) + QStringLiteral(".log")})
        QVERIFY(::mkfifo(QFile::encodeName(QDir(logs).filePath(name)).constData(), 0600) == 0);
    keyUpInWindow(t, "[Options]\r\nLog Conversations=1\r\nLog QSOs=1\r\nLog Without Asking=1\r\n");
    m_modem->sendLine(QStringLiteral("CONNECTED N0CALL-1 EA4XYZ 500"));
    m_modem->sendData("HELLO\r");
    QTRY_VERIFY(t.station->rx.text().contains(QStringLiteral("HELLO")));
    m_modem->sendLine(QStringLiteral("PTT OFF"));
    QTRY_COMPARE(rig(), QStringLiteral("0"));

    // No PTT OFF this time: the time-out lets go.
    t.station->keying.call([](PttKeyer& k) { k.setTimeoutOverride(300); });
    m_modem->sendLine(QStringLiteral("PTT ON"));
    QTRY_COMPARE(rig(), QStringLiteral("1"));
    QTRY_COMPARE_WITH_TIMEOUT(rig(), QStringLiteral("0"), 3000);
    m_modem->sendLine(QStringLiteral("PTT OFF"));

    // The QSO ends into the pipe: it waits, and the keyer still answers.
    m_modem->sendLine(QStringLiteral("DISCONNECTED"));
    QTRY_COMPARE(t.station->logbook.waiting(), 1);
    m_modem->sendLine(QStringLiteral("PTT ON"));
    QTRY_COMPARE(rig(), QStringLiteral("1"));
    m_modem->sendLine(QStringLiteral("PTT OFF"));
    QTRY_COMPARE(rig(), QStringLiteral("0"));
    QVERIFY(QFileInfo(QDir(logs).filePath(QStringLiteral("KELDO Terminal.adi"))).exists());
    QVERIFY(!QFileInfo(QDir(logs).filePath(QStringLiteral("KELDO Terminal.adi"))).isFile());
    QTRY_VERIFY(!m_boxes->shown().isEmpty());
    m_boxes->take();
}

QTEST_MAIN(TestPttSafety)
#include "test_ptt_safety.moc"
