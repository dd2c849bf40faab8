#include "Settings.h"

#include "IniDocument.h"
#include "SettingsTable.h"
#include "files/FileWriter.h"
#include "files/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>

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

namespace {

// The file to read: the settings file, or the seed while there is none.
QString SourceFor(const QString& file, const QString& seed)
{
    const QFileInfo info(file);
    if (seed.isEmpty() || info.exists() || info.isSymLink() || !QFileInfo(seed).isReadable())
        return file;
    return seed;
}

} // namespace

QString SettingsStore::sourcePath() const
{
    return SourceFor(filePath(), m_seed);
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
    // A missing or unreadable file simply yields the defaults; so does
    // anything but a regular file of sensible size.
    IniDocument doc;
    const RegularFile::Read file = RegularFile::ReadFile(sourcePath(), MaxFileBytes, RegularFile::Links::Follow);
    if (file.ok)
        doc.parse(file.bytes);
    readFrom(doc);
}

void SettingsStore::setWriter(FileWriter* writer)
{
    m_writer = writer;
}

bool SettingsStore::SaveSettings()
{
    const QString path = filePath();
    const QString seed = m_seed;
    const bool makeFolder = !m_file.isEmpty();
    if (!m_writer) {
        QString why;
        if (SaveNow(m_settings, path, seed, makeFolder, &why)) {
            emit saveFinished(true);
            return true;
        }
        emit saveFailed(FailureText(path, why));
        emit saveFinished(false);
        return false;
    }
    // Saves asked for while one waits in the queue become that one: it
    // writes the newest settings, so a burst of menu choices is one save.
    {
        std::lock_guard lock(m_next->mutex);
        const bool waiting = m_next->settings.has_value();
        m_next->settings = m_settings;
        if (waiting)
            return true;
    }
    const std::shared_ptr<NextSave> next = m_next;
    const bool queued = m_writer->run(
        path,
        [next, path, seed, makeFolder](QString* why) {
            std::optional<Settings> settings;
            {
                std::lock_guard lock(next->mutex);
                settings.swap(next->settings);
            }
            return !settings || SaveNow(*settings, path, seed, makeFolder, why);
        },
        [self = QPointer<SettingsStore>(this), path](bool ok, const QString& why) {
            if (!self)
                return;
            if (!ok)
                emit self->saveFailed(FailureText(path, why));
            emit self->saveFinished(ok);
        });
    if (!queued) {
        {
            std::lock_guard lock(m_next->mutex);
            m_next->settings.reset();
        }
        emit saveFailed(FailureText(path, tr("the settings folder does not answer")));
        emit saveFinished(false);
    }
    return queued;
}

QString SettingsStore::FailureText(const QString& path, const QString& why)
{
    return tr("The settings could not be saved to %1\n%2").arg(QDir::toNativeSeparators(path), why);
}

bool SettingsStore::SaveNow(const Settings& settings, const QString& path, const QString& seed, bool makeFolder,
                            QString* why)
{
    return EditFile(
        path, seed, makeFolder, [&settings](IniDocument& doc) { WriteSettings(settings, doc); }, why);
}

bool SettingsStore::EditFile(const QString& path, const QString& seed, bool makeFolder,
                             const std::function<void(IniDocument&)>& edit, QString* why)
{
    // A settings folder chosen by useFile (under ~/.config, say) is made on
    // the first save; the program's own folder is never made.
    if (makeFolder)
        QDir().mkpath(QFileInfo(path).absolutePath());

    // Through any chain of links to the real file.
    const QString target = SaveTarget(path, why);
    if (target.isEmpty())
        return false;

    // Another copy of the terminal may save the same file: take turns, so
    // that neither loses what the other wrote between our read and rename.
    // If no lock can be had (a read-only folder, say) the save goes ahead.
    // The lock lies beside the real file, where the copies meet whatever
    // link each of them came through.
    QLockFile lock(target + QLatin1String(".lock"));
    // A save takes milliseconds, so a lock this old was left by a copy that
    // died. One killed while creating the lock leaves it empty, with no
    // process id to show it is dead: only the age clears it.
    lock.setStaleLockTime(1000);
    const bool locked = lock.tryLock(2000);
    // Temporary files of saves cut short by a kill; only while holding the
    // lock, when no other copy can be in the middle of a save.
    if (locked)
        RemoveUnfinishedSaves(target);

    IniDocument doc;
    // The file itself, through its links; a new file starts from its seed.
    const QString source = SourceFor(path, seed);
    const RegularFile::Read current =
        RegularFile::ReadFile(source == path ? target : source, MaxFileBytes, RegularFile::Links::Follow);
    if (!current.ok) {
        // What cannot be read whole is not replaced by what would lose it.
        *why = current.why;
        return false;
    }
    doc.parse(current.bytes);
    edit(doc);
    return WriteFileAtomically(target, doc.toBytes(), why);
}
