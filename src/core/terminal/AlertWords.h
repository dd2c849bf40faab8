#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Finds alert words in received text as it arrives: whole words, any letter
// case, also a word split between two arrivals. Each arrival is scanned with
// only as much of the previous one as the longest word needs, so the cost
// does not grow with what came before.
class AlertWords
{
public:
    // The words of a comma-separated list, plus the own call sign without
    // its SSID when ownCall is not empty.
    void setWords(const QString& list, const QString& ownCall);
    bool isEmpty() const { return m_words.isEmpty(); }
    const QStringList& words() const { return m_words; }
    // What follows starts afresh (a new over).
    void restart() { m_tail.clear(); }
    // Scans text that continues the previous, its first character at
    // position at; found gets each match (positions in the same count).
    void scan(const QString& text, quint64 at, const std::function<void(quint64 from, quint64 to)>& found);

private:
    QStringList m_words;
    QList<char16_t> m_firsts; // each word's first character, case-folded
    qsizetype m_longest = 0;
    QString m_tail; // the end of what came before
};
