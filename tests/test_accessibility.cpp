#include "support/FakeModem.h"
#include "support/MessageBoxRecorder.h"
#include "support/TerminalFixture.h"
#include "widgets/RxScreenView.h"
#include "widgets/StatusPanels.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QtTest>

// The main window as a screen reader meets it, and by keyboard alone.
class TestAccessibility : public QObject
{
    Q_OBJECT

    struct Node
    {
        QString name;
        QString description;
        QAccessible::Role role;
        QObject* object;
    };

    static void walk(QAccessibleInterface* iface, QList<Node>& out, int depth = 0)
    {
        if (!iface || depth > 40)
            return;
        out.append(
            {iface->text(QAccessible::Name), iface->text(QAccessible::Description), iface->role(), iface->object()});
        for (int i = 0; i < iface->childCount(); ++i)
            walk(iface->child(i), out, depth + 1);
    }

    static QList<Node> tree(QWidget* window)
    {
        QList<Node> nodes;
        walk(QAccessible::queryAccessibleInterface(window), nodes);
        return nodes;
    }

    static QString spoken(QObject* object)
    {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
        return iface ? iface->text(QAccessible::Name) : QString();
    }

    // Main window linked up with a modem of the test.
    struct Linked : TerminalFixture
    {
        FakeModem modem;
        bool start()
        {
            if (!modem.listen())
                return false;
            if (!loadWithModemAt(modem.commandPort()))
                return false;
            window->show();
            return QTest::qWaitForWindowExposed(window.get())
                && QTest::qWaitFor([&] { return modem.commands().contains("LISTEN ON"); }, 20000);
        }
        QFrame* panel(Panel key) const { return window->stbStatus()->panel(key); }
    };

    // Alt+S opens the first menu; Right walks the bar. Returns what it met,
    // having checked that every enabled command on the bar was among it.
    static QStringList walkMenuBar(frmKeldoTerminal& w)
    {
        QMenuBar* bar = w.menuBar();
        QStringList reached;
        QTest::keyClick(&w, Qt::Key_S, Qt::AltModifier);
        if (!QTest::qWaitFor([&] {
                return bar->activeAction() && bar->activeAction()->menu() && bar->activeAction()->menu()->isVisible();
            }))
            return reached;
        for (int i = 0; i < 8; ++i) {
            if (QAction* a = bar->activeAction())
                reached << (a->menu() ? a->menu()->objectName() : a->objectName());
            QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : bar;
            QTest::keyClick(target, Qt::Key_Right);
        }
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        QTest::keyClick(bar, Qt::Key_Escape);
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            return {QStringLiteral("window never became active")};
        for (QAction* a : bar->actions())
            if (a->isVisible() && a->isEnabled()) {
                const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
                if (!reached.contains(name)) {
                    qWarning() << "not reached by keyboard:" << name << "met:" << reached;
                    return {};
                }
            }
        return reached;
    }

private slots:
    void everyControlAndPanelSpeaksPlainly()
    {
        MessageBoxRecorder boxes;
        Linked f;
        QVERIFY(f.start());
        frmKeldoTerminal& w = *f.window;
        QTRY_COMPARE(spoken(f.panel(Panel::Tcp)), QString("Modem link: up"));

        const QList<Node> nodes = tree(&w);
        QHash<QObject*, Node> byObject;
        QStringList names;
        for (const Node& n : nodes) {
            byObject.insert(n.object, n);
            names << n.name;
        }
        const QList<std::pair<QObject*, QString>> expected = {
            {w.txtMainChat(), "Received text"},
            {w.txtTXChat(), "Text to send"},
            {w.cmdEnviar(), "Send"},
            {w.progressBar(), "Sending progress"},
            {f.panel(Panel::Ptt), "Transmitter: receiving"},
            {f.panel(Panel::Indicativos), "Connection: none"},
            {f.panel(Panel::Bytes), "Bytes sent and received"},
            {f.panel(Panel::Tcp), "Modem link: up"},
            {f.panel(Panel::Margen1), "Status"},
        };
        for (const auto& [object, name] : expected) {
            QVERIFY2(byObject.contains(object), qPrintable(object->objectName() + " is not in the tree"));
            QCOMPARE(byObject[object].name, name);
            QVERIFY2(!byObject[object].description.isEmpty(), qPrintable(name + " has no description"));
        }
        QCOMPARE(byObject[w.txtMainChat()].role, QAccessible::EditableText);
        QCOMPARE(byObject[w.cmdEnviar()].role, QAccessible::Button);
        // The design's names stay names of objects only.
        for (const char* design : {"Margen1", "PTT", "Indicativos", "Bytes", "TCP", "txtMainChat", "txtTXChat",
                                   "cmdEnviar", "ProgressBar", "stbStatus", "RX Screen", "TX Screen"})
            QVERIFY2(!names.contains(design), design);
        // Every command of the menu bar has a name of its own.
        for (QAction* a : w.menuBar()->actions())
            if (a->isVisible())
                QVERIFY(!spoken(a).isEmpty() || !a->text().isEmpty());
        QVERIFY(boxes.verify());
    }

