#include "RxDocument.h"

#include "terminal/RxTextModel.h"

#include <QColor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace {

// The longest q such that the last q characters of a are the first q of b
// (Knuth-Morris-Pratt). b's borders are worked out only as far as a match
// reaches, so texts that share little cost one pass over a.
qsizetype longestOverlap(QStringView a, QStringView b)
{
    const qsizetype m = std::min(a.size(), b.size());
    std::vector<qsizetype> border{0}; // border[i]: the longest proper border of b's first i + 1
    auto borderAt = [&](qsizetype i) {
        for (qsizetype j = qsizetype(border.size()); j <= i; ++j) {
            qsizetype k = border.back();
            while (k > 0 && b[j] != b[k])
                k = border[size_t(k - 1)];
            border.push_back(b[j] == b[k] ? k + 1 : k);
        }
        return border[size_t(i)];
    };
    qsizetype q = 0;
    for (qsizetype i = a.size() - m; i < a.size(); ++i) {
        while (q > 0 && (q == m || a[i] != b[q]))
            q = borderAt(q - 1);
        if (a[i] == b[q])
            ++q;
    }
    return q;
}

// Whether a's runs from `from` on have the speakers of b's first `length` characters.
bool sameSpeakers(const std::deque<RxTextModel::Run>& a, qsizetype from, const std::deque<RxTextModel::Run>& b,
                  qsizetype length)
{
    auto ia = a.begin();
    qsizetype leftA = 0; // of *ia, from the current position
    for (qsizetype at = 0; ia != a.end(); ++ia) {
        if (at + ia->length > from) {
            leftA = at + ia->length - from;
            break;
        }
        at += ia->length;
    }
    auto ib = b.begin();
    qsizetype leftB = ib != b.end() ? ib->length : 0;
    while (length > 0) {
        if (ia == a.end() || ib == b.end() || ia->speaker != ib->speaker)
            return false;
        const qsizetype step = std::min({leftA, leftB, length});
        length -= step;
        if ((leftA -= step) == 0 && ++ia != a.end())
            leftA = ia->length;
        if ((leftB -= step) == 0 && ++ib != b.end())
            leftB = ib->length;
    }
    return true;
}

} // namespace

RxDocument::RxDocument(RxTextModel& model, QTextDocument& document, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_document(document)
{
    setSchemeColours(ColoursOf(ColourScheme::Black));
}

// Characters the document holds (without the final paragraph end).
int RxDocument::shownLength() const
{
    return m_document.characterCount() - 1;
}

QString RxDocument::ToDisplay(QStringView text, QChar prev, QChar next)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            if ((i + 1 < n ? text[i + 1] : next) == QLatin1Char('\n'))
                continue; // the LF makes the break
            out.append(QChar(LoneCrMark));
        } else if (c == QLatin1Char('\n')) {
            const QChar before = i > 0 ? text[i - 1] : prev;
            out.append(before == QLatin1Char('\r') ? QChar(QLatin1Char('\n')) : QChar(LoneLfMark));
        } else {
            out.append(c);
        }
    }
    return out;
}

// ---- Speaker colours ----------------------------------------------------------

void RxDocument::setSpeakerColours(bool on)
{
    if (on == m_speakerColours)
        return;
    m_speakerColours = on;
    m_rewrite = true;
}

void RxDocument::setSchemeColours(const SchemeColours& colours)
{
    m_scheme = colours;
    for (int coloured = 0; coloured < 2; ++coloured) {
        QTextCharFormat* f = m_formats[coloured];
        for (int i = 0; i < SpeakerCount; ++i)
            f[i] = QTextCharFormat();
        if (coloured) {
            f[int(Speaker::Own)].setForeground(QColor(colours.own));
            f[int(Speaker::Banner)].setForeground(QColor(colours.banner));
        }
        // Halfway to the background: plainly not yet said, still readable.
        const QColor base(coloured ? colours.own : colours.text);
        const QColor back(colours.background);
        f[int(Speaker::Pending)].setForeground(
            QColor((base.red() + back.red()) / 2, (base.green() + back.green()) / 2, (base.blue() + back.blue()) / 2));
        f[int(Speaker::Queued)] = f[int(Speaker::Pending)];
        f[int(Speaker::Queued)].setFontItalic(true);
    }
    // Amber behind the text: the scheme's text colours all stay readable on it.
    const bool dark = QColor(colours.background).lightness() < 128;
    m_markFormat.setBackground(dark ? QColor(0x6b, 0x4f, 0x00) : QColor(0xff, 0xe0, 0x7a));
    m_rewrite = true;
}

