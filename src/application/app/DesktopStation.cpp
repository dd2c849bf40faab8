#include "DesktopStation.h"

#include "dialogs/frmConnect.h"
#include "dialogs/frmLogQso.h"
#include "dialogs/frmLogbook.h"
#include "dialogs/frmMacros.h"
#include "dialogs/frmPTT.h"
#include "dialogs/frmRemote.h"
#include "dialogs/frmSetup.h"
#include "settings/RemoteSettings.h"
#include "widgets/MessageBox.h"

DesktopStation::DesktopStation(const QString& folder, QObject* parent)
    : Station(folder, parent, [this](Station& station) { presenter.watch(station); })
{
    attachAnswerer();
    connect(this, &Station::attentionRequested, this, &DesktopStation::answer);
    // The browser in control is asked instead.
    connect(this, &Station::qsoToLog, this, [this](const QsoRecord& qso) {
        if (inControl(ControlSide::Desktop))
            askToLog(qso);
    });
    connect(this, &Station::requestsWithdrawn, this, &DesktopStation::writeWaiting);
}

DesktopStation::~DesktopStation()
{
    detachAnswerer();
}

void DesktopStation::answer(const Attention& attention)
{
    using Kind = Attention::Kind;
    // What concerns the running window is shown over it.
    const bool overWindow = attention.kind == Kind::PortOpenFailed || attention.kind == Kind::FolderStalled
        || attention.kind == Kind::LogFailed || attention.kind == Kind::LogbookFailed;
    MessageBox::show(overWindow ? m_messageParent.data() : nullptr, attention.text,
                     attention.serious ? MessageBox::Icon::Critical : MessageBox::Icon::Warning);
}

void DesktopStation::askToLog(const QsoRecord& qso)
{
    if (!m_logQso) {
        m_logQso =
            new frmLogQso([this](const QsoRecord& q, QString* error) { return logQso(q, error); }, m_messageParent);
        // The operator is typing in the terminal: the keyboard stays there.
        m_logQso->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    m_logQso->add(qso);
}

void DesktopStation::writeWaiting()
{
    if (!m_logQso)
        return;
    const QList<QsoRecord> waiting = m_logQso->pending();
    m_logQso->clear();
    for (const QsoRecord& q : waiting)
        logQso(q);
    m_logQso->close();
}

std::unique_ptr<frmSetup> DesktopStation::setupDialog(QWidget* parent)
{
    SetupChecks checks{[this] { return controller.shuttingDown(); }, [this] { return conn.ConnectionActive; },
                       [this](const SetupChoice& choice) { return controller.programProblem(choice); }};
    auto dialog = std::make_unique<frmSetup>(SetupShown::of(s()), std::move(checks), parent);
    frmSetup* d = dialog.get();
    QObject::connect(d, &frmSetup::modeShown, this, [this](Mode mode) { presenter.showMode(mode); });
    presenter.showMode(d->selectedMode());
    QObject::connect(d, &QDialog::finished, this, [this, d] {
        if (d->choice() && !controller.shuttingDown())
            controller.apply(*d->choice());
    });
    return dialog;
}

std::unique_ptr<frmPTT> DesktopStation::pttDialog(QWidget* parent, const SerialPortEnumerator* ports)
{
    auto dialog = std::make_unique<frmPTT>(
        PttShown::of(s()), [this] { return controller.shuttingDown(); }, ports, parent);
    frmPTT* d = dialog.get();
    QObject::connect(d, &QDialog::finished, this, [this, d] {
        if (d->choice() && !controller.shuttingDown())
            controller.apply(*d->choice());
    });
    return dialog;
}

std::unique_ptr<frmLogbook> DesktopStation::logbookDialog(QWidget* parent)
{
    // Records waiting for the logbook file get another try, now and when
    // the dialog's choice is applied (it may name a folder that works).
    logbook.retryWaiting();
    auto dialog = std::make_unique<frmLogbook>(LogbookChoice::of(s()), parent);
    frmLogbook* d = dialog.get();
    QObject::connect(d, &QDialog::finished, this, [this, d] {
        if (d->choice() && !controller.shuttingDown())
            controller.apply(*d->choice());
    });
    return dialog;
}

std::unique_ptr<frmConnect> DesktopStation::connectDialog(QWidget* parent)
{
    auto dialog = std::make_unique<frmConnect>(
        ConnectShown::of(s()), [this] { return controller.shuttingDown(); }, parent);
    frmConnect* d = dialog.get();
    QObject::connect(d, &QDialog::finished, this, [this, d] {
        if (!d->choice() || controller.shuttingDown())
            return;
        ConnectChoice choice = *d->choice();
        // A browser took control while the dialog was open: the boxes are
        // kept, the call is not placed from here.
        if (!inControl(localSide()))
            choice.call = false;
        controller.apply(choice);
    });
    return dialog;
}

std::unique_ptr<frmMacros> DesktopStation::macrosDialog(QWidget* parent)
{
    auto dialog = std::make_unique<frmMacros>(MacrosChoice{s().macros, s().showMacroBar}, parent);
    frmMacros* d = dialog.get();
    QObject::connect(d, &QDialog::finished, this, [this, d] {
        if (d->choice() && !controller.shuttingDown())
            controller.apply(*d->choice());
    });
    return dialog;
}

std::unique_ptr<frmRemote> DesktopStation::remoteDialog(QWidget* parent)
{
    const RemoteSettings r = RemoteSettings::load(settings.filePath());
    RemoteChoice shown;
    shown.enabled = r.enabled;
    shown.listenAddress = r.listenAddress;
    shown.port = r.port;
    auto dialog = std::make_unique<frmRemote>(shown, PasswordHash::usable(r.passwordHash), parent);
    frmRemote* d = dialog.get();
    d->showAccess(remoteAccess());
    d->showControl(control(), controllerName());
    QObject::connect(this, &Station::remoteAccessChanged, d, &frmRemote::showAccess);
    QObject::connect(this, &Station::controlChanged, d, &frmRemote::showControl);
    QObject::connect(d, &frmRemote::takeControlRequested, this, [this] { takeControl(ControlSide::Desktop); });
    QObject::connect(d, &frmRemote::disconnectAllRequested, this, [this] { disconnectRemote(); });
    QObject::connect(d, &QDialog::finished, this, [this, d] {
        if (d->choice() && !controller.shuttingDown())
            controller.apply(*d->choice());
    });
    return dialog;
}

frmLogQso* DesktopStation::logQsoWindow() const
{
    return m_logQso;
}
