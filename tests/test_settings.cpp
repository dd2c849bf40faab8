#include "files/FileWriter.h"
#include "settings/IniDocument.h"
#include "settings/Language.h"
#include "settings/Settings.h"
#include "settings/SettingsLocation.h"
#include "settings/SettingsTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <atomic>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A failed save is reported once, naming the file (the window shows it in a box).
bool reportedOnce(const QSignalSpy& failed, const QString& path)
{
    if (failed.size() != 1 || !failed[0][0].toString().contains(path)) {
        qWarning() << "save failures reported:" << failed;
        return false;
    }
    return true;
}

// While it lives, a failed save of the store fails the test.
class NoSaveFailure
{
public:
    explicit NoSaveFailure(SettingsStore& store)
        : m_failed(&store, &SettingsStore::saveFailed)
    { }
    ~NoSaveFailure() { QVERIFY2(m_failed.isEmpty(), qPrintable(m_failed.value(0).value(0).toString())); }

private:
    QSignalSpy m_failed;
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The text a setting is saved as.
QString savedText(const Settings& s, const char* section, const char* key)
{
    SettingsStore store(QStringLiteral("/nonexistent"));
    store.s() = s;
    IniDocument doc;
    store.writeTo(doc);
    return doc.value(QLatin1String(section), QLatin1String(key));
}

QStringList listKeys(const char* name)
{
    QStringList keys;
    for (int i = 0; i < 10; ++i)
        keys << QString::number(i) + QLatin1String(name);
    return keys;
}

// The keys whose members differ, for comparisons with a readable failure.
QStringList differences(const Settings& a, const Settings& b)
{
    QStringList out;
    for (const SettingKey& k : SettingKeys())
        std::visit(
            [&](auto member) {
                if (!(a.*member == b.*member))
                    out << QLatin1String(k.key);
            },
            k.member);
    return out;
}

// Restores the file-size limit and SIGXFSZ whatever happens in the test.
struct FileSizeLimit
{
    rlimit old{};
    void (*oldHandler)(int) = SIG_DFL;
    bool active = false;
    explicit FileSizeLimit(rlim_t bytes)
    {
        if (::getrlimit(RLIMIT_FSIZE, &old) != 0)
            return;
        oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        rlimit lim = old;
        lim.rlim_cur = bytes;
        active = ::setrlimit(RLIMIT_FSIZE, &lim) == 0;
    }
    ~FileSizeLimit()
    {
        if (active)
            ::setrlimit(RLIMIT_FSIZE, &old);
        ::signal(SIGXFSZ, oldHandler);
    }
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void defaultsWithNoFile();
    void firstSaveWritesEveryKey();
    void readsWindowsWrittenFile();
    void presentEmptyKeyIsNotDefault();
    void numbers_data();
    void numbers();
    void modeRule_data();
    void modeRule();
    void callSignRuleAtLoad();
    void everySettingRoundTrips();
    void newerKeysWrittenOnlyWhenSet();
    void languageOfSettingAndSystem_data();
    void languageOfSettingAndSystem();
    void languageOfSystemUnderC();
    void savedTheSameUnderAnyLanguage();
    void unusualStoredValuesWrittenBackAsRead();
    void saveMergesWithOtherWriters();
    void queuedSavesJoinAndOnlyAFileIsWritten();
    void portsReadButNeverWritten();
    void macrosEscapedAndNeverCut();
    void valueWithLineBreaksCannotAddKeys();
    void interruptedSaveLeavesWholeFile();
    void readOnlyFolder();
    void missingFolder();
    void savesKeepPermissions();
    void unfinishedSaveClearedByNextSave();
    void locationOfTheSettingsFile();
    void newFileStartsFromSeed();

    void cyrillicPathSurvivesRestart();
    void codePageFileKeptByteForByte();
    void unmarkedUtf8FileKept();
    void linkChainKept();
    void readOnlyFileNotReplaced();
    void foreignFileNotReplaced();
    void readOnlyAsUnprivilegedUser();
};

void TestSettings::defaultsWithNoFile()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    store.s().rig = 1;
    store.s().myCallsign = QStringLiteral("X");
    store.LoadSettings();

    const Settings defaults;
    QCOMPARE(differences(store.s(), defaults), QStringList());
    QCOMPARE(store.s().rig, quint8(52));
    QCOMPARE(store.s().keldoHfPath, QStringLiteral("C:\\KELDO\\KELDO.exe"));
    QCOMPARE(store.s().keldoFmPath, QStringLiteral("C:\\KELDO FM\\KELDOFM.exe"));
    QCOMPARE(store.s().loadPathFile, Settings::defaultPathFolder());
    QVERIFY(!Settings::defaultPathFolder().isEmpty());
    QCOMPARE(store.filePath(), QDir(dir.path()).filePath("KELDO Terminal.ini"));
    QVERIFY(!QFile::exists(store.filePath()));
}

void TestSettings::firstSaveWritesEveryKey()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    store.LoadSettings();
    const NoSaveFailure watch(store);
    QVERIFY(store.SaveSettings());

    const QByteArray bytes = readAll(store.filePath());
    const IniDocument doc(bytes);
    QCOMPARE(doc.sections(), (QStringList{"PTT", "Setup", "Position", "Path", "Options"}));
    QCOMPARE(doc.keys("PTT"),
             (QStringList{"Rig", "PTTPort", "CATPort", "Baud", "Pin", "RTS", "DTR", "Via", "Icom Address",
                          "Rigctld Host", "Rigctld Port"}));
    const QStringList setup =
        QStringList{"HF TCP Port",   "FM TCP Port",    "SAT TCP Port",    "HF Host",         "FM Host",
                    "SAT Host",      "My Callsign",    "Connect With HF", "Connect With FM", "Connect With SAT",
                    "Via1",          "Via2",           "KELDO Mode",      "KELDOHF BW",      "KELDO HF Path",
                    "KELDO FM Path", "KELDO SAT Path", "Font Size",       "Colour",          "AutoLaunch"}
        + listKeys("ConnectHF List") + listKeys("ConnectFM List") + listKeys("ConnectSAT List") + listKeys("Via1 List")
        + listKeys("Via2 List");
    QCOMPARE(doc.keys("Setup"), setup);
    QCOMPARE(doc.keys("Setup").size(), 70);
    QCOMPARE(doc.keys("Position"),
             (QStringList{"Top Position", "Left Position", "Terminal Width", "Terminal Height", "Window State"}));
    QCOMPARE(doc.keys("Path"), (QStringList{"Load Path File", "Save Path File"}));
    QCOMPARE(doc.keys("Options"),
             (QStringList{"PTT Timeout",
                          "Speaker Colours",
                          "Notify on Incoming Call",
                          "Log Conversations",
                          "Log Folder",
                          "Keyer Lines",
                          "Show Call Events",
                          "Log QSOs",
                          "Log Without Asking",
                          "Log Mode",
                          "Log Submode",
                          "Rig Control Host",
                          "Rig Control Port",
                          "Send QSOs to Loggers",
                          "Logger Host",
                          "Logger Port",
                          "Show Macro Bar",
                          "Show Own Text at Once",
                          "Type Ahead",
                          "Time Stamps",
                          "Alert On Own Call",
                          "Alert Words"}));
    for (const char* list : {"ConnectHF List", "ConnectFM List", "ConnectSAT List", "Via1 List", "Via2 List"})
        for (const QString& key : listKeys(list))
            QCOMPARE(doc.value("Setup", key, "missing"), QString());

    // The exact text, as the Windows functions would have written it.
    QVERIFY(bytes.startsWith("[PTT]\r\nRig=52\r\nPTTPort=COM1\r\nCATPort=COM1\r\nBaud=4800\r\nPin=1\r\n"
                             "RTS=0\r\nDTR=0\r\nVia=3\r\nIcom Address=\r\nRigctld Host=localhost\r\n"
                             "Rigctld Port=4532\r\n[Setup]\r\nHF TCP Port=8300\r\nFM TCP Port=8300\r\n"
                             "SAT TCP Port=8300\r\nHF Host=localhost\r\nFM Host=localhost\r\nSAT Host=localhost\r\n"
                             "My Callsign=N0CALL-1\r\nConnect With HF=N0CALL-2\r\nConnect With FM=N0CALL-2\r\n"
                             "Connect With SAT=N0CALL-2\r\nVia1=\r\nVia2=\r\nKELDO Mode=KELDOHF\r\nKELDOHF BW=2300\r\n"
                             "KELDO HF Path=C:\\KELDO\\KELDO.exe\r\nKELDO FM Path=C:\\KELDO FM\\KELDOFM.exe\r\n"
                             "KELDO SAT Path=C:\\KELDO\\KELDOSAT.exe\r\nFont Size=10\r\nColour=Black\r\n"
                             "AutoLaunch=1\r\n0ConnectHF List=\r\n"));
    QVERIFY(bytes.contains("\r\n9Via2 List=\r\n[Position]\r\nTop Position=870\r\nLeft Position=2325\r\n"
                           "Terminal Width=8145\r\nTerminal Height=6105\r\nWindow State=0\r\n[Path]\r\n"));
    QVERIFY(bytes.endsWith("\r\n[Options]\r\nPTT Timeout=300\r\nSpeaker Colours=0\r\nNotify on Incoming Call=0\r\n"
                           "Log Conversations=0\r\nLog Folder=\r\nKeyer Lines=1\r\nShow Call Events=1\r\n"
                           "Log QSOs=0\r\nLog Without Asking=0\r\nLog Mode=\r\nLog Submode=\r\nRig Control Host=\r\n"
                           "Rig Control Port=4532\r\nSend QSOs to Loggers=0\r\nLogger Host=127.0.0.1\r\n"
                           "Logger Port=2237\r\nShow Macro Bar=0\r\nShow Own Text at Once=1\r\nType Ahead=1\r\n"
                           "Time Stamps=0\r\nAlert On Own Call=0\r\nAlert Words=\r\n"));
    QVERIFY(!bytes.contains("\n\n") && !bytes.contains("\r\r"));

    // Saving again changes nothing.
    QVERIFY(store.SaveSettings());
    QCOMPARE(readAll(store.filePath()), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"KELDO Terminal.ini"});
}

