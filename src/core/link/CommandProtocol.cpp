#include "CommandProtocol.h"

#include <limits>

namespace Protocol {

QStringList SplitFields(const QString& line)
{
    return line.split(QLatin1Char(' '));
}

qint64 LeadingNumber(const QString& text)
{
    // Like a BASIC Val(): leading blanks, an optional sign, then digits.
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const qint64 max = std::numeric_limits<qint64>::max();
    qint64 value = 0;
    for (; i < n; ++i) {
        const ushort c = text[i].unicode();
        if (c < '0' || c > '9')
            break;
        const int digit = c - '0';
        if (value > (max - digit) / 10)
            value = max; // saturate: bigger than any block
        else
            value = value * 10 + digit;
    }
    return negative ? -value : value;
}

ConnectedFields ParseConnected(const QString& line)
{
    ConnectedFields f;
    const QStringList fields = SplitFields(line);
    if (fields.size() > 1) {
        f.hasCall1 = true;
        f.call1 = fields.at(1);
    }
    if (fields.size() > 2) {
        f.hasCall2 = true;
        f.call2 = fields.at(2);
    }
    if (fields.size() >= 5)
        f.via1 = fields.at(4);
    if (fields.size() >= 6 && fields.at(5) != QLatin1String("NARROW") && fields.at(5) != QLatin1String("WIDE"))
        f.via2 = fields.at(5);
    return f;
}

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// "PTT", one or more blanks, "OFF", whatever surrounds it.
bool isPttOff(QStringView line)
{
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.mid(1);
    if (line.size() < 7 || !line.startsWith(QLatin1String("PTT")) || !line.endsWith(QLatin1String("OFF")))
        return false;
    const QStringView gap = line.mid(3, line.size() - 6);
    for (QChar c : gap) {
        if (!isBlank(c))
            return false;
    }
    return true;
}

} // namespace

LineKind KindOf(const QString& line)
{
    if (line.startsWith(QLatin1String("CONNECTED ")))
        return LineKind::Connected;
    if (line.startsWith(QLatin1String("BUFFER ")))
        return LineKind::Buffer;
    QStringView whole(line);
    while (!whole.isEmpty() && isBlank(whole.back()))
        whole.chop(1);
    if (whole == QLatin1String("DISCONNECTED"))
        return LineKind::Disconnected;
    if (whole == QLatin1String("PTT ON"))
        return LineKind::PttOn;
    if (isPttOff(whole))
        return LineKind::PttOff;
    return LineKind::Other;
}

} // namespace Protocol
