#include "frmFirstRun.h"

#include "dialogs/frmSetup.h"
#include "settings/CallSign.h"
#include "widgets/MessageBox.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmFirstRun::frmFirstRun(const FirstRunOffer& offer, QWidget* parent)
    : QDialog(parent)
    , m_offer(offer)
{
    setObjectName(QStringLiteral("frmFirstRun"));
    setWindowTitle(tr("KELDO Terminal: first start"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("There are no settings yet. Your call sign and your modem, to begin "
                                "with (Settings → Terminal Setup... changes them later)."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    txtMyCallSign = new QLineEdit(this);
    txtMyCallSign->setObjectName(QStringLiteral("txtMyCallSign"));
    form->addRow(tr("&Call sign:"), txtMyCallSign);
    layout->addLayout(form);

    auto* where = new QGroupBox(tr("Where the modem runs"), this);
    auto* whereLayout = new QFormLayout(where);
    optPractice = new QRadioButton(
        tr("The &practice modem (%1), to try the terminal").arg(QFileInfo(offer.practiceModem).fileName()), where);
    optProgram = new QRadioButton(tr("A modem program on &this computer:"), where);
    optRemote = new QRadioButton(tr("A modem on &another computer:"), where);
    txtProgram = new QLineEdit(offer.programPath, where);
    txtHost = new QLineEdit(where);
    txtPort = new QLineEdit(QString::number(offer.port), where);
    optPractice->setObjectName(QStringLiteral("optPractice"));
    optProgram->setObjectName(QStringLiteral("optProgram"));
    optRemote->setObjectName(QStringLiteral("optRemote"));
    txtProgram->setObjectName(QStringLiteral("txtProgram"));
    txtHost->setObjectName(QStringLiteral("txtHost"));
    txtPort->setObjectName(QStringLiteral("txtPort"));
    txtProgram->setToolTip(tr("A program whose name ends in .exe runs under Wine"));
    whereLayout->addRow(optPractice);
    whereLayout->addRow(optProgram);
    whereLayout->addRow(tr("Program:"), txtProgram);
    whereLayout->addRow(optRemote);
    whereLayout->addRow(tr("&Host:"), txtHost);
    whereLayout->addRow(tr("Command &port:"), txtPort);
    layout->addWidget(where);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdOK = buttons->button(QDialogButtonBox::Ok);
    cmdCancel = buttons->button(QDialogButtonBox::Cancel);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &frmFirstRun::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    // The practice modem first, when there is one.
    optPractice->setVisible(!offer.practiceModem.isEmpty());
    (offer.practiceModem.isEmpty() ? optProgram : optPractice)->setChecked(true);
    for (QRadioButton* option : {optPractice, optProgram, optRemote})
        connect(option, &QRadioButton::toggled, this, &frmFirstRun::showFieldsOfChoice);
    showFieldsOfChoice();
    txtMyCallSign->setFocus();
}

frmFirstRun::~frmFirstRun() = default;

std::optional<FirstRunChoice> frmFirstRun::ask(const FirstRunOffer& offer)
{
    frmFirstRun dialog(offer);
    dialog.exec();
    return dialog.choice();
}

void frmFirstRun::showFieldsOfChoice()
{
    txtProgram->setEnabled(optProgram->isChecked());
    txtHost->setEnabled(optRemote->isChecked());
    txtPort->setEnabled(optRemote->isChecked());
}

void frmFirstRun::cmdOK_Click()
{
    auto refuse = [this](const QString& text, QLineEdit* box) {
        MessageBox::show(this, text, MessageBox::Icon::Warning);
        box->setFocus();
    };
    QString call = txtMyCallSign->text().trimmed();
    const bool valid = IsValidCallSign(call);
    txtMyCallSign->setText(call);
    // As in the setup: the modem needs a call to announce.
    if (!valid || CallSignBase(call).isEmpty())
        return refuse(tr("Invalid Call Sign"), txtMyCallSign);

    FirstRunChoice c;
    c.callSign = call;
    c.programPath = m_offer.programPath;
    c.host = m_offer.host;
    c.port = m_offer.port;
    if (optPractice->isChecked()) {
        c.programPath = m_offer.practiceModem;
        c.host = QStringLiteral("127.0.0.1");
        // It is started on the port the settings give (another for a second
        // developer copy); its own default when they give none usable.
        c.port = Ports::IsCommandPort(m_offer.port) ? m_offer.port : FirstRunChoice::PracticeModemPort;
    } else if (optProgram->isChecked()) {
        c.programPath = txtProgram->text().trimmed();
        if (c.programPath.isEmpty())
            return refuse(tr("Invalid modem program"), txtProgram);
    } else {
        c.autoLaunch = false;
        c.host = txtHost->text().trimmed();
        const qint64 port = PortValueOfText(txtPort->text());
        if (c.host.isEmpty() || c.host.contains(QLatin1Char(' ')))
            return refuse(tr("Invalid Host"), txtHost);
        if (!Ports::IsCommandPort(port))
            return refuse(tr("Invalid TCP port"), txtPort);
        c.port = int(port);
    }
    m_choice = c;
    accept();
}
