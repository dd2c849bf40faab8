#include "IniDocument.h"

#include "encoding/AnsiCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <limits>

namespace {

enum class LineKind { Blank, Comment, Header, Key, Other };

inline bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    // 0x1A: an old end-of-file mark some editors leave behind.
    return u == ' ' || u == '\t' || u == '\v' || u == '\f' || u == 0x1A;
}

QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

struct Parsed
{
    LineKind kind = LineKind::Blank;
    QStringView name;
    QStringView value;
};

Parsed classify(QStringView raw)
{
    Parsed p;
    const QStringView s = trimBlanks(raw);
    if (s.isEmpty())
        return p;
    if (s[0] == QLatin1Char(';')) {
        p.kind = LineKind::Comment;
        return p;
    }
    if (s[0] == QLatin1Char('[')) {
        const qsizetype close = s.lastIndexOf(QLatin1Char(']'));
        if (close > 0) {
            p.kind = LineKind::Header;
            p.name = trimBlanks(s.mid(1, close - 1));
            return p;
        }
    }
    const qsizetype eq = s.indexOf(QLatin1Char('='));
    if (eq < 0) {
        // A bare key: named, without a value.
        p.kind = LineKind::Other;
        p.name = s;
        return p;
    }
    p.kind = LineKind::Key;
    p.name = trimBlanks(s.left(eq));
    p.value = trimBlanks(s.mid(eq + 1));
    return p;
}

inline QString fold(QStringView name)
{
    return name.toString().toUpper();
}

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

QString readValue(QStringView v, qsizetype limit = IniDocument::MaxValueLength)
{
    if (v.size() >= 2 && isQuote(v[0]) && v[v.size() - 1] == v[0])
        v = v.mid(1, v.size() - 2);
    return v.left(limit).toString();
}

bool hasLineBreak(const QString& s)
{
    return s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n'));
}

QString storedValue(const QString& value)
{
    QString v = value;
    for (QChar& c : v) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    const bool needsQuotes =
        trimBlanks(v).size() != v.size() || (v.size() >= 2 && isQuote(v[0]) && v[v.size() - 1] == v[0]);
    if (needsQuotes)
        return QLatin1Char('"') + v + QLatin1Char('"');
    return v;
}

// Strict UTF-8 (no overlong forms, surrogates or code points above
// U+10FFFF), so that decoding and encoding again gives the same bytes.
// high: whether any byte is above 127.
bool isUtf8(const QByteArray& bytes, bool* high)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    *high = false;
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        *high = true;
        int more;
        unsigned char lo = 0x80;
        unsigned char hi = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            if (b == 0xE0)
                lo = 0xA0;
            else if (b == 0xED)
                hi = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            if (b == 0xF0)
                lo = 0x90;
            else if (b == 0xF4)
                hi = 0x8F;
        } else {
            return false;
        }
        if (n - i <= more)
            return false;
        if (p[i + 1] < lo || p[i + 1] > hi)
            return false;
        for (int k = 2; k <= more; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        i += more + 1;
    }
    return true;
}

std::vector<QString> splitLines(const QString& text)
{
    std::vector<QString> lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.push_back(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.push_back(text.mid(start));
    return lines;
}

} // namespace

void IniDocument::parse(const QByteArray& bytes)
{
    m_sections.assign(1, Section());
    m_sectionIndex.clear();

    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        m_encoding = Encoding::Utf8;
        text = QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    } else if (bytes.startsWith("\xFF\xFE")) {
        m_encoding = Encoding::Utf16LE;
        QStringDecoder decode(QStringConverter::Utf16LE);
        text = decode(QByteArrayView(bytes.constData() + 2, bytes.size() - 2));
    } else {
        bool high = false;
        if (isUtf8(bytes, &high) && high) {
            m_encoding = Encoding::Utf8NoMark;
            text = QString::fromUtf8(bytes);
        } else {
            m_encoding = Encoding::Ansi;
            text = Ansi::toUnicode(bytes);
        }
    }

    Section current;
    bool inPreamble = true;
    auto finish = [&]() {
        if (inPreamble)
            m_sections[0] = std::move(current);
        else
            addSection(std::move(current));
    };

    for (QString& line : splitLines(text)) {
        const Parsed p = classify(line);
        if (p.kind == LineKind::Header) {
            finish();
            inPreamble = false;
            current = Section();
            current.name = p.name.toString();
            current.header = std::move(line);
            continue;
        }
        const int index = int(current.lines.size());
        if (p.kind == LineKind::Key || p.kind == LineKind::Other) {
            const QString key = fold(p.name);
            if (!current.keyIndex.contains(key))
                current.keyIndex.insert(key, index);
        }
        if (p.kind == LineKind::Key || p.kind == LineKind::Other)
            current.insertAt = index + 1;
        current.lines.push_back(std::move(line));
    }
    finish();
}

void IniDocument::addSection(Section&& section)
{
    const QString key = fold(section.name);
    if (!m_sectionIndex.contains(key))
        m_sectionIndex.insert(key, int(m_sections.size()));
    m_sections.push_back(std::move(section));
}

