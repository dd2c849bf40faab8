#include "ConsoleInput.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#else
#include <io.h>
#endif

ConsoleInput::ConsoleInput(int fd, QObject* parent)
    : QObject(parent)
    , m_fd(fd)
{
    m_notifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ConsoleInput::readSome);
}

ConsoleInput::~ConsoleInput() = default;

void ConsoleInput::readSome()
{
    // One read per wake-up: the notifier says a read will not wait.
    char buffer[4096];
#ifdef Q_OS_UNIX
    ssize_t n;
    do
        n = ::read(m_fd, buffer, sizeof buffer);
    while (n < 0 && errno == EINTR);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return;
#else
    const int n = ::_read(m_fd, buffer, sizeof buffer);
#endif
    if (n <= 0) {
        finish();
        return;
    }
    take(buffer, qsizetype(n));
}

void ConsoleInput::take(const char* data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c == '\n') {
            if (m_line.endsWith('\r'))
                m_line.chop(1);
            const bool overlong = m_overlong;
            m_overlong = false;
            const QString line = QString::fromLocal8Bit(m_line);
            m_line.clear();
            if (overlong)
                emit lineTooLong();
            else
                emit lineRead(line);
            if (m_ended)
                return;
        } else if (m_line.size() < MaxLine) {
            m_line += c;
        } else {
            m_overlong = true;
        }
    }
}

void ConsoleInput::finish()
{
    if (m_ended)
        return;
    m_notifier->setEnabled(false);
    // A last line without its line break still counts.
    if (!m_line.isEmpty() || m_overlong)
        take("\n", 1);
    m_ended = true;
    emit inputEnded();
}
