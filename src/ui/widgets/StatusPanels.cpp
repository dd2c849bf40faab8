#include "StatusPanels.h"

#include "presenter/DisplayState.h"
#include "widgets/DialogGeometry.h"
#include "widgets/ImageList.h"
#include "widgets/Twips.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <cmath>

void SetPlainToolTip(QWidget* widget, const QString& text)
{
    // Qt guesses rich text from the content; text from the modem must not be
    // interpreted, so anything that looks like markup is escaped.
    if (Qt::mightBeRichText(text))
        widget->setToolTip(QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped()
                           + QStringLiteral("</p>"));
    else
        widget->setToolTip(text);
}

namespace {

constexpr int PictureSize = 20;
constexpr int RowMargin = 2;
constexpr int RowSpacing = 3;
constexpr int BytesDesignTwips = 1800;

// "N0CALL-1 <-> WIDE1 <-> N0CALL-2" read as "N0CALL-1 with N0CALL-2 via WIDE1".
QString SpokenChain(const QString& chain)
{
    const QStringList calls = chain.split(QStringLiteral(" <-> "));
    if (calls.size() < 2)
        return chain;
    // Spoken by screen readers; %1, %2 and %3 are call signs.
    if (calls.size() == 2)
        return QCoreApplication::translate("StatusPanels", "%1 with %2").arg(calls.first(), calls.last());
    QString via = calls.at(1);
    for (qsizetype i = 2; i < calls.size() - 1; ++i)
        via = QCoreApplication::translate("StatusPanels", "%1 and %2").arg(via, calls.at(i));
    return QCoreApplication::translate("StatusPanels", "%1 with %2 via %3").arg(calls.first(), calls.last(), via);
}

QString WithDetail(const QString& description, const QString& detail)
{
    return detail.isEmpty() ? description : description + QStringLiteral(". ") + detail;
}

} // namespace

QString StatusPanels::WidestBytesText()
{
    return QStringLiteral("4294967295 Bytes Rcvd");
}

QList<::Panel> StatusPanels::keys()
{
    return {::Panel::Margen1, ::Panel::Ptt, ::Panel::Indicativos, ::Panel::Bytes, ::Panel::Tcp};
}

QString StatusPanels::PanelName(::Panel key)
{
    switch (key) {
    case ::Panel::Margen1:
        return QStringLiteral("Margen1");
    case ::Panel::Ptt:
        return QStringLiteral("PTT");
    case ::Panel::Indicativos:
        return QStringLiteral("Indicativos");
    case ::Panel::Bytes:
        return QStringLiteral("Bytes");
    case ::Panel::Tcp:
        return QStringLiteral("TCP");
    }
    return QString();
}

QString StatusPanels::PictureName(Picture picture)
{
    switch (picture) {
    case Picture::None:
        break;
    case Picture::Connected:
        return QStringLiteral("Connected");
    case Picture::ErrorAmarillo:
        return QStringLiteral("ErrorAmarillo");
    case Picture::Descargando:
        return QStringLiteral("Descargando");
    case Picture::Subiendo:
        return QStringLiteral("Subiendo");
    case Picture::LedVerde:
        return QStringLiteral("LedVerde");
    case Picture::LedRojo:
        return QStringLiteral("LedRojo");
    case Picture::LedAmarillo:
        return QStringLiteral("LedAmarillo");
    case Picture::Rueda:
        return QStringLiteral("Rueda");
    }
    return QString();
}

PanelSpeech PanelAccessibleText(Panel key, const PanelState& state)
{
    static const QRegularExpression counter(QStringLiteral("^(\\d+) Bytes (Sent|Rcvd)$"));
    if (key == Panel::Ptt) {
        const QString what = state.text == QLatin1String("TX")
            ? QCoreApplication::translate("StatusPanels", "transmitting")
            : state.text == QLatin1String("RX") ? QCoreApplication::translate("StatusPanels", "receiving")
            : state.text.isEmpty()              ? QCoreApplication::translate("StatusPanels", "not keyed")
                                                : state.text;
        return {QCoreApplication::translate("StatusPanels", "Transmitter: %1").arg(what),
                WithDetail(QCoreApplication::translate("StatusPanels", "Whether the radio is keyed to transmit"),
                           state.toolTip)};
    }
    if (key == Panel::Indicativos) {
        QString what;
        static const QLatin1String calling("Connecting with ");
        if (state.picture == Picture::Connected)
            what = SpokenChain(state.text);
        else if (state.text.isEmpty() || state.text == QLatin1String("Disconnected"))
            what = QCoreApplication::translate("StatusPanels", "none");
        else if (state.text == QLatin1String("Disconnecting..."))
            what = QCoreApplication::translate("StatusPanels", "ending");
        else if (state.text.startsWith(calling) && state.text.endsWith(QLatin1String(" ...")))
            what = QCoreApplication::translate("StatusPanels", "calling %1")
                       .arg(state.text.mid(calling.size(), state.text.size() - calling.size() - 4));
        else
            what = state.text;
        return {QCoreApplication::translate("StatusPanels", "Connection: %1").arg(what),
                WithDetail(QCoreApplication::translate("StatusPanels", "The radio connection and the stations in it"),
                           state.toolTip)};
    }
    if (key == Panel::Bytes) {
        QString name = QCoreApplication::translate("StatusPanels", "Bytes sent and received");
        const QRegularExpressionMatch m = counter.match(state.text);
        if (m.hasMatch())
            name = m.captured(2) == QLatin1String("Sent")
                ? QCoreApplication::translate("StatusPanels", "Bytes sent and received: %1 sent").arg(m.captured(1))
                : QCoreApplication::translate("StatusPanels", "Bytes sent and received: %1 received")
                      .arg(m.captured(1));
        else if (!state.text.isEmpty())
            name = QCoreApplication::translate("StatusPanels", "Bytes sent and received: %1").arg(state.text);
        return {name,
                WithDetail(QCoreApplication::translate(
                               "StatusPanels", "Bytes of the current text sent to or received from the other station"),
                           state.toolTip)};
    }
    if (key == Panel::Tcp) {
        const QString what = state.picture == Picture::LedVerde ? QCoreApplication::translate("StatusPanels", "up")
            : state.picture == Picture::LedRojo                 ? QCoreApplication::translate("StatusPanels", "down")
                                                : QCoreApplication::translate("StatusPanels", "not connected yet");
        return {QCoreApplication::translate("StatusPanels", "Modem link: %1").arg(what),
                WithDetail(QCoreApplication::translate("StatusPanels", "The network link to the modem program"),
                           state.toolTip)};
    }
    return {QCoreApplication::translate("StatusPanels", "Status"),
            QCoreApplication::translate("StatusPanels", "Start of the status bar")};
}

