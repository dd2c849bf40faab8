#include "dialogs/frmLogQso.h"
#include "dialogs/frmLogbook.h"
#include "dialogs/frmMacros.h"
#include "support/FakeRigctld.h"
#include "support/MessageBoxRecorder.h"
#include "support/RadioEnds.h"
#include "support/RequireTool.h"
#include "support/SimProcess.h"
#include "support/TerminalFixture.h"
#include "widgets/RxFindBar.h"
#include "widgets/RxScreenView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QUdpSocket>
#include <QtEndian>
#include <QtTest>

#include <atomic>
#include <optional>
#include <sys/stat.h>

// The main road: the real main window against the practice modem on loopback.
class TestConversationE2E : public QObject
{
    Q_OBJECT

    // Asks the practice modem for one action at a time until it has logged line.
    static bool stepTo(SimProcess& sim, const QString& line)
    {
        for (int i = 0; i < 40; ++i) {
            const int before = int(sim.output().size());
            sim.writeControl(QStringLiteral("step"));
            if (!QTest::qWaitFor([&] { return sim.output().size() > before; }, 5000))
                return false;
            if (sim.output().mid(before).contains(line)) {
                sim.skipOutput();
                return true;
            }
        }
        return false;
    }

    static void typeLine(frmKeldoTerminal& w, const QString& text)
    {
        QPlainTextEdit* tx = w.txtTXChat();
        tx->setFocus();
        QTest::keyClicks(tx, text);
        QTest::keyClick(tx, Qt::Key_Return);
    }

    // A main window linked up with the practice modem; options go to [Options], setup to [Setup].
    static bool linkUp(TerminalFixture& f, SimProcess& sim, const QString& options, const QString& setup = {})
    {
        f.writeIni(QString("[Setup]\r\nAutoLaunch=0\r\nHF Host=127.0.0.1\r\nHF TCP Port=%1\r\nFM Host=127.0.0.1\r\n"
                           "FM TCP Port=%1\r\nMy Callsign=N0CALL-1\r\n%3[Options]\r\n%2")
                       .arg(sim.port())
                       .arg(options, setup)
                       .toUtf8());
        if (!f.load())
            return false;
        f.window->show();
        return sim.waitForOutput("<- LISTEN ON")
            && QTest::qWaitFor([&] { return f.station->display.panel(Panel::Tcp).picture == Picture::LedVerde; },
                               20000);
    }

