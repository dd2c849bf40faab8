#include "SingleInstance.h"
#include "app/frmAbout.h"
#include "dialogs/frmPTT.h"
#include "support/FakeModem.h"
#include "support/MessageBoxRecorder.h"
#include "support/TerminalFixture.h"
#include "widgets/DialogGeometry.h"
#include "widgets/RxFindBar.h"
#include "widgets/RxScreenView.h"
#include "widgets/StatusPanels.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

#include <cmath>

// Counts the Log QSO windows shown anywhere in the application.
struct LogWindowCounter : QObject
{
    int shown = 0;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        shown += e->type() == QEvent::Show && o->objectName() == "frmLogQso";
        return false;
    }
};

// The main window offscreen: start-up, layout, menus, shutdown.
class TestMainWindow : public QObject
{
    Q_OBJECT

    // The window started without a modem program, shown.
    static bool loadShown(TerminalFixture& f)
    {
        if (!f.loadWithoutProgram())
            return false;
        f.window->show();
        return QTest::qWaitForWindowExposed(f.window.get());
    }

private slots:
    void startsWithDefaultsAndTellsOfMissingModem()
    {
        TerminalFixture f;
        bool windowShownAtBox = true;
        int shownBoxes = 0;
        f.create();
        // The missing-program box comes before the window is shown.
        struct WatchingShell : TestShell
        {
            std::function<void(const MessageBox::Shown&)> seen;
            void showMessage(QWidget*, const MessageBox::Shown& box) override { seen(box); }
        } shell;
        shell.seen = [&](const MessageBox::Shown& box) {
            ++shownBoxes;
            windowShownAtBox = f.window->isVisible();
            // The key's text first; then the file looked for in the Wine prefix.
            QCOMPARE(box.text.section('\n', 0, 0), QString("C:\\KELDO\\KELDO.exe file not found"));
            QVERIFY(box.text.section('\n', 1).endsWith("/dosdevices/c:/KELDO/KELDO.exe"));
            QCOMPARE(box.icon, MessageBox::Icon::Critical);
            QCOMPARE(box.title, QString("KELDO Terminal"));
        };
        QVERIFY(f.window->Form_Load(f.programPath()));
        Shell::remove(&shell);
        QCOMPARE(shownBoxes, 1);
        QVERIFY(!windowShownAtBox);
        QVERIFY(shell.launched.isEmpty() && f.launched.isEmpty());
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));

        QCOMPARE(f.window->windowTitle(), QString("KELDO Terminal v1.2.0      N0CALL-1"));
        QVERIFY(!f.window->progressBar()->isVisible());
        QCOMPARE(f.window->txtMainChat()->toolTip(), QString("RX Screen"));
        QCOMPARE(f.window->txtTXChat()->toolTip(), QString("TX Screen"));
        QCOMPARE(f.window->cmdEnviar()->toolTip(), QString("Send text (ENTER key)"));
        QVERIFY(f.window->txtMainChat()->isReadOnly());
        // Five panels in order; TCP shows its text and the red lamp; PTT unkeyed.
        QStringList panelNames;
        for (Panel key : StatusPanels::keys())
            panelNames << f.window->stbStatus()->panel(key)->objectName();
        QCOMPARE(panelNames, QStringList({"Margen1", "PTT", "Indicativos", "Bytes", "TCP"}));
        QTRY_COMPARE(f.window->stbStatus()->panelText(Panel::Tcp)->text(), QString("TCP"));
        QTRY_COMPARE(f.window->stbStatus()->panelText(Panel::Ptt)->text(), QString("RX"));
        QCOMPARE(f.station->display.panel(Panel::Ptt).toolTip, QString("PTT OFF"));
        QCOMPARE(f.station->display.panel(Panel::Tcp).picture, Picture::LedRojo);
        QTRY_COMPARE(f.window->stbStatus()->panelText(Panel::Indicativos)->text(), QString("Disconnected"));
        QVERIFY(!f.window->cmdEnviar()->isVisible()); // no link, no sending
        // Menus: the whole bar, PTT... shown in HF, mode ticked, font 10 and Black ticked.
        for (const char* name : {"mnuSetup", "mnuPTT", "mnuConnect", "mnuStop", "mnuClear", "mnuGroup", "mnuSite",
                                 "mnuChangeLog", "mnuAbout", "mnuKELDOHF", "mnuKELDOFM1200", "mnuKELDOSAT", "mnuSize10",
                                 "mnuSize20", "mnuColorNegro", "mnuColorBlanco"})
            QVERIFY2(f.window->action(name), name);
        QCOMPARE(f.window->action("mnuSetup")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QVERIFY(f.window->action("mnuPTT")->isVisible());
        QVERIFY(f.window->action("mnuKELDOHF")->isChecked());
        QVERIFY(!f.window->action("mnuKELDOFM1200")->isChecked());
        QVERIFY(!f.window->findChild<QMenu*>("menuMode")->menuAction()->isVisible());
        QVERIFY(f.window->action("mnuSize10")->isChecked());
        QVERIFY(f.window->action("mnuColorNegro")->isChecked());
        QCOMPARE(f.window->txtMainChat()->font().pointSize(), 10);
    }

    void resizeRule()
    {
        TerminalFixture f;
        QVERIFY(f.loadWithoutProgram());
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QWidget* client = f.window->centralWidget();

        // Smaller than the design size snaps back to it.
        f.window->resize(100, 100);
        QTRY_COMPARE(client->size(), QSize(535, 353));
        QCOMPARE(f.window->txtMainChat()->geometry(), QRect(8, 8, 521, 241));
        QCOMPARE(f.window->progressBar()->geometry(), QRect(8, 256, 521, 17));
        QCOMPARE(f.window->txtTXChat()->geometry(), QRect(8, 280, 473, 41));
        QCOMPARE(f.window->cmdEnviar()->geometry(), QRect(488, 280, 41, 41));
        // The fixed panels grow with the platform font; the call-sign panel gives way.
        StatusPanels* bar = f.window->stbStatus();
        QCOMPARE(bar->panel(Panel::Indicativos)->width(), 283 - bar->growthOfFixedPanels());

        // 100 pixels (1500 twips) wider and taller: everything grows by as much.
        const QSize grow(100, 100);
        f.window->resize(f.window->size() + grow);
        QTRY_COMPARE(client->size(), QSize(635, 453));
        QCOMPARE(f.window->txtMainChat()->geometry(), QRect(8, 8, 621, 341));
        QCOMPARE(f.window->txtTXChat()->geometry(), QRect(8, 380, 573, 41));
        QCOMPARE(f.window->cmdEnviar()->geometry(), QRect(588, 380, 41, 41));
        QCOMPARE(bar->panel(Panel::Indicativos)->width(), 383 - bar->growthOfFixedPanels());
        QVERIFY(bar->scale() >= DialogGeometry::FontScale(bar->font()));
        QCOMPARE(bar->panel(Panel::Bytes)->width(), int(std::lround(120 * bar->scale())));

        // A 10-digit counter with its picture is not cut.
        f.station->display.setPanelPicture(Panel::Bytes, Picture::Descargando);
        f.station->display.setPanelText(Panel::Bytes, "4294967295 Bytes Rcvd");
        f.window->syncStatusPanels();
        QLabel* bytes = bar->panelText(Panel::Bytes);
        QTRY_VERIFY(bar->panelPicture(Panel::Bytes)->isVisible());
        QTRY_VERIFY2(
            bytes->width() >= bytes->fontMetrics().horizontalAdvance(bytes->text()),
            qPrintable(
                QString("%1 < %2").arg(bytes->width()).arg(bytes->fontMetrics().horizontalAdvance(bytes->text()))));
    }

    void fontAndColourMenus()
    {
        TerminalFixture f;
        QVERIFY(f.loadWithoutProgram("Font Size=14\r\nColour=Purple\r\n"));
        // A size outside the menu leaves the design font, nothing ticked.
        QCOMPARE(f.window->txtMainChat()->font().family(), QString("Courier New"));
        QCOMPARE(f.window->txtMainChat()->font().pointSizeF(), 11.25);
        for (int n : {10, 11, 12, 16, 20})
            QVERIFY(!f.window->action(QString("mnuSize%1").arg(n))->isChecked());
        QVERIFY(!f.window->action("mnuColorNegro")->isChecked() && !f.window->action("mnuColorBlanco")->isChecked());

        f.window->action("mnuSize16")->trigger();
        QVERIFY(f.window->action("mnuSize16")->isChecked());
        QVERIFY(!f.window->action("mnuSize10")->isChecked());
        QCOMPARE(f.window->txtMainChat()->font().pointSize(), 16);
        QCOMPARE(f.window->txtTXChat()->font().pointSize(), 16);
        QCOMPARE(f.station->s().fontSize, quint8(16));
        f.window->action("mnuSize16")->trigger();
        QVERIFY(f.window->action("mnuSize16")->isChecked());

        f.window->action("mnuColorBlanco")->trigger();
        QCOMPARE(f.window->txtMainChat()->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(f.window->txtTXChat()->palette().color(QPalette::Text), QColor(Qt::black));
        QVERIFY(!f.window->action("mnuColorNegro")->isChecked());
        QCOMPARE(f.station->s().colour, QString("White"));
    }

    // Each menu choice is on file as soon as it is made (a crash loses
    // none); the start-up restoring the stored ones writes nothing.
    void menuChoicesSavedAsMade()
    {
        TerminalFixture f;
        const QByteArray stored = "Font Size=12\r\nColour=White\r\n[Options]\r\nSpeaker Colours=1\r\n";
        QVERIFY(f.loadWithoutProgram(stored));
        QCOMPARE(f.readIni(), "[Setup]\r\nAutoLaunch=0\r\n" + stored);
        const std::pair<const char*, const char*> choices[] = {
            {"mnuSize16", "Font Size=16"},
            {"mnuColorNegro", "Colour=Black"},
            {"mnuSpeakerColours", "Speaker Colours=0"},
            {"mnuTimeStamps", "Time Stamps=1"},
            {"mnuNotify", "Notify on Incoming Call=1"},
            {"mnuLog", "Log Conversations=1"},
            {"mnuMacroBar", "Show Macro Bar=1"},
        };
        for (const auto& [menu, line] : choices) {
            f.window->action(menu)->trigger();
            QVERIFY2(f.readIni().contains(QByteArray("\r\n") + line + "\r\n"), line);
        }
        f.shell.folderAnswer = [&f](const QString&) { return f.dir.filePath("logs"); };
        f.window->action("mnuLogFolder")->trigger();
        QVERIFY(f.readIni().contains("\r\nLog Folder=" + QFile::encodeName(f.dir.filePath("logs")) + "\r\n"));
        // The same bytes as the shutdown writes, but for the window's place and size.
        const auto withoutPlace = [](const QByteArray& ini) {
            QByteArrayList lines = ini.split('\n');
            lines.removeIf([](const QByteArray& line) {
                return line.startsWith("Terminal Width=") || line.startsWith("Terminal Height=")
                    || line.startsWith("Top Position=") || line.startsWith("Left Position=");
            });
            return lines;
        };
        const QByteArray midway = f.readIni();
        f.window->Form_Unload();
        QCOMPARE(withoutPlace(f.readIni()), withoutPlace(midway));
    }

    // Settings -> Language: kept for the next start and said so; the stored
    // choice shows ticked, the same choice again says nothing.
    void languageChosenForNextStart()
    {
        TerminalFixture f;
        QVERIFY(f.loadWithoutProgram("[Options]\r\nLanguage=ja\r\n"));
        emit f.window->findChild<QMenu*>("mnuLanguage")->aboutToShow();
        QVERIFY(f.window->action("mnuLanguage_ja")->isChecked());
        QCOMPARE(f.window->action("mnuLanguage_ja")->text(), QString("日本語"));
        MessageBoxRecorder boxes;
        boxes.expect("The language changes when KELDO Terminal is started again.", MessageBox::Icon::Information);
        f.window->action("mnuLanguage_pt_BR")->trigger();
        QVERIFY(boxes.verify());
        QVERIFY(f.readIni().contains("\r\nLanguage=pt_BR\r\n"));
        QVERIFY(f.window->action("mnuLanguage_pt_BR")->isChecked());
        f.window->action("mnuLanguage_pt_BR")->trigger();
        QCOMPARE(boxes.count(), 0);
        boxes.expect("The language changes when KELDO Terminal is started again.", MessageBox::Icon::Information);
        f.window->action("mnuLanguage_system")->trigger();
        QVERIFY(boxes.verify());
        QVERIFY(f.readIni().contains("\r\nLanguage=\r\n"));
    }

    void speakerColoursMenu()
    {
        TerminalFixture f;
        QVERIFY(f.loadWithoutProgram("Colour=White\r\n"));
        QAction* speakers = f.window->action("mnuSpeakerColours");
        QVERIFY(speakers);
        QVERIFY(f.window->findChild<QMenu*>("mnuColor")->actions().contains(speakers));
        QCOMPARE(speakers->text(), QString("Speaker Colours"));
        QVERIFY(speakers->isCheckable() && !speakers->isChecked());

        DesktopStation& se = *f.station;
        RxScreenView* rx = f.window->txtMainChat();
        se.conn.ConnectedCall1 = "EA1ABC";
        se.terminal.ReceiveDataBytes("their words\r");
        se.conn.PendingEcho = "own words\r\n";
        se.conn.BytesToSend = 1;
        se.terminal.UpdateTransmitProgress(0);
        auto colourOf = [&](const QString& what) {
            rx->syncNow();
            const QTextCharFormat fmt = rx->document()->find(what).charFormat();
            return fmt.hasProperty(QTextFormat::ForegroundBrush) ? fmt.foreground().color() : QColor();
        };
        QCOMPARE(colourOf("own words"), QColor());

        speakers->trigger();
        QVERIFY(speakers->isChecked());
        QVERIFY(se.s().speakerColours);
        QCOMPARE(colourOf("own words"), QColor(ColoursOf(ColourScheme::White).own));
        QCOMPARE(colourOf(">N0CALL-1"), QColor(ColoursOf(ColourScheme::White).own));
        QCOMPARE(colourOf("their words"), QColor());
        // The scheme changes the colours of what is already shown.
        f.window->action("mnuColorNegro")->trigger();
        QCOMPARE(colourOf("own words"), QColor(ColoursOf(ColourScheme::Black).own));
        QCOMPARE(rx->palette().color(QPalette::Text), QColor(ColoursOf(ColourScheme::Black).text));
        speakers->trigger();
        QCOMPARE(colourOf("own words"), QColor());
        QVERIFY(!se.s().speakerColours);
        // Time Stamps in the Settings menu.
        QAction* stamps = f.window->action("mnuTimeStamps");
        QVERIFY(stamps && stamps->isCheckable() && !stamps->isChecked());
        stamps->trigger();
        QVERIFY(se.s().timeStamps && stamps->isChecked());

        // Stored on, ticked and applied at start-up.
        TerminalFixture g;
        QVERIFY(g.loadWithoutProgram("[Options]\r\nSpeaker Colours=1\r\nTime Stamps=1\r\n"));
        QVERIFY(g.window->action("mnuSpeakerColours")->isChecked());
        QVERIFY(g.window->action("mnuTimeStamps")->isChecked());
        QVERIFY(g.window->txtMainChat()->speakerColours());
    }

    void readingBackHoldsTheView()
    {
        TerminalFixture f;
        QVERIFY(loadShown(f));
        DesktopStation& se = *f.station;
        RxScreenView* rx = f.window->txtMainChat();
        QScrollBar* bar = rx->verticalScrollBar();
        int next = 0;
        auto lines = [&](int n) { // 13 characters each
            QByteArray bytes;
            for (int i = 0; i < n; ++i)
                bytes += QByteArray::number(100000 + next++) + " text\r";
            se.terminal.ReceiveDataBytes(bytes);
            rx->syncNow();
        };
        auto firstVisible = [&] { return rx->cursorForPosition(QPoint(4, 4)).block().text(); };
        auto caretAtEnd = [&] { return rx->textCursor().position() == rx->document()->characterCount() - 1; };

        lines(4000);
        QVERIFY(rx->isFollowing());
        QCOMPARE(bar->value(), bar->maximum());
        QVERIFY(rx->newTextNotice()->isHidden());

        // The operator scrolls back: new text neither moves the view nor keeps the caret.
        bar->setValue(bar->maximum() - 300);
        QVERIFY(!rx->isFollowing());
        const QString reading = firstVisible();
        lines(10);
        QCOMPARE(firstVisible(), reading);
        QVERIFY(caretAtEnd());
        QVERIFY(rx->newTextNotice()->isVisible());
        // Past the cap, arrival by arrival: the front goes, the lines being read stay.
        for (int i = 0; i < 30; ++i)
            lines(50);
        QVERIFY(se.rx.trimmedTotal() > 5000);
        QCOMPARE(firstVisible(), reading);
        QVERIFY(caretAtEnd());
        // Once they are cut too, the oldest line left is in view, still held.
        for (int i = 0; i < 10; ++i)
            lines(500);
        QCOMPARE(firstVisible(), rx->document()->firstBlock().text());
        QVERIFY(!rx->isFollowing());
        // Also when one arrival replaces the whole screen.
        bar->setValue(bar->maximum() - 100);
        lines(6000);
        QCOMPARE(firstVisible(), rx->document()->firstBlock().text());
        QVERIFY(!rx->isFollowing());

        // Page keys read on from the lines in view, not from the caret at the end.
        bar->setValue(bar->maximum() - 200);
        lines(1);
        const int held = bar->value();
        QTest::keyClick(rx, Qt::Key_PageUp);
        QVERIFY(bar->value() < held);
        QVERIFY(!rx->isFollowing());
    }

    void readingBackWithKeysHolds()
    {
        TerminalFixture f;
        QVERIFY(loadShown(f));
        DesktopStation& se = *f.station;
        se.conn.ConnectedCall1 = "EA1ABC";
        RxScreenView* rx = f.window->txtMainChat();
        QScrollBar* bar = rx->verticalScrollBar();
        auto arrive = [&](int n) {
            se.terminal.ReceiveDataBytes(QByteArray("a received line\r").repeated(n));
            QTRY_VERIFY(rx->document()->blockCount() > n);
        };
        using Keys = QList<QKeySequence>;
        const QList<Keys> readBack{Keys{Qt::CTRL | Qt::Key_Home}, Keys(3, Qt::Key_PageUp), Keys(4, Qt::Key_Up),
                                   Keys{Qt::Key_Up}};
        for (const Keys& keys : readBack) {
            f.window->mnuClear_Click();
            arrive(300);
            QTRY_COMPARE(bar->value(), bar->maximum());
            // The last without a click: the caret still at the end.
            if (&keys != &readBack.back())
                QTest::mouseClick(rx->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
            for (const QKeySequence& key : keys)
                QTest::keySequence(rx, key);
            const int held = bar->value();
            QVERIFY(held < bar->maximum());
            const int blocks = rx->document()->blockCount();
            se.terminal.ReceiveDataBytes("one more\r");
            QTRY_VERIFY(rx->document()->blockCount() > blocks);
            QCOMPARE(bar->value(), held);
            QVERIFY(!rx->isFollowing());
        }

        // Unsent own text taken out above the lines being read: the view and
        // the match found stay; also when the cut ends inside a line break.
        auto top = [&] { return rx->cursorForPosition(QPoint(4, 4)).block().text(); };
        QStringList own;
        for (int i = 0; i < 50; ++i)
            own << QString("own %1").arg(i);
        for (const int sent : {0, 6}) { // nothing on the air; "own 0" and its CR
            f.window->mnuClear_Click();
            se.conn.ConnectionActive = true;
            QVERIFY(se.terminal.SendTypedText(own.join('\n')));
            se.conn.BytesToSend = qint32(Terminal::ToWireLineBreaks(own.join('\n')).size() + 1);
            se.terminal.UpdateTransmitProgress(se.conn.BytesToSend - sent);
            arrive(200);
            se.terminal.ReceiveDataBytes("the Marker line\r");
            arrive(100);
            rx->syncNow();
            rx->setFind("marker", Qt::CaseInsensitive);
            QVERIFY(rx->findNext());
            const QString reading = top();
            se.conn.ConnectionActive = false;
            se.terminal.UpdateConnectionDisplay();
            rx->syncNow();
            QCOMPARE(top(), reading);
            QCOMPARE(rx->currentMatch().block().text(), QString("the Marker line"));
            rx->clearFind();
        }
    }

    void findAcrossTheCap()
    {
        TerminalFixture f;
        QVERIFY(loadShown(f));
        DesktopStation& se = *f.station;
        RxScreenView* rx = f.window->txtMainChat();
        int next = 0;
        auto lines = [&](int n) { // every 40th line holds the word
            QByteArray bytes;
            for (int i = 0; i < n; ++i, ++next)
                bytes += QByteArray::number(100000 + next) + (next % 40 ? " text\r" : " Marker\r");
            se.terminal.ReceiveDataBytes(bytes);
            rx->syncNow();
        };
        // A macro key elsewhere: within the bar F3 finds instead.
        QAction macro(f.window.get());
        macro.setShortcut(Qt::Key_F3);
        f.window->QWidget::addAction(&macro);
        QSignalSpy macroSpy(&macro, &QAction::triggered);
        auto highlightsRight = [&] { // those in view
            QCOMPARE(rx->findMatchCount(), rx->toPlainText().count("Marker"));
            const QList<QTextEdit::ExtraSelection> shown = rx->extraSelections();
            QVERIFY(!shown.isEmpty());
            for (const QTextEdit::ExtraSelection& sel : shown)
                QCOMPARE(sel.cursor.selectedText(), QString("Marker"));
        };

        lines(4800);
        rx->verticalScrollBar()->setValue(2500);
        f.window->txtTXChat()->setFocus();
        QTest::keyClick(f.window.get(), Qt::Key_F, Qt::ControlModifier);
        RxFindBar* bar = rx->findBar();
        QVERIFY(bar && bar->isVisible() && bar->textBox()->hasFocus());
        QTest::keyClicks(bar->textBox(), "marker");
        QCOMPARE(rx->findMatchCount(), 120);
        highlightsRight();
        QVERIFY(!rx->isFollowing());
        const QString first = rx->currentMatch().block().text();
        QTest::keyClick(bar->textBox(), Qt::Key_Return);
        QTest::keyClick(bar->textBox(), Qt::Key_F3);
        QCOMPARE(macroSpy.count(), 0);
        // Its Alt keys clash with none of the menu bar's.
        QStringList alt;
        for (QAction* a : f.window->menuBar()->actions())
            alt << QKeySequence::mnemonic(a->text()).toString();
        for (QAbstractButton* b : bar->findChildren<QAbstractButton*>())
            alt << QKeySequence::mnemonic(b->text()).toString();
        alt.removeAll(QString());
        QCOMPARE(QSet<QString>(alt.begin(), alt.end()).size(), alt.size());
        QCOMPARE(rx->currentMatch().block().text().left(6).toInt(), first.left(6).toInt() + 80);
        QTest::keyClick(bar->textBox(), Qt::Key_F3, Qt::ShiftModifier);
        const QString current = rx->currentMatch().block().text();
        QCOMPARE(current.left(6).toInt(), first.left(6).toInt() + 40);
        const int top = rx->cursorForPosition(QPoint(4, 4)).block().text().left(6).toInt();

        // Arrivals cut the front at the cap: the matches move with the text.
        for (int i = 0; i < 20; ++i)
            lines(100);
        QVERIFY(se.rx.trimmedTotal() > 20000);
        highlightsRight();
        QCOMPARE(rx->currentMatch().block().text(), current);
        QCOMPARE(rx->cursorForPosition(QPoint(4, 4)).block().text().left(6).toInt(), top);
        QVERIFY(!rx->isFollowing());

        bar->matchCase()->setChecked(true);
        QCOMPARE(rx->findMatchCount(), 0);
        QTest::keyClick(bar->textBox(), Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
        QVERIFY(rx->extraSelections().isEmpty());
    }

    // Find is in the Edit menu with its key; the bar covers no line of the
    // text, and once it is closed a view at the end follows again.
    void findBarMakesRoomAndLetsGo()
    {
        TerminalFixture f;
        QVERIFY(loadShown(f));
        DesktopStation& se = *f.station;
        RxScreenView* rx = f.window->txtMainChat();
        QScrollBar* scroll = rx->verticalScrollBar();
        auto lines = [&](const QByteArray& line, int n) {
            se.terminal.ReceiveDataBytes(line.repeated(n));
            rx->syncNow();
        };
        QAction* find = f.window->action("mnuFind");
        QVERIFY(f.window->findChild<QMenu*>("mnuEdit")->actions().contains(find));
        QCOMPARE(find->shortcut(), QKeySequence(QKeySequence::Find));
        lines("early Marker\r", 1);
        lines("some text\r", 300);
        lines("late Marker\r", 1);
        const int textTop = rx->viewport()->geometry().top();

        find->trigger();
        RxFindBar* bar = rx->findBar();
        QVERIFY(bar && bar->isVisible());
        QVERIFY(bar->geometry().bottom() < rx->viewport()->geometry().top());
        QVERIFY(rx->isFollowing());
        QCOMPARE(scroll->value(), scroll->maximum());

        // The match at the end: held while shown, following again after Esc.
        QTest::keyClicks(bar->textBox(), "late marker");
        QVERIFY(!rx->isFollowing());
        QTest::keyClick(bar->textBox(), Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
        QCOMPARE(rx->viewport()->geometry().top(), textTop);
        QVERIFY(rx->isFollowing());
        lines("newer\r", 50);
        QCOMPARE(scroll->value(), scroll->maximum());

        // A match read further up stays where it is read.
        QTest::keyClick(f.window.get(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(bar->textBox(), "early");
        const QString reading = rx->cursorForPosition(QPoint(4, 4)).block().text();
        QTest::keyClick(bar->textBox(), Qt::Key_Escape);
        QVERIFY(!rx->isFollowing());
        lines("newest\r", 50);
        QCOMPARE(rx->cursorForPosition(QPoint(4, 4)).block().text(), reading);
    }

    void readingBackResumes()
    {
        TerminalFixture f;
        QVERIFY(loadShown(f));
        DesktopStation& se = *f.station;
        RxScreenView* rx = f.window->txtMainChat();
        QPlainTextEdit* tx = f.window->txtTXChat();
        QScrollBar* bar = rx->verticalScrollBar();
        auto lines = [&](int n) {
            se.terminal.ReceiveDataBytes(QByteArray("some text\r").repeated(n));
            rx->syncNow();
        };
        auto scrollBack = [&] {
            lines(1);
            bar->setValue(bar->maximum() - 50);
            lines(1);
            QVERIFY(!rx->isFollowing());
            QVERIFY(rx->newTextNotice()->isVisible());
        };
        auto followsAgain = [&] {
            QVERIFY(rx->isFollowing());
            QVERIFY(rx->newTextNotice()->isHidden());
            lines(5);
            QCOMPARE(bar->value(), bar->maximum());
        };
        lines(500);

        // Typing alone does not resume; scrolling to the end does.
        scrollBack();
        QTest::keyClicks(tx, "reply");
        lines(1);
        QVERIFY(!rx->isFollowing());
        bar->setValue(bar->maximum());
        followsAgain();
        // Ctrl+End in the RX screen, and in the TX box (which keeps its text).
        scrollBack();
        QTest::keyClick(rx, Qt::Key_End, Qt::ControlModifier);
        followsAgain();
        scrollBack();
        QTest::keyClick(tx, Qt::Key_End, Qt::ControlModifier);
        followsAgain();
        QCOMPARE(tx->toPlainText(), QString("reply"));
        // The notice itself.
        scrollBack();
        QTest::mouseClick(rx->newTextNotice(), Qt::LeftButton);
        followsAgain();
        // Sending.
        scrollBack();
        f.window->cmdEnviar_Click();
        QCOMPARE(tx->toPlainText(), QString());
        followsAgain();
        // Clear leaves nothing to read back.
        scrollBack();
        f.window->mnuClear_Click();
        rx->syncNow();
        QVERIFY(rx->isFollowing());
        QVERIFY(rx->newTextNotice()->isHidden());
    }

    void enterSendsOnlyWhileAllowed()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        TerminalFixture f;
        QVERIFY(f.loadWithModemAt(modem.commandPort()));
        f.window->show();
        QTRY_VERIFY(f.station->link.bothConnected());
        QPlainTextEdit* tx = f.window->txtTXChat();
        tx->setFocus();

        // Send button hidden: Enter neither sends nor breaks the line.
        QTest::keyClicks(tx, "hello");
        QTest::keyClick(tx, Qt::Key_Return);
        QCOMPARE(tx->toPlainText(), QString("hello"));
        QVERIFY(modem.dataReceived().isEmpty());

        modem.sendLine("CONNECTED N0CALL-1 EA1ABC 2300");
        QTRY_VERIFY(f.station->display.sendVisible());
        QTest::keyClick(tx, Qt::Key_Enter);
        QCOMPARE(tx->toPlainText(), QString());
        QTRY_COMPARE(modem.dataReceived(), QByteArray("hello\r"));
        QTRY_VERIFY(!f.window->cmdEnviar()->isVisible());
        QTRY_VERIFY(f.window->progressBar()->isVisible());
        QTRY_VERIFY(!f.window->action("mnuClear")->isEnabled());
        // During the over Enter queues the text; it goes out after the block.
        QTest::keyClicks(tx, "again");
        QTest::keyClick(tx, Qt::Key_Return);
        QCOMPARE(tx->toPlainText(), QString());
        modem.sendLine("BUFFER 0");
        QTRY_COMPARE(modem.dataReceived(), QByteArray("hello\ragain\r"));
        // Enter with an empty box while sending is allowed sends nothing.
        modem.sendLine("BUFFER 0");
        QTRY_VERIFY(f.window->cmdEnviar()->isVisible());
        QTest::keyClick(tx, Qt::Key_Return);
        QCOMPARE(modem.dataReceived(), QByteArray("hello\ragain\r"));
        f.window->txtMainChat()->syncNow();
        QVERIFY(f.window->txtMainChat()->toPlainText().endsWith(">N0CALL-1\nhello\nagain\n"));

        f.window->action("mnuClear")->trigger();
        QCOMPARE(f.station->rx.text(), QString());
    }

    // While a browser holds control the window watches: nothing it offers
    // sends, calls, stops or clears; one step takes control back.
    void browserInControlRefusedUntilTakenBack()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        TerminalFixture f;
        QVERIFY(f.loadWithModemAt(modem.commandPort(), "[Macros]\r\nF1 Text=CQ<SEND>\r\n"));
        f.window->show();
        QTRY_VERIFY(f.station->link.bothConnected());
        modem.sendLine("CONNECTED N0CALL-1 EA1ABC 2300");
        QTRY_VERIFY(f.station->display.sendVisible());
        QPlainTextEdit* tx = f.window->txtTXChat();
        QAction* take = f.window->action("mnuTakeControl");
        QVERIFY(!take->isVisible());

        f.station->takeControl(ControlSide::Browser, QStringLiteral("192.0.2.7"));
        f.window->syncStatusPanels();
        QVERIFY(take->isVisible());
        QVERIFY(!f.window->cmdEnviar()->isEnabled());
        QVERIFY(f.window->cmdEnviar()->toolTip().contains("192.0.2.7"));
        for (const char* name : {"mnuConnect", "mnuStop", "mnuClear", "mnuF1"})
            QVERIFY2(!f.window->action(name)->isEnabled(), name);
        tx->setFocus();
        QTest::keyClicks(tx, "hello");
        QTest::keyClick(tx, Qt::Key_Return);
        f.window->cmdEnviar_Click();
        f.window->mnuStop_Click();
        f.window->mnuClear_Click();
        f.window->runMacro(0);
        QCOMPARE(tx->toPlainText(), QString("hello"));
        QVERIFY(!f.station->rx.text().isEmpty());

        take->trigger();
        QVERIFY(f.station->inControl(ControlSide::Desktop));
        f.window->syncStatusPanels();
        QVERIFY(!take->isVisible());
        QVERIFY(f.window->cmdEnviar()->isEnabled());
        for (const char* name : {"mnuStop", "mnuClear", "mnuF1"})
            QVERIFY2(f.window->action(name)->isEnabled(), name);
        QTest::keyClick(tx, Qt::Key_Return);
        QTRY_COMPARE(modem.dataReceived(), QByteArray("hello\r"));
        // Nothing refused above reached the modem.
        QVERIFY(!modem.commands().contains("ABORT"));
        f.window->mnuStop_Click();
        QTRY_VERIFY(modem.commands().contains("ABORT"));
    }

    void connectRefusedWhileLinkDown()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        modem.setRefuseData(true);
        TerminalFixture f;
        QVERIFY(f.loadWithModemAt(modem.commandPort()));
        QTRY_VERIFY(f.station->link.commandConnected());
        MessageBoxRecorder boxes;
        boxes.expect("KELDO Terminal is not connected with KELDO Modem", MessageBox::Icon::Warning);
        f.window->action("mnuConnect")->trigger();
        QVERIFY(boxes.verify());
    }

    void helpMenu()
    {
        TerminalFixture f;
        QVERIFY(f.loadWithoutProgram());
        f.window->action("mnuGroup")->trigger();
        f.window->action("mnuSite")->trigger();
        QCOMPARE(f.opened.size(), 2);
        QVERIFY(f.opened[0].startsWith("https://") && f.opened[1].startsWith("https://"));
        {
            MessageBoxRecorder boxes;
            boxes.expect("KELDOTerminalChangeLog.txt not found", MessageBox::Icon::Information);
            f.window->action("mnuChangeLog")->trigger();
            QVERIFY(boxes.verify());
        }
        QFile log(QDir(f.dir.path()).filePath("KELDOTerminalChangeLog.txt"));
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.close();
        f.window->action("mnuChangeLog")->trigger();
        QCOMPARE(f.opened.last(), log.fileName());

        // No program on the PATH to show it with: say so, naming the file.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "");
        f.shell.viewerAvailable.reset();
        const int openedBefore = f.opened.size();
        {
            MessageBoxRecorder boxes;
            boxes.expect("No program to show text files was found (such as xdg-open).\nThe change log is the file "
                             + QDir::toNativeSeparators(log.fileName()),
                         MessageBox::Icon::Information);
            f.window->action("mnuChangeLog")->trigger();
            QVERIFY(boxes.verify());
        }
        qputenv("PATH", path);
        QCOMPARE(f.opened.size(), openedBefore);

        // The desktop opens no folder: the operator learns where the logs are.
        f.shell.opens = false;
        MessageBoxRecorder boxes;
        boxes.expect("The logs folder could not be opened: no program to open folders was found.\nThe logs are in "
                         + QDir::toNativeSeparators(f.station->logFolder()),
                     MessageBox::Icon::Information);
        f.window->action("mnuOpenLogsFolder")->trigger();
        QVERIFY(boxes.verify());
    }

    void unsentBlockGoesBackToTheTxBox()
    {
        FakeModem modem;
        QVERIFY(modem.listen());
        TerminalFixture f;
        QVERIFY(f.loadWithModemAt(modem.commandPort()));
        f.station->link.setRetryThrottle(20);
        f.window->show();
        QTRY_VERIFY(f.station->link.bothConnected());
        QPlainTextEdit* tx = f.window->txtTXChat();
        tx->setFocus();
        auto rxShown = [&f] {
            f.window->txtMainChat()->syncNow();
            return f.window->txtMainChat()->toPlainText();
        };

        // Stop during a block the modem has partly sent: "hello" CR LF "world" CR is
        // 13 bytes, 8 still held, so the break and "world" come back.
        modem.sendLine("CONNECTED N0CALL-1 EA1ABC 2300");
        QTRY_VERIFY(f.station->display.sendVisible());
        tx->setPlainText("hello\nworld");
        QTest::keyClick(tx, Qt::Key_Return);
        QTRY_COMPARE(modem.dataReceived(), QByteArray("hello\r\nworld\r"));
        modem.sendLine("BUFFER 8");
        QTRY_COMPARE(f.station->display.progressValue(), 38);
        QTest::keyClicks(tx, "later");
        QTRY_VERIFY(f.window->action("mnuStop")->isEnabled());
        f.window->action("mnuStop")->trigger();
        QTRY_VERIFY(modem.commands().contains("ABORT"));
        modem.sendLine("DISCONNECTED");
        QTRY_COMPARE(tx->toPlainText(), QString("\nworldlater"));
        QCOMPARE(tx->textCursor().selectedText(), QString(QChar::ParagraphSeparator) + "world");
        QVERIFY(!rxShown().contains("world"));

        // Enter on the next connection sends it with what was typed since.
        modem.clearData();
        modem.sendLine("CONNECTED N0CALL-1 EA1ABC 2300");
        QTRY_VERIFY(f.station->display.sendVisible());
        QTest::keyClick(tx, Qt::Key_Return);
        QTRY_COMPARE(modem.dataReceived(), QByteArray("\r\nworldlater\r"));

        // The link drops before any report: the whole block comes back, in
        // front of what was typed since; Delete drops it again.
        QTest::keyClicks(tx, "more");
        modem.dropData();
        QTRY_COMPARE(tx->toPlainText(), QString("\nworldlatermore"));
        QCOMPARE(tx->textCursor().selectedText(), QString(QChar::ParagraphSeparator) + "worldlater");
        QVERIFY(!rxShown().contains("worldlater"));
        QTest::keyClick(tx, Qt::Key_Delete);
        QCOMPARE(tx->toPlainText(), QString("more"));
    }

    void shutdownWritesEverythingAndEndsModem()
    {
        TerminalFixture f;
        f.writeIni("[Setup]\r\nKELDO Mode=KELDOSAT\r\nKELDO SAT Path=/opt/keldo/keldosat-modem\r\n"
                   "[Position]\r\nWindow State=7\r\n");
        MessageBoxRecorder boxes;
        boxes.expect("/opt/keldo/keldosat-modem file not found", MessageBox::Icon::Critical);
        QVERIFY(f.load());
        QVERIFY(boxes.verify());
        QVERIFY(!f.window->isMaximized() && !f.window->isMinimized()); // unknown state: normal
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.station->s().keldoMode = Mode::HF; // the mode at shutdown decides
        f.window->close();
        QCOMPARE(f.killed, QStringList({"KELDO.exe"}));
        QVERIFY(f.station->TerminarAplicacion);
        QVERIFY(!f.station->link.tmrComprobarSocket().isActive());
        const QByteArray ini = f.readIni();
        for (const char* key : {"Rig=52", "Via=3", "My Callsign=N0CALL-1", "Window State=0",
                                "9Via2 List=", "Terminal Width=", "Top Position=", "Load Path File="})
            QVERIFY2(ini.contains(key), key);
        // A second close does nothing more.
        f.window->Form_Unload();
        QCOMPARE(f.killed.size(), 1);
    }

    // Closing during a connection with AutoLaunch 1: ABORT first, the modem
    // program is ended only once the connection is over (or the wait ran out).
    void closeDuringConnectionAbortsFirst_data()
    {
        QTest::addColumn<int>("autoLaunch");
        QTest::addColumn<QString>("route");
        QTest::newRow("DISCONNECTED comes") << 1 << "disconnected";
        QTest::newRow("no answer") << 1 << "timeout";
        QTest::newRow("second close") << 1 << "second close";
        QTest::newRow("AutoLaunch 0") << 0 << "";
    }
    void closeDuringConnectionAbortsFirst()
    {
        QFETCH(int, autoLaunch);
        QFETCH(QString, route);
        FakeModem modem;
        QVERIFY(modem.listen());
        TerminalFixture f;
        f.writeIni(QString("[Setup]\r\nAutoLaunch=%1\r\nKELDO HF Path=%2\r\nHF Host=127.0.0.1\r\nHF TCP Port=%3\r\n"
                           "[Options]\r\nLog QSOs=1\r\n")
                       .arg(autoLaunch)
                       .arg(QString(KELDO_IDLE_EXE))
                       .arg(modem.commandPort())
                       .toUtf8());
        QVERIFY(f.load());
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QTRY_VERIFY(f.station->link.bothConnected() && modem.linked());
        QTRY_VERIFY(modem.commands().contains("LISTEN ON"));
        modem.sendLine("CONNECTED EA1ABC N0CALL-1");
        // Connected, as the operator sees it: Connect greyed, the calls shown.
        QTRY_VERIFY(!f.window->action("mnuConnect")->isEnabled());
        QTRY_VERIFY(f.window->stbStatus()->panelText(Panel::Indicativos)->text().contains("EA1ABC"));
        modem.clearCommands();
        // Long enough never to run out by itself, unless the test wants it to.
        f.window->setCloseWaitInterval(route == "timeout" ? 50 : 600000);

        f.window->close();
        if (autoLaunch == 0) {
            QVERIFY(f.window->isShutDown());
            QVERIFY(f.killed.isEmpty());
            QVERIFY(!modem.commands().contains("ABORT"));
            return;
        }
        QTRY_COMPARE(modem.commands(), QStringList({"ABORT"}));
        QVERIFY(f.window->waitingToClose() && !f.window->isShutDown());
        QVERIFY(f.killed.isEmpty());
        QCOMPARE(f.station->display.panel(Panel::Indicativos).text, QString("Disconnecting..."));

        // The QSO is logged as it stands: no Log QSO window, not even for a moment.
        LogWindowCounter logWindows;
        qApp->installEventFilter(&logWindows);
        if (route == "disconnected")
            modem.sendLine("DISCONNECTED");
        else if (route == "second close")
            f.window->close();
        QTRY_VERIFY(f.window->isShutDown());
        QCOMPARE(logWindows.shown, 0);
        QVERIFY(QFile::exists(f.station->logbook.filePath()));
        QCOMPARE(f.killed, QStringList({"keldo-idle"}));
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.station->TerminarAplicacion);
        // Once only, whatever comes later.
        f.window->Form_Unload();
        f.window->close();
        QCOMPARE(f.killed.size(), 1);
    }

    void maximisedKeepsStoredSize()
    {
        {
            // A save while the program runs writes the state the window has then.
            TerminalFixture g;
            QVERIFY(g.loadWithoutProgram("[Position]\r\nTerminal Width=9000\r\n"));
            g.window->showMaximized();
            QTRY_VERIFY(g.window->isMaximized());
            auto ptt = g.station->pttDialog(g.window.get());
            ptt->show();
            QVERIFY(ptt->close());
            const QByteArray ini = g.readIni();
            QVERIFY(ini.contains("Window State=2"));
            QVERIFY(ini.contains("Terminal Width=9000"));
        }
        TerminalFixture f;
        QVERIFY(
            f.loadWithoutProgram("[Position]\r\nWindow State=2\r\nTerminal Width=9000\r\nTerminal Height=7000\r\n"));
        f.window->show();
        QTRY_VERIFY(f.window->isMaximized());
        f.window->close();
        const QByteArray ini = f.readIni();
        QVERIFY(ini.contains("Window State=2"));
        QVERIFY(ini.contains("Terminal Width=9000"));
        QVERIFY(ini.contains("Terminal Height=7000"));
    }

    void secondCopyFromSameProgramRefused()
    {
        TerminalFixture f;
        f.writeIni("[Setup]\r\nAutoLaunch=0\r\n");
        const QByteArray before = f.readIni();
        // The first copy holds the lock (see test_app_process for a real second process).
        SingleInstance first(f.iniPath());
        QVERIFY(first.tryAcquire());
        MessageBoxRecorder boxes;
        boxes.expect("Error: Another copy of KELDO Terminal is running from this folder. Only one copy can be run at "
                     "a time from the same folder",
                     MessageBox::Icon::Warning);
        f.create();
        QVERIFY(!f.window->Form_Load(f.programPath()));
        QVERIFY(boxes.verify());
        QCOMPARE(f.readIni(), before);
    }

    void aboutNamesSettingsFile()
    {
        const QString file = "/home/op/.config/KELDO Terminal/KELDO Terminal.ini";
        frmAbout about(file);
        auto* label = about.findChild<QLabel*>("lblSettingsFile");
        QVERIFY(label);
        QCOMPARE(label->toolTip(), file);
        QVERIFY(label->text().endsWith("KELDO Terminal.ini"));
    }

    void developerCallSignPicksPorts()
    {
        TerminalFixture f;
        QVERIFY(f.loadWithoutProgram(
            "My Callsign=ZX9QQQ-7\r\nHF TCP Port=9000\r\nFM TCP Port=9100\r\nSAT TCP Port=9200\r\n"));
        QCOMPARE(f.station->s().hfTcpPort, 8300);
        QCOMPARE(f.station->s().fmTcpPort, 8300);
        QCOMPARE(f.station->s().satTcpPort, 9200);
        // A further copy on the same settings file is allowed and moves to 8320.
        TerminalFixture g;
        g.station = std::make_unique<DesktopStation>(f.dir.path());
        g.window = std::make_unique<frmKeldoTerminal>(*g.station);
        QVERIFY(g.window->Form_Load(f.programPath()));
        QCOMPARE(g.station->s().hfTcpPort, 8320);
        QCOMPARE(g.station->s().fmTcpPort, 8320);
        // The keying trace and state are the first copy's alone.
        QVERIFY(f.station->keyingJournal);
        QVERIFY(!g.station->keyingJournal);
        g.window->close();
        QVERIFY(f.readIni().contains("HF TCP Port=8320"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
