#pragma once

#include "terminal/RxTextModel.h"
#include "terminal/SpeakerColours.h"

#include <QObject>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include <deque>
#include <vector>

class QTextDocument;

// The RX text model as a text document, kept in step without a widget:
// each sync appends at the end, trims the front and replays the model's
// edits, never rewriting the whole text. When a flood replaced all of the
// text between two syncs, what the document already shows is kept as far as
// the new text continues it (a flood of line breaks looks the same sync
// after sync).
//
// Speakers get character formats of their own, alert words the model marks a
// background, applied to the new text only. Find keeps every match as a
// position, moved as the text is cut at the front or inside, and searches
// only the text that came new, so an arrival costs the same however many
// matches there are. What is in view, and where, is the view's.
class RxDocument : public QObject
{
    Q_OBJECT
public:
    // A change of the document's length inside it (position, characters
    // added or, when negative, removed there).
    struct Change
    {
        int at, delta;
    };
    // What a sync did, for a view holding the lines being read.
    struct Synced
    {
        bool reset = false; // the model was cleared: nothing to read back
        bool grew = false; // new text at the end
        int removed = 0; // characters cut from the front; -1 when all of it was replaced
        std::vector<Change> changes;
    };

    // Works on document, which the caller owns (a view's, or one of its own).
    RxDocument(RxTextModel& model, QTextDocument& document, QObject* parent = nullptr);

    QTextDocument& document() const { return m_document; }
    // Brings the document up to date with the model.
    Synced sync();

    // Own text and banners in colours of their own, in the colours of the
    // current scheme. Both take effect at the next sync.
    void setSpeakerColours(bool on);
    bool speakerColours() const { return m_speakerColours; }
    void setSchemeColours(const SchemeColours& colours);
    const SchemeColours& schemeColours() const { return m_scheme; }
    // How a speaker's text looks now: own text not yet on the air dimmed
    // (and typed-ahead text also in italics), with or without speaker colours.
    const QTextCharFormat& formatOf(Speaker speaker) const;

    // Find: every match of text, one of them (or none) the current match.
    void setFind(const QString& text, Qt::CaseSensitivity cs);
    const QString& findText() const { return m_findText; }
    Qt::CaseSensitivity findCase() const { return m_findCase; }
    int matchCount() const { return int(m_matches.size()); }
    int currentIndex() const { return m_current; }
    // Where match i starts in the document.
    int matchAt(int i) const { return int(m_matches[size_t(i)] - m_matchOrigin); }
    // The indexes of the matches that start from from up to to.
    std::vector<int> matchesBetween(int from, int to) const;
    // The next (or previous) match made current; with none current yet, the
    // first from viewTop down (or the last up to viewBottom). False when
    // there is none.
    bool findNext(bool backward, int viewTop, int viewBottom);
    // The current match as a cursor selecting it (null when none).
    QTextCursor currentMatch() const;

    // How a piece of the model looks: CR LF is a line break, a lone LF or CR
    // a visible mark inside the line. prev is the model character before the
    // piece, next the one after it (or a null QChar).
    static QString ToDisplay(QStringView modelText, QChar prev = QChar(), QChar next = QChar());
    static constexpr char16_t LoneLfMark = 0x240A; // SYMBOL FOR LINE FEED
    static constexpr char16_t LoneCrMark = 0x240D; // SYMBOL FOR CARRIAGE RETURN

signals:
    // Matches found or dropped, or another made current.
    void findMatchesChanged();

private:
    void rewriteAll();
    void appendColoured(qsizetype start);
    qsizetype overlapWithSeen() const;
    bool replayEdits(QTextCursor* cursor, quint64& appended);
    void changedAt(int at, int delta);
    void applyMarks(size_t count);
    void findAll();
    void findFrom(int position, int until = -1);
    void moveMatches(int cutFront, int searchFrom);
    int shownLength() const;

    RxTextModel& m_model;
    QTextDocument& m_document;
    quint64 m_seenAppended = 0;
    quint64 m_seenTrimmed = 0;
    quint64 m_seenTrimmedCr = 0;
    quint64 m_seenResets = 0;
    quint64 m_seenEdits = 0;
    // The model as the document shows it.
    QString m_seenText;
    std::deque<RxTextModel::Run> m_seenRuns;
    QChar m_seenBefore;

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
    // The sync under way's changes inside the text.
    std::vector<Change> m_changes;
};
