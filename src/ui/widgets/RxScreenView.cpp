#include "RxScreenView.h"

#include "RxFindBar.h"
#include "terminal/RxTextModel.h"

#include <QKeyEvent>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace {

// Sets a flag for the lifetime of a scope.
struct Flag
{
    explicit Flag(bool& f)
        : flag(f)
        , old(f)
    {
        flag = true;
    }
    ~Flag() { flag = old; }
    bool& flag;
    bool old;
};

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

RxScreenView::RxScreenView(RxTextModel& model, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_model(model)
{
    setSchemeColours(ColoursOf(ColourScheme::Black));
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Keep a visible caret in a read-only pane, as a locked text box does.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_frame.setSingleShot(true);
    m_frame.setTimerType(Qt::PreciseTimer);
    m_sinceSync.start();
    connect(&m_frame, &QTimer::timeout, this, &RxScreenView::syncNow);
    connect(&m_model, &RxTextModel::changed, this, &RxScreenView::scheduleSync);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &RxScreenView::onScrolled);
    // Keys and the caret scroll the view with the bar's signals blocked; the
    // view's own update request still tells of the move.
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect&, int dy) {
        if (dy != 0)
            onScrolled(verticalScrollBar()->value());
    });

    m_notice = new QToolButton(this);
    m_notice->setObjectName(QStringLiteral("rxNewTextNotice"));
    m_notice->setText(tr("New text below"));
    m_notice->setArrowType(Qt::DownArrow);
    m_notice->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_notice->setToolTip(tr("Show the newest text (Ctrl+End)"));
    m_notice->setAccessibleName(tr("New text below"));
    m_notice->setFocusPolicy(Qt::NoFocus);
    m_notice->setCursor(Qt::ArrowCursor);
    m_notice->setAutoRaise(false);
    m_notice->hide();
    connect(m_notice, &QToolButton::clicked, this, &RxScreenView::followEnd);

    syncNow();
}

void RxScreenView::scheduleSync()
{
    // Frames are timed from the last sync, so a change that comes long after
    // it shows at once and a flood still syncs only once per frame.
    if (!m_frame.isActive())
        m_frame.start(int(qMax<qint64>(0, m_frameMs - m_sinceSync.elapsed())));
}

QString RxScreenView::ToDisplay(QStringView text, QChar prev, QChar next)
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

void RxScreenView::setSpeakerColours(bool on)
{
    if (on == m_speakerColours)
        return;
    m_speakerColours = on;
    m_rewrite = true;
    syncNow();
}

void RxScreenView::setSchemeColours(const SchemeColours& colours)
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
    if (m_findBar)
        showMatches(true);
    if (m_notice) {
        m_rewrite = true;
        syncNow();
    }
}

const QTextCharFormat& RxScreenView::formatOf(Speaker speaker) const
{
    // Without speaker colours the text keeps the pane's colour, but for own text not yet sent.
    return m_formats[m_speakerColours ? 1 : 0][int(speaker)];
}

void RxScreenView::rewriteAll()
{
    const QString& text = m_model.text();
    // setPlainText gives the whole text the caret's format: keep that the plain one.
    QTextCursor caret = textCursor();
    if (caret.charFormat().hasProperty(QTextFormat::ForegroundBrush)
        || caret.charFormat().hasProperty(QTextFormat::BackgroundBrush)) {
        caret.clearSelection();
        caret.setCharFormat(QTextCharFormat());
        setTextCursor(caret);
    }
    const bool plain = std::all_of(m_model.runs().begin(), m_model.runs().end(), [this](const RxTextModel::Run& r) {
        return formatOf(r.speaker).properties().isEmpty();
    });
    if (plain) {
        setPlainText(ToDisplay(text, m_model.charBeforeText()));
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
    setPlainText(display);
    if (spans.empty())
        return;
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const Span& s : spans) {
        cursor.setPosition(s.from);
        cursor.setPosition(s.to, QTextCursor::KeepAnchor);
        cursor.setCharFormat(formatOf(s.speaker));
    }
    cursor.endEditBlock();
}

// The model's text from start to its end, appended run by run in each run's format.
void RxScreenView::appendColoured(qsizetype start)
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
    QTextCursor cursor(document());
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
qsizetype RxScreenView::overlapWithSeen() const
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
bool RxScreenView::replayEdits(QTextCursor* cursor, quint64& appended)
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
        const int docLength = document()->characterCount() - 1;
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

// ---- Following the newest text ----------------------------------------------------

void RxScreenView::setFollowing(bool on)
{
    if (on == m_following)
        return;
    m_following = on;
    if (on)
        m_notice->hide();
}

