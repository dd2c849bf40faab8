#include "StationRemote.h"
#include "StationRun.h"
#include "Version.h"
#include "app/DesktopRun.h"
#include "console/ConsoleRun.h"
#include "files/Diagnostics.h"
#include "files/LogCategories.h"

#include "settings/RemoteSettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
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

const QCommandLineOption& SetRemotePasswordOption()
{
    static const QCommandLineOption option(
        {QStringLiteral("set-remote-password")},
        QStringLiteral("Read the remote operation password from standard input, store its hash and exit."));
    return option;
}

const QCommandLineOption& ConsoleOption()
{
    static const QCommandLineOption option(
        {QStringLiteral("console")},
        QStringLiteral("Run on standard input and output, without a window or a display."));
    return option;
}

const QCommandLineOption& DebugOption()
{
    static const QCommandLineOption option({QStringLiteral("debug")},
                                           QStringLiteral("Write every diagnostic of the areas to standard error: ")
                                               + DebugAreaNames().join(QLatin1Char(','))
                                               + QStringLiteral(" (comma-separated)."),
                                           QStringLiteral("AREA[,AREA]"));
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
    parser.addOption(ConsoleOption());
    parser.addOption(SetRemotePasswordOption());
    parser.addOption(DebugOption());
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
    QString debugError;
    const QStringList debugAreas = parsed ? parser.values(DebugOption()) : QStringList();
    const bool debugKnown = std::all_of(debugAreas.cbegin(), debugAreas.cend(), [&debugError](const QString& list) {
        return EnableDebugAreas(list, &debugError);
    });
    if (!parsed || !debugKnown || !parser.positionalArguments().isEmpty()) {
        QString error = debugError;
        if (!parsed)
            error = parser.errorText();
        else if (debugKnown)
            error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
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

    StationRun run;
    run.settingsOption = parser.value(SettingsOption());
    if (parser.isSet(SetRemotePasswordOption())) {
        QCoreApplication app(argc, argv);
        QTextStream in(stdin);
        QTextStream err(stderr);
        return SetRemotePassword(in, LocateStationSettings(run.settingsOption).file, err);
    }
    // Whichever front end runs, the web front end serves the same station when enabled.
    run.attachOthers = [](Station& station) { return AttachWebFrontEnd(station); };
    if (parser.isSet(ConsoleOption()))
        return RunConsole(argc, argv, run);
    return RunDesktop(argc, argv, run);
}
