#pragma once

#include "ptt/KeyingJournal.h"
#include "ptt/KeyingState.h"

#include <QByteArrayList>
#include <QMutex>
#include <QMutexLocker>

#include <functional>

// A keying journal kept in memory: the trace lines and every state handed
// over, for the tests. Safe to fill from the keyer's thread.
class MemoryKeyingJournal : public KeyingJournal
{
public:
    void traceLine(const QByteArray& line) override
    {
        const QMutexLocker lock(&m_mutex);
        m_lines.append(line);
    }
    void saveState(const QByteArray& contents) override
    {
        {
            const QMutexLocker lock(&m_mutex);
            m_states.append(contents);
        }
        if (onState)
            onState();
    }

    // Called as each state is handed over (on the keyer's thread).
    std::function<void()> onState;

    QByteArrayList lines() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_lines;
    }
    // The lines without their time and line end: "key reason=modem-asked driver=CAT ...".
    QByteArrayList events() const
    {
        QByteArrayList out;
        for (const QByteArray& line : lines())
            out.append(line.mid(line.indexOf(' ') + 1).chopped(1));
        return out;
    }
    QByteArrayList states() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_states;
    }
    // The newest state, empty before any.
    QByteArray state() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_states.isEmpty() ? QByteArray() : m_states.last();
    }
    // The entries of the newest state that are marked keyed.
    QList<KeyingStateEntry> keyedEntries() const
    {
        QList<KeyingStateEntry> keyed;
        for (const KeyingStateEntry& e : ParseKeyingState(state()))
            if (e.keyed)
                keyed.append(e);
        return keyed;
    }
    void clear()
    {
        const QMutexLocker lock(&m_mutex);
        m_lines.clear();
        m_states.clear();
    }

private:
    mutable QMutex m_mutex;
    QByteArrayList m_lines;
    QByteArrayList m_states;
};
