#pragma once

#include "terminal/RxTextModel.h"
#include "terminal/SpeakerColours.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <QTimer>

#include <deque>
#include <vector>

class QToolButton;
class RxFindBar;

// txtMainChat: shows the RX text model. The model changes on every arrival;
// the widget follows at most once per display frame, by appending at the end
// and trimming the front, never by rewriting the whole text. When a flood
// replaced all of the text between two frames, what the screen already shows
// is kept as far as the new text continues it (a flood of line breaks looks
// the same frame after frame), and frames are spaced out while they are
// expensive.
//
// At its end the view follows the newest text. Once the operator scrolls
// away from the end it holds the lines being read (the caret still goes to
// the end) and a notice says that new text is below, until the operator
// scrolls back to the end, presses Ctrl+End or sends. However the view moved
// (keys, wheel, scroll bar, a match found) counts.
//
// Alert words the model marks get a background of their own, applied to the
// new text only. Find keeps every match as a position, moved as the text is
// cut at the front or inside, and searches only the text that came new; the
// matches in view are highlighted as extra selections, so an arrival costs
// the same however many matches the screen holds.
class RxScreenView : public QPlainTextEdit
{
    Q_OBJECT
public:
    static constexpr int FrameMs = 16;

    explicit RxScreenView(RxTextModel& model, QWidget* parent = nullptr);

    // Brings the widget up to date now (tests, and the frame timer).
    void syncNow();

    // Own text and banners in colours of their own (character formats over
    // the plain text), in the colours of the current scheme.
    void setSpeakerColours(bool on);
    bool speakerColours() const { return m_speakerColours; }
    void setSchemeColours(const SchemeColours& colours);
    // How a speaker's text looks now: own text not yet on the air dimmed
    // (and typed-ahead text also in italics), with or without speaker colours.
    const QTextCharFormat& formatOf(Speaker speaker) const;

    // Following the newest text, or held where the operator reads.
    bool isFollowing() const { return m_following; }
    // Back to the end, following again.
    void followEnd();
    // The "New text below" notice.
    QToolButton* newTextNotice() const { return m_notice; }

    // Find: every match of text highlighted, one of them the current match.
    void setFind(const QString& text, Qt::CaseSensitivity cs);
    // The next (or previous) match made current and shown; the view then
    // holds. False when there is none.
    bool findNext(bool backward = false);
    void clearFind();
    // The find bar closed: no matches, and at the end the view follows again.
    void closeFind();
    int findMatchCount() const { return int(m_matches.size()); }
    // The current match as a cursor selecting it (null when none).
    QTextCursor currentMatch() const;
    // Ctrl+F: the find bar at the top of the screen, its text selected.
    void openFind();
    RxFindBar* findBar() const { return m_findBar; }

    // How a piece of the model looks on screen: CR LF is a line break, a lone
    // LF a visible mark inside the line. prev is the model character before
    // the piece, next the one after it (or a null QChar).
    static QString ToDisplay(QStringView modelText, QChar prev = QChar(), QChar next = QChar());
    static constexpr char16_t LoneLfMark = 0x240A; // SYMBOL FOR LINE FEED
    static constexpr char16_t LoneCrMark = 0x240D; // SYMBOL FOR CARRIAGE RETURN

signals:
    // Matches found or dropped, or another made current.
    void findMatchesChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void scheduleSync();
    void rewriteAll();
    void appendColoured(qsizetype start);
    qsizetype overlapWithSeen() const;
    bool replayEdits(QTextCursor* cursor, quint64& appended);
    void changedAt(int at, int delta);
    void onScrolled(int value);
    void setFollowing(bool on);
    void placeNotice();
    int topLinePosition() const;
    void showLineAt(int position);
    void applyMarks(size_t count);
    void findAll();
    void findFrom(int position, int until = -1);
    int matchAt(int i) const { return int(m_matches[size_t(i)] - m_matchOrigin); }
    void moveMatches(int cutFront, int searchFrom);
    void showMatches(bool force = false);
    void placeFindBar();
    void showFindRoom(bool on);

    RxTextModel& m_model;
    QTimer m_frame;
    QElapsedTimer m_sinceSync;
    quint64 m_seenAppended = 0;
    quint64 m_seenTrimmed = 0;
    quint64 m_seenTrimmedCr = 0;
    quint64 m_seenResets = 0;
    quint64 m_seenEdits = 0;
    // The model as the document shows it.
    QString m_seenText;
    std::deque<RxTextModel::Run> m_seenRuns;
    QChar m_seenBefore;
    int m_frameMs = FrameMs;

    bool m_speakerColours = false;
    bool m_rewrite = false;
    SchemeColours m_scheme;
    QTextCharFormat m_formats[2][SpeakerCount]; // [speaker colours on][speaker]
    QTextCharFormat m_markFormat;
    quint64 m_seenMarks = 0;

    QString m_findText;
    Qt::CaseSensitivity m_findCase = Qt::CaseInsensitive;
    // Where each match starts, in document order, counted from a front that
    // moves as the text is cut there: cutting costs nothing per match.
    std::deque<qint64> m_matches;
    qint64 m_matchOrigin = 0;
    int m_current = -1;
    // Changes of the document's length inside it in the sync under way
    // (position, characters added or, when negative, removed there).
    struct Change
    {
        int at, delta;
    };
    std::vector<Change> m_changes;
    bool m_syncing = false;
    RxFindBar* m_findBar = nullptr;

    bool m_following = true;
    bool m_adjusting = false; // scroll changes of our own, not the operator's
    int m_lastValue = 0;
    QToolButton* m_notice = nullptr;
};
