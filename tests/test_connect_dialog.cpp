#include "app/DesktopStation.h"
#include "dialogs/frmConnect.h"
#include "support/DialogParts.h"
#include "support/FakeModem.h"
#include "support/LayoutChecks.h"
#include "support/MessageBoxRecorder.h"
#include "support/TerminalFixture.h"
#include "widgets/DialogGeometry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const ModeSetting HF = Mode::HF;
const ModeSetting FM = Mode::FM;
const ModeSetting SAT = Mode::SAT;

CallSignList listOf(const QStringList& entries)
{
    CallSignList list;
    for (int i = 0; i < entries.size() && i < 10; ++i)
        list[size_t(i)] = entries.at(i);
    return list;
}

QStringList entriesOf(const CallSignList& list)
{
    QStringList out;
    for (const QString& e : list)
        out << e;
    return out;
}

QStringList itemsOf(const QComboBox* combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

// What the dialog may store.
struct ConnectValues
{
    QString hf, fm, sat, via1, via2;
    CallSignList hfList, fmList, satList, via1List, via2List;

    static ConnectValues of(const Settings& s)
    {
        return {s.connectWithHf, s.connectWithFm, s.connectWithSat, s.via1,     s.via2,
                s.connectHfList, s.connectFmList, s.connectSatList, s.via1List, s.via2List};
    }
    bool operator==(const ConnectValues& o) const
    {
        return hf == o.hf && fm == o.fm && sat == o.sat && via1 == o.via1 && via2 == o.via2 && hfList == o.hfList
            && fmList == o.fmList && satList == o.satList && via1List == o.via1List && via2List == o.via2List;
    }
};

char* toString(const ConnectValues& v)
{
    return qstrdup(
        qPrintable(QStringLiteral("targets %1/%2/%3 via %4/%5 lists [%6] [%7] [%8] [%9] [%10]")
                       .arg(v.hf, v.fm, v.sat, v.via1, v.via2, entriesOf(v.hfList).join(QLatin1Char(',')),
                            entriesOf(v.fmList).join(QLatin1Char(',')), entriesOf(v.satList).join(QLatin1Char(',')),
                            entriesOf(v.via1List).join(QLatin1Char(',')))
                       .arg(entriesOf(v.via2List).join(QLatin1Char(',')))));
}

} // namespace

class TestConnectDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheModesBoxesAndStoredValues_data();
    void showsTheModesBoxesAndStoredValues();
    void historyOfferedUpToFirstEmpty();
    void lowerCaseCallIsStoredPushedSavedAndCalled_data();
    void lowerCaseCallIsStoredPushedSavedAndCalled();
    void fmCallWithAndWithoutDigipeaters_data();
    void fmCallWithAndWithoutDigipeaters();
    void invalidCallSignRefusedWithFocus_data();
    void invalidCallSignRefusedWithFocus();
    void emptyTargetRefusedButCloseBoxStoresIt();
    void callPushesTheOtherModesValues();
    void closeBoxStoresOnlyWhenEveryBoxIsValid();
    void focusOutUpperCases();
    void shutdownClosesWithoutStoring();
    void everyModeFitsThePlatformFont_data();
    void everyModeFitsThePlatformFont();

private:
    struct Rig : StationFixture
    {
        Rig()
        {
            createStation();
            Settings& s = station->s();
            s.myCallsign = QStringLiteral("N0CALL-1");
            s.keldoMode = HF;
            s.connectWithHf = QStringLiteral("N0CALL-2");
            s.connectWithFm = QStringLiteral("N0FM-2");
            s.connectWithSat = QStringLiteral("N0SAT-2");
            s.connectHfList = listOf({QStringLiteral("N0CALL-2"), QStringLiteral("N0CALL-3")});
            s.connectFmList = listOf({QStringLiteral("N0FM-3"), QStringLiteral("N0FM-2")});
            s.connectSatList = listOf({QStringLiteral("N0SAT-3")});
            s.via1List = listOf({QStringLiteral("DIGI1")});
            s.via2List = listOf({QStringLiteral("DIGI2")});
            station->link.setRetryThrottle(20);
        }
        Settings reread() const
        {
            settleFiles();
            SettingsStore store(dir.path());
            store.LoadSettings();
            return store.s();
        }
    };

    std::unique_ptr<frmConnect> open(Rig& rig);
    static void type(QComboBox* combo, const QString& text);

    std::unique_ptr<MessageBoxRecorder> m_boxes;
};

