#include "StationRun.h"

#include "Station.h"

#include <QStandardPaths>

SettingsLocation LocateStationSettings(const QString& settingsOption)
{
    return LocateSettings(Station::ProgramFolder(),
                          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), settingsOption,
                          IsInstalledProgramFolder(Station::ProgramFolder()));
}