const QTextCharFormat& RxDocument::formatOf(Speaker speaker) const
{
    // Without speaker colours the text keeps the pane's colour, but for own text not yet sent.
    return m_formats[m_speakerColours ? 1 : 0][int(speaker)];
}

void RxDocument::rewriteAll()
{
    const QString& text = m_model.text();
    const bool plain = std::all_of(m_model.runs().begin(), m_model.runs().end(), [this](const RxTextModel::Run& r) {
        return formatOf(r.speaker).properties().isEmpty();
    });
    if (plain) {
        m_document.setPlainText(ToDisplay(text, m_model.charBeforeText()));
        return;
    }
    // One plain text, then the formats over the runs that have one.
    QString display;
    display.reserve(text.size());
    struct Span
    {
        int from, to;
        Speaker speaker;
    };
    std::vector<Span> spans;
    qsizetype at = 0;
    for (const RxTextModel::Run& run : m_model.runs()) {
        const QChar prev = at > 0 ? text.at(at - 1) : m_model.charBeforeText();
        const QChar next = at + run.length < text.size() ? text.at(at + run.length) : QChar();
        const int from = int(display.size());
        display += ToDisplay(QStringView(text).mid(at, run.length), prev, next);
        if (!formatOf(run.speaker).properties().isEmpty() && display.size() > from)
            spans.push_back({from, int(display.size()), run.speaker});
        at += run.length;
    }
    m_document.setPlainText(display);
    if (spans.empty())
        return;
    QTextCursor cursor(&m_document);
    cursor.beginEditBlock();
    for (const Span& s : spans) {
        cursor.setPosition(s.from);
        cursor.setPosition(s.to, QTextCursor::KeepAnchor);
        cursor.setCharFormat(formatOf(s.speaker));
    }
    cursor.endEditBlock();
}

// The model's text from start to its end, appended run by run in each run's format.
void RxDocument::appendColoured(qsizetype start)
{
    const QString& text = m_model.text();
    const std::deque<RxTextModel::Run>& runs = m_model.runs();
    // Runs are found from the end: what is appended is usually short.
    auto it = runs.end();
    qsizetype runStart = text.size();
    while (it != runs.begin()) {
        --it;
        runStart -= it->length;
        if (runStart <= start)
            break;
    }
    QTextCursor cursor(&m_document);
    cursor.movePosition(QTextCursor::End);
    qsizetype at = start;
    for (; it != runs.end(); ++it) {
        const qsizetype end = runStart + it->length;
        const QChar prev = at > 0 ? text.at(at - 1) : m_model.charBeforeText();
        const QChar next = end < text.size() ? text.at(end) : QChar();
        cursor.insertText(ToDisplay(QStringView(text).mid(at, end - at), prev, next), formatOf(it->speaker));
        runStart = at = end;
    }
}

// How much of the text the document shows continues into the model's text,
// with the same colours and the same look at both ends of the overlap; 0 when
// the document is to be rebuilt.
qsizetype RxDocument::overlapWithSeen() const
{
    const QString& text = m_model.text();
    const QString& seen = m_seenText;
    const qsizetype q = longestOverlap(seen, text);
    if (q == 0)
        return 0;
    const qsizetype cut = seen.size() - q;
    if (!sameSpeakers(m_seenRuns, cut, m_model.runs(), q))
        return 0;
    const QChar seenPrev = cut > 0 ? seen.at(cut - 1) : m_seenBefore;
    // A leading LF is a break only after a CR; a trailing CR a mark only at the end.
    if (text.at(0) == QLatin1Char('\n')
        && (seenPrev == QLatin1Char('\r')) != (m_model.charBeforeText() == QLatin1Char('\r')))
        return 0;
    if (seen.back() == QLatin1Char('\r') && q < text.size() && text.at(q) == QLatin1Char('\n'))
        return 0;
    return q;
}

// ---- Edits inside the text ------------------------------------------------------

namespace {

// Where model position `at` of seen lands in a document of docLength
// characters that shows seen, counted from the end: a CR LF pair is one
// character there.
int DocPositionFromEnd(const QString& seen, qsizetype at, int docLength)
{
    qsizetype pairs = 0;
    const QChar* p = seen.constData();
    for (qsizetype i = at; i + 1 < seen.size(); ++i)
        if (p[i] == QLatin1Char('\r') && p[i + 1] == QLatin1Char('\n'))
            ++pairs;
    return docLength - int(seen.size() - at - pairs);
}

} // namespace

