#pragma once

#include "settings/Mode.h"

class DisplayState;

// The main window's mode check marks and the visibility of "PTT..." for a
// mode (another mode text ticks nothing and hides "PTT...").
void ApplyModeMenus(DisplayState& display, Mode mode);
