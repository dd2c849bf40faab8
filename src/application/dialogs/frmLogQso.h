#pragma once

#include "logbook/QsoRecord.h"

#include <QDialog>

class QDateTimeEdit;
class QLabel;
class QLineEdit;

// "Log QSO": a record prefilled at a connection's end, for the operator to
// complete. Not modal: the terminal goes on, and each QSO gets its own
// window. OK hands the record back through logged(); Cancel drops it.
class frmLogQso : public QDialog
{
    Q_OBJECT
public:
    explicit frmLogQso(const QsoRecord& qso, QWidget* parent = nullptr);

    // The record as the fields show it now.
    QsoRecord value() const;

signals:
    void logged(const QsoRecord& qso);

protected:
    void accept() override;

private:
    void showBand();

    QsoRecord m_shown;
    QLineEdit* txtCall;
    QDateTimeEdit* dtOn;
    QDateTimeEdit* dtOff;
    QLineEdit* txtFreq;
    QLabel* lblBand;
    QLineEdit* txtMode;
    QLineEdit* txtSubmode;
    QLineEdit* txtRstSent;
    QLineEdit* txtRstRcvd;
    QLineEdit* txtName;
    QLineEdit* txtQth;
    QLineEdit* txtGrid;
    QLineEdit* txtComment;
};
