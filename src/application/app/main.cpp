#include "Lifecycle.h"
#include "ProcessLauncher.h"
#include "Version.h"
#include "app/DesktopStation.h"
#include "app/frmKeldoTerminal.h"
#include "dialogs/frmFirstRun.h"
#include "files/Diagnostics.h"

#include "settings/SettingsLocation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDesktopServices>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

const QCommandLineOption& SettingsOption()
{
    static const QCommandLineOption option(
        {QStringLiteral("settings")},
        QStringLiteral("Use FILE as the settings file (created on the first save). One copy runs per settings file."),
        QStringLiteral("FILE"));
    return option;
}

void DescribeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Keyboard chat terminal for the KELDO modems.\n\n"
                       "Settings: $XDG_CONFIG_HOME/KELDO Terminal/KELDO Terminal.ini (default\n"
                       "~/.config/...) when installed, or when the program's folder cannot be written;\n"
                       "otherwise \"KELDO Terminal.ini\" beside the program."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(SettingsOption());
}

// Qt's own options, which QApplication takes out of the arguments once it
// runs: the command line is read before that, so they are passed over here.
int QtOptionLength(const QString& argument)
{
    static const QStringList withValue = {"platform",        "platformpluginpath", "platformtheme", "plugin",
                                          "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
                                          "display",         "geometry",           "name",          "title",
                                          "style",           "stylesheet"};
    static const QStringList alone = {"reverse", "widgetcount", "nograb", "dograb", "sync", "qmljsdebugger"};
    if (!argument.startsWith(QLatin1Char('-')))
        return 0;
    const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
    if (alone.contains(name) || (withValue.contains(name) && argument.contains(QLatin1Char('='))))
        return 1;
    return withValue.contains(name) ? 2 : 0;
}

// Everything the command line asks that needs no display: reading it, its
// errors (exit 2, as command-line programs do), --help and --version.
// Returns the exit code when the program should end here.
std::optional<int> ReadCommandLine(int argc, char* argv[], QCommandLineParser& parser)
{
    QStringList arguments{QString::fromLocal8Bit(argv[0])};
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (const int skip = QtOptionLength(argument))
            i += skip - 1;
        else
            arguments << argument;
        if (argument == QLatin1String("--settings") && i + 1 < argc)
            arguments << QString::fromLocal8Bit(argv[++i]); // a file name, whatever it looks like
    }
    DescribeOptions(parser);
    const bool parsed = parser.parse(arguments);
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString error = parsed
            ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())
            : parser.errorText();
        std::fprintf(stderr, "keldo-terminal: %s\nTry 'keldo-terminal --help' for more information.\n",
                     qPrintable(error));
        return 2;
    }
    if (!parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("help-all"))
        && !parser.isSet(QStringLiteral("version")))
        return std::nullopt;
    QCoreApplication text(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KELDO Terminal"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELDO_VERSION));
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    parser.showHelp(0);
}

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

// The desktop front end: the window on a station, until it closes.
int RunDesktop(int argc, char* argv[], const QCommandLineParser& options)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KELDO Terminal"));
    QApplication::setApplicationVersion(QStringLiteral(KELDO_VERSION));
    QApplication::setQuitOnLastWindowClosed(true);
    // Ties the window to its desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.keldo.terminal"));
    // A modem "program" that is no executable goes to the desktop's associated application.
    SetDocumentOpener([](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });

    const SettingsLocation location = LocateSettings(
        Station::ProgramFolder(), QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        options.value(SettingsOption()), IsInstalledProgramFolder(Station::ProgramFolder()));
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

} // namespace

int main(int argc, char* argv[])
{
    // Diagnostics are written by a thread of their own; what is still queued
    // at the end gets a moment, not a wait on a standard error nobody reads.
    Diagnostics::Install();
    struct FlushDiagnostics
    {
        ~FlushDiagnostics() { Diagnostics::Flush(500); }
    } flushDiagnostics;

    QCommandLineParser parser;
    if (const std::optional<int> exitCode = ReadCommandLine(argc, argv, parser))
        return *exitCode;

    // A front end without a display (a console) would start here, on a
    // QCoreApplication and the same Station, before any QApplication exists.
    return RunDesktop(argc, argv, parser);
}