    // The records of an ADIF text, each field by name (upper case), read by
    // the data specifiers' lengths; the header is skipped.
    static QList<QMap<QString, QString>> readAdif(const QByteArray& text)
    {
        QList<QMap<QString, QString>> records;
        QMap<QString, QString> fields;
        static const QRegularExpression tag("<([A-Za-z_]+)(?::(\\d+)(?::[A-Za-z])?)?>");
        qsizetype at = text.startsWith('<') ? 0 : text.toUpper().indexOf("<EOH>");
        for (auto m = tag.match(QString::fromLatin1(text), at); m.hasMatch();
             m = tag.match(QString::fromLatin1(text), at)) {
            const QString name = m.captured(1).toUpper();
            const int length = m.captured(2).toInt();
            at = m.capturedEnd() + length;
            if (name == "EOR")
                records << std::exchange(fields, {});
            else if (name != "EOH")
                fields[name] = QString::fromLatin1(text.mid(m.capturedEnd(), length));
        }
        return records;
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void wholeConversation()
    {
        SimProcess sim({"--step", "--reply", "none"});
        QVERIFY2(sim.start(), qPrintable(sim.errorString()));
        TerminalFixture f;
        f.writeIni(QString("[Setup]\r\nAutoLaunch=0\r\nHF Host=127.0.0.1\r\nHF TCP Port=%1\r\nMy Callsign=N0CALL-1\r\n")
                       .arg(sim.port())
                       .toLatin1());
        MessageBoxRecorder boxes;
        QVERIFY(f.load());
        frmKeldoTerminal& w = *f.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        // Link-up.
        QVERIFY(sim.waitForOutput("<- MYCALL N0CALL-1"));
        QVERIFY(sim.waitForOutput("<- LISTEN ON"));
        QVERIFY(sim.waitForOutput("<- COMPRESSION FILES"));
        QVERIFY(sim.waitForOutput("<- BW2300"));
        QTRY_COMPARE(f.station->display.panel(Panel::Tcp).picture, Picture::LedVerde);
        QTRY_VERIFY(w.action("mnuConnect")->isEnabled());

        // Connect through the dialog, typed in lower case and confirmed at once.
        bool dialogSeen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialogSeen = true;
            auto* target = dialog->findChild<QComboBox*>("cboConnectHF");
            QVERIFY(target && target->isVisibleTo(dialog));
            target->setEditText("ea1abc");
            dialog->findChild<QPushButton*>("cmdConnect")->click();
        });
        w.action("mnuConnect")->trigger();
        QVERIFY(dialogSeen);
        QCOMPARE(f.station->display.panel(Panel::Indicativos).text, QString("Connecting with EA1ABC ..."));
        QCOMPARE(f.station->s().connectWithHf, QString("EA1ABC"));
        QCOMPARE(f.station->s().connectHfList[0], QString("EA1ABC"));
        QVERIFY(f.readIni().contains("Connect With HF=EA1ABC"));
        QVERIFY(sim.waitForOutput("<- CONNECT N0CALL-1 EA1ABC"));
        QVERIFY(stepTo(sim, "-> CONNECTED N0CALL-1 EA1ABC 2300"));
        QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("N0CALL-1 <-> EA1ABC"));
        QVERIFY(f.station->rx.text().contains("******* N0CALL-1 <-> EA1ABC *******  "));
        QTRY_VERIFY(w.cmdEnviar()->isVisible());
        QTRY_VERIFY(w.action("mnuStop")->isEnabled());
        QTRY_VERIFY(!w.action("mnuConnect")->isEnabled());

        // Two lines, one header, progress from the reports, echo at BUFFER 0.
        typeLine(w, "GOOD MORNING");
        QTRY_VERIFY(!w.cmdEnviar()->isVisible());
        QTRY_VERIFY(w.progressBar()->isVisible());
        QVERIFY(sim.waitForOutputMatch(QRegularExpression("^<= 13 bytes")).size());
        QVERIFY(stepTo(sim, "-> PTT ON"));
        QTRY_COMPARE(f.station->display.panel(Panel::Ptt).text, QString("TX"));
        QVERIFY(stepTo(sim, "-> BUFFER 13"));
        QTRY_COMPARE(f.station->display.panel(Panel::Bytes).text, QString("0 Bytes Sent"));
        QTRY_COMPARE(w.progressBar()->value(), 0);
        // Shown at once, and once only.
        QCOMPARE(f.station->rx.text().count("GOOD MORNING"), 1);
        QVERIFY(stepTo(sim, "-> BUFFER 0"));
        QTRY_VERIFY(f.station->rx.text().endsWith(">N0CALL-1\r\nGOOD MORNING\r\n"));
        QTRY_VERIFY(w.cmdEnviar()->isVisible());
        QTRY_VERIFY(!w.progressBar()->isVisible());
        QVERIFY(stepTo(sim, "-> PTT OFF"));
        QTRY_COMPARE(f.station->display.panel(Panel::Ptt).text, QString("RX"));

        typeLine(w, "HOW ARE YOU");
        QVERIFY(sim.waitForOutputMatch(QRegularExpression("^<= 12 bytes")).size());
        QVERIFY(stepTo(sim, "-> BUFFER 0"));
        QTRY_VERIFY(f.station->rx.text().endsWith("GOOD MORNING\r\nHOW ARE YOU\r\n"));
        QCOMPARE(f.station->rx.text().count(">N0CALL-1"), 1);

        // The reply, under the other station's header, with its counter.
        QVERIFY(stepTo(sim, "-> PTT OFF"));
        sim.writeControl("say 73 DE EA1ABC");
        QTRY_VERIFY(f.station->rx.text().contains("<EA1ABC\r\n73 DE EA1ABC"));
        QVERIFY(f.station->display.panel(Panel::Bytes).text.endsWith(" Bytes Rcvd"));
        w.txtMainChat()->syncNow();
        QVERIFY(w.txtMainChat()->toPlainText().contains("<EA1ABC\n73 DE EA1ABC"));

        // F1, set in the Macros dialog (Ctrl+Shift+M), pressed while reading the RX screen.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<frmMacros*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // F2 looked at, not edited: its no-break space stays.
            dialog->selectMacro(1);
            dialog->selectMacro(0);
            dialog->findChild<QLineEdit*>("txtLabel")->setText("Reply");
            dialog->findChild<QPlainTextEdit*>("txtText")->setPlainText("<CALL> DE <MYCALL>\nK<SEND>");
            dialog->accept();
        });
        f.station->s().macros[1].text = QString::fromUtf8("73\u00a0TU");
        QTest::keyClick(&w, Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.station->s().macros[0].label, QString("Reply"));
        QCOMPARE(f.station->s().macros[1].text, QString::fromUtf8("73\u00a0TU"));
        QVERIFY(f.readIni().contains("\r\n[Macros]\r\nF1 Label=Reply\r\nF1 Text=<CALL> DE <MYCALL>\\nK<SEND>\r\n"));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.txtMainChat()->setFocus();
        QTest::keyClick(w.txtMainChat(), Qt::Key_F1);
        QVERIFY(sim.waitForOutputMatch(QRegularExpression(R"(^<= \d+ bytes: EA1ABC DE N0CALL-1\\r\\nK\\r$)")).size());
        QVERIFY(stepTo(sim, "-> BUFFER 0"));
        QTRY_VERIFY(f.station->rx.text().endsWith("EA1ABC DE N0CALL-1\r\nK\r\n"));

        // Up recalls what was sent, newest first; Down goes back to the draft.
        QPlainTextEdit* tx = w.txtTXChat();
        QTest::keyClicks(tx, "DRAFT");
        QTest::keyClick(tx, Qt::Key_Up);
        QCOMPARE(tx->toPlainText(), QString("EA1ABC DE N0CALL-1\nK"));
        QTest::keyClick(tx, Qt::Key_Up); // on the last line: the caret moves up
        QTest::keyClick(tx, Qt::Key_Up);
        QCOMPARE(tx->toPlainText(), QString("HOW ARE YOU"));
        QTest::keyClick(tx, Qt::Key_Down);
        QTest::keyClick(tx, Qt::Key_Down);
        QCOMPARE(tx->toPlainText(), QString("DRAFT"));
        tx->clear();

        // Stop: Disconnecting... until DISCONNECTED.
        w.action("mnuStop")->trigger();
        QCOMPARE(f.station->display.panel(Panel::Indicativos).text, QString("Disconnecting..."));
        QTRY_VERIFY(!w.action("mnuStop")->isEnabled());
        QVERIFY(sim.waitForOutput("<- ABORT"));
        QVERIFY(stepTo(sim, "-> DISCONNECTED"));
        QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("Disconnected"));
        QTRY_VERIFY(w.action("mnuConnect")->isEnabled());
        QTRY_VERIFY(!w.cmdEnviar()->isVisible());

        // An incoming call: the header shows the caller.
        sim.writeControl("callin EB2XYZ");
        QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("EB2XYZ <-> N0CALL-1"));
        sim.writeControl("say HELLO N0CALL");
        QTRY_VERIFY(f.station->rx.text().contains("<EB2XYZ\r\nHELLO N0CALL\r\n"));
        QVERIFY(boxes.verify());
    }

    // A QSO by keys alone: connect, a macro sent at once, typing ahead
    // during the over, reading back and finding while text arrives, recall,
    // and Stop in the middle of a typed-ahead block.
    void qsoByKeysAlone()
    {
        SimProcess sim({"--step", "--reply", "none"});
        QVERIFY2(sim.start(), qPrintable(sim.errorString()));
        TerminalFixture f;
        QVERIFY(
            linkUp(f, sim,
                   "\r\n[Macros]\r\nF1 Label=Call\r\nF1 Text=<CALL> DE <MYCALL> <MODE> <BW> <DATE> <UTC> K<SEND>\r\n"));
        f.station->terminal.setClock([] { return QDateTime(QDate(2026, 12, 7), QTime(17, 41, 7), Qt::UTC); });
        frmKeldoTerminal& w = *f.window;
        RxScreenView* rx = w.txtMainChat();
        QPlainTextEdit* tx = w.txtTXChat();
        QScrollBar* bar = rx->verticalScrollBar();
        const auto activate = [&] {
            QApplication::setActiveWindow(&w);
            w.activateWindow();
            return QTest::qWaitForWindowActive(&w);
        };
        // The model and the view both end with text (in the model's CR LF form).
        const auto shows = [&](const QString& text) {
            return f.station->rx.text().endsWith(text) && rx->toPlainText().endsWith(RxDocument::ToDisplay(text));
        };
        const auto italic = [&](const QString& text) { return rx->document()->find(text).charFormat().fontItalic(); };
        // A step, then the bytes it lets go out (logged after the step's line, perhaps read with it).
        const auto stepThenData = [&](const QString& step, const QString& data) {
            const int mark = int(sim.output().size());
            if (!stepTo(sim, step))
                return false;
            sim.setCursor(mark);
            return sim.waitForOutput(data);
        };

        // Ctrl+Shift+C, the call typed into the dialog's box, Enter.
        QVERIFY(activate());
        QTRY_VERIFY(w.action("mnuConnect")->isEnabled());
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // As a window manager would: the dialog active, the focus in the call box.
            QApplication::setActiveWindow(dialog);
            QComboBox* box = dialog->findChild<QComboBox*>("cboConnectHF");
            if (!QTest::qWaitFor([&] { return QApplication::focusWidget() == box; }, 5000))
                return dialog->reject();
            QTest::keyClicks(box, "ea1abc");
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClick(tx, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(sim.waitForOutput("<- CONNECT N0CALL-1 EA1ABC"));
        QVERIFY(stepTo(sim, "-> CONNECTED N0CALL-1 EA1ABC 2300"));
        QTRY_VERIFY(w.cmdEnviar()->isVisible());
        QVERIFY(activate());

        // F1: the macro filled in and sent at once.
        QTest::keyClick(tx, Qt::Key_F1);
        QVERIFY(sim.waitForOutput("<= 46 bytes: EA1ABC DE N0CALL-1 HF 2300 2026-12-07 17:41 K\\r"));
        QVERIFY(stepTo(sim, "-> BUFFER 46"));
        QTRY_VERIFY(!w.cmdEnviar()->isVisible());
        // Enter during the over: shown at once as waiting, sent only after BUFFER 0
        // (sent earlier, it would have joined the countdown).
        typeLine(w, "NAME IS JOE");
        QCOMPARE(tx->toPlainText(), QString());
        const QString macro = ">N0CALL-1\r\nEA1ABC DE N0CALL-1 HF 2300 2026-12-07 17:41 K\r\n";
        QTRY_VERIFY(shows(macro + "NAME IS JOE\r\n"));
        QVERIFY(italic("NAME IS JOE"));
        QVERIFY(stepTo(sim, "-> BUFFER 26"));
        QVERIFY(stepTo(sim, "-> BUFFER 6"));
        QVERIFY(stepThenData("-> BUFFER 0", "<= 12 bytes: NAME IS JOE\\r"));
        QVERIFY(stepTo(sim, "-> BUFFER 0"));
        QVERIFY(stepTo(sim, "-> PTT OFF"));
        QTRY_VERIFY(!italic("NAME IS JOE"));
        QCOMPARE(f.station->rx.text().count("NAME IS JOE"), 1);

        // The answer fills more than a screen; Ctrl+Home reads from the top,
        // and the view holds while text arrives.
        QStringList lines;
        for (int i = 1; i <= 40; ++i)
            lines << QString("LINE %1").arg(i, 2, 10, QChar('0'));
        sim.writeControl("say " + lines.join("\\r"));
        QTRY_VERIFY(shows("<EA1ABC\r\n" + lines.join("\r\n") + "\r\n"));
        QTRY_COMPARE(bar->value(), bar->maximum());
        QTest::keyClick(tx, Qt::Key_Tab, Qt::ShiftModifier);
        QTRY_VERIFY(rx->hasFocus());
        QTest::keyClick(rx, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(bar->value(), 0);
        sim.writeControl("say MORE");
        QTRY_VERIFY(shows("LINE 40\r\nMORE\r\n"));
        QCOMPARE(bar->value(), 0);
        QVERIFY(!rx->isFollowing() && rx->newTextNotice()->isVisible());

        // Ctrl+F: the first match from the lines in view, Enter and F3 on,
        // Shift+F3 back; the view holds on the match; Esc closes.
        QTest::keyClick(rx, Qt::Key_F, Qt::ControlModifier);
        RxFindBar* find = rx->findBar();
        QTRY_VERIFY(find->isVisible() && find->textBox()->hasFocus());
        QTest::keyClicks(find->textBox(), "line 3");
        QCOMPARE(rx->findMatchCount(), 10);
        QCOMPARE(rx->currentMatch().block().text(), QString("LINE 30"));
        QTest::keyClick(find->textBox(), Qt::Key_Return);
        QTest::keyClick(find->textBox(), Qt::Key_F3);
        QTest::keyClick(find->textBox(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(rx->currentMatch().block().text(), QString("LINE 31"));
        const int held = bar->value();
        QVERIFY(held > 0 && held < bar->maximum());
        sim.writeControl("say AGAIN");
        QTRY_VERIFY(shows("MORE\r\nAGAIN\r\n"));
        QCOMPARE(bar->value(), held);
        QCOMPARE(rx->currentMatch().block().text(), QString("LINE 31"));
        QTest::keyClick(find->textBox(), Qt::Key_Escape);
        QVERIFY(!find->isVisible() && rx->extraSelections().isEmpty());
        QTRY_VERIFY(rx->hasFocus());
        QVERIFY(!rx->isFollowing());

        // Up recalls the last text; Enter sends it again and the view follows
        // the end once more.
        QTest::keyClick(rx, Qt::Key_Tab);
        QTRY_VERIFY(tx->hasFocus());
        QTest::keyClick(tx, Qt::Key_Up);
        QCOMPARE(tx->toPlainText(), QString("NAME IS JOE"));
        QTest::keyClick(tx, Qt::Key_Return);
        QVERIFY(sim.waitForOutput("<= 12 bytes: NAME IS JOE\\r"));
        QVERIFY(rx->isFollowing());
        QTRY_COMPARE(bar->value(), bar->maximum());

        // Two more blocks typed ahead; Ctrl+Shift+X with 20 of the first's 31
        // bytes on the air.
        typeLine(w, "TNX FOR QSO, JOE. 73 ES GUD DX");
        typeLine(w, "BYE");
        QVERIFY(stepThenData("-> BUFFER 0", "<= 31 bytes: TNX FOR QSO, JOE. 73 ES GUD DX\\r"));
        QVERIFY(stepTo(sim, "-> BUFFER 31"));
        QVERIFY(stepTo(sim, "-> BUFFER 11"));
        QTRY_COMPARE(f.station->display.panel(Panel::Bytes).text, QString("20 Bytes Sent"));
        QTest::keyClick(tx, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(sim.waitForOutput("<- ABORT"));
        QVERIFY(stepTo(sim, "-> DISCONNECTED"));
        QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("Disconnected"));
        QCOMPARE(tx->toPlainText(), QString(" ES GUD DX\nBYE"));
        QCOMPARE(tx->textCursor().selectedText(), QString(" ES GUD DX\u2029BYE"));
        QVERIFY(!sim.outputText().contains("BYE"));
        const QString banner = "******* N0CALL-1 <-> EA1ABC *******  17:41:07\r\n\r\n";
        QTRY_VERIFY(shows(banner + macro + "NAME IS JOE\r\n<EA1ABC\r\n" + lines.join("\r\n")
                          + "\r\nMORE\r\nAGAIN\r\n>N0CALL-1\r\nNAME IS JOE\r\nTNX FOR QSO, JOE. 73\r\n"
                            "******* Connection ended  17:41:07\r\n"));
    }

    void conversationLogged();
    void qsoLoggedWithFrequencyAndSent();
    void halfRecordSetAside();
    void qsoWindowsThenShutdown();
    void pipesAtTheLogPathsBlockNothing();
    void recordsLeftWaitingWrittenAtStartAndStallsTold();
    void logQsosTickedDuringQso();
    void rigJunkAndLateAnswersGiveNoFrequency();
    void callEventsTold_data();
    void callEventsTold();
    void unwritableLogReportedOnce();
};

// The conversation log: what the screen shows, with UTC times, written
// through, and a log that cannot be written reported without stopping anything.
void TestConversationE2E::conversationLogged()
{
    SimProcess sim({"--step", "--reply", "none"});
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    TerminalFixture f;
    MessageBoxRecorder boxes;
    QVERIFY(linkUp(f, sim, "Log Conversations=1\r\n"));
    frmKeldoTerminal& w = *f.window;
    QVERIFY(w.action("mnuLog")->isChecked());
    QDateTime now(QDate(2026, 12, 7), QTime(10, 20, 30), Qt::UTC);
    f.station->terminal.setClock([&] { return now; });
    const QString log = QDir(f.dir.path()).filePath("KELDO Terminal logs/2026-12-07.log");

    sim.writeControl("callin EB2XYZ");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("EB2XYZ <-> N0CALL-1"));
    now = now.addSecs(5);
    sim.writeControl("say HELLO N0CALL");
    QTRY_VERIFY(f.station->rx.text().endsWith("HELLO N0CALL\r\n"));
    sim.writeControl("rawdata \\xC4RGER");
    // Written through at once, the partial line too.
    QTRY_VERIFY(readFile(log).endsWith("HELLO N0CALL\n\xC3\x84RGER"));

    now = now.addSecs(25);
    typeLine(w, "GOOD DAY");
    QVERIFY(sim.waitForOutputMatch(QRegularExpression("^<= 9 bytes")).size());
    QVERIFY(stepTo(sim, "-> BUFFER 0"));
    QTRY_VERIFY(f.station->rx.text().endsWith("GOOD DAY\r\n"));
    QVERIFY(stepTo(sim, "-> PTT OFF"));
    now = now.addSecs(60);
    sim.writeControl("disconnect");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("Disconnected"));

    QVERIFY(f.settleFiles());
    QCOMPARE(QString::fromUtf8(readFile(log)),
             QString("******* EB2XYZ <-> N0CALL-1 *******  2026-12-07 10:20:30 UTC\n"
                     "<EB2XYZ  10:20:35 UTC\n"
                     "HELLO N0CALL\n"
                     "\u00C4RGER\n"
                     ">N0CALL-1  10:21:00 UTC\n"
                     "GOOD DAY\n"
                     "******* Connection ended  10:22:00 UTC\n"));

    // The next conversation follows after a blank line; switched off, nothing more is written.
    sim.writeControl("callin EA1ABC");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("EA1ABC <-> N0CALL-1"));
    sim.writeControl("say 73");
    QTRY_VERIFY(readFile(log).endsWith("\n\n******* EA1ABC <-> N0CALL-1 *******  2026-12-07 10:22:00 UTC\n"
                                       "<EA1ABC  10:22:00 UTC\n73\n"));
    w.action("mnuLog")->trigger();
    QVERIFY(!f.station->s().logConversations);
    sim.writeControl("say NOT LOGGED");
    QTRY_VERIFY(f.station->rx.text().endsWith("NOT LOGGED\r\n"));
    QVERIFY(f.settleFiles());
    QVERIFY(readFile(log).endsWith("73\n******* Logging switched off  10:22:00 UTC\n"));
    // Switched on again mid-connection, the record starts there.
    w.action("mnuLog")->trigger();
    sim.writeControl("say LOGGED AGAIN");
    QTRY_VERIFY(readFile(log).endsWith("Logging switched off  10:22:00 UTC\n\n"
                                       "******* EA1ABC <-> N0CALL-1 *******  2026-12-07 10:22:00 UTC\nLOGGED AGAIN\n"));
    QVERIFY(boxes.verify());
}

