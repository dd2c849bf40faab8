#pragma once

#include "ptt/PttKeyer.h"

#include <QObject>

#include <optional>

// What a keyer has announced, as the window would hear it: the state and
// its reason, the failure standing since (until the next change or
// confirmation), and the ports it could not open. Core only.
class KeyingRecorder : public QObject
{
public:
    struct OpenFailure
    {
        QString port;
        QString detail;
    };

    KeyingState state = KeyingState::Receiving;
    KeyingReason reason = KeyingReason::ModemAsked;
    std::optional<KeyingFailure> failure;
    QList<OpenFailure> openFailures;

    explicit KeyingRecorder(PttKeyer& keyer)
    {
        connect(&keyer, &PttKeyer::keyingChanged, this, [this](KeyingState s, KeyingReason r) {
            state = s;
            reason = r;
            failure.reset();
        });
        connect(&keyer, &PttKeyer::keyingFailed, this, [this](const KeyingFailure& f) { failure = f; });
        connect(&keyer, &PttKeyer::keyingConfirmed, this, [this](KeyingState s) {
            state = s;
            failure.reset();
        });
        connect(&keyer, &PttKeyer::portOpenFailed, this, [this](const QString& port, const QString& detail) {
            openFailures.append({port, detail});
        });
    }

    bool transmitting() const { return state == KeyingState::Transmitting; }
    // Keyed or unkeyed as the modem asked, nothing amiss ("PTT ON", "PTT OFF").
    bool clean(KeyingState s) const
    {
        return state == s && !failure && (s == KeyingState::Transmitting || reason == KeyingReason::ModemAsked);
    }
    // The reason of the standing failure; empty when none stands.
    QString why() const { return failure ? failure->why : QString(); }

    // Takes the one port-open failure expected: of port, its detail starting so.
    bool takeOpenFailure(const QString& port, const QString& detailStart = QString())
    {
        if (openFailures.size() != 1 || openFailures[0].port != port || !openFailures[0].detail.startsWith(detailStart))
            return false;
        openFailures.clear();
        return true;
    }
};
