#pragma once

#include <QByteArray>
#include <QtGlobal>

// Qt's diagnostics (qDebug, qWarning, ...) from any thread, the keying
// thread's included, go to a bounded queue that a thread of its own writes
// out: a standard error nobody reads (a full pipe, a hung terminal) holds up
// that thread alone. Lines that find the queue full are dropped and counted;
// the count is written once there is room.
namespace Diagnostics {

inline constexpr int DefaultMaxLines = 512;
inline constexpr qint64 DefaultMaxBytes = 256 * 1024;

// Installs the message handler, writing to fd (standard error by default).
void Install(int fd = 2, int maxLines = DefaultMaxLines, qint64 maxBytes = DefaultMaxBytes);
// Puts the handler that was there before back; lines still queued stay queued.
void Uninstall();
// A line of our own (without its line break), queued like the others;
// written at once when nothing is installed.
void Write(const QByteArray& line);
// Waits at most ms for the queue to be written; false if it was not.
bool Flush(int ms);
// Lines dropped since installing.
quint64 Dropped();
// Writes all of bytes to fd, as the system takes them; false once the other
// end is gone (or the write fails for good).
bool WriteAll(int fd, const QByteArray& bytes);

} // namespace Diagnostics