// Replays the model's edits since the last sync on the document, each
// counted from the end of what it shows; appended becomes what is left to
// append after them. Without a cursor it only checks that they can be (all
// still in the journal, each on text the document shows or not yet
// appended). A removal that joins or parts a CR LF pair also mends the look
// of the CR before it and the LF after it. Each change of length goes to
// m_changes.
bool RxDocument::replayEdits(QTextCursor* cursor, quint64& appended)
{
    const std::deque<RxTextModel::Edit>& edits = m_model.edits();
    const quint64 unseen = m_model.editTotal() - m_seenEdits;
    if (unseen > edits.size())
        return false;
    QString seen = cursor ? m_seenText : QString(); // what the document shows, edit by edit
    qsizetype seenSize = m_seenText.size();
    quint64 fresh = 0; // characters at the model's end the document does not have yet
    quint64 at = m_seenAppended;
    for (auto e = edits.end() - qsizetype(unseen); e != edits.end(); ++e) {
        fresh += e->appendedAt - at;
        at = e->appendedAt;
        const qsizetype shownEnd = e->size - qsizetype(fresh);
        const qsizetype end = e->from + e->length;
        if (e->from >= shownEnd) {
            if (e->removed)
                fresh -= quint64(e->length);
            continue; // only text not shown yet: appended as it is now
        }
        const qsizetype s0 = seenSize - (shownEnd - e->from);
        const qsizetype s1 = s0 + (qMin(end, shownEnd) - e->from);
        if (s0 < 0)
            return false;
        if (e->removed) {
            fresh -= quint64(end - qMin(end, shownEnd));
            seenSize -= s1 - s0;
        }
        if (!cursor)
            continue;
        const int docLength = shownLength();
        cursor->setPosition(DocPositionFromEnd(seen, s0, docLength));
        cursor->setPosition(DocPositionFromEnd(seen, s1, docLength), QTextCursor::KeepAnchor);
        if (!e->removed) {
            cursor->setCharFormat(formatOf(e->speaker));
            continue;
        }
        const QChar before = s0 > 0 ? seen.at(s0 - 1) : m_seenBefore;
        const QChar first = seen.at(s0), last = seen.at(s1 - 1);
        const QChar after = s1 < seen.size() ? seen.at(s1) : QChar();
        int pos = cursor->selectionStart();
        changedAt(pos, pos - cursor->selectionEnd());
        cursor->removeSelectedText();
        seen.remove(s0, s1 - s0);
        // A CR shows as a mark unless an LF follows; an LF is a break only after a CR.
        if (s0 > 0 && before == QLatin1Char('\r') && (first == QLatin1Char('\n')) != (after == QLatin1Char('\n'))) {
            if (after == QLatin1Char('\n')) {
                cursor->setPosition(--pos);
                cursor->deleteChar();
                changedAt(pos, -1);
            } else {
                cursor->setPosition(pos);
                cursor->insertText(QString(QChar(LoneCrMark)));
                changedAt(pos++, 1);
            }
        }
        if (after == QLatin1Char('\n') && (last == QLatin1Char('\r')) != (before == QLatin1Char('\r'))) {
            cursor->setPosition(pos);
            cursor->setPosition(pos + 1, QTextCursor::KeepAnchor);
            const QTextCharFormat format = cursor->charFormat();
            cursor->insertText(before == QLatin1Char('\r') ? QStringLiteral("\n") : QString(QChar(LoneLfMark)), format);
            changedAt(pos, -1);
            changedAt(pos, 1);
        }
    }
    appended = fresh + (m_model.appendedTotal() - at);
    return true;
}

// ---- Alert marks and find ----------------------------------------------------------

// The last count of the model's marks, on the document. Positions are counted
// back from the end, where document and model meet: a CR LF pair is one
// character on screen. New marks lie near the end, so this costs what came new.
void RxDocument::applyMarks(size_t count)
{
    const std::deque<RxTextModel::Mark>& marks = m_model.marks();
    count = std::min(count, marks.size());
    if (count == 0)
        return;
    const QString& text = m_model.text();
    const qsizetype n = text.size();
    const int docEnd = shownLength();
    qsizetype k = n;
    qsizetype pairs = 0; // CR LF pairs from k on
    auto docPos = [&](qsizetype i) {
        if (i > k) {
            k = n;
            pairs = 0;
        }
        while (k > i) {
            --k;
            if (text.at(k) == QLatin1Char('\r') && k + 1 < n && text.at(k + 1) == QLatin1Char('\n'))
                ++pairs;
        }
        return qMax(0, docEnd - int(n - i - pairs));
    };
    QTextCursor cursor(&m_document);
    cursor.beginEditBlock();
    for (auto it = marks.end(); count > 0; --count) {
        --it;
        const qsizetype to = m_model.indexOf(it->to);
        if (to <= 0)
            continue;
        const int end = docPos(to);
        cursor.setPosition(docPos(qMax<qsizetype>(0, m_model.indexOf(it->from))));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(m_markFormat);
    }
    cursor.endEditBlock();
}

