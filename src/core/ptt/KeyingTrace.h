#pragma once

#include <QByteArray>
#include <QString>

// One line of the keying trace (keying.log): the UTC time to the
// millisecond, the event, then key=value fields, ASCII only:
//
//   2026-12-08T03:41:07.123Z key reason=modem-asked driver=CAT port=COM3 device=/dev/ttyUSB0 radio=IC-7300
//
// A value with a space, a quote or nothing in it is quoted; a byte outside
// printable ASCII is written as \xNN. Built by appending to one buffer: no
// formatting through locales or dates on the keying path.
class KeyingTraceLine
{
public:
    KeyingTraceLine(qint64 utcMs, const char* event);

    KeyingTraceLine& field(const char* key, const QString& value);
    KeyingTraceLine& field(const char* key, const char* value);
    KeyingTraceLine& field(const char* key, qint64 value);
    // The line, ending in '\n'.
    QByteArray text() const { return m_line + '\n'; }

private:
    QByteArray m_line;
};

// "2026-12-08T03:41:07.123Z" for milliseconds since the epoch.
QByteArray UtcTimeText(qint64 utcMs);
// A value as the trace writes it (see KeyingTraceLine).
QByteArray TraceValue(const QByteArray& utf8);
