#pragma once

#include <QByteArray>
#include <QString>

// 8-bit text on the wire and in the INI file is in the ANSI code page.
// We use Windows-1252 everywhere through our own 256-entry table, so every
// byte maps to exactly one character and back (the five bytes that 1252
// leaves undefined map to the C1 control characters of the same number).
namespace Ansi {

QChar byteToChar(unsigned char b);
QString toUnicode(const char* data, qsizetype size);
inline QString toUnicode(const QByteArray& bytes)
{
    return toUnicode(bytes.constData(), bytes.size());
}

// Characters outside the code page become '?', as the Windows converter does;
// complete (when given) tells whether every character was in the code page.
QByteArray fromUnicode(QStringView text, bool* complete = nullptr);

} // namespace Ansi