void TestSettings::readsWindowsWrittenFile()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    QVERIFY(writeAll(store.filePath(),
                     "Rig=77\r\n"
                     "[PTT]\r\n"
                     "Rig=12\r\n"
                     ";Rig=88\r\n"
                     "  pttport = COM3  \r\n"
                     "CATPort=COM4\r\n"
                     "Baud=\"9600\"\r\n"
                     "Pin=2\r\n"
                     "RTS=1\r\n"
                     "Rig=99\r\n"
                     "Via=2\r\n"
                     "Icom Address=94\r\n"
                     "Rigctld Host=rig.example\r\n"
                     "Rigctld Port=4533\r\n"
                     "\r\n"
                     "[SETUP]\r\n"
                     "HF TCP Port=8500\r\n"
                     "FM Host=fm.example\r\n"
                     "SAT TCP Port=8600\r\n"
                     "SAT Host=sat.example\r\n"
                     "KELDOHF BW=500\r\n"
                     "KELDO HF Path=C:\\HF.exe\r\n"
                     "KELDO FM Path=C:\\FM.exe\r\n"
                     "My Callsign=ea4xyz-7\r\n"
                     "KELDO Mode=KELDOSAT\r\n"
                     "KELDO SAT Path=C:\\Program Files\\KELDO\\KELDOSAT.exe\r\n"
                     "3connecthf list=ab1cd\r\n"
                     "0Via2 List = n0call-t \r\n"
                     "Colour=White\r\n"
                     "Font Size=16\r\n"
                     "AutoLaunch=0\r\n"
                     "[Position]\r\n"
                     "Top Position=-120\r\n"
                     "Window State=2\r\n"
                     "Terminal Width=9000\r\n"
                     "Terminal Height=7000\r\n"
                     "[Path]\r\n"
                     "Load Path File=C:\\Users\\op\\Desktop\r\n"
                     "[Options]\r\n"
                     "PTT Timeout=45\r\n"
                     "Speaker Colours=1\r\n"
                     "Notify on Incoming Call=1\r\n"
                     "Log Conversations=1\r\n"
                     "Log Folder=D:\\logs\r\n"
                     "Keyer Lines=0\r\n"));
    store.LoadSettings();
    const Settings& s = store.s();
    QCOMPARE(s.rig, quint8(12));
    QCOMPARE(s.pttPort, QStringLiteral("COM3"));
    QCOMPARE(s.catPort, QStringLiteral("COM4"));
    QCOMPARE(s.baud, QStringLiteral("9600"));
    QCOMPARE(s.pin, quint8(2));
    QCOMPARE(s.rts, quint8(1));
    QCOMPARE(s.dtr, quint8(0));
    QCOMPARE(s.via.value(), PttMethod::Com);
    QCOMPARE(s.icomAddress, QStringLiteral("94"));
    QCOMPARE(s.rigctldHost, QStringLiteral("rig.example"));
    QCOMPARE(s.rigctldPort, 4533);
    QCOMPARE(s.hfTcpPort, 8500);
    QCOMPARE(s.fmTcpPort, 8300);
    QCOMPARE(s.fmHost, QStringLiteral("fm.example"));
    QCOMPARE(s.hfHost, QStringLiteral("localhost"));
    QCOMPARE(s.satTcpPort, 8600);
    QCOMPARE(s.satHost, QStringLiteral("sat.example"));
    QCOMPARE(s.keldoHfBw, QStringLiteral("500"));
    QCOMPARE(s.keldoHfPath, QStringLiteral("C:\\HF.exe"));
    QCOMPARE(s.keldoFmPath, QStringLiteral("C:\\FM.exe"));
    QCOMPARE(s.myCallsign, QStringLiteral("EA4XYZ-7"));
    QCOMPARE(s.keldoMode.value(), Mode::SAT);
    QCOMPARE(s.keldoSatPath, QStringLiteral("C:\\Program Files\\KELDO\\KELDOSAT.exe"));
    QCOMPARE(s.connectHfList[3], QStringLiteral("AB1CD"));
    QCOMPARE(s.via2List[0], QStringLiteral("N0CALL-T"));
    QCOMPARE(s.colour, QStringLiteral("White"));
    QCOMPARE(s.fontSize, quint8(16));
    QCOMPARE(s.autoLaunch.value(), AutoLaunch::Off);
    QCOMPARE(s.topPosition, -120);
    QCOMPARE(s.leftPosition, 2325);
    QCOMPARE(s.windowState, qint16(2));
    QCOMPARE(s.terminalWidth, 9000);
    QCOMPARE(s.terminalHeight, 7000);
    QCOMPARE(s.loadPathFile, QStringLiteral("C:\\Users\\op\\Desktop"));
    QCOMPARE(s.savePathFile, Settings::defaultPathFolder());
    QCOMPARE(s.pttTimeoutSeconds, 45);
    QVERIFY(s.speakerColours && s.notifyIncomingCall && s.logConversations && !s.keyerLines);
    QCOMPARE(s.logFolder, QStringLiteral("D:\\logs"));
}

void TestSettings::presentEmptyKeyIsNotDefault()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    QVERIFY(writeAll(store.filePath(), "[Setup]\r\nHF Host=\r\nMy Callsign=\r\nKELDO HF Path=  \r\n"));
    store.LoadSettings();
    QCOMPARE(store.s().hfHost, QString(""));
    // No call to announce reads as the default call.
    QCOMPARE(store.s().myCallsign, Settings().myCallsign);
    QCOMPARE(store.s().keldoHfPath, QString(""));
    QCOMPARE(store.s().fmHost, QStringLiteral("localhost"));
}

