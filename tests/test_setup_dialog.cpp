#include "ModemProcess.h"
#include "app/DesktopStation.h"
#include "dialogs/frmSetup.h"
#include "support/DialogParts.h"
#include "support/FakeModem.h"
#include "support/LayoutChecks.h"
#include "support/MessageBoxRecorder.h"
#include "support/SimProcess.h"
#include "support/TerminalFixture.h"
#include "support/TestShell.h"
#include "widgets/DialogGeometry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr Mode HF = Mode::HF;
constexpr Mode FM = Mode::FM;
constexpr Mode SAT = Mode::SAT;

// The settings the dialog may change, for comparing before and after.
struct SetupValues
{
    int hfPort, fmPort, satPort;
    QString hfHost, fmHost, satHost, call;
    ModeSetting mode;
    QString bw;
    AutoLaunchSetting autoLaunch;
    QString hfPath, fmPath, satPath;

    static SetupValues of(const Settings& s)
    {
        return {s.hfTcpPort, s.fmTcpPort, s.satTcpPort, s.hfHost,      s.fmHost,      s.satHost,     s.myCallsign,
                s.keldoMode, s.keldoHfBw, s.autoLaunch, s.keldoHfPath, s.keldoFmPath, s.keldoSatPath};
    }
    bool operator==(const SetupValues& o) const
    {
        return hfPort == o.hfPort && fmPort == o.fmPort && satPort == o.satPort && hfHost == o.hfHost
            && fmHost == o.fmHost && satHost == o.satHost && call == o.call && mode == o.mode && bw == o.bw
            && autoLaunch == o.autoLaunch && hfPath == o.hfPath && fmPath == o.fmPath && satPath == o.satPath;
    }
};

char* toString(const SetupValues& v)
{
    const QString text =
        QStringLiteral("ports %1/%2/%3 hosts %4/%5/%6 call %7 mode %8 bw %9 launch %10 paths %11|%12|%13")
            .arg(v.hfPort)
            .arg(v.fmPort)
            .arg(v.satPort)
            .arg(v.hfHost, v.fmHost, v.satHost, v.call, QString::number(int(v.mode.value())) + v.mode.otherValue(),
                 v.bw)
            .arg(int(v.autoLaunch.value()))
            .arg(v.hfPath, v.fmPath, v.satPath);
    return qstrdup(qPrintable(text));
}

} // namespace

class TestSetupDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void framesAndMenusFollowTheOptions();
    void dataPortShowsCommandPortPlusOne();
    void selectedModePortLimits_data();
    void selectedModePortLimits();
    void onlySelectedModeFieldsAreTested();
    void otherModesKeepTheirPortUnlessUsable();
    void callSignUpperCasedOnFocusOutAndOnEnter();
    void changedCallSignReachesModemAndCaption();
    void unchangedSettingsSendOnlyTheBandwidth();
    void modeOrPathChangeSwitchesPrograms_data();
    void modeOrPathChangeSwitchesPrograms();
    void modeSwitchEndsAndStartsRealPrograms();
    void practiceModemFollowsItsAddress();
    void missingProgramRefusesAndCancelRestores();
    void cancelRestoresEverything();
    void refusedWhileConnectedRestoresMenus();
    void alertWordsApplyDuringConnection();
    void hostChangeReconnectsToNewModem();
    void portChangeReconnectsToNewModem();
    void otherModeAddressChangeKeepsTheLink();
    void unknownStoredModeAndBandwidthStayUnchanged();
    void shutdownClosesWithoutApplying();
    void closeBoxAppliesLikeUpdate();
    void switchToSatAgainstPracticeModem();
    void everyModeFitsThePlatformFont_data();
    void everyModeFitsThePlatformFont();

private:
    struct Rig : StationFixture
    {
        Rig()
        {
            createStation();
            Settings& s = station->s();
            s.autoLaunch = AutoLaunch::Off;
            s.hfHost = s.fmHost = s.satHost = QStringLiteral("127.0.0.1");
            s.hfTcpPort = 8300;
            s.fmTcpPort = 8310;
            s.satTcpPort = 8320;
            s.myCallsign = QStringLiteral("N0CALL-1");
            s.keldoMode = HF;
            s.keldoHfBw = QStringLiteral("2300");
            s.keldoHfPath = QStringLiteral("/opt/keldo/KELDO.exe");
            s.keldoFmPath = QStringLiteral("/opt/keldo fm/KELDOFM.exe");
            s.keldoSatPath = QStringLiteral("/opt/keldo/KELDOSAT.exe");
            // Refused connections are retried quickly, never in a spin.
            station->link.setRetryThrottle(20);
            // Wine is there to start the Windows programs with.
            const QString wine = dir.filePath(QStringLiteral("wine"));
            QFile script(wine);
            if (script.open(QIODevice::WriteOnly))
                script.write("#!/bin/sh\n");
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("PATH"), dir.path() + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
            station->modem.setEnvironment(env);
        }
    };

    // Opens the dialog as the menu does (shown, active).
    std::unique_ptr<frmSetup> open(Rig& rig);
    static bool refusedAndOpen(frmSetup& dialog) { return dialog.isVisible(); }

    // No test ends or starts a real program unless it says so; a program
    // exists when the test lists it.
    TestShell m_shell;
    QStringList& m_killed = m_shell.killed;
    QStringList& m_launched = m_shell.launched;
    QSet<QString>& m_existing = m_shell.existing;
    std::unique_ptr<MessageBoxRecorder> m_boxes;
};

void TestSetupDialog::initTestCase()
{
    m_shell.onlyListedFiles = true;
}

void TestSetupDialog::init()
{
    m_boxes = std::make_unique<MessageBoxRecorder>();
    m_killed.clear();
    m_launched.clear();
    m_existing.clear();
}

void TestSetupDialog::cleanup()
{
    m_boxes->verifyNoUnexpected();
    m_boxes.reset();
}

std::unique_ptr<frmSetup> TestSetupDialog::open(Rig& rig)
{
    auto dialog = rig.station->setupDialog();
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        qWarning("setup dialog did not become active");
    return dialog;
}

// ---- Frames, menus, display ---------------------------------------------------

