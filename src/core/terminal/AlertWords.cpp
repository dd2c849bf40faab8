#include "AlertWords.h"

namespace {

// Letters and digits of ASCII, looked up: the scan runs over every character.
struct AsciiWordChars
{
    bool is[128] = {};
    constexpr AsciiWordChars()
    {
        for (int c = 0; c < 128; ++c)
            is[c] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    }
};
constexpr AsciiWordChars Ascii;

} // namespace

static inline bool IsWordChar(QChar c)
{
    const char16_t u = c.unicode();
    return u < 128 ? Ascii.is[u] : c.isLetterOrNumber();
}

// Case-folded, quickly for the ASCII that most text on the air is.
static inline char16_t Folded(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 128)
        return u >= 'A' && u <= 'Z' ? char16_t(u + 32) : u;
    return char16_t(QChar::toCaseFolded(char32_t(u)));
}

void AlertWords::setWords(const QString& list, const QString& ownCall)
{
    m_words.clear();
    m_firsts.clear();
    m_longest = 0;
    QStringList all = list.split(QLatin1Char(','));
    if (!ownCall.isEmpty())
        all << ownCall.section(QLatin1Char('-'), 0, 0);
    for (const QString& w : all) {
        const QString word = w.trimmed();
        if (word.isEmpty() || m_words.contains(word, Qt::CaseInsensitive))
            continue;
        m_words << word;
        m_firsts << Folded(word.at(0));
        m_longest = qMax(m_longest, word.size());
    }
    m_tail.clear();
}

void AlertWords::scan(const QString& text, quint64 at, const std::function<void(quint64, quint64)>& found)
{
    if (m_words.isEmpty() || text.isEmpty())
        return;
    const QString joined = m_tail + text;
    const qsizetype fresh = m_tail.size(); // a match must reach into the new text
    const qsizetype n = joined.size();
    const QChar* p = joined.constData();
    const quint64 base = at - quint64(fresh);
    // One pass, in the order of the text: only a word's start is tried, and
    // only against the words beginning with its letter.
    qsizetype i = qMax<qsizetype>(0, fresh - m_longest + 1);
    for (bool afterWordChar = i > 0 && IsWordChar(p[i - 1]); i < n; ++i) {
        const bool wordStart = !afterWordChar;
        afterWordChar = IsWordChar(p[i]);
        if (!wordStart)
            continue;
        const char16_t first = Folded(p[i]);
        for (qsizetype w = 0; w < m_words.size(); ++w) {
            const QString& word = m_words.at(w);
            const qsizetype end = i + word.size();
            if (m_firsts.at(w) != first || end > n || end <= fresh || (end < n && IsWordChar(p[end]))
                || QStringView(p + i, word.size()).compare(word, Qt::CaseInsensitive) != 0)
                continue;
            found(base + quint64(i), base + quint64(end));
        }
    }
    // Enough for the longest word, and the character before it for the word boundary.
    m_tail = joined.right(m_longest);
}
