#include "StationRemote.h"
#include "StationRun.h"
#include "Version.h"
#include "app/DesktopRun.h"
#include "console/ConsoleRun.h"
#include "files/Diagnostics.h"
#include "files/LogCategories.h"

#include "settings/Language.h"
#include "settings/RemoteSettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// Built when asked, so that --help speaks the language the translator installed.
QCommandLineOption SettingsOption()
{
    return QCommandLineOption(
        {QStringLiteral("settings")},
        QCoreApplication::translate(
            "CommandLine",
            "Use FILE as the settings file (created on the first save). One copy runs per settings file."),
        QCoreApplication::translate("CommandLine", "FILE"));
}

QCommandLineOption SetRemotePasswordOption()
{
    return QCommandLineOption(
        {QStringLiteral("set-remote-password")},
        QCoreApplication::translate(
            "CommandLine", "Read the remote operation password from standard input, store its hash and exit."));
}

QCommandLineOption ConsoleOption()
{
    return QCommandLineOption(
        {QStringLiteral("console")},
        QCoreApplication::translate("CommandLine", "Run on standard input and output, without a window or a display."));
}

QCommandLineOption DebugOption()
{
    return QCommandLineOption(
        {QStringLiteral("debug")},
        QCoreApplication::translate("CommandLine",
                                    "Write every diagnostic of the areas to standard error: %1 (comma-separated).")
            .arg(DebugAreaNames().join(QLatin1Char(','))),
        QCoreApplication::translate("CommandLine", "AREA[,AREA]"));
}

void DescribeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine",
                                    "Keyboard chat terminal for the KELDO modems.\n\n"
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

// The --settings FILE of the arguments (the last one wins, as the parser has it).
QString SettingsFileOf(const QStringList& arguments)
{
    QString file;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--settings") && i + 1 < arguments.size())
            file = arguments.at(++i);
        else if (argument.startsWith(QLatin1String("--settings=")))
            file = argument.mid(int(sizeof("--settings=")) - 1);
    }
    return file;
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
    const QStringList debugAreas = parsed ? parser.values(QStringLiteral("debug")) : QStringList();
    const bool debugKnown = std::all_of(debugAreas.cbegin(), debugAreas.cend(), [&debugError](const QString& list) {
        return EnableDebugAreas(list, &debugError);
    });
    const bool wrong = !parsed || !debugKnown || !parser.positionalArguments().isEmpty();
    if (!wrong && !parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("help-all"))
        && !parser.isSet(QStringLiteral("version")))
        return std::nullopt;

    // What is printed now speaks the operator's language: the translator is
    // installed first, from the settings file that this run would use.
    QCoreApplication text(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KELDO Terminal"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELDO_VERSION));
    const SettingsLocation location = LocateStationSettings(SettingsFileOf(arguments));
    Language::InstallTranslations(text, Language::StoredSetting(location.file, location.seed));
    QCommandLineParser shown;
    DescribeOptions(shown);
    shown.parse(arguments);
    if (wrong) {
        // Asked again, now that the answer can be translated.
        for (const QString& list : debugAreas)
            if (!EnableDebugAreas(list, &debugError))
                break;
        QString error = debugError;
        if (!parsed)
            error = shown.errorText();
        else if (debugKnown)
            error = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                        .arg(parser.positionalArguments().first());
        std::fprintf(stderr, "keldo-terminal: %s\n%s\n", qPrintable(error),
                     qPrintable(QCoreApplication::translate("CommandLine",
                                                            "Try 'keldo-terminal --help' for more information.")));
        return 2;
    }
    if (shown.isSet(QStringLiteral("version")))
        shown.showVersion();
    shown.showHelp(0);
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