void RxScreenView::onScrolled(int value)
{
    const int before = m_lastValue;
    m_lastValue = value;
    if (!m_syncing)
        showMatches();
    if (m_adjusting)
        return;
    // A value pulled back by a shrinking range is no move of the operator's.
    QScrollBar* bar = verticalScrollBar();
    if (before > bar->maximum())
        return;
    setFollowing(value >= bar->maximum());
}

void RxScreenView::followEnd()
{
    {
        Flag adjusting(m_adjusting);
        QTextCursor end = textCursor();
        end.movePosition(QTextCursor::End);
        setTextCursor(end);
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }
    setFollowing(true);
}

void RxScreenView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_findBar && m_findBar->isVisible()) {
        m_findBar->close();
        event->accept();
        return;
    }
    if (event == QKeySequence::MoveToEndOfDocument) {
        followEnd();
        event->accept();
        return;
    }
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // The caret sits at the end, where each arrival puts it: line and
        // page keys start from the lines in view instead, so the first key
        // up already scrolls and holds.
        const int key = event->key();
        const bool up = key == Qt::Key_Up || key == Qt::Key_PageUp;
        const bool down = !m_following && (key == Qt::Key_Down || key == Qt::Key_PageDown);
        if (up || down) {
            Flag adjusting(m_adjusting);
            const int value = verticalScrollBar()->value();
            setTextCursor(cursorForPosition(QPoint(0, up ? 0 : viewport()->height() - 1)));
            verticalScrollBar()->setValue(value);
        }
    }
    const int before = verticalScrollBar()->value();
    QPlainTextEdit::keyPressEvent(event);
    if (verticalScrollBar()->value() != before)
        onScrolled(verticalScrollBar()->value());
}

void RxScreenView::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    placeNotice();
    placeFindBar();
    showMatches();
}

void RxScreenView::placeNotice()
{
    m_notice->adjustSize();
    const QRect area = viewport()->geometry();
    m_notice->move(area.right() - m_notice->width() - 6, area.bottom() - m_notice->height() - 6);
}

// Where the first line in view starts, as a document position.
int RxScreenView::topLinePosition() const
{
    const QTextBlock block = firstVisibleBlock();
    if (!block.isValid())
        return 0;
    const int line = verticalScrollBar()->value() - block.firstLineNumber();
    const QTextLayout* layout = block.layout();
    if (layout && line > 0 && line < layout->lineCount())
        return block.position() + layout->lineAt(line).textStart();
    return block.position();
}

// Scrolls so that the line holding position is the first in view.
void RxScreenView::showLineAt(int position)
{
    QScrollBar* bar = verticalScrollBar();
    const QTextBlock block = document()->findBlock(qMax(0, position));
    if (!block.isValid()) {
        bar->setValue(0);
        return;
    }
    if (auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document()->documentLayout()))
        layout->ensureBlockLayout(block);
    int line = 0;
    if (block.layout()) {
        const QTextLine tl = block.layout()->lineForTextPosition(position - block.position());
        if (tl.isValid())
            line = tl.lineNumber();
    }
    const int value = qMin(block.firstLineNumber() + line, bar->maximum());
    // The scroll position is a line number; lines cut from the front leave
    // the number and the line under it out of step, so move it even when
    // the number comes out the same.
    if (value == bar->value() && firstVisibleBlock() != block)
        bar->setValue(value > 0 ? value - 1 : value + 1);
    bar->setValue(value);
}

// ---- Alert marks and find ----------------------------------------------------------

