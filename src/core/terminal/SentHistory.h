#pragma once

#include <QString>

#include <deque>
#include <optional>

// The texts sent since the terminal started, newest last, for recalling
// them in the TX box as a shell does; what was being typed when recall began
// is kept as the draft and comes back after the newest text.
class SentHistory
{
public:
    static constexpr int Capacity = 50;

    // A text went out. Returns the draft put aside while it was recalled
    // (empty when none) for the TX box; recall starts over at the draft.
    QString add(const QString& text);
    // The text before the one shown; current is the box's text, kept as the
    // draft when recall begins. Nothing at the oldest.
    std::optional<QString> older(const QString& current);
    // The text after the one shown, and after the newest the draft. Nothing
    // when the draft is shown already.
    std::optional<QString> newer();
    int size() const { return int(m_texts.size()); }

private:
    std::deque<QString> m_texts;
    size_t m_shown = 0; // index of the text shown; m_texts.size() is the draft
    QString m_draft;
};
