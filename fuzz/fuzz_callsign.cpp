// Call signs: validity against the rule written as a pattern, the SSID and
// base helpers, and the history list.

#include "encoding/AnsiCodec.h"
#include "settings/CallSign.h"
#include "support/ByteReader.h"
#include "support/FuzzCheck.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// Up to 7 letters or digits, then optionally an SSID 1-17 or R or T; an SSID
// of two characters starts with 0 or 1.
const QRegularExpression& rule()
{
    static const QRegularExpression re(
        QRegularExpression::anchoredPattern(QStringLiteral("([A-Z0-9]{0,7})(?:-([1-9]|0[1-9]|1[0-7]|R|T))?")));
    return re;
}

QString text(fuzz::ByteReader& in, bool utf16)
{
    const QByteArray b = in.shortBytes();
    if (!utf16)
        return Ansi::toUnicode(b);
    QString s;
    for (qsizetype i = 0; i + 1 < b.size(); i += 2)
        s += QChar(char16_t(uchar(b[i]) | (uchar(b[i + 1]) << 8)));
    return s;
}

// The suffix after the first hyphen: R 17, T 16, else its leading digits
// (0 past 255).
int referenceSsid(const QString& t)
{
    const qsizetype hyphen = t.indexOf(QLatin1Char('-'));
    if (hyphen < 0)
        return 0;
    const QString suffix = t.mid(hyphen + 1);
    if (suffix == QLatin1String("R"))
        return 17;
    if (suffix == QLatin1String("T"))
        return 16;
    __int128 v = 0;
    for (const QChar c : suffix) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        v = v * 10 + (c.unicode() - '0');
        if (v > 255)
            return 0;
    }
    return int(v);
}

void checkOne(const QString& original)
{
    QString t = original;
    const bool valid = IsValidCallSign(t);
    // Upper-cased in place, one character for one.
    FUZZ_CHECK(t.size() == original.size());
    for (qsizetype i = 0; i < t.size(); ++i)
        FUZZ_CHECK(t[i] == original[i].toUpper());
    // Asking again gives the same answer and leaves the text alone.
    QString again = t;
    FUZZ_CHECK(IsValidCallSign(again) == valid && again == t);

    const QRegularExpressionMatch m = rule().match(t);
    FUZZ_CHECK(valid == m.hasMatch(), "%s: IsValidCallSign says %d", fuzz::show(t).constData(), int(valid));
    if (valid)
        FUZZ_CHECK(t.size() <= 10);

    const qsizetype hyphen = t.indexOf(QLatin1Char('-'));
    FUZZ_CHECK(CallSignBase(original) == (hyphen < 0 ? t : t.left(hyphen)));
    FUZZ_CHECK(int(CallSignSsid(t)) == referenceSsid(t), "SSID of %s", fuzz::show(t).constData());
    if (valid) {
        const QString s = m.captured(2);
        const int want = s.isEmpty() ? 0 : s == QLatin1String("R") ? 17 : s == QLatin1String("T") ? 16 : s.toInt();
        FUZZ_CHECK(CallSignSsid(t) == want && want <= 17);
        FUZZ_CHECK(CallSignBase(t) == m.captured(1));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ByteReader in(data, size);
    const uint8_t mode = in.byte();
    const QString candidate = text(in, mode & 1);
    checkOne(candidate);

    // A history made from a few texts (so entries repeat), then pushes.
    QStringList pool{QString(), candidate};
    for (int i = 0; i < 3; ++i)
        pool << text(in, mode & 2);
    CallSignList list;
    for (QString& entry : list)
        entry = pool.at(in.byte() % pool.size());
    while (!in.atEnd()) {
        const QString value = pool.at(in.byte() % pool.size());
        const CallSignList before = list;
        PushCallSignHistory(list, value);
        if (value.isEmpty()) {
            FUZZ_CHECK(list == before);
            continue;
        }
        // value in front; the rest in the old order without value's first
        // place, or without the last entry when value was not there.
        const auto hit = std::find(before.begin(), before.end(), value);
        const size_t drop = hit == before.end() ? 9 : size_t(hit - before.begin());
        FUZZ_CHECK(list[0] == value);
        size_t j = 1;
        for (size_t i = 0; i < 10; ++i)
            if (i != drop)
                FUZZ_CHECK(list[j++] == before[i], "entry %zu moved wrongly", i);
        const auto countBefore = std::count(before.begin(), before.end(), value);
        const auto countAfter = std::count(list.begin(), list.end(), value);
        if (countBefore <= 1)
            FUZZ_CHECK(countAfter == 1);
        else
            FUZZ_CHECK(countAfter == countBefore);
    }
    return 0;
}
