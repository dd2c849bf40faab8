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
};
