#include "Settings.h"

#include "IniDocument.h"
#include "SettingsTable.h"

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

namespace {

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

Settings::Settings()
{
    ReadSettings(IniDocument(), *this);
}

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
    ReadSettings(doc, m_settings);
}

void SettingsStore::writeTo(IniDocument& doc) const
{
    WriteSettings(m_settings, doc);
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