namespace {

QTextDocument::FindFlags FlagsOf(Qt::CaseSensitivity cs)
{
    return cs == Qt::CaseSensitive ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags();
}

} // namespace

void RxDocument::setFind(const QString& text, Qt::CaseSensitivity cs)
{
    m_findText = text;
    m_findCase = cs;
    m_current = -1;
    findAll();
    emit findMatchesChanged();
}

void RxDocument::findAll()
{
    m_matches.clear();
    m_matchOrigin = 0;
    findFrom(0);
}

// Matches that start from position on (and before until, when given), those
// already known left out.
void RxDocument::findFrom(int position, int until)
{
    if (m_findText.isEmpty())
        return;
    const QTextDocument::FindFlags flags = FlagsOf(m_findCase);
    for (QTextCursor c = m_document.find(m_findText, position, flags); !c.isNull();
         c = m_document.find(m_findText, c, flags)) {
        if (until >= 0 && c.selectionStart() >= until)
            break;
        const qint64 start = c.selectionStart() + m_matchOrigin;
        const auto it = std::lower_bound(m_matches.begin(), m_matches.end(), start);
        if (it == m_matches.end() || *it != start)
            m_matches.insert(it, start);
    }
}

void RxDocument::changedAt(int at, int delta)
{
    m_changes.push_back({at, delta});
}

// The matches after this sync's changes inside the text, a cut of cutFront
// characters at the front and text appended from searchFrom on: only the
// matches the changes touch are dropped, and only the text around them and
// the new text searched.
void RxDocument::moveMatches(int cutFront, int searchFrom)
{
    const int length = int(m_findText.size());
    qint64 current = m_current >= 0 ? m_matches[size_t(m_current)] : -1;
    if (!m_changes.empty()) {
        std::vector<int> around;
        for (const Change& c : m_changes) {
            const int reach = c.at + qMax(0, -c.delta);
            std::deque<qint64> kept;
            qint64 moved = -1;
            for (const qint64 m : m_matches) {
                const qint64 at = m - m_matchOrigin;
                if (at + length <= c.at)
                    kept.push_back(m);
                else if (at >= reach)
                    kept.push_back(m + c.delta);
                else
                    continue; // the change falls inside it
                if (m == current)
                    moved = kept.back();
            }
            current = moved;
            m_matches.swap(kept);
            for (int& a : around)
                if (a > c.at)
                    a = qMax(c.at, a + c.delta);
            around.push_back(c.at);
        }
        for (const int at : around)
            findFrom(qMax(0, at - length + 1), at + length);
    }
    if (cutFront > 0) {
        m_matchOrigin += cutFront;
        while (!m_matches.empty() && m_matches.front() < m_matchOrigin) {
            if (m_matches.front() == current)
                current = -1;
            m_matches.pop_front();
        }
    }
    if (searchFrom >= 0)
        findFrom(qMax(0, searchFrom - length + 1));
    const auto it = std::lower_bound(m_matches.begin(), m_matches.end(), current);
    m_current = current >= 0 && it != m_matches.end() && *it == current ? int(it - m_matches.begin()) : -1;
}

std::vector<int> RxDocument::matchesBetween(int from, int to) const
{
    std::vector<int> found;
    const auto last = m_matches.end();
    for (auto it = std::lower_bound(m_matches.begin(), last, from + m_matchOrigin);
         it != last && *it <= to + m_matchOrigin; ++it)
        found.push_back(int(it - m_matches.begin()));
    return found;
}

bool RxDocument::findNext(bool backward, int viewTop, int viewBottom)
{
    const int n = matchCount();
    if (n == 0)
        return false;
    if (m_current >= 0) {
        m_current = (m_current + (backward ? n - 1 : 1)) % n;
    } else if (!backward) {
        m_current = 0;
        while (m_current < n && matchAt(m_current) < viewTop)
            ++m_current;
        m_current %= n;
    } else {
        m_current = n - 1;
        while (m_current > 0 && matchAt(m_current) > viewBottom)
            --m_current;
    }
    emit findMatchesChanged();
    return true;
}

QTextCursor RxDocument::currentMatch() const
{
    if (m_current < 0)
        return QTextCursor();
    QTextCursor c(&m_document);
    c.setPosition(matchAt(m_current));
    c.setPosition(matchAt(m_current) + int(m_findText.size()), QTextCursor::KeepAnchor);
    return c;
}

