#include "files/FileWriter.h"
#include "files/RegularFile.h"
#include "ptt/FileKeyingJournal.h"
#include "ptt/KeyingState.h"
#include "ptt/KeyingTrace.h"
#include "ptt/PttDriverFactory.h"
#include "ptt/PttKeyer.h"
#include "ptt/RadioCatalogue.h"
#include "ptt/SerialPortList.h"
#include "settings/Settings.h"
#include "support/KeyerFixture.h"
#include "support/MemoryKeyingJournal.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>

#include <sys/stat.h>

// Keying by CAT command and by serial line, against a port that records
// what is done to it, and what the keyer announces meanwhile.
class TestPtt : public KeyerFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void portNamesAndDevices();
    void lineSettingsText();
    void civFramesForIc7300_data();
    void civFramesForIc7300();
    void ft817FiveByteCommands();
    void ts2000StopBitsByBaud_data();
    void ts2000StopBitsByBaud();
    void modelsWithoutCommandsWriteNothing_data();
    void modelsWithoutCommandsWriteNothing();
    void repeatedKeyUpIsNotSuppressed();
    void repeatedKeyUpDoesNotRestartTheTimeOut();
    void unsentKeyUpIsDroppedForTheUnkey();
    void owedUnkeyIsTriedOnceMoreAtClose();
    void comMethodByPin_data();
    void comMethodByPin();
    void comUnkeyDropsEachLineWhateverTheOther_data();
    void comUnkeyDropsEachLineWhateverTheOther();
    void comMethodOpensWithLinesLowered();
    void fmModeChangesPanelOnly();
    void openTwiceLeavesPortAlone();
    void changedParametersReopen();
    void catThenVoxThenCat();
    void openFailureNamesThePort();
    void portsSectionNamesTheDevice();
    void devicePathIsOpenedComparedAndNamedByItself();
    void sysfsListsSerialDevicesByStableName();
    void unusableSettingsShowTheMessage_data();
    void unusableSettingsShowTheMessage();
    void deviceWithoutLinesCarriesCatOnly();
    void closeLowersLinesAndFlushesBeforeClosing();
    void factoryBuildsTheDriverOfEachMethod();

    void traceTimeAndValues();
    void traceTellsTheOver_data();
    void traceTellsTheOver();
    void stateMarksTheKeyedRadio();
    void stateFileReadDefensively();
    void leftKeyedRadioReleasedAtStart();
    void fileJournalQueuesBoundsAndRotates();

private:
    void useCat(int rig, const QString& baud = QStringLiteral("4800"));

    // A CAT radio on a device that is never there, so that its failures read the same everywhere.
    void useCatOnAbsentDevice();

    std::unique_ptr<MemoryKeyingJournal> m_journal;
};

namespace {

const QString AbsentDevice = QStringLiteral("/dev/keldo-test-absent");
// 2026-12-08T03:41:07.123Z
constexpr qint64 TraceNow = 1796701267123;

} // namespace

void TestPtt::init()
{
    m_journal = std::make_unique<MemoryKeyingJournal>();
    startKeyer();
    m_keyer->setJournal(m_journal.get());
    m_keyer->setTraceClock([] { return TraceNow; });
}

void TestPtt::cleanup()
{
    stopKeyer();
    m_journal.reset();
}

void TestPtt::useCat(int rig, const QString& baud)
{
    s().via = PttMethod::Cat;
    s().rig = quint8(rig);
    s().baud = baud;
    s().catPort = QStringLiteral("COM3");
    open();
    QVERIFY(m_port->isOpen());
    m_port->clearLog();
}

