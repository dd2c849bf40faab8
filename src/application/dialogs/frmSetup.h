#pragma once

#include "Choices.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What the dialog asks of the running terminal when it closes.
struct SetupChecks
{
    // Shutdown has begun: close without checking or choosing anything.
    std::function<bool()> shuttingDown;
    std::function<bool()> connectionActive;
    // Why the modem program the choice switches to cannot be started; empty when it can.
    std::function<QString(const SetupChoice&)> programProblem;
};

// The leading decimal number of a port box: blanks, an optional sign, then
// digits; 0 when there are none. Saturates far above any port.
qint64 PortValueOfText(const QString& text);

// "Setup": mode, modem addresses, call sign, HF bandwidth, modem programs.
// Shows the settings as stored; closing without "Cancel" yields the
// operator's checked choice, which the caller applies.
class frmSetup : public QDialog
{
    Q_OBJECT
public:
    frmSetup(const SetupShown& shown, SetupChecks checks, QWidget* parent = nullptr);
    ~frmSetup() override;

    // Frames by the selected mode and the launch box; modeShown tells the
    // main window's mode check marks and "PTT..." item.
    void GestionarModo();

    // "Update", the close box and Enter end here; "Cancel" and Escape as well,
    // with the cancelled flag set.
    void done(int result) override;

    // The mode of the selected option, Other when none is selected.
    Mode selectedMode() const;

    // The checked choice once the dialog closed with it; none after Cancel or at shutdown.
    const std::optional<SetupChoice>& choice() const { return m_choice; }

signals:
    // The mode the main window's menus should show: the selected one while
    // choosing, the stored one again after Cancel or a refusal.
    void modeShown(Mode mode);

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
        const SetupChoice::Modem* stored;
    };

    void buildControls();
    void Form_Load();
    // False when the close is refused; the dialog then stays open.
    bool Form_Unload();
    void cmdOK_Click();
    void cmdCancel_Click();
    void browseFor(QLineEdit* pathBox, const QString& caption);
    // The mode whose fields are tested: the selected one, FM when none is.
    ModeFields& fieldsOfSelectedMode();
    ModeFields& fieldsOf(Mode mode);
    SetupChoice readChoice() const;
    // The choice changes what the link or the modem program depends on (not
    // the alert words, which apply during a connection too).
    bool touchesLink(const SetupChoice& choice) const;

    const SetupShown m_shown;
    const SetupChecks m_checks;
    bool m_cancelled = false;
    std::optional<SetupChoice> m_choice;

private:
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
    QCheckBox* chkAlertOwnCall;
    QLineEdit* txtAlertWords;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    QButtonGroup* m_modeGroup;
    QButtonGroup* m_bwGroup;
    ModeFields m_hf;
    ModeFields m_fm;
    ModeFields m_sat;
};
