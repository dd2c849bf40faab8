#include "frmMacros.h"

#include "settings/IniDocument.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QString EntryCaption(int index, const Macro& m)
{
    return QStringLiteral("F%1  %2").arg(index + 1).arg(m.label);
}

} // namespace

frmMacros::frmMacros(const MacrosChoice& shown, QWidget* parent)
    : QDialog(parent)
    , m_macros(shown.macros)
{
    setObjectName(QStringLiteral("frmMacros"));
    setWindowTitle(tr("Macros"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    lstMacros = new QListWidget(this);
    lstMacros->setObjectName(QStringLiteral("lstMacros"));
    lstMacros->setAccessibleName(tr("Function keys"));
    for (int i = 0; i < MacroCount; ++i)
        lstMacros->addItem(EntryCaption(i, m_macros[size_t(i)]));
    lstMacros->setMaximumWidth(lstMacros->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 18);

    txtLabel = new QLineEdit(this);
    txtLabel->setObjectName(QStringLiteral("txtLabel"));
    txtLabel->setAccessibleName(tr("Button label"));
    // The settings file keeps no more than this of a value.
    txtLabel->setMaxLength(IniDocument::MaxValueLength);
    txtText = new QPlainTextEdit(this);
    txtText->setObjectName(QStringLiteral("txtText"));
    txtText->setAccessibleName(tr("Macro text"));
    txtText->setTabChangesFocus(true);
    auto* hint = new QLabel(tr("Variables: <MYCALL> <CALL> <UTC> <DATE> <MODE> <BW> <FREQ> <BAND>.\n"
                               "<SEND> at the end sends the text at once."),
                            this);
    hint->setObjectName(QStringLiteral("lblVariables"));
    hint->setWordWrap(true);
    txtText->setAccessibleDescription(hint->text());
    chkMacroBar = new QCheckBox(tr("Show macro buttons under the TX box"), this);
    chkMacroBar->setObjectName(QStringLiteral("chkMacroBar"));
    chkMacroBar->setChecked(shown.showBar);

    auto* form = new QFormLayout;
    form->addRow(tr("&Label:"), txtLabel);
    form->addRow(tr("&Text:"), txtText);
    form->addRow(hint);
    auto* columns = new QHBoxLayout;
    columns->addWidget(lstMacros);
    columns->addLayout(form, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    auto* all = new QVBoxLayout(this);
    all->addLayout(columns);
    all->addWidget(chkMacroBar);
    all->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(lstMacros, &QListWidget::currentRowChanged, this, &frmMacros::showEntry);
    connect(txtLabel, &QLineEdit::textEdited, this, [this] {
        if (m_shown >= 0)
            lstMacros->item(m_shown)->setText(EntryCaption(m_shown, {txtLabel->text(), {}}));
    });
    selectMacro(0);
    resize(qMin(sizeHint().width() * 3 / 2, 640), sizeHint().height());
}

void frmMacros::selectMacro(int index)
{
    lstMacros->setCurrentRow(qBound(0, index, MacroCount - 1));
}

void frmMacros::keepEdits()
{
    if (m_shown < 0)
        return;
    Macro& m = m_macros[size_t(m_shown)];
    m.label = txtLabel->text();
    // toPlainText() turns U+00A0 and U+2028 into plain spaces and line breaks:
    // a text not edited is kept as stored.
    if (txtText->toPlainText() != m_shownText)
        m.text = txtText->toPlainText();
}

void frmMacros::showEntry(int index)
{
    keepEdits();
    m_shown = index;
    if (index < 0)
        return;
    txtLabel->setText(m_macros[size_t(index)].label);
    txtText->setPlainText(m_macros[size_t(index)].text);
    m_shownText = txtText->toPlainText();
}

void frmMacros::done(int result)
{
    keepEdits();
    if (result == QDialog::Accepted)
        m_choice = MacrosChoice{m_macros, chkMacroBar->isChecked()};
    QDialog::done(result);
}
