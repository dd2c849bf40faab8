#pragma once

#include "Choices.h"
#include "ptt/SerialPortList.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <optional>
#include <utility>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The "PTT" dialog: keying method, radio brand and model, ports, baud rate,
// line states and CI-V address. It edits a copy: the keyer keeps what it
// has until the dialog closes with a checked choice, which the caller applies.
class frmPTT : public QDialog
{
    Q_OBJECT
public:
    // ports: the serial devices to offer besides COM1 to COM16; the system's
    // when none is given. shuttingDown: true once shutdown has begun; the
    // dialog then closes without checking or choosing anything.
    frmPTT(const PttShown& shown, std::function<bool()> shuttingDown, const SerialPortEnumerator* ports = nullptr,
           QWidget* parent = nullptr);
    ~frmPTT() override;

    // The choice as the controls show it now.
    const PttChoice& value() const { return m_value; }
    // The checked choice once the dialog closed; none at shutdown.
    const std::optional<PttChoice>& choice() const { return m_choice; }

    // Closing by the Close button, the close box or Escape all come here.
    void done(int result) override;

    static bool IsValidIcomAddress(const QString& text);

private:
    void Form_Load();
    void cboMarcas_Click();
    void cboModelos_Click();
    void cboBaudios_Click();
    void cboPTTCOM_Click();
    void cboCATCOM_Click();
    void chkRTS_Click();
    void chkDTR_Click();
    void optMethod_Click(PttMethod method);
    // The option of each method.
    QList<std::pair<QRadioButton*, PttMethod>> methodOptions() const;
    void optPin_Click(int pin);
    void txtRigctldHost_Change();
    void txtRigctldPort_Change();
    // The port a text names, 0 when it names none a socket can use.
    static int rigctldPortOfText(const QString& text);
    bool Form_Unload();

    void fillPortList(QComboBox* list, const QString& setting);
    void portChosen(QComboBox* list, QString& setting);
    static void select(QComboBox* list, int index);

    PttChoice m_value;
    // The stored address, offered again while the same radio stays chosen.
    const QString m_storedAddress;
    const QMap<int, QString> m_portDevices;
    const std::function<bool()> m_shuttingDown;
    std::optional<PttChoice> m_choice;
    QList<SerialDevice> m_devices;

    QGroupBox* FraGlobal;
    QGroupBox* fraSeleccionarPTT;
    QRadioButton* optCAT;
    QRadioButton* optCOM;
    QRadioButton* optVOX;
    QRadioButton* optRigctld;
    QLabel* lblMarca;
    QComboBox* cboMarcas;
    QLabel* lblModel;
    QComboBox* cboModelos;
    QLabel* lblPuerto;
    QComboBox* cboPTTCOM;
    QComboBox* cboCATCOM;
    QLabel* lblBauds;
    QComboBox* cboBaudios;
    QGroupBox* fraPin;
    QRadioButton* optRTS;
    QRadioButton* optDTR;
    QRadioButton* optRTSDTR;
    QCheckBox* chkRTS;
    QCheckBox* chkDTR;
    QLabel* lblIcomAddress;
    QLineEdit* txtIcomAddress;
    QLabel* lblRigctldHost;
    QLineEdit* txtRigctldHost;
    QLabel* lblRigctldPort;
    QLineEdit* txtRigctldPort;
    QPushButton* cmdOK;

    bool m_closed = false;
};
