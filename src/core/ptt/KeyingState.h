#pragma once

#include "KeyingConfig.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The keying state file beside the settings ("KELDO Terminal.keying" beside
// "KELDO Terminal.ini"): what keying is set up to use and every radio that
// may still be transmitting, so that a start after a crash can unkey it.
//
// Plain "key=value" lines; each "driver=" line begins an entry:
//
//   driver=CAT
//   port=COM3
//   device=/dev/ttyUSB0
//   model=128
//   baud=19200
//   rts=0
//   dtr=0
//   icom-address=
//   keyed=1
//
// COM entries have port, device and pin; rigctld entries host and tcp-port.
// Each driver writes and reads its own lines (PttDriverFactory's StateParts).
struct KeyingStateEntry
{
    KeyingConfig config; // the method, and that method's part alone
    bool keyed = false;
};

// At most this many entries are read; a file of more is not ours.
constexpr int MaxKeyingStateEntries = 8;
// The most a start reads of the file.
constexpr qint64 MaxKeyingStateBytes = 4096;

QByteArray FormatKeyingState(const QList<KeyingStateEntry>& entries);
// Entries that make sense; anything else (unknown keys, bad numbers, an
// unknown driver, a model outside the catalogue) is passed over.
QList<KeyingStateEntry> ParseKeyingState(const QByteArray& text);

// "other.keying" beside "other.ini"; a settings file without the ".ini"
// ending keeps its whole name ("station" -> "station.keying").
QString KeyingStatePathFor(const QString& settingsPath);

// "CAT", "COM", "VOX", "rigctld", or "none" (keys nothing).
const char* DriverName(PttMethod method, bool terminalKeys = true);
