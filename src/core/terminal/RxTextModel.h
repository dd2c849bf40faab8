#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <deque>

// Who a piece of the RX screen's text belongs to, for speaker colours.
// Pending: own text shown before it is on the air; Queued: own text typed
// ahead, waiting for the block before it.
enum class Speaker : quint8 { Remote, Own, Banner, Pending, Queued };
inline constexpr int SpeakerCount = 5;

// The RX screen's text, exactly as the conversation made it: CR LF line
// breaks, lone LF characters, capped at its last 64000 characters after
// received and echoed text. The widget mirrors it at most once per frame.
class RxTextModel : public QObject
{
    Q_OBJECT
public:
    static constexpr qsizetype Cap = 64000;

    explicit RxTextModel(QObject* parent = nullptr)
        : QObject(parent)
    { }

    const QString& text() const { return m_text; }
    qsizetype length() const { return m_text.size(); }

    // Received or echoed text: appended, then the cap applies.
    void appendCapped(const QString& text, Speaker speaker = Speaker::Remote);
    // Banners and headers: appended without the cap.
    void appendUncapped(const QString& text, Speaker speaker = Speaker::Remote);
    void clear();
    // Own text changes its look as it goes on the air: the range
    // [from, from + length) of the text as it is now.
    void setSpeaker(qsizetype from, qsizetype length, Speaker speaker);
    // Takes a range out of the text, wherever it is (own text that never went out).
    void remove(qsizetype from, qsizetype length);

    // Who said what: consecutive runs covering the text from its start,
    // trimmed with it. Neighbouring runs always differ in speaker.
    struct Run
    {
        qsizetype length;
        Speaker speaker;
    };
    const std::deque<Run>& runs() const { return m_runs; }

    // Stretches of the text to be marked (alert words), as positions counted
    // in appendedTotal(); trimmed with the text.
    struct Mark
    {
        quint64 from, to;
    };
    // Told by no change of its own: a mark comes with the text just
    // appended, whose change views sync with.
    void addMark(quint64 from, quint64 to);
    const std::deque<Mark>& marks() const { return m_marks; }
    quint64 marksAddedTotal() const { return m_marksAdded; }
    // The model's index of an absolute position (negative: cut off).
    qsizetype indexOf(quint64 position) const
    {
        return qsizetype(position) - qsizetype(m_appendedTotal) + m_text.size();
    }

    // Received bytes as the screen shows them: CR and CR LF become CR LF,
    // every other byte (a lone LF too) its ANSI character.
    static QString ConvertReceived(const QByteArray& bytes);
    static void ConvertReceivedInto(QString& out, const char* data, qsizetype size);

    // Bookkeeping for views that follow the model incrementally.
    quint64 appendedTotal() const { return m_appendedTotal; } // characters ever appended
    quint64 trimmedTotal() const { return m_trimmedTotal; } // characters ever cut from the front
    quint64 trimmedCrTotal() const { return m_trimmedCrTotal; } // of those, how many were CR
    quint64 resetCount() const { return m_resets; }
    // The character just before the text (the last one cut off), or null.
    QChar charBeforeText() const { return m_charBefore; }
    // Changes inside the text (setSpeaker, remove), the latest MaxEdits kept,
    // in the order made. A view replays those it has not seen, counting from
    // the end of the text it already shows.
    struct Edit
    {
        quint64 appendedAt; // appendedTotal() when it was made
        qsizetype size; // the text's length then, before the edit
        qsizetype from;
        qsizetype length;
        bool removed; // else restyled to speaker
        Speaker speaker;
    };
    static constexpr qsizetype MaxEdits = 256;
    const std::deque<Edit>& edits() const { return m_edits; }
    quint64 editTotal() const { return m_editTotal; } // edits ever made

signals:
    void changed();

private:
    void trimToCap();
    void addRun(qsizetype length, Speaker speaker);
    // The index of the run that starts at pos, splitting one if needed.
    size_t runStartingAt(qsizetype pos);
    // Clamps the range to the text and splits the runs at its ends: runs
    // [first, last) cover it. False for an empty range.
    bool splitRuns(qsizetype& from, qsizetype& length, size_t& first, size_t& last);
    void mergeRunsAround(size_t from, size_t to);
    void recordEdit(const Edit& edit);

    QString m_text;
    std::deque<Run> m_runs;
    std::deque<Mark> m_marks;
    quint64 m_marksAdded = 0;
    quint64 m_appendedTotal = 0;
    quint64 m_trimmedTotal = 0;
    quint64 m_trimmedCrTotal = 0;
    quint64 m_resets = 0;
    QChar m_charBefore;
    std::deque<Edit> m_edits;
    quint64 m_editTotal = 0;
};
