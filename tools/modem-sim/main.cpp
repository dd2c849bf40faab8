// keldo-modem-sim: a practice modem for KELDO Terminal. See README.md.

#include "Console.h"
#include "ModemSim.h"
#include "SimOptions.h"
#include "Version.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("keldo-modem-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELDO_VERSION));

    SimOptions options;
    QString error;
    if (!SimOptions::parse(app, options, error)) {
        std::fprintf(stderr, "keldo-modem-sim: %s (see --help)\n", qPrintable(error));
        return 1;
    }

    installQuitSignals(&app);

    ModemSim sim(options);
    if (!sim.listen(&error)) {
        logLine(QStringLiteral("# error: ") + error);
        std::fprintf(stderr, "keldo-modem-sim: %s\n", qPrintable(error));
        return 2;
    }
    QObject::connect(&sim, &ModemSim::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    StdinReader control;
    QObject::connect(&control, &StdinReader::lineRead, &sim, &ModemSim::handleControl);

    const int rc = app.exec();
    logLine(QStringLiteral("# exiting"));
    return rc;
}