void TestSetupDialog::framesAndMenusFollowTheOptions()
{
    Rig rig;
    rig.s().autoLaunch = AutoLaunch::On;
    auto dialog = open(rig);
    frmSetup& d = *dialog;
    DisplayState& menus = rig.station->display;

    QVERIFY(part<QRadioButton>(d, "optKELDOHF")->isChecked());
    QVERIFY(part<QRadioButton>(d, "opt2300")->isChecked());
    QVERIFY(part<QCheckBox>(d, "chkLaunch")->isChecked());
    auto shown = [&d](QWidget* w) { return w->isVisibleTo(&d); };
    QVERIFY(shown(part<QGroupBox>(d, "fraHFTCP")) && shown(part<QGroupBox>(d, "fraBW"))
            && shown(part<QGroupBox>(d, "fraRutaKELDOHF")));
    QVERIFY(!shown(part<QGroupBox>(d, "fraFMTCP")) && !shown(part<QGroupBox>(d, "fraSATTCP"))
            && !shown(part<QGroupBox>(d, "fraRutaKELDOFM")) && !shown(part<QGroupBox>(d, "fraRutaKELDOSAT")));

    part<QRadioButton>(d, "optKELDOFM1200")->click();
    QVERIFY(shown(part<QGroupBox>(d, "fraFMTCP")) && shown(part<QGroupBox>(d, "fraRutaKELDOFM")));
    QVERIFY(!shown(part<QGroupBox>(d, "fraHFTCP")) && !shown(part<QGroupBox>(d, "fraSATTCP"))
            && !shown(part<QGroupBox>(d, "fraBW")) && !shown(part<QGroupBox>(d, "fraRutaKELDOHF")));
    QVERIFY(!menus.pttMenuVisible());
    QVERIFY(menus.modeChecked(FM) && !menus.modeChecked(HF) && !menus.modeChecked(SAT));

    part<QRadioButton>(d, "optKELDOSAT")->click();
    QVERIFY(shown(part<QGroupBox>(d, "fraSATTCP")) && shown(part<QGroupBox>(d, "fraRutaKELDOSAT"))
            && !shown(part<QGroupBox>(d, "fraBW")));
    QVERIFY(menus.pttMenuVisible());
    QVERIFY(menus.modeChecked(SAT) && !menus.modeChecked(FM));

    // Unticking the launch box hides every modem location; ticking shows the mode's.
    part<QCheckBox>(d, "chkLaunch")->click();
    QVERIFY(!shown(part<QGroupBox>(d, "fraRutaKELDOHF")) && !shown(part<QGroupBox>(d, "fraRutaKELDOFM"))
            && !shown(part<QGroupBox>(d, "fraRutaKELDOSAT")));
    part<QCheckBox>(d, "chkLaunch")->click();
    QVERIFY(shown(part<QGroupBox>(d, "fraRutaKELDOSAT")) && !shown(part<QGroupBox>(d, "fraRutaKELDOHF"))
            && !shown(part<QGroupBox>(d, "fraRutaKELDOFM")));

    // Arrow keys between the options choose a mode as well.
    part<QRadioButton>(d, "optKELDOHF")->click();
    part<QRadioButton>(d, "optKELDOHF")->setFocus();
    QTest::keyClick(part<QRadioButton>(d, "optKELDOHF"), Qt::Key_Down);
    QVERIFY(part<QRadioButton>(d, "optKELDOFM1200")->isChecked());
    QVERIFY(shown(part<QGroupBox>(d, "fraFMTCP")) && !shown(part<QGroupBox>(d, "fraHFTCP")));
    QVERIFY(menus.modeChecked(FM) && !menus.pttMenuVisible());

    // Each location frame can browse for the program; the box stays editable.
    QVERIFY(part<QPushButton>(d, "cmdBrowseSAT")->parentWidget() == part<QGroupBox>(d, "fraRutaKELDOSAT"));
    QVERIFY(!part<QLineEdit>(d, "txtKELDOSATPath")->isReadOnly());
    QCOMPARE(d.windowTitle(), QStringLiteral("Setup"));
    QCOMPARE(part<QGroupBox>(d, "fraBW")->title(), QStringLiteral("KELDO HF Bandwitdh"));
    // The FM tooltip names the default the settings use.
    QCOMPARE(part<QLineEdit>(d, "txtPuertoComandosFM")->toolTip(),
             QStringLiteral("TCP Command Port (default: %1)").arg(Settings().fmTcpPort));
    // No box takes more than the settings file keeps.
    for (QLineEdit* box : {part<QLineEdit>(d, "txtHostHF"), part<QLineEdit>(d, "txtPuertoComandosSAT"),
                           part<QLineEdit>(d, "txtMyCallSign"), part<QLineEdit>(d, "txtKELDOFMPath")})
        QCOMPARE(box->maxLength(), 255);
}

void TestSetupDialog::dataPortShowsCommandPortPlusOne()
{
    Rig rig;
    auto dialog = open(rig);
    QCOMPARE(part<QLineEdit>(*dialog, "txtPuertoDatosHF")->text(), QStringLiteral("8301"));
    QCOMPARE(part<QLineEdit>(*dialog, "txtPuertoDatosFM")->text(), QStringLiteral("8311"));
    QCOMPARE(part<QLineEdit>(*dialog, "txtPuertoDatosSAT")->text(), QStringLiteral("8321"));
    QVERIFY(part<QLineEdit>(*dialog, "txtPuertoDatosHF")->isReadOnly());

    QLineEdit* port = part<QLineEdit>(*dialog, "txtPuertoComandosFM");
    port->clear();
    QTest::keyClicks(port, QStringLiteral("8400abc"));
    QCOMPARE(part<QLineEdit>(*dialog, "txtPuertoDatosFM")->text(), QStringLiteral("8401"));
    port->clear();
    QCOMPARE(part<QLineEdit>(*dialog, "txtPuertoDatosFM")->text(), QStringLiteral("1"));
    port->setText(QStringLiteral("xyz"));
    QCOMPARE(part<QLineEdit>(*dialog, "txtPuertoDatosFM")->text(), QStringLiteral("1"));
}

// ---- Checks -------------------------------------------------------------------

void TestSetupDialog::selectedModePortLimits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("stored");
    QTest::newRow("1024 refused") << "1024" << false << 0;
    QTest::newRow("1025 accepted") << "1025" << true << 1025;
    QTest::newRow("65534 accepted") << "65534" << true << 65534;
    QTest::newRow("65535 refused") << "65535" << false << 0;
    QTest::newRow("trailing letters") << "8400abc" << true << 8400;
    QTest::newRow("empty refused") << "" << false << 0;
    QTest::newRow("far too large") << "99999999999999999999" << false << 0;
}

void TestSetupDialog::selectedModePortLimits()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(int, stored);

    Rig rig;
    const SetupValues before = SetupValues::of(rig.s());
    auto dialog = open(rig);
    part<QLineEdit>(*dialog, "txtPuertoComandosHF")->setText(text);
    if (!accepted)
        m_boxes->expect(QStringLiteral("Invalid TCP port"), MessageBox::Icon::Warning);
    // A mouse click takes the focus to the button first.
    QTest::mouseClick(part<QPushButton>(*dialog, "cmdOK"), Qt::LeftButton);
    QVERIFY(m_boxes->verify());

    if (accepted) {
        QVERIFY(!dialog->isVisible());
        QCOMPARE(rig.s().hfTcpPort, stored);
        QVERIFY(rig.iniExists());
    } else {
        QVERIFY(refusedAndOpen(*dialog));
        QCOMPARE(dialog->focusWidget(), part<QLineEdit>(*dialog, "txtPuertoComandosHF"));
        QCOMPARE(SetupValues::of(rig.s()), before);
        QVERIFY(!rig.iniExists());
    }
}

