// The smallest Qt Widgets program with a main window: what start-up time and
// memory of the terminal are measured against.
//
//   bare-window           an empty main window (the yardstick)
//   bare-window --text    the same with one line of text in a monospace font,
//                         to show what loading the fonts alone costs
#include <QApplication>
#include <QFont>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto* text = new QPlainTextEdit(&window);
        QFont font(QStringLiteral("Courier New"));
        font.setStyleHint(QFont::Monospace);
        text->setFont(font);
        text->setPlainText(QStringLiteral("CQ CQ de N0CALL"));
        window.setCentralWidget(text);
    }
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
