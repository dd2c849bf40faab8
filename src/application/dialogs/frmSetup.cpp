#include "frmSetup.h"

#include "link/CommandProtocol.h"
#include "settings/CallSign.h"
#include "settings/IniDocument.h"
#include "widgets/DialogGeometry.h"
#include "widgets/ImageList.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int ClientWidth = 6975;
constexpr int ClientHeight = 5400;

} // namespace

qint64 PortValueOfText(const QString& text)
{
    // Capped far above any port, so that "+ 1" for the data port cannot overflow.
    return qMin<qint64>(Protocol::LeadingNumber(text), 1000000000);
}

frmSetup::frmSetup(const SetupShown& shown, SetupChecks checks, QWidget* parent)
    : QDialog(parent)
    , m_shown(shown)
    , m_checks(std::move(checks))
{
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(tr("Setup"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(Twips::ToPixels(ClientWidth), Twips::ToPixels(ClientHeight));
    buildControls();
    Form_Load();
    DialogGeometry::FitToFont(this);
}

frmSetup::~frmSetup() = default;

void frmSetup::buildControls()
{
    // The three TCP frames lie on top of each other; the mode shows one.
    auto tcpFrame = [this](const char* frame, const QString& caption, const char* port, const char* dataName,
                           const char* host, QLineEdit*& portBox, QLineEdit*& dataBox, QLineEdit*& hostBox) {
        QGroupBox* f = DialogGeometry::Place<QGroupBox>(this, frame, caption, 240, 120, 2055, 2535);
        DialogGeometry::Place<QLabel>(f, "lblPuertoComandos", tr("Command Port"), 240, 300, 1575, 255);
        portBox = DialogGeometry::Place<QLineEdit>(f, port, QStringLiteral("8300"), 240, 570, 1575, 315);
        DialogGeometry::Place<QLabel>(f, "lblPuertoDatos", tr("Data Port"), 240, 1020, 1575, 255);
        dataBox = DialogGeometry::Place<QLineEdit>(f, dataName, QString(), 240, 1290, 1575, 315);
        dataBox->setReadOnly(true);
        dataBox->setFocusPolicy(Qt::NoFocus);
        DialogGeometry::Place<QLabel>(f, "lblHost", tr("Host "), 240, 1740, 1575, 255);
        hostBox = DialogGeometry::Place<QLineEdit>(f, host, QString(), 240, 2010, 1575, 315);
        return f;
    };
    fraHFTCP = tcpFrame("fraHFTCP", tr("KELDO HF TCP"), "txtPuertoComandosHF", "txtPuertoDatosHF", "txtHostHF",
                        txtPuertoComandosHF, txtPuertoDatosHF, txtHostHF);
    fraFMTCP = tcpFrame("fraFMTCP", tr("KELDO FM TCP"), "txtPuertoComandosFM", "txtPuertoDatosFM", "txtHostFM",
                        txtPuertoComandosFM, txtPuertoDatosFM, txtHostFM);
    fraSATTCP = tcpFrame("fraSATTCP", tr("KELDO SAT TCP"), "txtPuertoComandosSAT", "txtPuertoDatosSAT", "txtHostSAT",
                         txtPuertoComandosSAT, txtPuertoDatosSAT, txtHostSAT);

    fraSeleccionarPTT =
        DialogGeometry::Place<QGroupBox>(this, "fraSeleccionarPTT", tr("KELDO Mode"), 2520, 120, 2055, 1575);
    optKELDOHF =
        DialogGeometry::Place<QRadioButton>(fraSeleccionarPTT, "optKELDOHF", tr("KELDO HF"), 240, 330, 1695, 315);
    optKELDOFM1200 =
        DialogGeometry::Place<QRadioButton>(fraSeleccionarPTT, "optKELDOFM1200", tr("KELDO FM"), 240, 720, 1695, 315);
    optKELDOSAT =
        DialogGeometry::Place<QRadioButton>(fraSeleccionarPTT, "optKELDOSAT", tr("KELDO SAT"), 240, 1110, 1695, 315);

    fraMyCallsign = DialogGeometry::Place<QGroupBox>(this, "fraMyCallsign", tr("My Call Sign"), 2520, 1800, 2055, 855);
    txtMyCallSign = DialogGeometry::Place<QLineEdit>(fraMyCallsign, "txtMyCallSign", QString(), 240, 360, 1575, 315);

    fraBW = DialogGeometry::Place<QGroupBox>(this, "fraBW", tr("KELDO HF Bandwitdh"), 4680, 120, 2055, 2535);
    opt500 = DialogGeometry::Place<QRadioButton>(fraBW, "opt500", tr("500 Hz (Narrow)"), 240, 480, 1695, 375);
    opt2300 = DialogGeometry::Place<QRadioButton>(fraBW, "opt2300", tr("2300 Hz (Standard)"), 240, 1080, 1695, 375);
    opt2750 = DialogGeometry::Place<QRadioButton>(fraBW, "opt2750", tr("2750 Hz (Tactical)"), 240, 1680, 1695, 375);

    auto pathFrame = [this](const char* frame, const QString& caption, const char* box, const char* browse,
                            QLineEdit*& pathBox, QPushButton*& browseButton) {
        QGroupBox* f = DialogGeometry::Place<QGroupBox>(this, frame, caption, 240, 2760, 6495, 975);
        pathBox = DialogGeometry::Place<QLineEdit>(f, box, QString(), 240, 420, 4935, 315);
        browseButton = DialogGeometry::Place<QPushButton>(f, browse, tr("Browse..."), 5280, 390, 1095, 375);
        browseButton->setAutoDefault(false);
        connect(browseButton, &QPushButton::clicked, this, [this, pathBox, caption] { browseFor(pathBox, caption); });
        return f;
    };
    fraRutaKELDOHF = pathFrame("fraRutaKELDOHF", tr("KELDO HF Modem location"), "txtKELDOHFPath", "cmdBrowseHF",
                               txtKELDOHFPath, cmdBrowseHF);
    fraRutaKELDOFM = pathFrame("fraRutaKELDOFM", tr("KELDO FM Modem location"), "txtKELDOFMPath", "cmdBrowseFM",
                               txtKELDOFMPath, cmdBrowseFM);
    fraRutaKELDOSAT = pathFrame("fraRutaKELDOSAT", tr("KELDO SAT Modem location"), "txtKELDOSATPath", "cmdBrowseSAT",
                                txtKELDOSATPath, cmdBrowseSAT);

    chkLaunch = DialogGeometry::Place<QCheckBox>(
        this, "chkLaunch", tr("Automatically launch KELDO TNC when KELDO Terminal is opened"), 240, 3840, 6495, 375);
    chkAlertOwnCall =
        DialogGeometry::Place<QCheckBox>(this, "chkAlertOwnCall", tr("Alert on My Call"), 240, 4290, 2280, 375);
    chkAlertOwnCall->setToolTip(tr("Mark and announce received text holding your call sign"));
    DialogGeometry::Place<QLabel>(this, "lblAlertWords", tr("Alert Words"), 2640, 4350, 1095, 255);
    txtAlertWords = DialogGeometry::Place<QLineEdit>(this, "txtAlertWords", QString(), 3720, 4320, 3015, 315);
    txtAlertWords->setToolTip(tr("Words to mark and announce in received text, separated by commas"));
    txtAlertWords->setAccessibleName(tr("Alert Words"));

    cmdOK = DialogGeometry::Place<QPushButton>(this, "cmdOK", tr("Update"), 2040, 4800, 1260, 435);
    cmdCancel = DialogGeometry::Place<QPushButton>(this, "cmdCancel", tr("Cancel"), 3840, 4800, 1260, 435);
    cmdOK->setDefault(true);
    cmdCancel->setAutoDefault(false);

    // Plain groups: a stored value that matches no option leaves its group
    // without a selection, and nothing here ever clears one.
    m_modeGroup = new QButtonGroup(this);
    for (QRadioButton* b : {optKELDOHF, optKELDOFM1200, optKELDOSAT})
        m_modeGroup->addButton(b);
    m_bwGroup = new QButtonGroup(this);
    for (QRadioButton* b : {opt500, opt2300, opt2750})
        m_bwGroup->addButton(b);

    const SetupChoice& s = m_shown.stored;
    m_hf = {Mode::HF, optKELDOHF, txtPuertoComandosHF, txtPuertoDatosHF, txtHostHF, txtKELDOHFPath, &s.hf};
    m_fm = {Mode::FM, optKELDOFM1200, txtPuertoComandosFM, txtPuertoDatosFM, txtHostFM, txtKELDOFMPath, &s.fm};
    m_sat = {Mode::SAT, optKELDOSAT, txtPuertoComandosSAT, txtPuertoDatosSAT, txtHostSAT, txtKELDOSATPath, &s.sat};

    for (ModeFields* m : {&m_hf, &m_fm, &m_sat}) {
        QLineEdit* dataBox = m->dataPort;
        connect(m->port, &QLineEdit::textChanged, this,
                [dataBox](const QString& text) { dataBox->setText(QString::number(PortValueOfText(text) + 1)); });
    }
    // Toggled rather than clicked, so that arrow keys between the options count too.
    connect(m_modeGroup, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool checked) {
        if (checked)
            GestionarModo();
    });
    connect(chkLaunch, &QCheckBox::clicked, this, [this] { GestionarModo(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    txtMyCallSign->installEventFilter(this);

    // The settings file keeps no more than this of a value.
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->setMaxLength(IniDocument::MaxValueLength);
}

void frmSetup::Form_Load()
{
    // 1.
    m_cancelled = false;
    const SetupChoice& s = m_shown.stored;
    // 2.
    txtPuertoComandosHF->setToolTip(tr("TCP Command Port (default: 8300)"));
    txtPuertoComandosFM->setToolTip(tr("TCP Command Port (default: %1)").arg(m_shown.fmDefaultPort));
    txtPuertoComandosSAT->setToolTip(tr("TCP Command Port (default: 8300)"));
    setWindowIcon(QIcon(ImageList::Picture(QStringLiteral("Rueda"))));
    // 3. The data-port box is filled here too: the design text "8300" gives
    // no change signal when the setting is 8300.
    for (ModeFields* m : {&m_hf, &m_fm, &m_sat}) {
        m->port->setText(QString::number(m->stored->port));
        m->dataPort->setText(QString::number(m->stored->port + 1));
        m->host->setText(m->stored->host);
        m->path->setText(m->stored->path);
    }
    txtMyCallSign->setText(s.callSign);
    // 4.
    for (ModeFields* m : {&m_hf, &m_fm, &m_sat})
        if (s.mode == m->mode)
            m->option->setChecked(true);
    if (s.bandwidth == QLatin1String("500"))
        opt500->setChecked(true);
    else if (s.bandwidth == QLatin1String("2300"))
        opt2300->setChecked(true);
    else if (s.bandwidth == QLatin1String("2750"))
        opt2750->setChecked(true);
    // 5, 6.
    chkLaunch->setChecked(s.autoLaunch);
    chkAlertOwnCall->setChecked(s.alertOnOwnCall);
    txtAlertWords->setText(s.alertWords);
    GestionarModo();
}

Mode frmSetup::selectedMode() const
{
    for (const ModeFields* m : {&m_hf, &m_fm, &m_sat})
        if (m->option->isChecked())
            return m->mode;
    return Mode::Other;
}

void frmSetup::GestionarModo()
{
    const bool hf = optKELDOHF->isChecked();
    const bool sat = !hf && optKELDOSAT->isChecked();
    const bool fm = !hf && !sat;
    fraHFTCP->setVisible(hf);
    fraSATTCP->setVisible(sat);
    fraFMTCP->setVisible(fm);
    fraBW->setVisible(hf);
    const bool launch = chkLaunch->isChecked();
    fraRutaKELDOHF->setVisible(launch && hf);
    fraRutaKELDOSAT->setVisible(launch && sat);
    fraRutaKELDOFM->setVisible(launch && fm);
    // With no option selected nothing is ticked and "PTT..." hides, as in FM.
    emit modeShown(selectedMode());
}

frmSetup::ModeFields& frmSetup::fieldsOf(Mode mode)
{
    if (mode == Mode::HF)
        return m_hf;
    if (mode == Mode::SAT)
        return m_sat;
    return m_fm;
}

frmSetup::ModeFields& frmSetup::fieldsOfSelectedMode()
{
    return fieldsOf(selectedMode());
}

bool frmSetup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtMyCallSign && event->type() == QEvent::FocusOut) {
        QString call = txtMyCallSign->text();
        IsValidCallSign(call);
        if (call != txtMyCallSign->text())
            txtMyCallSign->setText(call);
    }
    return QDialog::eventFilter(watched, event);
}

void frmSetup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSetup::cmdOK_Click()
{
    done(QDialog::Accepted);
}

void frmSetup::cmdCancel_Click()
{
    m_cancelled = true;
    done(QDialog::Rejected);
}

void frmSetup::done(int result)
{
    // A refusal keeps the dialog open: the operator corrects the entry or cancels.
    if (!Form_Unload())
        return;
    QDialog::done(result);
}

void frmSetup::browseFor(QLineEdit* pathBox, const QString& caption)
{
    const QFileInfo current(pathBox->text());
    const QString folder = current.absolutePath();
    const QString chosen =
        QFileDialog::getOpenFileName(this, caption, current.exists() ? current.absoluteFilePath() : folder);
    if (!chosen.isEmpty())
        pathBox->setText(QDir::toNativeSeparators(chosen));
}

SetupChoice frmSetup::readChoice() const
{
    SetupChoice c;
    for (auto [fields, modem] : {std::pair{&m_hf, &c.hf}, std::pair{&m_fm, &c.fm}, std::pair{&m_sat, &c.sat}}) {
        modem->port = PortValueOfText(fields->port->text());
        modem->host = fields->host->text();
        modem->path = fields->path->text();
    }
    c.mode = selectedMode();
    if (opt500->isChecked())
        c.bandwidth = QStringLiteral("500");
    else if (opt2300->isChecked())
        c.bandwidth = QStringLiteral("2300");
    else if (opt2750->isChecked())
        c.bandwidth = QStringLiteral("2750");
    c.callSign = txtMyCallSign->text();
    c.autoLaunch = chkLaunch->isChecked();
    c.alertOnOwnCall = chkAlertOwnCall->isChecked();
    c.alertWords = txtAlertWords->text().trimmed();
    return c;
}

bool frmSetup::touchesLink(const SetupChoice& c) const
{
    const SetupChoice& s = m_shown.stored;
    for (auto [fields, modem] : {std::pair{&m_hf, &c.hf}, std::pair{&m_fm, &c.fm}, std::pair{&m_sat, &c.sat}}) {
        if (modem->port != fields->stored->port || modem->host != fields->stored->host
            || modem->path != fields->stored->path)
            return true;
    }
    // A stored bandwidth no option shows is kept when none is selected (it is shown as none).
    QString call = c.callSign;
    IsValidCallSign(call);
    return c.mode != s.mode || c.bandwidth != s.bandwidth || call != s.callSign || c.autoLaunch != s.autoLaunch;
}

bool frmSetup::Form_Unload()
{
    // 1.
    if (m_checks.shuttingDown && m_checks.shuttingDown())
        return true;
    if (m_cancelled) {
        // The menus follow "KELDO Mode" again, not the option last clicked.
        emit modeShown(m_shown.stored.mode);
        return true;
    }
    auto refuse = [this](const QString& text, MessageBox::Icon icon, QWidget* focus) {
        MessageBox::show(this, text, icon);
        if (focus)
            focus->setFocus();
        emit modeShown(m_shown.stored.mode);
        return false;
    };

    // 2. Only what the link and the modem program depend on waits for the connection to end.
    if (m_checks.connectionActive && m_checks.connectionActive() && touchesLink(readChoice()))
        return refuse(tr("No while a connection is is progress."), MessageBox::Icon::Warning, nullptr);

    // 3. Only the fields of the selected mode (FM when none is selected).
    ModeFields& sel = fieldsOfSelectedMode();
    const qint64 selPort = PortValueOfText(sel.port->text());
    if (!Ports::IsCommandPort(selPort))
        return refuse(tr("Invalid TCP port"), MessageBox::Icon::Warning, sel.port);
    if (sel.host->text().isEmpty())
        return refuse(tr("Invalid Host"), MessageBox::Icon::Warning, sel.host);

    // 4. Upper-cased here as well: Enter or the close box may come without
    // the box ever losing the focus.
    {
        QString call = txtMyCallSign->text();
        const bool valid = IsValidCallSign(call);
        if (call != txtMyCallSign->text())
            txtMyCallSign->setText(call);
        // The modem needs a call to announce: no empty one, no bare SSID.
        if (!valid || CallSignBase(call).isEmpty())
            return refuse(tr("Invalid Call Sign"), MessageBox::Icon::Warning, txtMyCallSign);
    }

    // 5. The new modem program is checked before anything is ended: a
    // refused Update leaves the running modem and its link as they were.
    const SetupChoice choice = readChoice();
    const QString problem = m_checks.programProblem ? m_checks.programProblem(choice) : QString();
    if (!problem.isEmpty())
        return refuse(problem, MessageBox::Icon::Critical, nullptr);

    m_choice = choice;
    return true;
}
