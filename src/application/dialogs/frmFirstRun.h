#pragma once

#include "Choices.h"

#include <QDialog>
#include <QString>

#include <optional>

class QLineEdit;
class QPushButton;
class QRadioButton;

// With no settings file yet: the call sign and where the modem runs (the
// practice modem, a modem program on this computer, or a modem on another
// computer). OK yields the checked choice; Cancel or closing yields none.
class frmFirstRun : public QDialog
{
    Q_OBJECT
public:
    explicit frmFirstRun(const FirstRunOffer& offer, QWidget* parent = nullptr);
    ~frmFirstRun() override;

    // Shows the dialog modally; the choice, or none when cancelled.
    static std::optional<FirstRunChoice> ask(const FirstRunOffer& offer);

    const std::optional<FirstRunChoice>& choice() const { return m_choice; }

    void cmdOK_Click();

private:
    QLineEdit* txtMyCallSign;
    QRadioButton* optPractice;
    QRadioButton* optProgram;
    QRadioButton* optRemote;
    QLineEdit* txtProgram;
    QLineEdit* txtHost;
    QLineEdit* txtPort;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void showFieldsOfChoice();

    const FirstRunOffer m_offer;
    std::optional<FirstRunChoice> m_choice;
};
