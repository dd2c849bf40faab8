#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

// A failed property aborts, so libFuzzer keeps the input as a crash.
#define FUZZ_CHECK(cond, ...)                                                                                          \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            std::fprintf(stderr, "\n%s:%d: property failed: %s\n", __FILE__, __LINE__, #cond);                         \
            std::fprintf(stderr, "" __VA_ARGS__);                                                                      \
            std::fprintf(stderr, "\n");                                                                                \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

namespace fuzz {

// Printable rendering of a text for failure messages.
inline QByteArray show(const QString& s, qsizetype limit = 200)
{
    QByteArray out;
    for (qsizetype i = 0; i < s.size() && i < limit; ++i) {
        const char16_t c = s.at(i).unicode();
        if (c >= 0x20 && c < 0x7F && c != '\\')
            out += char(c);
        else
            out += QByteArray("\\u") + QByteArray::number(uint(c), 16).rightJustified(4, '0');
    }
    if (s.size() > limit)
        out += "...(" + QByteArray::number(s.size()) + " chars)";
    return out;
}

inline QByteArray show(const QByteArray& b, qsizetype limit = 200)
{
    QByteArray out;
    for (qsizetype i = 0; i < b.size() && i < limit; ++i) {
        const unsigned char c = static_cast<unsigned char>(b.at(i));
        if (c >= 0x20 && c < 0x7F && c != '\\')
            out += char(c);
        else
            out += QByteArray("\\x") + QByteArray::number(uint(c), 16).rightJustified(2, '0');
    }
    if (b.size() > limit)
        out += "...(" + QByteArray::number(b.size()) + " bytes)";
    return out;
}

} // namespace fuzz