void TestConnectDialog::init()
{
    m_boxes = std::make_unique<MessageBoxRecorder>();
}

void TestConnectDialog::cleanup()
{
    m_boxes->verifyNoUnexpected();
    m_boxes.reset();
}

std::unique_ptr<frmConnect> TestConnectDialog::open(Rig& rig)
{
    auto dialog = rig.station->connectDialog();
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        qWarning("connect dialog did not become active");
    return dialog;
}

// Types into the box as the operator does, replacing what it holds.
void TestConnectDialog::type(QComboBox* combo, const QString& text)
{
    combo->setFocus();
    combo->lineEdit()->selectAll();
    if (text.isEmpty())
        QTest::keyClick(combo, Qt::Key_Delete);
    else
        QTest::keyClicks(combo, text);
}

// ---- Loading ------------------------------------------------------------------

void TestConnectDialog::showsTheModesBoxesAndStoredValues_data()
{
    QTest::addColumn<ModeSetting>("mode");
    QTest::addColumn<QString>("target"); // objectName of the one visible target, empty: all
    QTest::addColumn<bool>("digipeaters");
    QTest::newRow("HF") << HF << "cboConnectHF" << false;
    QTest::newRow("FM") << FM << "cboConnectFM" << true;
    QTest::newRow("SAT") << SAT << "cboConnectSAT" << false;
    // Another mode text changes no visibility.
    QTest::newRow("unknown") << ModeSetting::other(QStringLiteral("KELDOXX")) << QString() << true;
}

void TestConnectDialog::showsTheModesBoxesAndStoredValues()
{
    QFETCH(ModeSetting, mode);
    QFETCH(QString, target);
    QFETCH(bool, digipeaters);

    Rig rig;
    rig.s().keldoMode = mode;
    rig.s().via1 = QStringLiteral("DIGI9");
    auto dialog = open(rig);
    frmConnect& d = *dialog;
    for (QComboBox* c : {part(d, "cboConnectHF"), part(d, "cboConnectFM"), part(d, "cboConnectSAT")})
        QCOMPARE(c->isVisible(), target.isEmpty() || c->objectName() == target);
    for (QWidget* w : {static_cast<QWidget*>(part<QLabel>(d, "lblVia1")), static_cast<QWidget*>(part(d, "cboVia1")),
                       static_cast<QWidget*>(part<QLabel>(d, "lblVia2")), static_cast<QWidget*>(part(d, "cboVia2"))})
        QCOMPARE(w->isVisible(), digipeaters);

    QCOMPARE(part(d, "cboConnectHF")->currentText(), QStringLiteral("N0CALL-2"));
    QCOMPARE(part(d, "cboConnectFM")->currentText(), QStringLiteral("N0FM-2"));
    QCOMPARE(part(d, "cboConnectSAT")->currentText(), QStringLiteral("N0SAT-2"));
    QCOMPARE(part(d, "cboVia1")->currentText(), QStringLiteral("DIGI9"));
    QCOMPARE(part(d, "cboVia2")->currentText(), QString());
    QCOMPARE(d.windowTitle(), QStringLiteral("Connect"));
    QCOMPARE(part<QLabel>(d, "Label1")->text(), QStringLiteral("Connect with:"));
    // No box takes more than the settings file keeps.
    for (QComboBox* c : {part(d, "cboConnectHF"), part(d, "cboConnectFM"), part(d, "cboConnectSAT"), part(d, "cboVia1"),
                         part(d, "cboVia2")})
        QCOMPARE(c->lineEdit()->maxLength(), 255);
}

