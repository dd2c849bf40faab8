#pragma once

#include "terminal/RxTextModel.h"

#include <QString>
#include <QtGlobal>

// A colour as 0xAARRGGBB, the layout of QRgb: the core draws nothing, the
// desktop makes a QColor of it.
using Rgb = quint32;

constexpr Rgb RgbOf(int red, int green, int blue)
{
    return 0xff000000u | (quint32(red & 0xff) << 16) | (quint32(green & 0xff) << 8) | quint32(blue & 0xff);
}

// The two colour schemes of the text panes.
enum class ColourScheme { Black, White };

// A scheme's colours: background, the scheme's text colour (the other
// station), and with speaker colours on, own text and connection banners.
// Each clears 4.5:1 contrast against the background and the three text
// colours differ in lightness, not only in hue, also for red-green colour
// blindness.
struct SchemeColours
{
    Rgb background;
    Rgb text;
    Rgb own;
    Rgb banner;

    Rgb of(Speaker speaker) const
    {
        switch (speaker) {
        case Speaker::Own:
        case Speaker::Pending: // the view dims it
        case Speaker::Queued:
            return own;
        case Speaker::Banner:
            return banner;
        case Speaker::Remote:
            break;
        }
        return text;
    }
};

SchemeColours ColoursOf(ColourScheme scheme);