void TestSettings::numbers_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");

    auto row = [](const char* name, const char* section, const char* key, const char* text, qint64 value) {
        QTest::newRow(name) << QString(section) << QString(key) << QString(text) << value;
    };
    row("Rig in range", "PTT", "Rig", "134", 134);
    row("Rig first", "PTT", "Rig", "1", 1);
    row("Rig 0", "PTT", "Rig", "0", 52);
    row("Rig 135", "PTT", "Rig", "135", 52);
    row("Rig 999", "PTT", "Rig", "999", 52);
    row("Rig rounded", "PTT", "Rig", "12.6", 13);
    row("Rig blanks", "PTT", "Rig", "  7  ", 7);
    row("Via 4 reads 3", "PTT", "Via", "4", 3);
    row("Via 3.6 rounds to 4, reads 3", "PTT", "Via", "3.6", 3);
    row("Via 5 rigctld", "PTT", "Via", "5", 5);
    row("Via 1", "PTT", "Via", "1", 1);
    row("Via empty", "PTT", "Via", "", 3);
    row("Pin empty", "PTT", "Pin", "", 1);
    row("Pin word", "PTT", "Pin", "abc", 1);
    row("Pin trailing junk", "PTT", "Pin", "2abc", 1);
    row("Pin exponent", "PTT", "Pin", "1e1", 1);
    row("Pin hex", "PTT", "Pin", "0x2", 1);
    row("Pin negative", "PTT", "Pin", "-1", 1);
    row("Pin 256", "PTT", "Pin", "256", 1);
    row("Pin 255", "PTT", "Pin", "255", 255);
    row("Pin plus", "PTT", "Pin", "+3", 3);
    row("Pin half to even down", "PTT", "Pin", "2.5", 2);
    row("Pin half to even up", "PTT", "Pin", "3.5", 4);
    row("RTS fraction only", "PTT", "RTS", ".6", 1);
    row("Pin lone dot", "PTT", "Pin", ".", 1);
    row("Pin 255.4", "PTT", "Pin", "255.4", 255);
    row("Pin 255.6 too big", "PTT", "Pin", "255.6", 1);
    row("RTS quoted", "PTT", "RTS", "\"1\"", 1);
    row("Rigctld Port", "PTT", "Rigctld Port", "4533", 4533);
    row("Rigctld Port junk", "PTT", "Rigctld Port", "x", 4532);
    row("port top", "Setup", "HF TCP Port", "65535", 65535);
    row("port over", "Setup", "FM TCP Port", "65536", 8300);
    row("port negative", "Setup", "SAT TCP Port", "-1", 8300);
    row("port zero", "Setup", "SAT TCP Port", "0", 0);
    row("AutoLaunch junk", "Setup", "AutoLaunch", "yes", 1);
    row("Font Size 14 kept", "Setup", "Font Size", "14", 14);
    row("Speaker Colours on", "Options", "Speaker Colours", "1", 1);
    row("Speaker Colours 2 is off", "Options", "Speaker Colours", "2", 0);
    row("Speaker Colours word is off", "Options", "Speaker Colours", "yes", 0);
    row("Font Size huge", "Setup", "Font Size", "99999999999999999999999", 10);
    row("Top negative", "Position", "Top Position", "-300", -300);
    row("Top 32-bit max", "Position", "Top Position", "2147483647", 2147483647);
    row("Top over 32 bits", "Position", "Top Position", "2147483648", 870);
    row("Left under 32 bits", "Position", "Left Position", "-2147483649", 2325);
    row("Width empty", "Position", "Terminal Width", "", 8145);
    row("Height junk", "Position", "Terminal Height", "6105px", 6105);
    row("Window State 16-bit min", "Position", "Window State", "-32768", -32768);
    row("Window State over 16 bits", "Position", "Window State", "40000", 0);
    row("Window State 7 as stored", "Position", "Window State", "7", 7);
}

void TestSettings::numbers()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(qint64, value);

    const QByteArray file = "[" + section.toLatin1() + "]\r\n" + key.toLatin1() + "=" + text.toLatin1() + "\r\n";
    SettingsStore store(QStringLiteral("/nonexistent"));
    store.readFrom(IniDocument(file));
    bool number = false;
    QCOMPARE(savedText(store.s(), qPrintable(section), qPrintable(key)).toLongLong(&number), value);
    QVERIFY(number);
}

void TestSettings::modeRule_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("mode");
    QTest::newRow("FM") << "KELDOFM"
                        << "KELDOFM";
    QTest::newRow("FM with more") << "KELDOFM2"
                                  << "KELDOFM";
    QTest::newRow("FM inside") << "xKELDOFMx"
                               << "KELDOFM";
    QTest::newRow("other case") << "keldofm"
                                << "keldofm";
    QTest::newRow("HF") << "KELDOHF"
                        << "KELDOHF";
    QTest::newRow("SAT") << "KELDOSAT"
                         << "KELDOSAT";
    QTest::newRow("anything") << "Packet"
                              << "Packet";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSettings::modeRule()
{
    QFETCH(QString, stored);
    QFETCH(QString, mode);
    IniDocument doc;
    doc.setValue("Setup", "KELDO Mode", stored);
    SettingsStore store(QStringLiteral("/nonexistent"));
    store.readFrom(IniDocument(doc.toBytes()));
    QCOMPARE(savedText(store.s(), "Setup", "KELDO Mode"), mode);
}

void TestSettings::callSignRuleAtLoad()
{
    IniDocument doc;
    doc.setValue("Setup", "My Callsign", "ABCDEFGH-1");
    doc.setValue("Setup", "Connect With HF", "ea4abc-r");
    doc.setValue("Setup", "Connect With FM", "ABCDEFGH");
    doc.setValue("Setup", "Connect With SAT", "N0CALL-0");
    doc.setValue("Setup", "Via1", "wide1-1");
    doc.setValue("Setup", "Via2", "W/DE");
    doc.setValue("Setup", "0ConnectHF List", "n0call-2");
    doc.setValue("Setup", "1ConnectHF List", "N0CALL-0");
    doc.setValue("Setup", "2ConnectHF List", "ok1");
    doc.setValue("Setup", "9ConnectSAT List", "sat9");
    doc.setValue("Setup", "5Via1 List", "digi-17");
    doc.setValue("Setup", "6Via2 List", "digi-18");
    doc.setValue("Setup", "0ConnectFM List", "fm-t");

    SettingsStore store(QStringLiteral("/nonexistent"));
    store.readFrom(IniDocument(doc.toBytes()));
    const Settings& s = store.s();
    QCOMPARE(s.myCallsign, Settings().myCallsign);
    QCOMPARE(s.connectWithHf, QStringLiteral("EA4ABC-R"));
    QCOMPARE(s.connectWithFm, QString(""));
    QCOMPARE(s.connectWithSat, QString(""));
    QCOMPARE(s.via1, QStringLiteral("WIDE1-1"));
    QCOMPARE(s.via2, QString(""));
    QCOMPARE(s.connectHfList[0], QStringLiteral("N0CALL-2"));
    QCOMPARE(s.connectHfList[1], QString(""));
    QCOMPARE(s.connectHfList[2], QStringLiteral("OK1"));
    QCOMPARE(s.connectSatList[9], QStringLiteral("SAT9"));
    QCOMPARE(s.via1List[5], QStringLiteral("DIGI-17"));
    QCOMPARE(s.via2List[6], QString(""));
    QCOMPARE(s.connectFmList[0], QStringLiteral("FM-T"));
    // The entry behind the invalid one stays stored, just not visible.
    QCOMPARE(VisibleHistory(s.connectHfList), QStringList{"N0CALL-2"});
}