void TestPtt::portNamesAndDevices()
{
    QCOMPARE(int(PortNumberOf("COM7")), 7);
    QCOMPARE(int(PortNumberOf("COM12")), 12);
    QCOMPARE(int(PortNumberOf("COMCOM4")), 4);
    QCOMPARE(int(PortNumberOf("COM3x")), 3);
    QCOMPARE(int(PortNumberOf("com3")), 0);
    QCOMPARE(int(PortNumberOf("")), 0);
    QCOMPARE(int(PortNumberOf("COM")), 0);
    QCOMPARE(int(PortNumberOf("COM255")), 255);
    QCOMPARE(int(PortNumberOf("COM256")), 0);
    QCOMPARE(int(PortNumberOf("COM99999999999999999999")), 0);

    QMap<int, QString> ports;
    ports.insert(3, QStringLiteral("/dev/ttyUSB0"));
    QVERIFY(PortDeviceFor(0, ports).isEmpty());
#ifdef Q_OS_WIN
    QCOMPARE(PortDeviceFor(3, ports), QStringLiteral("COM3"));
#else
    QCOMPARE(PortDeviceFor(3, ports), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(PortDeviceFor(1, ports), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(PortDeviceFor(16, ports), QStringLiteral("/dev/ttyS15"));
    // A stored device path is its own device and its own name.
    QCOMPARE(PortDeviceOf(QStringLiteral("/dev/serial/by-id/usb-X-if00"), ports),
             QStringLiteral("/dev/serial/by-id/usb-X-if00"));
    QCOMPARE(PortIdentityOf(QStringLiteral("/dev/ttyACM0")), QStringLiteral("/dev/ttyACM0"));
#endif
    QCOMPARE(PortDeviceOf(QStringLiteral("COM3"), ports), PortDeviceFor(3, ports));
    QCOMPARE(PortIdentityOf(QStringLiteral("COM3x")), QStringLiteral("COM3"));
    QCOMPARE(PortIdentityOf(QStringLiteral("USB")), QStringLiteral("COM0"));
}

void TestPtt::lineSettingsText()
{
    auto ls = LineSettings::parse("4800,n,8,2");
    QVERIFY(ls);
    QCOMPARE(ls->baud, 4800);
    QCOMPARE(ls->parity, 'n');
    QCOMPARE(ls->dataBits, 8);
    QCOMPARE(ls->stopBits, 2);
    ls = LineSettings::parse("4800,N,8,1");
    QVERIFY(ls);
    QCOMPARE(ls->parity, 'n');
    QCOMPARE(ls->stopBits, 1);
    QCOMPARE(LineSettings::parse("115200,e,7,1.5")->stopBits, 3);
    for (const char* bad : {"", "4800", "4800,n,8", "abc,n,8,1", "0,n,8,1", "-4800,n,8,1", "4800,x,8,1", "4800,n,9,1",
                            "4800,n,8,3", "4800,n,8,1,1", "99999999999,n,8,1"})
        QVERIFY2(!LineSettings::parse(QString::fromLatin1(bad)), bad);
}

void TestPtt::civFramesForIc7300_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("on");
    QTest::addColumn<QByteArray>("off");
    const QByteArray own_on = QByteArray::fromHex("FEFE94E01C0001FD");
    const QByteArray own_off = QByteArray::fromHex("FEFE94E01C0000FD");
    QTest::newRow("no stored address") << QString() << own_on << own_off;
    QTest::newRow("stored 5E") << "5E" << QByteArray::fromHex("FEFE5EE01C0001FD")
                               << QByteArray::fromHex("FEFE5EE01C0000FD");
    QTest::newRow("stored lower case a2")
        << "a2" << QByteArray::fromHex("FEFEA2E01C0001FD") << QByteArray::fromHex("FEFEA2E01C0000FD");
    // Not the broadcast address 00: the model's own serves.
    QTest::newRow("stored ZZ") << "ZZ" << own_on << own_off;
    QTest::newRow("stored 5") << "5" << own_on << own_off;
    QTest::newRow("stored 5E7") << "5E7" << own_on << own_off;
    QTest::newRow("stored 5G") << "5G" << own_on << own_off;
}

void TestPtt::civFramesForIc7300()
{
    QFETCH(QString, stored);
    QFETCH(QByteArray, on);
    QFETCH(QByteArray, off);
    s().icomAddress = stored;
    useCat(128, QStringLiteral("19200"));
    QCOMPARE(m_port->lineSettings(), QStringLiteral("19200,n,8,1"));
    m_keyer->PttOn();
    QCOMPARE(m_port->written, on);
    m_port->clearLog();
    m_keyer->PttOff();
    QCOMPARE(m_port->written, off);
}

void TestPtt::ft817FiveByteCommands()
{
    s().via = PttMethod::Cat;
    s().rig = 48;
    s().baud = QStringLiteral("4800");
    s().catPort = QStringLiteral("COM3");
    open();
    QCOMPARE(m_port->log.first(), QStringLiteral("open %1 4800,n,8,2").arg(PortDeviceFor(3, {})));
    m_port->clearLog();

    m_keyer->PttOn();
    QCOMPARE(m_port->log, QStringList{"write 00 00 00 00 08"});
    m_keyer->PttOff();
    QCOMPARE(m_port->log, QStringList({"write 00 00 00 00 08", "write 00 00 00 00 88"}));
}

void TestPtt::ts2000StopBitsByBaud_data()
{
    QTest::addColumn<int>("rig");
    QTest::addColumn<QString>("baud");
    QTest::addColumn<QString>("settings");
    QTest::newRow("TS-2000 4800") << 87 << "4800"
                                  << "4800,n,8,2";
    QTest::newRow("TS-2000 9600") << 87 << "9600"
                                  << "9600,n,8,1";
    QTest::newRow("TS-2000 57600") << 87 << "57600"
                                   << "57600,n,8,1";
    QTest::newRow("FT-817 38400") << 48 << "38400"
                                  << "38400,n,8,2";
    QTest::newRow("IC-7000 4800") << 29 << "4800"
                                  << "4800,n,8,1";
    QTest::newRow("Orion 4800") << 94 << "4800"
                                << "4800,n,8,1";
}

void TestPtt::ts2000StopBitsByBaud()
{
    QFETCH(int, rig);
    QFETCH(QString, baud);
    QFETCH(QString, settings);
    useCat(rig, baud);
    QCOMPARE(m_port->lineSettings(), settings);
    if (rig == 87) {
        m_keyer->PttOn();
        m_keyer->PttOff();
        QCOMPARE(m_port->written, QByteArray("TX;RX;"));
    }
}

void TestPtt::modelsWithoutCommandsWriteNothing_data()
{
    QTest::addColumn<QString>("model");
    for (const char* name : {"R-5000", "VR-5000", "FT-757GXII", "Jupiter", "RX-350"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestPtt::modelsWithoutCommandsWriteNothing()
{
    QFETCH(QString, model);
    useCat(RadioPositionOf(model));
    m_keyer->PttOn();
    QVERIFY(m_seen->transmitting());
    m_keyer->PttOff();
    QVERIFY(!m_seen->transmitting());
    QVERIFY(m_port->log.isEmpty());
}

void TestPtt::repeatedKeyUpIsNotSuppressed()
{
    useCat(87);
    m_keyer->PttOn();
    m_keyer->PttOn();
    QCOMPARE(m_port->written, QByteArray("TX;TX;"));
}

void TestPtt::repeatedKeyUpDoesNotRestartTheTimeOut()
{
    useCat(87);
    m_keyer->setTimeoutOverride(300);
    m_keyer->PttOn();
    // A modem that says "PTT ON" again and again, faster than the time-out.
    QTimer again;
    connect(&again, &QTimer::timeout, m_keyer.get(), [this] { m_keyer->PttOn(); });
    again.start(50);
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(m_keyer->timeoutHolding(), 3000);
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!m_keyer->keyed());
    QVERIFY(m_port->written.endsWith("RX;"));
}

void TestPtt::unsentKeyUpIsDroppedForTheUnkey()
{
    useCat(128);
    // The adapter stalls with the key-up still in it; the unkey comes.
    m_port->stalled = true;
    m_keyer->PttOn();
    m_keyer->PttOff();
    m_port->unstall();
    // Only the unkey reaches the radio: the key-up never follows it.
    QCOMPARE(m_port->written, QByteArray::fromHex("FEFE94E01C0000FD"));
    QVERIFY(m_port->log.contains(QStringLiteral("discard FE FE 94 E0 1C 00 01 FD")));
}

void TestPtt::owedUnkeyIsTriedOnceMoreAtClose()
{
    useCat(128);
    // No retry tick comes before the close.
    m_keyer->setPortRetryInterval(3600 * 1000);
    m_keyer->PttOn();
    m_port->hangUp(QStringLiteral("Resource temporarily unavailable"));
    m_keyer->PttOff();
    QVERIFY(m_keyer->unkeyOwed());
    m_port->clearLog();
    // The device is back by the time the program closes.
    m_keyer->ClosePttPort();
    QCOMPARE(m_port->written, QByteArray::fromHex("FEFE94E01C0000FD"));
    QVERIFY(!m_keyer->unkeyOwed());
    QVERIFY(!m_port->isOpen());
}

void TestPtt::comUnkeyDropsEachLineWhateverTheOther_data()
{
    QTest::addColumn<QString>("refused");
    QTest::newRow("RTS refused") << "rts";
    QTest::newRow("DTR refused") << "dtr";
}

void TestPtt::comUnkeyDropsEachLineWhateverTheOther()
{
    QFETCH(QString, refused);
    s().via = PttMethod::Com;
    s().pin = 3; // both lines
    s().pttPort = QStringLiteral("COM2");
    open();
    m_keyer->PttOn();
    QVERIFY(m_port->rts && m_port->dtr);
    m_port->refusedLines.insert(refused);
    m_port->clearLog();
    m_keyer->PttOff();
    // The refused line is told; the other one is down all the same.
    QCOMPARE(m_port->log,
             refused == QLatin1String("rts") ? QStringList({"rts-failed", "dtr 0"})
                                             : QStringList({"rts 0", "dtr-failed"}));
    QVERIFY(refused == QLatin1String("rts") ? !m_port->dtr : !m_port->rts);
    QVERIFY(!m_seen->why().isEmpty());
}

void TestPtt::comMethodByPin_data()
{
    QTest::addColumn<int>("pin");
    QTest::addColumn<QStringList>("on");
    QTest::newRow("RTS") << 1 << QStringList{"rts 1"};
    QTest::newRow("DTR") << 2 << QStringList{"dtr 1"};
    QTest::newRow("RTS+DTR") << 3 << QStringList{"rts 1", "dtr 1"};
    QTest::newRow("unknown pin") << 7 << QStringList{};
}

void TestPtt::comMethodByPin()
{
    QFETCH(int, pin);
    QFETCH(QStringList, on);
    s().via = PttMethod::Com;
    s().pin = quint8(pin);
    s().pttPort = QStringLiteral("COM2");
    open();
    QVERIFY(m_port->isOpen());
    m_port->clearLog();

    m_keyer->PttOn();
    QCOMPARE(m_port->log, on);
    m_port->clearLog();
    // Both lines drop, whatever the pin.
    m_keyer->PttOff();
    QCOMPARE(m_port->log, QStringList({"rts 0", "dtr 0"}));
    QVERIFY(m_port->written.isEmpty());
}

void TestPtt::comMethodOpensWithLinesLowered()
{
    s().via = PttMethod::Com;
    s().pttPort = QStringLiteral("COM2");
    s().baud = QStringLiteral("38400");
    s().rts = 1;
    s().dtr = 1;
    open();
    QCOMPARE(m_port->log,
             QStringList({QStringLiteral("open %1 4800,n,8,1").arg(PortDeviceFor(2, {})), "rts 0", "dtr 0"}));
}

void TestPtt::fmModeChangesPanelOnly()
{
    useCat(128);
    s().keldoMode = Mode::FM;
    configure();
    m_keyer->PttOn();
    QVERIFY(m_seen->clean(KeyingState::Transmitting));
    m_keyer->PttOff();
    QVERIFY(m_seen->clean(KeyingState::Receiving));
    QVERIFY(m_port->log.isEmpty());

    s().via = PttMethod::Com;
    configure();
    m_keyer->PttOn();
    QVERIFY(m_port->log.isEmpty());

    open();
    QVERIFY(!m_port->isOpen());
    QCOMPARE(m_port->log.last(), QStringLiteral("close"));
}

void TestPtt::openTwiceLeavesPortAlone()
{
    s().rts = 1;
    useCat(52);
    open();
    QVERIFY(m_port->log.isEmpty());
    QVERIFY(m_port->rts);

    s().via = PttMethod::Com;
    s().pttPort = QStringLiteral("COM5");
    open();
    m_port->clearLog();
    open();
    QVERIFY(m_port->log.isEmpty());
}

void TestPtt::changedParametersReopen()
{
    useCat(52);
    s().dtr = 1;
    open();
    QCOMPARE(m_port->log,
             QStringList(
                 {"flush", "close", QStringLiteral("open %1 4800,n,8,2").arg(PortDeviceFor(3, {})), "rts 0", "dtr 1"}));

    // CAT at 4800 with one stop bit and COM differ only in the letter's case:
    // the same port is opened again the same way.
    s().dtr = 0;
    useCat(29);
    s().via = PttMethod::Com;
    s().pttPort = QStringLiteral("COM3");
    open();
    QCOMPARE(m_port->log,
             QStringList(
                 {"flush", "close", QStringLiteral("open %1 4800,n,8,1").arg(PortDeviceFor(3, {})), "rts 0", "dtr 0"}));
}

void TestPtt::catThenVoxThenCat()
{
    useCat(87);
    s().via = PttMethod::Vox;
    open();
    QVERIFY(!m_port->isOpen());
    QCOMPARE(m_port->log.last(), QStringLiteral("close"));
    m_keyer->PttOn();
    QVERIFY(m_seen->transmitting());
    QVERIFY(m_port->written.isEmpty());

    s().via = PttMethod::Cat;
    m_port->clearLog();
    open();
    QVERIFY(m_port->isOpen());
    QCOMPARE(m_port->log.first(), QStringLiteral("open %1 4800,n,8,2").arg(PortDeviceFor(3, {})));
}

void TestPtt::openFailureNamesThePort()
{
    useCat(52);
    m_port->busyDevices.insert(PortDeviceFor(7, {}));
    s().catPort = QStringLiteral("COM7");
    // The port as stored, and the device with the system's reason.
    open();
    QVERIFY(m_seen->takeOpenFailure(QStringLiteral("COM7"), PortDeviceFor(7, {}) + ": "));
    QVERIFY(!m_port->isOpen());

    // Keying meant to happen and failed: TX, a failure standing, and where.
    m_port->clearLog();
    m_keyer->PttOn();
    QVERIFY(m_seen->transmitting());
    QVERIFY(m_seen->failure);
    QCOMPARE(m_seen->failure->where, QStringLiteral("COM7 (%1)").arg(PortDeviceFor(7, {})));
    QVERIFY(!m_seen->failure->portClosed);
    QVERIFY(m_port->written.isEmpty());

    // The next call tries again.
    m_port->busyDevices.clear();
    open();
    QVERIFY(m_port->isOpen());
    QCOMPARE(m_port->device, PortDeviceFor(7, {}));
}

void TestPtt::portsSectionNamesTheDevice()
{
#ifdef Q_OS_WIN
    QSKIP("On Windows the name is the device");
#endif
    s().portDevices.insert(3, QStringLiteral("/dev/ttyUSB0"));
    s().via = PttMethod::Cat;
    s().catPort = QStringLiteral("COM3");
    open();
    QCOMPARE(m_port->device, QStringLiteral("/dev/ttyUSB0"));

    m_port->busyDevices.insert(QStringLiteral("/dev/ttyUSB1"));
    s().portDevices.insert(4, QStringLiteral("/dev/ttyUSB1"));
    s().catPort = QStringLiteral("COM4");
    open();
    QVERIFY(m_seen->takeOpenFailure(QStringLiteral("COM4")));
}

void TestPtt::devicePathIsOpenedComparedAndNamedByItself()
{
#ifdef Q_OS_WIN
    QSKIP("Windows ports go by their COM names");
#endif
    s().portDevices.insert(1, QStringLiteral("/dev/ttyUSB0"));
    s().via = PttMethod::Cat;
    s().rig = 52;
    s().catPort = QStringLiteral("/dev/ttyUSB0");
    open();
    QCOMPARE(m_port->log.first(), QStringLiteral("open /dev/ttyUSB0 4800,n,8,2"));

    // Every path has port number 0: only the path tells two devices apart.
    m_port->clearLog();
    s().catPort = QStringLiteral("/dev/ttyUSB1");
    open();
    QCOMPARE(m_port->log, QStringList({"flush", "close", "open /dev/ttyUSB1 4800,n,8,2", "rts 0", "dtr 0"}));
    m_port->clearLog();
    open();
    QVERIFY(m_port->log.isEmpty());

    // COM1 is the same device here, but another port text: reopened.
    s().catPort = QStringLiteral("COM1");
    open();
    QCOMPARE(m_port->log, QStringList({"flush", "close", "open /dev/ttyUSB0 4800,n,8,2", "rts 0", "dtr 0"}));

    // A device that is busy or unplugged is named by its path.
    const QString gone = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");
    m_port->busyDevices.insert(gone);
    s().via = PttMethod::Com;
    s().pttPort = gone;
    open();
    QVERIFY(m_seen->takeOpenFailure(gone));
    QVERIFY(!m_port->isOpen());
}

namespace {

void makeDir(const QString& path)
{
    QVERIFY(QDir().mkpath(path));
}

void writeFile(const QString& path, const QByteArray& text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

void makeLink(const QString& target, const QString& at)
{
    QVERIFY(QFile::link(target, at));
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void TestPtt::sysfsListsSerialDevicesByStableName()
{
#ifndef Q_OS_LINUX
    QSKIP("sysfs is Linux's");
#endif
    // A small copy of /sys/class/tty, /sys/devices and /dev.
    QTemporaryDir root;
    const QString sys = root.filePath(QStringLiteral("sys"));
    const QString tty = sys + QStringLiteral("/class/tty");
    const QString dev = root.filePath(QStringLiteral("dev"));
    const QString byId = dev + QStringLiteral("/serial/by-id");
    makeDir(tty);
    makeDir(byId);
    makeDir(sys + QStringLiteral("/bus/drivers/serial8250"));
    makeDir(sys + QStringLiteral("/devices/platform/serial8250"));
    makeLink(QStringLiteral("../../../bus/drivers/serial8250"),
             sys + QStringLiteral("/devices/platform/serial8250/driver"));
    auto usb = [&](const QString& port, const QString& ids, const QByteArray& maker, const QByteArray& product,
                   const QByteArray& serial) {
        const QString device = sys + QStringLiteral("/devices/usb1/") + port;
        makeDir(device + QStringLiteral("/") + port + QStringLiteral(":1.0"));
        writeFile(device + QStringLiteral("/idVendor"), ids.left(4).toLatin1() + "\n");
        writeFile(device + QStringLiteral("/idProduct"), ids.mid(5).toLatin1() + "\n");
        if (!maker.isEmpty())
            writeFile(device + QStringLiteral("/manufacturer"), maker + "\n");
        if (!product.isEmpty())
            writeFile(device + QStringLiteral("/product"), product + "\n");
        if (!serial.isEmpty())
            writeFile(device + QStringLiteral("/serial"), serial + "\n");
        return QStringLiteral("devices/usb1/") + port + QStringLiteral("/") + port + QStringLiteral(":1.0");
    };
    // name -> device folder under sys ("" for none); "type" of a serial-core port.
    auto ttyEntry = [&](const QString& name, const QString& device, const QByteArray& type = QByteArray()) {
        makeDir(tty + QLatin1Char('/') + name);
        if (!device.isEmpty()) {
            makeDir(sys + QLatin1Char('/') + device);
            makeLink(QStringLiteral("../../../") + device, tty + QLatin1Char('/') + name + QStringLiteral("/device"));
        }
        if (!type.isEmpty())
            writeFile(tty + QLatin1Char('/') + name + QStringLiteral("/type"), type + "\n");
        writeFile(dev + QLatin1Char('/') + name, QByteArray());
    };
    ttyEntry(QStringLiteral("tty0"), QString()); // a console
    ttyEntry(QStringLiteral("ttyS0"), QStringLiteral("devices/platform/serial8250"), "4"); // a 16550A
    ttyEntry(QStringLiteral("ttyS1"), QStringLiteral("devices/platform/serial8250"), "0"); // no UART
    const QString ftdi = usb(QStringLiteral("1-1"), QStringLiteral("0403:6001"), "FTDI", "FT232R USB UART", "A1B2C3");
    ttyEntry(QStringLiteral("ttyUSB0"), ftdi + QStringLiteral("/ttyUSB0"));
    const QString cp =
        usb(QStringLiteral("1-2"), QStringLiteral("10c4:ea60"), "Silicon Labs", QByteArray(), QByteArray());
    writeFile(sys + QLatin1Char('/') + cp + QStringLiteral("/interface"), "CAT\n");
    ttyEntry(QStringLiteral("ttyACM0"), cp);
    const QString third = usb(QStringLiteral("1-3"), QStringLiteral("067b:2303"), "", "", "");
    ttyEntry(QStringLiteral("ttyUSB10"), third + QStringLiteral("/ttyUSB10"));
    ttyEntry(QStringLiteral("ttyUSB2"), third + QStringLiteral("/ttyUSB2"));
    const QString stable = byId + QStringLiteral("/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");
    makeLink(QStringLiteral("../../ttyUSB0"), stable);
    writeFile(dev + QStringLiteral("/ttyXR0"), QByteArray());
    makeLink(QStringLiteral("../../ttyXR0"), byId + QStringLiteral("/usb-Exar_XR21V1410-if00"));

    const QList<SerialDevice> found = SysfsPortEnumerator(tty, dev, byId).devices();
    QStringList paths;
    for (const SerialDevice& d : found)
        paths << d.path;
    QCOMPARE(paths,
             QStringList({dev + "/ttyACM0", dev + "/ttyS0", stable, dev + "/ttyUSB2", dev + "/ttyUSB10",
                          byId + "/usb-Exar_XR21V1410-if00"}));
    QCOMPARE(SerialDeviceToolTip(found[2]),
             stable + QStringLiteral("\nFT232R USB UART\nFTDI\nUSB 0403:6001, serial A1B2C3"));
    QCOMPARE(SerialDeviceToolTip(found[0]), dev + QStringLiteral("/ttyACM0\nCAT\nSilicon Labs\nUSB 10c4:ea60"));
    QCOMPARE(SerialDeviceToolTip(found[1]), dev + QStringLiteral("/ttyS0\nserial8250"));
    QCOMPARE(SerialDeviceToolTip(found[3]), dev + QStringLiteral("/ttyUSB2\nUSB 067b:2303"));
    QCOMPARE(SerialDeviceToolTip(found[5]), found[5].path);

    // Nothing there at all (no sysfs, no by-id folder): no devices, no fault.
    QVERIFY(
        SysfsPortEnumerator(root.filePath("none"), root.filePath("none"), root.filePath("none")).devices().isEmpty());
}

void TestPtt::unusableSettingsShowTheMessage_data()
{
    QTest::addColumn<PttMethodSetting>("via");
    QTest::addColumn<int>("rig");
    QTest::addColumn<QString>("baud");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("named");
    const PttMethodSetting cat = PttMethod::Cat;
    QTest::newRow("rig 0") << cat << 0 << "4800"
                           << "COM3"
                           << "COM3";
    QTest::newRow("rig 135") << cat << 135 << "4800"
                             << "COM3"
                             << "COM3";
    QTest::newRow("baud not a number") << cat << 52 << "fast"
                                       << "COM3"
                                       << "COM3";
    QTest::newRow("empty baud") << cat << 52 << ""
                                << "COM3"
                                << "COM3";
    QTest::newRow("no port number") << cat << 52 << "4800"
                                    << "USB"
                                    << "COM0";
    QTest::newRow("unknown method") << PttMethodSetting::other(7) << 52 << "4800"
                                    << "COM3"
                                    << "COM0";
}

void TestPtt::unusableSettingsShowTheMessage()
{
    QFETCH(PttMethodSetting, via);
    QFETCH(int, rig);
    QFETCH(QString, baud);
    QFETCH(QString, port);
    QFETCH(QString, named);
    s().via = via;
    s().rig = quint8(rig);
    s().baud = baud;
    s().catPort = port;
    open();
    QVERIFY(m_seen->takeOpenFailure(named));
    QVERIFY(!m_port->isOpen());
    // Keying with such settings is announced and reaches no radio.
    m_keyer->PttOn();
    m_keyer->PttOff();
    QVERIFY(m_port->written.isEmpty());
    QVERIFY(!m_seen->transmitting());
}

void TestPtt::deviceWithoutLinesCarriesCatOnly()
{
    m_port->hasLines = false;
    s().rts = 1;
    useCat(128);
    m_keyer->PttOn();
    QCOMPARE(m_port->written, QByteArray::fromHex("FEFE94E01C0001FD"));

    s().via = PttMethod::Com;
    s().pttPort = QStringLiteral("COM3");
    open();
    QVERIFY(m_seen->takeOpenFailure(QStringLiteral("COM3")));
    QVERIFY(!m_port->isOpen());
}

void TestPtt::closeLowersLinesAndFlushesBeforeClosing()
{
    s().rts = 1;
    s().dtr = 1;
    useCat(87);
    m_keyer->PttOff();
    m_keyer->ClosePttPort();
    QCOMPARE(m_port->log, QStringList({"write 52 58 3B", "rts 0", "dtr 0", "flush", "close"}));
    QVERIFY(!m_port->isOpen());
    m_port->clearLog();
    m_keyer->ClosePttPort();
    QVERIFY(m_port->log.isEmpty());
}

void TestPtt::useCatOnAbsentDevice()
{
    s().portDevices.insert(3, AbsentDevice);
    useCat(128, QStringLiteral("19200"));
    m_journal->clear();
}

// The one place a method becomes a driver: each its own, and in FM (the
// modem keys) none that keys anything.
void TestPtt::factoryBuildsTheDriverOfEachMethod()
{
    auto port = std::make_unique<RecordingSerialPort>();
    port->busyDevices.insert(AbsentDevice);
    const PttDriverShared shared{std::make_shared<SerialLine>(std::move(port)), std::make_shared<RigctldLinks>()};
    struct Expected
    {
        PttMethod method;
        QByteArray name;
        bool serial;
        bool confirmsLater;
        bool keysItself;
    };
    const Expected all[] = {{PttMethod::Cat, "CAT", true, false, false},
                            {PttMethod::Com, "COM", true, false, false},
                            {PttMethod::Vox, "VOX", false, false, true},
                            {PttMethod::Rigctld, "rigctld", false, true, false},
                            {PttMethod::Other, "none", false, false, true}};
    for (const Expected& e : all) {
        KeyingConfig c = KeyingConfigOf(s());
        c.method = e.method;
        for (const bool terminalKeys : {true, false}) {
            c.terminalKeys = terminalKeys;
            const std::shared_ptr<PttDriver> d = PttDriverFactory::create(c, shared);
            KeyingTraceLine line(TraceNow, "setup");
            d->describeTo(line);
            const QByteArray where = e.name + (terminalKeys ? "" : " in FM");
            QVERIFY2(line.text().contains(" driver=" + (terminalKeys ? e.name : QByteArray("none"))), where);
            QVERIFY2(d->usesSerialPort() == (terminalKeys && e.serial), where);
            QVERIFY2(d->confirmsLater() == (terminalKeys && e.confirmsLater), where);
            QVERIFY2(d->radioKeysItself() == (!terminalKeys || e.keysItself), where);
        }
    }

    // A serial driver's failure is signalled as well as returned.
    s().portDevices.insert(3, AbsentDevice);
    s().catPort = s().pttPort = QStringLiteral("COM3");
    s().rig = 128;
    s().pin = 1;
    for (const PttMethod method : {PttMethod::Cat, PttMethod::Com}) {
        s().via = method;
        const std::shared_ptr<PttDriver> d = PttDriverFactory::create(KeyingConfigOf(s()), shared);
        QSignalSpy errors(d.get(), &PttDriver::errorOccurred);
        const std::optional<QString> failure = d->openPort();
        QVERIFY(failure);
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors.first().first().toString(), *failure);
        const KeyingResult key = d->key();
        QVERIFY(!key.ok);
        QCOMPARE(errors.size(), 2);
        QCOMPARE(errors.last().first().toString(), key.problem);
    }
}

void TestPtt::traceTimeAndValues()
{
    QCOMPARE(UtcTimeText(TraceNow), QByteArray("2026-12-08T03:41:07.123Z"));
    // As Qt's calendar has them: the epoch, leap days, a century's turn, the last millisecond of a day.
    for (const qint64 ms :
         {qint64(0), qint64(951782400000), qint64(1709164800999), qint64(4102444799999), qint64(253402300799999)})
        QCOMPARE(UtcTimeText(ms),
                 QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc())
                     .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"))
                     .toLatin1());

    QCOMPARE(TraceValue("COM3"), QByteArray("COM3"));
    QCOMPARE(TraceValue(""), QByteArray("\"\""));
    QCOMPARE(TraceValue("No such file"), QByteArray("\"No such file\""));
    QCOMPARE(TraceValue("say \"73\" \\"), QByteArray("\"say \\\"73\\\" \\\\\""));
    // One line, ASCII only, whatever a port name holds.
    QCOMPARE(KeyingTraceLine(TraceNow, "key").field("port", QString::fromUtf8("P\xC3\xB3rt\r\n")).field("n", 5).text(),
             QByteArray("2026-12-08T03:41:07.123Z key port=P\\xC3\\xB3rt\\x0D\\x0A n=5\n"));
}

void TestPtt::traceTellsTheOver_data()
{
    const QByteArray cat = " driver=CAT port=COM3 device=/dev/keldo-test-absent radio=IC-7300";
    QTest::addColumn<QString>("over");
    QTest::addColumn<QByteArrayList>("events");
    QTest::newRow("normal over") << "normal"
                                 << QByteArrayList{"key reason=modem-asked" + cat, "unkey reason=modem-asked" + cat};
    // PTT ON ignored while the time-out holds is told once per hold.
    QTest::newRow("time-out") << "time-out"
                              << QByteArrayList{
                                     "key reason=modem-asked" + cat, "timeout reason=timed-out" + cat + " limit-ms=50",
                                     "lockout reason=timed-out" + cat, "idle-unkey reason=modem-asked" + cat};
    QTest::newRow("link lost") << "link lost"
                               << QByteArrayList{"key reason=modem-asked" + cat, "unkey reason=link-lost" + cat};
    // The port failing once per retry is told once.
    QTest::newRow("CAT cable reset") << "reset"
                                     << QByteArrayList{
                                            "key reason=modem-asked" + cat,
                                            "port-lost" + cat + " keyed=yes detail=\"Input/output error\"",
                                            "unkey reason=modem-asked" + cat + " failed=\"port not open\" owed=yes",
                                            "owed-unkey-failed" + cat + " detail=\"" + AbsentDevice.toLatin1() + ": "
                                                + std::strerror(ENOENT) + "\"",
                                            "owed-unkey-delivered" + cat};
}

void TestPtt::traceTellsTheOver()
{
    QFETCH(QString, over);
    QFETCH(QByteArrayList, events);
    // keldo.ptt, when asked for, tells the same lines.
    static QByteArrayList logged;
    QLoggingCategory::setFilterRules(QStringLiteral("keldo.ptt.debug=true"));
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
            if (qstrcmp(context.category, "keldo.ptt") == 0)
                logged.append(text.toUtf8() + '\n');
        });
    const auto restore = qScopeGuard([previous] {
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
    });
    useCatOnAbsentDevice();
    logged.clear();
    m_keyer->setPortRetryInterval(10);
    if (over == QLatin1String("time-out"))
        m_keyer->setTimeoutOverride(50);
    m_keyer->PttOn();
    if (over == QLatin1String("normal")) {
        m_keyer->PttOff();
    } else if (over == QLatin1String("time-out")) {
        QTRY_VERIFY(m_keyer->timeoutHolding());
        m_keyer->PttOn();
        m_keyer->PttOn();
        m_keyer->PttOff();
    } else if (over == QLatin1String("link lost")) {
        m_keyer->releaseNow(KeyingReason::LinkLost);
    } else {
        m_port->busyDevices.insert(AbsentDevice);
        m_port->fail(QStringLiteral("Input/output error"));
        m_keyer->PttOff();
        // Retried a few times meanwhile, told once.
        QTRY_VERIFY(m_port->log.count(QStringLiteral("open-failed ") + AbsentDevice) >= 3);
        QCOMPARE(m_journal->lines().size(), 4);
        m_port->busyDevices.clear();
        QTRY_VERIFY(!m_keyer->unkeyOwed());
        QCOMPARE(m_port->log.last(), QStringLiteral("write FE FE 94 E0 1C 00 00 FD"));
    }
    QCOMPARE(m_journal->events(), events);
    for (const QByteArray& line : m_journal->lines())
        QVERIFY2(line.startsWith("2026-12-08T03:41:07.123Z ") && line.endsWith('\n') && line.count('\n') == 1,
                 line.constData());
    // Nothing is left marked keyed once the radio was released.
    QVERIFY(m_journal->keyedEntries().isEmpty());
    QCOMPARE(logged, m_journal->lines());
}

void TestPtt::stateMarksTheKeyedRadio()
{
    useCatOnAbsentDevice();
    QCOMPARE(m_journal->keyedEntries().size(), 0);
    // The key goes out first, then the state follows.
    QByteArrayList writtenAtState;
    m_journal->onState = [&] { writtenAtState << m_port->written; };
    m_keyer->PttOn();
    QCOMPARE(writtenAtState, QByteArrayList{QByteArray::fromHex("FEFE94E01C0001FD")});
    QList<KeyingStateEntry> keyed = m_journal->keyedEntries();
    QCOMPARE(keyed.size(), 1);
    QCOMPARE(keyed[0].config.method, PttMethod::Cat);
    QCOMPARE(keyed[0].config.cat.device, AbsentDevice);
    QCOMPARE(keyed[0].config.cat.rig, 128);
    QCOMPARE(keyed[0].config.cat.baud, QStringLiteral("19200"));
    // A repeated key-up changes nothing to save.
    const int states = m_journal->states().size();
    m_keyer->PttOn();
    QCOMPARE(m_journal->states().size(), states);
    m_keyer->PttOff();
    QVERIFY(m_journal->keyedEntries().isEmpty());

    // An owed unkey keeps the radio marked until it is delivered.
    m_keyer->setPortRetryInterval(10);
    m_keyer->PttOn();
    m_port->busyDevices.insert(AbsentDevice);
    m_port->fail(QStringLiteral("Input/output error"));
    m_keyer->PttOff();
    QVERIFY(m_keyer->unkeyOwed());
    QCOMPARE(m_journal->keyedEntries().size(), 1);
    // Keying moves to VOX meanwhile: the radio on the lost port stays marked.
    s().via = PttMethod::Vox;
    open();
    QCOMPARE(m_journal->keyedEntries().size(), 1);
    QCOMPARE(ParseKeyingState(m_journal->state()).last().config.method, PttMethod::Vox);
    m_port->busyDevices.clear();
    QTRY_VERIFY(!m_keyer->unkeyOwed());
    QVERIFY(m_journal->keyedEntries().isEmpty());

    // VOX keys nothing here, and says so.
    m_journal->clear();
    m_keyer->PttOn();
    m_keyer->PttOff();
    QCOMPARE(m_journal->events(),
             QByteArrayList({"key reason=modem-asked driver=VOX", "unkey reason=modem-asked driver=VOX"}));
    QVERIFY(m_journal->keyedEntries().isEmpty());
}

void TestPtt::stateFileReadDefensively()
{
    // What is written is read back, a device name with a line break included.
    KeyingStateEntry cat;
    cat.config.method = PttMethod::Cat;
    cat.config.cat =
        CatConfig{QStringLiteral("COM3"), QStringLiteral("/dev/odd%\nname"), 128, QStringLiteral("19200"), 1, 0,
                  QStringLiteral("5E")};
    cat.keyed = true;
    KeyingStateEntry com;
    com.config.method = PttMethod::Com;
    com.config.com = ComConfig{QStringLiteral("COM2"), QStringLiteral("/dev/ttyS1"), 3};
    KeyingStateEntry rig;
    rig.config.method = PttMethod::Rigctld;
    rig.config.rigctld = RigctldConfig{QStringLiteral("::1"), 4532};
    rig.keyed = true;
    const QByteArray text = FormatKeyingState({cat, com, rig});
    QCOMPARE(text.count('\n'), 9 + 5 + 4);
    const QList<KeyingStateEntry> back = ParseKeyingState(text);
    QCOMPARE(back.size(), 3);
    QCOMPARE(back[0].config.cat.device, cat.config.cat.device);
    QCOMPARE(back[0].config.cat.icomAddress, QStringLiteral("5E"));
    QCOMPARE(back[0].config.cat.rts, 1);
    QVERIFY(back[0].keyed && !back[1].keyed && back[2].keyed);
    QCOMPARE(back[1].config.com.pin, 3);
    QCOMPARE(back[2].config.rigctld.host, QStringLiteral("::1"));
    QCOMPARE(back[2].config.rigctld.port, 4532);

    // Anything else is passed over, entry by entry.
    const std::pair<QByteArray, int> inputs[] = {
        {"", 0},
        {QByteArray("\x00\xff\x01=\x02\n\n=\n====", 13), 0},
        {"driver=CAT\nport=COM3\ndevice=/dev/x\nmodel=999\nbaud=4800\nkeyed=1\n", 0},
        {"driver=CAT\nport=COM3\nmodel=128\nbaud=4800\nkeyed=1\n", 0},
        {"driver=CAT\nport=COM3\ndevice=/dev/x\nmodel=128\nkeyed=1\n", 0},
        {"driver=CAT\ndevice=/dev/x\nmodel=128\nbaud=fast\nkeyed=1\n", 0},
        {"driver=COM\ndevice=/dev/ttyS0\npin=9\nkeyed=1\n", 0},
        {"driver=rigctld\nhost=h\ntcp-port=70000\nkeyed=1\n", 0},
        {"driver=rigctld\nhost=h\ntcp-port=4532\nkeyed=2\n", 0},
        {"driver=rigctld\nhost=\ntcp-port=4532\nkeyed=1\n", 0},
        {"driver=VOX\nkeyed=1\n", 0},
        {"keyed=1\nhost=h\ntcp-port=4532\n", 0},
        {"driver=radio\nkeyed=1\r\ndriver=rigctld\r\nhost=h\r\ntcp-port=4532\r\nkeyed=1\r\n", 1},
        {"driver=rigctld\nhost=h\ntcp-port=4532\nkeyed=1\n" + QByteArray(5000, 'x') + "\ndriver=VOX\n", 1},
        {QByteArray("driver=rigctld\nhost=h\ntcp-port=4532\nkeyed=1\n").repeated(20), MaxKeyingStateEntries},
    };
    for (const auto& [input, entries] : inputs)
        QVERIFY2(ParseKeyingState(input).size() == entries, input.left(60).toHex().constData());

    QCOMPARE(KeyingStatePathFor(QStringLiteral("/a/KELDO Terminal.ini")), QStringLiteral("/a/KELDO Terminal.keying"));
    QCOMPARE(KeyingStatePathFor(QStringLiteral("/a/other.INI")), QStringLiteral("/a/other.keying"));
    QCOMPARE(KeyingStatePathFor(QStringLiteral("/a/station")), QStringLiteral("/a/station.keying"));
    // Never the settings file itself.
    QCOMPARE(KeyingStatePathFor(QStringLiteral("/a/x.keying")), QStringLiteral("/a/x.keying.keying"));

    // Only a small regular file is read: a pipe would hold the start up.
    const auto readState = [](const QString& path, qint64 maxBytes) -> std::optional<QByteArray> {
        const RegularFile::Read r = RegularFile::ReadFile(path, maxBytes, RegularFile::Links::Follow);
        return r.ok && r.exists ? std::optional<QByteArray>(r.bytes) : std::nullopt;
    };
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.keying"));
    writeFile(file, "keyed=0\n");
    QCOMPARE(readState(file, MaxKeyingStateBytes), std::optional<QByteArray>("keyed=0\n"));
    writeFile(file, QByteArray(int(MaxKeyingStateBytes) + 1, 'x'));
    QVERIFY(!readState(file, MaxKeyingStateBytes));
    QVERIFY(!readState(dir.filePath(QStringLiteral("missing")), MaxKeyingStateBytes));
    QVERIFY(!readState(dir.path(), MaxKeyingStateBytes));
#ifdef Q_OS_UNIX
    const QString fifo = dir.filePath(QStringLiteral("fifo.keying"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!readState(fifo, MaxKeyingStateBytes));
    const QString zero = dir.filePath(QStringLiteral("zero.keying"));
    makeLink(QStringLiteral("/dev/zero"), zero);
    QVERIFY(!readState(zero, MaxKeyingStateBytes));
#endif
}

void TestPtt::leftKeyedRadioReleasedAtStart()
{
    // A CAT radio and a COM line left keyed; another radio and a shared
    // rigctld this station had not keyed stay as they are.
    const QByteArray left = "driver=CAT\nport=COM3\ndevice=/dev/keldo-test-cat\nmodel=128\nbaud=19200\nrts=1\ndtr=0\n"
                            "icom-address=\nkeyed=1\n"
                            "driver=COM\nport=COM2\ndevice=/dev/keldo-test-com\npin=3\nkeyed=1\n"
                            "driver=CAT\nport=COM4\ndevice=/dev/keldo-test-other\nmodel=87\nbaud=4800\nkeyed=0\n"
                            "driver=rigctld\nhost=127.0.0.1\ntcp-port=4532\nkeyed=0\n";
    QCOMPARE(m_keyer->releaseLeftKeyed(left), 2);
    QCOMPARE(m_port->log,
             QStringList({"open /dev/keldo-test-cat 19200,n,8,1", "rts 1", "dtr 0", "write FE FE 94 E0 1C 00 00 FD",
                          "rts 0", "dtr 0", "flush", "close", "open /dev/keldo-test-com 4800,n,8,1", "rts 0", "dtr 0",
                          "flush", "close"}));
    QCOMPARE(m_keyer->rigctld().find(QStringLiteral("127.0.0.1"), 4532), nullptr);
    QCOMPARE(m_journal->events(),
             QByteArrayList({"startup-release reason=left-keyed driver=CAT port=COM3 device=/dev/keldo-test-cat "
                             "radio=IC-7300",
                             "startup-release reason=left-keyed driver=COM port=COM2 device=/dev/keldo-test-com "
                             "pin=RTS+DTR"}));
    QVERIFY(m_journal->keyedEntries().isEmpty());
    QVERIFY(!m_seen->failure);

    // A CAT port that cannot be opened owes the unkey, as a lost one does.
    m_port->clearLog();
    m_journal->clear();
    m_keyer->setPortRetryInterval(10);
    m_port->busyDevices.insert(QStringLiteral("/dev/keldo-test-cat"));
    QCOMPARE(m_keyer->releaseLeftKeyed(left.left(left.indexOf("driver=COM"))), 1);
    QVERIFY(m_keyer->unkeyOwed());
    QVERIFY(m_seen->failure);
    QCOMPARE(m_journal->keyedEntries().size(), 1);
    QVERIFY(m_journal->events().first().endsWith(" owed=yes"));
    m_port->busyDevices.clear();
    QTRY_VERIFY(!m_keyer->unkeyOwed());
    QVERIFY(m_port->log.contains(QStringLiteral("write FE FE 94 E0 1C 00 00 FD")));
    QVERIFY(m_journal->events().last().startsWith("owed-unkey-delivered driver=CAT"));
    QVERIFY(m_journal->keyedEntries().isEmpty());

    // Keying set up afterwards opens its own port as ever.
    m_port->clearLog();
    useCat(87);
    m_keyer->PttOn();
    QCOMPARE(m_port->written, QByteArray("TX;"));
}

void TestPtt::fileJournalQueuesBoundsAndRotates()
{
    // A disk that stalls: the keyer's calls still return at once, the trace
    // queue keeps its bound and counts what it let go, the state its newest.
    {
        QSemaphore entered;
        QSemaphore gate;
        QMutex mutex;
        QByteArrayList traced;
        QByteArrayList saved;
        FileKeyingJournal journal(
            [&](const QByteArray& bytes) {
                entered.release();
                gate.acquire();
                const QMutexLocker lock(&mutex);
                traced << bytes;
                return true;
            },
            [&](const QByteArray& bytes) {
                const QMutexLocker lock(&mutex);
                saved << bytes;
                return true;
            },
            3);
        journal.traceLine("1\n");
        QVERIFY(entered.tryAcquire(1, 5000));
        for (const char* line : {"2\n", "3\n", "4\n", "5\n", "6\n"})
            journal.traceLine(line);
        journal.saveState("a");
        journal.saveState("b");
        gate.release(10);
        QVERIFY(journal.waitIdle(5000));
        const QMutexLocker lock(&mutex);
        QCOMPARE(traced.size(), 2);
        QCOMPARE(traced[0], QByteArray("1\n"));
        QVERIFY2(traced[1].startsWith("2\n3\n4\n") && traced[1].endsWith(" trace-lines-dropped count=2\n"),
                 traced[1].constData());
        QCOMPARE(saved, QByteArrayList{"b"});
    }
    // A write refused is kept for the next one, never retried in a loop.
    {
        std::atomic<int> calls{0};
        std::atomic<bool> refuse{true};
        QByteArray traced;
        FileKeyingJournal journal(
            [&](const QByteArray& bytes) {
                ++calls;
                if (refuse)
                    return false;
                traced += bytes;
                return true;
            },
            [](const QByteArray&) { return true; });
        QTest::ignoreMessage(QtWarningMsg,
                             "keldo-terminal: the keying trace or state cannot be written; kept for later");
        journal.traceLine("1\n");
        QVERIFY(journal.waitIdle(5000));
        QCOMPARE(calls.load(), 1);
        refuse = false;
        journal.traceLine("2\n");
        QVERIFY(journal.waitIdle(5000));
        QCOMPARE(traced, QByteArray("1\n2\n"));
    }
    // A disk that never answers holds up the end of the program no longer than the wait.
    {
        const auto gate = std::make_shared<QSemaphore>();
        QElapsedTimer ended;
        {
            FileKeyingJournal journal([gate](const QByteArray&) { return gate->acquire(), true; },
                                      [](const QByteArray&) { return true; });
            journal.setCloseWait(50);
            journal.traceLine("closed\n");
            ended.start();
        }
        QVERIFY(ended.elapsed() < FileKeyingJournal::CloseWaitMs);
        gate->release(); // the worker left behind ends
    }
    // Through the file writer: the trace rotates keeping one older file, the state is replaced whole.
    QTemporaryDir dir;
    FileWriter files;
    const QString trace = dir.filePath(QStringLiteral("logs/keying.log"));
    const QString state = dir.filePath(QStringLiteral("KELDO Terminal.keying"));
    {
        const std::unique_ptr<FileKeyingJournal> journal = JournalThrough(files, trace, state, 64);
        for (char c : {'a', 'b', 'c'}) {
            journal->traceLine(QByteArray(39, c) + '\n');
            QVERIFY(journal->waitIdle(5000));
        }
        QVERIFY(files.flush(5000));
    }
    QCOMPARE(readAll(trace), QByteArray(39, 'c') + '\n');
    QCOMPARE(readAll(trace + QStringLiteral(".1")), QByteArray(39, 'b') + '\n');
    QCOMPARE(QDir(dir.filePath(QStringLiteral("logs"))).entryList(QDir::Files),
             QStringList({"keying.log", "keying.log.1"}));
    {
        const std::unique_ptr<FileKeyingJournal> journal = JournalThrough(files, trace, state);
        journal->saveState("driver=VOX\nkeyed=0\n");
        journal->traceLine("closed\n");
        journal->saveState("driver=rigctld\nhost=h\ntcp-port=1\nkeyed=1\n");
        // What waits is written as the journal goes.
    }
    QVERIFY(files.flush(5000));
    QCOMPARE(readAll(state), QByteArray("driver=rigctld\nhost=h\ntcp-port=1\nkeyed=1\n"));
    QVERIFY(readAll(trace).endsWith("\nclosed\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"KELDO Terminal.keying"});
}

QTEST_GUILESS_MAIN(TestPtt)
#include "test_ptt.moc"
