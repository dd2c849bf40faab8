#pragma once

#include "Choices.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

// "Connect": the station to call (and in FM mode up to two digipeaters),
// offered from the history lists of a copy of the settings. Closing yields
// the boxes' texts when every one is a call sign; the caller stores them
// and, for the button, calls.
class frmConnect : public QDialog
{
    Q_OBJECT
public:
    // shuttingDown: true once shutdown has begun; the dialog then closes
    // without choosing anything.
    frmConnect(const ConnectShown& shown, std::function<bool()> shuttingDown, QWidget* parent = nullptr);
    ~frmConnect() override;

    const std::optional<ConnectChoice>& choice() const { return m_choice; }

    void cmdConnect_Click();
    // Every way of closing ends here; it never keeps the dialog open.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* Label1;
    QComboBox* cboConnectHF;
    QComboBox* cboConnectFM;
    QComboBox* cboConnectSAT;
    QLabel* lblVia1;
    QLabel* lblVia2;
    QComboBox* cboVia1;
    QComboBox* cboVia2;
    QPushButton* cmdConnect;

    void Form_Load();
    void Form_Unload();
    void upperCaseAll();
    ConnectChoice readChoice() const;

    const ConnectShown m_shown;
    const std::function<bool()> m_shuttingDown;
    std::optional<ConnectChoice> m_choice;
    bool m_unloaded = false;
};
