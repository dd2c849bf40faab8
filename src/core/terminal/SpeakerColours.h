#pragma once

#include "terminal/RxTextModel.h"

#include <QColor>
#include <QString>

// The two colour schemes of the text panes.
enum class ColourScheme { Black, White };

// A scheme's colours: background, the scheme's text colour (the other
// station), and with speaker colours on, own text and connection banners.
// Each clears 4.5:1 contrast against the background and the three text
// colours differ in lightness, not only in hue, also for red-green colour
// blindness.
struct SchemeColours
{
    QColor background;
    QColor text;
    QColor own;
    QColor banner;

    QColor of(Speaker speaker) const
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
