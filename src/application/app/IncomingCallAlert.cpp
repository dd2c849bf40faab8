#include "IncomingCallAlert.h"

#include "encoding/ControlPictures.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QVariantMap>
#include <QWidget>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <thread>

namespace {

// Waits for fd to become ready for events, at most until deadline.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        const qint64 left = deadline.remainingTime();
        if (left == 0)
            return false;
        pollfd p{fd, events, 0};
        const int r = ::poll(&p, 1, int(left));
        if (r > 0)
            return true;
        if (r == 0 || errno != EINTR)
            return false;
    }
}

// Whether a bus on the unix socket named by one address entry ("path=..." or
// "abstract=...") answers the authentication greeting before the deadline.
bool UnixBusAnswers(const QByteArray& keys, const QDeadlineTimer& deadline)
{
    QByteArray path;
    bool abstract = false;
    for (const QByteArray& pair : keys.split(',')) {
        if (pair.startsWith("path=")) {
            path = QByteArray::fromPercentEncoding(pair.mid(5));
        } else if (pair.startsWith("abstract=")) {
            path = QByteArray::fromPercentEncoding(pair.mid(9));
            abstract = true;
        }
    }
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    const qsizetype offset = abstract ? 1 : 0;
    if (path.isEmpty() || path.size() + offset >= qsizetype(sizeof a.sun_path))
        return false;
    std::memcpy(a.sun_path + offset, path.constData(), size_t(path.size()));
    const socklen_t len =
        socklen_t(offsetof(sockaddr_un, sun_path) + size_t(offset + path.size()) + (abstract ? 0 : 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    bool answered = false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&a), len) == 0
        || ((errno == EINPROGRESS || errno == EAGAIN) && WaitFor(fd, POLLOUT, deadline))) {
        const QByteArray greeting =
            QByteArray(1, '\0') + "AUTH EXTERNAL " + QByteArray::number(qulonglong(::getuid())).toHex() + "\r\n";
        char reply[256];
        answered = ::send(fd, greeting.constData(), size_t(greeting.size()), MSG_NOSIGNAL) == greeting.size()
            && WaitFor(fd, POLLIN, deadline) && ::recv(fd, reply, sizeof reply, 0) > 0;
    }
    ::close(fd);
    return answered;
}

// Qt connects to the session bus synchronously and without a time limit, on
// a thread of its own that it waits for at exit: a bus that accepts and never
// answers would hold that thread, and with it the program's exit, for good.
// So the bus is first asked, with a bound, whether it answers at all. Only
// unix sockets can be asked; other transports are handed to Qt as they are.
bool SessionBusAnswers(int timeoutMs)
{
    QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (address.isEmpty()) {
        // No session bus address: asking for the bus anyway could try to
        // start one, which is not ours to do.
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (runtime.isEmpty() || ::access((runtime + "/bus").constData(), F_OK) != 0)
            return false;
        address = "unix:path=" + runtime + "/bus";
    }
    const QDeadlineTimer deadline(timeoutMs);
    for (const QByteArray& entry : address.split(';')) {
        if (entry.startsWith("unix:")) {
            if (UnixBusAnswers(entry.mid(5), deadline))
                return true;
        } else if (!entry.isEmpty()) {
            return true;
        }
    }
    return false;
}

} // namespace

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
    return ControlPictures::visible(caller, false).toHtmlEscaped() + QStringLiteral(" is calling");
}

QString IncomingCallAlert::AlertWordBody(const QString& station, const QString& word)
{
    return ControlPictures::visible(station, false).toHtmlEscaped() + QStringLiteral(" wrote \u201C")
        + ControlPictures::visible(word, false).toHtmlEscaped() + QStringLiteral("\u201D");
}

void IncomingCallAlert::announceAlertWord(const QString& station, const QString& word)
{
    if (alertWindow && m_window)
        alertWindow(m_window->window());
    sendNotification(AlertWordBody(station, word));
    if (playSound)
        playSound();
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
    // One at a time: a bus that is slow to answer gets no queue of them.
    if (m_pending->exchange(true))
        return;
    ++m_started;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(1)));
    hints.insert(QStringLiteral("category"), QStringLiteral("im.received"));
    call << QStringLiteral("KELDO Terminal") << uint(0) << QStringLiteral("call-start")
         << QStringLiteral("KELDO Terminal") << body << QStringList() << hints << int(-1);
    call.setAutoStartService(true);
    // The bus is reached on a thread of its own: nothing here waits for it.
    // The thread is detached, never joined: it ends by itself once the bus
    // answers or the bound passes, and shutdown must not wait for a bus.
    std::thread([pending = m_pending, call, timeoutMs = m_busTimeoutMs] {
        if (SessionBusAnswers(timeoutMs) && !QCoreApplication::closingDown()) {
            QDBusConnection bus = QDBusConnection::sessionBus();
            // Sent without waiting for an answer: a missing service is no error.
            if (bus.isConnected())
                bus.send(call);
        }
        pending->store(false);
    }).detach();
}
