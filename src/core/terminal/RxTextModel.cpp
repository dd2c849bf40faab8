#include "RxTextModel.h"

#include "encoding/AnsiCodec.h"

// Banners and headers are not capped, but a modem that sends nothing but
// connection banners must not grow the screen without end.
static constexpr qsizetype HardCeiling = 16 * RxTextModel::Cap;

void RxTextModel::addRun(qsizetype length, Speaker speaker)
{
    if (length <= 0)
        return;
    if (!m_runs.empty() && m_runs.back().speaker == speaker)
        m_runs.back().length += length;
    else
        m_runs.push_back({length, speaker});
}

void RxTextModel::appendCapped(const QString& text, Speaker speaker)
{
    m_text.append(text);
    addRun(text.size(), speaker);
    m_appendedTotal += quint64(text.size());
    trimToCap();
    emit changed();
}

void RxTextModel::appendUncapped(const QString& text, Speaker speaker)
{
    m_text.append(text);
    addRun(text.size(), speaker);
    m_appendedTotal += quint64(text.size());
    if (m_text.size() > HardCeiling)
        trimToCap();
    emit changed();
}

void RxTextModel::addMark(quint64 from, quint64 to)
{
    if (to <= from || indexOf(to) <= 0)
        return;
    m_marks.push_back({from, to});
    ++m_marksAdded;
}

void RxTextModel::clear()
{
    m_text.clear();
    m_runs.clear();
    m_marks.clear();
    m_charBefore = QChar();
    ++m_resets;
    emit changed();
}

size_t RxTextModel::runStartingAt(qsizetype pos)
{
    // From the end: edits touch the newest text.
    qsizetype start = m_text.size();
    size_t i = m_runs.size();
    while (i > 0 && start > pos)
        start -= m_runs[--i].length;
    if (start == pos)
        return start < m_text.size() ? i : m_runs.size();
    // pos lies inside run i.
    const qsizetype head = pos - start;
    m_runs.insert(m_runs.begin() + qsizetype(i), Run{head, m_runs[i].speaker});
    m_runs[i + 1].length -= head;
    return i + 1;
}

void RxTextModel::mergeRunsAround(size_t from, size_t to)
{
    size_t i = from > 0 ? from - 1 : 0;
    size_t end = qMin(to + 1, m_runs.size());
    while (i + 1 < end) {
        if (m_runs[i].speaker == m_runs[i + 1].speaker) {
            m_runs[i].length += m_runs[i + 1].length;
            m_runs.erase(m_runs.begin() + qsizetype(i) + 1);
            --end;
        } else {
            ++i;
        }
    }
}

void RxTextModel::recordEdit(const Edit& edit)
{
    m_edits.push_back(edit);
    if (qsizetype(m_edits.size()) > MaxEdits)
        m_edits.pop_front();
    ++m_editTotal;
}

bool RxTextModel::splitRuns(qsizetype& from, qsizetype& length, size_t& first, size_t& last)
{
    from = qBound<qsizetype>(0, from, m_text.size());
    length = qBound<qsizetype>(0, length, m_text.size() - from);
    if (length == 0)
        return false;
    first = runStartingAt(from);
    last = runStartingAt(from + length);
    return true;
}

void RxTextModel::setSpeaker(qsizetype from, qsizetype length, Speaker speaker)
{
    size_t first = 0, last = 0;
    if (!splitRuns(from, length, first, last))
        return;
    for (size_t i = first; i < last; ++i)
        m_runs[i].speaker = speaker;
    mergeRunsAround(first, last);
    recordEdit({m_appendedTotal, m_text.size(), from, length, false, speaker});
    emit changed();
}

void RxTextModel::remove(qsizetype from, qsizetype length)
{
    size_t first = 0, last = 0;
    if (!splitRuns(from, length, first, last))
        return;
    m_runs.erase(m_runs.begin() + qsizetype(first), m_runs.begin() + qsizetype(last));
    mergeRunsAround(first, first);
    recordEdit({m_appendedTotal, m_text.size(), from, length, true, Speaker::Remote});
    // Marks count from the end: those before the range keep their place by
    // moving up with it; one inside it goes with the text.
    const quint64 start = m_appendedTotal - quint64(m_text.size()) + quint64(from);
    const quint64 end = start + quint64(length);
    std::deque<Mark> kept;
    for (Mark m : m_marks) {
        if (m.to <= start) {
            m.from += quint64(length);
            m.to += quint64(length);
        } else if (m.from < end) {
            continue;
        }
        kept.push_back(m);
    }
    m_marks.swap(kept);
    m_text.remove(from, length);
    emit changed();
}

void RxTextModel::trimToCap()
{
    const qsizetype excess = m_text.size() - Cap;
    if (excess <= 0)
        return;
    // CRs that start a CR LF pair: the pair is one character on screen.
    quint64 pairs = 0;
    const QChar* p = m_text.constData();
    for (qsizetype i = 0; i < excess; ++i)
        if (p[i] == QLatin1Char('\r') && p[i + 1] == QLatin1Char('\n'))
            ++pairs;
    m_trimmedCrTotal += pairs;
    m_trimmedTotal += quint64(excess);
    m_charBefore = m_text.at(excess - 1);
    m_text.remove(0, excess);
    for (qsizetype left = excess; left > 0;) {
        Run& front = m_runs.front();
        if (front.length > left) {
            front.length -= left;
            break;
        }
        left -= front.length;
        m_runs.pop_front();
    }
    while (!m_marks.empty() && indexOf(m_marks.front().to) <= 0)
        m_marks.pop_front();
}

void RxTextModel::ConvertReceivedInto(QString& out, const char* data, qsizetype size)
{
    // Worst case every byte is a CR and becomes two characters.
    const qsizetype start = out.size();
    out.resize(start + 2 * size);
    QChar* w = out.data() + start;
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char b = static_cast<unsigned char>(data[i]);
        if (b == '\r') {
            *w++ = QLatin1Char('\r');
            *w++ = QLatin1Char('\n');
            if (i + 1 < size && data[i + 1] == '\n')
                ++i;
        } else {
            *w++ = Ansi::byteToChar(b);
        }
    }
    out.truncate(w - out.constData());
}

QString RxTextModel::ConvertReceived(const QByteArray& bytes)
{
    QString out;
    ConvertReceivedInto(out, bytes.constData(), bytes.size());
    return out;
}
