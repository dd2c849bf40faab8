#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

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
    // An alert word in what station sent: the same attention as a call.
    void announceAlertWord(const QString& station, const QString& word);

    // The notification's body; notification servers read markup, so the
    // caller is escaped, and its control characters are shown as pictures.
    static QString NotificationBody(const QString& caller);
    static QString AlertWordBody(const QString& station, const QString& word);

    // What the platform does; tests replace these.
    std::function<void(QWidget*)> alertWindow;
    std::function<void()> playSound;

    // A notification still waiting for the bus to answer; others are skipped meanwhile.
    bool notificationPending() const { return *m_pending; }
    int notificationsStarted() const { return m_started; }
    // How long the bus may take to answer before a notification is given up.
    void setBusTimeout(int ms) { m_busTimeoutMs = ms; }

private:
    void sendNotification(const QString& body);

    QWidget* m_window;
    // Shared with the worker, which may outlive this object.
    std::shared_ptr<std::atomic<bool>> m_pending = std::make_shared<std::atomic<bool>>(false);
    int m_started = 0;
    int m_busTimeoutMs = 3000;
};
