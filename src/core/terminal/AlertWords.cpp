#include "AlertWords.h"

#include <algorithm>
#include <vector>

static bool IsWordChar(QChar c)
{
    return c.isLetterOrNumber();
}

void AlertWords::setWords(const QString& list, const QString& ownCall)
{
    m_words.clear();
    m_longest = 0;
    QStringList all = list.split(QLatin1Char(','));
    if (!ownCall.isEmpty())
        all << ownCall.section(QLatin1Char('-'), 0, 0);
    for (const QString& w : all) {
        const QString word = w.trimmed();
        if (word.isEmpty() || m_words.contains(word, Qt::CaseInsensitive))
            continue;
        m_words << word;
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
    const quint64 base = at - quint64(fresh);
    std::vector<std::pair<quint64, quint64>> matches;
    for (const QString& word : m_words) {
        // Only matches that end in the new text: earlier ones were found before.
        qsizetype from = qMax<qsizetype>(0, fresh - word.size() + 1);
        for (qsizetype i; (i = joined.indexOf(word, from, Qt::CaseInsensitive)) >= 0; from = i + 1) {
            const qsizetype end = i + word.size();
            if ((i > 0 && IsWordChar(joined.at(i - 1))) || (end < joined.size() && IsWordChar(joined.at(end))))
                continue;
            matches.push_back({base + quint64(i), base + quint64(end)});
        }
    }
    // In the order of the text, as the screen marks them.
    std::sort(matches.begin(), matches.end());
    for (const auto& [from, to] : matches)
        found(from, to);
    // The longest word less one, and the character before it for the word boundary.
    m_tail = joined.right(m_longest);
}