void TestSettings::everySettingRoundTrips()
{
    QTemporaryDir dir;
    SettingsStore a(dir.path());
    Settings& s = a.s();
    s.rig = 3;
    s.pttPort = "COM7";
    s.catPort = "/dev/ttyUSB1";
    s.baud = "19200";
    s.pin = 3;
    s.rts = 1;
    s.dtr = 1;
    s.via = PttMethod::Rigctld;
    s.icomAddress = "94h";
    s.rigctldHost = "rig.local";
    s.rigctldPort = 4533;
    s.hfTcpPort = 8400;
    s.fmTcpPort = 8500;
    s.satTcpPort = 65534;
    s.hfHost = "hf";
    s.fmHost = "fm";
    s.satHost = "sat";
    s.myCallsign = "EA4AAA-1";
    s.connectWithHf = "EA4BBB";
    s.connectWithFm = "EA4CCC-2";
    s.connectWithSat = "EA4DDD-T";
    s.via1 = "WIDE1-1";
    s.via2 = "WIDE2-2";
    s.keldoMode = Mode::SAT;
    s.keldoHfBw = "500";
    s.autoLaunch = AutoLaunch::Off;
    for (int i = 0; i < 10; ++i) {
        s.connectHfList[size_t(i)] = QStringLiteral("HF%1").arg(i);
        s.connectFmList[size_t(i)] = QStringLiteral("FM%1").arg(i);
        s.connectSatList[size_t(i)] = QStringLiteral("SAT%1").arg(i);
        s.via1List[size_t(i)] = QStringLiteral("VA%1").arg(i);
        s.via2List[size_t(i)] = QStringLiteral("VB%1").arg(i);
    }
    s.keldoHfPath = "/opt/keldo/KELDO \"HF\".exe";
    s.keldoFmPath = "  spaced  ";
    s.keldoSatPath = "C:\\x\\y.exe";
    s.fontSize = 20;
    s.colour = "White";
    s.topPosition = -15;
    s.leftPosition = 100000;
    s.terminalWidth = 9000;
    s.terminalHeight = 7000;
    s.windowState = 1;
    s.loadPathFile = "/home/op/in";
    s.savePathFile = "/home/op/out";
    s.pttTimeoutSeconds = 45;
    s.speakerColours = true;
    s.notifyIncomingCall = true;
    s.keyerLines = false;
    s.showCallEvents = false;
    s.logConversations = true;
    s.logFolder = "/var/log/keldo";
    s.myLocator = "IN80DJ";
    s.txPower = "100";
    s.language = "pt_BR";

    const NoSaveFailure watch(a);
    QVERIFY(a.SaveSettings());
    SettingsStore b(dir.path());
    b.LoadSettings();
    QCOMPARE(differences(b.s(), a.s()), QStringList());
}

// "My Locator", "TX Power" and "Language": a file saved before they existed
// keeps its bytes until they are set; once in the file they stay, even emptied.
void TestSettings::newerKeysWrittenOnlyWhenSet()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    const NoSaveFailure watch(store);
    QVERIFY(store.SaveSettings());
    const QByteArray old = readAll(store.filePath());
    QVERIFY(!old.contains("My Locator") && !old.contains("TX Power") && !old.contains("Language"));
    store.LoadSettings();
    QVERIFY(store.s().myLocator.isEmpty() && store.s().txPower.isEmpty() && store.s().language.isEmpty());
    QVERIFY(store.SaveSettings());
    QCOMPARE(readAll(store.filePath()), old);

    store.s().txPower = "50";
    QVERIFY(store.SaveSettings());
    QCOMPARE(readAll(store.filePath()), old + "TX Power=50\r\n");
    store.s().myLocator = "JN11CK";
    store.s().txPower.clear();
    QVERIFY(store.SaveSettings());
    QCOMPARE(readAll(store.filePath()), old + "TX Power=\r\nMy Locator=JN11CK\r\n");
    SettingsStore again(dir.path());
    again.LoadSettings();
    QCOMPARE(again.s().myLocator, QString("JN11CK"));
    QCOMPARE(again.s().txPower, QString());

    again.s().language = "de";
    QVERIFY(again.SaveSettings());
    QCOMPARE(readAll(store.filePath()), old + "TX Power=\r\nMy Locator=JN11CK\r\nLanguage=de\r\n");
    // Read before anything else at start-up, from the seed while there is no file.
    QCOMPARE(Language::StoredSetting(store.filePath(), QString()), QString("de"));
    QCOMPARE(Language::StoredSetting(QDir(dir.path()).filePath("none.ini"), store.filePath()), QString("de"));
    QCOMPARE(Language::StoredSetting(QDir(dir.path()).filePath("none.ini"), QString()), QString());
}

void TestSettings::languageOfSettingAndSystem_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("loaded");
    const QStringList german{"de-AT", "en-US"};
    QTest::newRow("system's") << "" << german << "de";
    QTest::newRow("system's region") << "" << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("system's second") << "" << QStringList{"ru-RU", "fr-CA", "de"} << "fr";
    QTest::newRow("system English first") << "" << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("LANG=C") << "" << QStringList{"C"} << "";
    QTest::newRow("none translated") << "" << QStringList{"ru-RU", "zh-CN"} << "";
    QTest::newRow("no system language") << "" << QStringList() << "";
    QTest::newRow("English over the system's") << "en" << german << "";
    QTest::newRow("chosen over the system's") << "ja" << german << "ja";
    QTest::newRow("chosen, written by hand") << "pt-br" << german << "pt_BR";
    QTest::newRow("chosen, no translation") << "ru" << german << "";
    QTest::newRow("chosen, nonsense") << "../../etc/passwd" << german << "";
}

// Which translation loads: a language without one is English, never another.
void TestSettings::languageOfSettingAndSystem()
{
    QFETCH(QString, setting);
    QFETCH(QStringList, system);
    QFETCH(QString, loaded);
    QCOMPARE(Language::Resolve(setting, system), loaded);
}