// A failed call, and Stop in the middle of an over: said on the screen and in
// the log, unless switched off.
void TestConversationE2E::callEventsTold_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("shown") << true;
    QTest::newRow("off") << false;
}

void TestConversationE2E::callEventsTold()
{
    QFETCH(bool, shown);
    SimProcess sim({"--step", "--reply", "none", "--unreachable", "EA4XYZ"});
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    TerminalFixture f;
    QVERIFY(linkUp(f, sim, QString("Log Conversations=1\r\nShow Call Events=%1\r\n").arg(int(shown)),
                   "KELDO Mode=KELDOFM\r\nConnect With FM=EA4XYZ\r\nVia1=EB3DIG\r\nVia2=EB4DIG\r\n"));
    f.station->terminal.setClock([] { return QDateTime(QDate(2026, 12, 7), QTime(17, 41, 7), Qt::UTC); });
    const QString log = QDir(f.dir.path()).filePath("KELDO Terminal logs/2026-12-07.log");
    const auto panel = [&] { return f.station->display.panel(Panel::Indicativos); };

    f.station->link.SendConnect();
    QCOMPARE(panel().toolTip, shown ? QString("Via EB3DIG, EB4DIG") : QString());
    // The keying thread writes the command: the sim has it before it steps.
    QVERIFY(sim.waitForOutput("<- CONNECT N0CALL-1 EA4XYZ VIA EB3DIG EB4DIG"));
    QVERIFY(stepTo(sim, "-> DISCONNECTED"));
    QTRY_COMPARE(panel().text, QString("Disconnected"));
    const QString failed = "******* No connection with EA4XYZ via EB3DIG, EB4DIG  17:41:07";
    QCOMPARE(f.station->rx.text(), shown ? failed + "\r\n" : QString());

    // 20 of the 24 bytes are on the air when Stop is pressed.
    sim.writeControl("unreachable");
    // Heard before the call, which the sim reads on another channel.
    QVERIFY(sim.waitForOutput("# unreachable: "));
    f.station->link.SendConnect();
    QVERIFY(sim.waitForOutput("<- CONNECT N0CALL-1 EA4XYZ VIA EB3DIG EB4DIG"));
    QVERIFY(stepTo(sim, "-> CONNECTED N0CALL-1 EA4XYZ 1200 EB3DIG EB4DIG"));
    QTRY_COMPARE(panel().text, QString("N0CALL-1 <-> EB3DIG <-> EB4DIG <-> EA4XYZ"));
    typeLine(*f.window, "HELLO EA4XYZ, HOW COPY?");
    QVERIFY(sim.waitForOutputMatch(QRegularExpression("^<= 24 bytes")).size());
    QVERIFY(stepTo(sim, "-> BUFFER 4"));
    QTRY_COMPARE(f.station->display.panel(Panel::Bytes).text, QString("20 Bytes Sent"));
    f.window->action("mnuStop")->trigger();
    QVERIFY(sim.waitForOutput("<- ABORT"));
    QVERIFY(stepTo(sim, "-> DISCONNECTED"));
    QTRY_COMPARE(panel().text, QString("Disconnected"));
    QCOMPARE(f.window->txtTXChat()->toPlainText(), QString("PY?"));
    const QString banner = "******* N0CALL-1 <-> EB3DIG <-> EB4DIG <-> EA4XYZ *******  ";
    QCOMPARE(f.station->rx.text().section(banner, 1),
             shown ? QString("17:41:07\r\n\r\n>N0CALL-1\r\nHELLO EA4XYZ, HOW CO\r\n"
                             "******* Connection ended  17:41:07\r\n")
                   : QString("17:41:07\r\n\r\n"));
    QVERIFY(f.settleFiles());
    QCOMPARE(QString::fromUtf8(readFile(log)),
             (shown ? failed + " UTC\n\n" : QString()) + banner + "2026-12-07 17:41:07 UTC\n"
                 + (shown ? ">N0CALL-1  17:41:07 UTC\nHELLO EA4XYZ, HOW CO\n" : "")
                 + "******* Connection ended  17:41:07 UTC\n");
}

