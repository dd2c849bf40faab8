#include "Version.h"
#include "app/Lifecycle.h"
#include "app/ModemProcess.h"
#include "app/Session.h"
#include "app/frmKeldoTerminal.h"
#include "dialogs/frmFirstRun.h"

#include "settings/SettingsLocation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

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

// --help and --version answer without a display.
bool AsksOnlyForText(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char* name : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], name) == 0)
                return true;
        if (std::strcmp(argv[i], "--settings") == 0)
            ++i; // its value is a file name, whatever it looks like
    }
    return false;
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

} // namespace

int main(int argc, char* argv[])
{
    if (AsksOnlyForText(argc, argv)) {
        QCoreApplication text(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("KELDO Terminal"));
        QCoreApplication::setApplicationVersion(QStringLiteral(KELDO_VERSION));
        QCommandLineParser parser;
        DescribeOptions(parser);
        parser.parse(text.arguments());
        if (parser.isSet(QStringLiteral("version")))
            parser.showVersion();
        parser.showHelp(0);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KELDO Terminal"));
    QApplication::setApplicationVersion(QStringLiteral(KELDO_VERSION));
    QApplication::setQuitOnLastWindowClosed(true);
    // Ties the window to its desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.keldo.terminal"));

    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "keldo-terminal: unexpected argument: %s\n",
                     qPrintable(parser.positionalArguments().first()));
        return 1;
    }
    const SettingsLocation location = LocateSettings(
        Session::ProgramFolder(), QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        parser.value(SettingsOption()), IsInstalledProgramFolder(Session::ProgramFolder()));
    Session session(Session::ProgramFolder());
    session.settings.useFile(location.file, location.seed);
    std::unique_ptr<Shell> shell;
    const auto linkEnds = [&session] { return session.modemLinkEnds(); };
    const bool probe = qEnvironmentVariableIsSet("KELDO_MESSAGE_PROBE");
    if (probe)
        shell = std::make_unique<MessageProbeShell>(session.modem, linkEnds);
    else
        shell = std::make_unique<DesktopShell>(session.modem, linkEnds);
    Shell::install(shell.get());
    frmKeldoTerminal window(session);
    Lifecycle& lifecycle = window.lifecycle();
    lifecycle.attachTo(app);
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
            lifecycle.offerFirstRun(&frmFirstRun::ask);
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
