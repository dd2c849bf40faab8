#pragma once

#include <QByteArray>
#include <QString>

// Opening only what is a regular file, without ever blocking on the open: a
// named pipe nobody reads, a device or a socket at a file's path is refused
// ("not a regular file") and nothing is read from or written to it.
namespace RegularFile {

enum class Links { Follow, Refuse };

// Why a path cannot be used, or empty when it is a regular file (or missing).
// Never opens it.
QString Problem(const QString& path, Links links);

// Appends all of bytes in one write, or nothing: a short write (full disk)
// is cut back, so that a retry repeats no text. Creates the file (0666 less
// the umask).
bool Append(const QString& path, const QByteArray& bytes, Links links, QString* why);

// Which part of a larger file is read.
enum class Part { Whole, Head, Tail };

// Reads at most maxBytes; a larger file is refused (tooLarge set) when the
// whole is asked for, else its first or last maxBytes are read (offset says
// where they start). A missing file reads as empty with exists false.
struct Read
{
    bool ok = false;
    bool exists = false;
    bool tooLarge = false;
    QByteArray bytes;
    qint64 size = 0; // the whole file's
    qint64 offset = 0; // where bytes start
    QString why;
};
Read ReadFile(const QString& path, qint64 maxBytes, Links links, Part part = Part::Whole);

// Cuts a regular file back to size.
bool Truncate(const QString& path, qint64 size, QString* why);

} // namespace RegularFile
