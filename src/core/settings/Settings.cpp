#include "Settings.h"

#include "IniDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cmath>
#include <limits>
#include <optional>

namespace {

const QString PTT = QStringLiteral("PTT");
const QString Setup = QStringLiteral("Setup");
const QString Position = QStringLiteral("Position");
const QString Path = QStringLiteral("Path");
const QString Ports = QStringLiteral("Ports");
const QString Options = QStringLiteral("Options");

// The stored numbers of "Via" and "AutoLaunch". Any other number reads as
// Other and is written back as it was.
template <typename E>
struct Numbered
{
    E value;
    quint8 number;
};
constexpr Numbered<PttMethod> ViaNumbers[] = {
    {PttMethod::Cat, 1}, {PttMethod::Com, 2}, {PttMethod::Vox, 3}, {PttMethod::Rigctld, 5}};
constexpr Numbered<AutoLaunch> AutoLaunchNumbers[] = {{AutoLaunch::Off, 0}, {AutoLaunch::On, 1}};

template <typename E, size_t N>
StoredChoice<E, quint8> choiceOf(const Numbered<E> (&table)[N], quint8 number)
{
    for (const Numbered<E>& entry : table)
        if (entry.number == number)
            return entry.value;
    return StoredChoice<E, quint8>::other(number);
}

template <typename E, size_t N>
quint8 numberOf(const Numbered<E> (&table)[N], const StoredChoice<E, quint8>& choice)
{
    for (const Numbered<E>& entry : table)
        if (choice == entry.value)
            return entry.number;
    return choice.otherValue();
}

// "KELDO Mode": the spelling of a mode, or any other text as it is.
ModeSetting modeOf(const QString& text)
{
    for (Mode mode : KnownModes)
        if (text == QLatin1String(ProfileOf(mode)->iniName))
            return mode;
    return ModeSetting::other(text);
}

QString textOf(const ModeSetting& mode)
{
    const ModeProfile* profile = ProfileOf(mode.value());
    return profile ? QLatin1String(profile->iniName) : mode.otherValue();
}

// A whole decimal number, optionally signed, with an optional fraction:
// "12", " -3 ", "12.6", ".5". Anything else ("12abc", "1e3", "0x10", "")
// is not a number; the caller then falls back to the key's default rather
// than guessing what a damaged file meant.
std::optional<double> parseDecimal(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0 || i != n)
        return std::nullopt;
    bool ok = false;
    const double v = QStringView(t).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

class Reader
{
public:
    explicit Reader(const IniDocument& doc)
        : m_doc(doc)
    { }

    QString text(const QString& section, const char* key, const QString& def) const
    {
        return m_doc.value(section, QLatin1String(key), def);
    }

    // The stored text rounded to the nearest integer (halves to even, as the
    // original platform's conversion does); the default when it is no number
    // or out of [min, max].
    qint64 number(const QString& section, const char* key, qint64 def, qint64 min, qint64 max) const
    {
        const auto v = parseDecimal(m_doc.value(section, QLatin1String(key), QString::number(def)));
        if (!v)
            return def;
        const double r = std::nearbyint(*v);
        if (r < double(min) || r > double(max))
            return def;
        return qint64(r);
    }

