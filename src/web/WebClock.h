#pragma once

#include <QDateTime>

// The server's time, for sessions, throttling and the watchdog; tests
// advance their own.
class WebClock
{
public:
    virtual ~WebClock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTimeUtc(); }
};

class ManualClock : public WebClock
{
public:
    QDateTime now() const override { return m_now; }
    void advance(qint64 ms) { m_now = m_now.addMSecs(ms); }

private:
    QDateTime m_now = QDateTime::currentDateTimeUtc();
};
