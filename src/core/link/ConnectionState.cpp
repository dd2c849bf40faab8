#include "ConnectionState.h"

#include <limits>

void ConnectionState::connected(const Protocol::ConnectedFields& f)
{
    if (f.hasCall1)
        ConnectedCall1 = f.call1;
    if (f.hasCall2)
        ConnectedCall2 = f.call2;
    ConnectedVia1 = f.via1;
    ConnectedVia2 = f.via2;
    LastSpeaker = Talker::Nobody;
    ConnectionActive = true;
}

void ConnectionState::reset()
{
    ConnectionActive = false;
    AbortRequested = false;
    OutgoingCall = false;
    BytesToSend = 0;
    BytesReceived = 0;
    PendingEcho.clear();
    LastSpeaker = Talker::Nobody;
}

void ConnectionState::linkLost()
{
    ConnectionActive = false;
}

void ConnectionState::abortRequested()
{
    AbortRequested = true;
}

void ConnectionState::callingOut()
{
    OutgoingCall = true;
    AbortRequested = false;
}

void ConnectionState::blockWritten(const QString& echo, qint64 written)
{
    PendingEcho = echo;
    // Counts what actually went to the socket: a block lost to a dead link is
    // 0 bytes, and the display refresh then ends the Sending state.
    BytesToSend = qint32(qMin<qint64>(written, std::numeric_limits<qint32>::max()));
}

void ConnectionState::bufferReported()
{
    BytesReceived = 0;
}

void ConnectionState::blockDelivered()
{
    PendingEcho.clear();
    BytesToSend = 0;
    LastSpeaker = Talker::ThisStation;
}

void ConnectionState::blockAbandoned()
{
    BytesToSend = 0;
}

void ConnectionState::echoDropped()
{
    PendingEcho.clear();
}

void ConnectionState::textReceived(qint64 bytes)
{
    LastSpeaker = Talker::OtherStation;
    if (BytesReceived < std::numeric_limits<qint64>::max() - bytes)
        BytesReceived += bytes;
}
