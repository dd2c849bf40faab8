#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

QString SingleInstance::LockPathFor(const QString& programPath)
{
    QString canonical = QFileInfo(programPath).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QFileInfo(programPath).absoluteFilePath();
#ifdef Q_OS_WIN
    canonical = canonical.toLower();
#endif
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("keldo-terminal-%1.lock").arg(QString::fromLatin1(hash)));
}

SingleInstance::SingleInstance(const QString& programPath)
    : m_path(LockPathFor(programPath))
{
}

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

bool SingleInstance::held() const
{
    return m_lock && m_lock->isLocked();
}
