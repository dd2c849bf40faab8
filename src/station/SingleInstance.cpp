#include "SingleInstance.h"

#include "settings/SettingsLocation.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

QString SingleInstance::LockPathFor(const QString& settingsPath)
{
    // The file may not exist yet (created by the first save).
    QString canonical = CanonicalSettingsPath(settingsPath);
#ifdef Q_OS_WIN
    canonical = canonical.toLower();
#endif
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("keldo-terminal-%1.lock").arg(QString::fromLatin1(hash)));
}

SingleInstance::SingleInstance(const QString& settingsPath)
    : m_path(LockPathFor(settingsPath))
{ }

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: only a lock whose process is gone is taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    m_lock.reset();
    return false;
}
