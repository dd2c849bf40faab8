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

    // A termination signal may come while a message box of the start-up is
    // open (before the event loop runs): close the box, then end as for a
    // closed window.
    bool terminationRequested = false;
    SignalBridge signals_;
    QObject::connect(&signals_, &SignalBridge::terminationRequested, &window, [&](int) {
        terminationRequested = true;
        while (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            if (QApplication::activeModalWidget() == modal)
                break;
        }
        // During a connection the window may first wait for the modem to end
        // it (a further signal goes on at once); it then quits by closing.
        window.close();
        if (!window.waitingToClose())
            QApplication::quit();
    });
    // The desktop session ending: settings are written before the event loop stops.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window](QSessionManager&) {
        window.Form_Unload();
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.Form_Unload(); });

    if (!window.Form_Load(QCoreApplication::applicationFilePath()))
        return 0;
    if (terminationRequested) {
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