void TestConversationE2E::unwritableLogReportedOnce()
{
    SimProcess sim({"--reply", "none"});
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    TerminalFixture f;
    // A regular file where the folder should be: not writable even for root.
    const QString folder = QDir(f.dir.path()).filePath("logs");
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    MessageBoxRecorder boxes;
    QVERIFY(linkUp(f, sim, QString("Log Conversations=1\r\nLog Folder=%1\r\n").arg(folder)));
    f.station->terminal.setClock([] { return QDateTime(QDate(2026, 12, 7), QTime(8, 0), Qt::UTC); });
    const auto tooltip = [&] { return f.station->display.panel(Panel::Bytes).toolTip; };

    sim.writeControl("callin EB2XYZ");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("EB2XYZ <-> N0CALL-1"));
    for (int i = 1; i <= 3; ++i)
        sim.writeControl(QString("say LINE %1").arg(i));
    QTRY_VERIFY(f.station->rx.text().endsWith("LINE 3\r\n"));
    QTRY_COMPARE(boxes.count(), 1);
    QVERIFY(boxes.shown().first().text.contains(folder));
    QCOMPARE(boxes.shown().first().icon, MessageBox::Icon::Warning);
    QVERIFY(tooltip().startsWith("Conversation log cannot be written: "));

    // Writable again: what waited is written, and the tooltip clears.
    QVERIFY(QFile::remove(folder));
    QVERIFY(QDir().mkdir(folder));
    sim.writeControl("say LINE 4");
    const QString log = QDir(folder).filePath("2026-12-07.log");
    QTRY_VERIFY(readFile(log).endsWith("LINE 1\nLINE 2\nLINE 3\nLINE 4\n"));
    QVERIFY(readFile(log).startsWith("******* EB2XYZ <-> N0CALL-1 *******  "));
    QTRY_COMPARE(tooltip(), QString());

    // Failing again in the same conversation: no second box; the next conversation reports anew.
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    sim.writeControl("say LINE 5");
    QTRY_VERIFY(f.station->rx.text().endsWith("LINE 5\r\n"));
    QTRY_VERIFY(!tooltip().isEmpty());
    sim.writeControl("disconnect");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("Disconnected"));
    QCOMPARE(boxes.count(), 1);
    sim.writeControl("callin EA1ABC");
    QTRY_COMPARE(boxes.count(), 2);
    QVERIFY(f.station->link.bothConnected());
    boxes.take();

    // Another folder chosen from the menu takes the conversation from there on.
    const QString other = QDir(f.dir.path()).filePath("other logs");
    QVERIFY(QDir().mkdir(other));
    f.shell.folderAnswer = [&](const QString& current) { return current == folder ? other : QString(); };
    f.window->action("mnuLogFolder")->trigger();
    QCOMPARE(f.station->s().logFolder, other);
    // What could not be written before goes there too.
    QVERIFY(f.settleFiles());
    QCOMPARE(readFile(QDir(other).filePath("2026-12-07.log")),
             QByteArray("LINE 5\n******* Connection ended  08:00:00 UTC\n\n"
                        "******* EA1ABC <-> N0CALL-1 *******  2026-12-07 08:00:00 UTC\n"));
    sim.writeControl("say THERE");
    QTRY_VERIFY(readFile(QDir(other).filePath("2026-12-07.log")).endsWith("<EA1ABC  08:00:00 UTC\nTHERE\n"));
    QTRY_COMPARE(tooltip(), QString());
    QCOMPARE(boxes.count(), 0);

    // Shutdown completes the unfinished line and closes the record.
    sim.writeControl("rawdata HALF");
    QTRY_VERIFY(readFile(QDir(other).filePath("2026-12-07.log")).endsWith("THERE\nHALF"));
    f.window->close();
    QVERIFY(readFile(QDir(other).filePath("2026-12-07.log"))
                .endsWith("THERE\nHALF\n******* Terminal closed  08:00:00 UTC\n"));
}