// The C library's rule: under the C locale LANGUAGE is not read.
void TestSettings::languageOfSystemUnderC()
{
    const char* const names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    QByteArrayList saved;
    for (const char* name : names)
        saved << qgetenv(name);
    const auto restore = qScopeGuard([&] {
        for (int i = 0; i < 4; ++i)
            saved[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
    });
    qputenv("LANGUAGE", "de:fr");
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    for (const char* c : {"C", "C.UTF-8", "POSIX", ""}) {
        qputenv("LANG", c);
        QCOMPARE(Language::Resolve(QString(), Language::SystemLanguages()), QString());
    }
    qputenv("LANG", "de_DE.UTF-8");
    qputenv("LC_ALL", "C");
    QCOMPARE(Language::Resolve(QString(), Language::SystemLanguages()), QString());
    // Chosen in the settings, it is that language all the same.
    QCOMPARE(Language::Resolve("de", Language::SystemLanguages()), QString("de"));
}

// Translations change what is shown, never the file: sections, keys and
// bytes are the same whatever the language.
void TestSettings::savedTheSameUnderAnyLanguage()
{
    auto save = [] {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        store.LoadSettings();
        store.s().myLocator = "JN11CK";
        store.s().txPower = "12.5";
        store.s().pttTimeoutSeconds = 86400; // "86.400" in German
        const NoSaveFailure watch(store);
        [&] { QVERIFY(store.SaveSettings()); }();
        return readAll(store.filePath());
    };
    const QByteArray english = save();
    const QLocale before;
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    const QString loaded = Language::InstallTranslations(*QCoreApplication::instance(), "de");
    const QByteArray german = save();
    QLocale::setDefault(before);
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    QCOMPARE(loaded, QString("de"));
    const IniDocument a(english), b(german);
    QCOMPARE(b.sections(), a.sections());
    for (const QString& section : a.sections())
        QCOMPARE(b.keys(section), a.keys(section));
    QCOMPARE(german, english);
}

void TestSettings::unusualStoredValuesWrittenBackAsRead()
{
    // A file as the terminal writes it, with values no dialog would store:
    // another mode text, AutoLaunch 2, an unknown Via, line flags and pin
    // beyond 0/1 and 1..3, a window state beyond 0..2.
    QTemporaryDir dir;
    SettingsStore first(dir.path());
    QVERIFY(first.SaveSettings());
    QByteArray bytes = readAll(first.filePath());
    const std::pair<const char*, const char*> unusual[] = {
        {"\r\nKELDO Mode=KELDOHF\r\n", "\r\nKELDO Mode=Packet 9600\r\n"},
        {"\r\nAutoLaunch=1\r\n", "\r\nAutoLaunch=2\r\n"},
        {"\r\nVia=3\r\n", "\r\nVia=7\r\n"},
        {"\r\nRTS=0\r\n", "\r\nRTS=7\r\n"},
        {"\r\nDTR=0\r\n", "\r\nDTR=255\r\n"},
        {"\r\nPin=1\r\n", "\r\nPin=9\r\n"},
        {"\r\nWindow State=0\r\n", "\r\nWindow State=5\r\n"},
    };
    for (const auto& [from, to] : unusual) {
        QVERIFY2(bytes.contains(from), from);
        bytes.replace(from, to);
    }
    QVERIFY(writeAll(first.filePath(), bytes));

    SettingsStore store(dir.path());
    store.LoadSettings();
    QCOMPARE(store.s().keldoMode, ModeSetting::other(QStringLiteral("Packet 9600")));
    QCOMPARE(store.s().autoLaunch, AutoLaunchSetting::other(2));
    QCOMPARE(store.s().via, PttMethodSetting::other(7));
    QVERIFY(store.SaveSettings());
    QCOMPARE(readAll(store.filePath()), bytes);
}

void TestSettings::saveMergesWithOtherWriters()
{
    QTemporaryDir dir;
    SettingsStore mine(dir.path());
    mine.LoadSettings();
    const NoSaveFailure watch(mine);
    QVERIFY(mine.SaveSettings());

    // Meanwhile another program (or an older copy) edits the file.
    IniDocument theirs(readAll(mine.filePath()));
    theirs.setValue("Setup", "HF Host", "theirs.example");
    theirs.setValue("Setup", "Future Key", "kept");
    theirs.setValue("Elsewhere", "Key", "also kept");
    QByteArray edited = theirs.toBytes();
    edited.replace("[Position]\r\n", "; hand-written note\r\n[Position]\r\n");
    // The web front end's section, as a person may write it: none of ours.
    const QByteArray remote = "[Remote]\r\nEnabled = 1\r\n; the hash, never the password\r\n"
                              "Password Hash=pbkdf2-sha256$100000$c2FsdA==$aGFzaA==\r\nPort=08446\r\n";
    edited += remote;
    QVERIFY(writeAll(mine.filePath(), edited));

    mine.s().myCallsign = QStringLiteral("EA4ZZZ");
    QVERIFY(mine.SaveSettings());

    const IniDocument after(readAll(mine.filePath()));
    QCOMPARE(after.value("Setup", "Future Key"), QStringLiteral("kept"));
    QCOMPARE(after.value("Elsewhere", "Key"), QStringLiteral("also kept"));
    QVERIFY(readAll(mine.filePath()).contains("; hand-written note\r\n[Position]"));
    // Every key of ours is written on every save: the last writer wins.
    QCOMPARE(after.value("Setup", "HF Host"), QStringLiteral("localhost"));
    QCOMPARE(after.value("Setup", "My Callsign"), QStringLiteral("EA4ZZZ"));
    QCOMPARE(after.sections(), (QStringList{"PTT", "Setup", "Position", "Path", "Options", "Elsewhere", "Remote"}));
    QVERIFY(readAll(mine.filePath()).endsWith(remote));
}

// Through the writer: saves asked for while one waits become that one, and
// write the newest settings. A pipe or an oversized file in the settings'
// place is neither read nor replaced.
void TestSettings::queuedSavesJoinAndOnlyAFileIsWritten()
{
    QTemporaryDir dir;
    FileWriter writer;
    SettingsStore store(dir.path());
    store.setWriter(&writer);
    store.LoadSettings();
    QSignalSpy finished(&store, &SettingsStore::saveFinished);
    QSignalSpy failed(&store, &SettingsStore::saveFailed);
    // The settings file's queue is held up while the saves are asked for.
    auto hold = std::make_shared<std::atomic<bool>>(true);
    QVERIFY(writer.run(store.filePath(), [hold](QString*) {
        while (*hold)
            QThread::msleep(5);
        return true;
    }));
    for (int i = 0; i < 50; ++i) {
        store.s().myCallsign = QStringLiteral("EA4ZZZ-%1").arg(i);
        QVERIFY(store.SaveSettings());
    }
    *hold = false;
    QVERIFY(writer.flush(5000));
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), true);
    QCOMPARE(IniDocument(readAll(store.filePath())).value("Setup", "My Callsign"), QStringLiteral("EA4ZZZ-49"));
    // The next save is a save of its own.
    QVERIFY(store.SaveSettings());
    QTRY_COMPARE(finished.size(), 2);

    // A pipe nobody writes: loading does not wait on it, saving leaves it.
    QVERIFY(QFile::remove(store.filePath()));
    QVERIFY(::mkfifo(QFile::encodeName(store.filePath()).constData(), 0600) == 0);
    store.LoadSettings();
    QCOMPARE(store.s().myCallsign, Settings().myCallsign);
    QVERIFY(store.SaveSettings());
    QTRY_COMPARE(failed.size(), 1);
    QVERIFY(failed[0][0].toString().contains("not a regular file"));
    QVERIFY(QFileInfo::exists(store.filePath()) && !QFileInfo(store.filePath()).isFile());

    // Larger than any settings file: read as nothing, and kept as it is.
    QVERIFY(QFile::remove(store.filePath()));
    const QByteArray huge = "[Setup]\r\nMy Callsign=EA4BIG\r\n" + QByteArray(SettingsStore::MaxFileBytes, ';');
    QVERIFY(writeAll(store.filePath(), huge));
    store.LoadSettings();
    QCOMPARE(store.s().myCallsign, Settings().myCallsign);
    QVERIFY(store.SaveSettings());
    QTRY_COMPARE(failed.size(), 2);
    QCOMPARE(readAll(store.filePath()), huge);
}

void TestSettings::portsReadButNeverWritten()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    const QByteArray ports(
        "[Ports]\r\nCOM3=/dev/ttyUSB0\r\n com4 = /dev/serial/by-id/x \r\nCOM17=/dev/no\r\nCOM5=\r\n");
    QVERIFY(writeAll(store.filePath(), ports));
    store.LoadSettings();
    QCOMPARE(store.s().portDevices, (QMap<int, QString>{{3, "/dev/ttyUSB0"}, {4, "/dev/serial/by-id/x"}}));

    const NoSaveFailure watch(store);
    store.s().portDevices.insert(9, QStringLiteral("/dev/ttyS9"));
    QVERIFY(store.SaveSettings());
    const QByteArray bytes = readAll(store.filePath());
    QVERIFY(bytes.startsWith(ports + "[PTT]\r\n"));
    QVERIFY(!bytes.contains("ttyS9"));

    QTemporaryDir fresh;
    SettingsStore other(fresh.path());
    QVERIFY(other.SaveSettings());
    QVERIFY(!readAll(other.filePath()).contains("[Ports]"));
}

