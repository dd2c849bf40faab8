#include "SpeakerColours.h"

SchemeColours ColoursOf(ColourScheme scheme)
{
    // Own text blue, banners violet in both schemes, each a step of
    // lightness away from the text colour and from each other.
    if (scheme == ColourScheme::White)
        return {QColor(255, 255, 255), QColor(0, 0, 0), QColor(30, 40, 160), QColor(150, 75, 225)};
    return {QColor(0, 0, 0), QColor(0, 255, 0), QColor(90, 180, 225), QColor(135, 90, 225)};
}
