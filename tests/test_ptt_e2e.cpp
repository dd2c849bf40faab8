#include "app/DesktopStation.h"
#include "app/frmKeldoTerminal.h"
#include "dialogs/frmPTT.h"
#include "presenter/DisplayState.h"
#include "presenter/Presenter.h"
#include "ptt/PttKeyer.h"
#include "ptt/SerialPortDevice.h"
#include "settings/Settings.h"
#include "support/FakePortEnumerator.h"
#include "support/MessageBoxRecorder.h"
#include "support/RadioEnds.h"
#include "support/RequireTool.h"
#include "support/SimProcess.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QByteArray Ic7300On = QByteArray::fromHex("FEFE94E01C0001FD");
const QByteArray Ic7300Off = QByteArray::fromHex("FEFE94E01C0000FD");

void writeIni(const QString& folder, const QString& text)
{
    QFile f(folder + QStringLiteral("/KELDO Terminal.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toLatin1());
}

} // namespace

// Keying a real tty device and a real rigctld, from the practice modem's
// "PTT ON" and "PTT OFF" lines through the terminal.
class TestPttEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void catBytesReachTheTty();
    void comMethodNeedsModemLines();
    void deviceChosenByPathKeysCat();
    void absentDeviceAtStartUpIsNamed();
    void rigctldRadioByModelNumber();
    void rigctldLineRecipes_data();
    void rigctldLineRecipes();
    void modemKeysTheRadio_data();
    void modemKeysTheRadio();
    void closingWhileKeyedUnkeys();

private:
    // A keyer alone, on the test's settings folder.
    PttKeyer& newKeyer();

    std::unique_ptr<MessageBoxRecorder> m_boxes;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<DisplayState> m_display;
    std::unique_ptr<Presenter> m_presenter;
    std::unique_ptr<PttKeyer> m_keyer;
};

