#include "app/DesktopStation.h"
#include "dialogs/frmPTT.h"
#include "ptt/SerialPortList.h"
#include "support/FakePortEnumerator.h"
#include "support/LayoutChecks.h"
#include "support/MessageBoxRecorder.h"
#include "support/RecordingSerialPort.h"
#include "widgets/DialogGeometry.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QStringList AllControls = {"FraGlobal",      "fraSeleccionarPTT",
                                 "optCAT",         "optCOM",
                                 "optVOX",         "optRigctld",
                                 "lblMarca",       "cboMarcas",
                                 "lblModel",       "cboModelos",
                                 "lblPuerto",      "cboPTTCOM",
                                 "cboCATCOM",      "lblBauds",
                                 "cboBaudios",     "fraPin",
                                 "optRTS",         "optDTR",
                                 "optRTSDTR",      "chkRTS",
                                 "chkDTR",         "lblIcomAddress",
                                 "txtIcomAddress", "lblRigctldHost",
                                 "txtRigctldHost", "lblRigctldPort",
                                 "txtRigctldPort", "cmdOK"};

QStringList itemsOf(QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

class TestPttDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void defaultsShowOnlyTheMethod();
    void brandSwitchToIcom();
    void storedAddressOfTheSameModelIsKept();
    void badAddressIsRefused_data();
    void badAddressIsRefused();
    void goodAddressIsStoredUpperCaseThenPortAndFile();
    void otherBrandHidesAddressAndStoresItsText();
    void comMethodShowsPinFrameInBaudPlace();
    void unknownPortSettingFallsBackToCom1();
    void choicesTakeEffectOnClosing();
    void rigctldHidesSerialControls();
    void portListsShowTheirDevices();
    void systemDevicesFollowTheComNames();
    void typedPortIsCheckedOnClosing();
    void unknownMethodLeavesEverythingShown();
    void shutdownClosesWithoutApplying();
    void everyMethodFitsThePlatformFont_data();
    void everyMethodFitsThePlatformFont();

private:
    template <typename T = QWidget>
    T* w(const char* name) const
    {
        T* found = m_dialog->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void open();
    QStringList visibleControls() const;
    QString iniText() const;
    Settings& s() { return m_station->s(); }
    // The dialog's choice as it stands; the settings take it on closing.
    const PttChoice& v() const { return m_dialog->value(); }

    std::unique_ptr<MessageBoxRecorder> m_boxes;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DesktopStation> m_station;
    std::unique_ptr<frmPTT> m_dialog;
    // The recording port, once the keying thread has done what was asked of it.
    RecordingSerialPort& port()
    {
        m_station->keying.call([](PttKeyer&) {});
        return *m_port;
    }

    RecordingSerialPort* m_port = nullptr;
    FakePortEnumerator m_ports;
};

void TestPttDialog::init()
{
    m_boxes = std::make_unique<MessageBoxRecorder>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_station = std::make_unique<DesktopStation>(m_dir->path());
    auto port = std::make_unique<RecordingSerialPort>();
    m_port = port.get();
    m_station->keying.call([&port](PttKeyer& k) { k.setSerialPort(std::move(port)); });
}

void TestPttDialog::cleanup()
{
    m_boxes->verifyNoUnexpected();
    if (m_dialog) {
        // Closing at the end of a test applies nothing.
        m_station->TerminarAplicacion = true;
        m_dialog->close();
    }
    m_dialog.reset();
    // Saves still under way finish before their folder goes.
    m_station->files.flush(2000);
    m_station.reset();
    m_dir.reset();
    m_boxes.reset();
    m_ports.list.clear();
}

void TestPttDialog::open()
{
    m_dialog = m_station->pttDialog(nullptr, &m_ports);
    m_dialog->show();
}

QStringList TestPttDialog::visibleControls() const
{
    QStringList shown;
    for (const QString& name : AllControls) {
        if (w(name.toLatin1().constData())->isVisibleTo(m_dialog.get()))
            shown << name;
    }
    return shown;
}

QString TestPttDialog::iniText() const
{
    // Saves are written off the GUI thread.
    if (m_station)
        m_station->files.flush(10000);
    QFile f(m_dir->filePath(QStringLiteral("KELDO Terminal.ini")));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(f.readAll());
}

void TestPttDialog::defaultsShowOnlyTheMethod()
{
    open();
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("PTT"));
    QCOMPARE(w<QComboBox>("cboMarcas")->currentText(), QStringLiteral("Yaesu"));
    QCOMPARE(w<QComboBox>("cboModelos")->currentText(), QStringLiteral("FT-897"));
    QCOMPARE(w<QComboBox>("cboBaudios")->currentText(), QStringLiteral("4800"));
    QVERIFY(w<QRadioButton>("optVOX")->isChecked());
    QCOMPARE(visibleControls(),
             QStringList({"FraGlobal", "fraSeleccionarPTT", "optCAT", "optCOM", "optVOX", "optRigctld", "cmdOK"}));
    QCOMPARE(w<QPushButton>("cmdOK")->text(), QStringLiteral("Close"));
    QCOMPARE(w<QGroupBox>("fraSeleccionarPTT")->title(), QStringLiteral("PTT Via"));
    QCOMPARE(w<QRadioButton>("optVOX")->text(), QStringLiteral("VOX/ZK-Board"));
    // 15 twips to the pixel, scaled for the font; the two port lists share one place.
    const double scale = DialogGeometry::ScaleOf(m_dialog.get());
    QVERIFY(scale >= DialogGeometry::FontScale(m_dialog->font()));
    QCOMPARE(m_dialog->size(), DialogGeometry::Scaled(QSize(369, 340), scale));
    QCOMPARE(w("cmdOK")->geometry(), DialogGeometry::Scaled(QRect(152, 296, 84, 29), scale));
    QCOMPARE(w("cboPTTCOM")->geometry(), DialogGeometry::Scaled(QRect(168, 110, 89, 21), scale));
    QCOMPARE(w("cboCATCOM")->pos(), w("cboPTTCOM")->pos());
    QCOMPARE(w("fraPin")->pos(), w("lblBauds")->pos());
    // Nothing was changed by opening: FT-897 and 4800 were stored already.
    QCOMPARE(int(s().rig), 52);
    QCOMPARE(s().baud, QStringLiteral("4800"));
    QCOMPARE(s().via.value(), PttMethod::Vox);
}

