#pragma once

// PrivateSessionBus: a session D-Bus of the test's own (dbus-daemon), so
// desktop services can be faked without touching the machine's bus.
//
//   PrivateSessionBus bus;                       // before the first sessionBus() use
//   QVERIFY2(bus.start(), qPrintable(bus.errorString()));
//   FakeNotifications fake;
//   QVERIFY(fake.registerOn(bus));               // org.freedesktop.Notifications
//   ... QTRY_COMPARE(fake.calls().size(), 1);
//
// start() points DBUS_SESSION_BUS_ADDRESS at the new bus; the destructor ends
// the daemon.
#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>

class PrivateSessionBus
{
public:
    PrivateSessionBus() = default;
    ~PrivateSessionBus();
    bool start();
    QString address() const { return m_address; }
    QString errorString() const { return m_error; }

private:
    QProcess m_daemon;
    QString m_address;
    QString m_error;
};

// Records every Notify call it receives, as a notification server would get it.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call
    {
        QString appName;
        QString summary;
        QString body;
        QVariantMap hints;
    };

    ~FakeNotifications() override;
    // Takes the service name on its own connection to the bus.
    bool registerOn(const PrivateSessionBus& bus);
    QList<Call> calls() const { return m_calls; }

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int expireTimeout);
    QStringList GetCapabilities() { return {QStringLiteral("body"), QStringLiteral("body-markup")}; }

private:
    QString m_connectionName;
    QList<Call> m_calls;
};
