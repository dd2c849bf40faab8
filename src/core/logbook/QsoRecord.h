#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// One contact as the logbook keeps it. Times are UTC.
struct QsoRecord
{
    QString call; // the other station, without SSID
    QString stationCallsign; // this station, without SSID
    QDateTime timeOn;
    QDateTime timeOff;
    std::optional<qint64> frequencyHz;
    QString mode;
    QString submode;
    QString rstSent;
    QString rstReceived;
    QString name;
    QString qth;
    QString gridSquare;
    QString comment;
    QString myGridSquare; // this station's locator
    QString txPower; // watts, as the operator wrote them
};

// The longest text kept of a call that is no call sign.
inline constexpr int MaxRawCallLength = 64;

// The record as it leaves the terminal, to the file and to the loggers: the
// other station's call only when it is a call sign by the terminal's rule
// (else empty, and its text, made ASCII and bounded, heads the comment), and
// no control characters in any text (line breaks and tabs become spaces).
QsoRecord LoggableQso(const QsoRecord& qso);
// text without control characters: line breaks and tabs become spaces,
// others are dropped.
QString WithoutControls(const QString& text);
