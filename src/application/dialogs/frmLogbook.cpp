#include "frmLogbook.h"

#include "logbook/Adif.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox* PortBox(const char* name, int value)
{
    auto* s = new QSpinBox;
    s->setObjectName(QLatin1String(name));
    s->setRange(Ports::Min, Ports::Max);
    s->setValue(value);
    return s;
}

QLineEdit* Line(const char* name, const QString& text)
{
    auto* e = new QLineEdit(text);
    e->setObjectName(QLatin1String(name));
    return e;
}

QCheckBox* Check(const char* name, const QString& caption, bool on)
{
    auto* c = new QCheckBox(caption);
    c->setObjectName(QLatin1String(name));
    c->setChecked(on);
    return c;
}

} // namespace

frmLogbook::frmLogbook(const LogbookChoice& shown, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLogbook"));
    setWindowTitle(tr("Logbook"));
    setModal(true);
    chkLogQsos = Check("chkLogQsos", tr("&Log QSOs"), shown.logQsos);
    chkWithoutAsking = Check("chkWithoutAsking", tr("Log &without asking"), shown.withoutAsking);
    lblAskMode = new QLabel(tr("Which mode does your logbook use for these QSOs?"));
    lblAskMode->setObjectName(QStringLiteral("lblAskMode"));
    lblAskMode->setVisible(false);
    cboMode = new QComboBox;
    cboMode->setObjectName(QStringLiteral("cboMode"));
    cboMode->setEditable(true);
    // Common ADIF modes for keyboard chat; any other can be typed.
    cboMode->addItems({QString(), QStringLiteral("DYNAMIC"), QStringLiteral("PKT"), QStringLiteral("MFSK"),
                       QStringLiteral("PSK"), QStringLiteral("RTTY"), QStringLiteral("OLIVIA")});
    cboMode->setCurrentText(shown.mode);
    // The question shows only at the first tick: a screen reader hears it always.
    cboMode->setAccessibleName(tr("Log mode"));
    cboMode->setAccessibleDescription(lblAskMode->text());
    cboMode->lineEdit()->setAccessibleName(tr("Log mode"));
    txtSubmode = Line("txtSubmode", shown.submode);
    txtRigHost = Line("txtRigHost", shown.rigHost);
    spnRigPort = PortBox("spnRigPort", shown.rigPort);
    chkLoggers = Check("chkLoggers", tr("&Send QSOs to loggers"), shown.sendToLoggers);
    txtLoggerHost = Line("txtLoggerHost", shown.loggerHost);
    spnLoggerPort = PortBox("spnLoggerPort", shown.loggerPort);

    txtMyLocator = Line("txtMyLocator", shown.myLocator);
    // Maidenhead: 2, 4, 6 or 8 characters (JN11, IN80dj).
    txtMyLocator->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Ra-r]{2}([0-9]{2}([A-Xa-x]{2}([0-9]{2})?)?)?")), txtMyLocator));
    txtTxPower = Line("txtTxPower", shown.txPower);
    txtTxPower->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,6}([.,][0-9]{1,3})?")), txtTxPower));

    auto* form = new QFormLayout;
    form->addRow(chkLogQsos);
    form->addRow(chkWithoutAsking);
    form->addRow(lblAskMode);
    form->addRow(tr("Log &mode:"), cboMode);
    form->addRow(tr("Log s&ubmode:"), txtSubmode);
    // Keying by rigctld, the frequency comes from that rigctld.
    form->addRow(tr("M&y locator:"), txtMyLocator);
    form->addRow(tr("&TX power (W):"), txtTxPower);
    form->addRow(tr("Rig control &host (rigctld, when PTT is not by rigctld):"), txtRigHost);
    form->addRow(tr("Rig control &port:"), spnRigPort);
    for (QWidget* w : {static_cast<QWidget*>(txtRigHost), static_cast<QWidget*>(spnRigPort)})
        w->setToolTip(tr("Used for the frequency when PTT is not by rigctld; "
                         "keying by rigctld, that rigctld is asked."));
    form->addRow(chkLoggers);
    form->addRow(tr("Logger h&ost:"), txtLoggerHost);
    form->addRow(tr("Logger po&rt:"), spnLoggerPort);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(chkLogQsos, &QCheckBox::toggled, this, &frmLogbook::logQsosToggled);
}

void frmLogbook::logQsosToggled(bool on)
{
    // The first tick asks for the mode: the records carry it.
    const bool ask = on && cboMode->currentText().trimmed().isEmpty();
    lblAskMode->setVisible(ask);
    if (ask)
        cboMode->setFocus();
}

LogbookChoice frmLogbook::value() const
{
    return {chkLogQsos->isChecked(),
            chkWithoutAsking->isChecked(),
            cboMode->currentText().trimmed().toUpper(),
            txtSubmode->text().trimmed().toUpper(),
            txtRigHost->text().trimmed(),
            spnRigPort->value(),
            chkLoggers->isChecked(),
            txtLoggerHost->text().trimmed(),
            spnLoggerPort->value(),
            Adif::GridSquare(txtMyLocator->text()).toUpper(),
            txtTxPower->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.'))};
}

void frmLogbook::accept()
{
    m_choice = value();
    QDialog::accept();
}
