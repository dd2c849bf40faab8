#include "ModeMenus.h"

#include "settings/Settings.h"
#include "display/DisplayState.h"

void ApplyModeMenus(DisplayState& display, const QString& mode)
{
    const QString hf = QLatin1String(Settings::ModeHf);
    const QString fm = QLatin1String(Settings::ModeFm);
    const QString sat = QLatin1String(Settings::ModeSat);
    display.setPttMenuVisible(mode == hf || mode == sat);
    display.setModeChecked(hf, mode == hf);
    display.setModeChecked(sat, mode == sat);
    display.setModeChecked(fm, mode == fm);
}
