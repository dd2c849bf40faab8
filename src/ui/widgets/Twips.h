#pragma once

#include <cmath>

// Geometry in the settings and the layout is in twips: 15 per
// device-independent pixel. Qt's high-dpi scaling does the rest.
namespace Twips {
inline constexpr int PerPixel = 15;
inline int ToPixels(int twips)
{
    return int(std::lround(double(twips) / PerPixel));
}
inline int FromPixels(int pixels)
{
    return pixels * PerPixel;
}
} // namespace Twips
