#include "DialogGeometry.h"

#include <QAbstractButton>
#include <QFont>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>

namespace DialogGeometry {

namespace {

const char* const ScaleProperty = "keldoDesignScale";

// The placed controls: containers built from twips are walked into,
// composite widgets (a combo box's line edit) are left to their owner.
void forEachPlaced(QWidget* parent, const std::function<void(QWidget*)>& visit)
{
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow())
            continue;
        visit(w);
        const QMetaObject* meta = w->metaObject();
        if (qobject_cast<QGroupBox*>(w) || meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject)
            forEachPlaced(w, visit);
    }
}

bool hasCaption(const QWidget* w)
{
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return !b->text().isEmpty();
    if (auto* l = qobject_cast<const QLabel*>(w))
        return !l->text().isEmpty();
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return !g->title().isEmpty();
    return false;
}

// The factor at which a caption is no longer cut; hidden controls count,
// the mode shows them later.
double captionNeed(const QWidget* w)
{
    if (!hasCaption(w) || w->width() <= 0)
        return 1.0;
    const int wanted = qobject_cast<const QGroupBox*>(w) ? w->minimumSizeHint().width() : w->sizeHint().width();
    // One pixel more than exact: scaled edges round.
    return double(wanted + 1) / w->width();
}

} // namespace

double FontScale(const QFont& font)
{
    const QFontMetricsF fm(font);
    const double letters = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const double charWidth = (letters / 26.0 + 1.0) / 2.0;
    return std::max({1.0, charWidth / DesignCharWidth, fm.height() / DesignCharHeight});
}

double FitToFont(QWidget* dialog)
{
    double factor = FontScale(dialog->font());
    forEachPlaced(dialog, [&factor](QWidget* w) { factor = std::max(factor, captionNeed(w)); });
    dialog->setProperty(ScaleProperty, factor);
    if (factor == 1.0)
        return factor;

    forEachPlaced(dialog, [factor](QWidget* w) { w->setGeometry(Scaled(w->geometry(), factor)); });
    const QSize size = Scaled(dialog->size(), factor);
    if (dialog->minimumSize() == dialog->maximumSize())
        dialog->setFixedSize(size);
    else
        dialog->resize(size);
    return factor;
}

double ScaleOf(const QWidget* dialog)
{
    const QVariant v = dialog->property(ScaleProperty);
    return v.isValid() ? v.toDouble() : 1.0;
}

QRect Scaled(const QRect& rect, double factor)
{
    const int left = int(std::lround(rect.x() * factor));
    const int top = int(std::lround(rect.y() * factor));
    const int right = int(std::lround((rect.x() + rect.width()) * factor));
    const int bottom = int(std::lround((rect.y() + rect.height()) * factor));
    return QRect(left, top, right - left, bottom - top);
}

QSize Scaled(const QSize& size, double factor)
{
    return Scaled(QRect(QPoint(0, 0), size), factor).size();
}

} // namespace DialogGeometry