void TestPttEndToEnd::init()
{
    m_boxes = std::make_unique<MessageBoxRecorder>();
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestPttEndToEnd::cleanup()
{
    m_keyer.reset();
    m_presenter.reset();
    m_display.reset();
    m_store.reset();
    m_boxes->verifyNoUnexpected();
    m_boxes.reset();
    m_dir.reset();
}

PttKeyer& TestPttEndToEnd::newKeyer()
{
    m_store = std::make_unique<SettingsStore>(m_dir->path());
    m_display = std::make_unique<DisplayState>();
    m_presenter = std::make_unique<Presenter>(*m_display);
    m_keyer = std::make_unique<PttKeyer>();
    m_presenter->watch(*m_keyer);
    return *m_keyer;
}

void TestPttEndToEnd::catBytesReachTheTty()
{
    PtyPair pty;
    REQUIRE_TOOL("socat");
    QVERIFY(pty.start());
    PttKeyer& keyer = newKeyer();
    Settings& s = m_store->s();
    s.via = PttMethod::Cat;
    s.rig = 48; // FT-817, five-byte commands, 4800,n,8,2
    s.baud = QStringLiteral("4800");
    s.catPort = QStringLiteral("COM3");
    s.portDevices.insert(3, pty.a());
    keyer.OpenPttPort(KeyingConfigOf(s));
    QVERIFY(m_boxes->verify());
    QCOMPARE(pty.lineSettings(), QStringLiteral("4800,n,8,2"));

    keyer.PttOn();
    QTRY_COMPARE(pty.received(), QByteArray::fromHex("0000000008"));
    keyer.PttOff();
    QTRY_COMPARE(pty.received(), QByteArray::fromHex("00000000080000000088"));

    // Another model on the same device: the port is reopened for it.
    s.rig = 128;
    s.baud = QStringLiteral("19200");
    keyer.OpenPttPort(KeyingConfigOf(s));
    QVERIFY(m_boxes->verify());
    QCOMPARE(pty.lineSettings(), QStringLiteral("19200,n,8,1"));
    keyer.PttOn();
    // (An unkey drops a key-up the port has not sent yet.)
    QTRY_VERIFY(pty.received().endsWith(Ic7300On));
    keyer.PttOff();
    keyer.ClosePttPort();
    QTRY_VERIFY(pty.received().endsWith(Ic7300On + Ic7300Off));
}

void TestPttEndToEnd::comMethodNeedsModemLines()
{
    PtyPair pty;
    REQUIRE_TOOL("socat");
    QVERIFY(pty.start());
    PttKeyer& keyer = newKeyer();
    Settings& s = m_store->s();
    s.via = PttMethod::Com;
    s.pttPort = QStringLiteral("COM3");
    s.portDevices.insert(3, pty.a());
    QSignalSpy failed(&keyer, &PttKeyer::portOpenFailed);
    keyer.OpenPttPort(KeyingConfigOf(s));
    QCOMPARE(failed.size(), 1);
    QCOMPARE(Presenter::PortOpenFailureText(failed[0][0].toString(), failed[0][1].toString()),
             QStringLiteral("Unable to open radio serial port COM3. May be in use by another application.\n") + pty.a()
                 + QStringLiteral(": no RTS/DTR lines"));
    QVERIFY(!keyer.comPTT().isOpen());

    // A device that does not exist at all: the system's reason on a line of its own.
    s.portDevices.insert(3, m_dir->filePath(QStringLiteral("no-such-tty")));
    s.via = PttMethod::Cat;
    s.catPort = QStringLiteral("COM3");
    keyer.OpenPttPort(KeyingConfigOf(s));
    QCOMPARE(failed.size(), 2);
    QVERIFY(
        Presenter::PortOpenFailureText(failed[1][0].toString(), failed[1][1].toString())
            .startsWith(QStringLiteral("Unable to open radio serial port COM3. May be in use by another application.\n")
                        + m_dir->filePath(QStringLiteral("no-such-tty: "))));
    QVERIFY(!keyer.comPTT().isOpen());
}

void TestPttEndToEnd::deviceChosenByPathKeysCat()
{
    PtyPair pty;
    REQUIRE_TOOL("socat");
    QVERIFY(pty.start());
    DesktopStation station(m_dir->path());
    Settings& s = station.s();
    s.via = PttMethod::Cat;
    s.rig = 128;
    s.baud = QStringLiteral("19200");
    s.icomAddress = QStringLiteral("94");
    // Typed, as no list names it: the pty itself, /dev/pts/N.
    const QString typed = QFileInfo(pty.a()).symLinkTarget();
    QVERIFY(typed.startsWith(QStringLiteral("/dev/pts/")));
    FakePortEnumerator ports;
    {
        auto dialog = station.pttDialog(nullptr, &ports);
        dialog->show();
        auto* list = dialog->findChild<QComboBox*>(QStringLiteral("cboCATCOM"));
        QVERIFY(list);
        list->setCurrentText(typed);
        QVERIFY(dialog->close());
    }
    QVERIFY(m_boxes->verify());
    QCOMPARE(s.catPort, typed);
    QVERIFY(station.keying.call([](PttKeyer& k) { return k.comPTT().isOpen(); }));

    station.keying.call([](PttKeyer& k) { k.PttOn(); });
    QTRY_COMPARE(pty.received(), Ic7300On);
    station.keying.call([](PttKeyer& k) { k.PttOff(); });
    station.keying.ClosePttPort();
    QTRY_COMPARE(pty.received(), Ic7300On + Ic7300Off);
}

void TestPttEndToEnd::absentDeviceAtStartUpIsNamed()
{
    quint16 nobody = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        nobody = probe.serverPort();
    }
    const QString unplugged = m_dir->filePath(QStringLiteral("usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0"));
    writeIni(m_dir->path(),
             QStringLiteral("[PTT]\r\nRig=128\r\nCATPort=%1\r\nBaud=19200\r\nVia=1\r\n"
                            "[Setup]\r\nHF Host=127.0.0.1\r\nHF TCP Port=%2\r\nKELDO Mode=KELDOHF\r\n"
                            "AutoLaunch=0\r\n")
                 .arg(unplugged)
                 .arg(nobody));
    DesktopStation station(m_dir->path());
    frmKeldoTerminal window(station);
    m_boxes->expectContaining(
        QStringLiteral("Unable to open radio serial port %1. May be in use by another application.").arg(unplugged),
        MessageBox::Icon::Warning, "KELDO Terminal");
    QVERIFY(window.Form_Load(m_dir->filePath(QStringLiteral("keldo-terminal"))));
    // The keying thread tells of the port; the box follows on this thread.
    QTRY_COMPARE(m_boxes->count(), 1);
    QVERIFY(m_boxes->verify());
    QVERIFY(!station.keying.call([](PttKeyer& k) { return k.comPTT().isOpen(); }));
    // The setting is kept for when the cable is back.
    QCOMPARE(station.s().catPort, unplugged);
    window.close();
}

