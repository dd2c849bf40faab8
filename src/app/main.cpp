#include "app/SignalBridge.h"
#include "app/Session.h"
#include "app/frmKeldoTerminal.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KELDO Terminal"));
    QApplication::setApplicationVersion(QStringLiteral("1.2.0"));
    QApplication::setQuitOnLastWindowClosed(true);

    Session session(Session::ProgramFolder());
    frmKeldoTerminal window(session);

    SignalBridge signals_;
    QObject::connect(&signals_, &SignalBridge::terminationRequested, &window, [&window](int) {
        window.close();
        QApplication::quit();
    });
    // The desktop session ending: settings are written before the event loop stops.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window](QSessionManager&) {
        window.Form_Unload();
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.Form_Unload(); });

    if (!window.Form_Load(QCoreApplication::applicationFilePath()))
        return 0;
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
