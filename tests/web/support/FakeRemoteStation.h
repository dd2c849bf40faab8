#pragma once

#include "RemoteStation.h"

#include <QStringList>

// A station that records the commands it gets and says what a test tells
// it to. Each command is recorded as one line ("send hello", "stop", ...).
class FakeRemoteStation : public RemoteStation
{
    Q_OBJECT
public:
    using RemoteStation::RemoteStation;

    QStringList calls;
    RemoteSnapshot state;

    RemoteSnapshot snapshot() const override { return state; }
    ControllerId controller() const override { return state.controller; }

    void sendText(const QString& text) override { calls << QStringLiteral("send ") + text; }
    void connectTo(const QString& call, const QString& via1, const QString& via2) override
    {
        calls << QStringLiteral("connect %1 %2 %3").arg(call, via1, via2).trimmed();
    }
    void stop() override { calls << QStringLiteral("stop"); }
    void clear() override
    {
        calls << QStringLiteral("clear");
        state.chunks.clear();
        emit rxCleared();
    }
    void sendMacro(int n) override { calls << QStringLiteral("macro %1").arg(n); }
    void answerQso(quint64 id, bool log) override
    {
        calls << QStringLiteral("qso %1 %2").arg(id).arg(log);
        state.pendingQso.reset();
        emit qsoSettled(id);
    }
    void takeControl(const ControllerId& who) override
    {
        state.controller = who;
        emit controlChanged(who);
    }
    void controlLinkLost(const ControllerId& who) override { calls << QStringLiteral("lost ") + who.browser; }

    // Scripting
    void show(const QString& text, RemoteChunk::Kind kind = RemoteChunk::Kind::Received, quint32 colour = 0xff0000ff)
    {
        const RemoteChunk chunk{text, kind, colour};
        state.chunks << chunk;
        emit rxAppended(chunk);
    }
    void setConnection(RemoteConnection connection, const QString& text)
    {
        state.status.connection = connection;
        state.status.connectionText = text;
        state.status.lamp = LinkLamp::Up;
        emit statusChanged(state.status);
    }
    void ask(quint64 id, const QString& call)
    {
        state.pendingQso = QsoQuestion{id, call, QStringLiteral("Log the QSO with %1?").arg(call)};
        emit qsoQuestion(*state.pendingQso);
    }
};