// One QSO with a rigctld dummy rig at 14.105 MHz: one ADIF record, and the
// logger's "QSO Logged" and "Logged ADIF" datagrams, each read as published.
void TestConversationE2E::qsoLoggedWithFrequencyAndSent()
{
    std::optional<Rigctld> rig(std::in_place);
    REQUIRE_TOOL("rigctld");
    QVERIFY(rig->start());
    QCOMPARE(rig->command("F 14105000"), QString("RPRT 0"));
    QUdpSocket logger;
    QVERIFY(logger.bind(QHostAddress::LocalHost, 0));
    SimProcess sim({"--step", "--reply", "none"});
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    TerminalFixture f;
    QVERIFY(linkUp(f, sim,
                   QString("Log QSOs=1\r\nLog Without Asking=1\r\nLog Mode=DYNAMIC\r\nSend QSOs to Loggers=1\r\n"
                           "Logger Host=127.0.0.1\r\nLogger Port=%1\r\nRig Control Host=127.0.0.1\r\n"
                           "Rig Control Port=%2\r\n")
                       .arg(logger.localPort())
                       .arg(rig->port())));
    QDateTime now(QDate(2026, 12, 7), QTime(23, 59, 0), Qt::UTC);
    f.station->terminal.setClock([&] { return now; });

    sim.writeControl("callin EA4XYZ-7");
    QTRY_VERIFY(f.station->display.panel(Panel::Indicativos).toolTip.endsWith("14.105 MHz"));
    now = now.addSecs(95);
    sim.writeControl("disconnect");

    const QString adi = f.station->logbook.filePath();
    QTRY_VERIFY(readFile(adi).endsWith("<EOR>\r\n"));
    const QList<QMap<QString, QString>> records = readAdif(readFile(adi));
    QCOMPARE(records.size(), 1);
    const QMap<QString, QString>& r = records[0];
    QCOMPARE(r["CALL"], QString("EA4XYZ"));
    QCOMPARE(r["QSO_DATE"] + r["TIME_ON"], QString("20261207235900"));
    QCOMPARE(r["QSO_DATE_OFF"] + r["TIME_OFF"], QString("20261208000035"));
    QCOMPARE(r["FREQ"].toDouble(), 14.105);
    QCOMPARE(r["BAND"], QString("20m"));
    QCOMPARE(r["MODE"], QString("DYNAMIC"));
    QCOMPARE(r["STATION_CALLSIGN"], QString("N0CALL"));
    QCOMPARE(r["COMMENT"], QString("EA4XYZ-7 <-> N0CALL-1"));

    // Header: magic, schema, type, id; then the type's fields.
    QMap<quint32, QByteArray> byType;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            while (logger.hasPendingDatagrams()) {
                const QByteArray d = logger.receiveDatagram().data();
                byType[quint32(d.size() >= 12 ? qFromBigEndian<quint32>(d.constData() + 8) : 99)] = d;
            }
            return byType.contains(5) && byType.contains(12);
        }(),
        20000);
    auto open = [](const QByteArray& d, quint32 type) {
        auto in = std::make_shared<QDataStream>(d);
        in->setVersion(QDataStream::Qt_5_4);
        quint32 magic, schema, t;
        QByteArray id;
        *in >> magic >> schema >> t >> id;
        return (magic == 0xadbccbda && schema == 3 && t == type && id == "KELDO Terminal") ? in : nullptr;
    };
    auto logged = open(byType[5], 5);
    QVERIFY(logged);
    QDateTime off, on;
    QByteArray dxCall, dxGrid, mode, sent, rcvd, power, comments, name, op, myCall, myGrid, exSent, exRcvd, prop;
    quint64 txHz = 0;
    *logged >> off >> dxCall >> dxGrid >> txHz >> mode >> sent >> rcvd >> power >> comments >> name >> on >> op
        >> myCall >> myGrid >> exSent >> exRcvd >> prop;
    QCOMPARE(logged->status(), QDataStream::Ok);
    QVERIFY(logged->atEnd());
    QCOMPARE(on, QDateTime(QDate(2026, 12, 7), QTime(23, 59, 0), Qt::UTC));
    QCOMPARE(off, now);
    QCOMPARE(dxCall, QByteArray("EA4XYZ"));
    QCOMPARE(txHz, quint64(14105000));
    QCOMPARE(mode, QByteArray("DYNAMIC"));
    QCOMPARE(myCall, QByteArray("N0CALL"));
    auto adif = open(byType[12], 12);
    QVERIFY(adif);
    QByteArray text;
    *adif >> text;
    QCOMPARE(readAdif(text), records);

    // Retuned, then stopped mid-QSO: the record keeps this QSO's last answer;
    // the next QSO, with no rig answering, gets no frequency at all.
    f.station->rig.setMinInterval(0);
    QCOMPARE(rig->command("F 7074000"), QString("RPRT 0"));
    const auto tooltip = [&] { return f.station->display.panel(Panel::Indicativos).toolTip; };
    sim.writeControl("callin EB2XYZ");
    QTRY_COMPARE(tooltip(), QString("Modem Connected, 7.074 MHz"));
    // A macro naming the frequency asks the retuned rig; the key pressed
    // while it waits comes after it.
    QCOMPARE(rig->command("F 3573000"), QString("RPRT 0"));
    f.station->s().macros[0].text = "<FREQ> <BAND> ";
    f.station->s().macros[1].text = "K";
    f.window->runMacro(0);
    f.window->runMacro(1);
    QTRY_COMPARE(f.window->txtTXChat()->toPlainText(), QString("3.573 80m K"));
    rig.reset();
    sim.writeControl("disconnect");
    QTRY_COMPARE(readAdif(readFile(adi)).size(), 2);
    sim.writeControl("callin EA1ABC");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("EA1ABC <-> N0CALL-1"));
    QCOMPARE(tooltip(), QString("Modem Connected"));
    sim.writeControl("disconnect");
    QTRY_COMPARE(readAdif(readFile(adi)).size(), 3);
    const QList<QMap<QString, QString>> later = readAdif(readFile(adi));
    QCOMPARE(later[1]["FREQ"].toDouble(), 3.573);
    QCOMPARE(later[1]["BAND"], QString("80m"));
    QVERIFY(!later[2].contains("FREQ") && !later[2].contains("BAND"));
}

