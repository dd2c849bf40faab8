#include "FileKeyingJournal.h"

#include "KeyingTrace.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <chrono>

FileKeyingJournal::FileKeyingJournal(Write appendTrace, Write replaceState, int maxQueuedLines)
    : m_append(std::move(appendTrace))
    , m_replace(std::move(replaceState))
    , m_maxLines(qMax(1, maxQueuedLines))
{
    m_worker = std::thread([this] { run(); });
}

FileKeyingJournal::~FileKeyingJournal()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_worker.join();
}

void FileKeyingJournal::traceLine(const QByteArray& line)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_lines.size() >= m_maxLines)
            ++m_dropped;
        else
            m_lines.append(line);
        m_new = true;
    }
    m_wake.notify_one();
}

void FileKeyingJournal::saveState(const QByteArray& contents)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_state = contents;
        m_new = true;
    }
    m_wake.notify_one();
}

bool FileKeyingJournal::waitIdle(int ms)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_idle.wait_for(lock, std::chrono::milliseconds(ms), [this] { return !m_new && !m_busy; });
}

void FileKeyingJournal::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_new || m_stop; });
        const bool last = m_stop;
        QByteArrayList lines = std::exchange(m_lines, {});
        qint64 dropped = std::exchange(m_dropped, 0);
        std::optional<QByteArray> state = std::exchange(m_state, std::nullopt);
        m_new = false;
        m_busy = true;
        lock.unlock();

        const bool written = writeOut(lines, dropped, state);

        lock.lock();
        if (!written) {
            // Kept, oldest first, within the bound; a newer state wins.
            lines += std::exchange(m_lines, {});
            while (lines.size() > m_maxLines) {
                lines.removeFirst();
                ++dropped;
            }
            m_lines = lines;
            m_dropped += dropped;
            if (!m_state)
                m_state = state;
        }
        m_busy = false;
        m_idle.notify_all();
        if (last)
            return;
    }
}

bool FileKeyingJournal::writeOut(QByteArrayList& lines, qint64& dropped, std::optional<QByteArray>& state)
{
    if (dropped > 0) {
        lines.append(
            KeyingTraceLine(QDateTime::currentMSecsSinceEpoch(), "trace-lines-dropped").field("count", dropped).text());
        dropped = 0;
    }
    bool ok = true;
    if (!lines.isEmpty()) {
        if (m_append && m_append(lines.join()))
            lines.clear();
        else
            ok = false;
    }
    if (state) {
        if (m_replace && m_replace(*state))
            state.reset();
        else
            ok = false;
    }
    return ok;
}

FileKeyingJournal::Write AppendRotating(const QString& path, qint64 maxBytes)
{
    return [path, maxBytes](const QByteArray& bytes) {
        const QFileInfo info(path);
        if (!QDir().mkpath(info.absolutePath()))
            return false;
        if (info.exists() && info.size() > 0 && info.size() + bytes.size() > maxBytes) {
            const QString older = path + QStringLiteral(".1");
            QFile::remove(older);
            QFile::rename(path, older);
        }
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
            return false;
        return f.write(bytes) == bytes.size();
    };
}

FileKeyingJournal::Write ReplaceAtomically(const QString& path)
{
    return [path](const QByteArray& bytes) {
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(bytes);
        return f.commit();
    };
}
