#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// Lines from standard input, read as they come without ever waiting in the
// event loop. A line longer than MaxLine is dropped whole rather than sent
// cut (told by lineTooLong). The end of the input is told once.
class ConsoleInput : public QObject
{
    Q_OBJECT
public:
    static constexpr qsizetype MaxLine = 16 * 1024;

    explicit ConsoleInput(int fd = 0, QObject* parent = nullptr);
    ~ConsoleInput() override;
    bool ended() const { return m_ended; }

signals:
    void lineRead(const QString& line);
    void lineTooLong();
    void inputEnded();

private:
    void readSome();
    void take(const char* data, qsizetype size);
    void finish();

    int m_fd;
    QSocketNotifier* m_notifier = nullptr;
    QByteArray m_line;
    bool m_overlong = false;
    bool m_ended = false;
};
