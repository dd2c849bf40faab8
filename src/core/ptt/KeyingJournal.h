#pragma once

#include <QByteArray>

// Where the keyer's trace and its state go. Called on the keyer's thread:
// an implementation returns at once (queues), never blocks, never throws.
class KeyingJournal
{
public:
    virtual ~KeyingJournal() = default;
    // One line, ending in '\n'.
    virtual void traceLine(const QByteArray& line) = 0;
    // Replaces the state file's contents (atomic write).
    virtual void saveState(const QByteArray& contents) = 0;
};