StatusPanels::StatusPanels(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("stbStatus"));
    setAccessibleName(tr("Status bar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(2);

    // Drawn for the design font: scaled like the dialogs, and far enough for
    // the byte counter with its picture not to be cut.
    const QFontMetrics fm(font());
    QFrame probe;
    probe.setFrameShape(QFrame::Panel);
    probe.setFrameShadow(QFrame::Sunken);
    int widest = 0;
    for (const QString& text : {WidestBytesText(), QStringLiteral("4294967295 Bytes Sent")})
        widest = qMax(widest, fm.horizontalAdvance(text));
    const int bytesNeed = widest + PictureSize + RowSpacing + 2 * RowMargin + 2 * probe.frameWidth() + 2;
    m_scale = qMax(DialogGeometry::FontScale(font()), double(bytesNeed) / Twips::ToPixels(BytesDesignTwips));

    addPanel(::Panel::Margen1, QString(), 70, false, Qt::AlignLeft);
    addPanel(::Panel::Ptt, QString(), 700, true, Qt::AlignLeft);
    addPanel(::Panel::Indicativos, QString(), 4250, true, Qt::AlignLeft);
    addPanel(::Panel::Bytes, QString(), BytesDesignTwips, true, Qt::AlignLeft);
    addPanel(::Panel::Tcp, tr("TCP"), 750, true, Qt::AlignRight);
    layout->addStretch(1);
}

void StatusPanels::addPanel(::Panel key, const QString& text, int widthTwips, bool bevel, Qt::Alignment align)
{
    const QString name = PanelName(key);
    auto* frame = new QFrame(this);
    frame->setObjectName(name);
    frame->setFrameShape(bevel ? QFrame::Panel : QFrame::NoFrame);
    frame->setFrameShadow(QFrame::Sunken);
    const int design = Twips::ToPixels(widthTwips);
    const int width = int(std::lround(design * m_scale));
    if (key != ::Panel::Indicativos)
        m_growth += width - design;
    frame->setFixedWidth(width);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(RowMargin, 0, RowMargin, 0);
    row->setSpacing(RowSpacing);
    auto* picture = new QLabel(frame);
    picture->setObjectName(name + QStringLiteral("Picture"));
    picture->setFixedSize(PictureSize, PictureSize);
    picture->hide();
    m_shown[size_t(key)] = PanelState{text, QString(), Picture::None};
    auto* label = new QLabel(text, frame);
    label->setObjectName(name + QStringLiteral("Text"));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setMinimumWidth(0);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(picture);
    row->addWidget(label, 1);
    static_cast<QHBoxLayout*>(layout())->addWidget(frame);
    m_frames[size_t(key)] = frame;
    m_texts[size_t(key)] = label;
    m_pictures[size_t(key)] = picture;
    speak(key);
}

void StatusPanels::speak(::Panel key)
{
    const PanelSpeech speech = PanelAccessibleText(key, m_shown[size_t(key)]);
    QFrame* frame = panel(key);
    QLabel* text = panelText(key);
    // The frame speaks for the panel; its label carries the same words so a
    // reader landing on it hears them too (the design texts say little).
    if (frame->accessibleName() != speech.name) {
        frame->setAccessibleName(speech.name);
        text->setAccessibleName(speech.name);
    }
    if (frame->accessibleDescription() != speech.description) {
        frame->setAccessibleDescription(speech.description);
        text->setAccessibleDescription(speech.description);
    }
}

void StatusPanels::setPanelWidth(::Panel key, int pixels)
{
    if (QFrame* f = panel(key))
        f->setFixedWidth(qMax(0, pixels));
}

void StatusPanels::setPanel(::Panel key, const PanelState& state)
{
    QLabel* text = panelText(key);
    QLabel* picture = panelPicture(key);
    if (!text || !picture)
        return;
    // Refreshes come on every arrival: touch only what changed.
    PanelState& shown = m_shown[size_t(key)];
    if (shown.text != state.text)
        text->setText(state.text);
    if (shown.toolTip != state.toolTip)
        SetPlainToolTip(panel(key), state.toolTip);
    if (shown.picture != state.picture) {
        const QPixmap pm = ImageList::Picture(PictureName(state.picture));
        picture->setPixmap(pm);
        picture->setVisible(!pm.isNull());
    }
    shown = state;
    speak(key);
}
