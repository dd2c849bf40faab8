#pragma once

#include "CallSign.h"
#include "Mode.h"
#include "PttMethod.h"
#include "RigNumbers.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <functional>

// Whether the modem program of the mode is started with the terminal and
// ended with it ("AutoLaunch"). Other is any other stored number: it
// launches nothing.
enum class AutoLaunch { Off, On, Other };
using AutoLaunchSetting = StoredChoice<AutoLaunch, quint8>;

// The in-memory settings, one member per INI key. Filled once by
// LoadSettings; changed by the dialogs and the main window; written back
// whole by SaveSettings.
struct Settings
{
    // [PTT]
    quint8 rig = DefaultRig;
    QString pttPort = QStringLiteral("COM1");
    QString catPort = QStringLiteral("COM1");
    QString baud = QStringLiteral("4800");
    quint8 pin = 1;
    // Lines raised while the CAT port is open: on only at 1. Numbers, not
    // bools: any stored byte is written back as it was read.
    quint8 rts = 0;
    quint8 dtr = 0;
    PttMethodSetting via = PttMethod::Vox;
    QString icomAddress;
    QString rigctldHost = QStringLiteral("localhost");
    int rigctldPort = 4532;

    // [Setup]
    int hfTcpPort = 8300;
    int fmTcpPort = 8300;
    int satTcpPort = 8300;
    QString hfHost = QStringLiteral("localhost");
    QString fmHost = QStringLiteral("localhost");
    QString satHost = QStringLiteral("localhost");
    QString myCallsign = QStringLiteral("N0CALL-1");
    QString connectWithHf = QStringLiteral("N0CALL-2");
    QString connectWithFm = QStringLiteral("N0CALL-2");
    QString connectWithSat = QStringLiteral("N0CALL-2");
    QString via1;
    QString via2;
    ModeSetting keldoMode = Mode::HF;
    QString keldoHfBw = QStringLiteral("2300");
    AutoLaunchSetting autoLaunch = AutoLaunch::On;
    CallSignList connectHfList;
    CallSignList connectFmList;
    CallSignList via1List;
    CallSignList via2List;
    CallSignList connectSatList;
    QString keldoHfPath = QStringLiteral("C:\\KELDO\\KELDO.exe");
    QString keldoFmPath = QStringLiteral("C:\\KELDO FM\\KELDOFM.exe");
    QString keldoSatPath = QStringLiteral("C:\\KELDO\\KELDOSAT.exe");
    quint8 fontSize = 10;
    QString colour = QStringLiteral("Black");

    // [Position], in twips
    qint32 topPosition = 870;
    qint32 leftPosition = 2325;
    qint32 terminalWidth = 8145;
    qint32 terminalHeight = 6105;
    qint16 windowState = 0;

    // [Path]
    QString loadPathFile = defaultPathFolder();
    QString savePathFile = defaultPathFolder();

    // [Options]: features beyond the original design.
    // Longest continuous keying in seconds before the terminal unkeys by
    // itself; 0 turns the time-out off.
    int pttTimeoutSeconds = 300;
    // Own text and banners in colours of their own in the RX screen.
    bool speakerColours = false;
    // An incoming call also raises a desktop notification and a sound.
    bool notifyIncomingCall = false;
    // What the keyer does on its own (a port lost while keyed, the time-out)
    // is written on the RX screen too.
    bool keyerLines = true;
    // Each conversation appended to a daily file in logFolder (empty: the
    // "KELDO Terminal logs" folder beside the settings file).
    bool logConversations = false;
    QString logFolder;

    // [Ports]: COMn=device, read only (kept in the file like any unknown line).
    QMap<int, QString> portDevices;

    // The desktop folder, or the home folder when there is none.
    static QString defaultPathFolder();

    // What the stored mode takes from the settings; nullptr for Other.
    const ModeProfile* profile() const { return ProfileOf(keldoMode.value()); }
};

// Owns the settings and the file they live in ("KELDO Terminal.ini" in the
// program's folder unless useFile() names another).
class SettingsStore : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* FileName = "KELDO Terminal.ini";

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
    // Writes every setting. Returns false, after saveFailed, when the file
    // could not be written.
    bool SaveSettings();

    // Applies every setting to an INI document (for the save and for tests).
    void writeTo(class IniDocument& doc) const;
    void readFrom(const class IniDocument& doc);

signals:
    // A save failed; text says where and why, for the operator.
    void saveFailed(const QString& text);

private:
    // The file to read: the settings file, or the seed while there is none.
    QString sourcePath() const;

    QString m_folder;
    QString m_file;
    QString m_seed;
    Settings m_settings;
};

// Writes bytes to path through a temporary file in the same folder and a
// rename, keeping the old file's permissions. A path that is a link, or a
// chain of them, writes the file at the end of the chain: every link stays.
// A read-only file is not replaced. Returns false on any failure (with the
// reason in error); the old file is then untouched.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);
