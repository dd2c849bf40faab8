#include "LayoutChecks.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>

QStringList clippedControls(QWidget* dialog)
{
    QStringList faults;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        // A combo box's own parts are its business; its edit text is checked below.
        if (w->window() != dialog || !w->isVisibleTo(dialog) || qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        const QString name = w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) : w->objectName();
        if (!w->parentWidget()->rect().contains(w->geometry()))
            faults << name + QStringLiteral(" outside its parent");
        QString text;
        int room = 0;
        if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
            if (g->minimumSizeHint().width() > g->width())
                faults << name + QStringLiteral(" title cut");
        } else if ((qobject_cast<QAbstractButton*>(w) && !static_cast<QAbstractButton*>(w)->text().isEmpty())
                   || (qobject_cast<QLabel*>(w) && !static_cast<QLabel*>(w)->text().isEmpty())) {
            if (w->sizeHint().width() > w->width() || w->fontMetrics().height() > w->height())
                faults << name + QStringLiteral(" caption cut");
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            const int frame = e->hasFrame() ? 2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e) : 0;
            text = e->text();
            room = e->width() - frame - 4;
        } else if (auto* c = qobject_cast<QComboBox*>(w); c && c->isEditable()) {
            text = c->currentText();
            room = c->lineEdit()->width() - 4;
        } else if (c) {
            QStyleOptionComboBox opt;
            opt.initFrom(c);
            opt.frame = c->hasFrame();
            text = c->currentText();
            room = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c).width();
        }
        if (!text.isEmpty() && w->fontMetrics().horizontalAdvance(text) > room)
            faults << name + QStringLiteral(" text \"") + text + QStringLiteral("\" cut");
    }
    return faults;
}

namespace {

// A caption as drawn: "&&" is an ampersand, a lone "&" marks the shortcut.
QString DrawnText(const QString& caption)
{
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        out += caption.at(i);
    }
    return out;
}

int WidestLine(const QFontMetrics& fm, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, fm.horizontalAdvance(line));
    return widest;
}

} // namespace

QStringList textsWiderThanControls(QWidget* dialog)
{
    QStringList faults;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (w->window() != dialog || !w->isVisibleTo(dialog))
            continue;
        const QFontMetrics fm = w->fontMetrics();
        const QStyle* style = w->style();
        QString text;
        int need = 0;
        int room = w->contentsRect().width();
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->wordWrap() || l->text().isEmpty() || Qt::mightBeRichText(l->text()))
                continue;
            text = DrawnText(l->text());
            need = WidestLine(fm, text);
            room -= 2 * l->margin() + qMax(0, l->indent());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            text = DrawnText(g->title());
            need = fm.horizontalAdvance(text);
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            text = DrawnText(b->text());
            need = WidestLine(fm, text);
            if (qobject_cast<QCheckBox*>(b))
                need += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b)
                    + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
            else if (qobject_cast<QRadioButton*>(b))
                need += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b)
                    + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b);
            else if (qobject_cast<QPushButton*>(b))
                room -= 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
            if (!text.isEmpty() && !b->icon().isNull())
                need += b->iconSize().width() + 4;
        }
        if (!text.isEmpty() && need > room) {
            const QString name =
                w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) : w->objectName();
            faults << QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(name, text).arg(need).arg(room);
        }
    }
    return faults;
}