void TestConnectDialog::historyOfferedUpToFirstEmpty()
{
    Rig rig;
    CallSignList hf = listOf({QStringLiteral("N0CALL-1"), QStringLiteral("N0CALL-2")});
    for (size_t i = 3; i < 10; ++i)
        hf[i] = QStringLiteral("HIDDEN%1").arg(i);
    rig.s().connectHfList = hf;
    CallSignList full;
    for (size_t i = 0; i < 10; ++i)
        full[i] = QStringLiteral("N0SAT-%1").arg(i + 1);
    rig.s().connectSatList = full;
    rig.s().via2List = CallSignList{};

    auto dialog = open(rig);
    QCOMPARE(itemsOf(part(*dialog, "cboConnectHF")),
             (QStringList{QStringLiteral("N0CALL-1"), QStringLiteral("N0CALL-2")}));
    QCOMPARE(itemsOf(part(*dialog, "cboConnectSAT")), entriesOf(full));
    QCOMPARE(itemsOf(part(*dialog, "cboVia1")), QStringList{QStringLiteral("DIGI1")});
    QCOMPARE(part(*dialog, "cboVia2")->count(), 0);
    // The edit text is the stored value, not the first entry.
    QCOMPARE(part(*dialog, "cboConnectSAT")->currentText(), QStringLiteral("N0SAT-2"));
}

// ---- Placing the call ---------------------------------------------------------

void TestConnectDialog::lowerCaseCallIsStoredPushedSavedAndCalled_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("button") << false;
    // Enter leaves the focus in the box: it is never upper-cased by a focus-out.
    QTest::newRow("Enter") << true;
}

void TestConnectDialog::lowerCaseCallIsStoredPushedSavedAndCalled()
{
    QFETCH(bool, byEnter);
    FakeModem modem;
    QVERIFY(modem.listen());
    Rig rig;
    aimAt(rig.s(), modem);
    QVERIFY(rig.linkTo(modem));
    modem.clearCommands();

    auto dialog = open(rig);
    type(part(*dialog, "cboConnectHF"), QStringLiteral("n0call-5"));
    if (byEnter)
        QTest::keyClick(part(*dialog, "cboConnectHF"), Qt::Key_Return);
    else
        QTest::mouseClick(part<QPushButton>(*dialog, "cmdConnect"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));

    const QString call = QStringLiteral("N0CALL-5");
    QCOMPARE(rig.s().connectWithHf, call);
    QCOMPARE(entriesOf(rig.s().connectHfList).mid(0, 4),
             (QStringList{call, QStringLiteral("N0CALL-2"), QStringLiteral("N0CALL-3"), QString()}));
    const Settings saved = rig.reread();
    QCOMPARE(saved.connectWithHf, call);
    QCOMPARE(saved.connectHfList[0], call);
    QTRY_COMPARE(modem.commands(), QStringList{QStringLiteral("CONNECT N0CALL-1 N0CALL-5")});
    QVERIFY(rig.station->conn.OutgoingCall);
}

void TestConnectDialog::fmCallWithAndWithoutDigipeaters_data()
{
    QTest::addColumn<QString>("via1");
    QTest::addColumn<QString>("via2");
    QTest::addColumn<QString>("command");
    QTest::newRow("none") << QString() << QString() << "CONNECT N0CALL-1 N0FM-2";
    QTest::newRow("one") << "digi1-3" << QString() << "CONNECT N0CALL-1 N0FM-2 VIA DIGI1-3";
    QTest::newRow("two") << "DIGI1"
                         << "digi2-r"
                         << "CONNECT N0CALL-1 N0FM-2 VIA DIGI1 DIGI2-R";
    QTest::newRow("second only") << QString() << "DIGI2"
                                 << "CONNECT N0CALL-1 N0FM-2";
}

void TestConnectDialog::fmCallWithAndWithoutDigipeaters()
{
    QFETCH(QString, via1);
    QFETCH(QString, via2);
    QFETCH(QString, command);
    FakeModem modem;
    QVERIFY(modem.listen());
    Rig rig;
    rig.s().keldoMode = FM;
    aimAt(rig.s(), modem);
    QVERIFY(rig.linkTo(modem));
    modem.clearCommands();

    auto dialog = open(rig);
    type(part(*dialog, "cboVia1"), via1);
    type(part(*dialog, "cboVia2"), via2);
    part<QPushButton>(*dialog, "cmdConnect")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(rig.s().via1, via1.toUpper());
    QCOMPARE(rig.s().via2, via2.toUpper());
    QTRY_COMPARE(modem.commands(), QStringList{command});
}

