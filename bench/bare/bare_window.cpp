// The smallest Qt Widgets program with a main window: what start-up time and
// memory of the terminal are measured against.
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(543, 407);
    window.show();
    // Same probe as the terminal: report once the window is on screen.
    if (std::getenv("KELDO_STARTUP_PROBE")) {
        QTimer::singleShot(0, [] {
            std::printf("startup-shown\n");
            std::fflush(stdout);
        });
    }
    return app.exec();
}
