#pragma once

#include "Choices.h"
#include "settings/Settings.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// Settings -> "Logbook...". Ticking "Log QSOs" with no mode set asks for the
// mode the operator's logbook uses.
class frmLogbook : public QDialog
{
    Q_OBJECT
public:
    explicit frmLogbook(const LogbookChoice& shown, QWidget* parent = nullptr);

    LogbookChoice value() const;
    // Set when the dialog closed with OK.
    const std::optional<LogbookChoice>& choice() const { return m_choice; }

protected:
    void accept() override;

private:
    void logQsosToggled(bool on);

    std::optional<LogbookChoice> m_choice;
    QCheckBox* chkLogQsos;
    QCheckBox* chkWithoutAsking;
    QLabel* lblAskMode;
    QComboBox* cboMode;
    QLineEdit* txtSubmode;
    QLineEdit* txtRigHost;
    QSpinBox* spnRigPort;
    QCheckBox* chkLoggers;
    QLineEdit* txtLoggerHost;
    QSpinBox* spnLoggerPort;
    QLineEdit* txtMyLocator;
    QLineEdit* txtTxPower;
};