void TestPttDialog::brandSwitchToIcom()
{
    open();
    w<QRadioButton>("optCAT")->click();
    QCOMPARE(v().via.value(), PttMethod::Cat);
    QVERIFY(w("cboMarcas")->isVisibleTo(m_dialog.get()));
    QVERIFY(!w("txtIcomAddress")->isVisibleTo(m_dialog.get()));

    w<QComboBox>("cboMarcas")->setCurrentIndex(0);
    auto* models = w<QComboBox>("cboModelos");
    QCOMPARE(models->count(), 62);
    QCOMPARE(models->itemText(0), QStringLiteral("IC-78"));
    QCOMPARE(models->currentText(), QStringLiteral("IC-7000"));
    QCOMPARE(int(v().rig), 29);
    QCOMPARE(itemsOf(w<QComboBox>("cboBaudios")), QStringList({"19200", "9600", "4800", "1200"}));
    QCOMPARE(w<QComboBox>("cboBaudios")->currentText(), QStringLiteral("4800"));
    QVERIFY(w("txtIcomAddress")->isVisibleTo(m_dialog.get()));
    QVERIFY(w("lblIcomAddress")->isVisibleTo(m_dialog.get()));
    QCOMPARE(w<QLineEdit>("txtIcomAddress")->text(), QStringLiteral("70"));

    // A model without the stored rate takes its first.
    models->setCurrentText(QStringLiteral("IC-706MkIIG"));
    QCOMPARE(int(v().rig), 4);
    QCOMPARE(v().baud, QStringLiteral("19200"));
    QCOMPARE(w<QLineEdit>("txtIcomAddress")->text(), QStringLiteral("58"));

    QVERIFY(m_dialog->close());
    QCOMPARE(s().icomAddress, QStringLiteral("58"));
    QCOMPARE(int(s().rig), 4);
    QCOMPARE(s().baud, QStringLiteral("19200"));
}

void TestPttDialog::storedAddressOfTheSameModelIsKept()
{
    s().via = PttMethod::Cat;
    s().rig = 128;
    s().icomAddress = QStringLiteral("5E");
    open();
    QCOMPARE(w<QComboBox>("cboMarcas")->currentText(), QStringLiteral("Icom"));
    QCOMPARE(w<QComboBox>("cboModelos")->currentText(), QStringLiteral("IC-7300"));
    QCOMPARE(w<QLineEdit>("txtIcomAddress")->text(), QStringLiteral("5E"));
    QVERIFY(w("txtIcomAddress")->isVisibleTo(m_dialog.get()));
}

