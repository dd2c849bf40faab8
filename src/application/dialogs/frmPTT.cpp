#include "frmPTT.h"

#include "ptt/CatPttDriver.h"
#include "ptt/PttDriverFactory.h"
#include "ptt/RadioCatalogue.h"
#include "ptt/SerialPortDevice.h"
#include "settings/IniDocument.h"
#include "widgets/DialogGeometry.h"
#include "widgets/MessageBox.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int PortCount = 16;

// A port text as the settings keep it: COM1 to COM16 upper-cased, or an
// absolute device path as typed; empty for anything else. A device path is
// not looked up here: like a listed one, it is tried when the keyer opens it.
QString PortTextOf(const QString& typed)
{
    const QString text = typed.trimmed();
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]?)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = com.match(text); m.hasMatch())
        return m.captured(1).toInt() <= PortCount ? text.toUpper() : QString();
    const bool controls =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    if (!IsDevicePath(text) || text.endsWith(QLatin1Char('/')) || controls)
        return QString();
    return text;
}

} // namespace

frmPTT::frmPTT(const PttShown& shown, std::function<bool()> shuttingDown, const SerialPortEnumerator* ports,
               QWidget* parent)
    : QDialog(parent)
    , m_value(shown.stored)
    , m_storedAddress(shown.stored.icomAddress)
    , m_portDevices(shown.portDevices)
    , m_shuttingDown(std::move(shuttingDown))
{
    // Listed once for both port lists, from the system without opening any device.
    m_devices = ports ? ports->devices() : CreateSystemPortEnumerator()->devices();

    setObjectName(QStringLiteral("frmPTT"));
    setWindowTitle(tr("PTT"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(Twips::ToPixels(5535), Twips::ToPixels(5100));

    FraGlobal = DialogGeometry::Place<QGroupBox>(this, "FraGlobal", QString(), 0, 0, 5535, 4095);
    // Wider than the three original options need, to take the fourth; the
    // options move left so that the fourth ends inside the frame.
    fraSeleccionarPTT =
        DialogGeometry::Place<QGroupBox>(FraGlobal, "fraSeleccionarPTT", tr("PTT Via"), 600, 360, 4815, 855);
    optCAT =
        DialogGeometry::Place<QRadioButton>(fraSeleccionarPTT, "optCAT", QStringLiteral("CAT"), 240, 240, 735, 495);
    optCOM =
        DialogGeometry::Place<QRadioButton>(fraSeleccionarPTT, "optCOM", QStringLiteral("COM"), 1200, 240, 735, 495);
    optVOX = DialogGeometry::Place<QRadioButton>(fraSeleccionarPTT, "optVOX", tr("VOX/ZK-Board"), 2160, 240, 1455, 495);
    optRigctld = DialogGeometry::Place<QRadioButton>(fraSeleccionarPTT, "optRigctld", QStringLiteral("rigctld"), 3780,
                                                     240, 915, 495);

    lblMarca = DialogGeometry::Place<QLabel>(FraGlobal, "lblMarca", tr("Brand:"), 600, 1440, 1095, 255);
    cboMarcas = DialogGeometry::Place<QComboBox>(FraGlobal, "cboMarcas", QString(), 600, 1650, 1575, 315);
    lblModel = DialogGeometry::Place<QLabel>(FraGlobal, "lblModel", tr("Model:"), 600, 2160, 1095, 255);
    cboModelos = DialogGeometry::Place<QComboBox>(FraGlobal, "cboModelos", QString(), 600, 2370, 1575, 315);
    lblPuerto = DialogGeometry::Place<QLabel>(FraGlobal, "lblPuerto", tr("Port:"), 2520, 1440, 975, 255);
    cboPTTCOM = DialogGeometry::Place<QComboBox>(FraGlobal, "cboPTTCOM", QString(), 2520, 1650, 1335, 315);
    cboCATCOM = DialogGeometry::Place<QComboBox>(FraGlobal, "cboCATCOM", QString(), 2520, 1200, 1335, 315);
    // A device that is not listed (a pty, one plugged in later) is typed.
    for (QComboBox* list : {cboPTTCOM, cboCATCOM}) {
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->lineEdit()->setMaxLength(IniDocument::MaxValueLength);
    }
    lblBauds = DialogGeometry::Place<QLabel>(FraGlobal, "lblBauds", tr("Bauds:"), 2520, 2160, 975, 255);
    cboBaudios = DialogGeometry::Place<QComboBox>(FraGlobal, "cboBaudios", QString(), 2520, 2370, 1335, 315);
    fraPin = DialogGeometry::Place<QGroupBox>(FraGlobal, "fraPin", tr("PTT Pin"), 2520, 2160, 1335, 1455);
    optRTS = DialogGeometry::Place<QRadioButton>(fraPin, "optRTS", QStringLiteral("RTS"), 120, 240, 735, 375);
    optDTR = DialogGeometry::Place<QRadioButton>(fraPin, "optDTR", QStringLiteral("DTR"), 120, 600, 855, 375);
    optRTSDTR =
        DialogGeometry::Place<QRadioButton>(fraPin, "optRTSDTR", QStringLiteral("RTS+DTR"), 120, 960, 1070, 375);
    chkRTS = DialogGeometry::Place<QCheckBox>(FraGlobal, "chkRTS", QStringLiteral("RTS"), 600, 2760, 735, 495);
    chkDTR = DialogGeometry::Place<QCheckBox>(FraGlobal, "chkDTR", QStringLiteral("DTR"), 600, 3120, 735, 495);
    lblIcomAddress =
        DialogGeometry::Place<QLabel>(FraGlobal, "lblIcomAddress", tr("CI-V Address:"), 600, 3600, 1080, 255);
    txtIcomAddress = DialogGeometry::Place<QLineEdit>(FraGlobal, "txtIcomAddress", QString(), 1680, 3550, 375, 315);
    // The rigctld endpoint takes the place of the brand and port lists.
    lblRigctldHost = DialogGeometry::Place<QLabel>(FraGlobal, "lblRigctldHost", tr("Host:"), 600, 1440, 1095, 255);
    txtRigctldHost = DialogGeometry::Place<QLineEdit>(FraGlobal, "txtRigctldHost", QString(), 600, 1650, 1575, 315);
    lblRigctldPort = DialogGeometry::Place<QLabel>(FraGlobal, "lblRigctldPort", tr("Port:"), 2520, 1440, 975, 255);
    txtRigctldPort = DialogGeometry::Place<QLineEdit>(FraGlobal, "txtRigctldPort", QString(), 2520, 1650, 1335, 315);
    // Digits only; the range is checked on closing, so that a port out of
    // range is refused rather than cut to fit.
    txtRigctldPort->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtRigctldPort));
    // The settings file keeps no more than this of a value.
    for (QLineEdit* box : {txtIcomAddress, txtRigctldHost, txtRigctldPort})
        box->setMaxLength(IniDocument::MaxValueLength);
    cmdOK = DialogGeometry::Place<QPushButton>(this, "cmdOK", tr("Close"), 2280, 4440, 1260, 435);

    connect(cboMarcas, &QComboBox::currentIndexChanged, this, [this] { cboMarcas_Click(); });
    connect(cboModelos, &QComboBox::currentIndexChanged, this, [this] { cboModelos_Click(); });
    connect(cboBaudios, &QComboBox::currentIndexChanged, this, [this] { cboBaudios_Click(); });
    // The text, not the index: a typed device is no entry of the list.
    connect(cboPTTCOM, &QComboBox::currentTextChanged, this, [this] { cboPTTCOM_Click(); });
    connect(cboCATCOM, &QComboBox::currentTextChanged, this, [this] { cboCATCOM_Click(); });
    connect(chkRTS, &QCheckBox::toggled, this, [this] { chkRTS_Click(); });
    connect(chkDTR, &QCheckBox::toggled, this, [this] { chkDTR_Click(); });
    for (auto [button, method] : methodOptions()) {
        connect(button, &QRadioButton::toggled, this, [this, method = method](bool on) {
            if (on)
                optMethod_Click(method);
        });
    }
    const std::pair<QRadioButton*, int> pins[] = {{optRTS, 1}, {optDTR, 2}, {optRTSDTR, 3}};
    for (auto [button, pin] : pins) {
        connect(button, &QRadioButton::toggled, this, [this, pin = pin](bool on) {
            if (on)
                optPin_Click(pin);
        });
    }
    connect(txtRigctldHost, &QLineEdit::textChanged, this, [this] { txtRigctldHost_Change(); });
    connect(txtRigctldPort, &QLineEdit::textChanged, this, [this] { txtRigctldPort_Change(); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);

    Form_Load();
    DialogGeometry::FitToFont(this);
}

frmPTT::~frmPTT() = default;

bool frmPTT::IsValidIcomAddress(const QString& text)
{
    // Two characters that are not hexadecimal would read as 0x00, the CI-V
    // broadcast address.
    return IsTwoHexDigits(text);
}

void frmPTT::select(QComboBox* list, int index)
{
    // A selection by the program runs the list's handling as a click would,
    // even when the same entry was current already.
    {
        const QSignalBlocker block(list);
        list->setCurrentIndex(-1);
    }
    list->setCurrentIndex(index);
}

void frmPTT::Form_Load()
{
    const PttChoice& s = m_value;
    const RadioCatalogue& catalogue = LoadRadioCatalogue();
    const RadioModel* rig = RadioModelAt(s.rig);

    {
        const QSignalBlocker block(cboMarcas);
        for (const QString& brand : catalogue.BrandNames)
            cboMarcas->addItem(brand);
        cboMarcas->setCurrentIndex(-1);
    }
    if (rig) {
        const int brand = BrandIndexOf(rig->Brand);
        if (brand >= 0)
            select(cboMarcas, brand);
    }

    fillPortList(cboPTTCOM, s.pttPort);
    fillPortList(cboCATCOM, s.catPort);

    switch (s.pin) {
    case 1:
        optRTS->setChecked(true);
        break;
    case 2:
        optDTR->setChecked(true);
        break;
    case 3:
        optRTSDTR->setChecked(true);
        break;
    default:
        break;
    }

    chkRTS->setChecked(s.rts == 1);
    chkDTR->setChecked(s.dtr == 1);

    {
        const QSignalBlocker blockHost(txtRigctldHost);
        const QSignalBlocker blockPort(txtRigctldPort);
        txtRigctldHost->setText(s.rigctldHost);
        txtRigctldPort->setText(QString::number(s.rigctldPort));
    }

    // Another "Via" leaves every option clear.
    for (auto [button, method] : methodOptions()) {
        if (s.via.value() == method)
            button->setChecked(true);
    }

    cboCATCOM->move(cboPTTCOM->pos());
}

void frmPTT::fillPortList(QComboBox* list, const QString& setting)
{
    int found = -1;
    {
        const QSignalBlocker block(list);
        list->clear();
        for (int n = 1; n <= PortCount; ++n) {
            const QString name = QStringLiteral("COM%1").arg(n);
            list->addItem(name);
            list->setItemData(n - 1, PortDeviceFor(n, m_portDevices), Qt::ToolTipRole);
            if (found < 0 && name == setting)
                found = n - 1;
        }
        for (const SerialDevice& device : m_devices) {
            list->addItem(device.path);
            list->setItemData(list->count() - 1, SerialDeviceToolTip(device), Qt::ToolTipRole);
            if (found < 0 && device.path == setting)
                found = list->count() - 1;
        }
        // A stored device that is unplugged (or named otherwise than the
        // list names it) stays the choice rather than falling back to COM1
        // behind the operator's back.
        if (found < 0 && IsDevicePath(setting)) {
            list->addItem(setting);
            const bool present = QFileInfo::exists(setting); // a look-up, not an open
            //: Tooltip of a serial device that is not plugged in; %1 is its path.
            list->setItemData(list->count() - 1, present ? setting : tr("%1\nnot present").arg(setting),
                              Qt::ToolTipRole);
            found = list->count() - 1;
        }
        list->setCurrentIndex(-1);
    }
    // Device names are longer than the box: the open list shows them whole.
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = qMax(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    QAbstractItemView* view = list->view();
    view->setMinimumWidth(widest + 2 * view->frameWidth() + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                          + 2 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8);
    select(list, found >= 0 ? found : 0);
}

void frmPTT::portChosen(QComboBox* list, QString& setting)
{
    // Junk keeps the last good port; closing refuses it while the box shows.
    const QString port = PortTextOf(list->currentText());
    if (port.isEmpty())
        return;
    setting = port;
    // Typed text is not looked up at each key: a path may lead onto a slow mount.
    const int item = list->findText(port);
    list->setToolTip(item >= 0 ? list->itemData(item, Qt::ToolTipRole).toString() : port);
}

void frmPTT::cboMarcas_Click()
{
    const int brand = cboMarcas->currentIndex();
    if (brand < 0)
        return;
    txtIcomAddress->hide();
    lblIcomAddress->hide();

    const RadioModel* rig = RadioModelAt(m_value.rig);
    const QStringList models = ModelsOfBrand(brand);
    int found = -1;
    {
        const QSignalBlocker block(cboModelos);
        cboModelos->clear();
        for (int row = 0; row < models.size(); ++row) {
            cboModelos->addItem(models[row]);
            if (found < 0 && rig && models[row] == rig->Model)
                found = row;
        }
        cboModelos->setCurrentIndex(-1);
    }
    if (found < 0)
        found = models.indexOf(DefaultModelOfBrand(brand));
    if (found >= 0)
        select(cboModelos, found);
}

void frmPTT::cboModelos_Click()
{
    if (cboModelos->currentIndex() < 0)
        return;
    PttChoice& s = m_value;
    const int previousRig = s.rig;
    const int position = RadioPositionOf(cboModelos->currentText());
    const RadioModel* model = RadioModelAt(position);
    if (!model)
        return;
    s.rig = quint8(position);

    const QStringList bauds = model->baudList();
    {
        const QSignalBlocker block(cboBaudios);
        cboBaudios->clear();
        cboBaudios->addItems(bauds);
        cboBaudios->setCurrentIndex(-1);
    }
    const int found = bauds.indexOf(s.baud);
    if (!bauds.isEmpty())
        select(cboBaudios, found >= 0 ? found : 0);

    if (!model->CivAddress.isEmpty()) {
        txtIcomAddress->setText(s.rig == previousRig ? m_storedAddress : model->CivAddress);
        txtIcomAddress->show();
        lblIcomAddress->show();
    }
}

void frmPTT::cboBaudios_Click()
{
    if (cboBaudios->currentIndex() >= 0)
        m_value.baud = cboBaudios->currentText();
}

void frmPTT::cboPTTCOM_Click()
{
    portChosen(cboPTTCOM, m_value.pttPort);
}

void frmPTT::cboCATCOM_Click()
{
    portChosen(cboCATCOM, m_value.catPort);
}

void frmPTT::chkRTS_Click()
{
    m_value.rts = chkRTS->isChecked() ? 1 : 0;
}

void frmPTT::chkDTR_Click()
{
    m_value.dtr = chkDTR->isChecked() ? 1 : 0;
}

void frmPTT::optPin_Click(int pin)
{
    m_value.pin = quint8(pin);
}

QList<std::pair<QRadioButton*, PttMethod>> frmPTT::methodOptions() const
{
    return {
        {optCAT, PttMethod::Cat}, {optCOM, PttMethod::Com}, {optVOX, PttMethod::Vox}, {optRigctld, PttMethod::Rigctld}};
}

void frmPTT::optMethod_Click(PttMethod method)
{
    m_value.via = method;
    const PttMethodNeeds needs = NeedsOf(method);
    const bool cat = needs.radioModel;
    const bool com = needs.linePort;
    const bool rigctld = needs.rigctldAddress;

    for (QWidget* w : {static_cast<QWidget*>(lblMarca), static_cast<QWidget*>(cboMarcas),
                       static_cast<QWidget*>(lblModel), static_cast<QWidget*>(cboModelos)})
        w->setVisible(cat);
    lblPuerto->setVisible(cat || com);
    cboCATCOM->setVisible(cat);
    cboPTTCOM->setVisible(com);
    for (QWidget* w : {static_cast<QWidget*>(lblBauds), static_cast<QWidget*>(cboBaudios),
                       static_cast<QWidget*>(chkRTS), static_cast<QWidget*>(chkDTR)})
        w->setVisible(cat);
    fraPin->setVisible(com);
    if (cat) {
        const RadioModel* rig = RadioModelAt(m_value.rig);
        if (rig && !rig->CivAddress.isEmpty()) {
            lblIcomAddress->show();
            txtIcomAddress->show();
        }
    } else {
        lblIcomAddress->hide();
        txtIcomAddress->hide();
    }
    for (QWidget* w : {static_cast<QWidget*>(lblRigctldHost), static_cast<QWidget*>(txtRigctldHost),
                       static_cast<QWidget*>(lblRigctldPort), static_cast<QWidget*>(txtRigctldPort)})
        w->setVisible(rigctld);
}

void frmPTT::txtRigctldHost_Change()
{
    m_value.rigctldHost = txtRigctldHost->text().trimmed();
}

int frmPTT::rigctldPortOfText(const QString& text)
{
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    return ok && Ports::IsPort(port) ? port : 0;
}

void frmPTT::txtRigctldPort_Change()
{
    if (const int port = rigctldPortOfText(txtRigctldPort->text()))
        m_value.rigctldPort = port;
}

bool frmPTT::Form_Unload()
{
    // Shutdown closes every dialog; nothing is applied then.
    if (m_shuttingDown && m_shuttingDown())
        return true;

    if (txtIcomAddress->isVisibleTo(this) && !IsValidIcomAddress(txtIcomAddress->text())) {
        MessageBox::show(this, tr("wrong Icom Address format"), MessageBox::Icon::Critical);
        txtIcomAddress->setFocus();
        return false;
    }
    for (QComboBox* list : {cboCATCOM, cboPTTCOM}) {
        if (list->isVisibleTo(this) && PortTextOf(list->currentText()).isEmpty()) {
            MessageBox::show(this, tr("Invalid serial port"), MessageBox::Icon::Warning);
            list->setFocus();
            return false;
        }
    }
    if (txtRigctldPort->isVisibleTo(this) && rigctldPortOfText(txtRigctldPort->text()) == 0) {
        MessageBox::show(this, tr("Invalid rigctld port"), MessageBox::Icon::Warning);
        txtRigctldPort->setFocus();
        return false;
    }
    m_value.icomAddress = txtIcomAddress->text().toUpper();
    if (m_value.rigctldHost.isEmpty())
        m_value.rigctldHost = QStringLiteral("localhost");
    m_choice = m_value;
    return true;
}

void frmPTT::done(int result)
{
    if (!Form_Unload())
        return;
    QDialog::done(result);
}