void TestConnectDialog::invalidCallSignRefusedWithFocus_data()
{
    QTest::addColumn<ModeSetting>("mode");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("HF target empty") << HF << "cboConnectHF" << QString();
    QTest::newRow("HF target too long") << HF << "cboConnectHF"
                                        << "N0CALLXX";
    QTest::newRow("SAT target bad SSID") << SAT << "cboConnectSAT"
                                         << "n0sat-18";
    QTest::newRow("FM target empty") << FM << "cboConnectFM" << QString();
    QTest::newRow("FM first digipeater") << FM << "cboVia1"
                                         << "N0CALL-0";
    QTest::newRow("FM second digipeater") << FM << "cboVia2"
                                          << "N0-CALL";
}

void TestConnectDialog::invalidCallSignRefusedWithFocus()
{
    QFETCH(ModeSetting, mode);
    QFETCH(QString, box);
    QFETCH(QString, text);
    FakeModem modem;
    QVERIFY(modem.listen());
    Rig rig;
    rig.s().keldoMode = mode;
    aimAt(rig.s(), modem);
    QVERIFY(rig.linkTo(modem));
    modem.clearCommands();
    const ConnectValues before = ConnectValues::of(rig.s());
    QSignalSpy written(&rig.station->link, &ModemLink::commandWritten);

    auto dialog = open(rig);
    QComboBox* failing = dialog->findChild<QComboBox*>(box);
    QVERIFY(failing);
    type(failing, text);
    m_boxes->expect(QStringLiteral("Invalid Call Sign"), MessageBox::Icon::Warning);
    // A mouse click takes the focus to the button first.
    QTest::mouseClick(part<QPushButton>(*dialog, "cmdConnect"), Qt::LeftButton);
    QVERIFY(m_boxes->verify());
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->focusWidget(), failing);
    QCOMPARE(ConnectValues::of(rig.s()), before);
    QVERIFY(!rig.iniExists());
    QCOMPARE(written.size(), 0);
    QVERIFY(!rig.station->conn.OutgoingCall);
}

void TestConnectDialog::emptyTargetRefusedButCloseBoxStoresIt()
{
    Rig rig;
    const ConnectValues before = ConnectValues::of(rig.s());
    auto dialog = open(rig);
    type(part(*dialog, "cboConnectHF"), QString());
    m_boxes->expect(QStringLiteral("Invalid Call Sign"), MessageBox::Icon::Warning);
    part<QPushButton>(*dialog, "cmdConnect")->click();
    QVERIFY(m_boxes->verify());
    QVERIFY(dialog->isVisible());

    dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(rig.s().connectWithHf, QString());
    QCOMPARE(rig.reread().connectWithHf, QString());
    // The history is untouched on this path.
    QCOMPARE(rig.s().connectHfList, before.hfList);
    QCOMPARE(rig.s().connectFmList, before.fmList);
}

void TestConnectDialog::callPushesTheOtherModesValues()
{
    Rig rig;
    rig.s().via1.clear();
    rig.s().via2 = QStringLiteral("DIGI7");
    auto dialog = open(rig);
    part<QPushButton>(*dialog, "cmdConnect")->click();
    QVERIFY(!dialog->isVisible());

    const Settings& s = rig.s();
    QCOMPARE(entriesOf(s.connectHfList).mid(0, 3),
             (QStringList{QStringLiteral("N0CALL-2"), QStringLiteral("N0CALL-3"), QString()}));
    QCOMPARE(entriesOf(s.connectFmList).mid(0, 3),
             (QStringList{QStringLiteral("N0FM-2"), QStringLiteral("N0FM-3"), QString()}));
    QCOMPARE(entriesOf(s.connectSatList).mid(0, 3),
             (QStringList{QStringLiteral("N0SAT-2"), QStringLiteral("N0SAT-3"), QString()}));
    // An empty value is not pushed, so the list stays offered.
    QCOMPARE(entriesOf(s.via1List).mid(0, 2), (QStringList{QStringLiteral("DIGI1"), QString()}));
    QCOMPARE(entriesOf(s.via2List).mid(0, 3),
             (QStringList{QStringLiteral("DIGI7"), QStringLiteral("DIGI2"), QString()}));
    const Settings saved = rig.reread();
    QCOMPARE(saved.connectFmList, s.connectFmList);
    QCOMPARE(saved.via2List, s.via2List);
}

