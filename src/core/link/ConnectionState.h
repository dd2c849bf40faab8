#pragma once

#include "link/CommandProtocol.h"

#include <QString>

// Who spoke last in the conversation: a change of speaker opens a new turn
// with the speaker's call sign.
enum class Talker { Nobody, OtherStation, ThisStation };

// The connection variables: one set for the whole program, shared by the
// command protocol, the supervision and the text display. The link and the
// terminal change them only through the transitions below; the fields stay
// readable for the display and for tests that set up a state.
struct ConnectionState
{
    bool ConnectionActive = false;
    bool AbortRequested = false;
    bool OutgoingCall = false;
    Talker LastSpeaker = Talker::Nobody;
    qint32 BytesToSend = 0; // size of the outstanding block, 0 when none
    qint64 BytesReceived = 0; // 64-bit so no amount of received text can wrap it
    QString PendingEcho;
    QString ConnectedCall1;
    QString ConnectedCall2;
    QString ConnectedVia1;
    QString ConnectedVia2;

    // The other station of the connection.
    const QString& OtherStation() const { return OutgoingCall ? ConnectedCall2 : ConnectedCall1; }

    // ---- Transitions --------------------------------------------------------
    // "CONNECTED": the stations as the line names them (calls it leaves out
    // keep their values, digipeaters it leaves out clear); a new conversation.
    void connected(const Protocol::ConnectedFields& f);
    // "DISCONNECTED": everything back to no connection.
    void reset();
    // A supervision pass found a channel down: the connection cannot go on.
    void linkLost();
    // Stop: "ABORT" is on its way to the modem.
    void abortRequested();
    // This station calls out: the next CONNECTED answers our own call.
    void callingOut();

    // A block of typed text went to the data socket: what to echo once the
    // modem has sent it all, and how many bytes the socket took.
    void blockWritten(const QString& echo, qint64 written);
    // The modem reported its buffer: the receive counter starts over.
    void bufferReported();
    // The modem sent the whole block: echoed, and this station spoke last.
    void blockDelivered();
    // A block that will never complete is forgotten.
    void blockAbandoned();
    // The echo of a block cut off by the connection's end is dropped.
    void echoDropped();
    // Text from the other station arrived: it spoke last.
    void textReceived(qint64 bytes);
};
