#pragma once

#include "settings/Mode.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

// What the web front end needs of the running station, and nothing more.
// The station implements it; tests use a fake.

// Who may send, call and stop. A browser is known by the id the server gave
// its connection.
struct ControllerId
{
    enum class Kind { Desktop, Console, Browser };
    Kind kind = Kind::Desktop;
    QString browser; // Browser only
    friend bool operator==(const ControllerId& a, const ControllerId& b)
    {
        return a.kind == b.kind && a.browser == b.browser;
    }
    friend bool operator!=(const ControllerId& a, const ControllerId& b) { return !(a == b); }
};

// A piece of the RX screen, in the order it was shown.
struct RemoteChunk
{
    enum class Kind { Received, Own, Event };
    QString text;
    Kind kind = Kind::Received;
    quint32 colour = 0xff000000; // the speaker's colour, a QRgb
};

// The TCP link lamp.
enum class LinkLamp { Down, Waiting, Up };
enum class RemoteConnection { Idle, Calling, Connected, Disconnecting };

struct RemoteStatus
{
    LinkLamp lamp = LinkLamp::Down;
    RemoteConnection connection = RemoteConnection::Idle;
    QString connectionText; // as the station's status bar says it
    bool ptt = false;
    qint64 bytesSent = 0;
    qint64 bytesReceived = 0;
    bool textQueued = false; // typed text not sent yet
    Mode mode = Mode::HF; // FM calls through up to two digipeaters
    QStringList macroLabels; // F1 to F12
};

// The station asks whether a finished QSO goes into the log.
struct QsoQuestion
{
    quint64 id = 0;
    QString call;
    QString text; // the question as the station words it
};

struct RemoteSnapshot
{
    QList<RemoteChunk> chunks; // the conversation so far
    RemoteStatus status;
    std::optional<QsoQuestion> pendingQso;
    ControllerId controller;
};

class RemoteStation : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual RemoteSnapshot snapshot() const = 0;
    virtual ControllerId controller() const = 0;

    // Commands; the server calls them only for the front end in control.
    // A line typed and sent with Enter, without its line end: the station
    // ends it as the desktop's Enter does.
    virtual void sendText(const QString& text) = 0;
    virtual void connectTo(const QString& call, const QString& via1, const QString& via2) = 0;
    // What the Stop button does. Must keep the text still queued.
    virtual void stop() = 0;
    virtual void clear() = 0;
    virtual void sendMacro(int n) = 0; // 1..12
    virtual void answerQso(quint64 id, bool log) = 0;
    virtual void takeControl(const ControllerId& who) = 0;
    // The controlling browser stopped answering and stop() was called: the
    // station tells the operator (RX screen, keying.log).
    virtual void controlLinkLost(const ControllerId& who) = 0;

signals:
    void rxAppended(const RemoteChunk& chunk);
    void rxCleared();
    void statusChanged(const RemoteStatus& status);
    void qsoQuestion(const QsoQuestion& question);
    void qsoSettled(quint64 id); // answered, by anyone
    void controlChanged(const ControllerId& who);
};
