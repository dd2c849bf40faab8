#include "AnsiCodec.h"

namespace Ansi {

namespace {

// 0x80-0x9F of Windows-1252. The five holes (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the C1 control of the same number so that no byte is lost.
// clang-format off
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

struct Table
{
    char16_t toChar[256];
    constexpr Table()
        : toChar()
    {
        for (int i = 0; i < 256; ++i)
            toChar[i] = static_cast<char16_t>(i);
        for (int i = 0; i < 32; ++i)
            toChar[0x80 + i] = HighControls[i];
    }
};

constexpr Table table;

// The reverse of HighControls for characters outside Latin-1; -1 when the
// character is not in the code page.
inline int fromSpecial(char16_t c)
{
    // clang-format off
    switch (c) {
    case 0x20AC: return 0x80;
    case 0x201A: return 0x82;
    case 0x0192: return 0x83;
    case 0x201E: return 0x84;
    case 0x2026: return 0x85;
    case 0x2020: return 0x86;
    case 0x2021: return 0x87;
    case 0x02C6: return 0x88;
    case 0x2030: return 0x89;
    case 0x0160: return 0x8A;
    case 0x2039: return 0x8B;
    case 0x0152: return 0x8C;
    case 0x017D: return 0x8E;
    case 0x2018: return 0x91;
    case 0x2019: return 0x92;
    case 0x201C: return 0x93;
    case 0x201D: return 0x94;
    case 0x2022: return 0x95;
    case 0x2013: return 0x96;
    case 0x2014: return 0x97;
    case 0x02DC: return 0x98;
    case 0x2122: return 0x99;
    case 0x0161: return 0x9A;
    case 0x203A: return 0x9B;
    case 0x0153: return 0x9C;
    case 0x017E: return 0x9E;
    case 0x0178: return 0x9F;
    default: return -1;
    }
    // clang-format on
}

inline bool isHole(char16_t c)
{
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

} // namespace

QChar byteToChar(unsigned char b)
{
    return QChar(table.toChar[b]);
}

QString toUnicode(const char* data, qsizetype size)
{
    if (size <= 0)
        return QString();
    QString out(size, Qt::Uninitialized);
    QChar* dst = out.data();
    const auto* src = reinterpret_cast<const unsigned char*>(data);
    for (qsizetype i = 0; i < size; ++i)
        dst[i] = QChar(table.toChar[src[i]]);
    return out;
}

QByteArray fromUnicode(QStringView text, bool* complete)
{
    if (complete)
        *complete = true;
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    qsizetype n = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF) || isHole(c)) {
            dst[n++] = static_cast<char>(c);
            continue;
        }
        const int b = fromSpecial(c);
        if (b >= 0) {
            dst[n++] = static_cast<char>(b);
            continue;
        }
        // One '?' per character, also for a surrogate pair.
        if (QChar::isHighSurrogate(c) && i + 1 < size && text[i + 1].isLowSurrogate())
            ++i;
        dst[n++] = '?';
        if (complete)
            *complete = false;
    }
    out.truncate(n);
    return out;
}

} // namespace Ansi
