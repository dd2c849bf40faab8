#include "KeyingThread.h"

#include "link/CommandChannel.h"
#include "link/CommandProtocol.h"

#include <QDeadlineTimer>
#include <QSemaphore>
#include <QSocketNotifier>

#include <atomic>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// The thread's own objects are made and destroyed in run(), on the thread.
class KeyingThread::Runner : public QThread
{
public:
    QSemaphore ready;
    PttKeyer* keyer = nullptr;
    CommandChannel* channel = nullptr;

protected:
    void run() override
    {
        PttKeyer k;
        CommandChannel c;
        // The keyer hears the modem here, before the GUI thread does.
        QObject::connect(&c, &CommandChannel::lineReceived, &k, [&k](const QString& line) {
            switch (Protocol::KindOf(line)) {
            case Protocol::LineKind::PttOn:
                k.PttOn();
                break;
            case Protocol::LineKind::PttOff:
                k.PttOff();
                break;
            case Protocol::LineKind::Disconnected:
                k.releaseAfterGrace(KeyingReason::ConnectionEnded);
                break;
            default:
                break;
            }
        });
        // The modem can no longer say "PTT OFF".
        QObject::connect(&c, &CommandChannel::linkLost, &k, [&k] {
            k.endTimeoutHold();
            k.releaseNow(KeyingReason::LinkLost);
        });
        keyer = &k;
        channel = &c;
        ready.release();
        exec();
        // Anything still keyed is let go before the objects go.
        c.close();
        k.ClosePttPort();
    }
};

KeyingThread::KeyingThread(QObject* parent)
    : QObject(parent)
    , m_thread(std::make_unique<Runner>())
{
    m_thread->setObjectName(QStringLiteral("keying"));
    m_thread->start(QThread::TimeCriticalPriority);
    m_thread->ready.acquire();
    m_keyer = m_thread->keyer;
    m_channel = m_thread->channel;
}

KeyingThread::~KeyingThread()
{
    stop();
}

QThread* KeyingThread::keyingThread() const
{
    return m_thread.get();
}

void KeyingThread::post(std::function<void(PttKeyer&)> call)
{
    if (!m_keyer)
        return;
    QMetaObject::invokeMethod(
        m_keyer.data(), [keyer = m_keyer.data(), call = std::move(call)] { call(*keyer); }, Qt::QueuedConnection);
}

bool KeyingThread::runWaiting(const std::function<void(PttKeyer&)>& call, int waitMs)
{
    if (!m_keyer)
        return false;
    if (QThread::currentThread() == m_thread.get()) {
        call(*m_keyer);
        return true;
    }
    auto done = std::make_shared<QSemaphore>();
    post([call, done](PttKeyer& k) {
        call(k);
        done->release();
    });
    if (waitMs < 0) {
        done->acquire();
        return true;
    }
    return done->tryAcquire(1, waitMs);
}

void KeyingThread::OpenPttPort(const KeyingConfig& config)
{
    post([config](PttKeyer& k) { k.OpenPttPort(config); });
}

void KeyingThread::configure(const KeyingConfig& config)
{
    post([config](PttKeyer& k) { k.configure(config); });
}

void KeyingThread::PttOff()
{
    post([](PttKeyer& k) { k.PttOff(); });
}

void KeyingThread::releaseAfterGrace(KeyingReason why)
{
    post([why](PttKeyer& k) { k.releaseAfterGrace(why); });
}

void KeyingThread::watchTermination(int fd)
{
#ifdef Q_OS_UNIX
    if (fd < 0)
        return;
    post([fd](PttKeyer& k) {
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &k);
        QObject::connect(notifier, &QSocketNotifier::activated, &k, [fd, &k] {
            unsigned char byte = 0;
            if (::read(fd, &byte, 1) == 1)
                k.releaseNow(KeyingReason::Shutdown);
        });
    });
#else
    Q_UNUSED(fd);
#endif
}

std::optional<bool> KeyingThread::beginClose()
{
    auto answer = std::make_shared<std::atomic<bool>>(false);
    if (!runWaiting([answer](PttKeyer& k) { *answer = k.beginClose(); }, PttKeyer::ShutdownWaitMs))
        return std::nullopt;
    return answer->load();
}

bool KeyingThread::ClosePttPort()
{
    // The keyer's own wait, and a margin for the serial port's flush.
    return runWaiting([](PttKeyer& k) { k.ClosePttPort(); }, PttKeyer::ShutdownWaitMs + 1000);
}

bool KeyingThread::stop(int waitMs)
{
    if (!m_thread)
        return true;
    if (m_keyer) {
        // After everything asked before it.
        QThread* thread = m_thread.get();
        post([thread](PttKeyer&) { thread->quit(); });
    } else {
        m_thread->quit();
    }
    const bool ended = m_thread->wait(QDeadlineTimer(waitMs));
    m_keyer = nullptr;
    m_channel = nullptr;
    if (!ended) {
        // Stuck in a driver: left to the end of the process rather than waited for.
        qWarning("keying thread did not end within %d ms", waitMs);
        (void)m_thread.release();
        return false;
    }
    m_thread.reset();
    return true;
}
