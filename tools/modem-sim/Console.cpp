#include "Console.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QSocketNotifier>

#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {
constexpr int kMaxControlLine = 64 * 1024;
}

void logLine(const QString& line)
{
    const QByteArray b = line.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

StdinReader::StdinReader(QObject* parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (::fcntl(STDIN_FILENO, F_GETFD) == -1)
        return; // no stdin at all
    m_notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StdinReader::onReadable);
#else
    // No readiness notification for console handles here: a detached thread
    // blocks on reading and hands complete lines to the event loop.
    QPointer<StdinReader> self(this);
    std::thread([self]() {
        std::string s;
        while (std::getline(std::cin, s)) {
            const QByteArray chunk = QByteArray::fromStdString(s) + '\n';
            QObject* app = QCoreApplication::instance();
            if (!app)
                return;
            QMetaObject::invokeMethod(
                app,
                [self, chunk]() {
                    if (self)
                        self->deliver(chunk);
                },
                Qt::QueuedConnection);
        }
    }).detach();
#endif
}

StdinReader::~StdinReader() = default;

void StdinReader::onReadable()
{
#ifdef Q_OS_UNIX
    char buf[4096];
    const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
    if (n > 0) {
        deliver(QByteArray(buf, int(n)));
        return;
    }
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    // End of input or a broken descriptor: stop watching, keep serving.
    m_notifier->setEnabled(false);
    if (!m_buffer.isEmpty() && !m_discarding)
        emit lineRead(QString::fromUtf8(m_buffer));
    m_buffer.clear();
#endif
}

void StdinReader::deliver(const QByteArray& chunk)
{
    int start = 0;
    while (start < chunk.size()) {
        const int nl = chunk.indexOf('\n', start);
        const int end = nl < 0 ? int(chunk.size()) : nl;
        if (!m_discarding) {
            m_buffer.append(chunk.constData() + start, end - start);
            if (m_buffer.size() > kMaxControlLine) {
                m_buffer.clear();
                m_discarding = true;
                logLine(QStringLiteral("# control line longer than 64 KiB discarded"));
            }
        }
        if (nl < 0)
            break;
        if (!m_discarding) {
            QByteArray line = m_buffer;
            if (line.endsWith('\r'))
                line.chop(1);
            emit lineRead(QString::fromUtf8(line));
        }
        m_buffer.clear();
        m_discarding = false;
        start = nl + 1;
    }
}

#ifdef Q_OS_UNIX
namespace {
int g_signalPipe[2] = {-1, -1};

void onQuitSignal(int sig)
{
    const char c = char(sig);
    const ssize_t r = ::write(g_signalPipe[0], &c, 1);
    (void)r;
}
} // namespace
#endif

void installQuitSignals(QObject* app)
{
#ifdef Q_OS_UNIX
    std::signal(SIGPIPE, SIG_IGN);
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto* n = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, app);
    QObject::connect(n, &QSocketNotifier::activated, app, [n]() {
        char c = 0;
        const ssize_t r = ::read(g_signalPipe[1], &c, 1);
        (void)r;
        n->setEnabled(false);
        logLine(QStringLiteral("# signal %1: exiting").arg(int(c)));
        QCoreApplication::quit();
    });
    struct sigaction sa = {};
    sa.sa_handler = onQuitSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
#else
    Q_UNUSED(app);
#endif
}
