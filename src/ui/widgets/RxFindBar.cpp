#include "RxFindBar.h"

#include "RxScreenView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

QToolButton* AddButton(RxFindBar* bar, QHBoxLayout* row, const char* name, const QString& text, const QString& tip)
{
    auto* b = new QToolButton(bar);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(true);
    row->addWidget(b);
    return b;
}

bool IsBarKey(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    switch (key->key()) {
    case Qt::Key_F3:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return mods == Qt::NoModifier;
    default:
        return false;
    }
}

} // namespace

RxFindBar::RxFindBar(RxScreenView& view, QWidget* parent)
    : QFrame(parent)
    , m_view(view)
{
    setObjectName(QStringLiteral("rxFindBar"));
    setAccessibleName(tr("Find"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setCursor(Qt::ArrowCursor);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 2, 2);
    row->setSpacing(4);

    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("rxFindText"));
    m_text->setPlaceholderText(tr("Find"));
    m_text->setAccessibleName(tr("Find in the received text"));
    m_text->setClearButtonEnabled(true);
    row->addWidget(m_text);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("rxFindCount"));
    row->addWidget(m_count);
    m_case = new QCheckBox(tr("&Match case"), this);
    m_case->setObjectName(QStringLiteral("rxFindMatchCase"));
    row->addWidget(m_case);
    connect(AddButton(this, row, "rxFindPrevious", QStringLiteral("\u25B2"), tr("Previous match (Shift+F3)")),
            &QToolButton::clicked, this, [this] { next(true); });
    connect(AddButton(this, row, "rxFindNext", QStringLiteral("\u25BC"), tr("Next match (Enter, F3)")),
            &QToolButton::clicked, this, [this] { next(false); });
    connect(AddButton(this, row, "rxFindClose", QStringLiteral("\u2715"), tr("Close (Esc)")), &QToolButton::clicked,
            this, &RxFindBar::close);

    connect(m_text, &QLineEdit::textEdited, this, &RxFindBar::search);
    connect(m_case, &QCheckBox::toggled, this, &RxFindBar::search);
    connect(&m_view, &RxScreenView::findMatchesChanged, this, &RxFindBar::showCount);
    m_text->installEventFilter(this);
    m_case->installEventFilter(this);
    hide();
}

void RxFindBar::open()
{
    const bool wasHidden = isHidden();
    show();
    raise();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
    if (wasHidden && !m_text->text().isEmpty())
        search();
}

void RxFindBar::close()
{
    hide();
    m_view.closeFind();
    m_view.setFocus(Qt::OtherFocusReason);
}

void RxFindBar::search()
{
    m_view.setFind(m_text->text(), m_case->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive);
    // As the operator types, the first match from the lines in view.
    m_view.findNext(false);
}

void RxFindBar::next(bool backward)
{
    if (m_view.findMatchCount() == 0)
        search();
    else
        m_view.findNext(backward);
}

void RxFindBar::showCount()
{
    if (m_text->text().isEmpty())
        m_count->clear();
    else if (m_view.findMatchCount() == 0)
        m_count->setText(tr("No match"));
    else
        m_count->setText(m_view.findMatchCount() == 1 ? tr("1 match")
                                                      : tr("%n matches", nullptr, m_view.findMatchCount()));
    // A screen reader hears the count with the box it is in.
    m_text->setAccessibleDescription(m_count->text());
}

bool RxFindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!IsBarKey(key))
        return QFrame::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        // Ours, not a window shortcut's.
        event->accept();
        return true;
    }
    if (key->key() == Qt::Key_Escape)
        close();
    else
        next(key->modifiers() & Qt::ShiftModifier);
    return true;
}