// A file cut in the middle of a record: the next QSO is whole, and what was
// cut off is kept aside.
void TestConversationE2E::halfRecordSetAside()
{
    SimProcess sim({"--step", "--reply", "none"});
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    TerminalFixture f;
    QVERIFY(linkUp(f, sim, "Log QSOs=1\r\nLog Without Asking=1\r\n"));
    QDateTime now(QDate(2026, 12, 7), QTime(10, 0, 0), Qt::UTC);
    f.station->terminal.setClock([&] { return now; });
    const QString adi = f.station->logbook.filePath();
    QVERIFY(QDir().mkpath(QFileInfo(adi).path()));
    QFile file(adi);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // The half record's comment holds "<EOR>": only the lengths tell it is no record's end.
    file.write("log\r\n<EOH>\r\n<CALL:6>EB2XYZ <EOR>\r\n<CALL:6>EA1ABC <COMMENT:14>73 <EOR> TU");
    file.close();

    sim.writeControl("callin EA4XYZ");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("EA4XYZ <-> N0CALL-1"));
    now = now.addSecs(95);
    // CONNECTED again with no end between: the first QSO ends there.
    sim.writeControl("respond CONNECTED EB3XYZ N0CALL-1 2300");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("EB3XYZ <-> N0CALL-1"));
    now = now.addSecs(60);
    sim.writeControl("disconnect");
    QTRY_COMPARE(readAdif(readFile(adi)).size(), 3);
    const QList<QMap<QString, QString>> records = readAdif(readFile(adi));
    QCOMPARE(records[0]["CALL"], QString("EB2XYZ"));
    QCOMPARE(records[1]["CALL"], QString("EA4XYZ"));
    QCOMPARE(records[1]["TIME_OFF"], QString("100135"));
    QVERIFY(!records[1].contains("FREQ"));
    QCOMPARE(records[2]["CALL"] + records[2]["TIME_ON"] + records[2]["TIME_OFF"], QString("EB3XYZ100135100235"));
    // The cut left the file ending in <EOR>: the next record starts a line of its own.
    QVERIFY(readFile(adi).contains("EB2XYZ <EOR>\r\n<CALL:6>EA4XYZ"));
    QCOMPARE(readFile(adi + ".bad"), QByteArray("<CALL:6>EA1ABC <COMMENT:14>73 <EOR> TU\r\n"));
}

