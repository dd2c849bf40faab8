#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One running copy per settings file: a lock in the per-user runtime folder,
// named from the settings file's canonical path and held for the whole run.
// Copies of one program file share their settings file unless told another
// with --settings, so they still refuse each other. A lock left by a crashed
// copy is recognised as stale (its process is gone).
class SingleInstance
{
public:
    explicit SingleInstance(const QString& settingsPath);
    ~SingleInstance();

    // True when no other copy on the same settings file holds the lock; the
    // lock is then ours until this object goes away.
    bool tryAcquire();

    static QString LockPathFor(const QString& settingsPath);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
