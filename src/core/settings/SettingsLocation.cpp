#include "SettingsLocation.h"

#include "InstallDirs.h"
#include "Settings.h"

#include <QDir>
#include <QFileInfo>

SettingsLocation LocateSettings(const QString& programFolder, const QString& configHome, const QString& explicitFile)
{
    SettingsLocation usual;
    const QString beside = QDir(programFolder).absoluteFilePath(QLatin1String(SettingsStore::FileName));
    const QFileInfo besideInfo(beside);
#ifdef Q_OS_WIN
    // Windows keeps the file beside the program, writable or not.
    const bool useBeside = true;
#else
    const bool useBeside = besideInfo.exists() ? besideInfo.isWritable() : QFileInfo(programFolder).isWritable();
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
