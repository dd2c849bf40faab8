#include "PrivateSessionBus.h"

#include <QDBusConnectionInterface>
#include <QStandardPaths>

PrivateSessionBus::~PrivateSessionBus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000))
            m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
}

bool PrivateSessionBus::start()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (program.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon not found (Debian package dbus-daemon)");
        return false;
    }
    m_daemon.setProgram(program);
    m_daemon.setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                           QStringLiteral("--print-address=1")});
    m_daemon.start();
    if (!m_daemon.waitForStarted(10000)) {
        m_error = m_daemon.errorString();
        return false;
    }
    while (!m_daemon.canReadLine()) {
        if (!m_daemon.waitForReadyRead(20000)) {
            m_error = QStringLiteral("dbus-daemon printed no address: ")
                + QString::fromLocal8Bit(m_daemon.readAllStandardError());
            return false;
        }
    }
    m_address = QString::fromLatin1(m_daemon.readLine()).trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toLatin1());
    return !m_address.isEmpty();
}

FakeNotifications::~FakeNotifications()
{
    if (!m_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_connectionName);
}

bool FakeNotifications::registerOn(const PrivateSessionBus& bus)
{
    m_connectionName = QStringLiteral("fake-notifications");
    QDBusConnection c = QDBusConnection::connectToBus(bus.address(), m_connectionName);
    return c.isConnected()
        && c.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this, QDBusConnection::ExportAllSlots)
        && c.registerService(QStringLiteral("org.freedesktop.Notifications"));
}

uint FakeNotifications::Notify(const QString& appName, uint, const QString&, const QString& summary,
                               const QString& body, const QStringList&, const QVariantMap& hints, int)
{
    m_calls.append({appName, summary, body, hints});
    return uint(m_calls.size());
}
