#pragma once

#include <QString>

#include <array>

// A canned text on an F-key: the caption of its button and the text it types.
struct Macro
{
    QString label;
    QString text;
    bool operator==(const Macro& other) const { return label == other.label && text == other.text; }
    bool operator!=(const Macro& other) const { return !(*this == other); }
};

// F1 to F12, in order.
inline constexpr int MacroCount = 12;
using MacroSet = std::array<Macro, MacroCount>;

// A text as the settings file holds it on one line: a line break as "\n", a
// backslash as "\\". CR LF and a lone CR are line breaks too.
QString EscapeMacroText(const QString& text);
// The reverse; a backslash before anything else stays as it is, so a
// hand-written "C:\KELDO" reads as typed.
QString UnescapeMacroText(const QString& stored);
