#pragma once

#include "settings/Settings.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// The logbook's settings as the dialog edits them.
struct LogbookChoice
{
    bool logQsos = false;
    bool withoutAsking = false;
    QString mode;
    QString submode;
    QString rigHost;
    int rigPort = 4532;
    bool sendToLoggers = false;
    QString loggerHost;
    int loggerPort = 2237;
    QString myLocator;
    QString txPower;

    static LogbookChoice of(const Settings& s);
    void applyTo(Settings& s) const;
};

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
