#include "LayoutChecks.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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
