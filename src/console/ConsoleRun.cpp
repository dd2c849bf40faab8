#include "ConsoleRun.h"

#include "ConsoleFrontEnd.h"
#include "ConsoleInput.h"
#include "ConsoleOutput.h"
#include "ModemProcess.h"
#include "Station.h"
#include "Version.h"
#include "settings/Language.h"

#include <QCoreApplication>
#include <QDir>

#include <csignal>

int RunConsole(int argc, char* argv[], const StationRun& run)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KELDO Terminal"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELDO_VERSION));
#ifdef SIGPIPE
    // A reader gone is told by write(), not by ending the program.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    const SettingsLocation location = LocateStationSettings(run.settingsOption);
    Language::InstallTranslations(app, Language::StoredSetting(location.file, location.seed));

    Station station(Station::ProgramFolder());
    station.setLocalSide(ControlSide::Console);
    station.settings.useFile(location.file, location.seed);
    ModemShell programs(station.modem, [&station] { return station.modemLinkEnds(); });
    ProgramShell::install(&programs);

    ConsoleOutput out;
    ConsoleInput in;
    ConsoleFrontEnd console(station, out, in);
    Lifecycle& lifecycle = console.lifecycle();
    lifecycle.attachTo(app);
    if (!lifecycle.startUp(QCoreApplication::applicationFilePath())) {
        out.flush(500);
        return 1; // the instance rule refused it, and said so
    }
    if (lifecycle.terminationRequested()) {
        lifecycle.shutDown();
        return 0;
    }
    console.say(QLatin1Char('*'),
                QCoreApplication::translate("Console", "KELDO Terminal %1, settings %2. /help lists the commands.")
                    .arg(QStringLiteral(KELDO_VERSION), QDir::toNativeSeparators(station.settings.filePath())));
    const std::unique_ptr<QObject> others = run.attachOthers ? run.attachOthers(station) : nullptr;
    const int code = app.exec();
    lifecycle.shutDown();
    out.flush(1000);
    return code;
}