void TestPttDialog::badAddressIsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("one digit") << "7";
    QTest::newRow("three digits") << "123";
    // Two characters, but no hexadecimal number: would become the broadcast address.
    QTest::newRow("ZZ") << "ZZ";
    QTest::newRow("5G") << "5G";
    QTest::newRow("blank and digit") << " 5";
}

void TestPttDialog::badAddressIsRefused()
{
    QFETCH(QString, typed);
    s().via = PttMethod::Cat;
    s().rig = 29;
    s().icomAddress = QString();
    open();
    auto* box = w<QLineEdit>("txtIcomAddress");
    QCOMPARE(box->text(), QString());
    box->setText(typed);
    m_boxes->expect(QStringLiteral("wrong Icom Address format"), MessageBox::Icon::Critical, "KELDO Terminal");
    QTest::mouseClick(w<QPushButton>("cmdOK"), Qt::LeftButton);
    QVERIFY(m_boxes->verify());
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_dialog->focusWidget(), box);
    QCOMPARE(s().icomAddress, QString());
    QVERIFY(port().log.isEmpty());
    QVERIFY(iniText().isEmpty());

    // The close box and Escape are refused the same way.
    m_boxes->expect(QStringLiteral("wrong Icom Address format"), MessageBox::Icon::Critical);
    QVERIFY(!m_dialog->close());
    m_boxes->expect(QStringLiteral("wrong Icom Address format"), MessageBox::Icon::Critical);
    m_dialog->reject();
    QVERIFY(m_boxes->verify());
    QVERIFY(m_dialog->isVisible());
}

void TestPttDialog::goodAddressIsStoredUpperCaseThenPortAndFile()
{
    s().via = PttMethod::Cat;
    s().rig = 29;
    s().catPort = QStringLiteral("COM4");
    open();
    w<QLineEdit>("txtIcomAddress")->setText(QStringLiteral("5e"));
    QTest::mouseClick(w<QPushButton>("cmdOK"), Qt::LeftButton);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(s().icomAddress, QStringLiteral("5E"));
    // The port was opened for the new settings, then the file written.
    QVERIFY(port().isOpen());
    QCOMPARE(port().device, PortDeviceOf(QStringLiteral("COM4"), s().portDevices));
    QVERIFY(iniText().contains(QStringLiteral("Icom Address=5E")));
    QVERIFY(iniText().contains(QStringLiteral("Rig=29")));
}

void TestPttDialog::otherBrandHidesAddressAndStoresItsText()
{
    s().via = PttMethod::Cat;
    s().rig = 29;
    s().icomAddress = QStringLiteral("70");
    open();
    w<QLineEdit>("txtIcomAddress")->setText(QStringLiteral("7a"));
    w<QComboBox>("cboMarcas")->setCurrentText(QStringLiteral("Kenwood"));
    QVERIFY(!w("txtIcomAddress")->isVisibleTo(m_dialog.get()));
    QCOMPARE(w<QComboBox>("cboModelos")->currentText(), QStringLiteral("TS-2000"));
    QCOMPARE(int(v().rig), 87);
    QVERIFY(m_dialog->close());
    QCOMPARE(s().icomAddress, QStringLiteral("7A"));
}

void TestPttDialog::comMethodShowsPinFrameInBaudPlace()
{
    s().pin = 3;
    open();
    QVERIFY(w<QRadioButton>("optRTSDTR")->isChecked());
    w<QRadioButton>("optCOM")->click();
    QCOMPARE(v().via.value(), PttMethod::Com);
    QCOMPARE(visibleControls(),
             QStringList({"FraGlobal", "fraSeleccionarPTT", "optCAT", "optCOM", "optVOX", "optRigctld", "lblPuerto",
                          "cboPTTCOM", "fraPin", "optRTS", "optDTR", "optRTSDTR", "cmdOK"}));
    w<QRadioButton>("optDTR")->click();
    QCOMPARE(int(v().pin), 2);
    w<QRadioButton>("optRTS")->click();
    QCOMPARE(int(v().pin), 1);
}

