#pragma once

#include "presenter/RxDocument.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTimer>

class QToolButton;
class RxFindBar;

// txtMainChat: shows the RX text model, kept in step by an RxDocument on
// the view's own document. The model changes on every arrival; the view
// syncs at most once per display frame, and frames are spaced out while
// they are expensive.
//
// At its end the view follows the newest text. Once the operator scrolls
// away from the end it holds the lines being read (the caret still goes to
// the end) and a notice says that new text is below, until the operator
// scrolls back to the end, presses Ctrl+End or sends. However the view moved
// (keys, wheel, scroll bar, a match found) counts. Of find's matches, those
// in view are highlighted as extra selections.
class RxScreenView : public QPlainTextEdit
{
    Q_OBJECT
public:
    static constexpr int FrameMs = 16;

    explicit RxScreenView(RxTextModel& model, QWidget* parent = nullptr);

    // Brings the widget up to date now (tests, and the frame timer).
    void syncNow();
    const RxDocument& rxDocument() const { return m_doc; }

    // Own text and banners in colours of their own (character formats over
    // the plain text), in the colours of the current scheme.
    void setSpeakerColours(bool on);
    bool speakerColours() const { return m_doc.speakerColours(); }
    void setSchemeColours(const SchemeColours& colours);
    const QTextCharFormat& formatOf(Speaker speaker) const { return m_doc.formatOf(speaker); }

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
    int findMatchCount() const { return m_doc.matchCount(); }
    // The current match as a cursor selecting it (null when none).
    QTextCursor currentMatch() const { return m_doc.currentMatch(); }
    // Ctrl+F: the find bar at the top of the screen, its text selected.
    void openFind();
    RxFindBar* findBar() const { return m_findBar; }

signals:
    // Matches found or dropped, or another made current.
    void findMatchesChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void scheduleSync();
    void onScrolled(int value);
    void setFollowing(bool on);
    void placeNotice();
    int topLinePosition() const;
    void showLineAt(int position);
    void showMatches(bool force = false);
    void placeFindBar();
    void showFindRoom(bool on);

    RxDocument m_doc;
    QTimer m_frame;
    QElapsedTimer m_sinceSync;
    int m_frameMs = FrameMs;
    bool m_syncing = false;
    RxFindBar* m_findBar = nullptr;

    bool m_following = true;
    bool m_adjusting = false; // scroll changes of our own, not the operator's
    int m_lastValue = 0;
    QToolButton* m_notice = nullptr;
};