// Asked: each QSO's end joins the one Log QSO window's list while the
// terminal goes on; Log writes the selected one, Drop drops it; with nobody
// to ask, and on closing the terminal, the ones still waiting and the QSO
// under way are written as they stand.
void TestConversationE2E::qsoWindowsThenShutdown()
{
    SimProcess sim({"--step", "--reply", "none"});
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    TerminalFixture f;
    MessageBoxRecorder boxes;
    QVERIFY(linkUp(f, sim, "Log QSOs=1\r\n"));
    f.station->terminal.setClock([] { return QDateTime(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC); });
    const auto window = [&] { return f.station->logQsoWindow(); };
    const auto field = [&](const char* name) { return window()->findChild<QLineEdit*>(name); };
    const auto listed = [&] {
        QStringList calls;
        for (const QsoRecord& q : window()->pending())
            calls << q.call;
        return calls;
    };
    // The next QSOs run while the first one waits: one window, its list grows.
    for (const QString& call : {QString("EA4XYZ-7"), QString("EB2XYZ"), QString("EC3ZZZ")}) {
        sim.writeControl("callin " + call);
        QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, call + " <-> N0CALL-1");
        sim.writeControl("disconnect");
        QTRY_VERIFY(window() && listed().contains(call.section('-', 0, 0)));
        QVERIFY(window()->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        // The operator's typing stays in the terminal (offscreen activates every window shown).
        QVERIFY(window()->testAttribute(Qt::WA_ShowWithoutActivating));
    }
    QCOMPARE(f.window->findChildren<QDialog*>("frmLogQso").size(), 1);
    QCOMPARE(listed(), (QStringList{"EA4XYZ", "EB2XYZ", "EC3ZZZ"}));
    QCOMPARE(window()->selected(), 0);
    QCOMPARE(field("txtComment")->text(), QString("EA4XYZ-7 <-> N0CALL-1"));
    field("txtName")->setText("JOSE");
    // What was typed stays with its entry while another one is looked at.
    window()->select(1);
    QCOMPARE(field("txtCall")->text(), QString("EB2XYZ"));
    QCOMPARE(field("txtName")->text(), QString());
    field("txtName")->setText("ANA");
    window()->select(0);
    QCOMPARE(field("txtName")->text(), QString("JOSE"));
    // Enter meant for the TX box, should it reach the window, logs nothing.
    QTest::keyClick(field("txtName"), Qt::Key_Return);
    QVERIFY(window()->isVisible() && !QFile::exists(f.station->logbook.filePath()));
    QCOMPARE(window()->count(), 3);
    QPushButton* log = window()->findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok);
    const auto logged = [&] {
        QStringList calls;
        for (auto& r : readAdif(readFile(f.station->logbook.filePath())))
            calls << r["CALL"] + ' ' + r["NAME"];
        return calls;
    };
    // A logbook that cannot take the record: the record waits beside the
    // settings, the operator is told once, and Settings > Logbook... tries again.
    const QString spool = f.station->logbook.spoolPath();
    QCOMPARE(QFileInfo(spool).dir(), QFileInfo(f.iniPath()).dir());
    QVERIFY(QDir().mkpath(f.station->logbook.filePath()));
    log->click();
    QTRY_COMPARE(boxes.count(), 1);
    QVERIFY(boxes.take().first().text.contains(QDir::toNativeSeparators(spool)));
    QCOMPARE(window()->count(), 2);
    QCOMPARE(f.station->logbook.waiting(), 1);
    QVERIFY(f.station->display.panel(Panel::Bytes).toolTip.contains("QSO records waiting for the logbook: 1"));
    QVERIFY(f.settleFiles());
    QVERIFY(readFile(spool).startsWith("<CALL:6>EA4XYZ "));
    QVERIFY(QDir(f.station->logbook.filePath()).removeRecursively());
    f.station->logbookDialog(f.window.get());
    QTRY_COMPARE(logged(), QStringList("EA4XYZ JOSE"));
    QTRY_COMPARE(f.station->logbook.waiting(), 0);
    QVERIFY(f.settleFiles());
    QVERIFY(!QFile::exists(spool));
    QCOMPARE(f.station->display.panel(Panel::Bytes).toolTip, QString());
    // The window's times are UTC, whatever this machine's time zone.
    const QMap<QString, QString> first = readAdif(readFile(f.station->logbook.filePath())).first();
    QCOMPARE(first["QSO_DATE"] + first["TIME_ON"] + first["TIME_OFF"], QString("20261207100000100000"));
    QCOMPARE(listed(), (QStringList{"EB2XYZ", "EC3ZZZ"}));
    QCOMPARE(field("txtName")->text(), QString("ANA"));
    // Drop: that one is never logged.
    window()->select(1);
    window()->findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Discard)->click();
    QCOMPARE(listed(), QStringList("EB2XYZ"));
    // However many wait, the window stays within the screen.
    for (int i = 0; i < 200; ++i)
        window()->add(window()->pending().first());
    const QSize room = window()->screen()->availableGeometry().size();
    QVERIFY(window()->height() <= room.height() && window()->width() <= room.width());
    QVERIFY(window()->sizeHint().height() <= room.height());
    while (window()->count() > 1) {
        window()->select(1);
        window()->findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Discard)->click();
    }

    // With no front end to ask, a QSO is written as it stands, never dropped.
    f.station->detachAnswerer();
    sim.writeControl("callin EC9ZZZ");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("EC9ZZZ <-> N0CALL-1"));
    sim.writeControl("disconnect");
    QTRY_COMPARE(logged(), (QStringList{"EA4XYZ JOSE", "EC9ZZZ "}));
    QCOMPARE(listed(), QStringList("EB2XYZ"));
    f.station->attachAnswerer();

    sim.writeControl("callin EA1ABC");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("EA1ABC <-> N0CALL-1"));
    f.window->close();
    QVERIFY(f.window->isShutDown());
    QCOMPARE(logged(), (QStringList{"EA4XYZ JOSE", "EC9ZZZ ", "EB2XYZ ANA", "EA1ABC "}));
    QVERIFY(!window() || !window()->isVisible());
}

// Log QSOs ticked in the middle of a QSO logs that QSO. A logger that
// cannot be reached is said, once, in the connection panel's tooltip.
void TestConversationE2E::logQsosTickedDuringQso()
{
    SimProcess sim({"--step", "--reply", "none"});
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    TerminalFixture f;
    QVERIFY(linkUp(f, sim,
                   "Log Without Asking=1\r\nLog Mode=DYNAMIC\r\nMy Locator=IN80dj\r\nTX Power=50\r\n"
                   "Send QSOs to Loggers=1\r\nLogger Host=logger..invalid\r\n"));
    QDateTime now(QDate(2026, 12, 7), QTime(10, 0, 0), Qt::UTC);
    f.station->terminal.setClock([&] { return now; });
    const QString adi = f.station->logbook.filePath();
    const auto tick = [&](bool on) {
        LogbookChoice choice = LogbookChoice::of(f.station->s());
        choice.logQsos = on;
        f.station->controller.apply(choice);
    };
    const auto tooltip = [&] { return f.station->display.panel(Panel::Indicativos).toolTip; };
    const QString unreachable = "Logger logger..invalid:2237 cannot be reached";

    sim.writeControl("callin EA4XYZ");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("EA4XYZ <-> N0CALL-1"));
    now = now.addSecs(60);
    tick(true);
    now = now.addSecs(60);
    sim.writeControl("disconnect");
    QTRY_COMPARE(readAdif(readFile(adi)).size(), 1);
    const QMap<QString, QString> r = readAdif(readFile(adi)).first();
    QCOMPARE(r["CALL"] + ' ' + r["TIME_ON"] + ' ' + r["TIME_OFF"], QString("EA4XYZ 100000 100200"));
    QCOMPARE(r["MODE"], QString("DYNAMIC"));
    QCOMPARE(r["MY_GRIDSQUARE"], QString("IN80dj"));
    QCOMPARE(r["TX_PWR"], QString("50"));

    QTRY_VERIFY(tooltip().contains(unreachable));
    QCOMPARE(tooltip().count(unreachable), 1);
    QVERIFY(tooltip().startsWith("Modem Disconnected\n"));
}

// A rig that answers junk, or too late, gives no frequency: not in the
// tooltip, not in a macro's <FREQ> and <BAND>; an older answer never stands
// in for it.
void TestConversationE2E::rigJunkAndLateAnswersGiveNoFrequency()
{
    FakeRigctld rig;
    QVERIFY(rig.listen());
    rig.reply = "14105000\n";
    SimProcess sim({"--step", "--reply", "none"});
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    TerminalFixture f;
    QVERIFY(linkUp(f, sim,
                   QString("Log QSOs=1\r\nLog Without Asking=1\r\nRig Control Host=127.0.0.1\r\n"
                           "Rig Control Port=%1\r\n")
                       .arg(rig.port())));
    f.station->rig.setMinInterval(0);
    f.station->setMacroRigWait(100);
    const auto tooltip = [&] { return f.station->display.panel(Panel::Indicativos).toolTip; };
    QPlainTextEdit* tx = f.window->txtTXChat();
    f.station->s().macros[0].text = "[<FREQ>|<BAND>]";

    sim.writeControl("callin EA4XYZ");
    QTRY_COMPARE(tooltip(), QString("Modem Connected, 14.105 MHz"));
    f.window->runMacro(0);
    QTRY_COMPARE(tx->toPlainText(), QString("[14.105|20m]"));
    tx->clear();

    // Retuned, and the answer comes after the macro stopped waiting: the
    // macro's fields are empty, not the frequency asked for before.
    rig.hold = true;
    f.station->rig.setAnswerTimeout(5000);
    f.window->runMacro(0);
    QTRY_COMPARE(tx->toPlainText(), QString("[|]"));
    tx->clear();
    QCOMPARE(tooltip(), QString("Modem Connected, 14.105 MHz"));
    rig.answer("nan\n");
    QTRY_COMPARE(tooltip(), QString("Modem Connected"));
    rig.hold = false;
    for (const QByteArray& junk : {QByteArray("inf\n"), QByteArray("-7074000\n"), QByteArray("nan\n")}) {
        rig.reply = junk;
        f.window->runMacro(0);
        QTRY_COMPARE(tx->toPlainText(), QString("[|]"));
        tx->clear();
        QCOMPARE(tooltip(), QString("Modem Connected"));
    }
    sim.writeControl("disconnect");
    const QString adi = f.station->logbook.filePath();
    QTRY_COMPARE(readAdif(readFile(adi)).size(), 1);
}

