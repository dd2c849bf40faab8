#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class Session;

// "Connect": the station to call (and in FM mode up to two digipeaters),
// offered from the history lists; validated, stored, pushed, saved, called.
class frmConnect : public QDialog
{
    Q_OBJECT
public:
    explicit frmConnect(Session& session, QWidget* parent = nullptr);
    ~frmConnect() override;

    void cmdConnect_Click();
    // Every way of closing ends here; it never keeps the dialog open.
    void done(int result) override;

    QLabel* Label1;
    QComboBox* cboConnectHF;
    QComboBox* cboConnectFM;
    QComboBox* cboConnectSAT;
    QLabel* lblVia1;
    QLabel* lblVia2;
    QComboBox* cboVia1;
    QComboBox* cboVia2;
    QPushButton* cmdConnect;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void upperCaseAll();
    void storeModeTexts();

    Session& m_session;
    bool m_unloaded = false;
};
