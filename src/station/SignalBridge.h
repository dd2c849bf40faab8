#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the GUI thread (the
// handler only writes a byte into a socket pair), so that the shutdown
// sequence runs as for a closed window.
class SignalBridge : public QObject
{
    Q_OBJECT
public:
    explicit SignalBridge(QObject* parent = nullptr);
    ~SignalBridge() override;

    // Readable once per termination signal, for the keying thread (-1 when none).
    int keyingFd() const;

signals:
    void terminationRequested(int signalNumber);

private:
    QSocketNotifier* m_notifier = nullptr;
};
