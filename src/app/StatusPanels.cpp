#include "StatusPanels.h"

#include "app/ImageList.h"
#include "app/Twips.h"
#include "terminal/DisplayState.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTextDocumentFragment>

void SetPlainToolTip(QWidget* widget, const QString& text)
{
    // Qt guesses rich text from the content; text from the modem must not be
    // interpreted, so anything that looks like markup is escaped.
    if (Qt::mightBeRichText(text))
        widget->setToolTip(QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>"));
    else
        widget->setToolTip(text);
}

StatusPanels::StatusPanels(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("stbStatus"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(2);
    addPanel(Panel::Margen1, QString(), 70, false, Qt::AlignLeft);
    addPanel(Panel::Ptt, QString(), 700, true, Qt::AlignLeft);
    addPanel(Panel::Indicativos, QString(), 4250, true, Qt::AlignLeft);
    addPanel(Panel::Bytes, QString(), 1800, true, Qt::AlignLeft);
    addPanel(Panel::Tcp, QStringLiteral("TCP"), 750, true, Qt::AlignRight);
    layout->addStretch(1);
}

void StatusPanels::addPanel(const QString& key, const QString& text, int widthTwips, bool bevel, Qt::Alignment align)
{
    auto* frame = new QFrame(this);
    frame->setObjectName(key);
    frame->setAccessibleName(key);
    frame->setFrameShape(bevel ? QFrame::Panel : QFrame::NoFrame);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setFixedWidth(Twips::ToPixels(widthTwips));
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(3);
    auto* picture = new QLabel(frame);
    picture->setObjectName(key + QStringLiteral("Picture"));
    picture->setFixedSize(20, 20);
    picture->hide();
    m_shown.insert(key, PanelState{text, QString(), QString()});
    auto* label = new QLabel(text, frame);
    label->setObjectName(key + QStringLiteral("Text"));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setMinimumWidth(0);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(picture);
    row->addWidget(label, 1);
    static_cast<QHBoxLayout*>(layout())->addWidget(frame);
    m_order << key;
    m_frames.insert(key, frame);
    m_texts.insert(key, label);
    m_pictures.insert(key, picture);
}

void StatusPanels::setPanelWidth(const QString& key, int pixels)
{
    if (QFrame* f = m_frames.value(key))
        f->setFixedWidth(qMax(0, pixels));
}

void StatusPanels::setPanel(const QString& key, const PanelState& state)
{
    QLabel* text = m_texts.value(key);
    QLabel* picture = m_pictures.value(key);
    if (!text || !picture)
        return;
    // Refreshes come on every arrival: touch only what changed.
    PanelState& shown = m_shown[key];
    if (shown.text != state.text)
        text->setText(state.text);
    if (shown.toolTip != state.toolTip)
        SetPlainToolTip(m_frames.value(key), state.toolTip);
    if (shown.picture != state.picture) {
        const QPixmap pm = ImageList::Picture(state.picture);
        picture->setPixmap(pm);
        picture->setVisible(!pm.isNull());
    }
    shown = state;
}
