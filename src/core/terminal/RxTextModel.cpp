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
