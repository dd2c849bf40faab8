#include "frmConnect.h"

#include "settings/CallSign.h"
#include "settings/IniDocument.h"
#include "widgets/DialogGeometry.h"
#include "widgets/ImageList.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 3360;
constexpr int ClientHeight = 2040;
constexpr int ComboHeight = 315;

void place(QWidget* w, const char* name, int left, int top, int width, int height)
{
    w->setObjectName(QLatin1String(name));
    w->setGeometry(Twips::ToPixels(left), Twips::ToPixels(top), Twips::ToPixels(width), Twips::ToPixels(height));
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top, int width)
{
    auto* l = new QLabel(caption, parent);
    place(l, name, left, top, width, 255);
    return l;
}

QComboBox* combo(QWidget* parent, const char* name, int left, int top, int width)
{
    auto* c = new QComboBox(parent);
    c->setEditable(true);
    // Enter confirms the dialog; it does not add what was typed to the list.
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(10);
    // The settings file keeps no more than this of a value.
    c->lineEdit()->setMaxLength(IniDocument::MaxValueLength);
    place(c, name, left, top, width, ComboHeight);
    return c;
}

QString upper(const QString& text)
{
    QString out = text;
    IsValidCallSign(out);
    return out;
}

} // namespace

frmConnect::frmConnect(const ConnectShown& shown, std::function<bool()> shuttingDown, QWidget* parent)
    : QDialog(parent)
    , m_shown(shown)
    , m_shuttingDown(std::move(shuttingDown))
{
    setObjectName(QStringLiteral("frmConnect"));
    setWindowTitle(tr("Connect"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(Twips::ToPixels(ClientWidth), Twips::ToPixels(ClientHeight));

    Label1 = label(this, "Label1", tr("Connect with:"), 360, 240, 1215);
    // The three targets lie on top of each other; the mode shows one.
    cboConnectHF = combo(this, "cboConnectHF", 360, 600, 1335);
    cboConnectFM = combo(this, "cboConnectFM", 360, 600, 1335);
    cboConnectSAT = combo(this, "cboConnectSAT", 360, 600, 1335);
    lblVia1 = label(this, "lblVia1", tr("Via1"), 360, 1080, 1215);
    lblVia2 = label(this, "lblVia2", tr("Via2"), 1680, 1080, 1215);
    cboVia1 = combo(this, "cboVia1", 360, 1440, 1335);
    cboVia2 = combo(this, "cboVia2", 1800, 1440, 1335);

    cmdConnect = new QPushButton(this);
    place(cmdConnect, "cmdConnect", 2160, 240, 735, 650);
    const QPixmap picture = ImageList::Picture(QStringLiteral("Conectar"));
    cmdConnect->setIcon(QIcon(picture.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    cmdConnect->setIconSize(QSize(32, 32));
    cmdConnect->setToolTip(tr("Connect"));
    cmdConnect->setAccessibleName(tr("Connect"));
    cmdConnect->setDefault(true);
    connect(cmdConnect, &QPushButton::clicked, this, [this] { cmdConnect_Click(); });

    for (QComboBox* c : {cboConnectHF, cboConnectFM, cboConnectSAT, cboVia1, cboVia2})
        c->installEventFilter(this);

    Form_Load();
    DialogGeometry::FitToFont(this);
}

frmConnect::~frmConnect() = default;

void frmConnect::Form_Load()
{
    const ConnectShown& s = m_shown;
    // 1. Another mode text leaves every control as designed.
    const bool hf = s.mode == Mode::HF;
    const bool fm = s.mode == Mode::FM;
    const bool sat = s.mode == Mode::SAT;
    if (s.modeHasBoxes) {
        cboConnectHF->setVisible(hf);
        cboConnectFM->setVisible(fm);
        cboConnectSAT->setVisible(sat);
        for (QWidget* w : {static_cast<QWidget*>(lblVia1), static_cast<QWidget*>(cboVia1),
                           static_cast<QWidget*>(lblVia2), static_cast<QWidget*>(cboVia2)})
            w->setVisible(fm);
    }
    // 2.
    cboConnectHF->addItems(VisibleHistory(s.hfHistory));
    cboConnectFM->addItems(VisibleHistory(s.fmHistory));
    cboConnectSAT->addItems(VisibleHistory(s.satHistory));
    cboVia1->addItems(VisibleHistory(s.via1History));
    cboVia2->addItems(VisibleHistory(s.via2History));
    // 3.
    cboConnectHF->setEditText(s.stored.hf);
    cboConnectFM->setEditText(s.stored.fm);
    cboVia1->setEditText(s.stored.via1);
    cboVia2->setEditText(s.stored.via2);
    cboConnectSAT->setEditText(s.stored.sat);
}

bool frmConnect::eventFilter(QObject* watched, QEvent* event)
{
    // As a Windows combo box does: the focus selects the text, so a call
    // typed on opening the dialog replaces the last one instead of
    // joining it.
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
        if (auto* c = qobject_cast<QComboBox*>(watched); c && c->lineEdit())
            c->lineEdit()->selectAll();
    }
    if (event->type() == QEvent::FocusOut) {
        if (auto* c = qobject_cast<QComboBox*>(watched)) {
            const QString text = upper(c->currentText());
            if (text != c->currentText())
                c->setEditText(text);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmConnect::upperCaseAll()
{
    // Enter or the close box may come while a box still holds the focus, so
    // its text has not been upper-cased yet.
    for (QComboBox* c : {cboConnectHF, cboConnectFM, cboConnectSAT, cboVia1, cboVia2}) {
        const QString text = upper(c->currentText());
        if (text != c->currentText())
            c->setEditText(text);
    }
}

ConnectChoice frmConnect::readChoice() const
{
    return {cboConnectHF->currentText(), cboConnectFM->currentText(), cboConnectSAT->currentText(),
            cboVia1->currentText(), cboVia2->currentText()};
}

void frmConnect::cmdConnect_Click()
{
    upperCaseAll();
    const Mode mode = m_shown.mode;
    const bool fm = mode == Mode::FM;

    auto valid = [](const QComboBox* c) {
        QString copy = c->currentText();
        return IsValidCallSign(copy);
    };
    auto validTarget = [&valid](const QComboBox* c) { return !c->currentText().isEmpty() && valid(c); };

    QComboBox* failing = nullptr;
    if (mode == Mode::HF && !validTarget(cboConnectHF))
        failing = cboConnectHF;
    else if (fm && !validTarget(cboConnectFM))
        failing = cboConnectFM;
    else if (mode == Mode::SAT && !validTarget(cboConnectSAT))
        failing = cboConnectSAT;
    else if (fm && !valid(cboVia1))
        failing = cboVia1;
    else if (fm && !valid(cboVia2))
        failing = cboVia2;
    if (failing) {
        MessageBox::show(this, tr("Invalid Call Sign"), MessageBox::Icon::Warning);
        failing->setFocus();
        return;
    }

    m_choice = readChoice();
    m_choice->call = true;
    m_unloaded = true;
    accept();
}

void frmConnect::Form_Unload()
{
    if (m_shuttingDown && m_shuttingDown())
        return;
    upperCaseAll();
    for (QComboBox* c : {cboConnectHF, cboConnectFM, cboConnectSAT, cboVia1, cboVia2}) {
        QString copy = c->currentText();
        if (!IsValidCallSign(copy))
            return;
    }
    // An empty target is kept here; only the button insists on one.
    m_choice = readChoice();
}

void frmConnect::done(int result)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    QDialog::done(result);
}