void TestPttEndToEnd::rigctldRadioByModelNumber()
{
    // The README's first recipe, with a pseudo-terminal for the radio's CAT
    // port: Hamlib's IC-7300 (model 3073) sends the CI-V PTT frames. No radio
    // answers, so rigctld reports time-outs; the frames go out all the same.
    PtyPair pty;
    Rigctld rig;
    REQUIRE_TOOL("socat");
    REQUIRE_TOOL("rigctld");
    QVERIFY(pty.start());
    QVERIFY(rig.start({QStringLiteral("-m"), QStringLiteral("3073"), QStringLiteral("-r"), pty.a(),
                       QStringLiteral("-s"), QStringLiteral("19200")},
                      120000));
    PttKeyer& keyer = newKeyer();
    Settings& s = m_store->s();
    s.via = PttMethod::Rigctld;
    s.rigctldHost = QStringLiteral("127.0.0.1");
    s.rigctldPort = rig.port();
    keyer.OpenPttPort(KeyingConfigOf(s));
    keyer.PttOn();
    QTRY_VERIFY_WITH_TIMEOUT(pty.received().contains(Ic7300On), 60000);
    keyer.PttOff();
    QTRY_VERIFY_WITH_TIMEOUT(pty.received().contains(Ic7300Off), 60000);
    keyer.ClosePttPort();
}

void TestPttEndToEnd::rigctldLineRecipes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QByteArray>("keyed");
    QTest::addColumn<QByteArray>("unkeyed");
    QTest::newRow("RTS line") << "RTS" << QByteArray("RTS=1 DTR=0\n") << QByteArray("RTS=0 DTR=0\n");
    QTest::newRow("DTR line") << "DTR" << QByteArray("RTS=0 DTR=1\n") << QByteArray("RTS=0 DTR=0\n");
    // HID output reports: GPIO3 (bit 2) set, then cleared.
    QTest::newRow("CM108") << "CM108" << QByteArray::fromHex("0000040400") << QByteArray::fromHex("0000000400");
}

void TestPttEndToEnd::rigctldLineRecipes()
{
    // The README's line recipes ("rigctld -m 1 -P RTS -p <device>" and the
    // like), keyed by the terminal, with stand-ins for what needs hardware.
#ifndef KELDO_FAKE_LINES
    QSKIP("the line stand-ins are built on Linux only");
#else
    QFETCH(QString, type);
    QFETCH(QByteArray, keyed);
    QFETCH(QByteArray, unkeyed);
    PtyPair pty;
    Rigctld rig;
    REQUIRE_TOOL("socat");
    REQUIRE_TOOL("rigctld");
    QVERIFY(pty.start());
    const bool cm108 = type == QLatin1String("CM108");
    // Line changes are logged to one file; a CM108's reports are written to another.
    const QString record = m_dir->filePath(cm108 ? QStringLiteral("hidraw0") : QStringLiteral("lines.log"));
    if (cm108) {
        QFile hid(record);
        QVERIFY(hid.open(QIODevice::WriteOnly));
        rig.environment.insert(QStringLiteral("KELDO_FAKE_CM108"), QStringLiteral("1"));
    } else {
        rig.environment.insert(QStringLiteral("KELDO_LINES_LOG"), record);
    }
    rig.environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KELDO_FAKE_LINES));
    QStringList command{QStringLiteral("-m"), QStringLiteral("1"),     QStringLiteral("-P"), type,
                        QStringLiteral("-p"), cm108 ? record : pty.a()};
    if (cm108)
        command << QStringLiteral("-C") << QStringLiteral("ptt_bitnum=2");
    QVERIFY(rig.start(command));
    PttKeyer& keyer = newKeyer();
    Settings& s = m_store->s();
    s.via = PttMethod::Rigctld;
    s.rigctldHost = QStringLiteral("127.0.0.1");
    s.rigctldPort = rig.port();
    keyer.OpenPttPort(KeyingConfigOf(s));
    auto recorded = [&] {
        QFile f(record);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    keyer.PttOn();
    QTRY_VERIFY2_WITH_TIMEOUT(recorded().endsWith(keyed), recorded().toHex(' ').constData(), 20000);
    keyer.PttOff();
    QTRY_VERIFY2_WITH_TIMEOUT(recorded().endsWith(unkeyed), recorded().toHex(' ').constData(), 20000);
    keyer.ClosePttPort();
#endif
}

void TestPttEndToEnd::modemKeysTheRadio_data()
{
    QTest::addColumn<PttMethod>("via");
    QTest::newRow("CAT on a tty") << PttMethod::Cat;
    QTest::newRow("rigctld") << PttMethod::Rigctld;
}

