#pragma once

#include "widgets/Twips.h"

#include <QGroupBox>
#include <QRect>
#include <QSize>
#include <QString>
#include <type_traits>

class QComboBox;
class QFont;
class QWidget;

// The fixed-geometry dialogs are drawn in twips for 8 pt MS Sans Serif,
// whose dialog base unit is 6 x 13 pixels. Wider platform fonts would clip
// the captions, so the whole design is scaled up uniformly once the
// controls are placed: proportions stay as drawn.
namespace DialogGeometry {

inline constexpr double DesignCharWidth = 6.0;
inline constexpr double DesignCharHeight = 13.0;

// Factor from the font's base unit (measured the way Windows measures it)
// to the design font's; never below 1.
double FontScale(const QFont& font);

// Scales every placed control (children of the dialog and of its group
// boxes) and the dialog itself by the larger of FontScale and what the
// widest caption needs, and returns that factor. Call it once, after the
// controls are placed.
double FitToFont(QWidget* dialog);

// The factor FitToFont applied to the dialog; 1 when it was never scaled.
double ScaleOf(const QWidget* dialog);

// Creates a control with its objectName and caption at its design place,
// given in twips.
template <typename W>
W* Place(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height)
{
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    if constexpr (std::is_same_v<W, QGroupBox>)
        w->setTitle(caption);
    else if constexpr (!std::is_same_v<W, QComboBox>)
        w->setText(caption);
    w->setGeometry(Twips::ToPixels(left), Twips::ToPixels(top), Twips::ToPixels(width), Twips::ToPixels(height));
    return w;
}

// Edges are scaled, not sizes, so controls that touch stay touching.
QRect Scaled(const QRect& rect, double factor);
QSize Scaled(const QSize& size, double factor);

} // namespace DialogGeometry
