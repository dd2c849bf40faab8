#pragma once

#include "ConsoleText.h"
#include "Lifecycle.h"

#include <QObject>
#include <QString>

#include <memory>

class ConsoleInput;
class ConsoleOutput;
class RxFeed;
class Station;

// The console front end: the station's conversation printed as it comes,
// its own lines marked ("* " what happened, "! " what went wrong), and
// typed lines sent or taken as commands. It answers the station's requests
// while its input is open; once closed, the station takes the safe choices
// and runs on until a signal ends it, as a service does.
class ConsoleFrontEnd : public QObject, public LifecycleFrontEnd
{
    Q_OBJECT
public:
    ConsoleFrontEnd(Station& station, ConsoleOutput& out, ConsoleInput& in, QObject* parent = nullptr);
    ~ConsoleFrontEnd() override;

    Lifecycle& lifecycle() { return *m_lifecycle; }
    // A line of the console's own: marker and text, on a line of its own.
    void say(QChar marker, const QString& text);

    // LifecycleFrontEnd: nothing to place or restore; closing ends the loop.
    void showStoredOptions() override { }
    void setProgramFolderFrom(const QString&) override { }
    void placeWindow(int, int) override { }
    void restoreStoredWindow() override { }
    void recordPositionForSave() override { }
    void closeOtherWindows() override { }
    void setWaitingToClose() override;
    void closeWindow() override;

private:
    void printReceived(const QString& text);
    void lineTyped(const QString& line);
    void printStatus();
    void printHelp();

    Station& m_station;
    ConsoleOutput& m_out;
    std::unique_ptr<Lifecycle> m_lifecycle;
    std::unique_ptr<RxFeed> m_feed;
    ConsoleTextFilter m_filter;
    QString m_remoteReason;
    bool m_answering = false;
    bool m_closed = false;
};
