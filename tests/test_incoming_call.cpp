#include "app/IncomingCallAlert.h"
#include "support/MessageBoxRecorder.h"
#include "support/PrivateSessionBus.h"
#include "support/TerminalFixture.h"

#include <QLocalServer>
#include <QTemporaryDir>
#include <QtTest>

// An incoming call asks for attention: urgency hint always, a desktop
// notification and a sound when the operator asked for them.
class TestIncomingCall : public QObject
{
    Q_OBJECT

    PrivateSessionBus m_bus;

    struct Window : TerminalFixture
    {
        int alerts = 0;
        int sounds = 0;
        bool start(bool notify)
        {
            if (!loadWithModemAt(1,
                                 QByteArray("[Options]\r\nNotify on Incoming Call=") + (notify ? "1" : "0") + "\r\n"))
                return false;
            window->incomingCallAlert().alertWindow = [this](QWidget*) { ++alerts; };
            window->incomingCallAlert().playSound = [this] { ++sounds; };
            return true;
        }
        void line(const QString& text) { station->link.HandleCommandLine(text); }
    };

private slots:
    void initTestCase()
    {
        // Before anything asks for the session bus.
        QVERIFY2(m_bus.start(), qPrintable(m_bus.errorString()));
    }

    // First, before the bus is used: a bus that accepts and never answers
    // holds up neither the window nor the exit; notifications meanwhile are skipped, not queued.
    void silentBusCostsNothing()
    {
        QTemporaryDir dir;
        QLocalServer silent;
        QVERIFY(silent.listen(dir.filePath("bus")));
        const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(silent.fullServerName()));
        Window w;
        QVERIFY(w.start(true));
        IncomingCallAlert& alert = w.window->incomingCallAlert();
        alert.setBusTimeout(1000);
        bool ticked = false;
        QTimer::singleShot(0, this, [&] { ticked = true; });
        w.line("CONNECTED N0CALL-2 N0CALL-1 2300");
        QVERIFY(alert.notificationPending());
        QTRY_VERIFY(ticked);
        QTRY_VERIFY(silent.hasPendingConnections());
        w.line("DISCONNECTED");
        w.line("CONNECTED N0CALL-3 N0CALL-1 2300");
        QCOMPARE(w.sounds, 2);
        QCOMPARE(alert.notificationsStarted(), 1);
        // Given up after the bound: the next call tries again.
        QTRY_VERIFY_WITH_TIMEOUT(!alert.notificationPending(), 20000);
        w.line("DISCONNECTED");
        w.line("CONNECTED N0CALL-4 N0CALL-1 2300");
        QCOMPARE(alert.notificationsStarted(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(!alert.notificationPending(), 20000);
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    }

    void noServiceIsNoError()
    {
        MessageBoxRecorder boxes;
        Window w;
        QVERIFY(w.start(true));
        QVERIFY(w.window->action("mnuNotify")->isChecked());
        w.line("CONNECTED N0CALL-2 N0CALL-1 2300");
        QCOMPARE(w.alerts, 1);
        QCOMPARE(w.sounds, 1);
        QTest::qWait(50);
        QVERIFY(boxes.verify());
    }

    void notifiesOnlyIncomingCallsWhenAsked()
    {
        FakeNotifications fake;
        QVERIFY(fake.registerOn(m_bus));
        MessageBoxRecorder boxes;

        // Option off: the urgency hint only.
        {
            Window w;
            QVERIFY(w.start(false));
            QVERIFY(!w.window->action("mnuNotify")->isChecked());
            w.line("CONNECTED N0CALL-2 N0CALL-1 2300");
            QCOMPARE(w.alerts, 1);
            QCOMPARE(w.sounds, 0);
        }

        Window w;
        QVERIFY(w.start(true));
        // Our own call answered: nothing at all.
        w.station->terminal.ShowConnecting();
        w.line("CONNECTED N0CALL-1 N0CALL-2 2300");
        QCOMPARE(w.alerts, 0);
        w.line("DISCONNECTED");

        // A caller whose call sign looks like markup reaches the server escaped.
        w.line("CONNECTED <B>X&Y N0CALL-1 2300");
        QCOMPARE(w.alerts, 1);
        QCOMPARE(w.sounds, 1);
        QTRY_COMPARE_WITH_TIMEOUT(fake.calls().size(), 1, 20000);
        // Messages of one sender arrive in order: had the others notified, theirs came first.
        const FakeNotifications::Call call = fake.calls().first();
        QCOMPARE(call.appName, QString("KELDO Terminal"));
        QCOMPARE(call.summary, QString("KELDO Terminal"));
        QCOMPARE(call.body, QString("&lt;B&gt;X&amp;Y is calling"));

        // Switched off from the menu: no more notifications.
        w.line("DISCONNECTED");
        w.window->action("mnuNotify")->trigger();
        QVERIFY(!w.station->s().notifyIncomingCall);
        w.line("CONNECTED N0CALL-3 N0CALL-1 2300");
        QCOMPARE(w.alerts, 2);
        w.window->action("mnuNotify")->trigger();
        w.line("DISCONNECTED");
        // Control characters of the caller are shown, and a NUL cuts nothing.
        // (A notification still on its way would have this one skipped.)
        QTRY_VERIFY(!w.window->incomingCallAlert().notificationPending());
        w.line(QString("CONNECTED N0CALL") + QChar(0x1b) + QChar(0) + "4 N0CALL-1 2300");
        QTRY_COMPARE_WITH_TIMEOUT(fake.calls().size(), 2, 20000);
        QCOMPARE(fake.calls().at(1).body, QString::fromUtf8("N0CALL\u241b\u24004 is calling"));
        QVERIFY(boxes.verify());
    }
};

QTEST_MAIN(TestIncomingCall)
#include "test_incoming_call.moc"
