#pragma once

#include "settings/Mode.h"

#include <QString>

class Session;

// What the operator chose in the setup dialog, read from its boxes.
struct SetupChoice
{
    struct Modem
    {
        qint64 port = 0; // the leading number of the command port box
        QString host;
        QString path; // the modem program's key text
    };
    Modem hf, fm, sat;
    Mode mode = Mode::Other; // the selected mode; Other when none is selected
    QString bandwidth; // "500", "2300" or "2750"; empty when none is selected
    QString callSign; // checked and upper-cased
    bool autoLaunch = false;
};

// Applies a setup choice to the running terminal, in the order the modem
// needs: the programs are switched, a moved modem is unlinked, the settings
// taken over, MYCALL and BW sent, the file saved, and the link reopened.
class SetupController
{
public:
    static constexpr int PortMin = 1025;
    static constexpr int PortMax = 65534;

    explicit SetupController(Session& session)
        : m_session(session)
    { }

    // Why the modem program the choice switches to cannot be started (the
    // operator's text); empty when it can or nothing is to be started.
    // Asked before anything is ended, so that a refusal changes nothing.
    QString programProblem(const SetupChoice& choice) const;

    void apply(const SetupChoice& choice);

private:
    struct Slot
    {
        Mode mode;
        const SetupChoice::Modem* chosen;
        int* port;
        QString* host;
        QString* path;
    };
    // The mode's slot; FM's for Other (no option selected).
    Slot slotOf(const SetupChoice& choice, Mode mode) const;
    bool programChanges(const SetupChoice& choice) const;

    Session& m_session;
};
