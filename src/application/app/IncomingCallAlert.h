#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

// Asks for the operator's attention when a station calls: the window's
// urgency hint always; on request also a desktop notification (freedesktop
// notification service on the session bus) and a short sound. Without a bus
// or a notification service nothing is shown and nothing waits.
class IncomingCallAlert : public QObject
{
    Q_OBJECT
public:
    explicit IncomingCallAlert(QWidget* window, QObject* parent = nullptr);

    void announce(const QString& caller, bool notify);

    // The notification's body; notification servers read markup, so the
    // caller is escaped.
    static QString NotificationBody(const QString& caller);

    // What the platform does; tests replace these.
    std::function<void(QWidget*)> alertWindow;
    std::function<void()> playSound;

private:
    void sendNotification(const QString& body);

    QWidget* m_window;
};
