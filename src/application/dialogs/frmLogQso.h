#pragma once

#include "logbook/QsoRecord.h"

#include <QDialog>

#include <functional>

class QDateTimeEdit;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;

// "Log QSO": the QSOs waiting to be logged, each prefilled at its
// connection's end, for the operator to complete. One window for all: the
// list of waiting QSOs beside the selected one's fields; however many wait,
// the list scrolls and the window stays within the screen. Not modal: the
// terminal goes on. Log hands the selected record to write, and the entry
// goes only when that says it was written (else it stays, with the reason),
// so nothing typed is lost; Drop drops it. Closing the window keeps the
// entries: the next QSO shows them again, and shutdown writes them.
class frmLogQso : public QDialog
{
    Q_OBJECT
public:
    // True when written; else error says why.
    using Writer = std::function<bool(const QsoRecord&, QString* error)>;
    explicit frmLogQso(Writer write, QWidget* parent = nullptr);

    // A QSO joins the list (selected when none is) and the window shows.
    void add(const QsoRecord& qso);
    int count() const { return int(m_entries.size()); }
    // Every waiting record as its fields show it now.
    QList<QsoRecord> pending() const;
    // The list is emptied and the window hidden (shutdown wrote them).
    void clear();
    void select(int row);
    int selected() const { return m_current; }
    // The selected record as the fields show it now.
    QsoRecord value() const;

protected:
    void accept() override;
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Entry
    {
        QsoRecord record;
        QString error; // why the last write failed
    };

    void showEntry(int row);
    void keepFields();
    void drop();
    void remove(int row);
    void showBand();
    void showCount();
    QString itemText(const QsoRecord& qso) const;
    void fitScreen();

    Writer m_write;
    QList<Entry> m_entries;
    int m_current = -1;
    bool m_loading = false;
    QListWidget* lstQsos;
    QLabel* lblError;
    QDialogButtonBox* buttons;
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
