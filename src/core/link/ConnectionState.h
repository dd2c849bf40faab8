#pragma once

#include <QString>

// The connection variables: one set for the whole program, shared by the
// command protocol, the supervision and the text display.
struct ConnectionState
{
    quint8 ConnectionActive = 0;
    quint8 AbortRequested = 0;
    quint8 OutgoingCall = 0;
    quint8 LastSpeaker = 0;      // 0 nobody yet, 1 the other station, 2 this station
    qint32 BytesToSend = 0;      // size of the outstanding block, 0 when none
    qint64 BytesReceived = 0;    // 64-bit so no amount of received text can wrap it
    QString PendingEcho;
    QString ConnectedCall1;
    QString ConnectedCall2;
    QString ConnectedVia1;
    QString ConnectedVia2;

    // The other station of the connection.
    const QString& OtherStation() const { return OutgoingCall == 1 ? ConnectedCall2 : ConnectedCall1; }
};
