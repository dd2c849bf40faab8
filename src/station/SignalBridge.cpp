#include "SignalBridge.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

static int g_signalFds[2] = {-1, -1};
// The keying thread's own pair: it unkeys even while the GUI thread is blocked.
static int g_keyingFds[2] = {-1, -1};

static void OnSignal(int number)
{
    const unsigned char byte = static_cast<unsigned char>(number);
    // Only async-signal-safe calls here.
    [[maybe_unused]] ssize_t n = ::write(g_keyingFds[0], &byte, 1);
    n = ::write(g_signalFds[0], &byte, 1);
}
#endif

SignalBridge::SignalBridge(QObject* parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (g_signalFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalFds) != 0)
        return;
    ::fcntl(g_signalFds[0], F_SETFL, O_NONBLOCK);
    if (g_keyingFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_keyingFds) == 0) {
        ::fcntl(g_keyingFds[0], F_SETFL, O_NONBLOCK);
        ::fcntl(g_keyingFds[1], F_SETFL, O_NONBLOCK);
    }
    m_notifier = new QSocketNotifier(g_signalFds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        if (::read(g_signalFds[1], &byte, 1) == 1)
            emit terminationRequested(byte);
    });
    struct sigaction sa = {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &sa, nullptr);
#endif
}

int SignalBridge::keyingFd() const
{
#ifdef Q_OS_UNIX
    return g_keyingFds[1];
#else
    return -1;
#endif
}

SignalBridge::~SignalBridge()
{
#ifdef Q_OS_UNIX
    struct sigaction sa = {};
    sa.sa_handler = SIG_DFL;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &sa, nullptr);
#endif
}
