#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// An INI file read and written with the semantics of the Windows
// private-profile functions: section and key names compare without regard to
// case, blanks around names and values are ignored, values come back cut to
// 255 characters, unknown lines are kept, an existing key is updated in place
// and a new key goes to the end of its section.
//
// Details that follow those functions:
// - Lines end in CR LF, LF or a lone CR; every line is written back with CR LF.
// - A line whose first non-blank character is ';' is a comment. A line
//   starting with '[' and holding a ']' is a section header; its name is the
//   text up to the last ']'. Any other line with '=' is a key; the first '='
//   ends the name.
// - Any other line is a bare key: its whole text is the name and it has no
//   value. It reads as absent and is not listed, but it is the first line of
//   its name, so a later line of that key is never seen, and a write fills
//   the bare line in (a new line after it would stay hidden behind it).
// - Lines before the first section belong to no section and are only kept.
// - On read the first matching section, and in it the first matching key,
//   wins; later duplicates are kept but never seen. Writes go to the same one.
// - One pair of matching double or single quotes around a value is removed
//   on read.
// - A new key goes after the last line of its section that is neither blank
//   nor a comment; a new section goes at the end of the file with no blank
//   line before it.
// - The text is in the ANSI code page (Windows-1252). When some text cannot
//   be written in it, the file is written as UTF-8 with a byte-order mark
//   and an empty first line instead: the profile functions honour the mark,
//   and a reader that does not loses only that line, which holds no key.
//   Code-page text whose bytes happen to form UTF-8, and so would read back
//   as other text, goes the same way. A file with only code-page text keeps
//   its bytes.
// - A file that starts with a UTF-8 or UTF-16LE byte-order mark is read and
//   written back in that encoding. A file without a mark that is valid UTF-8
//   and has bytes above 127 came from a UTF-8 editor (code-page text with
//   accented letters is hardly ever valid UTF-8): it is read as UTF-8 and
//   written back as UTF-8 without a mark, as it came, so that its editor and
//   any diff see only the values that changed.
class IniDocument
{
public:
    static constexpr int MaxValueLength = 255;

    IniDocument() = default;
    explicit IniDocument(const QByteArray& fileBytes) { parse(fileBytes); }

    void parse(const QByteArray& fileBytes);
    QByteArray toBytes() const;

    // Returns def when the section or key is missing; a present key with an
    // empty value yields "".
    QString value(const QString& section, const QString& key, const QString& def = QString()) const;
    // The value without the cut, as a larger buffer reads it, for keys only
    // this program writes (canned texts); "" when missing.
    QString fullValue(const QString& section, const QString& key) const;
    bool contains(const QString& section, const QString& key) const;
    // Line breaks in value become blanks, so a value can never add a line.
    // A value with blanks at either end, or wrapped in a pair of quotes, is
    // written in double quotes so that it reads back unchanged. Returns false
    // (and changes nothing) for a name that cannot be stored: empty, with a
    // line break, a section name with ']', a key with '=' or starting with
    // ';' or '['.
    bool setValue(const QString& section, const QString& key, const QString& value);
    // Keys of a section in file order (first occurrence wins, as on read).
    QStringList keys(const QString& section) const;
    // Section names in file order, each once.
    QStringList sections() const;

private:
    enum class Encoding { Ansi, Utf8, Utf8NoMark, Utf16LE };

    struct Section
    {
        QString header; // the raw header line; empty before the first section
        QString name; // trimmed section name
        std::vector<QString> lines; // raw lines after the header, without line ends
        QHash<QString, int> keyIndex; // folded key name -> first line holding it
        int insertAt = 0; // where a new key goes
    };

    std::vector<Section> m_sections = std::vector<Section>(1); // [0]: lines before any section
    QHash<QString, int> m_sectionIndex; // folded section name -> first section with it
    Encoding m_encoding = Encoding::Ansi;

    const Section* findSection(const QString& name) const;
    // The key's value cut to limit; false when it is missing.
    bool read(const QString& section, const QString& key, qsizetype limit, QString& out) const;
    void addSection(Section&& section);
};
