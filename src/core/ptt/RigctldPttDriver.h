#pragma once

#include "KeyingConfig.h"
#include "KeyingStateFields.h"
#include "PttDriver.h"

#include <QPointer>

#include <memory>

class RigctldClient;

// rigctld: "T 1" / "T 0" over the kept connection to its address. The
// outcome comes later: confirmed() or errorOccurred().
class RigctldPttDriver : public PttDriver
{
    Q_OBJECT
public:
    RigctldPttDriver(const RigctldConfig& config, std::shared_ptr<RigctldLinks> links);

    // Its lines of the keying state file, and whether an entry read back
    // names a radio it can unkey.
    static void writeState(const KeyingConfig& config, KeyingStateOut& out);
    static void readState(KeyingConfig& config, KeyingStateIn& line);
    static bool stateUsable(const KeyingConfig& config, bool keyed);

    bool keysRadio() const override { return true; }
    KeyingResult key() override;
    KeyingResult unkey() override;
    // "T 0" even for a "T 1" this run never sent (RigctldClient::unkeyAnyway).
    KeyingResult unkeyAnyway() override;

    QString where() const override;
    QString describe() const override;
    void describeTo(KeyingTraceLine& line) const override;

    bool confirmsLater() const override { return true; }
    bool unkeyPending() const override;
    bool unkeyConfirmed() const override;
    void keepOnlyOwnLink(RigctldLinks& links) const override;

private:
    RigctldClient& client();
    RigctldClient* existing() const;

    RigctldConfig m_config;
    std::shared_ptr<RigctldLinks> m_links;
    QPointer<RigctldClient> m_heard; // the client whose signals are passed on
};