void TestSetupDialog::onlySelectedModeFieldsAreTested()
{
    Rig rig;
    {
        // Another mode's empty host and unusable port pass.
        auto dialog = open(rig);
        part<QLineEdit>(*dialog, "txtHostFM")->clear();
        part<QLineEdit>(*dialog, "txtPuertoComandosSAT")->setText(QStringLiteral("12"));
        part<QPushButton>(*dialog, "cmdOK")->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(rig.s().fmHost, QString());
    }
    {
        // The selected mode's empty host is refused.
        auto dialog = open(rig);
        part<QRadioButton>(*dialog, "optKELDOSAT")->click();
        part<QLineEdit>(*dialog, "txtHostSAT")->clear();
        m_boxes->expect(QStringLiteral("Invalid Host"), MessageBox::Icon::Warning);
        part<QPushButton>(*dialog, "cmdOK")->click();
        QVERIFY(m_boxes->verify());
        QVERIFY(refusedAndOpen(*dialog));
        QCOMPARE(dialog->focusWidget(), part<QLineEdit>(*dialog, "txtHostSAT"));
        QCOMPARE(rig.s().keldoMode.value(), HF);
        // The port is tested before the host.
        part<QLineEdit>(*dialog, "txtPuertoComandosSAT")->setText(QStringLiteral("80"));
        m_boxes->expect(QStringLiteral("Invalid TCP port"), MessageBox::Icon::Warning);
        part<QPushButton>(*dialog, "cmdOK")->click();
        QVERIFY(m_boxes->verify());
        QCOMPARE(dialog->focusWidget(), part<QLineEdit>(*dialog, "txtPuertoComandosSAT"));
        part<QPushButton>(*dialog, "cmdCancel")->click();
        QVERIFY(!dialog->isVisible());
    }
    {
        // The call sign: invalid refused with the focus there, and so is
        // one that leaves the modem no call to announce (empty, bare SSID).
        auto dialog = open(rig);
        for (const QString& bad : {QStringLiteral("N0CALL-99"), QString(), QStringLiteral("-5")}) {
            part<QLineEdit>(*dialog, "txtMyCallSign")->setText(bad);
            part<QPushButton>(*dialog, "cmdCancel")->setFocus();
            m_boxes->expect(QStringLiteral("Invalid Call Sign"), MessageBox::Icon::Warning);
            part<QPushButton>(*dialog, "cmdOK")->click();
            QVERIFY2(m_boxes->verify(), qPrintable(bad));
            QVERIFY(refusedAndOpen(*dialog));
            QCOMPARE(dialog->focusWidget(), part<QLineEdit>(*dialog, "txtMyCallSign"));
            QCOMPARE(rig.s().myCallsign, QStringLiteral("N0CALL-1"));
        }
        part<QLineEdit>(*dialog, "txtMyCallSign")->setText(QStringLiteral("n0new-5"));
        part<QPushButton>(*dialog, "cmdOK")->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(rig.s().myCallsign, QStringLiteral("N0NEW-5"));
    }
}

void TestSetupDialog::otherModesKeepTheirPortUnlessUsable()
{
    Rig rig;
    auto dialog = open(rig);
    part<QLineEdit>(*dialog, "txtPuertoComandosFM")->setText(QStringLiteral("0"));
    part<QLineEdit>(*dialog, "txtPuertoComandosSAT")->setText(QStringLiteral("9100xyz"));
    part<QLineEdit>(*dialog, "txtHostSAT")->setText(QStringLiteral("sat.example"));
    part<QPushButton>(*dialog, "cmdOK")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(rig.s().fmTcpPort, 8310);
    QCOMPARE(rig.s().satTcpPort, 9100);
    QCOMPARE(rig.s().satHost, QStringLiteral("sat.example"));

    // What was saved comes back the same.
    QVERIFY(rig.settleFiles());
    SettingsStore reread(rig.dir.path());
    reread.LoadSettings();
    QCOMPARE(reread.s().fmTcpPort, 8310);
    QCOMPARE(reread.s().satTcpPort, 9100);
}

// ---- Call sign ----------------------------------------------------------------

