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
    setWindowTitle(QStringLiteral("KELDO Terminal: first start"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("There are no settings yet. Your call sign and your modem, to begin "
                                            "with (Settings → Terminal Setup... changes them later)."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    txtMyCallSign = new QLineEdit(this);
    txtMyCallSign->setObjectName(QStringLiteral("txtMyCallSign"));
    form->addRow(QStringLiteral("&Call sign:"), txtMyCallSign);
    layout->addLayout(form);

    auto* where = new QGroupBox(QStringLiteral("Where the modem runs"), this);
    auto* whereLayout = new QFormLayout(where);
    optPractice = new QRadioButton(
        QStringLiteral("The &practice modem (%1), to try the terminal").arg(QFileInfo(offer.practiceModem).fileName()),
        where);
    optProgram = new QRadioButton(QStringLiteral("A modem program on &this computer:"), where);
    optRemote = new QRadioButton(QStringLiteral("A modem on &another computer:"), where);
    txtProgram = new QLineEdit(offer.programPath, where);
    txtHost = new QLineEdit(where);
    txtPort = new QLineEdit(QString::number(offer.port), where);
    optPractice->setObjectName(QStringLiteral("optPractice"));
    optProgram->setObjectName(QStringLiteral("optProgram"));
    optRemote->setObjectName(QStringLiteral("optRemote"));
    txtProgram->setObjectName(QStringLiteral("txtProgram"));
    txtHost->setObjectName(QStringLiteral("txtHost"));
    txtPort->setObjectName(QStringLiteral("txtPort"));
    txtProgram->setToolTip(QStringLiteral("A program whose name ends in .exe runs under Wine"));
    whereLayout->addRow(optPractice);
    whereLayout->addRow(optProgram);
    whereLayout->addRow(QStringLiteral("Program:"), txtProgram);
    whereLayout->addRow(optRemote);
    whereLayout->addRow(QStringLiteral("&Host:"), txtHost);
    whereLayout->addRow(QStringLiteral("Command &port:"), txtPort);
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
        return refuse(QStringLiteral("Invalid Call Sign"), txtMyCallSign);

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
            return refuse(QStringLiteral("Invalid modem program"), txtProgram);
    } else {
        c.autoLaunch = false;
        c.host = txtHost->text().trimmed();
        const qint64 port = PortValueOfText(txtPort->text());
        if (c.host.isEmpty() || c.host.contains(QLatin1Char(' ')))
            return refuse(QStringLiteral("Invalid Host"), txtHost);
        if (!Ports::IsCommandPort(port))
            return refuse(QStringLiteral("Invalid TCP port"), txtPort);
        c.port = int(port);
    }
    m_choice = c;
    accept();
}