void TestPttDialog::unknownPortSettingFallsBackToCom1()
{
    s().pttPort = QStringLiteral("COM20");
    s().catPort = QStringLiteral("COM16");
    open();
    QCOMPARE(itemsOf(w<QComboBox>("cboPTTCOM")).size(), 16);
    QCOMPARE(w<QComboBox>("cboPTTCOM")->currentText(), QStringLiteral("COM1"));
    QCOMPARE(v().pttPort, QStringLiteral("COM1"));
    QCOMPARE(w<QComboBox>("cboCATCOM")->currentText(), QStringLiteral("COM16"));
    QCOMPARE(v().catPort, QStringLiteral("COM16"));
}

void TestPttDialog::choicesTakeEffectOnClosing()
{
    s().via = PttMethod::Cat;
    s().catPort = QStringLiteral("COM4");
    const Settings before = s();
    m_station->keying.OpenPttPort(KeyingConfigOf(s()));
    QVERIFY(port().isOpen());
    port().clearLog();
    open();
    w<QComboBox>("cboBaudios")->setCurrentText(QStringLiteral("38400"));
    QCOMPARE(v().baud, QStringLiteral("38400"));
    w<QComboBox>("cboCATCOM")->setCurrentText(QStringLiteral("COM7"));
    QCOMPARE(v().catPort, QStringLiteral("COM7"));
    w<QCheckBox>("chkRTS")->click();
    QCOMPARE(int(v().rts), 1);
    w<QCheckBox>("chkDTR")->click();
    QCOMPARE(int(v().dtr), 1);
    w<QCheckBox>("chkRTS")->click();
    QCOMPARE(int(v().rts), 0);
    w<QRadioButton>("optCOM")->click();
    QCOMPARE(v().via.value(), PttMethod::Com);
    // While the dialog is open the keyer keeps the keying it had: a PTT ON
    // keys the stored CAT port, not a half-made choice.
    QCOMPARE(s().via, before.via);
    QCOMPARE(s().baud, before.baud);
    QCOMPARE(s().catPort, QStringLiteral("COM4"));
    QCOMPARE(int(s().dtr), 0);
    QVERIFY(port().log.isEmpty());
    m_station->keying.call([](PttKeyer& k) { k.PttOn(); });
    QCOMPARE(port().device, PortDeviceOf(QStringLiteral("COM4"), s().portDevices));
    QCOMPARE(port().log.size(), 1);
    QVERIFY(port().log.first().startsWith(QStringLiteral("write ")));
    QVERIFY(!port().dtr);
    m_station->keying.call([](PttKeyer& k) { k.PttOff(); });
    QVERIFY(iniText().isEmpty());

    QVERIFY(m_dialog->close());
    QCOMPARE(s().via.value(), PttMethod::Com);
    QCOMPARE(s().baud, QStringLiteral("38400"));
    QCOMPARE(s().catPort, QStringLiteral("COM7"));
    QCOMPARE(int(s().rts), 0);
    QCOMPARE(int(s().dtr), 1);
    QVERIFY(iniText().contains(QStringLiteral("Via=2")));
}

void TestPttDialog::rigctldHidesSerialControls()
{
    s().via = PttMethod::Cat;
    s().rig = 29;
    s().icomAddress = QStringLiteral("7c");
    open();
    w<QRadioButton>("optRigctld")->click();
    QCOMPARE(v().via.value(), PttMethod::Rigctld);
    QCOMPARE(visibleControls(),
             QStringList({"FraGlobal", "fraSeleccionarPTT", "optCAT", "optCOM", "optVOX", "optRigctld",
                          "lblRigctldHost", "txtRigctldHost", "lblRigctldPort", "txtRigctldPort", "cmdOK"}));
    auto* host = w<QLineEdit>("txtRigctldHost");
    auto* port = w<QLineEdit>("txtRigctldPort");
    QCOMPARE(host->text(), QStringLiteral("localhost"));
    QCOMPARE(port->text(), QStringLiteral("4532"));
    host->clear();
    QTest::keyClicks(host, QStringLiteral("shack-pi"));
    QCOMPARE(v().rigctldHost, QStringLiteral("shack-pi"));
    port->clear();
    QTest::keyClicks(port, QStringLiteral("4533x"));
    QCOMPARE(port->text(), QStringLiteral("4533"));
    QCOMPARE(v().rigctldPort, 4533);
    // An unfinished entry leaves the last good port.
    port->clear();
    QTest::keyClicks(port, QStringLiteral("0"));
    QCOMPARE(v().rigctldPort, 4533);
    // A port no socket can use is refused on closing, not cut to fit.
    for (const char* bad : {"70000", "65536", "0"}) {
        port->clear();
        QTest::keyClicks(port, QLatin1String(bad));
        QCOMPARE(port->text(), QLatin1String(bad));
        host->setFocus();
        m_boxes->expect(QStringLiteral("Invalid rigctld port"), MessageBox::Icon::Warning);
        QVERIFY(!m_dialog->close());
        QVERIFY2(m_boxes->verify(), bad);
        QCOMPARE(m_dialog->focusWidget(), port);
    }
    QCOMPARE(port->maxLength(), 255);
    port->setText(QStringLiteral("4533"));

    // Hidden: the address box is not checked, its text is stored as it is.
    QVERIFY(m_dialog->close());
    QVERIFY(!this->port().isOpen());
    QCOMPARE(s().icomAddress, QStringLiteral("7C"));
    QVERIFY(iniText().contains(QStringLiteral("Via=5")));
    QVERIFY(iniText().contains(QStringLiteral("Rigctld Host=shack-pi")));
    QVERIFY(iniText().contains(QStringLiteral("Rigctld Port=4533")));

    // Reopened: the method and endpoint come back.
    m_dialog.reset();
    open();
    QVERIFY(w<QRadioButton>("optRigctld")->isChecked());
    QCOMPARE(w<QLineEdit>("txtRigctldHost")->text(), QStringLiteral("shack-pi"));
    QVERIFY(!w("cboCATCOM")->isVisibleTo(m_dialog.get()));
}