QByteArray IniDocument::toBytes() const
{
    QString text;
    auto add = [&text](const QString& line) {
        text += line;
        text += QLatin1String("\r\n");
    };
    for (size_t i = 0; i < m_sections.size(); ++i) {
        const Section& s = m_sections[i];
        if (i > 0)
            add(s.header);
        for (const QString& line : s.lines)
            add(line);
    }

    switch (m_encoding) {
    case Encoding::Utf8:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Encoding::Utf8NoMark:
        return text.toUtf8();
    case Encoding::Utf16LE: {
        QStringEncoder encode(QStringConverter::Utf16LE);
        return QByteArray("\xFF\xFE") + QByteArray(encode(text));
    }
    case Encoding::Ansi:
        break;
    }
    // Text outside the code page, and code-page text whose bytes happen to
    // be UTF-8 and so would read back as other text, go out in UTF-8.
    bool complete = false;
    QByteArray ansi = Ansi::fromUnicode(text, &complete);
    bool high = false;
    if (complete && !(isUtf8(ansi, &high) && high))
        return ansi;
    // Read back, this empty line joins the lines before the first section:
    // the next save writes the same bytes.
    return QByteArray("\xEF\xBB\xBF\r\n") + text.toUtf8();
}

const IniDocument::Section* IniDocument::findSection(const QString& name) const
{
    const auto it = m_sectionIndex.constFind(fold(trimBlanks(name)));
    return it == m_sectionIndex.constEnd() ? nullptr : &m_sections[size_t(it.value())];
}

bool IniDocument::read(const QString& section, const QString& key, qsizetype limit, QString& out) const
{
    if (const Section* s = findSection(section)) {
        const auto it = s->keyIndex.constFind(fold(trimBlanks(key)));
        if (it != s->keyIndex.constEnd()) {
            const Parsed p = classify(s->lines[size_t(it.value())]);
            if (p.kind == LineKind::Key) {
                out = readValue(p.value, limit);
                return true;
            }
        }
    }
    return false;
}

QString IniDocument::value(const QString& section, const QString& key, const QString& def) const
{
    QString v;
    if (read(section, key, MaxValueLength, v))
        return v;
    // The profile functions drop trailing blanks of the default and cut it
    // to the buffer like any value.
    QStringView d(def);
    while (!d.isEmpty() && isBlank(d.back()))
        d.chop(1);
    return d.left(MaxValueLength).toString();
}

QString IniDocument::fullValue(const QString& section, const QString& key) const
{
    QString v;
    read(section, key, std::numeric_limits<qsizetype>::max(), v);
    return v;
}

bool IniDocument::contains(const QString& section, const QString& key) const
{
    const Section* s = findSection(section);
    if (!s)
        return false;
    const auto it = s->keyIndex.constFind(fold(trimBlanks(key)));
    return it != s->keyIndex.constEnd() && classify(s->lines[size_t(it.value())]).kind == LineKind::Key;
}

bool IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString sectionName = trimBlanks(section).toString();
    const QString keyName = trimBlanks(key).toString();
    if (sectionName.isEmpty() || hasLineBreak(sectionName) || sectionName.contains(QLatin1Char(']')))
        return false;
    if (keyName.isEmpty() || hasLineBreak(keyName) || keyName.contains(QLatin1Char('='))
        || keyName.startsWith(QLatin1Char(';')) || keyName.startsWith(QLatin1Char('[')))
        return false;

    const QString stored = storedValue(value);
    const QString sectionKey = fold(sectionName);
    auto sit = m_sectionIndex.constFind(sectionKey);
    if (sit == m_sectionIndex.constEnd()) {
        Section fresh;
        fresh.name = sectionName;
        fresh.header = QLatin1Char('[') + sectionName + QLatin1Char(']');
        addSection(std::move(fresh));
        sit = m_sectionIndex.constFind(sectionKey);
    }
    Section& s = m_sections[size_t(sit.value())];

    const QString folded = fold(keyName);
    const auto kit = s.keyIndex.constFind(folded);
    if (kit != s.keyIndex.constEnd()) {
        // Keep the key's own spelling; only the value changes, or a bare
        // key line gets one.
        QString& line = s.lines[size_t(kit.value())];
        line = classify(line).name.toString() + QLatin1Char('=') + stored;
        return true;
    }
    // Only blank and comment lines follow insertAt, so no indexed key moves.
    s.lines.insert(s.lines.begin() + s.insertAt, keyName + QLatin1Char('=') + stored);
    s.keyIndex.insert(folded, s.insertAt);
    ++s.insertAt;
    return true;
}

QStringList IniDocument::keys(const QString& section) const
{
    QStringList out;
    const Section* s = findSection(section);
    if (!s)
        return out;
    for (size_t i = 0; i < s->lines.size(); ++i) {
        const Parsed p = classify(s->lines[i]);
        if (p.kind == LineKind::Key && s->keyIndex.value(fold(p.name), -1) == int(i))
            out << p.name.toString();
    }
    return out;
}

QStringList IniDocument::sections() const
{
    QStringList out;
    for (size_t i = 1; i < m_sections.size(); ++i) {
        if (m_sectionIndex.value(fold(m_sections[i].name), -1) == int(i))
            out << m_sections[i].name;
    }
    return out;
}
