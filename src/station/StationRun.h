#pragma once

#include "settings/SettingsLocation.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class Station;

// What the program hands the front end it runs: where the settings are, and
// what else attaches to the same station (the web front end), kept alive
// while the station runs and ended before it.
struct StationRun
{
    QString settingsOption; // --settings FILE, or empty
    std::function<std::unique_ptr<QObject>(Station&)> attachOthers;
};

// Where the settings of this run are; needs the application object.
SettingsLocation LocateStationSettings(const QString& settingsOption);
