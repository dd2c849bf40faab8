#pragma once

#include <QString>

class DisplayState;

// The main window's mode check marks and the visibility of "PTT..." for a
// mode token (an unknown token ticks nothing and hides "PTT...").
void ApplyModeMenus(DisplayState& display, const QString& mode);