void TestSettings::macrosEscapedAndNeverCut()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    // A hand-written text: a lone backslash reads as typed; F3 is there but empty.
    QVERIFY(writeAll(store.filePath(), "[Macros]\r\nF2 Text=C:\\KELDO\r\nF3 Label=\r\nF4 Text=C:\\KELDO\r\n"));
    store.LoadSettings();
    QCOMPARE(store.s().macros[1].text, QStringLiteral("C:\\KELDO"));

    MacroSet& m = store.s().macros;
    m[0] = {QStringLiteral("CQ"), QStringLiteral("CQ CQ\r\nDE <MYCALL>\nC:\\new\\\\ <SEND>")};
    m[1].text = QStringLiteral(" \"quoted\" ");
    m[11] = {QStringLiteral("Long"), QString(300, QLatin1Char('x')) + QStringLiteral("\nEND")};
    const NoSaveFailure watch(store);
    QVERIFY(store.SaveSettings());
    const QByteArray bytes = readAll(store.filePath());
    // F4 is left as written: it reads back as it is.
    QVERIFY(bytes.startsWith("[Macros]\r\nF2 Text=\" \"quoted\" \"\r\nF3 Label=\r\nF4 Text=C:\\KELDO\r\nF1 Label=CQ\r\n"
                             "F1 Text=CQ CQ\\nDE <MYCALL>\\nC:\\\\new\\\\\\\\ <SEND>\r\nF12 Label=Long\r\n"));
    // Nothing else of the twelve is written.
    QCOMPARE(IniDocument(bytes).keys("Macros").size(), 7);

    SettingsStore back(dir.path());
    back.LoadSettings();
    m[0].text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(differences(back.s(), store.s()), QStringList());
}

void TestSettings::valueWithLineBreaksCannotAddKeys()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    store.s().hfHost = QStringLiteral("host\r\n[PTT]\r\nVia=1\nRig=9");
    store.s().colour = QStringLiteral("Black\rAutoLaunch=0");
    const NoSaveFailure watch(store);
    QVERIFY(store.SaveSettings());

    SettingsStore back(dir.path());
    back.LoadSettings();
    QCOMPARE(back.s().via.value(), PttMethod::Vox);
    QCOMPARE(back.s().rig, quint8(52));
    QCOMPARE(back.s().autoLaunch.value(), AutoLaunch::On);
    QCOMPARE(back.s().hfHost, QStringLiteral("host  [PTT]  Via=1 Rig=9"));
    QCOMPARE(back.s().colour, QStringLiteral("Black AutoLaunch=0"));
}

void TestSettings::interruptedSaveLeavesWholeFile()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    const QByteArray old("[Setup]\r\nMy Callsign=EA4OLD\r\n; keep me\r\n");
    QVERIFY(writeAll(store.filePath(), old));
    store.LoadSettings();
    store.s().myCallsign = QStringLiteral("EA4NEW");

    QSignalSpy failed(&store, &SettingsStore::saveFailed);
    {
        // The disk "fills up" part way through the new file.
        FileSizeLimit limit(200);
        QVERIFY(limit.active);
        QVERIFY(!store.SaveSettings());
    }
    QVERIFY(reportedOnce(failed, store.filePath()));

    QCOMPARE(readAll(store.filePath()), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"KELDO Terminal.ini"});

    // Once there is room again the save goes through.
    QVERIFY(store.SaveSettings());
    SettingsStore back(dir.path());
    back.LoadSettings();
    QCOMPARE(back.s().myCallsign, QStringLiteral("EA4NEW"));
    QVERIFY(readAll(store.filePath()).contains("; keep me\r\n"));
}

void TestSettings::readOnlyFolder()
{
    if (::geteuid() == 0)
        QSKIP("root writes into read-only folders; readOnlyAsUnprivilegedUser runs it");
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    const QByteArray old("[PTT]\r\nRig=7\r\n");
    QVERIFY(writeAll(store.filePath(), old));
    store.LoadSettings();
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    QSignalSpy failed(&store, &SettingsStore::saveFailed);
    const bool saved = store.SaveSettings();
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!saved);
    QVERIFY(reportedOnce(failed, store.filePath()));
    QCOMPARE(readAll(store.filePath()), old);
}

void TestSettings::missingFolder()
{
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).filePath("gone");
    SettingsStore store(folder);
    store.LoadSettings();
    QSignalSpy failed(&store, &SettingsStore::saveFailed);
    QVERIFY(!store.SaveSettings());
    QVERIFY(reportedOnce(failed, QDir(folder).filePath("KELDO Terminal.ini")));
    QVERIFY(!QFileInfo::exists(folder));
}

void TestSettings::savesKeepPermissions()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    QVERIFY(writeAll(store.filePath(), "[PTT]\r\nRig=7\r\n"));
    const auto perms =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const auto narrow = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    for (auto p : {perms, narrow}) {
        QVERIFY(QFile::setPermissions(store.filePath(), p));
        const NoSaveFailure watch(store);
        QVERIFY(store.SaveSettings());
        QCOMPARE(int(QFile::permissions(store.filePath()) & 0x7077), int(p));
    }
    if (::geteuid() == 0) {
        // Saved by root, another user's file stays theirs.
        QCOMPARE(::chown(QFile::encodeName(store.filePath()).constData(), 65534, 65534), 0);
        const NoSaveFailure watch(store);
        QVERIFY(store.SaveSettings());
        QCOMPARE(QFileInfo(store.filePath()).ownerId(), uint(65534));
        QCOMPARE(QFileInfo(store.filePath()).groupId(), uint(65534));
    }
}