    quint8 byte(const QString& section, const char* key, quint8 def) const
    {
        return quint8(number(section, key, def, 0, 255));
    }
    qint16 int16(const QString& section, const char* key, qint16 def) const
    {
        return qint16(
            number(section, key, def, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
    }
    qint32 int32(const QString& section, const char* key, qint32 def) const
    {
        return qint32(
            number(section, key, def, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
    }
    int port(const QString& section, const char* key, int def) const
    {
        return int(number(section, key, def, 0, 65535));
    }

    void list(const char* name, CallSignList& list) const
    {
        for (int i = 0; i < 10; ++i) {
            const QString key = QString::number(i) + QLatin1String(name);
            QString entry = m_doc.value(Setup, key, QString());
            if (!IsValidCallSign(entry))
                entry.clear();
            list[size_t(i)] = entry;
        }
    }

private:
    const IniDocument& m_doc;
};

class Writer
{
public:
    explicit Writer(IniDocument& doc)
        : m_doc(doc)
    { }

    void operator()(const QString& section, const char* key, const QString& value)
    {
        m_doc.setValue(section, QLatin1String(key), value);
    }
    void operator()(const QString& section, const char* key, qint64 value)
    {
        m_doc.setValue(section, QLatin1String(key), QString::number(value));
    }
    void list(const char* name, const CallSignList& list)
    {
        for (int i = 0; i < 10; ++i)
            m_doc.setValue(Setup, QString::number(i) + QLatin1String(name), list[size_t(i)]);
    }

private:
    IniDocument& m_doc;
};

void applyCallSignRule(QString& value)
{
    if (!IsValidCallSign(value))
        value.clear();
}

// Beside the settings file while a save writes it (with the process id).
constexpr const char* UnfinishedSaveInfix = ".unfinished-save-";

// As many links in a row as the system itself follows.
constexpr int MaxLinkHops = 40;

// The file a save replaces: the end of the chain of links, so that every
// link stays a link and the real file is the one updated. Empty, with the
// reason, when the chain does not end.
QString SaveTarget(const QString& path, QString* why)
{
#ifdef Q_OS_UNIX
    // Each link's text is taken as the system takes it: relative to the
    // link's folder, with no ".." folded away by hand (a folder on the way
    // may itself be a link).
    QByteArray current = QFile::encodeName(path);
    for (int hops = 0; hops <= MaxLinkHops; ++hops) {
        struct stat st;
        if (::lstat(current.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return QFile::decodeName(current); // missing: the save creates it
        QByteArray link(qMax<qsizetype>(st.st_size, 255) + 1, Qt::Uninitialized);
        ssize_t n;
        while ((n = ::readlink(current.constData(), link.data(), size_t(link.size()))) == link.size())
            link.resize(link.size() * 2);
        if (n <= 0) {
            if (why)
                *why = qt_error_string(errno);
            return QString();
        }
        link.truncate(n);
        if (link.startsWith('/')) {
            current = link;
        } else {
            const qsizetype slash = current.lastIndexOf('/');
            current = slash < 0 ? link : current.left(slash + 1) + link;
        }
    }
    if (why)
        *why = qt_error_string(ELOOP);
    return QString();
#else
    QString current = path;
    for (int hops = 0; hops <= MaxLinkHops; ++hops) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        current = info.symLinkTarget();
    }
    if (why)
        *why = QStringLiteral("Too many levels of symbolic links");
    return QString();
#endif
}

// A file its owner may not write is kept as it is, also by root, whom the
// permission bits do not stop; so is one that this user (not root) may not
// write, although the folder would let a rename replace it.
bool IsReadOnly(const QString& target)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(target);
    struct stat st;
    if (::stat(name.constData(), &st) != 0)
        return false;
    if (!(st.st_mode & S_IWUSR))
        return true;
    return ::geteuid() != 0 && ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0 && errno != ENOENT;
#else
    const QFileInfo info(target);
    return info.exists() && !info.isWritable();
#endif
}

void RemoveUnfinishedSaves(const QString& targetPath)
{
    const QFileInfo target(targetPath);
    QDir dir = target.absoluteDir();
    const QString prefix = target.fileName() + QLatin1String(UnfinishedSaveInfix);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name.startsWith(prefix))
            dir.remove(name);
}

} // namespace

QString Settings::defaultPathFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir::toNativeSeparators(folder);
}

SettingsStore::SettingsStore(const QString& folder)
    : m_folder(folder)
{
    if (m_folder.isEmpty())
        m_folder = QCoreApplication::applicationDirPath();
    if (m_folder.isEmpty())
        m_folder = QDir::currentPath();
}

QString SettingsStore::filePath() const
{
    return m_file.isEmpty() ? QDir(m_folder).filePath(QLatin1String(FileName)) : m_file;
}

void SettingsStore::useFile(const QString& file, const QString& seed)
{
    m_file = QFileInfo(file).absoluteFilePath();
    m_folder = QFileInfo(m_file).absolutePath();
    m_seed = seed;
}

QString SettingsStore::sourcePath() const
{
    const QFileInfo file(filePath());
    if (m_seed.isEmpty() || file.exists() || file.isSymLink() || !QFileInfo(m_seed).isReadable())
        return filePath();
    return m_seed;
}

void SettingsStore::readFrom(const IniDocument& doc)
{
    const Reader r(doc);
    Settings& s = m_settings;
    const Settings d;

    const QString pathDefault = Settings::defaultPathFolder();

    s.rig = r.byte(PTT, "Rig", d.rig);
    if (s.rig < 1 || s.rig > RigCount)
        s.rig = DefaultRig;
    s.pttPort = r.text(PTT, "PTTPort", d.pttPort);
    s.catPort = r.text(PTT, "CATPort", d.catPort);
    s.baud = r.text(PTT, "Baud", d.baud);
    s.pin = r.byte(PTT, "Pin", d.pin);
    s.rts = r.byte(PTT, "RTS", d.rts);
    s.dtr = r.byte(PTT, "DTR", d.dtr);
    quint8 via = r.byte(PTT, "Via", numberOf(ViaNumbers, d.via));
    if (via == 4) // reads as VOX
        via = 3;
    s.via = choiceOf(ViaNumbers, via);
    s.icomAddress = r.text(PTT, "Icom Address", d.icomAddress);
    s.rigctldHost = r.text(PTT, "Rigctld Host", d.rigctldHost);
    s.rigctldPort = r.port(PTT, "Rigctld Port", d.rigctldPort);

    s.hfTcpPort = r.port(Setup, "HF TCP Port", d.hfTcpPort);
    s.fmTcpPort = r.port(Setup, "FM TCP Port", d.fmTcpPort);
    s.satTcpPort = r.port(Setup, "SAT TCP Port", d.satTcpPort);
    s.hfHost = r.text(Setup, "HF Host", d.hfHost);
    s.fmHost = r.text(Setup, "FM Host", d.fmHost);
    s.satHost = r.text(Setup, "SAT Host", d.satHost);
    s.myCallsign = r.text(Setup, "My Callsign", d.myCallsign);
    s.connectWithHf = r.text(Setup, "Connect With HF", d.connectWithHf);
    s.connectWithFm = r.text(Setup, "Connect With FM", d.connectWithFm);
    s.connectWithSat = r.text(Setup, "Connect With SAT", d.connectWithSat);
    s.via1 = r.text(Setup, "Via1", d.via1);
    s.via2 = r.text(Setup, "Via2", d.via2);
    QString mode = r.text(Setup, "KELDO Mode", textOf(d.keldoMode));
    s.keldoHfBw = r.text(Setup, "KELDOHF BW", d.keldoHfBw);
    s.autoLaunch = choiceOf(AutoLaunchNumbers, r.byte(Setup, "AutoLaunch", numberOf(AutoLaunchNumbers, d.autoLaunch)));

    r.list("ConnectHF List", s.connectHfList);
    r.list("ConnectFM List", s.connectFmList);
    r.list("Via1 List", s.via1List);
    r.list("Via2 List", s.via2List);
    r.list("ConnectSAT List", s.connectSatList);

    // "KELDOFM1200" and the like are FM.
    const QString fm = QLatin1String(ProfileOf(Mode::FM)->iniName);
    if (mode.contains(fm))
        mode = fm;
    s.keldoMode = modeOf(mode);

    s.keldoHfPath = r.text(Setup, "KELDO HF Path", d.keldoHfPath);
    s.keldoFmPath = r.text(Setup, "KELDO FM Path", d.keldoFmPath);
    s.keldoSatPath = r.text(Setup, "KELDO SAT Path", d.keldoSatPath);
    s.fontSize = r.byte(Setup, "Font Size", d.fontSize);
    s.colour = r.text(Setup, "Colour", d.colour);

    applyCallSignRule(s.myCallsign);
    // The modem must be told a call: a stored value that leaves none (empty,
    // invalid, or a bare SSID such as "-5") reads as the default.
    if (CallSignBase(s.myCallsign).isEmpty())
        s.myCallsign = d.myCallsign;
    applyCallSignRule(s.connectWithHf);
    applyCallSignRule(s.connectWithFm);
    applyCallSignRule(s.connectWithSat);
    applyCallSignRule(s.via1);
    applyCallSignRule(s.via2);

    s.topPosition = r.int32(Position, "Top Position", d.topPosition);
    s.leftPosition = r.int32(Position, "Left Position", d.leftPosition);
    s.terminalWidth = r.int32(Position, "Terminal Width", d.terminalWidth);
    s.terminalHeight = r.int32(Position, "Terminal Height", d.terminalHeight);
    s.windowState = r.int16(Position, "Window State", d.windowState);

    s.loadPathFile = r.text(Path, "Load Path File", pathDefault);
    s.savePathFile = r.text(Path, "Save Path File", pathDefault);

    s.pttTimeoutSeconds = int(r.number(Options, "PTT Timeout", d.pttTimeoutSeconds, 0, 86400));
    s.speakerColours = r.number(Options, "Speaker Colours", d.speakerColours ? 1 : 0, 0, 1) == 1;
    s.notifyIncomingCall = r.number(Options, "Notify on Incoming Call", d.notifyIncomingCall, 0, 1) != 0;
    s.logConversations = r.number(Options, "Log Conversations", d.logConversations, 0, 1) != 0;
    s.logFolder = r.text(Options, "Log Folder", d.logFolder);
    s.keyerLines = r.number(Options, "Keyer Lines", d.keyerLines ? 1 : 0, 0, 1) != 0;

    s.portDevices.clear();
    for (int n = 1; n <= 16; ++n) {
        const QString device = doc.value(Ports, QStringLiteral("COM%1").arg(n));
        if (!device.isEmpty())
            s.portDevices.insert(n, device);
    }
}

void SettingsStore::writeTo(IniDocument& doc) const
{
    Writer w(doc);
    const Settings& s = m_settings;

    w(PTT, "Rig", s.rig);
    w(PTT, "PTTPort", s.pttPort);
    w(PTT, "CATPort", s.catPort);
    w(PTT, "Baud", s.baud);
    w(PTT, "Pin", s.pin);
    w(PTT, "RTS", s.rts);
    w(PTT, "DTR", s.dtr);
    w(PTT, "Via", numberOf(ViaNumbers, s.via));
    w(PTT, "Icom Address", s.icomAddress);
    w(PTT, "Rigctld Host", s.rigctldHost);
    w(PTT, "Rigctld Port", s.rigctldPort);

    w(Setup, "HF TCP Port", s.hfTcpPort);
    w(Setup, "FM TCP Port", s.fmTcpPort);
    w(Setup, "SAT TCP Port", s.satTcpPort);
    w(Setup, "HF Host", s.hfHost);
    w(Setup, "FM Host", s.fmHost);
    w(Setup, "SAT Host", s.satHost);
    w(Setup, "My Callsign", s.myCallsign);
    w(Setup, "Connect With HF", s.connectWithHf);
    w(Setup, "Connect With FM", s.connectWithFm);
    w(Setup, "Connect With SAT", s.connectWithSat);
    w(Setup, "Via1", s.via1);
    w(Setup, "Via2", s.via2);
    w(Setup, "KELDO Mode", textOf(s.keldoMode));
    w(Setup, "KELDOHF BW", s.keldoHfBw);
    w(Setup, "KELDO HF Path", s.keldoHfPath);
    w(Setup, "KELDO FM Path", s.keldoFmPath);
    w(Setup, "KELDO SAT Path", s.keldoSatPath);
    w(Setup, "Font Size", s.fontSize);
    w(Setup, "Colour", s.colour);
    w(Setup, "AutoLaunch", numberOf(AutoLaunchNumbers, s.autoLaunch));

    w.list("ConnectHF List", s.connectHfList);
    w.list("ConnectFM List", s.connectFmList);
    w.list("ConnectSAT List", s.connectSatList);
    w.list("Via1 List", s.via1List);
    w.list("Via2 List", s.via2List);

    w(Position, "Top Position", s.topPosition);
    w(Position, "Left Position", s.leftPosition);
    w(Position, "Terminal Width", s.terminalWidth);
    w(Position, "Terminal Height", s.terminalHeight);
    w(Position, "Window State", s.windowState);

    w(Path, "Load Path File", s.loadPathFile);
    w(Path, "Save Path File", s.savePathFile);

    w(Options, "PTT Timeout", s.pttTimeoutSeconds);
    w(Options, "Speaker Colours", qint64(s.speakerColours ? 1 : 0));
    w(Options, "Notify on Incoming Call", qint64(s.notifyIncomingCall ? 1 : 0));
    w(Options, "Log Conversations", qint64(s.logConversations ? 1 : 0));
    w(Options, "Log Folder", s.logFolder);
    w(Options, "Keyer Lines", qint64(s.keyerLines ? 1 : 0));
}

void SettingsStore::LoadSettings()
{
    // A missing or unreadable file simply yields the defaults.
    IniDocument doc;
    QFile file(sourcePath());
    if (file.open(QIODevice::ReadOnly))
        doc.parse(file.readAll());
    readFrom(doc);
}

bool SettingsStore::SaveSettings()
{
    const QString path = filePath();
    // A settings folder chosen by useFile (under ~/.config, say) is made on
    // the first save; the program's own folder is never made.
    if (!m_file.isEmpty())
        QDir().mkpath(QFileInfo(path).absolutePath());
    auto fail = [this, &path](const QString& why) {
        emit saveFailed(
            QStringLiteral("The settings could not be saved to %1\n%2").arg(QDir::toNativeSeparators(path), why));
        return false;
    };

    // Through any chain of links to the real file.
    QString why;
    const QString target = SaveTarget(path, &why);
    if (target.isEmpty())
        return fail(why);

    // Another copy of the terminal may save the same file: take turns, so
    // that neither loses what the other wrote between our read and rename.
    // If no lock can be had (a read-only folder, say) the save goes ahead.
    // The lock lies beside the real file, where the copies meet whatever
    // link each of them came through.
    QLockFile lock(target + QLatin1String(".lock"));
    // A save takes milliseconds, so a lock this old was left by a copy that
    // died. One killed while creating the lock leaves it empty, with no
    // process id to show it is dead: only the age clears it, and the wait
    // for that freezes the window.
    lock.setStaleLockTime(1000);
    const bool locked = lock.tryLock(2000);
    // Temporary files of saves cut short by a kill; only while holding the
    // lock, when no other copy can be in the middle of a save.
    if (locked)
        RemoveUnfinishedSaves(target);

    IniDocument doc;
    // The file itself, through its links; a new file starts from its seed.
    const QString source = sourcePath();
    QFile current(source == path ? target : source);
    if (current.exists()) {
        if (!current.open(QIODevice::ReadOnly))
            return fail(current.errorString());
        const QByteArray bytes = current.readAll();
        if (current.error() != QFileDevice::NoError)
            return fail(current.errorString());
        doc.parse(bytes);
    }
    writeTo(doc);

    QString error;
    if (!WriteFileAtomically(target, doc.toBytes(), &error))
        return fail(error);
    return true;
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QString why;
    const QString target = SaveTarget(path, &why);
    if (target.isEmpty() || IsReadOnly(target)) {
        if (error)
            *error = target.isEmpty() ? why : QStringLiteral("The file is read-only.");
        return false;
    }
#ifdef Q_OS_UNIX
    // Our own temporary file beside the target, given the old file's
    // permissions and put on the disk before it is renamed over the target:
    // whenever the process dies, the target is the old file or the new one.
    // A temporary file left by a killed process has a name of our own, so
    // the next save clears it (QSaveFile's names cannot be told from the
    // operator's own files).
    const QString temp = target + QLatin1String(UnfinishedSaveInfix) + QString::number(::getpid());
    QFile file(temp);
    auto failed = [&file, &temp, error](const QString& why) {
        if (error)
            *error = why;
        file.close();
        QFile::remove(temp);
        return false;
    };
    // Unbuffered: a buffered flush that the disk cuts short (full disk, size
    // limit) is not reported, and the rename would then install a cut file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return failed(file.errorString());
    if (QFileInfo::exists(target) && !file.setPermissions(QFile::permissions(target)))
        return failed(file.errorString());
    // Root saving another user's file leaves it theirs, so that their own
    // next save is not refused. Where the owner cannot be given back the
    // save still goes ahead: the settings matter more.
    struct stat old;
    if (::geteuid() == 0 && ::stat(QFile::encodeName(target).constData(), &old) == 0
        && (old.st_uid != 0 || old.st_gid != 0))
        (void)::fchown(file.handle(), old.st_uid, old.st_gid);
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return failed(file.errorString());
        done += n;
    }
    // On the disk before the rename, so that a power cut leaves one whole file.
    if (::fsync(file.handle()) != 0)
        return failed(qt_error_string(errno));
    file.close();
    if (::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) != 0)
        return failed(qt_error_string(errno));
    return true;
#else
    // QSaveFile writes a temporary file beside the target, gives it the old
    // file's permissions and renames it over the old one; on any failure the
    // temporary file is removed and the old file stays as it was.
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    auto failed = [&file, error]() {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    };
    // Unbuffered: a buffered flush that the disk cuts short (full disk, size
    // limit) is not reported, and commit() would then install a cut file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed();
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return failed();
        done += n;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
#endif
}
