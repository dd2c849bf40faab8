#include "SpeakerColours.h"

SchemeColours ColoursOf(ColourScheme scheme)
{
    // Own text blue, banners violet in both schemes, each a step of
    // lightness away from the text colour and from each other.
    if (scheme == ColourScheme::White)
        return {RgbOf(255, 255, 255), RgbOf(0, 0, 0), RgbOf(30, 40, 160), RgbOf(150, 75, 225)};
    return {RgbOf(0, 0, 0), RgbOf(0, 255, 0), RgbOf(90, 180, 225), RgbOf(135, 90, 225)};
}
