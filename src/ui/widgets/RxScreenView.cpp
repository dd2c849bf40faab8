#include "RxScreenView.h"

#include "RxFindBar.h"

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

} // namespace

RxScreenView::RxScreenView(RxTextModel& model, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_doc(model, *document())
{
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
    connect(&model, &RxTextModel::changed, this, &RxScreenView::scheduleSync);
    connect(&m_doc, &RxDocument::findMatchesChanged, this, &RxScreenView::findMatchesChanged);
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

// ---- Speaker colours ----------------------------------------------------------

void RxScreenView::setSpeakerColours(bool on)
{
    if (on == m_doc.speakerColours())
        return;
    m_doc.setSpeakerColours(on);
    syncNow();
}

void RxScreenView::setSchemeColours(const SchemeColours& colours)
{
    m_doc.setSchemeColours(colours);
    showMatches(true);
    syncNow();
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

// ---- Find ------------------------------------------------------------------------

void RxScreenView::setFind(const QString& text, Qt::CaseSensitivity cs)
{
    m_doc.setFind(text, cs);
    showMatches();
}

void RxScreenView::clearFind()
{
    setFind(QString(), m_doc.findCase());
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

void RxScreenView::showMatches(bool force)
{
    const int length = int(m_doc.findText().size());
    const QList<QTextEdit::ExtraSelection> shown = extraSelections();
    if (m_doc.matchCount() == 0) {
        if (!shown.isEmpty())
            setExtraSelections({});
        return;
    }
    const SchemeColours& scheme = m_doc.schemeColours();
    QTextCharFormat match;
    const bool dark = QColor(scheme.background).lightness() < 128;
    match.setBackground(dark ? QColor(0x1f, 0x4e, 0x8c) : QColor(0xa8, 0xc8, 0xff));
    QTextCharFormat current;
    current.setBackground(QColor(scheme.text));
    current.setForeground(QColor(scheme.background));
    const int currentIndex = m_doc.currentIndex();
    std::vector<int> wanted = m_doc.matchesBetween(
        topLinePosition() - length, cursorForPosition(QPoint(viewport()->width(), viewport()->height())).position());
    if (currentIndex >= 0 && std::find(wanted.begin(), wanted.end(), currentIndex) == wanted.end())
        wanted.push_back(currentIndex);
    bool same = !force && shown.size() == qsizetype(wanted.size());
    for (size_t i = 0; same && i < wanted.size(); ++i) {
        const QTextCursor& c = shown[qsizetype(i)].cursor;
        same = c.selectionStart() == m_doc.matchAt(wanted[i]) && c.selectionEnd() - c.selectionStart() == length
            && (shown[qsizetype(i)].format == current) == (wanted[i] == currentIndex);
    }
    if (same)
        return;
    QList<QTextEdit::ExtraSelection> selections;
    selections.reserve(qsizetype(wanted.size()));
    for (const int i : wanted) {
        QTextCursor c(document());
        c.setPosition(m_doc.matchAt(i));
        c.setPosition(m_doc.matchAt(i) + length, QTextCursor::KeepAnchor);
        selections.append({c, i == currentIndex ? current : match});
    }
    setExtraSelections(selections);
}

bool RxScreenView::findNext(bool backward)
{
    // With none current, the search starts from the lines in view.
    const int bottom = cursorForPosition(QPoint(0, viewport()->height() - 1)).position();
    if (!m_doc.findNext(backward, topLinePosition(), bottom))
        return false;
    {
        Flag adjusting(m_adjusting);
        setTextCursor(currentMatch());
        ensureCursorVisible();
    }
    m_lastValue = verticalScrollBar()->value();
    // The match stays in view while text arrives, as in reading back.
    setFollowing(false);
    showMatches();
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
    Flag adjusting(m_adjusting);
    Flag syncing(m_syncing);
    // Held: the lines being read, as a position in the document before the edit.
    int top = m_following ? 0 : topLinePosition();
    const RxDocument::Synced synced = m_doc.sync();
    if (synced.reset)
        setFollowing(true); // nothing left to read back
    // The lines being read move with the changes inside the text and the cut.
    for (const RxDocument::Change& c : synced.changes)
        if (top > c.at)
            top = qMax(c.at, top + c.delta);
    // An expensive frame spaces out the next ones: syncing takes at most a
    // fifth of the time, however the text arrives.
    m_frameMs = int(qMax<qint64>(FrameMs, 5 * m_sinceSync.elapsed()));

    // The caret at the end; the newest text in view unless the operator reads back.
    QTextCursor end = textCursor();
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    if (m_following) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
        showMatches();
        return;
    }
    const int removed = synced.removed;
    showLineAt(removed < 0 || removed > top ? 0 : top - removed);
    showMatches();
    if (synced.grew && m_notice->isHidden()) {
        placeNotice();
        m_notice->show();
        m_notice->raise();
    }
}
