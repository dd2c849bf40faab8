#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One running copy per program file: a lock in the per-user runtime folder,
// named from the program's canonical path and held for the whole run. A lock
// left by a crashed copy is recognised as stale (its process is gone).
class SingleInstance
{
public:
    explicit SingleInstance(const QString& programPath);
    ~SingleInstance();

    // True when no other copy from the same program file holds the lock; the
    // lock is then ours until this object goes away.
    bool tryAcquire();
    bool held() const;
    QString lockPath() const { return m_path; }

    static QString LockPathFor(const QString& programPath);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
