#include "frmLogQso.h"

#include "logbook/Adif.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// Tab leaves the field instead of walking its sections: the operator tabs
// through the form; the arrows and typing still reach each section.
class UtcEdit : public QDateTimeEdit
{
protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

QLineEdit* Field(QFormLayout* form, const char* name, const QString& caption, const QString& text)
{
    auto* e = new QLineEdit(text);
    e->setObjectName(QLatin1String(name));
    form->addRow(caption, e);
    return e;
}

QDateTimeEdit* UtcField(QFormLayout* form, const char* name, const QString& caption, const QDateTime& when)
{
    auto* e = new UtcEdit;
    e->setObjectName(QLatin1String(name));
    e->setTimeSpec(Qt::UTC);
    e->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'"));
    e->setDateTime(when.toUTC());
    form->addRow(caption, e);
    return e;
}

} // namespace

frmLogQso::frmLogQso(const QsoRecord& qso, Writer write, QWidget* parent)
    : QDialog(parent)
    , m_shown(qso)
    , m_write(std::move(write))
{
    setObjectName(QStringLiteral("frmLogQso"));
    // Several may be open at once: each says whose QSO it is.
    setWindowTitle(qso.call.isEmpty() ? QStringLiteral("Log QSO") : QStringLiteral("Log QSO \u2013 ") + qso.call);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    auto* form = new QFormLayout;
    txtCall = Field(form, "txtCall", QStringLiteral("&Call:"), qso.call);
    dtOn = UtcField(form, "dtOn", QStringLiteral("Time o&n:"), qso.timeOn);
    dtOff = UtcField(form, "dtOff", QStringLiteral("Time o&ff:"), qso.timeOff);
    txtFreq = Field(form, "txtFreq", QStringLiteral("Freq&uency (MHz):"),
                    qso.frequencyHz ? Adif::MegahertzText(*qso.frequencyHz) : QString());
    lblBand = new QLabel;
    lblBand->setObjectName(QStringLiteral("lblBand"));
    form->addRow(QStringLiteral("Band:"), lblBand);
    txtMode = Field(form, "txtMode", QStringLiteral("&Mode:"), qso.mode);
    txtSubmode = Field(form, "txtSubmode", QStringLiteral("&Submode:"), qso.submode);
    txtRstSent = Field(form, "txtRstSent", QStringLiteral("RST s&ent:"), qso.rstSent);
    txtRstRcvd = Field(form, "txtRstRcvd", QStringLiteral("RST &received:"), qso.rstReceived);
    txtName = Field(form, "txtName", QStringLiteral("N&ame:"), qso.name);
    txtQth = Field(form, "txtQth", QStringLiteral("&QTH:"), qso.qth);
    txtGrid = Field(form, "txtGrid", QStringLiteral("&Locator:"), qso.gridSquare);
    txtComment = Field(form, "txtComment", QStringLiteral("C&omment:"), qso.comment);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(txtFreq, &QLineEdit::textChanged, this, &frmLogQso::showBand);
    showBand();
}

QsoRecord frmLogQso::value() const
{
    QsoRecord q = m_shown;
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

void frmLogQso::accept()
{
    if (m_write(value()))
        QDialog::accept();
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
