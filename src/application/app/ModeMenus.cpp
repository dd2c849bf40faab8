#include "ModeMenus.h"

#include "presenter/DisplayState.h"

void ApplyModeMenus(DisplayState& display, Mode mode)
{
    const ModeProfile* profile = ProfileOf(mode);
    display.setPttMenuVisible(profile && profile->terminalKeys);
    display.setModeChecked(Mode::HF, mode == Mode::HF);
    display.setModeChecked(Mode::SAT, mode == Mode::SAT);
    display.setModeChecked(Mode::FM, mode == Mode::FM);
}
