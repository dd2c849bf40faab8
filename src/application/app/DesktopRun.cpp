#include "DesktopRun.h"

#include "Lifecycle.h"
#include "ProcessLauncher.h"
#include "Version.h"
#include "app/DesktopStation.h"
#include "app/frmKeldoTerminal.h"
#include "dialogs/frmFirstRun.h"
#include "settings/Language.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

// For process tests only: message boxes are written to standard output
// and answered at once instead of waiting for a click.
class MessageProbeShell : public DesktopShell
{
public:
    using DesktopShell::DesktopShell;
    void showMessage(QWidget*, const MessageBox::Shown& box) override
    {
        std::printf("message-box: %s\n",
                    qPrintable(QString(box.text).replace(QLatin1Char('\n'), QLatin1String("\\n"))));
        std::fflush(stdout);
    }
};

} // namespace

int RunDesktop(int argc, char* argv[], const StationRun& run)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KELDO Terminal"));
    QApplication::setApplicationVersion(QStringLiteral(KELDO_VERSION));
    QApplication::setQuitOnLastWindowClosed(true);
    // Ties the window to its desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.keldo.terminal"));
    // A modem "program" that is no executable goes to the desktop's associated application.
    SetDocumentOpener([](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });

    const SettingsLocation location = LocateStationSettings(run.settingsOption);
    // Before any window or message: every shown text is translated when made.
    Language::InstallTranslations(app, Language::StoredSetting(location.file, location.seed));
    DesktopStation station(Station::ProgramFolder());
    station.settings.useFile(location.file, location.seed);
    std::unique_ptr<Shell> shell;
    const auto linkEnds = [&station] { return station.modemLinkEnds(); };
    const bool probe = qEnvironmentVariableIsSet("KELDO_MESSAGE_PROBE");
    if (probe)
        shell = std::make_unique<MessageProbeShell>(station.modem, linkEnds);
    else
        shell = std::make_unique<DesktopShell>(station.modem, linkEnds);
    Shell::install(shell.get());
    frmKeldoTerminal window(station);
    Lifecycle& lifecycle = window.lifecycle();
    lifecycle.attachTo(app);
    // The desktop session ending: settings are written before the event loop stops.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &lifecycle, &Lifecycle::endUnattended);
    if (location.nothingToRead()) {
        // Under the message probe the dialog is told on standard output and
        // cancelled at once, like a box answered: the start goes on as without it.
        if (probe)
            lifecycle.offerFirstRun([](const FirstRunOffer&) -> std::optional<FirstRunChoice> {
                std::printf("first-run: cancelled\n");
                std::fflush(stdout);
                return std::nullopt;
            });
        else
            lifecycle.offerFirstRun([](const FirstRunOffer& offer) {
                // For process tests: say when the dialog is up.
                if (qEnvironmentVariableIsSet("KELDO_STARTUP_PROBE")) {
                    QTimer::singleShot(0, [] {
                        std::printf("first-run-shown\n");
                        std::fflush(stdout);
                    });
                }
                return frmFirstRun::ask(offer);
            });
    }

    if (!window.Form_Load(QCoreApplication::applicationFilePath()))
        return 0;
    if (lifecycle.terminationRequested()) {
        window.Form_Unload();
        return 0;
    }
    // Only the copy the instance rule lets run serves the others.
    const std::unique_ptr<QObject> others = run.attachOthers ? run.attachOthers(station) : nullptr;
    window.show();
    // For the start-up benchmark only: say when the window is up.
    if (qEnvironmentVariableIsSet("KELDO_STARTUP_PROBE")) {
        QTimer::singleShot(0, [] {
            std::printf("startup-shown\n");
            std::fflush(stdout);
        });
    }
    return app.exec();
}
