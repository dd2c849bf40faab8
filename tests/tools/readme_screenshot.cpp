// Takes the README's screenshot: the real main window in a conversation with
// the practice modem. Run it under Xvfb: xvfb-run build/tests/readme-screenshot OUT.png
#include "app/RxScreenView.h"
#include "app/Session.h"
#include "app/frmKeldoTerminal.h"
#include "support/SimProcess.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

static bool waitFor(const std::function<bool()>& condition, int ms = 20000)
{
    return QTest::qWaitFor(condition, ms);
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("conversation.png");

    SimProcess sim({"--speed", "8", "--reply", "text:GM OM, RST 599 HERE IN MADRID. NAME IS PACO. HW?"});
    if (!sim.start()) {
        std::fprintf(stderr, "practice modem: %s\n", qPrintable(sim.errorString()));
        return 1;
    }
    QTemporaryDir dir;
    QFile ini(QDir(dir.path()).filePath("KELDO Terminal.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write(QString("[Setup]\r\nAutoLaunch=0\r\nHF Host=127.0.0.1\r\nHF TCP Port=%1\r\nMy Callsign=N0CALL-1\r\n"
                      "Connect With HF=EA4XYZ\r\n")
                  .arg(sim.port())
                  .toLatin1());
    ini.close();

    Session session(dir.path());
    frmKeldoTerminal window(session);
    window.openDocument = [](const QString&) {};
    window.launchProgram = [](const QString&) {};
    window.killProcessByName = [](const QString&) {};
    if (!window.Form_Load(QDir(dir.path()).filePath("keldo-terminal")))
        return 1;
    window.resize(680, 460);
    window.show();
    if (!waitFor([&] { return session.link.bothConnected(); }))
        return 2;

    session.link.SendConnect();
    if (!waitFor([&] { return session.conn.ConnectionActive == 1; }))
        return 3;
    auto say = [&](const QString& text) {
        window.txtTXChat()->setPlainText(text);
        window.cmdEnviar_Click();
    };
    say("GOOD MORNING PACO, THANKS FOR THE CALL.");
    if (!waitFor([&] { return session.rx.text().contains("HW?"); }, 60000))
        return 4;
    say("RST 579 IN LEON. ANTENNA IS A DIPOLE AT 10 M.");
    // Show the progress bar mid-block.
    waitFor([&] { return session.display.progressValue() >= 40; }, 30000);
    window.txtTXChat()->setPlainText("73 AND GOOD DX");
    window.txtMainChat()->syncNow();
    QTest::qWait(100);

    const QPixmap shot = window.screen() ? window.screen()->grabWindow(0, window.frameGeometry().x(),
                                                                       window.frameGeometry().y(),
                                                                       window.frameGeometry().width(),
                                                                       window.frameGeometry().height())
                                         : QPixmap();
    const QPixmap image = shot.isNull() ? window.grab() : shot;
    if (!image.save(out))
        return 5;
    std::printf("wrote %s\n", qPrintable(out));
    window.close();
    return 0;
}
