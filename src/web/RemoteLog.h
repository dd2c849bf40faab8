#pragma once

#include <QHostAddress>
#include <QString>

class FileWriter;
class WebClock;

// remote.log: who logged in, failed, was throttled, took control, and the
// watchdog's stops. One ASCII line each, UTC time first; bounded like the
// keying trace.
class RemoteLog
{
public:
    static constexpr qint64 MaxBytes = 1 << 20;

    // path empty: nothing is written.
    RemoteLog(FileWriter* files, QString path, const WebClock& clock);
    void write(const QHostAddress& from, const QString& what) const;
    void write(const QString& what) const; // not about one address
    QString path() const { return m_path; }

private:
    FileWriter* m_files;
    QString m_path;
    const WebClock& m_clock;
};
