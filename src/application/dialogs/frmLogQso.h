#pragma once

#include "logbook/QsoRecord.h"

#include <QDialog>

#include <functional>

class QDateTimeEdit;
class QLabel;
class QLineEdit;

// "Log QSO": a record prefilled at a connection's end, for the operator to
// complete. Not modal: the terminal goes on, and each QSO gets its own
// window. OK hands the record to write, and the window closes only when that
// says it was written, so nothing typed is lost; Cancel drops it.
class frmLogQso : public QDialog
{
    Q_OBJECT
public:
    using Writer = std::function<bool(const QsoRecord&)>;
    frmLogQso(const QsoRecord& qso, Writer write, QWidget* parent = nullptr);

    // The record as the fields show it now.
    QsoRecord value() const;

protected:
    void accept() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showBand();

    QsoRecord m_shown;
    Writer m_write;
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
