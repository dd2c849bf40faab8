#pragma once

#include "CallSign.h"
#include "MacroSet.h"
#include "Mode.h"
#include "PttMethod.h"
#include "RigNumbers.h"
#include "files/AtomicFile.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class IniDocument;

// Whether the modem program of the mode is started with the terminal and
// ended with it ("AutoLaunch"). Other is any other stored number: it
// launches nothing.
enum class AutoLaunch { Off, On, Other };
using AutoLaunchSetting = StoredChoice<AutoLaunch, quint8>;

// The in-memory settings, one member per INI key. Filled once by
// LoadSettings; changed by the dialogs and the main window; written back
// whole by SaveSettings. Each member's key, default and reading rule are in
// the table of SettingsTable.cpp.
struct Settings
{
    // Every member at its default.
    Settings();

    // [PTT]
    quint8 rig;
    QString pttPort;
    QString catPort;
    QString baud;
    quint8 pin;
    // Lines raised while the CAT port is open: on only at 1. Numbers, not
    // bools: any stored byte is written back as it was read.
    quint8 rts;
    quint8 dtr;
    PttMethodSetting via;
    QString icomAddress;
    QString rigctldHost;
    int rigctldPort;

    // [Setup]
    int hfTcpPort;
    int fmTcpPort;
    int satTcpPort;
    QString hfHost;
    QString fmHost;
    QString satHost;
    QString myCallsign;
    QString connectWithHf;
    QString connectWithFm;
    QString connectWithSat;
    QString via1;
    QString via2;
    ModeSetting keldoMode;
    QString keldoHfBw;
    AutoLaunchSetting autoLaunch;
    CallSignList connectHfList;
    CallSignList connectFmList;
    CallSignList via1List;
    CallSignList via2List;
    CallSignList connectSatList;
    QString keldoHfPath;
    QString keldoFmPath;
    QString keldoSatPath;
    quint8 fontSize;
    QString colour;

    // [Position], in twips
    qint32 topPosition;
    qint32 leftPosition;
    qint32 terminalWidth;
    qint32 terminalHeight;
    qint16 windowState;

    // [Path]
    QString loadPathFile;
    QString savePathFile;

    // [Options]: features beyond the original design.
    // Longest continuous keying in seconds before the terminal unkeys by
    // itself; 0 turns the time-out off.
    int pttTimeoutSeconds;
    // Own text and banners in colours of their own in the RX screen.
    bool speakerColours;
    // An incoming call also raises a desktop notification and a sound.
    bool notifyIncomingCall;
    // What the keyer does on its own (a port lost while keyed, the time-out)
    // is written on the RX screen too.
    bool keyerLines;
    // A failed call, a connection's end and what of a cut-off block went
    // out are written on the RX screen (and in the log).
    bool showCallEvents;
    // Own text goes on the RX screen on Enter, dimmed until it is on the air.
    bool showOwnTextAtOnce;
    // Enter during an over queues the text for when the block goes out.
    bool typeAhead;
    // Each speaker's header on the RX screen carries the UTC time, and a
    // date line comes before it when the UTC date changed.
    bool timeStamps;
    // Received text marked and announced where it holds the own call sign
    // (without SSID) or one of the comma-separated alert words.
    bool alertOnOwnCall;
    QString alertWords;
    // Each conversation appended to a daily file in logFolder (empty: the
    // "KELDO Terminal logs" folder beside the settings file).
    bool logConversations;
    QString logFolder;
    // The logbook: a record per connection that reached CONNECTED, in an ADIF
    // file beside the conversation log; asked for in a window unless
    // logWithoutAsking. Mode and submode as the operator's logbook names them.
    bool logQsos;
    bool logWithoutAsking;
    QString logMode;
    QString logSubmode;
    // A rigctld asked for the frequency alone when keying is not by rigctld
    // (empty host: none).
    QString rigControlHost;
    int rigControlPort;
    // Each logged QSO also goes out as the UDP messages logging programs read.
    bool sendQsosToLoggers;
    QString loggerHost;
    int loggerPort;
    // This station's locator and transmit power (watts) for each record;
    // empty: left out.
    QString myLocator;
    QString txPower;
    // The language shown: empty for the system's, "en", or a code such as
    // "de" or "pt_BR" (settings/Language.h); read at start-up.
    QString language;
    // The row of macro buttons under the TX box.
    bool showMacroBar;

    // [Macros]: F1 to F12.
    MacroSet macros;

    // [Ports]: COMn=device, read only (kept in the file like any unknown line).
    QMap<int, QString> portDevices;

    // The desktop folder, or the home folder when there is none.
    static QString defaultPathFolder();

    // What the stored mode takes from the settings; nullptr for Other.
    const ModeProfile* profile() const { return ProfileOf(keldoMode.value()); }
};

// Owns the settings and the file they live in ("KELDO Terminal.ini" in the
// program's folder unless useFile() names another).
class FileWriter;

class SettingsStore : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* FileName = "KELDO Terminal.ini";
    // A settings file larger than this is neither read nor replaced.
    static constexpr qint64 MaxFileBytes = 1 << 20;

    // folder: where the file lives; the program's folder when empty.
    explicit SettingsStore(const QString& folder = QString());

    Settings& s() { return m_settings; }
    const Settings& s() const { return m_settings; }

    QString folder() const { return m_folder; }
    QString filePath() const;
    // Reads and writes file instead; while it does not exist, seed (if
    // readable) gives the starting values and the first save's contents.
    void useFile(const QString& file, const QString& seed = QString());

    void LoadSettings();
    // Writes every setting. Without a writer, at once: false, after
    // saveFailed, when the file could not be written. With one, queued (a
    // save asked for while another waits joins it): false only when the
    // writer refused it; a failure comes later as saveFailed.
    bool SaveSettings();
    // Saves go through writer from now on (nullptr: written at once).
    void setWriter(FileWriter* writer);

    // Applies every setting to an INI document (for the save and for tests).
    void writeTo(class IniDocument& doc) const;
    void readFrom(const class IniDocument& doc);

    // Reads the settings file whole (a new one from its seed) under the
    // lock the saves of every copy take turns by, lets edit change it and
    // replaces it atomically: every byte edit does not touch is kept.
    static bool EditFile(const QString& path, const QString& seed, bool makeFolder,
                         const std::function<void(IniDocument&)>& edit, QString* why);

signals:
    // A save failed; text says where and why, for the operator.
    void saveFailed(const QString& text);
    // A save finished (after saveFailed when it failed).
    void saveFinished(bool ok);

private:
    // The file to read: the settings file, or the seed while there is none.
    QString sourcePath() const;

    // Reads the file (or its seed), applies settings and replaces it atomically,
    // under the file's lock; runs on the writer's thread.
    static bool SaveNow(const Settings& settings, const QString& path, const QString& seed, bool makeFolder,
                        QString* why);
    static QString FailureText(const QString& path, const QString& why);

    // The settings the queued save will write, empty once it has taken them.
    struct NextSave
    {
        std::mutex mutex;
        std::optional<Settings> settings;
    };

    FileWriter* m_writer = nullptr;
    std::shared_ptr<NextSave> m_next = std::make_shared<NextSave>();
    QString m_folder;
    QString m_file;
    QString m_seed;
    Settings m_settings;
};
