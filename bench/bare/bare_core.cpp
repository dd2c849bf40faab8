// The smallest Qt program without a display: what the console mode's start-up
// time and memory are measured against. Prints "startup-shown" once its event
// loop runs, then waits to be ended.
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, [] {
        std::printf("startup-shown\n");
        std::fflush(stdout);
    });
    return app.exec();
}