// ---- Closing ------------------------------------------------------------------

void TestConnectDialog::closeBoxStoresOnlyWhenEveryBoxIsValid()
{
    Rig rig;
    rig.s().keldoMode = FM;
    const ConnectValues before = ConnectValues::of(rig.s());
    {
        // A hidden box of another mode holds an invalid text: nothing is stored.
        auto dialog = open(rig);
        type(part(*dialog, "cboConnectFM"), QStringLiteral("N0FM-9"));
        part(*dialog, "cboConnectSAT")->setEditText(QStringLiteral("TOOLONGCALL"));
        dialog->close();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(ConnectValues::of(rig.s()), before);
        QVERIFY(!rig.iniExists());
    }
    {
        // All valid: the mode's boxes are stored, upper-cased, and saved.
        auto dialog = open(rig);
        type(part(*dialog, "cboConnectFM"), QStringLiteral("n0fm-9"));
        type(part(*dialog, "cboVia2"), QStringLiteral("digi5"));
        part(*dialog, "cboConnectHF")->setEditText(QStringLiteral("N0HF-9"));
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        ConnectValues expected = before;
        expected.fm = QStringLiteral("N0FM-9");
        expected.via2 = QStringLiteral("DIGI5");
        QCOMPARE(ConnectValues::of(rig.s()), expected);
        QCOMPARE(rig.reread().connectWithFm, QStringLiteral("N0FM-9"));
    }
}

void TestConnectDialog::focusOutUpperCases()
{
    Rig rig;
    rig.s().keldoMode = FM;
    auto dialog = open(rig);
    type(part(*dialog, "cboConnectFM"), QStringLiteral("n0abc-t"));
    QCOMPARE(part(*dialog, "cboConnectFM")->currentText(), QStringLiteral("n0abc-t"));
    type(part(*dialog, "cboVia1"), QStringLiteral("digi1"));
    QCOMPARE(part(*dialog, "cboConnectFM")->currentText(), QStringLiteral("N0ABC-T"));
    part(*dialog, "cboVia2")->setFocus();
    QCOMPARE(part(*dialog, "cboVia1")->currentText(), QStringLiteral("DIGI1"));
    // Nothing is stored by leaving a box.
    QCOMPARE(rig.s().connectWithFm, QStringLiteral("N0FM-2"));
}

void TestConnectDialog::shutdownClosesWithoutStoring()
{
    Rig rig;
    const ConnectValues before = ConnectValues::of(rig.s());
    auto dialog = open(rig);
    type(part(*dialog, "cboConnectHF"), QStringLiteral("N0CALL-9"));
    rig.station->TerminarAplicacion = true;
    dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(ConnectValues::of(rig.s()), before);
    QVERIFY(!rig.iniExists());
}

// ---- Layout -------------------------------------------------------------------

void TestConnectDialog::everyModeFitsThePlatformFont_data()
{
    QTest::addColumn<ModeSetting>("mode");
    QTest::newRow("HF") << HF;
    QTest::newRow("FM") << FM;
    QTest::newRow("SAT") << SAT;
}

void TestConnectDialog::everyModeFitsThePlatformFont()
{
    QFETCH(ModeSetting, mode);
    Rig rig;
    rig.s().keldoMode = mode;
    // A long call with a two-digit SSID in every box.
    rig.s().connectWithHf = rig.s().connectWithFm = rig.s().connectWithSat = QStringLiteral("DL1ABC-15");
    rig.s().via1 = rig.s().via2 = QStringLiteral("DB0ABC-10");
    auto dialog = open(rig);
    const QStringList faults = clippedControls(dialog.get());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

    const double scale = DialogGeometry::ScaleOf(dialog.get());
    QVERIFY(scale >= DialogGeometry::FontScale(dialog->font()));
    QCOMPARE(dialog->size(), DialogGeometry::Scaled(QSize(224, 136), scale));
    QCOMPARE(part(*dialog, "cboVia2")->geometry(), DialogGeometry::Scaled(QRect(120, 96, 89, 21), scale));
}

QTEST_MAIN(TestConnectDialog)
#include "test_connect_dialog.moc"