void TestPttDialog::portListsShowTheirDevices()
{
#ifdef Q_OS_WIN
    QSKIP("On Windows the name is the device");
#endif
    s().portDevices.insert(3, QStringLiteral("/dev/ttyUSB0"));
    s().catPort = QStringLiteral("COM3");
    open();
    auto* cat = w<QComboBox>("cboCATCOM");
    QCOMPARE(cat->itemData(2, Qt::ToolTipRole).toString(), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(cat->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(cat->toolTip(), QStringLiteral("/dev/ttyUSB0"));
    auto* ptt = w<QComboBox>("cboPTTCOM");
    QCOMPARE(ptt->itemData(15, Qt::ToolTipRole).toString(), QStringLiteral("/dev/ttyS15"));
}

void TestPttDialog::systemDevicesFollowTheComNames()
{
#ifdef Q_OS_WIN
    QSKIP("Windows ports go by their COM names");
#endif
    SerialDevice ftdi;
    ftdi.path = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");
    ftdi.description = QStringLiteral("FT232R USB UART");
    ftdi.manufacturer = QStringLiteral("FTDI");
    ftdi.hasUsbIds = true;
    ftdi.vendorId = 0x0403;
    ftdi.productId = 0x6001;
    SerialDevice board;
    board.path = QStringLiteral("/dev/ttyS0");
    board.description = QStringLiteral("serial8250");
    m_ports.list = {ftdi, board};
    const QString gone = QStringLiteral("/dev/serial/by-id/usb-Prolific_PL2303-if00-port0");
    s().via = PttMethod::Cat;
    s().rig = 128;
    s().icomAddress = QStringLiteral("94");
    s().catPort = ftdi.path;
    s().pttPort = gone;
    s().portDevices.insert(3, QStringLiteral("/dev/ttyUSB7"));
    open();

    auto* cat = w<QComboBox>("cboCATCOM");
    QStringList expected;
    for (int n = 1; n <= 16; ++n)
        expected << QStringLiteral("COM%1").arg(n);
    QCOMPARE(itemsOf(cat), expected + QStringList({ftdi.path, board.path}));
    QCOMPARE(cat->currentText(), ftdi.path);
    QCOMPARE(v().catPort, ftdi.path);
    QCOMPARE(cat->itemData(16, Qt::ToolTipRole).toString(),
             ftdi.path + QStringLiteral("\nFT232R USB UART\nFTDI\nUSB 0403:6001"));
    QCOMPARE(cat->itemData(17, Qt::ToolTipRole).toString(), QStringLiteral("/dev/ttyS0\nserial8250"));
    QCOMPARE(cat->toolTip(), cat->itemData(16, Qt::ToolTipRole).toString());
    // The [Ports] names of the COM entries stay.
    QCOMPARE(cat->itemData(2, Qt::ToolTipRole).toString(), QStringLiteral("/dev/ttyUSB7"));
    // The open list is wide enough for the longest name.
    QVERIFY(cat->view()->minimumWidth() > cat->fontMetrics().horizontalAdvance(ftdi.path));

    // An unplugged device stays chosen, marked as absent.
    auto* ptt = w<QComboBox>("cboPTTCOM");
    QCOMPARE(itemsOf(ptt), expected + QStringList({ftdi.path, board.path, gone}));
    QCOMPARE(ptt->currentText(), gone);
    QCOMPARE(v().pttPort, gone);
    QCOMPARE(ptt->toolTip(), gone + QStringLiteral("\nnot present"));

    ptt->setCurrentText(board.path);
    QCOMPARE(v().pttPort, board.path);
    ptt->setCurrentText(QStringLiteral("COM5"));
    QCOMPARE(v().pttPort, QStringLiteral("COM5"));

    // Closing opens the chosen device itself.
    QVERIFY(m_dialog->close());
    QCOMPARE(port().device, ftdi.path);
    QVERIFY(iniText().contains(QStringLiteral("CATPort=") + ftdi.path));
    QVERIFY(iniText().contains(QStringLiteral("PTTPort=COM5")));
}

void TestPttDialog::typedPortIsCheckedOnClosing()
{
#ifdef Q_OS_WIN
    QSKIP("Windows ports go by their COM names");
#endif
    s().via = PttMethod::Cat;
    s().catPort = QStringLiteral("COM4");
    open();
    auto* cat = w<QComboBox>("cboCATCOM");
    for (const char* junk : {"ttyUSB0", "COM17", ""}) {
        cat->setCurrentText(QLatin1String(junk));
        m_boxes->expect(QStringLiteral("Invalid serial port"), MessageBox::Icon::Warning);
        QVERIFY(!m_dialog->close());
        QVERIFY(m_boxes->verify());
        QCOMPARE(m_dialog->focusWidget(), cat);
    }
    QVERIFY(port().log.isEmpty());

    // A device not listed, typed: stored and opened as a listed one is.
    const QString pty = QStringLiteral("/dev/pts/57");
    cat->setCurrentText(pty);
    QVERIFY(m_dialog->close());
    QCOMPARE(port().device, pty);
    QVERIFY(iniText().contains(QStringLiteral("CATPort=") + pty));
}

void TestPttDialog::unknownMethodLeavesEverythingShown()
{
    s().via = PttMethodSetting::other(0);
    s().rig = 0;
    open();
    QCOMPARE(visibleControls().size(), AllControls.size());
    QCOMPARE(w<QComboBox>("cboMarcas")->currentIndex(), -1);
    QCOMPARE(w<QComboBox>("cboModelos")->count(), 0);
    QCOMPARE(v().via, PttMethodSetting::other(0));
}

void TestPttDialog::shutdownClosesWithoutApplying()
{
    s().via = PttMethod::Cat;
    s().rig = 29;
    open();
    w<QLineEdit>("txtIcomAddress")->setText(QStringLiteral("ZZ"));
    w<QRadioButton>("optVOX")->click();
    m_station->TerminarAplicacion = true;
    QVERIFY(m_dialog->close());
    QVERIFY(port().log.isEmpty());
    QVERIFY(iniText().isEmpty());
    QCOMPARE(s().icomAddress, QString());
    QCOMPARE(s().via.value(), PttMethod::Cat);
}

void TestPttDialog::everyMethodFitsThePlatformFont_data()
{
    QTest::addColumn<PttMethod>("via");
    QTest::addColumn<int>("rig");
    QTest::addColumn<bool>("address");
    QTest::newRow("CAT, Icom") << PttMethod::Cat << 128 << true;
    QTest::newRow("CAT, Yaesu") << PttMethod::Cat << 52 << false;
    QTest::newRow("COM") << PttMethod::Com << 52 << false;
    QTest::newRow("VOX") << PttMethod::Vox << 52 << false;
    QTest::newRow("rigctld") << PttMethod::Rigctld << 52 << false;
}

void TestPttDialog::everyMethodFitsThePlatformFont()
{
    QFETCH(PttMethod, via);
    QFETCH(int, rig);
    QFETCH(bool, address);
    s().via = via;
    s().rig = quint8(rig);
    open();
    QCOMPARE(w("txtIcomAddress")->isVisibleTo(m_dialog.get()), address);
    const QStringList faults = clippedControls(m_dialog.get());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    // The address label ends before its box begins.
    if (address)
        QVERIFY(w("lblIcomAddress")->geometry().right() < w("txtIcomAddress")->x());
}

QTEST_MAIN(TestPttDialog)
#include "test_ptt_dialog.moc"