// A named pipe nobody reads at the logbook's path and at the day's log: the
// terminal never waits on them (its own timer keeps ticking), the operator is
// told of each, the record waits in the spool and the conversation's text in
// memory; both reach their files once the pipes are gone.
void TestConversationE2E::pipesAtTheLogPathsBlockNothing()
{
    SimProcess sim({"--step", "--reply", "none"});
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    TerminalFixture f;
    MessageBoxRecorder boxes;
    const QString logs = QDir(f.dir.path()).filePath("KELDO Terminal logs");
    QVERIFY(QDir().mkpath(logs));
    const QString adi = QDir(logs).filePath("KELDO Terminal.adi");
    const QString log = QDir(logs).filePath("2026-12-07.log");
    for (const QString& pipe : {adi, log})
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QVERIFY(linkUp(f, sim, "Log Conversations=1\r\nLog QSOs=1\r\nLog Without Asking=1\r\n"));
    QDateTime now(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC);
    f.station->terminal.setClock([&] { return now; });
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
    ticker.start(10);

    sim.writeControl("callin EA4XYZ");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("EA4XYZ <-> N0CALL-1"));
    sim.writeControl("say HELLO");
    QTRY_VERIFY(f.station->rx.text().endsWith("HELLO\r\n"));
    now = now.addSecs(60);
    sim.writeControl("disconnect");
    QTRY_COMPARE(boxes.count(), 2);
    QStringList texts;
    for (const MessageBox::Shown& box : boxes.take())
        texts << box.text;
    texts.sort();
    QVERIFY2(texts[0].contains(QDir::toNativeSeparators(f.station->logbook.spoolPath())), qPrintable(texts[0]));
    QVERIFY2(texts[1].contains(QDir::toNativeSeparators(log)) && texts[1].contains("not a regular file"),
             qPrintable(texts[1]));
    QCOMPARE(f.station->logbook.waiting(), 1);
    const int ticked = ticks;
    QTRY_VERIFY(ticks > ticked + 5);
    QVERIFY(f.settleFiles());
    QVERIFY(QFileInfo(adi).exists() && !QFileInfo(adi).isFile());
    QVERIFY(QFileInfo(log).exists() && !QFileInfo(log).isFile());

    // The pipes gone: the next QSO brings the one that waited, and the log
    // what it kept.
    QVERIFY(QFile::remove(adi) && QFile::remove(log));
    sim.writeControl("callin EB2XYZ");
    QTRY_COMPARE(f.station->display.panel(Panel::Indicativos).text, QString("EB2XYZ <-> N0CALL-1"));
    sim.writeControl("disconnect");
    QTRY_COMPARE(readAdif(readFile(adi)).size(), 2);
    const QList<QMap<QString, QString>> records = readAdif(readFile(adi));
    QCOMPARE(records[0]["CALL"] + ' ' + records[1]["CALL"], QString("EA4XYZ EB2XYZ"));
    QTRY_COMPARE(f.station->logbook.waiting(), 0);
    QVERIFY(f.settleFiles());
    QVERIFY(!QFile::exists(f.station->logbook.spoolPath()));
    QTRY_VERIFY(readFile(log).endsWith("******* Connection ended  10:01:00 UTC\n"));
    QVERIFY(readFile(log).startsWith("******* EA4XYZ <-> N0CALL-1 *******  2026-12-07 10:00:00 UTC\n"
                                     "<EA4XYZ  10:00:00 UTC\nHELLO\n******* Connection ended  10:01:00 UTC\n\n"
                                     "******* EB2XYZ <-> N0CALL-1 *******"));
    QCOMPARE(boxes.count(), 0);
}

// Records the last run left waiting reach the logbook at start-up; a folder
// that stops answering is told once.
void TestConversationE2E::recordsLeftWaitingWrittenAtStartAndStallsTold()
{
    TerminalFixture f;
    MessageBoxRecorder boxes;
    const QString spool = QDir(f.dir.path()).filePath("KELDO Terminal.adi.pending");
    QFile file(spool);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<CALL:6>EA4XYZ <QSO_DATE:8>20261207 <TIME_ON:6>100000 <EOR>\r\n"
               "<CALL:6>EB2XYZ <QSO_DATE:8>20261207 <TIME_ON:6>101000 <EOR>\r\n");
    file.close();
    QVERIFY(f.loadWithoutProgram());
    QCOMPARE(f.station->logbook.spoolPath(), spool);
    const QString adi = f.station->logbook.filePath();
    QTRY_COMPARE(readAdif(readFile(adi)).size(), 2);
    QCOMPARE(readAdif(readFile(adi))[1]["CALL"], QString("EB2XYZ"));
    QTRY_COMPARE(f.station->logbook.waiting(), 0);
    QVERIFY(f.settleFiles());
    QVERIFY(!QFile::exists(spool));
    QCOMPARE(boxes.count(), 0);

    FileWriter& files = f.station->files;
    files.setStallBound(100);
    auto hold = std::make_shared<std::atomic<bool>>(true);
    const auto hang = [hold](QString*) {
        while (*hold)
            QThread::msleep(5);
        return true;
    };
    const QString folder = QFileInfo(adi).absolutePath();
    QVERIFY(files.run(QDir(folder).filePath("2026-12-07.log"), hang));
    QTRY_COMPARE(boxes.count(), 1);
    QVERIFY(boxes.take().first().text.contains(QDir::toNativeSeparators(folder)));
    // Back: it takes work again (a lane given up on is not waited for by flush).
    *hold = false;
    QTRY_VERIFY(files.flush(0));
    // Again in the same folder: not told twice.
    *hold = true;
    QVERIFY(files.run(adi, hang));
    QSignalSpy stalled(&files, &FileWriter::stalled);
    QVERIFY(stalled.wait(5000));
    QCoreApplication::processEvents();
    QCOMPARE(boxes.count(), 0);

    // Closing does not wait on it beyond its bound: the settings are written
    // (another folder's file), the hung work is left behind.
    QElapsedTimer closing;
    closing.start();
    f.window->close();
    QVERIFY(f.window->isShutDown());
    QVERIFY2(closing.elapsed() < Lifecycle::ShutdownFilesMs + 2000, "shutdown waits a bounded time");
    QVERIFY(f.readIni().contains("[Setup]"));
    *hold = false;
    QTRY_VERIFY(files.flush(0));
}

QTEST_MAIN(TestConversationE2E)
#include "test_conversation_e2e.moc"
