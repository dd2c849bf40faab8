// Takes the README's screenshots: the real main window in a conversation with
// the practice modem. Run it under Xvfb:
//   xvfb-run -a build/tests/readme-screenshot docs        (all of them into docs/)
//   xvfb-run -a build/tests/readme-screenshot OUT.png     (the conversation only)
//   LANG=de_DE.UTF-8 xvfb-run -a build/tests/readme-screenshot docs/conversation-de.png
// The folder gets conversation.png, speaker-colours-black.png,
// speaker-colours-white.png, reading-back.png and keyboard.png.
#include "app/DesktopStation.h"
#include "app/frmKeldoTerminal.h"
#include "settings/Language.h"
#include "support/SimProcess.h"
#include "support/TestShell.h"
#include "widgets/RxFindBar.h"
#include "widgets/RxScreenView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
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
    // The system's language, as the program takes it (LANG=de_DE.UTF-8 for German).
    Language::InstallTranslations(app, QString());
    const QString arg = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("conversation.png");
    const bool all = !arg.endsWith(QLatin1String(".png"));
    const QDir folder(all ? arg : QString());
    const QString out = all ? folder.filePath("conversation.png") : arg;

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

    // Nothing is launched, ended or opened.
    TestShell shell;
    DesktopStation station(dir.path());
    frmKeldoTerminal window(station);
    if (!window.Form_Load(QDir(dir.path()).filePath("keldo-terminal")))
        return 1;
    window.resize(680, 460);
    window.show();
    if (!waitFor([&] { return station.link.bothConnected(); }))
        return 2;

    station.link.SendConnect();
    if (!waitFor([&] { return station.conn.ConnectionActive; }))
        return 3;
    auto say = [&](const QString& text) {
        window.txtTXChat()->setPlainText(text);
        window.cmdEnviar_Click();
    };
    say("GOOD MORNING PACO, THANKS FOR THE CALL.");
    if (!waitFor([&] { return station.rx.text().contains("HW?"); }, 60000))
        return 4;
    say("RST 579 IN LEON. ANTENNA IS A DIPOLE AT 10 M.");
    // Show the progress bar mid-block.
    waitFor([&] { return station.display.progressValue() >= 40; }, 30000);
    window.txtTXChat()->setPlainText("73 AND GOOD DX");
    window.txtMainChat()->syncNow();
    QTest::qWait(100);

    auto save = [&](const QString& path) {
        window.txtMainChat()->syncNow();
        QTest::qWait(100);
        const QRect frame = window.frameGeometry();
        const QPixmap shot = window.screen()
            ? window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
            : QPixmap();
        const QPixmap image = shot.isNull() ? window.grab() : shot;
        if (!image.save(path))
            return false;
        std::printf("wrote %s\n", qPrintable(path));
        return true;
    };
    if (!save(out))
        return 5;
    if (!all) {
        window.close();
        return 0;
    }

    // Speaker colours over a few more turns, in both schemes.
    auto replies = [&] { return station.rx.text().count("HW?"); };
    auto turn = [&](const QString& text) {
        const int before = replies();
        say(text);
        return waitFor([&] { return replies() > before; }, 60000);
    };
    if (!waitFor([&] { return replies() >= 2; }, 60000))
        return 6;
    window.mnuSpeakerColours_Click(true);
    if (!turn("73 AND GOOD DX") || !turn("QRZ? DE N0CALL-1"))
        return 7;
    window.txtTXChat()->setPlainText("TNX FOR THE QSO");
    // From the top, so the connection banner is in view.
    window.txtMainChat()->syncNow();
    window.txtMainChat()->verticalScrollBar()->setValue(0);
    if (!save(folder.filePath("speaker-colours-black.png")))
        return 8;
    window.mnuColor_Click("White");
    if (!save(folder.filePath("speaker-colours-white.png")))
        return 8;
    window.mnuColor_Click("Black");

    // Reading back: the view held a few lines up while the answer comes in.
    for (const char* text : {"PSE QSL VIA BURO", "WX HERE IS SUNNY, 22 C", "RIG IS 100 W TO A DIPOLE"})
        if (!turn(QString::fromLatin1(text)))
            return 9;
    const int before = replies();
    say("HOW COPY?");
    if (!waitFor([&] { return station.rx.text().endsWith("HOW COPY?\r\n"); }, 30000))
        return 10;
    window.txtMainChat()->syncNow();
    QScrollBar* bar = window.txtMainChat()->verticalScrollBar();
    bar->setValue(qMax(0, bar->maximum() - 8));
    if (!waitFor([&] { return replies() > before; }, 60000))
        return 11;
    window.txtTXChat()->setPlainText("SORRY, I WAS READING BACK");
    if (!save(folder.filePath("reading-back.png")))
        return 12;

    // The keyboard: the macro bar, time stamps, an alert word, a text typed
    // ahead during an over and the find bar.
    window.txtMainChat()->followEnd();
    MacroSet& macros = station.s().macros;
    macros[0] = {"CQ", "CQ CQ DE <MYCALL> K<SEND>"};
    macros[1] = {"Call", "<CALL> DE <MYCALL>"};
    macros[2] = {"Rig", "RIG IS 100 W TO A DIPOLE"};
    macros[3] = {"73", "73 <CALL> DE <MYCALL> SK<SEND>"};
    station.s().alertWords = QStringLiteral("PACO");
    station.configureCore();
    window.mnuMacroBar_Click(true);
    window.showStoredOptions(); // the buttons' labels
    window.mnuTimeStamps_Click(true);
    if (!turn("NAME HERE IS JUAN"))
        return 13;
    say("QSL PACO, I WILL SEND MY QSL VIA THE BURO.");
    waitFor([&] { return station.display.progressValue() >= 30; }, 30000);
    say("73 ES GOOD DX");
    window.txtMainChat()->openFind();
    QTest::keyClicks(window.txtMainChat()->findBar()->textBox(), "QSL");
    window.txtTXChat()->setPlainText("<CALL> DE <MYCALL>");
    if (!save(folder.filePath("keyboard.png")))
        return 14;
    window.close();
    return 0;
}
