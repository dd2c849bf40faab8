#include "frmLogQso.h"

#include "logbook/Adif.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// Tab leaves the field instead of walking its sections: the operator tabs
// through the form; the arrows and typing still reach each section.
class UtcEdit : public QDateTimeEdit
{
protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

QLineEdit* Field(QFormLayout* form, const char* name, const QString& caption)
{
    auto* e = new QLineEdit;
    e->setObjectName(QLatin1String(name));
    form->addRow(caption, e);
    return e;
}

QDateTimeEdit* UtcField(QFormLayout* form, const char* name, const QString& caption)
{
    auto* e = new UtcEdit;
    e->setObjectName(QLatin1String(name));
    e->setTimeSpec(Qt::UTC);
    e->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'"));
    form->addRow(caption, e);
    return e;
}

} // namespace

frmLogQso::frmLogQso(Writer write, QWidget* parent)
    : QDialog(parent)
    , m_write(std::move(write))
{
    setObjectName(QStringLiteral("frmLogQso"));
    setWindowTitle(tr("Log QSO"));
    setModal(false);
    lstQsos = new QListWidget;
    lstQsos->setObjectName(QStringLiteral("lstQsos"));
    lstQsos->setAccessibleName(tr("QSOs waiting to be logged"));
    // However many wait, the list scrolls: the window keeps its size.
    lstQsos->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);
    lstQsos->setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
    auto* form = new QFormLayout;
    txtCall = Field(form, "txtCall", tr("&Call:"));
    dtOn = UtcField(form, "dtOn", tr("Time o&n:"));
    dtOff = UtcField(form, "dtOff", tr("Time o&ff:"));
    txtFreq = Field(form, "txtFreq", tr("Freq&uency (MHz):"));
    lblBand = new QLabel;
    lblBand->setObjectName(QStringLiteral("lblBand"));
    form->addRow(tr("Band:"), lblBand);
    txtMode = Field(form, "txtMode", tr("&Mode:"));
    txtSubmode = Field(form, "txtSubmode", tr("&Submode:"));
    txtRstSent = Field(form, "txtRstSent", tr("RST s&ent:"));
    txtRstRcvd = Field(form, "txtRstRcvd", tr("RST &received:"));
    txtName = Field(form, "txtName", tr("N&ame:"));
    txtQth = Field(form, "txtQth", tr("&QTH:"));
    txtGrid = Field(form, "txtGrid", tr("&Locator:"));
    txtComment = Field(form, "txtComment", tr("C&omment:"));
    lblError = new QLabel;
    lblError->setObjectName(QStringLiteral("lblError"));
    lblError->setWordWrap(true);
    lblError->setVisible(false);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Discard);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Log"));
    buttons->button(QDialogButtonBox::Discard)->setText(tr("&Drop"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons->button(QDialogButtonBox::Discard), &QPushButton::clicked, this, &frmLogQso::drop);
    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addWidget(lblError);
    right->addStretch();
    right->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstQsos);
    layout->addLayout(right, 1);
    connect(lstQsos, &QListWidget::currentRowChanged, this, &frmLogQso::showEntry);
    connect(txtFreq, &QLineEdit::textChanged, this, &frmLogQso::showBand);
    connect(txtCall, &QLineEdit::textChanged, this, [this] {
        if (!m_loading && m_current >= 0)
            lstQsos->item(m_current)->setText(itemText(value()));
    });
    showEntry(-1);
}

QString frmLogQso::itemText(const QsoRecord& qso) const
{
    const QString call = qso.call.isEmpty() ? QStringLiteral("?") : qso.call;
    return call + QStringLiteral("  ") + qso.timeOff.toUTC().toString(QStringLiteral("HH:mm"));
}

void frmLogQso::add(const QsoRecord& qso)
{
    m_entries << Entry{qso, QString()};
    lstQsos->addItem(itemText(qso));
    if (m_current < 0)
        lstQsos->setCurrentRow(int(m_entries.size()) - 1);
    showCount();
    if (!isVisible()) {
        fitScreen();
        show();
    }
}

QList<QsoRecord> frmLogQso::pending() const
{
    QList<QsoRecord> records;
    for (int i = 0; i < m_entries.size(); ++i)
        records << (i == m_current ? value() : m_entries[i].record);
    return records;
}

void frmLogQso::clear()
{
    m_current = -1;
    m_entries.clear();
    lstQsos->clear();
    showEntry(-1);
    hide();
}

void frmLogQso::select(int row)
{
    lstQsos->setCurrentRow(row);
}

