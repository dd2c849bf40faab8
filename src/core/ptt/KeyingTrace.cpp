#include "KeyingTrace.h"

namespace {

void appendDigits(QByteArray& out, qint64 value, int width)
{
    char digits[20];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = char('0' + value % 10);
        value /= 10;
    }
    out.append(digits, width);
}

} // namespace

QByteArray UtcTimeText(qint64 utcMs)
{
    // Days to a civil date (H. Hinnant's algorithm), without QDateTime's
    // time-zone machinery.
    qint64 days = utcMs / 86400000;
    qint64 msOfDay = utcMs % 86400000;
    if (msOfDay < 0) {
        msOfDay += 86400000;
        --days;
    }
    const qint64 z = days + 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    const qint64 day = doy - (153 * mp + 2) / 5 + 1;
    const qint64 month = mp < 10 ? mp + 3 : mp - 9;
    const qint64 year = yoe + era * 400 + (month <= 2 ? 1 : 0);

    QByteArray out;
    out.reserve(24);
    appendDigits(out, qBound(qint64(0), year, qint64(9999)), 4);
    out += '-';
    appendDigits(out, month, 2);
    out += '-';
    appendDigits(out, day, 2);
    out += 'T';
    appendDigits(out, msOfDay / 3600000, 2);
    out += ':';
    appendDigits(out, msOfDay / 60000 % 60, 2);
    out += ':';
    appendDigits(out, msOfDay / 1000 % 60, 2);
    out += '.';
    appendDigits(out, msOfDay % 1000, 3);
    out += 'Z';
    return out;
}

QByteArray TraceValue(const QByteArray& utf8)
{
    static const char hex[] = "0123456789ABCDEF";
    bool quote = utf8.isEmpty();
    QByteArray out;
    out.reserve(utf8.size() + 2);
    for (const char c : utf8) {
        const uchar u = uchar(c);
        if (u == ' ' || u == '"')
            quote = true;
        if (u == '"' || u == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u >= 0x7F) {
            out += "\\x";
            out += hex[u >> 4];
            out += hex[u & 0xF];
        } else {
            out += c;
        }
    }
    return quote ? '"' + out + '"' : out;
}

KeyingTraceLine::KeyingTraceLine(qint64 utcMs, const char* event)
{
    m_line.reserve(160);
    m_line += UtcTimeText(utcMs);
    m_line += ' ';
    m_line += event;
}

KeyingTraceLine& KeyingTraceLine::field(const char* key, const QString& value)
{
    m_line += ' ';
    m_line += key;
    m_line += '=';
    m_line += TraceValue(value.toUtf8());
    return *this;
}

KeyingTraceLine& KeyingTraceLine::field(const char* key, const char* value)
{
    m_line += ' ';
    m_line += key;
    m_line += '=';
    m_line += TraceValue(QByteArray(value));
    return *this;
}

KeyingTraceLine& KeyingTraceLine::field(const char* key, qint64 value)
{
    m_line += ' ';
    m_line += key;
    m_line += '=';
    m_line += QByteArray::number(value);
    return *this;
}
