#pragma once

#include "app/SetupController.h"
#include "settings/Settings.h"

#include <QDialog>
#include <QString>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Session;

// The leading decimal number of a port box: blanks, an optional sign, then
// digits; 0 when there are none. Saturates far above any port.
qint64 PortValueOfText(const QString& text);

// "Setup": mode, modem addresses, call sign, HF bandwidth, modem programs.
// Nothing is applied until the dialog closes without "Cancel"; then the
// operator's checked choice goes to a SetupController.
class frmSetup : public QDialog
{
    Q_OBJECT
public:
    explicit frmSetup(Session& session, QWidget* parent = nullptr);
    ~frmSetup() override;

    // Frames by the selected mode and the launch box, and the main window's
    // mode check marks and "PTT..." item by the selected mode.
    void GestionarModo();

    // "Update", the close box and Enter end here; "Cancel" and Escape as well,
    // with the cancelled flag set.
    void done(int result) override;

    // The mode of the selected option, Other when none is selected.
    Mode selectedMode() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ModeFields
    {
        Mode mode;
        QRadioButton* option;
        QLineEdit* port;
        QLineEdit* dataPort;
        QLineEdit* host;
        QLineEdit* path;
        int* portSetting;
        QString* hostSetting;
        QString* pathSetting;
    };

    void buildControls();
    void Form_Load();
    // False when the close is refused; the dialog then stays open.
    bool Form_Unload();
    void cmdOK_Click();
    void cmdCancel_Click();
    void browseFor(QLineEdit* pathBox, const QString& caption);
    void restoreStoredState();
    // The mode whose fields are tested: the selected one, FM when none is.
    ModeFields& fieldsOfSelectedMode();
    ModeFields& fieldsOf(Mode mode);
    SetupChoice readChoice() const;

    Session& m_session;
    bool m_cancelled = false;

    // What the dialog may change in memory, as it stood when it opened.
    struct Stored
    {
        int hfTcpPort, fmTcpPort, satTcpPort;
        QString hfHost, fmHost, satHost;
        QString myCallsign;
        ModeSetting keldoMode;
        QString keldoHfBw;
        AutoLaunchSetting autoLaunch;
        QString keldoHfPath, keldoFmPath, keldoSatPath;
    } m_stored;

public:
    QGroupBox* fraHFTCP;
    QGroupBox* fraFMTCP;
    QGroupBox* fraSATTCP;
    QLineEdit* txtPuertoComandosHF;
    QLineEdit* txtPuertoComandosFM;
    QLineEdit* txtPuertoComandosSAT;
    QLineEdit* txtPuertoDatosHF;
    QLineEdit* txtPuertoDatosFM;
    QLineEdit* txtPuertoDatosSAT;
    QLineEdit* txtHostHF;
    QLineEdit* txtHostFM;
    QLineEdit* txtHostSAT;
    QGroupBox* fraSeleccionarPTT;
    QRadioButton* optKELDOHF;
    QRadioButton* optKELDOFM1200;
    QRadioButton* optKELDOSAT;
    QGroupBox* fraMyCallsign;
    QLineEdit* txtMyCallSign;
    QGroupBox* fraBW;
    QRadioButton* opt500;
    QRadioButton* opt2300;
    QRadioButton* opt2750;
    QGroupBox* fraRutaKELDOHF;
    QGroupBox* fraRutaKELDOFM;
    QGroupBox* fraRutaKELDOSAT;
    QLineEdit* txtKELDOHFPath;
    QLineEdit* txtKELDOFMPath;
    QLineEdit* txtKELDOSATPath;
    QPushButton* cmdBrowseHF;
    QPushButton* cmdBrowseFM;
    QPushButton* cmdBrowseSAT;
    QCheckBox* chkLaunch;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    QButtonGroup* m_modeGroup;
    QButtonGroup* m_bwGroup;
    ModeFields m_hf;
    ModeFields m_fm;
    ModeFields m_sat;
};
