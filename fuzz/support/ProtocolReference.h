#pragma once

// Plain re-statements of the command-channel field rules, written
// independently of src/link so the targets can compare against them.

#include "FuzzCheck.h"
#include "link/CommandProtocol.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <limits>
#include <vector>

namespace fuzz {

// Fields between single spaces, empty ones included.
inline std::vector<QString> referenceFields(const QString& line)
{
    std::vector<QString> out;
    QString cur;
    for (const QChar c : line) {
        if (c == QLatin1Char(' ')) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

// Blanks, a sign, digits; the magnitude saturates at the largest qint64.
inline qint64 referenceLeadingNumber(const QString& text)
{
    const __int128 max = std::numeric_limits<qint64>::max();
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    __int128 v = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        v = v * 10 + (text[i].unicode() - '0');
        if (v > max)
            v = max;
    }
    return qint64(negative ? -v : v);
}

// Checks the pure field helpers on one upper-cased command line.
inline void checkFieldHelpers(const QString& line)
{
    const QStringList fields = Protocol::SplitFields(line);
    const std::vector<QString> ref = referenceFields(line);
    FUZZ_CHECK(size_t(fields.size()) == ref.size(), "line %s", show(line).constData());
    for (size_t i = 0; i < ref.size(); ++i)
        FUZZ_CHECK(fields.at(qsizetype(i)) == ref[i], "field %zu of %s", i, show(line).constData());

    const auto f = Protocol::ParseConnected(line);
    FUZZ_CHECK(f.hasCall1 == (ref.size() > 1));
    FUZZ_CHECK(f.hasCall2 == (ref.size() > 2));
    FUZZ_CHECK(f.call1 == (ref.size() > 1 ? ref[1] : QString()));
    FUZZ_CHECK(f.call2 == (ref.size() > 2 ? ref[2] : QString()));
    FUZZ_CHECK(f.via1 == (ref.size() > 4 ? ref[4] : QString()));
    const bool via2 = ref.size() > 5 && ref[5] != QLatin1String("NARROW") && ref[5] != QLatin1String("WIDE");
    FUZZ_CHECK(f.via2 == (via2 ? ref[5] : QString()), "line %s", show(line).constData());

    for (const QString& field : ref) {
        const qint64 got = Protocol::LeadingNumber(field);
        const qint64 want = referenceLeadingNumber(field);
        FUZZ_CHECK(got == want, "LeadingNumber(%s) = %lld, want %lld", show(field).constData(), (long long)got,
                   (long long)want);
    }
    FUZZ_CHECK(Protocol::LeadingNumber(line) == referenceLeadingNumber(line));
}

// Progress in percent, the nearest integer to done*100/total with a half
// going to the even neighbour, found by comparing distances exactly.
inline int referencePercent(qint64 total, qint64 remaining)
{
    if (total <= 0)
        return 0;
    const __int128 num = __int128(total - remaining) * 100;
    const __int128 lo = num / total;
    const __int128 below = num - lo * total; // distance to lo, times total
    const __int128 above = (lo + 1) * total - num; // distance to lo + 1, times total
    if (below < above)
        return int(lo);
    if (above < below)
        return int(lo + 1);
    return int(lo % 2 == 0 ? lo : lo + 1);
}

} // namespace fuzz