// The last count of the model's marks, on the document. Positions are counted
// back from the end, where document and model meet: a CR LF pair is one
// character on screen. New marks lie near the end, so this costs what came new.
void RxScreenView::applyMarks(size_t count)
{
    const std::deque<RxTextModel::Mark>& marks = m_model.marks();
    count = std::min(count, marks.size());
    if (count == 0)
        return;
    const QString& text = m_model.text();
    const qsizetype n = text.size();
    const int docEnd = document()->characterCount() - 1;
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
    QTextCursor cursor(document());
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

static QTextDocument::FindFlags FlagsOf(Qt::CaseSensitivity cs)
{
    return cs == Qt::CaseSensitive ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags();
}

void RxScreenView::setFind(const QString& text, Qt::CaseSensitivity cs)
{
    m_findText = text;
    m_findCase = cs;
    m_current = -1;
    findAll();
    showMatches();
    emit findMatchesChanged();
}

void RxScreenView::clearFind()
{
    setFind(QString(), m_findCase);
}

void RxScreenView::closeFind()
{
    clearFind();
    showFindRoom(false);
    // Held only for the match: with the end in view there is nothing to read back.
    if (verticalScrollBar()->value() >= verticalScrollBar()->maximum())
        setFollowing(true);
}

// While the find bar is shown the text starts below it, so that it covers
// no line; the view stays where it was read, or at the end.
void RxScreenView::showFindRoom(bool on)
{
    const int room = on && m_findBar ? m_findBar->sizeHint().height() + 4 : 0;
    if (viewportMargins().top() == room)
        return;
    const bool atEnd = m_following;
    {
        Flag adjusting(m_adjusting);
        const int top = topLinePosition();
        setViewportMargins(0, room, 0, 0);
        if (!atEnd)
            showLineAt(top);
    }
    if (atEnd)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    m_lastValue = verticalScrollBar()->value();
    placeFindBar();
    placeNotice();
}

void RxScreenView::findAll()
{
    m_matches.clear();
    m_matchOrigin = 0;
    findFrom(0);
}

// Matches that start from position on (and before until, when given), those
// already known left out.
void RxScreenView::findFrom(int position, int until)
{
    if (m_findText.isEmpty())
        return;
    const QTextDocument::FindFlags flags = FlagsOf(m_findCase);
    for (QTextCursor c = document()->find(m_findText, position, flags); !c.isNull();
         c = document()->find(m_findText, c, flags)) {
        if (until >= 0 && c.selectionStart() >= until)
            break;
        const qint64 start = c.selectionStart() + m_matchOrigin;
        const auto it = std::lower_bound(m_matches.begin(), m_matches.end(), start);
        if (it == m_matches.end() || *it != start)
            m_matches.insert(it, start);
    }
}

void RxScreenView::changedAt(int at, int delta)
{
    m_changes.push_back({at, delta});
}

// The matches after this sync's changes inside the text, a cut of cutFront
// characters at the front and text appended from searchFrom on: only the
// matches the changes touch are dropped, and only the text around them and
// the new text searched.
void RxScreenView::moveMatches(int cutFront, int searchFrom)
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

// The matches in view highlighted, the current one apart; the document is
// told only when that changes.
void RxScreenView::showMatches(bool force)
{
    const int length = int(m_findText.size());
    const QList<QTextEdit::ExtraSelection> shown = extraSelections();
    if (m_matches.empty()) {
        if (!shown.isEmpty())
            setExtraSelections({});
        return;
    }
    QTextCharFormat match;
    const bool dark = QColor(m_scheme.background).lightness() < 128;
    match.setBackground(dark ? QColor(0x1f, 0x4e, 0x8c) : QColor(0xa8, 0xc8, 0xff));
    QTextCharFormat current;
    current.setBackground(QColor(m_scheme.text));
    current.setForeground(QColor(m_scheme.background));
    const qint64 from = topLinePosition() - length + m_matchOrigin;
    const qint64 to = cursorForPosition(QPoint(viewport()->width(), viewport()->height())).position() + m_matchOrigin;
    std::vector<int> wanted;
    for (auto it = std::lower_bound(m_matches.begin(), m_matches.end(), from); it != m_matches.end() && *it <= to; ++it)
        wanted.push_back(int(it - m_matches.begin()));
    if (m_current >= 0 && std::find(wanted.begin(), wanted.end(), m_current) == wanted.end())
        wanted.push_back(m_current);
    bool same = !force && shown.size() == qsizetype(wanted.size());
    for (size_t i = 0; same && i < wanted.size(); ++i) {
        const QTextCursor& c = shown[qsizetype(i)].cursor;
        same = c.selectionStart() == matchAt(wanted[i]) && c.selectionEnd() - c.selectionStart() == length
            && (shown[qsizetype(i)].format == current) == (wanted[i] == m_current);
    }
    if (same)
        return;
    QList<QTextEdit::ExtraSelection> selections;
    selections.reserve(qsizetype(wanted.size()));
    for (const int i : wanted) {
        QTextCursor c(document());
        c.setPosition(matchAt(i));
        c.setPosition(matchAt(i) + length, QTextCursor::KeepAnchor);
        selections.append({c, i == m_current ? current : match});
    }
    setExtraSelections(selections);
}

QTextCursor RxScreenView::currentMatch() const
{
    if (m_current < 0)
        return QTextCursor();
    QTextCursor c(document());
    c.setPosition(matchAt(m_current));
    c.setPosition(matchAt(m_current) + int(m_findText.size()), QTextCursor::KeepAnchor);
    return c;
}

bool RxScreenView::findNext(bool backward)
{
    const int n = int(m_matches.size());
    if (n == 0)
        return false;
    if (m_current >= 0) {
        m_current = (m_current + (backward ? n - 1 : 1)) % n;
    } else if (!backward) {
        // The first from the lines in view down, else the first of all.
        const int top = topLinePosition();
        m_current = 0;
        while (m_current < n && matchAt(m_current) < top)
            ++m_current;
        m_current %= n;
    } else {
        const int bottom = cursorForPosition(QPoint(0, viewport()->height() - 1)).position();
        m_current = n - 1;
        while (m_current > 0 && matchAt(m_current) > bottom)
            --m_current;
    }
    {
        Flag adjusting(m_adjusting);
        setTextCursor(currentMatch());
        ensureCursorVisible();
    }
    m_lastValue = verticalScrollBar()->value();
    // The match stays in view while text arrives, as in reading back.
    setFollowing(false);
    showMatches();
    emit findMatchesChanged();
    return true;
}

void RxScreenView::openFind()
{
    if (!m_findBar)
        m_findBar = new RxFindBar(*this, this);
    showFindRoom(true);
    placeFindBar();
    m_findBar->open();
}

void RxScreenView::placeFindBar()
{
    if (!m_findBar)
        return;
    m_findBar->adjustSize();
    // In the room above the text (see showFindRoom).
    const QRect area = viewport()->geometry();
    m_findBar->move(qMax(area.left(), area.right() - m_findBar->width() - 4),
                    qMax(contentsRect().top(), area.top() - m_findBar->height() - 2));
}

// ---- Sync -------------------------------------------------------------------------

void RxScreenView::syncNow()
{
    m_frame.stop();
    m_sinceSync.restart();
    const QString& text = m_model.text();
    quint64 appended = m_model.appendedTotal() - m_seenAppended;
    quint64 trimmed = m_model.trimmedTotal() - m_seenTrimmed;
    quint64 trimmedCr = m_model.trimmedCrTotal() - m_seenTrimmedCr;
    const bool reset = m_model.resetCount() != m_seenResets;
    const bool grew = appended > 0;
    if (reset)
        setFollowing(true); // nothing left to read back

    Flag adjusting(m_adjusting);
    Flag syncing(m_syncing);
    const bool following = m_following;
    // Held: the lines being read, as a position in the document before the edit.
    int top = following ? 0 : topLinePosition();
    // Characters cut from the document's front, or -1 when all of it was replaced.
    int removed = 0;
    const int lengthBefore = document()->characterCount() - 1;
    m_changes.clear();

    const bool edited = m_model.editTotal() != m_seenEdits;
    bool incremental = !reset && trimmed <= quint64(document()->characterCount())
        && (!edited || m_rewrite || replayEdits(nullptr, appended)) && appended <= quint64(text.size());
    // All of the text was replaced: cut and append only what differs from the
    // document; the lines being read are gone all the same.
    bool replaced = false;
    if (!incremental && !reset && !m_rewrite) {
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
    if (!incremental) {
        rewriteAll();
        removed = -1;
    } else if (m_rewrite) {
        // Same text with other colours: the lines stay where they are.
        removed = int(qMin<qsizetype>(qsizetype(trimmed - trimmedCr), document()->characterCount() - 1));
        rewriteAll();
    } else if (appended > 0 || trimmed > 0 || edited) {
        QTextCursor cursor(document());
        cursor.beginEditBlock();
        if (edited && !replaced && !replayEdits(&cursor, appended)) {
            cursor.endEditBlock();
            // The lines being read stay as near as the front cut lets them.
            removed = int(qMin<qsizetype>(qsizetype(trimmed - trimmedCr), document()->characterCount() - 1));
            rewriteAll();
            m_changes.clear();
            m_rewrite = true;
        } else {
            if (appended > 0)
                appendColoured(text.size() - qsizetype(appended));
            if (trimmed > 0) {
                // A CR LF pair is one character on screen.
                removed = int(qMin<qsizetype>(qsizetype(trimmed - trimmedCr), document()->characterCount() - 1));
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
    // The lines being read move with the changes inside the text and the cut.
    for (const Change& c : m_changes)
        if (top > c.at)
            top = qMax(c.at, top + c.delta);
    if (!m_findText.isEmpty() && (rewrote || edited || appended > 0 || trimmed > 0)) {
        const int count = findMatchCount();
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
        if (findMatchCount() != count || m_current != current)
            emit findMatchesChanged();
    }
    // An expensive frame spaces out the next ones: syncing takes at most a
    // fifth of the time, however the text arrives.
    m_frameMs = int(qMax<qint64>(FrameMs, 5 * m_sinceSync.elapsed()));
    m_rewrite = false;
    m_seenAppended = m_model.appendedTotal();
    m_seenTrimmed = m_model.trimmedTotal();
    m_seenTrimmedCr = m_model.trimmedCrTotal();
    m_seenResets = m_model.resetCount();
    m_seenEdits = m_model.editTotal();
    m_seenText = text;
    m_seenRuns = m_model.runs();
    m_seenBefore = m_model.charBeforeText();

    // The caret at the end; the newest text in view unless the operator reads back.
    QTextCursor end = textCursor();
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    if (following) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
        showMatches();
        return;
    }
    showLineAt(removed < 0 || removed > top ? 0 : top - removed);
    showMatches();
    if (grew && m_notice->isHidden()) {
        placeNotice();
        m_notice->show();
        m_notice->raise();
    }
}
