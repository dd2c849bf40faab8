#include "IncomingCallAlert.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFileInfo>
#include <QVariantMap>
#include <QWidget>

IncomingCallAlert::IncomingCallAlert(QWidget* window, QObject* parent)
    : QObject(parent)
    , alertWindow([](QWidget* w) { QApplication::alert(w); })
    , playSound([] { QApplication::beep(); })
    , m_window(window)
{ }

QString IncomingCallAlert::NotificationBody(const QString& caller)
{
    if (caller.isEmpty())
        return QStringLiteral("A station is calling");
    return caller.toHtmlEscaped() + QStringLiteral(" is calling");
}

void IncomingCallAlert::announce(const QString& caller, bool notify)
{
    if (alertWindow && m_window)
        alertWindow(m_window->window());
    if (!notify)
        return;
    sendNotification(NotificationBody(caller));
    if (playSound)
        playSound();
}

void IncomingCallAlert::sendNotification(const QString& body)
{
    // No session bus address: asking for the bus anyway could try to start
    // one, which is not ours to do.
    const QString runtimeBus = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        && (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") || !QFileInfo::exists(runtimeBus)))
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(1)));
    hints.insert(QStringLiteral("category"), QStringLiteral("im.received"));
    call << QStringLiteral("KELDO Terminal") << uint(0) << QStringLiteral("call-start")
         << QStringLiteral("KELDO Terminal") << body << QStringList() << hints << int(-1);
    // Sent without waiting for an answer: a missing service is no error and
    // must not hold up the window.
    call.setAutoStartService(true);
    bus.asyncCall(call);
}
