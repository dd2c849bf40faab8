#include "SentHistory.h"

QString SentHistory::add(const QString& text)
{
    const bool recalling = m_shown < m_texts.size();
    m_texts.push_back(text);
    if (m_texts.size() > size_t(Capacity))
        m_texts.pop_front();
    m_shown = m_texts.size();
    QString draft;
    if (recalling)
        draft.swap(m_draft);
    m_draft.clear();
    return draft;
}

std::optional<QString> SentHistory::older(const QString& current)
{
    if (m_shown == 0)
        return std::nullopt;
    if (m_shown == m_texts.size())
        m_draft = current;
    return m_texts[--m_shown];
}

std::optional<QString> SentHistory::newer()
{
    if (m_shown >= m_texts.size())
        return std::nullopt;
    ++m_shown;
    return m_shown == m_texts.size() ? m_draft : m_texts[m_shown];
}