#ifdef Q_OS_UNIX
void TestSettings::unfinishedSaveClearedByNextSave()
{
    // A copy killed during a save leaves its temporary file; the next save
    // removes it, and nothing else beside the settings file.
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    QVERIFY(writeAll(store.filePath(), "[PTT]\r\nRig=7\r\n"));
    const QString left = store.filePath() + ".unfinished-save-999999";
    const QString mine = store.filePath() + ".backup";
    QVERIFY(writeAll(left, "[PTT]\r\nRig="));
    QVERIFY(writeAll(mine, "[PTT]\r\nRig=9\r\n"));
    const NoSaveFailure watch(store);
    QVERIFY(store.SaveSettings());
    QVERIFY(!QFile::exists(left));
    QCOMPARE(readAll(mine), QByteArray("[PTT]\r\nRig=9\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"KELDO Terminal.ini", "KELDO Terminal.ini.backup"}));
}
#else
void TestSettings::unfinishedSaveClearedByNextSave()
{
    QSKIP("temporary files of our own name only on Unix");
}
#endif

void TestSettings::locationOfTheSettingsFile()
{
    QTemporaryDir dir;
    const QString program = QDir(dir.path()).filePath("bin");
    const QString config = QDir(dir.path()).filePath("config");
    QVERIFY(QDir().mkpath(program));
    const QString beside = QDir(program).filePath("KELDO Terminal.ini");
    const QString xdg = QDir(config).filePath("KELDO Terminal/KELDO Terminal.ini");

    // A writable folder without a file: the portable use.
    SettingsLocation loc = LocateSettings(program, config);
    QCOMPARE(loc.file, beside);
    QVERIFY(loc.seed.isEmpty());
    QVERIFY(writeAll(beside, "[Setup]\r\nMy Callsign=W1AW\r\n"));
    loc = LocateSettings(program, config);
    QCOMPARE(loc.file, beside);
    QVERIFY(loc.seed.isEmpty());
    // Installed, the settings are the user's own, root's too (whom no
    // permission bit stops); the file beside the program only seeds them.
    loc = LocateSettings(program, config, QString(), true);
    QCOMPARE(loc.file, xdg);
    QCOMPARE(loc.seed, beside);
    QVERIFY(IsInstalledProgramFolder("/usr/bin") && !IsInstalledProgramFolder(program));

    // Named on the command line (relative to the working folder): a new file
    // starts from the usual one; naming the usual one changes nothing.
    const QString old = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    loc = LocateSettings(program, config, "station2.ini");
    QDir::setCurrent(old);
    QCOMPARE(loc.file, QDir(dir.path()).filePath("station2.ini"));
    QCOMPARE(loc.seed, beside);
    loc = LocateSettings(program, config, program + "/../bin/KELDO Terminal.ini");
    QCOMPARE(loc.file, beside);
    QVERIFY(loc.seed.isEmpty());

    if (::geteuid() != 0) {
        // Read-only file, then no file in a read-only folder: under the config home.
        QVERIFY(QFile::setPermissions(beside, QFileDevice::ReadOwner));
        loc = LocateSettings(program, config);
        QCOMPARE(loc.file, xdg);
        QCOMPARE(loc.seed, beside);
        QVERIFY(QFile::remove(beside));
        QVERIFY(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        loc = LocateSettings(program, config);
        QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(loc.file, xdg);
        QVERIFY(loc.seed.isEmpty());
    } // as root the installed-tree test (test_install) covers these

    // One file, however it is spelled, also before it exists.
    QVERIFY(QFile::link(program, QDir(dir.path()).filePath("link")));
    QCOMPARE(CanonicalSettingsPath(QDir(dir.path()).filePath("link/sub/x.ini")),
             CanonicalSettingsPath(program + "/../bin/sub/x.ini"));
    QCOMPARE(CanonicalSettingsPath(QDir(dir.path()).filePath("link/sub/x.ini")),
             QFileInfo(program).canonicalFilePath() + "/sub/x.ini");
    // A chain of relative links to a file not there yet leads to that file,
    // ".." leaving the folder a link leads to; a loop ends.
    const QString top = QFileInfo(dir.path()).canonicalFilePath();
    QVERIFY(QFile::link("link/next.ini", top + "/station.ini")
            && QFile::link("../config/real.ini", program + "/next.ini"));
    QCOMPARE(CanonicalSettingsPath(top + "/station.ini"), top + "/config/real.ini");
    QVERIFY(QDir().mkpath(program + "/deep") && QFile::link("bin/deep", top + "/deeplink"));
    QCOMPARE(CanonicalSettingsPath(top + "/deeplink/../x.ini"), top + "/bin/x.ini");
    QVERIFY(QFile::link("loop", top + "/loop"));
    QVERIFY(!CanonicalSettingsPath(top + "/loop").isEmpty());

    // The change log: beside the program first, then the doc folder beside it.
    const QStringList logs = ChangeLogCandidates(program);
    QVERIFY(logs.size() >= 2);
    QCOMPARE(logs[0], QDir(program).filePath("KELDOTerminalChangeLog.txt"));
    QVERIFY(logs[1].endsWith("/doc/keldo-terminal/KELDOTerminalChangeLog.txt"));
}

void TestSettings::newFileStartsFromSeed()
{
    // A site-wide file gives the starting values; the first save creates the
    // user's file (and its folder) with the same contents, unknown lines kept,
    // and leaves the site-wide file alone.
    QTemporaryDir dir;
    const QString seed = QDir(dir.path()).filePath("KELDO Terminal.ini");
    const QByteArray site("; site defaults\r\n[Setup]\r\nMy Callsign=W1AW\r\n[Ports]\r\nCOM3=/dev/ttyUSB0\r\n");
    QVERIFY(writeAll(seed, site));
    const QString file = QDir(dir.path()).filePath("home/.config/KELDO Terminal/KELDO Terminal.ini");
    SettingsStore store;
    store.useFile(file, seed);
    QCOMPARE(store.filePath(), file);
    store.LoadSettings();
    QCOMPARE(store.s().myCallsign, QStringLiteral("W1AW"));
    QCOMPARE(store.s().portDevices.value(3), QStringLiteral("/dev/ttyUSB0"));
    const NoSaveFailure watch(store);
    store.s().rig = 7;
    QVERIFY(store.SaveSettings());
    const QByteArray saved = readAll(file);
    for (const char* line : {"; site defaults\r\n", "My Callsign=W1AW\r\n", "COM3=/dev/ttyUSB0\r\n", "Rig=7\r\n"})
        QVERIFY2(saved.contains(line), line);
    QCOMPARE(readAll(seed), site);

    // From now on the user's own file counts, not the seed.
    QVERIFY(writeAll(seed, "[Setup]\r\nMy Callsign=K2XYZ\r\n"));
    SettingsStore again;
    again.useFile(file, seed);
    again.LoadSettings();
    QCOMPARE(again.s().myCallsign, QStringLiteral("W1AW"));
    QCOMPARE(again.s().rig, quint8(7));
}

// Set for foreignFileNotReplaced by readOnlyAsUnprivilegedUser, which runs
// this program again as a user without root rights.
static const char ForeignFolderVariable[] = "KELDO_TEST_FOREIGN_FOLDER";

void TestSettings::cyrillicPathSurvivesRestart()
{
    QTemporaryDir dir;
    // A home folder that 1252 cannot spell: the [Path] defaults lie in it.
    const QString home = QDir(dir.path()).filePath(QString::fromUtf8("\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD"));
    QVERIFY(QDir().mkpath(home));
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const bool hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    auto restoreHome = [&] {
        qputenv("HOME", oldHome);
        if (hadConfig)
            qputenv("XDG_CONFIG_HOME", oldConfig);
    };
    const auto guard = qScopeGuard(restoreHome);
    qputenv("HOME", QFile::encodeName(home));
    qunsetenv("XDG_CONFIG_HOME");

    SettingsStore a(dir.path());
    a.LoadSettings();
    QCOMPARE(a.s().loadPathFile, QDir::toNativeSeparators(home));
    a.s().keldoHfPath = home + QStringLiteral("/KELDO/KELDO.exe");
    a.s().colour = QString::fromUtf8("Caf\xC3\xA9"); // in 1252, but the file is UTF-8 now
    const NoSaveFailure watch(a);
    QVERIFY(a.SaveSettings());
    const QByteArray bytes = readAll(a.filePath());
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF\r\n[PTT]\r\nRig=52\r\n"));
    QVERIFY(bytes.contains("\r\nKELDO HF Path=" + a.s().keldoHfPath.toUtf8() + "\r\n"));
    QVERIFY(!bytes.contains('?'));

    // Restarted elsewhere: the values come from the file, not the defaults.
    restoreHome();
    SettingsStore b(dir.path());
    b.LoadSettings();
    QCOMPARE(differences(b.s(), a.s()), QStringList());
    QVERIFY(b.SaveSettings());
    QCOMPARE(readAll(b.filePath()), bytes);
}

void TestSettings::codePageFileKeptByteForByte()
{
    // Accented text that 1252 holds stays 1252, comments and all.
    QTemporaryDir dir;
    SettingsStore a(dir.path());
    a.s().keldoHfPath = QString::fromUtf8("C:\\Radio\\A\xC3\xB1o\\KELDO.exe");
    const NoSaveFailure watch(a);
    QVERIFY(a.SaveSettings());
    QByteArray file = readAll(a.filePath());
    file.replace("[Position]\r\n",
                 "; notas: se\xF1"
                 "al \x80\r\n[Position]\r\n");
    QVERIFY(writeAll(a.filePath(), file));

    SettingsStore b(dir.path());
    b.LoadSettings();
    QCOMPARE(b.s().keldoHfPath, a.s().keldoHfPath);
    QVERIFY(b.SaveSettings());
    QCOMPARE(readAll(b.filePath()), file);
}

void TestSettings::unmarkedUtf8FileKept()
{
    // Edited in a UTF-8 editor: no mark, LF line ends.
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    const QByteArray path = "/home/\xD0\x9E\xD0\xBB\xD1\x8F/KELDO/KELDO.exe";
    QVERIFY(writeAll(store.filePath(), "[Setup]\nKELDO HF Path=" + path + "\nColour=White\n"));
    store.LoadSettings();
    QCOMPARE(store.s().keldoHfPath, QString::fromUtf8(path));
    QCOMPARE(store.s().colour, QStringLiteral("White"));
    store.s().myCallsign = QStringLiteral("EA4XYZ");
    const NoSaveFailure watch(store);
    QVERIFY(store.SaveSettings());
    const QByteArray bytes = readAll(store.filePath());
    QVERIFY(bytes.startsWith("[Setup]\r\nKELDO HF Path=" + path + "\r\nColour=White\r\n"));

    SettingsStore back(dir.path());
    back.LoadSettings();
    QCOMPARE(differences(back.s(), store.s()), QStringList());
}

#ifdef Q_OS_UNIX
namespace {
bool isLink(const QString& path, const QByteArray& text)
{
    char buf[4096];
    const ssize_t n = ::readlink(QFile::encodeName(path).constData(), buf, sizeof buf);
    return n >= 0 && QByteArray(buf, int(n)) == text;
}
QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}
} // namespace

void TestSettings::linkChainKept()
{
    // app/"KELDO Terminal.ini" -> links/middle.ini -> real/settings.ini, by
    // relative links: the save updates the real file and keeps both links.
    QTemporaryDir dir;
    const QDir root(dir.path());
    for (const char* sub : {"app", "links", "real", "loop"})
        QVERIFY(root.mkpath(sub));
    SettingsStore store(root.filePath("app"));
    const QByteArray first = "../links/middle.ini";
    const QByteArray second = "../real/settings.ini";
    QCOMPARE(::symlink(first.constData(), QFile::encodeName(store.filePath()).constData()), 0);
    QCOMPARE(::symlink(second.constData(), QFile::encodeName(root.filePath("links/middle.ini")).constData()), 0);
    const QString real = root.filePath("real/settings.ini");
    QVERIFY(writeAll(real, "[PTT]\r\nRig=7\r\n"));

    const NoSaveFailure watch(store);
    store.LoadSettings();
    QCOMPARE(store.s().rig, quint8(7));
    store.s().rig = 9;
    QVERIFY(store.SaveSettings());
    store.s().rig = 11;
    QVERIFY(store.SaveSettings());
    QVERIFY(isLink(store.filePath(), first));
    QVERIFY(isLink(root.filePath("links/middle.ini"), second));
    QCOMPARE(IniDocument(readAll(real)).value("PTT", "Rig"), QStringLiteral("11"));
    // No lock or temporary file left anywhere.
    QCOMPARE(filesIn(root.filePath("app")), QStringList{"KELDO Terminal.ini"});
    QCOMPARE(filesIn(root.filePath("links")), QStringList{"middle.ini"});
    QCOMPARE(filesIn(root.filePath("real")), QStringList{"settings.ini"});

    // A link to a file not there yet: the first save creates it.
    QVERIFY(QFile::remove(real));
    QCOMPARE(CanonicalSettingsPath(store.filePath()), CanonicalSettingsPath(real));
    QVERIFY(store.SaveSettings());
    QVERIFY(isLink(root.filePath("links/middle.ini"), second));
    QCOMPARE(IniDocument(readAll(real)).value("PTT", "Rig"), QStringLiteral("11"));

    // A loop is a failed save, and creates nothing.
    SettingsStore looped(root.filePath("loop"));
    QCOMPARE(::symlink("other", QFile::encodeName(looped.filePath()).constData()), 0);
    QCOMPARE(::symlink("KELDO Terminal.ini", QFile::encodeName(root.filePath("loop/other")).constData()), 0);
    QSignalSpy failed(&looped, &SettingsStore::saveFailed);
    QVERIFY(!looped.SaveSettings());
    QVERIFY(reportedOnce(failed, looped.filePath()));
    QCOMPARE(filesIn(root.filePath("loop")), (QStringList{"KELDO Terminal.ini", "other"}));
}

void TestSettings::readOnlyFileNotReplaced()
{
    // Mode 0444 in a writable folder: a rename could replace it, root or not.
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    const QByteArray old("[PTT]\r\nRig=7\r\n");
    QVERIFY(writeAll(store.filePath(), old));
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(store.filePath(), readOnly));
    struct stat before
    { };
    QCOMPARE(::stat(QFile::encodeName(store.filePath()).constData(), &before), 0);
    store.LoadSettings();
    store.s().rig = 9;

    QSignalSpy failed(&store, &SettingsStore::saveFailed);
    QVERIFY(!store.SaveSettings());
    QVERIFY(reportedOnce(failed, store.filePath()));
    QVERIFY2(failed[0][0].toString().contains("read-only"), qPrintable(failed[0][0].toString()));
    struct stat after
    { };
    QCOMPARE(::stat(QFile::encodeName(store.filePath()).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(readAll(store.filePath()), old);
    QCOMPARE(int(QFile::permissions(store.filePath()) & 0x7077), int(readOnly));
    QCOMPARE(filesIn(dir.path()), QStringList{"KELDO Terminal.ini"});

    // Made writable again, the save goes through.
    QVERIFY(QFile::setPermissions(store.filePath(), readOnly | QFileDevice::WriteOwner));
    QVERIFY(store.SaveSettings());
    QCOMPARE(IniDocument(readAll(store.filePath())).value("PTT", "Rig"), QStringLiteral("9"));
}

void TestSettings::foreignFileNotReplaced()
{
    // Root's file, mode 0644, in a folder this user may write: the folder
    // would let a rename replace it, the file's bits say no.
    const QString folder = qEnvironmentVariable(ForeignFolderVariable);
    if (folder.isEmpty())
        QSKIP("needs root to set up another user's file; readOnlyAsUnprivilegedUser runs it");
    QVERIFY(::geteuid() != 0);
    SettingsStore store(folder);
    const QByteArray old = readAll(store.filePath());
    QVERIFY(!old.isEmpty());
    store.LoadSettings();
    store.s().rig = 9;
    QSignalSpy failed(&store, &SettingsStore::saveFailed);
    QVERIFY(!store.SaveSettings());
    QVERIFY(reportedOnce(failed, store.filePath()));
    QCOMPARE(readAll(store.filePath()), old);
    QCOMPARE(QFileInfo(store.filePath()).ownerId(), uint(0));
}

// The read-only cases once more as a user whom the permission bits stop.
void TestSettings::readOnlyAsUnprivilegedUser()
{
    if (::geteuid() != 0)
        QSKIP("not root: the read-only cases already ran as this user");
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    if (setpriv.isEmpty())
        QSKIP("no setpriv to give up root rights");
    const QStringList asNobody{"--reuid=65534", "--regid=65534", "--clear-groups"};
    const QString self = QCoreApplication::applicationFilePath();

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(::chown(QFile::encodeName(dir.path()).constData(), 65534, 65534) == 0);
    const QString file = QDir(dir.path()).filePath("KELDO Terminal.ini");
    QVERIFY(writeAll(file, "[PTT]\r\nRig=7\r\n"));
    QVERIFY(QFile::setPermissions(
        file, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));

    // The unprivileged user has to reach this program and the folder.
    QProcess probe;
    probe.start(setpriv,
                asNobody + QStringList{"sh", "-c", "test -x \"$1\" && test -w \"$2\"", "sh", self, dir.path()});
    if (!probe.waitForFinished(120000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        QSKIP(qPrintable(QStringLiteral("user 65534 cannot run %1 or write %2 %3")
                             .arg(self, dir.path(), QString::fromLocal8Bit(probe.readAllStandardError()))));

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(ForeignFolderVariable), dir.path());
    env.insert("HOME", dir.path());
    env.insert("TMPDIR", dir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList cases{"readOnlyFileNotReplaced", "foreignFileNotReplaced", "readOnlyFolder"};
    child.start(setpriv, asNobody + QStringList{self} + cases);
    QVERIFY(child.waitForFinished(300000));
    const QString out = QString::fromLocal8Bit(child.readAll());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(out));
    for (const QString& name : cases)
        QVERIFY2(out.contains(QStringLiteral("PASS   : TestSettings::%1()").arg(name)), qPrintable(out));
}
#else
void TestSettings::linkChainKept()
{
    QSKIP("symbolic links of the Unix kind only");
}
void TestSettings::readOnlyFileNotReplaced()
{
    QSKIP("permission bits of the Unix kind only");
}
void TestSettings::foreignFileNotReplaced()
{
    QSKIP("permission bits of the Unix kind only");
}
void TestSettings::readOnlyAsUnprivilegedUser()
{
    QSKIP("Unix users only");
}
#endif

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
