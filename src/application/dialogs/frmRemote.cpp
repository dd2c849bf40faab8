#include "frmRemote.h"

#include "settings/Ports.h"
#include "settings/RemoteSettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkInterface>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Url(const QHostAddress& address, int port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
        ? QStringLiteral("[%1]").arg(address.toString())
        : address.toString();
    return QStringLiteral("https://%1:%2/").arg(host).arg(port);
}

QLabel* Selectable(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

} // namespace

frmRemote::frmRemote(const RemoteChoice& shown, bool passwordSet, QWidget* parent)
    : QDialog(parent)
    , m_shown(shown)
{
    setObjectName(QStringLiteral("frmRemote"));
    setWindowTitle(tr("Remote Access"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    chkEnabled = new QCheckBox(tr("&Let browsers operate this station"), this);
    chkEnabled->setObjectName(QStringLiteral("chkEnabled"));
    chkEnabled->setChecked(shown.enabled);
    txtAddress = new QLineEdit(shown.listenAddress, this);
    txtAddress->setObjectName(QStringLiteral("txtAddress"));
    txtAddress->setAccessibleName(tr("Listen address"));
    txtAddress->setToolTip(tr("127.0.0.1: this computer only; 0.0.0.0: every network"));
    txtPort = new QLineEdit(QString::number(shown.port), this);
    txtPort->setObjectName(QStringLiteral("txtPort"));
    txtPort->setAccessibleName(tr("Port"));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setAccessibleName(tr("New password"));
    txtPasswordAgain = new QLineEdit(this);
    txtPasswordAgain->setObjectName(QStringLiteral("txtPasswordAgain"));
    txtPasswordAgain->setEchoMode(QLineEdit::Password);
    txtPasswordAgain->setAccessibleName(tr("New password again"));
    lblPassword = new QLabel(passwordSet ? tr("A password is set; leave both boxes empty to keep it.")
                                         : tr("No password is set: browsers cannot log in until one is."),
                             this);
    lblPassword->setObjectName(QStringLiteral("lblPassword"));
    lblPassword->setWordWrap(true);
    lblProblem = new QLabel(this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setWordWrap(true);
    lblProblem->hide();

    auto* form = new QFormLayout;
    form->addRow(chkEnabled);
    form->addRow(tr("Listen &address:"), txtAddress);
    form->addRow(tr("&Port:"), txtPort);
    form->addRow(tr("&New password:"), txtPassword);
    form->addRow(tr("&Repeat it:"), txtPasswordAgain);
    form->addRow(lblPassword);

    auto* now = new QGroupBox(tr("Now"), this);
    now->setObjectName(QStringLiteral("grpNow"));
    lblState = Selectable(now, "lblState");
    lblAddresses = Selectable(now, "lblAddresses");
    lblFingerprint = Selectable(now, "lblFingerprint");
    lstClients = new QListWidget(now);
    lstClients->setObjectName(QStringLiteral("lstClients"));
    lstClients->setAccessibleName(tr("Browsers connected"));
    lstClients->setMaximumHeight(lstClients->fontMetrics().height() * 5);
    lblControl = Selectable(now, "lblControl");
    cmdTakeControl = new QPushButton(tr("&Take control"), now);
    cmdTakeControl->setObjectName(QStringLiteral("cmdTakeControl"));
    cmdTakeControl->setAutoDefault(false);
    cmdDisconnectAll = new QPushButton(tr("&Disconnect all"), now);
    cmdDisconnectAll->setObjectName(QStringLiteral("cmdDisconnectAll"));
    cmdDisconnectAll->setAutoDefault(false);
    connect(cmdTakeControl, &QPushButton::clicked, this, &frmRemote::takeControlRequested);
    connect(cmdDisconnectAll, &QPushButton::clicked, this, &frmRemote::disconnectAllRequested);
    auto* nowForm = new QFormLayout(now);
    nowForm->addRow(lblState);
    nowForm->addRow(tr("Open:"), lblAddresses);
    nowForm->addRow(tr("Certificate SHA-256:"), lblFingerprint);
    nowForm->addRow(tr("Connected:"), lstClients);
    nowForm->addRow(tr("In control:"), lblControl);
    auto* actions = new QHBoxLayout;
    actions->addWidget(cmdTakeControl);
    actions->addWidget(cmdDisconnectAll);
    actions->addStretch();
    nowForm->addRow(actions);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addWidget(lblProblem);
    all->addWidget(now);
    all->addWidget(buttons);

    showAccess({});
    showControl(ControlSide::Desktop, QString());
}

QStringList frmRemote::addressesToOpen(const QString& address, int port)
{
    const QHostAddress listen(address.trimmed());
    if (listen.isNull())
        return {};
    if (listen != QHostAddress(QHostAddress::AnyIPv4) && listen != QHostAddress(QHostAddress::AnyIPv6)
        && listen != QHostAddress(QHostAddress::Any))
        return {Url(listen, port)};
    QStringList urls;
    const bool v6 = listen.protocol() != QAbstractSocket::IPv4Protocol;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        // Link-local ones need a scope no browser bar takes.
        if (a.isLinkLocal() || (a.protocol() == QAbstractSocket::IPv6Protocol && !v6))
            continue;
        urls << Url(a, port);
    }
    return urls;
}

void frmRemote::showAccess(const RemoteAccessState& state)
{
    lblState->setText(state.listening ? (state.reason.isEmpty() ? tr("Serving.") : state.reason)
                                      : (state.reason.isEmpty() ? tr("Not serving.") : state.reason));
    const QStringList urls = state.listening ? addressesToOpen(m_shown.listenAddress, m_shown.port) : QStringList();
    lblAddresses->setText(urls.isEmpty() ? tr("(none)") : urls.join(QLatin1Char('\n')));
    lblFingerprint->setText(state.fingerprint.isEmpty() ? tr("(none)") : state.fingerprint);
    lstClients->clear();
    lstClients->addItems(state.clients);
    cmdDisconnectAll->setEnabled(!state.clients.isEmpty());
}

void frmRemote::showControl(ControlSide side, const QString& name)
{
    const QString who = ControlSideName(side);
    lblControl->setText(name.isEmpty() ? who : tr("%1 (%2)").arg(who, name));
    cmdTakeControl->setEnabled(side == ControlSide::Browser);
}

QString frmRemote::problem(QWidget** at) const
{
    if (QHostAddress(txtAddress->text().trimmed()).isNull()) {
        *at = txtAddress;
        return tr("The listen address must be an IP address, such as 127.0.0.1 or 0.0.0.0.");
    }
    bool ok = false;
    const qint64 port = txtPort->text().trimmed().toLongLong(&ok);
    if (!ok || !Ports::IsPort(port)) {
        *at = txtPort;
        return tr("The port must be a number from %1 to %2.").arg(Ports::Min).arg(Ports::Max);
    }
    const QString password = txtPassword->text();
    if (password != txtPasswordAgain->text()) {
        *at = txtPasswordAgain;
        return tr("The two passwords differ: type the same one twice.");
    }
    if (!password.isEmpty() && password.size() < PasswordHash::MinLength) {
        *at = txtPassword;
        return tr("The password is too short: at least %n characters, please.", nullptr, PasswordHash::MinLength);
    }
    return QString();
}

void frmRemote::done(int result)
{
    if (result == QDialog::Accepted) {
        QWidget* at = nullptr;
        const QString why = problem(&at);
        if (!why.isEmpty()) {
            // The dialog stays open with the box to mend.
            lblProblem->setText(why);
            lblProblem->show();
            at->setFocus();
            return;
        }
        RemoteChoice c;
        c.enabled = chkEnabled->isChecked();
        c.listenAddress = QHostAddress(txtAddress->text().trimmed()).toString();
        c.port = txtPort->text().trimmed().toInt();
        if (!txtPassword->text().isEmpty())
            c.passwordHash = PasswordHash::make(txtPassword->text());
        m_choice = c;
    }
    // The password is not kept in the boxes past the dialog.
    txtPassword->clear();
    txtPasswordAgain->clear();
    QDialog::done(result);
}