// ---- Sync -------------------------------------------------------------------------

RxDocument::Synced RxDocument::sync()
{
    Synced out;
    const QString& text = m_model.text();
    quint64 appended = m_model.appendedTotal() - m_seenAppended;
    quint64 trimmed = m_model.trimmedTotal() - m_seenTrimmed;
    quint64 trimmedCr = m_model.trimmedCrTotal() - m_seenTrimmedCr;
    out.reset = m_model.resetCount() != m_seenResets;
    out.grew = appended > 0;
    // Characters cut from the document's front, or -1 when all of it was replaced.
    int removed = 0;
    const int lengthBefore = shownLength();
    m_changes.clear();

    const bool edited = m_model.editTotal() != m_seenEdits;
    bool incremental = !out.reset && trimmed <= quint64(m_document.characterCount())
        && (!edited || m_rewrite || replayEdits(nullptr, appended)) && appended <= quint64(text.size());
    // All of the text was replaced: cut and append only what differs from the
    // document.
    bool replaced = false;
    if (!incremental && !out.reset && !m_rewrite) {
        if (const qsizetype kept = overlapWithSeen(); kept > 0) {
            const qsizetype cut = m_seenText.size() - kept;
            trimmedCr = 0;
            for (qsizetype i = 0; i < cut; ++i)
                if (m_seenText.at(i) == QLatin1Char('\r') && m_seenText.at(i + 1) == QLatin1Char('\n'))
                    ++trimmedCr;
            trimmed = quint64(cut);
            appended = quint64(text.size() - kept);
            incremental = replaced = true;
        }
    }
    // A CR LF pair is one character on screen.
    const auto frontCut = [&] { return int(qMin<qsizetype>(qsizetype(trimmed - trimmedCr), shownLength())); };
    if (!incremental) {
        rewriteAll();
        removed = -1;
    } else if (m_rewrite) {
        // Same text with other colours: the lines stay where they are.
        removed = frontCut();
        rewriteAll();
    } else if (appended > 0 || trimmed > 0 || edited) {
        QTextCursor cursor(&m_document);
        cursor.beginEditBlock();
        if (edited && !replaced && !replayEdits(&cursor, appended)) {
            cursor.endEditBlock();
            // The lines being read stay as near as the front cut lets them.
            removed = frontCut();
            rewriteAll();
            m_changes.clear();
            m_rewrite = true;
        } else {
            if (appended > 0) {
                const qsizetype start = text.size() - qsizetype(appended);
                // A CR shown last is a mark: an LF now after it makes the two one break.
                const int end = shownLength();
                if (start > 0 && end > 0 && text.at(start - 1) == QLatin1Char('\r')
                    && text.at(start) == QLatin1Char('\n') && m_document.characterAt(end - 1) == QChar(LoneCrMark)) {
                    cursor.setPosition(end - 1);
                    cursor.deleteChar();
                    changedAt(end - 1, -1);
                }
                appendColoured(start);
            }
            if (trimmed > 0) {
                removed = frontCut();
                cursor.setPosition(0);
                cursor.setPosition(removed, QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
            }
            cursor.endEditBlock();
        }
    }
    if (replaced)
        removed = -1;
    const bool rewrote = removed < 0 || m_rewrite;
    applyMarks(rewrote ? m_model.marks().size() : size_t(m_model.marksAddedTotal() - m_seenMarks));
    m_seenMarks = m_model.marksAddedTotal();
    if (!m_findText.isEmpty() && (rewrote || edited || appended > 0 || trimmed > 0)) {
        const int count = matchCount();
        const int current = m_current;
        if (removed < 0 || (m_rewrite && edited)) {
            findAll();
            m_current = -1;
        } else {
            int end = lengthBefore - qMax(0, removed);
            for (const Change& c : m_changes)
                end += c.delta;
            moveMatches(qMax(0, removed), appended > 0 ? end : -1);
        }
        if (matchCount() != count || m_current != current)
            emit findMatchesChanged();
    }
    m_rewrite = false;
    m_seenAppended = m_model.appendedTotal();
    m_seenTrimmed = m_model.trimmedTotal();
    m_seenTrimmedCr = m_model.trimmedCrTotal();
    m_seenResets = m_model.resetCount();
    m_seenEdits = m_model.editTotal();
    m_seenText = text;
    m_seenRuns = m_model.runs();
    m_seenBefore = m_model.charBeforeText();
    out.removed = removed;
    out.changes.swap(m_changes);
    return out;
}
