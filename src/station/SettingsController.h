#pragma once

#include <QString>

#include <optional>

#include "Choices.h"

class Station;

// The window's state and outer size in twips, as the settings keep them.
struct WindowPlacement
{
    qint16 state = 0; // 0 normal, 1 minimised, 2 maximised
    qint32 width = 0; // kept only in the normal state
    qint32 height = 0;
};

// The one way into the settings: a front end hands over the operator's
// choices (the desktop's dialogs, built from a copy of the settings, hand
// back one each), its menu choices and its placement, and this applies each
// to the running station and is the only one to write the file.
class SettingsController
{
public:
    explicit SettingsController(Station& station)
        : m_station(station)
    { }

    // Shutdown has begun: choices are no longer applied.
    bool shuttingDown() const;

    // Why the modem program the choice switches to cannot be started (the
    // operator's text); empty when it can or nothing is to be started.
    // Asked before anything is ended, so that a refusal changes nothing.
    QString programProblem(const SetupChoice& choice) const;

    // Setup, in the order the modem needs: the programs are switched, a
    // moved modem is unlinked, the settings taken over, MYCALL and BW sent,
    // the file saved, and the link reopened. During a connection (the dialog
    // then refuses any other change) only the alert words are taken and saved.
    void apply(const SetupChoice& choice);
    // PTT: the keyer takes the new keying (reopening its port), then the file is saved.
    void apply(const PttChoice& choice);
    // Connect: the boxes of the mode are stored; a call also pushes every
    // history list, saves and asks the modem to call.
    void apply(const ConnectChoice& choice);
    // Logbook: the rig and the loggers follow, then the file is saved.
    void apply(const LogbookChoice& choice);
    // Macros: the twelve and the bar's switch are stored and saved.
    void apply(const MacrosChoice& choice);
    // Remote access: the settings are saved, then the [Remote] keys the
    // choice changes are written (each only once set), and
    // remoteSettingsChanged follows when they are in the file.
    void apply(const RemoteChoice& choice);

    // The main window's menu choices, each saved as it is made.
    void setFontSize(int points);
    void setColour(const QString& scheme);
    void setSpeakerColours(bool on);
    void setNotifyIncomingCall(bool on);
    void setTimeStamps(bool on);
    void setLogConversations(bool on);
    void setShowMacroBar(bool on);
    // "[Options] Language": empty for the system's; read at the next start.
    void setLanguage(const QString& code);
    // A folder chosen by the operator; the default one stays "the default".
    void setLogFolder(const QString& chosen);
    // The window's state and size, written with every save; its position at shutdown.
    void setWindowPlacement(const WindowPlacement& placement) { m_placement = placement; }
    void setWindowPosition(qint32 topTwips, qint32 leftTwips);

    // Writes the settings file; false when it could not be written.
    bool save();

private:
    // Takes a choice, and saves when it changes the setting.
    template <typename T>
    void choose(T& setting, const T& value);

    Station& m_station;
    std::optional<WindowPlacement> m_placement;
};
