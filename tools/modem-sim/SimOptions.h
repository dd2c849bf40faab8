#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QCoreApplication;

// Everything the practice modem can be told on its command line. The defaults
// suit a person watching the terminal; tests shrink the delays with --speed or
// take over the pace entirely with --step.
struct SimOptions
{
    enum class Reply { Echo, Text, None };

    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 8300; // command port; data is port + 1
    int bandwidth = 2300; // until a BW command says otherwise
    QStringList unreachable; // upper-case call signs that never answer
    Reply reply = Reply::Echo;
    QByteArray replyText; // with Reply::Text, CR already appended
    QString callIn; // station that calls by itself, or empty
    double callInAfterSeconds = 10.0;
    bool step = false;
    double speed = 1.0;
    int connectDelayMs = 2000; // CONNECT -> CONNECTED / DISCONNECTED
    int abortDelayMs = 500; // ABORT -> DISCONNECTED
    int pttDelayMs = 200; // data -> PTT ON, and BUFFER 0 -> PTT OFF
    int reportMs = 500; // between BUFFER reports
    int replyDelayMs = 1500; // PTT OFF -> first byte of the answer
    int fragmentGapMinMs = 50; // between fragments of the answer
    int fragmentGapMaxMs = 250;
    quint32 seed = 1;

    // A delay as the program should wait it, after --speed.
    int scaled(int ms) const;

    // Bytes of user data the modem sends per report at a bandwidth. Not scaled by
    // --speed, so counts stay the same whatever the pace.
    int bytesPerReport(int bw) const;
    static int bytesPerSecond(int bw);

    // Parses the application's arguments; --help and --version print and exit.
    // Returns false with a message for values that make no sense.
    static bool parse(const QCoreApplication& app, SimOptions& out, QString& error);
};

// "\r", "\n", "\t", "\0", "\\" and "\xHH" in control lines and reply texts,
// so a test can put any byte on the wire. Other characters go out as Latin-1.
QByteArray decodeEscapes(const QString& text);

// Bytes as one printable line for the protocol log: control bytes escaped,
// long runs cut short.
QString printable(const QByteArray& bytes, int maxChars = 200);
