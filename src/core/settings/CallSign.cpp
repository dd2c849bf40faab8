#include "CallSign.h"

#include <QStringList>

namespace {

// Character by character, so that the length never changes (a German sharp s
// stays one character and the text stays invalid).
QString upper(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        c = c.toUpper();
    return out;
}

inline bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QString CallSignBase(const QString& text)
{
    const qsizetype hyphen = text.indexOf(QLatin1Char('-'));
    return upper(hyphen < 0 ? text : text.left(hyphen));
}

quint8 CallSignSsid(const QString& text)
{
    const qsizetype hyphen = text.indexOf(QLatin1Char('-'));
    if (hyphen < 0)
        return 0;
    const QStringView suffix = QStringView(text).mid(hyphen + 1);
    if (suffix == QLatin1String("T"))
        return 16;
    if (suffix == QLatin1String("R"))
        return 17;
    int value = 0;
    for (QChar c : suffix) {
        if (!isAsciiDigit(c))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > 255)
            return 0;
    }
    return quint8(value);
}

bool IsValidCallSign(QString& text)
{
    text = upper(text);
    const QString base = CallSignBase(text);
    const quint8 ssid = CallSignSsid(text);

    if (base.size() > 7)
        return false;
    if (ssid > 17)
        return false;
    if (base != text && ssid == 0)
        return false;
    for (QChar c : base) {
        const bool letter = c >= QLatin1Char('A') && c <= QLatin1Char('Z');
        if (!letter && !isAsciiDigit(c))
            return false;
    }
    const qsizetype d = text.size() - base.size();
    if (d != 0 && d != 2 && d != 3)
        return false;
    if (d == 2) {
        const QChar c = text.back();
        if (c != QLatin1Char('R') && c != QLatin1Char('T') && !isAsciiDigit(c))
            return false;
    }
    if (d == 3) {
        if (!isAsciiDigit(text.back()))
            return false;
        // Compared as text: the first character must be "0" to "8".
        const QString two = text.right(2);
        if (two < QLatin1String("0") || two > QLatin1String("9"))
            return false;
    }
    return true;
}

void PushCallSignHistory(CallSignList& list, const QString& value)
{
    // An empty value in front would hide the whole list from the connect
    // dialog, so it is not pushed.
    if (value.isEmpty())
        return;
    int i = 9;
    for (int k = 0; k < 10; ++k) {
        if (list[size_t(k)] == value) {
            i = k;
            break;
        }
    }
    for (int j = i; j >= 1; --j)
        list[size_t(j)] = list[size_t(j - 1)];
    list[0] = value;
}

QStringList VisibleHistory(const CallSignList& list)
{
    QStringList out;
    for (const QString& entry : list) {
        if (entry.isEmpty())
            break;
        out << entry;
    }
    return out;
}