void TestSetupDialog::callSignUpperCasedOnFocusOutAndOnEnter()
{
    Rig rig;
    {
        auto dialog = open(rig);
        part<QLineEdit>(*dialog, "txtMyCallSign")->setFocus();
        part<QLineEdit>(*dialog, "txtMyCallSign")->selectAll();
        QTest::keyClicks(part<QLineEdit>(*dialog, "txtMyCallSign"), QStringLiteral("ab1cd-7"));
        QCOMPARE(part<QLineEdit>(*dialog, "txtMyCallSign")->text(), QStringLiteral("ab1cd-7"));
        part<QLineEdit>(*dialog, "txtHostHF")->setFocus();
        QCOMPARE(part<QLineEdit>(*dialog, "txtMyCallSign")->text(), QStringLiteral("AB1CD-7"));
        part<QPushButton>(*dialog, "cmdCancel")->click();
    }
    {
        // Enter while the box still has the focus: no focus-out happens.
        auto dialog = open(rig);
        part<QLineEdit>(*dialog, "txtMyCallSign")->setFocus();
        part<QLineEdit>(*dialog, "txtMyCallSign")->selectAll();
        QTest::keyClicks(part<QLineEdit>(*dialog, "txtMyCallSign"), QStringLiteral("ab1cd-7"));
        QTest::keyClick(part<QLineEdit>(*dialog, "txtMyCallSign"), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(rig.s().myCallsign, QStringLiteral("AB1CD-7"));
        QCOMPARE(rig.station->display.caption(), CaptionPrefix() + QStringLiteral("AB1CD-7"));
    }
}

void TestSetupDialog::changedCallSignReachesModemAndCaption()
{
    Rig rig;
    FakeModem modem;
    QVERIFY(modem.listen());
    rig.s().hfTcpPort = modem.commandPort();
    QVERIFY(rig.linkTo(modem));
    QVERIFY(modem.commands().contains(QStringLiteral("LISTEN ON")));
    modem.clearCommands();
    QSignalSpy written(&rig.station->link, &ModemLink::commandWritten);

    auto dialog = open(rig);
    part<QLineEdit>(*dialog, "txtMyCallSign")->setText(QStringLiteral("n0new-3"));
    // The alert choices go with the same Update.
    QVERIFY(!part<QCheckBox>(*dialog, "chkAlertOwnCall")->isChecked()
            && part<QLineEdit>(*dialog, "txtAlertWords")->text().isEmpty());
    part<QCheckBox>(*dialog, "chkAlertOwnCall")->setChecked(true);
    part<QLineEdit>(*dialog, "txtAlertWords")->setText(QStringLiteral(" sked, qrz "));
    part<QPushButton>(*dialog, "cmdOK")->click();
    QVERIFY(!dialog->isVisible());
    QVERIFY(rig.s().alertOnOwnCall);
    QCOMPARE(rig.s().alertWords, QStringLiteral("sked, qrz"));

    QCOMPARE(rig.s().myCallsign, QStringLiteral("N0NEW-3"));
    QCOMPARE(rig.station->display.caption(), QStringLiteral("KELDO Terminal v1.2.0      N0NEW-3"));
    QTRY_COMPARE(modem.commands(), (QStringList{QStringLiteral("MYCALL N0NEW-3"), QStringLiteral("BW2300")}));
    QCOMPARE(written.size(), 2);
    QVERIFY(rig.station->link.bothConnected());
}

void TestSetupDialog::unchangedSettingsSendOnlyTheBandwidth()
{
    Rig rig;
    rig.s().autoLaunch = AutoLaunch::On;
    rig.s().keldoHfBw = QStringLiteral("500");
    m_existing << rig.s().keldoHfPath;
    FakeModem modem;
    QVERIFY(modem.listen());
    rig.s().hfTcpPort = modem.commandPort();
    QVERIFY(rig.linkTo(modem));
    QVERIFY(modem.commands().contains(QStringLiteral("LISTEN ON")));
    modem.clearCommands();
    const int attempts = rig.station->link.connectAttempts();
    const SetupValues before = SetupValues::of(rig.s());
    QSignalSpy written(&rig.station->link, &ModemLink::commandWritten);

    auto dialog = open(rig);
    part<QPushButton>(*dialog, "cmdOK")->click();
    QVERIFY(!dialog->isVisible());

    QCOMPARE(written.size(), 1);
    QCOMPARE(written.at(0).at(0).toString(), QStringLiteral("BW500"));
    QTRY_COMPARE(modem.commands(), QStringList{QStringLiteral("BW500")});
    QVERIFY(m_killed.isEmpty());
    QVERIFY(m_launched.isEmpty());
    QVERIFY(rig.station->link.bothConnected());
    QCOMPARE(rig.station->link.connectAttempts(), attempts);
    QCOMPARE(modem.commandAccepts(), 1);
    QCOMPARE(modem.dataAccepts(), 1);
    QCOMPARE(SetupValues::of(rig.s()), before);
    QVERIFY(rig.iniExists());

    // A settings file that cannot be written is told to the operator; what
    // was chosen still holds for this run.
    QVERIFY(QFile::remove(rig.iniPath()) && QDir().mkdir(rig.iniPath()));
    auto again = open(rig);
    m_boxes->expectContaining(QStringLiteral("The settings could not be saved to ")
                                  + QDir::toNativeSeparators(rig.iniPath()),
                              MessageBox::Icon::Warning);
    part<QPushButton>(*again, "cmdOK")->click();
    // The save is written off the GUI thread; its failure comes after.
    QTRY_COMPARE(m_boxes->count(), 1);
    QVERIFY(m_boxes->verify());
    QVERIFY(!again->isVisible());
    QCOMPARE(SetupValues::of(rig.s()), before);
}

// ---- Modem programs -----------------------------------------------------------

void TestSetupDialog::modeOrPathChangeSwitchesPrograms_data()
{
    QTest::addColumn<Mode>("from");
    QTest::addColumn<Mode>("to");
    QTest::addColumn<QString>("newPath"); // empty: path box unchanged
    QTest::addColumn<int>("autoLaunch");
    QTest::addColumn<bool>("ticked"); // the launch box at Update
    QTest::addColumn<QStringList>("killed");
    QTest::addColumn<QStringList>("launched");

    const QString hf = QStringLiteral("KELDO.exe");
    const QString fm = QStringLiteral("KELDOFM.exe");
    const QString sat = QStringLiteral("KELDOSAT.exe");
    QTest::newRow("HF to FM") << HF << FM << QString() << 1 << true << QStringList{sat, hf}
                              << QStringList{QStringLiteral("/opt/keldo fm/KELDOFM.exe")};
    QTest::newRow("HF to FM, new FM path")
        << HF << FM << QStringLiteral("/srv/fm2/FM2.exe") << 1 << true << QStringList{sat, hf, fm}
        << QStringList{QStringLiteral("/srv/fm2/FM2.exe")};
    QTest::newRow("HF to SAT") << HF << SAT << QString() << 1 << true << QStringList{fm, hf}
                               << QStringList{QStringLiteral("/opt/keldo/KELDOSAT.exe")};
    QTest::newRow("SAT to HF") << SAT << HF << QString() << 1 << true << QStringList{fm, sat}
                               << QStringList{QStringLiteral("/opt/keldo/KELDO.exe")};
    QTest::newRow("HF path only") << HF << HF << QStringLiteral("/srv/hf2/HF2.exe") << 1 << true << QStringList{hf}
                                  << QStringList{QStringLiteral("/srv/hf2/HF2.exe")};
    QTest::newRow("HF to FM, no launch") << HF << FM << QString() << 0 << false << QStringList{sat, hf}
                                         << QStringList{};
    // Unticked in the same Update: the missing FM program is neither looked for nor started.
    QTest::newRow("HF to FM, launch unticked")
        << HF << FM << QString() << 1 << false << QStringList{sat, hf} << QStringList{};
    QTest::newRow("HF to FM, launch ticked") << HF << FM << QString() << 0 << true << QStringList{sat, hf}
                                             << QStringList{QStringLiteral("/opt/keldo fm/KELDOFM.exe")};
}

void TestSetupDialog::modeOrPathChangeSwitchesPrograms()
{
    QFETCH(Mode, from);
    QFETCH(Mode, to);
    QFETCH(QString, newPath);
    QFETCH(int, autoLaunch);
    QFETCH(bool, ticked);
    QFETCH(QStringList, killed);
    QFETCH(QStringList, launched);

    Rig rig;
    rig.s().keldoMode = from;
    rig.s().autoLaunch = autoLaunch ? AutoLaunch::On : AutoLaunch::Off;
    if (ticked)
        m_existing << rig.s().keldoHfPath << rig.s().keldoFmPath << rig.s().keldoSatPath << newPath;
    auto dialog = open(rig);
    QRadioButton* option = to == HF ? part<QRadioButton>(*dialog, "optKELDOHF")
        : to == FM                  ? part<QRadioButton>(*dialog, "optKELDOFM1200")
                                    : part<QRadioButton>(*dialog, "optKELDOSAT");
    option->click();
    if (part<QCheckBox>(*dialog, "chkLaunch")->isChecked() != ticked)
        part<QCheckBox>(*dialog, "chkLaunch")->click();
    QLineEdit* pathBox = to == HF ? part<QLineEdit>(*dialog, "txtKELDOHFPath")
        : to == FM                ? part<QLineEdit>(*dialog, "txtKELDOFMPath")
                                  : part<QLineEdit>(*dialog, "txtKELDOSATPath");
    if (!newPath.isEmpty())
        pathBox->setText(newPath);
    part<QPushButton>(*dialog, "cmdOK")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(m_killed, killed);
    QCOMPARE(m_launched, launched);
    QCOMPARE(rig.s().keldoMode.value(), to);
    QCOMPARE(rig.s().autoLaunch == AutoLaunch::On, ticked);
    if (!newPath.isEmpty())
        QCOMPARE(to == HF ? rig.s().keldoHfPath : rig.s().keldoFmPath, newPath);
    // Only the practice modem is told where to listen.
    for (const QStringList& arguments : m_shell.launchArguments)
        QVERIFY(arguments.isEmpty());
}

// The practice modem is started on the address and command port of its
// mode, and started again there when they change (any other program is not).
void TestSetupDialog::practiceModemFollowsItsAddress()
{
    Rig rig;
    rig.s().autoLaunch = AutoLaunch::On;
    const QString sim = QStringLiteral("/opt/keldo/keldo-modem-sim");
    m_existing << sim << rig.s().keldoHfPath;
    QList<QStringList>& arguments = m_shell.launchArguments;
    arguments.clear();
    auto update = [&](const std::function<void(frmSetup&)>& change) {
        m_killed.clear();
        m_launched.clear();
        arguments.clear();
        auto dialog = open(rig);
        change(*dialog);
        part<QPushButton>(*dialog, "cmdOK")->click();
        QVERIFY(!dialog->isVisible());
    };

    // Chosen as the program of the mode.
    update([&](frmSetup& d) { part<QLineEdit>(d, "txtKELDOHFPath")->setText(sim); });
    QCOMPARE(m_killed, QStringList{QStringLiteral("KELDO.exe")});
    QCOMPARE(m_launched, QStringList{sim});
    QCOMPARE(arguments, (QList<QStringList>{{"--host", "127.0.0.1", "--port", "8300"}}));
    // Moved: ended and started where the link goes.
    update([&](frmSetup& d) {
        part<QLineEdit>(d, "txtPuertoComandosHF")->setText(QStringLiteral("8350"));
        part<QLineEdit>(d, "txtHostHF")->setText(QStringLiteral("localhost"));
    });
    QCOMPARE(m_killed, QStringList{QStringLiteral("keldo-modem-sim")});
    QCOMPARE(arguments, (QList<QStringList>{{"--host", "localhost", "--port", "8350"}}));
    // Unchanged, or another mode's port: left running.
    update([](frmSetup&) {});
    update([](frmSetup& d) { part<QLineEdit>(d, "txtPuertoComandosFM")->setText(QStringLiteral("8360")); });
    QVERIFY(m_killed.isEmpty() && m_launched.isEmpty());
    // Moved with the launch unticked: the terminal no longer runs it.
    update([](frmSetup& d) {
        part<QLineEdit>(d, "txtPuertoComandosHF")->setText(QStringLiteral("8370"));
        part<QCheckBox>(d, "chkLaunch")->click();
    });
    QVERIFY(m_killed.isEmpty() && m_launched.isEmpty());
    QCOMPARE(rig.s().hfTcpPort, 8370);
}

void TestSetupDialog::modeSwitchEndsAndStartsRealPrograms()
{
    QTemporaryDir bin;
    QTemporaryDir elsewhere;
    QVERIFY(bin.isValid() && elsewhere.isValid());
    // Names of our own, so that nothing else running here is touched.
    const QString tag = QStringLiteral("%1x%2")
                            .arg(QCoreApplication::applicationPid())
                            .arg(QRandomGenerator::global()->generate() % 100000);
    const QString hfName = QStringLiteral("keldo-hf-%1").arg(tag);
    const QString satName = QStringLiteral("keldo-sat-%1").arg(tag);
    const QString fmName = QStringLiteral("keldo-fm-%1").arg(tag);

    auto idle = [](const QString& path) {
        QFile::remove(path);
        if (!QFile::copy(QStringLiteral(KELDO_IDLE_EXE), path))
            return false;
        return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    const QString hfPath = bin.filePath(hfName);
    const QString satPath = bin.filePath(satName);
    const QString otherHfPath = elsewhere.filePath(hfName);
    QVERIFY(idle(hfPath) && idle(satPath) && idle(otherHfPath));

    // The FM program to start only leaves a mark that it ran.
    const QString marker = bin.filePath(QStringLiteral("fm-started"));
    const QString fmPath = bin.filePath(fmName);
    {
        QFile script(fmPath);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho started > '" + QFile::encodeName(marker) + "'\n");
    }
    QVERIFY(QFile::setPermissions(fmPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    // Programs of the same names that this terminal neither started nor links to.
    QProcess sat, otherHf;
    sat.start(satPath, {});
    otherHf.start(otherHfPath, {});
    QVERIFY(sat.waitForStarted() && otherHf.waitForStarted());

    Rig rig;
    rig.s().autoLaunch = AutoLaunch::On;
    rig.s().keldoHfPath = hfPath;
    rig.s().keldoSatPath = satPath;
    rig.s().keldoFmPath = fmPath;
    QCOMPARE(rig.station->modem.launch(hfPath), ModemProcesses::Launch::Started);
    const QList<qint64> own = rig.station->modem.started();
    QCOMPARE(own.size(), 1);
    // The program's own shell, its boxes recorded.
    struct RealPrograms : DesktopShell
    {
        using DesktopShell::DesktopShell;
        void showMessage(QWidget*, const MessageBox::Shown& box) override { MessageBoxRecorder::deliver(box); }
    } real(rig.station->modem, [&] { return rig.station->modemLinkEnds(); });
    Shell::install(&real);
    auto dialog = open(rig);
    part<QRadioButton>(*dialog, "optKELDOFM1200")->click();
    part<QPushButton>(*dialog, "cmdOK")->click();
    QVERIFY(!dialog->isVisible());

    QTRY_VERIFY(!rig.station->modem.isRunning(own.first()));
    QTRY_VERIFY(QFile::exists(marker));
    QCOMPARE(sat.state(), QProcess::Running);
    QCOMPARE(otherHf.state(), QProcess::Running);
    for (QProcess* p : {&sat, &otherHf}) {
        p->kill();
        p->waitForFinished();
    }
}

void TestSetupDialog::missingProgramRefusesAndCancelRestores()
{
    Rig rig;
    FakeModem modem;
    QVERIFY(modem.listen());
    rig.s().hfTcpPort = modem.commandPort();
    rig.s().autoLaunch = AutoLaunch::On;
    QVERIFY(rig.linkTo(modem));
    QVERIFY(modem.commands().contains(QStringLiteral("LISTEN ON")));
    modem.clearCommands();
    const SetupValues before = SetupValues::of(rig.s());
    auto dialog = open(rig);
    part<QRadioButton>(*dialog, "optKELDOFM1200")->click();
    part<QLineEdit>(*dialog, "txtKELDOFMPath")->setText(QStringLiteral("/nowhere/FMX.exe"));
    m_boxes->expect(QStringLiteral("/nowhere/FMX.exe file not found"), MessageBox::Icon::Critical);
    part<QPushButton>(*dialog, "cmdOK")->click();
    QVERIFY(m_boxes->verify());
    QVERIFY(refusedAndOpen(*dialog));
    // Checked before anything is ended: the running modem stays.
    QVERIFY(m_killed.isEmpty());
    QVERIFY(m_launched.isEmpty());
    // A refused Update leaves the settings as they were (a shutdown may save them now).
    QCOMPARE(SetupValues::of(rig.s()), before);
    // The menus follow the stored mode while the dialog stays open.
    QVERIFY(rig.station->display.modeChecked(HF));
    QVERIFY(!rig.station->display.modeChecked(FM));
    QVERIFY(rig.station->display.pttMenuVisible());

    part<QPushButton>(*dialog, "cmdCancel")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(SetupValues::of(rig.s()), before);
    QVERIFY(m_killed.isEmpty());
    QVERIFY(!rig.iniExists());
    // The link was never touched.
    QVERIFY(rig.station->link.bothConnected());
    QCOMPARE(modem.commandAccepts(), 1);
    QCOMPARE(modem.dataAccepts(), 1);

    // The next opening shows the stored values again.
    auto again = open(rig);
    QVERIFY(part<QRadioButton>(*again, "optKELDOHF")->isChecked());
    QCOMPARE(part<QLineEdit>(*again, "txtKELDOFMPath")->text(), before.fmPath);
}

void TestSetupDialog::cancelRestoresEverything()
{
    Rig rig;
    FakeModem modem;
    QVERIFY(modem.listen());
    rig.s().hfTcpPort = modem.commandPort();
    QVERIFY(rig.linkTo(modem));
    QVERIFY(modem.commands().contains(QStringLiteral("LISTEN ON")));
    modem.clearCommands();
    const SetupValues before = SetupValues::of(rig.s());
    QSignalSpy written(&rig.station->link, &ModemLink::commandWritten);

    for (bool byEscape : {false, true}) {
        auto dialog = open(rig);
        part<QRadioButton>(*dialog, "optKELDOSAT")->click();
        part<QRadioButton>(*dialog, "opt2750")->click();
        part<QLineEdit>(*dialog, "txtPuertoComandosHF")->setText(QStringLiteral("9000"));
        part<QLineEdit>(*dialog, "txtPuertoComandosSAT")->setText(QStringLiteral("9002"));
        part<QLineEdit>(*dialog, "txtHostSAT")->setText(QStringLiteral("127.0.0.9"));
        part<QLineEdit>(*dialog, "txtMyCallSign")->setText(QStringLiteral("N0NEW"));
        part<QLineEdit>(*dialog, "txtKELDOSATPath")->setText(QStringLiteral("/x/SAT2.exe"));
        part<QCheckBox>(*dialog, "chkLaunch")->click();
        QVERIFY(!rig.station->display.modeChecked(HF));
        if (byEscape)
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            part<QPushButton>(*dialog, "cmdCancel")->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(SetupValues::of(rig.s()), before);
        QVERIFY(rig.station->display.modeChecked(HF));
        QVERIFY(!rig.station->display.modeChecked(SAT));
        QVERIFY(rig.station->display.pttMenuVisible());
    }
    QCOMPARE(written.size(), 0);
    QVERIFY(m_killed.isEmpty() && m_launched.isEmpty());
    QVERIFY(rig.station->link.bothConnected());
    QVERIFY(!rig.iniExists());
}

void TestSetupDialog::refusedWhileConnectedRestoresMenus()
{
    Rig rig;
    rig.station->conn.ConnectionActive = true;
    const SetupValues before = SetupValues::of(rig.s());
    auto dialog = open(rig);
    part<QRadioButton>(*dialog, "optKELDOFM1200")->click();
    QVERIFY(!rig.station->display.pttMenuVisible());
    m_boxes->expect(QStringLiteral("No while a connection is is progress."), MessageBox::Icon::Warning);
    part<QPushButton>(*dialog, "cmdOK")->click();
    QVERIFY(m_boxes->verify());
    QVERIFY(refusedAndOpen(*dialog));
    QVERIFY(rig.station->display.pttMenuVisible());
    QVERIFY(rig.station->display.modeChecked(HF));

    // The close box is refused the same way; only Cancel closes.
    m_boxes->expect(QStringLiteral("No while a connection is is progress."), MessageBox::Icon::Warning);
    dialog->close();
    QVERIFY(m_boxes->verify());
    QVERIFY(dialog->isVisible());
    part<QPushButton>(*dialog, "cmdCancel")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(SetupValues::of(rig.s()), before);
}

// What leaves the link and the modem alone is taken during a connection,
// without a word to the modem; any field they depend on is still refused.
void TestSetupDialog::alertWordsApplyDuringConnection()
{
    Rig rig;
    rig.s().autoLaunch = AutoLaunch::On;
    m_existing << rig.s().keldoHfPath;
    FakeModem modem;
    QVERIFY(modem.listen());
    rig.s().hfTcpPort = modem.commandPort();
    QVERIFY(rig.linkTo(modem));
    QVERIFY(modem.commands().contains(QStringLiteral("LISTEN ON")));
    modem.clearCommands();
    rig.station->conn.ConnectionActive = true;
    const SetupValues before = SetupValues::of(rig.s());
    QSignalSpy written(&rig.station->link, &ModemLink::commandWritten);

    auto dialog = open(rig);
    part<QCheckBox>(*dialog, "chkAlertOwnCall")->click();
    part<QLineEdit>(*dialog, "txtAlertWords")->setText(QStringLiteral("QRZ, CONTEST"));
    // The call sign as typed in small letters is the same call.
    part<QLineEdit>(*dialog, "txtMyCallSign")->setText(QStringLiteral("n0call-1"));
    part<QPushButton>(*dialog, "cmdOK")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(rig.s().alertWords, QStringLiteral("QRZ, CONTEST"));
    QVERIFY(rig.s().alertOnOwnCall);
    QVERIFY(rig.readIni().contains("Alert Words=QRZ, CONTEST\r\n"));
    QCOMPARE(written.size(), 0);
    QVERIFY(m_killed.isEmpty() && m_launched.isEmpty());
    QCOMPARE(SetupValues::of(rig.s()), before);

    const std::function<void(frmSetup&)> linkChanges[] = {
        [](frmSetup& d) { part<QLineEdit>(d, "txtPuertoComandosHF")->setText(QStringLiteral("8350")); },
        [](frmSetup& d) { part<QLineEdit>(d, "txtHostSAT")->setText(QStringLiteral("10.0.0.9")); },
        [](frmSetup& d) { part<QLineEdit>(d, "txtMyCallSign")->setText(QStringLiteral("N0NEW")); },
        [](frmSetup& d) { part<QRadioButton>(d, "opt500")->click(); },
        [](frmSetup& d) { part<QLineEdit>(d, "txtKELDOFMPath")->setText(QStringLiteral("/srv/fm2/FM2.exe")); },
        [](frmSetup& d) { part<QCheckBox>(d, "chkLaunch")->click(); },
        [](frmSetup& d) { part<QRadioButton>(d, "optKELDOSAT")->click(); },
    };
    for (const auto& change : linkChanges) {
        auto refused = open(rig);
        change(*refused);
        part<QLineEdit>(*refused, "txtAlertWords")->setText(QStringLiteral("DX"));
        m_boxes->expect(QStringLiteral("No while a connection is is progress."), MessageBox::Icon::Warning);
        part<QPushButton>(*refused, "cmdOK")->click();
        QVERIFY(m_boxes->verify());
        QVERIFY(refusedAndOpen(*refused));
        part<QPushButton>(*refused, "cmdCancel")->click();
    }
    QCOMPARE(rig.s().alertWords, QStringLiteral("QRZ, CONTEST"));
    QCOMPARE(SetupValues::of(rig.s()), before);
    QCOMPARE(written.size(), 0);
}

// ---- Live link ----------------------------------------------------------------

void TestSetupDialog::hostChangeReconnectsToNewModem()
{
    FakeModem first(QHostAddress(QStringLiteral("127.0.0.1")));
    FakeModem second(QHostAddress(QStringLiteral("127.0.0.2")));
    bool listening = false;
    for (int i = 0; i < 20 && !listening; ++i) {
        first.stopListening();
        listening = first.listen() && second.listen(first.commandPort());
    }
    QVERIFY2(listening, "no port pair free on both 127.0.0.1 and 127.0.0.2");

    Rig rig;
    rig.s().hfHost = QStringLiteral("127.0.0.1");
    rig.s().hfTcpPort = first.commandPort();
    const int period = 3000;
    rig.station->link.setSupervisionInterval(period);
    rig.station->configureCore();
    rig.station->link.armSupervision();
    QVERIFY(rig.linkTo(first));
    QVERIFY(first.commands().contains(QStringLiteral("LISTEN ON")));
    first.clearCommands();

    auto dialog = open(rig);
    part<QLineEdit>(*dialog, "txtHostHF")->setText(QStringLiteral("127.0.0.2"));
    part<QPushButton>(*dialog, "cmdOK")->click();
    QVERIFY(!dialog->isVisible());

    QTRY_VERIFY_WITH_TIMEOUT(second.linked() && rig.station->link.bothConnected(), period);
    QCOMPARE(rig.station->link.commandRemoteHost(), QStringLiteral("127.0.0.2"));
    QCOMPARE(rig.station->link.dataRemotePort(), quint16(first.commandPort() + 1));
    QTRY_VERIFY(second.commands().contains(QStringLiteral("MYCALL N0CALL-1")));
    QTRY_VERIFY(!first.commandConnected() && !first.dataConnected());
    QCOMPARE(first.commandAccepts(), 1);
}

void TestSetupDialog::portChangeReconnectsToNewModem()
{
    FakeModem first;
    FakeModem second;
    QVERIFY(first.listen() && second.listen());

    Rig rig;
    rig.s().hfTcpPort = first.commandPort();
    const int period = 3000;
    rig.station->link.setSupervisionInterval(period);
    rig.station->configureCore();
    rig.station->link.armSupervision();
    QVERIFY(rig.linkTo(first));
    QVERIFY(first.commands().contains(QStringLiteral("LISTEN ON")));
    first.clearCommands();

    auto dialog = open(rig);
    part<QLineEdit>(*dialog, "txtPuertoComandosHF")->setText(QString::number(second.commandPort()));
    part<QPushButton>(*dialog, "cmdOK")->click();
    QVERIFY(!dialog->isVisible());

    QTRY_VERIFY_WITH_TIMEOUT(second.linked() && rig.station->link.bothConnected(), period);
    QCOMPARE(rig.station->link.commandRemotePort(), second.commandPort());
    QTRY_VERIFY(!first.commandConnected() && !first.dataConnected());
    QCOMPARE(rig.s().hfTcpPort, int(second.commandPort()));
}

void TestSetupDialog::otherModeAddressChangeKeepsTheLink()
{
    FakeModem modem;
    QVERIFY(modem.listen());
    Rig rig;
    rig.s().hfTcpPort = modem.commandPort();
    QVERIFY(rig.linkTo(modem));
    QVERIFY(modem.commands().contains(QStringLiteral("LISTEN ON")));
    modem.clearCommands();
    const int attempts = rig.station->link.connectAttempts();

    auto dialog = open(rig);
    part<QLineEdit>(*dialog, "txtHostFM")->setText(QStringLiteral("127.0.0.7"));
    part<QLineEdit>(*dialog, "txtPuertoComandosSAT")->setText(QStringLiteral("9500"));
    part<QPushButton>(*dialog, "cmdOK")->click();
    QVERIFY(!dialog->isVisible());
    QVERIFY(rig.station->link.bothConnected());
    QCOMPARE(rig.station->link.connectAttempts(), attempts);
    QCOMPARE(modem.commandAccepts(), 1);
    QCOMPARE(rig.s().fmHost, QStringLiteral("127.0.0.7"));
    QCOMPARE(rig.s().satTcpPort, 9500);
}

// ---- Stored values that match no option ---------------------------------------

void TestSetupDialog::unknownStoredModeAndBandwidthStayUnchanged()
{
    Rig rig;
    rig.s().keldoMode = ModeSetting::other(QStringLiteral("KELDOXX"));
    rig.s().keldoHfBw = QStringLiteral("1800");
    rig.s().autoLaunch = AutoLaunch::On;
    m_existing << rig.s().keldoFmPath;
    auto dialog = open(rig);
    frmSetup& d = *dialog;

    QVERIFY(!part<QRadioButton>(d, "optKELDOHF")->isChecked() && !part<QRadioButton>(d, "optKELDOFM1200")->isChecked()
            && !part<QRadioButton>(d, "optKELDOSAT")->isChecked());
    QVERIFY(!part<QRadioButton>(d, "opt500")->isChecked() && !part<QRadioButton>(d, "opt2300")->isChecked()
            && !part<QRadioButton>(d, "opt2750")->isChecked());
    QVERIFY(part<QGroupBox>(d, "fraFMTCP")->isVisibleTo(&d) && !part<QGroupBox>(d, "fraHFTCP")->isVisibleTo(&d)
            && !part<QGroupBox>(d, "fraBW")->isVisibleTo(&d));
    QVERIFY(!rig.station->display.pttMenuVisible());
    QVERIFY(!rig.station->display.modeChecked(FM) && !rig.station->display.modeChecked(HF));

    // The FM fields are the ones tested.
    part<QLineEdit>(d, "txtPuertoComandosFM")->setText(QStringLiteral("80"));
    m_boxes->expect(QStringLiteral("Invalid TCP port"), MessageBox::Icon::Warning);
    QTest::mouseClick(part<QPushButton>(d, "cmdOK"), Qt::LeftButton);
    QVERIFY(m_boxes->verify());
    QCOMPARE(d.focusWidget(), part<QLineEdit>(d, "txtPuertoComandosFM"));
    part<QLineEdit>(d, "txtPuertoComandosFM")->setText(QStringLiteral("8311"));
    part<QPushButton>(d, "cmdOK")->click();
    QVERIFY(!d.isVisible());

    QCOMPARE(rig.s().keldoMode, ModeSetting::other(QStringLiteral("KELDOXX")));
    QCOMPARE(rig.s().keldoHfBw, QStringLiteral("1800"));
    QCOMPARE(rig.s().fmTcpPort, 8311);
    QVERIFY(m_killed.isEmpty() && m_launched.isEmpty());
    QVERIFY(rig.settleFiles());
    SettingsStore reread(rig.dir.path());
    reread.LoadSettings();
    QCOMPARE(reread.s().keldoMode, ModeSetting::other(QStringLiteral("KELDOXX")));
    QCOMPARE(reread.s().keldoHfBw, QStringLiteral("1800"));
}

// ---- Closing ------------------------------------------------------------------

void TestSetupDialog::shutdownClosesWithoutApplying()
{
    Rig rig;
    const SetupValues before = SetupValues::of(rig.s());
    auto dialog = open(rig);
    part<QLineEdit>(*dialog, "txtPuertoComandosHF")->setText(QStringLiteral("1"));
    part<QLineEdit>(*dialog, "txtMyCallSign")->setText(QStringLiteral("N0NEW"));
    rig.station->TerminarAplicacion = true;
    dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(SetupValues::of(rig.s()), before);
    QVERIFY(!rig.iniExists());
}

void TestSetupDialog::closeBoxAppliesLikeUpdate()
{
    Rig rig;
    m_existing << rig.s().keldoSatPath;
    auto dialog = open(rig);
    part<QRadioButton>(*dialog, "optKELDOSAT")->click();
    part<QLineEdit>(*dialog, "txtMyCallSign")->setText(QStringLiteral("n0new"));
    part<QCheckBox>(*dialog, "chkLaunch")->click();
    dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(rig.s().keldoMode.value(), SAT);
    QCOMPARE(rig.s().myCallsign, QStringLiteral("N0NEW"));
    QCOMPARE(rig.s().autoLaunch.value(), AutoLaunch::On);
    QVERIFY(rig.station->display.modeChecked(SAT));
    QVERIFY(rig.iniExists());
}

void TestSetupDialog::switchToSatAgainstPracticeModem()
{
    SimProcess hfModem;
    QVERIFY2(hfModem.start(), qPrintable(hfModem.errorString()));
    SimProcess satModem;
    QVERIFY2(satModem.start(), qPrintable(satModem.errorString()));
    QVERIFY(hfModem.port() != satModem.port());

    Rig rig;
    rig.s().hfTcpPort = hfModem.port();
    rig.s().satTcpPort = 8399;
    // The terminal's own supervision period.
    rig.station->configureCore();
    rig.station->link.armSupervision();
    rig.station->link.CheckSockets();
    QVERIFY(hfModem.waitForOutput(QStringLiteral("<- BW2300")));
    QTRY_VERIFY(rig.station->link.bothConnected());

    QSignalSpy written(&rig.station->link, &ModemLink::commandWritten);
    QSignalSpy linkedUp(&rig.station->link, &ModemLink::linkedUp);
    auto dialog = open(rig);
    part<QRadioButton>(*dialog, "optKELDOSAT")->click();
    part<QLineEdit>(*dialog, "txtPuertoComandosSAT")->setText(QString::number(satModem.port()));
    part<QPushButton>(*dialog, "cmdOK")->click();
    QVERIFY(!dialog->isVisible());

    QVERIFY(satModem.waitForOutput(QStringLiteral("<- MYCALL N0CALL-1"), ModemLink::SupervisionIntervalMs));
    QVERIFY(satModem.waitForOutput(QStringLiteral("<- COMPRESSION FILES")));
    QVERIFY(!linkedUp.isEmpty());
    QVERIFY(rig.station->link.bothConnected());
    QCOMPARE(rig.station->link.commandRemotePort(), satModem.port());
    QCOMPARE(rig.station->link.dataRemotePort(), quint16(satModem.port() + 1));
    // Neither the dialog nor the link-up in SAT mode sends a bandwidth.
    for (const QList<QVariant>& command : written)
        QVERIFY2(!command.at(0).toString().startsWith(QStringLiteral("BW")), qPrintable(command.at(0).toString()));
}

// ---- Layout -------------------------------------------------------------------

void TestSetupDialog::everyModeFitsThePlatformFont_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("autoLaunch");
    QTest::addColumn<qreal>("points"); // application font size, 0: the platform's
    QTest::newRow("HF") << HF << 1 << 0.0;
    QTest::newRow("FM") << FM << 1 << 0.0;
    QTest::newRow("SAT") << SAT << 1 << 0.0;
    QTest::newRow("HF, no launch") << HF << 0 << 0.0;
    QTest::newRow("HF, large font") << HF << 1 << 16.0;
}

void TestSetupDialog::everyModeFitsThePlatformFont()
{
    QFETCH(Mode, mode);
    QFETCH(int, autoLaunch);
    QFETCH(qreal, points);

    const QFont platformFont = QApplication::font();
    const double platformScale = DialogGeometry::FontScale(platformFont);
    struct RestoreFont
    {
        QFont font;
        ~RestoreFont() { QApplication::setFont(font); }
    } restore{platformFont};
    if (points > 0) {
        QFont big = platformFont;
        big.setPointSizeF(points);
        QApplication::setFont(big);
    }

    Rig rig;
    rig.s().keldoMode = mode;
    rig.s().autoLaunch = autoLaunch ? AutoLaunch::On : AutoLaunch::Off;
    auto dialog = open(rig);
    const QStringList faults = clippedControls(dialog.get());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

    // The design grows as a whole: 15 twips to the pixel, times the scale.
    const double scale = DialogGeometry::ScaleOf(dialog.get());
    QVERIFY(scale >= DialogGeometry::FontScale(dialog->font()));
    if (points > 0)
        QVERIFY(scale > platformScale);
    QCOMPARE(dialog->size(), DialogGeometry::Scaled(QSize(465, 360), scale));
    QCOMPARE(dialog->findChild<QWidget*>(QStringLiteral("fraBW"))->geometry(),
             DialogGeometry::Scaled(QRect(312, 8, 137, 169), scale));
    QCOMPARE(dialog->findChild<QWidget*>(QStringLiteral("opt2300"))->geometry(),
             DialogGeometry::Scaled(QRect(16, 72, 113, 25), scale));
    QCOMPARE(dialog->findChild<QWidget*>(QStringLiteral("cmdCancel"))->geometry(),
             DialogGeometry::Scaled(QRect(256, 320, 84, 29), scale));
}

QTEST_MAIN(TestSetupDialog)
#include "test_setup_dialog.moc"