    // A macro button shows and says its key, with the label after it.
    void macroButtonsNameTheirKey()
    {
        TerminalFixture f;
        QVERIFY(f.loadWithoutProgram("[Options]\r\nShow Macro Bar=1\r\n[Macros]\r\nF1 Label=CQ\r\nF1 Text=CQ\r\n"
                                     "F2 Label=Name & QTH\r\nF2 Text=NAME\r\nF3 Text=TU\r\n"));
        const std::tuple<const char*, const char*, const char*> buttons[] = {
            {"cmdMacro1", "F1 CQ", "F1 CQ"},
            {"cmdMacro2", "F2 Name && QTH", "F2 Name & QTH"},
            {"cmdMacro3", "F3", "F3"},
            {"cmdMacro12", "F12", "F12"},
        };
        for (const auto& [name, text, said] : buttons) {
            auto* b = f.window->findChild<QToolButton*>(name);
            QVERIFY2(b, name);
            QCOMPARE(b->text(), QString(text));
            QCOMPARE(spoken(b), QString(said));
        }
    }

    void panelsFollowTheConnection()
    {
        MessageBoxRecorder boxes;
        Linked f;
        QVERIFY(f.start());
        QFrame* connection = f.panel(Panel::Indicativos);
        QFrame* bytes = f.panel(Panel::Bytes);
        QFrame* ptt = f.panel(Panel::Ptt);

        f.station->terminal.ShowConnecting();
        QTRY_COMPARE(spoken(connection), QString("Connection: calling N0CALL-2"));
        f.modem.sendLine("CONNECTED N0CALL-1 N0CALL-2 2300");
        QTRY_COMPARE(spoken(connection), QString("Connection: N0CALL-1 with N0CALL-2"));
        // The label inside says the same, so a reader landing there is not left with design text.
        QCOMPARE(spoken(f.window->stbStatus()->panelText(Panel::Indicativos)),
                 QString("Connection: N0CALL-1 with N0CALL-2"));

        f.modem.sendLine("PTT ON");
        QTRY_COMPARE(spoken(ptt), QString("Transmitter: transmitting"));
        f.modem.sendLine("PTT OFF");
        f.modem.sendData("HELLO\r");
        QTRY_COMPARE(spoken(bytes), QString("Bytes sent and received: 6 received"));

        f.modem.sendLine("DISCONNECTED");
        QTRY_COMPARE(spoken(connection), QString("Connection: none"));
        QCOMPARE(spoken(bytes), QString("Bytes sent and received"));
        f.modem.sendLine("CONNECTED N0CALL-3 N0CALL-1 2300 WIDE1 WIDE2");
        QTRY_COMPARE(spoken(connection), QString("Connection: N0CALL-3 with N0CALL-1 via WIDE1 and WIDE2"));

        f.modem.dropCommand();
        QTRY_COMPARE(spoken(f.panel(Panel::Tcp)), QString("Modem link: down"));
        QVERIFY(boxes.verify());
    }

    void everythingByKeyboard()
    {
        MessageBoxRecorder boxes;
        Linked f;
        QVERIFY(f.start());
        frmKeldoTerminal& w = *f.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QStringList reached = walkMenuBar(w);
        QVERIFY(!reached.isEmpty());
        f.modem.sendLine("CONNECTED N0CALL-2 N0CALL-1 2300");
        QTRY_VERIFY(w.cmdEnviar()->isVisible());

        // Tab goes round the panes and the send button.
        w.txtMainChat()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.txtMainChat()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.txtTXChat()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.cmdEnviar()));

        // The focused send button looks different, and Space presses it.
        const QImage focused = w.cmdEnviar()->grab().toImage();
        w.txtTXChat()->setFocus();
        QTRY_VERIFY(!w.cmdEnviar()->hasFocus());
        QVERIFY(w.cmdEnviar()->grab().toImage() != focused);
        QTest::keyClicks(w.txtTXChat(), "HI");
        w.cmdEnviar()->setFocus();
        QTest::keyClick(w.cmdEnviar(), Qt::Key_Space);
        QTRY_COMPARE(f.modem.dataReceived(), QByteArray("HI\r"));

        // Stop is enabled now, Connect and Clear were before: all met by keyboard.
        const QStringList before = reached;
        reached = walkMenuBar(w);
        for (const char* name : {"mnuSettings", "mnuEdit", "mnuConnect", "mnuStop", "mnuClear", "mnuHelp"})
            QVERIFY2(reached.contains(name) || before.contains(name), qPrintable(reached.join(',')));
        QVERIFY(boxes.verify());
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
