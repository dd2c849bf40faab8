#pragma once

#include "Station.h"
#include "presenter/StationDisplay.h"
#include "support/FakeModem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

// Points every mode at the modem; configureCore hands it to the link.
void aimAt(Settings& s, const FakeModem& modem);
// Links a station not linked yet to the modem with its settings as they
// stand: true once both channels are up and every command the link-up wrote
// has arrived (left in the modem's list).
bool linkTo(Station& station, FakeModem& modem);

// The station with the presenter watching it, as the desktop runs it, but
// with no window; with no one to answer them, its requests take their safe
// choice.
class WatchedStation : public StationDisplay, public Station
{
public:
    explicit WatchedStation(const QString& folder)
        : Station(folder, nullptr, [this](Station& s) { presenter.watch(s); })
    { }
};

// A station on its own settings folder.
template <class S>
struct StationFixtureOf
{
    QTemporaryDir dir;
    std::unique_ptr<S> station;

    // Saves still under way finish before their folder goes.
    ~StationFixtureOf()
    {
        if (station)
            station->files.flush(2000);
    }

    void createStation() { station = std::make_unique<S>(dir.path()); }
    Settings& s() { return station->s(); }

    bool linkTo(FakeModem& modem) { return ::linkTo(*station, modem); }
    // A new station aimed at the modem in every mode, retrying refused
    // connections quickly, and linked.
    bool createLinkedTo(FakeModem& modem)
    {
        createStation();
        aimAt(s(), modem);
        station->link.setRetryThrottle(20);
        return linkTo(modem);
    }

    QString iniPath() const { return QDir(dir.path()).filePath(QStringLiteral("KELDO Terminal.ini")); }
    void writeIni(const QByteArray& text)
    {
        QFile f(iniPath());
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }
    // The files the station handed to its writer are on the disk.
    bool settleFiles() const { return !station || station->files.flush(10000); }
    bool iniExists() const
    {
        settleFiles();
        return QFile::exists(iniPath());
    }
    QByteArray readIni() const
    {
        settleFiles();
        QFile f(iniPath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

using WatchedStationFixture = StationFixtureOf<WatchedStation>;
