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

} // namespace Protocol
