#include "RxFeed.h"

RxFeed::RxFeed(const RxTextModel& model, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_told(model.length())
    , m_trimmed(model.trimmedTotal())
    , m_resets(model.resetCount())
    , m_edits(model.editTotal())
{
    connect(&model, &RxTextModel::changed, this, &RxFeed::follow);
}

void RxFeed::follow()
{
    // The model changes one step at a time, each told by its own signal.
    if (m_model.resetCount() != m_resets) {
        m_resets = m_model.resetCount();
        m_trimmed = m_model.trimmedTotal();
        m_edits = m_model.editTotal();
        m_told = 0;
        emit cleared();
    }
    m_told = qMax<qsizetype>(0, m_told - qsizetype(m_model.trimmedTotal() - m_trimmed));
    m_trimmed = m_model.trimmedTotal();
    const auto& edits = m_model.edits();
    const quint64 fresh = qMin<quint64>(m_model.editTotal() - m_edits, edits.size());
    for (auto e = edits.end() - qsizetype(fresh); e != edits.end(); ++e) {
        if (e->removed && e->from < m_told)
            m_told -= qMin(e->length, m_told - e->from);
    }
    m_edits = m_model.editTotal();

    const QString& text = m_model.text();
    if (m_told >= text.size()) {
        m_told = text.size();
        return;
    }
    // From the end back to the first run not yet told in full: a change
    // costs what it adds, not what the screen holds.
    const auto& runs = m_model.runs();
    auto run = runs.end();
    qsizetype start = text.size();
    while (run != runs.begin() && start > m_told) {
        --run;
        start -= run->length;
    }
    for (; run != runs.end(); start += run->length, ++run) {
        const qsizetype from = qMax(start, m_told);
        emit appended(text.mid(from, start + run->length - from), run->speaker);
    }
    m_told = text.size();
}