void TestPttEndToEnd::modemKeysTheRadio()
{
    QFETCH(PttMethod, via);
    PtyPair pty;
    Rigctld rig;
    if (via == PttMethod::Cat)
        REQUIRE_TOOL("socat");
    else
        REQUIRE_TOOL("rigctld");
    QVERIFY(via == PttMethod::Cat ? pty.start() : rig.start());

    SimProcess sim({QStringLiteral("--step"), QStringLiteral("--reply"), QStringLiteral("none")});
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    DesktopStation station(m_dir->path());
    Settings& s = station.s();
    s.hfHost = sim.host();
    s.hfTcpPort = sim.port();
    s.via = via;
    s.rig = 128;
    s.baud = QStringLiteral("19200");
    s.catPort = QStringLiteral("COM3");
    s.portDevices.insert(3, pty.a());
    s.rigctldHost = QStringLiteral("127.0.0.1");
    s.rigctldPort = rig.port();
    station.keying.OpenPttPort(KeyingConfigOf(s));
    QVERIFY(m_boxes->verify());

    station.configureCore();
    station.link.CheckSockets();
    QTRY_VERIFY(station.link.bothConnected());
    QVERIFY(sim.waitForOutput(QStringLiteral("<- LISTEN ON")));
    sim.writeControl(QStringLiteral("callin N0CALL-2"));
    QVERIFY(!sim.waitForOutputMatch(QRegularExpression(QStringLiteral("^-> CONNECTED "))).isEmpty());

    station.link.writeData("HELLO\r");
    QVERIFY(!sim.waitForOutputMatch(QRegularExpression(QStringLiteral("^<= 6 bytes"))).isEmpty());
    sim.writeControl(QStringLiteral("step"));
    QVERIFY(sim.waitForOutput(QStringLiteral("-> PTT ON")));
    QTRY_COMPARE(station.display.panel(Panel::Ptt).text, QStringLiteral("TX"));
    if (via == PttMethod::Cat)
        QTRY_COMPARE(pty.received(), Ic7300On);
    else
        QTRY_COMPARE(rig.ptt(), QStringLiteral("1"));

    // The rest of the transmission, up to and including PTT OFF.
    sim.writeControl(QStringLiteral("run"));
    QVERIFY(sim.waitForOutput(QStringLiteral("-> PTT OFF")));
    QTRY_COMPARE(station.display.panel(Panel::Ptt).text, QStringLiteral("RX"));
    if (via == PttMethod::Cat)
        QTRY_COMPARE(pty.received(), Ic7300On + Ic7300Off);
    else
        QTRY_COMPARE(rig.ptt(), QStringLiteral("0"));
    station.keying.ClosePttPort();
}

void TestPttEndToEnd::closingWhileKeyedUnkeys()
{
    PtyPair pty;
    REQUIRE_TOOL("socat");
    QVERIFY(pty.start());
    SimProcess sim({QStringLiteral("--step"), QStringLiteral("--reply"), QStringLiteral("none")});
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    writeIni(m_dir->path(),
             QStringLiteral("[PTT]\r\nRig=128\r\nCATPort=COM3\r\nBaud=19200\r\nVia=1\r\n"
                            "[Setup]\r\nHF Host=%1\r\nHF TCP Port=%2\r\nKELDO Mode=KELDOHF\r\n"
                            "AutoLaunch=0\r\n[Ports]\r\nCOM3=%3\r\n")
                 .arg(sim.host())
                 .arg(sim.port())
                 .arg(pty.a()));
    DesktopStation station(m_dir->path());
    {
        frmKeldoTerminal window(station);
        QVERIFY(window.Form_Load(m_dir->filePath(QStringLiteral("keldo-terminal"))));
        QVERIFY(m_boxes->verify());
        QVERIFY(station.keying.call([](PttKeyer& k) { return k.comPTT().isOpen(); }));
        window.show();

        QTRY_VERIFY(station.link.bothConnected());
        QVERIFY(sim.waitForOutput(QStringLiteral("<- LISTEN ON")));
        sim.writeControl(QStringLiteral("callin N0CALL-2"));
        QVERIFY(!sim.waitForOutputMatch(QRegularExpression(QStringLiteral("^-> CONNECTED "))).isEmpty());
        station.link.writeData("HELLO\r");
        QVERIFY(!sim.waitForOutputMatch(QRegularExpression(QStringLiteral("^<= 6 bytes"))).isEmpty());
        sim.writeControl(QStringLiteral("step"));
        QVERIFY(sim.waitForOutput(QStringLiteral("-> PTT ON")));
        // Start-up ended unkeyed; the modem has keyed the radio since.
        QTRY_COMPARE(pty.received(), Ic7300Off + Ic7300On);

        window.close();
        QVERIFY(window.isShutDown());
        QVERIFY(!station.keying.call([](PttKeyer& k) { return k.comPTT().isOpen(); }));
    }
    QTRY_COMPARE(pty.received(), Ic7300Off + Ic7300On + Ic7300Off);
}

QTEST_MAIN(TestPttEndToEnd)
#include "test_ptt_e2e.moc"
