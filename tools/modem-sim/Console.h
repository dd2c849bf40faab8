#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// One line of the protocol log on stdout, flushed at once so a watcher (or a
// test reading the pipe) sees it immediately.
void logLine(const QString& line);

// Control lines from standard input. End of input only stops reading: a modem
// started with no console (or /dev/null) keeps serving.
class StdinReader : public QObject
{
    Q_OBJECT
public:
    explicit StdinReader(QObject* parent = nullptr);
    ~StdinReader() override;

signals:
    void lineRead(const QString& line);

private:
    void onReadable();
    void deliver(const QByteArray& chunk);

    QSocketNotifier* m_notifier = nullptr;
    QByteArray m_buffer;
    bool m_discarding = false;
};

// SIGTERM and SIGINT quit the event loop instead of killing the process, so
// sockets are closed in order. SIGPIPE is ignored: a reader that went away
// must not end the modem.
void installQuitSignals(QObject* app);
