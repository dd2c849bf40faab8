#include "SettingsLocation.h"

#include "InstallDirs.h"
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

SettingsLocation LocateSettings(const QString& programFolder, const QString& configHome, const QString& explicitFile,
                                bool installed)
{
    SettingsLocation usual;
    const QString beside = QDir(programFolder).absoluteFilePath(QLatin1String(SettingsStore::FileName));
    const QFileInfo besideInfo(beside);
#ifdef Q_OS_WIN
    // Windows keeps the file beside the program, writable or not.
    Q_UNUSED(installed);
    const bool useBeside = true;
#else
    // Installed, the program's folder is the system's: the settings are the
    // user's own, also for root, whom no permission bit stops.
    const bool useBeside =
        !installed && (besideInfo.exists() ? besideInfo.isWritable() : QFileInfo(programFolder).isWritable());
#endif
    if (useBeside) {
        usual.file = beside;
    } else {
        usual.file = QDir(configHome)
                         .absoluteFilePath(QStringLiteral("KELDO Terminal/") + QLatin1String(SettingsStore::FileName));
        if (besideInfo.exists())
            usual.seed = beside;
    }
    if (explicitFile.isEmpty())
        return usual;

    // Another station: a new file starts from the usual settings.
    SettingsLocation other;
    other.file = QDir::cleanPath(QFileInfo(explicitFile).absoluteFilePath());
    if (CanonicalSettingsPath(other.file) == CanonicalSettingsPath(usual.file))
        other.seed = usual.seed;
    else
        other.seed = QFileInfo::exists(usual.file) ? usual.file : usual.seed;
    return other;
}

bool SettingsLocation::nothingToRead() const
{
    return !QFileInfo::exists(file) && (seed.isEmpty() || !QFileInfo::exists(seed));
}

#ifdef Q_OS_UNIX
namespace {

// As many links in a row as the system itself follows.
constexpr int MaxLinkHops = 40;

// The text of the link at path; null when path is no link.
QByteArray LinkText(const QByteArray& path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
        return QByteArray();
    QByteArray text(qMax<qsizetype>(st.st_size, 255) + 1, Qt::Uninitialized);
    ssize_t n;
    while ((n = ::readlink(path.constData(), text.data(), size_t(text.size()))) == text.size())
        text.resize(text.size() * 2);
    if (n <= 0)
        return QByteArray();
    text.truncate(n);
    return text;
}

} // namespace

QString CanonicalSettingsPath(const QString& path)
{
    // The path walked as the system walks it, except that a missing part
    // stops nothing: every link is followed, also one whose target is not
    // there yet (the save creates the target), relative to the link's folder,
    // and ".." leaves the folder actually reached, which is why the path is
    // never cleaned by its text first.
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path;
    QList<QByteArray> pending = QFile::encodeName(absolute).split('/');
    QByteArray resolved; // empty: the root
    int hops = 0;
    while (!pending.isEmpty()) {
        const QByteArray part = pending.takeFirst();
        if (part.isEmpty() || part == ".")
            continue;
        if (part == "..") {
            resolved.truncate(qMax<qsizetype>(resolved.lastIndexOf('/'), 0));
            continue;
        }
        const QByteArray next = resolved + '/' + part;
        // Beyond the bound (a loop) the rest is taken as plain names.
        const QByteArray link = hops < MaxLinkHops ? LinkText(next) : QByteArray();
        if (link.isEmpty()) {
            resolved = next;
            continue;
        }
        ++hops;
        if (link.startsWith('/'))
            resolved.clear();
        pending = link.split('/') + pending;
    }
    return resolved.isEmpty() ? QStringLiteral("/") : QFile::decodeName(resolved);
}
#else
QString CanonicalSettingsPath(const QString& path)
{
    QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    // Not there yet: canonical up to the nearest folder that exists.
    QString rest = info.fileName();
    QDir dir = info.absoluteDir();
    while (!dir.exists() && !dir.isRoot()) {
        rest = dir.dirName() + QLatin1Char('/') + rest;
        if (!dir.cdUp())
            break;
    }
    const QString base = dir.canonicalPath();
    return QDir(base.isEmpty() ? dir.absolutePath() : base).filePath(rest);
}
#endif

bool IsInstalledProgramFolder(const QString& programFolder)
{
    const QString folder = QFileInfo(programFolder).canonicalFilePath();
    if (folder.isEmpty())
        return false;
    for (const char* bindir : {KELDO_FULL_BINDIR, "/usr/bin", "/usr/local/bin"})
        if (QFileInfo(QLatin1String(bindir)).canonicalFilePath() == folder)
            return true;
    return false;
}

QStringList ChangeLogCandidates(const QString& programFolder)
{
    const QString name = QStringLiteral("KELDOTerminalChangeLog.txt");
    const QDir program(programFolder);
    QStringList candidates{
        program.absoluteFilePath(name),
        QDir::cleanPath(program.absoluteFilePath(QLatin1String(KELDO_BINDIR_TO_DOCDIR)) + QLatin1Char('/') + name),
        QDir(QLatin1String(KELDO_FULL_DOCDIR)).absoluteFilePath(name)};
    candidates.removeDuplicates();
    return candidates;
}
