#pragma once

#include "presenter/DisplayState.h"
#include "presenter/Presenter.h"

// What the window shows, made before the station so that it hears of every
// change first: derive from this before Station, and hand Station the hook
// [this](Station& s) { presenter.watch(s); }.
struct StationDisplay
{
    DisplayState display;
    Presenter presenter{display};
};