QsoRecord frmLogQso::value() const
{
    if (m_current < 0)
        return QsoRecord();
    QsoRecord q = m_entries[m_current].record;
    q.call = txtCall->text().trimmed().toUpper();
    q.timeOn = dtOn->dateTime().toUTC();
    q.timeOff = dtOff->dateTime().toUTC();
    bool ok = false;
    const double mhz = txtFreq->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    q.frequencyHz = ok ? Adif::RadioHz(mhz * 1e6) : std::nullopt;
    q.mode = txtMode->text().trimmed();
    q.submode = txtSubmode->text().trimmed();
    q.rstSent = txtRstSent->text().trimmed();
    q.rstReceived = txtRstRcvd->text().trimmed();
    q.name = txtName->text().trimmed();
    q.qth = txtQth->text().trimmed();
    q.gridSquare = txtGrid->text().trimmed();
    q.comment = txtComment->text().trimmed();
    return q;
}

void frmLogQso::keepFields()
{
    if (m_current >= 0 && m_current < m_entries.size())
        m_entries[m_current].record = value();
}

void frmLogQso::showEntry(int row)
{
    keepFields();
    m_current = row >= 0 && row < m_entries.size() ? row : -1;
    const QsoRecord q = m_current >= 0 ? m_entries[m_current].record : QsoRecord();
    m_loading = true;
    txtCall->setText(q.call);
    dtOn->setDateTime(q.timeOn.isValid() ? q.timeOn.toUTC() : QDateTime());
    dtOff->setDateTime(q.timeOff.isValid() ? q.timeOff.toUTC() : QDateTime());
    txtFreq->setText(q.frequencyHz ? Adif::MegahertzText(*q.frequencyHz) : QString());
    txtMode->setText(q.mode);
    txtSubmode->setText(q.submode);
    txtRstSent->setText(q.rstSent);
    txtRstRcvd->setText(q.rstReceived);
    txtName->setText(q.name);
    txtQth->setText(q.qth);
    txtGrid->setText(q.gridSquare);
    txtComment->setText(q.comment);
    m_loading = false;
    const QString error = m_current >= 0 ? m_entries[m_current].error : QString();
    lblError->setText(error);
    lblError->setVisible(!error.isEmpty());
    for (QWidget* w : findChildren<QLineEdit*>())
        w->setEnabled(m_current >= 0);
    dtOn->setEnabled(m_current >= 0);
    dtOff->setEnabled(m_current >= 0);
    buttons->setEnabled(m_current >= 0);
    showBand();
}

void frmLogQso::accept()
{
    if (m_current < 0)
        return;
    QString error;
    if (m_write(value(), &error)) {
        remove(m_current);
        return;
    }
    // Kept with what was typed, and why.
    keepFields();
    m_entries[m_current].error = error.isEmpty() ? tr("The QSO could not be written.") : error;
    lblError->setText(m_entries[m_current].error);
    lblError->setVisible(true);
}

void frmLogQso::reject()
{
    // Closing keeps the entries: shown again with the next QSO, written at shutdown.
    keepFields();
    hide();
}

void frmLogQso::drop()
{
    if (m_current >= 0)
        remove(m_current);
}

void frmLogQso::remove(int row)
{
    m_current = -1; // what the fields show goes with it
    m_entries.removeAt(row);
    delete lstQsos->takeItem(row);
    if (m_entries.isEmpty()) {
        showEntry(-1);
        hide();
    } else {
        const int next = std::min(row, int(m_entries.size()) - 1);
        lstQsos->setCurrentRow(next);
        // The row number may not have changed: show that entry anyway.
        if (m_current != next)
            showEntry(next);
    }
    showCount();
}

void frmLogQso::keyPressEvent(QKeyEvent* event)
{
    // It opens while the operator types in the terminal: Enter meant for the
    // TX box must not log a record. A focused button still takes it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void frmLogQso::showBand()
{
    const QsoRecord q = value();
    lblBand->setText(q.frequencyHz ? Adif::BandOf(*q.frequencyHz) : QString());
}

void frmLogQso::showCount()
{
    setWindowTitle(m_entries.size() > 1 ? tr("Log QSO – %n waiting", nullptr, int(m_entries.size())) : tr("Log QSO"));
}

void frmLogQso::fitScreen()
{
    const QScreen* s = parentWidget() ? parentWidget()->screen() : screen();
    if (!s)
        return;
    const QRect room = s->availableGeometry();
    setMaximumSize(room.size());
    resize(sizeHint().boundedTo(room.size()));
}
