#pragma once

#include "Choices.h"
#include "Station.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Remote Access": whether browsers may operate the station, where the web
// front end listens and its password; what it does now (the addresses to
// open, the certificate's fingerprint, or why it does not serve), who is
// connected and who is in control. OK yields the choice (a new password as
// its hash only); Cancel nothing. The state shown follows showAccess() and
// showControl() while the dialog is open.
class frmRemote : public QDialog
{
    Q_OBJECT
public:
    // passwordSet: a usable password hash is stored (an empty pair keeps it).
    frmRemote(const RemoteChoice& shown, bool passwordSet, QWidget* parent = nullptr);

    const std::optional<RemoteChoice>& choice() const { return m_choice; }
    void done(int result) override;

    void showAccess(const RemoteAccessState& state);
    void showControl(ControlSide side, const QString& name);

    // The addresses a browser opens for a server listening on address:port
    // (every address of this machine for 0.0.0.0 or ::).
    static QStringList addressesToOpen(const QString& address, int port);

signals:
    void takeControlRequested();
    void disconnectAllRequested();

private:
    // Why the boxes cannot be taken as they are (the operator's text); empty when they can.
    QString problem(QWidget** at) const;

    QCheckBox* chkEnabled;
    QLineEdit* txtAddress;
    QLineEdit* txtPort;
    QLineEdit* txtPassword;
    QLineEdit* txtPasswordAgain;
    QLabel* lblPassword;
    QLabel* lblProblem;
    QLabel* lblState;
    QLabel* lblAddresses;
    QLabel* lblFingerprint;
    QListWidget* lstClients;
    QLabel* lblControl;
    QPushButton* cmdTakeControl;
    QPushButton* cmdDisconnectAll;

    RemoteChoice m_shown;
    std::optional<RemoteChoice> m_choice;
};
