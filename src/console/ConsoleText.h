#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Text from the air as the operator's terminal may safely print it: CR and
// CR LF become line breaks; every other C0 byte (a lone LF and TAB too) and
// DEL print as their control pictures, and a C1 byte (U+0080-U+009F) as the
// picture of ESC and its 7-bit form ("␛[" for CSI), so that no received
// escape sequence ever reaches the terminal raw.
class ConsoleTextFilter
{
public:
    QString feed(QStringView text);
    // Whether the last character printed ended a line.
    bool atLineStart() const { return m_atLineStart; }

private:
    bool m_afterCr = false; // a CR LF may be split between two pieces
    bool m_atLineStart = true;
};

// A line typed at the console: text to send, or a command when it starts
// with "/" ("//" sends text that starts with "/").
struct ConsoleCommand
{
    enum class Kind { Text, Connect, Stop, Clear, Macro, Status, Control, Help, Quit, Invalid };
    Kind kind = Kind::Text;
    QString text; // Text: what to send; Invalid: why not
    QString call;
    QStringList via; // at most two digipeaters
    int macro = 0; // 1..12

    static ConsoleCommand parse(const QString& line);
};
