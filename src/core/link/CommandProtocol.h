#pragma once

#include <QString>
#include <QStringList>

// Pure parsing helpers of the command channel.
namespace Protocol {

// Pieces between single spaces; two spaces in a row make an empty field.
QStringList SplitFields(const QString& line);

// The leading decimal number of text (optional blanks and sign, then digits);
// 0 when there is none. Values beyond the range saturate, so a count too
// large for any block still compares as larger than the block.
qint64 LeadingNumber(const QString& text);

struct ConnectedFields
{
    bool hasCall1 = false;
    bool hasCall2 = false;
    QString call1;
    QString call2;
    QString via1;
    QString via2;
};
// Reads a "CONNECTED " line (already upper-cased).
ConnectedFields ParseConnected(const QString& line);

enum class LineKind { Other, Connected, Buffer, Disconnected, PttOn, PttOff };
// What an upper-cased line from the modem asks. Whole-line rules ignore
// blanks and tabs at the end; an unkey is taken in any spacing, so that it
// is hard to miss, while a key-up must be exact.
LineKind KindOf(const QString& line);

} // namespace Protocol
