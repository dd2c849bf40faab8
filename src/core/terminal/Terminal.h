#pragma once

#include "terminal/AlertWords.h"
#include "terminal/ConversationConfig.h"
#include "terminal/RxTextModel.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <deque>
#include <functional>

class DataChannel;
class ConversationLog;
struct ConnectionState;

// Where the connection stands, as the terminal last announced it.
enum class ConnectionPhase { LinkDown, Idle, Connected };
struct ConnectionInfo
{
    ConnectionPhase phase = ConnectionPhase::LinkDown;
    QString callChain; // Connected: the stations, digipeaters between them
    bool stopping = false; // Connected: an abort was asked for
};

// modTerminal: outgoing and incoming text, banners, and what becomes of the
// connection. It announces what happened; the presenter shows it.
class Terminal : public QObject
{
    Q_OBJECT
public:
    Terminal(const ConversationConfig& config, ConnectionState& conn, RxTextModel& rx, DataChannel& channel,
             QObject* parent = nullptr);

    // What the settings ask of the conversation from now on.
    void configure(const ConversationConfig& config) { m_config = config; }
    const ConversationConfig& config() const { return m_config; }

    // Sends the TX box's text (line breaks as the widget gives them: LF or
    // CR LF); during an over, with "Type Ahead", queues it for when the
    // block goes out. Returns true when the text was taken, so the caller
    // empties the box.
    bool SendTypedText(const QString& txText);
    // Enter during an over queues the text ("Type Ahead").
    bool takesTypeAhead() const;
    // The modem still holds unsentBytes of the outstanding block (its BUFFER
    // count, as it came: may be negative or larger than the block).
    void UpdateTransmitProgress(qint64 unsentBytes);
    void ReceiveDataBytes(const QByteArray& bytes);
    void AppendConnectBanner();
    // A connection came up (the connection variables name its stations).
    void ShowConnected();
    void UpdateConnectionDisplay();
    void ShowConnecting();
    // A line of the terminal's own on the RX screen and in the log, such as
    // what the keyer did by itself: "******* <what>  <UTC time>".
    void appendNotice(const QString& what);
    // The screen shows the operator's language; the log keeps its English.
    void appendNotice(const QString& shown, const QString& logged);
    QString UtcTimeStamp() const;
    // Failed calls, a connection's end and what went out of a cut-off block
    // are told on the RX screen ("Show Call Events").
    bool showsCallEvents() const;

    // The Clear command.
    void ClearScreen();

    void setClock(std::function<QDateTime()> utcNow) { m_clock = std::move(utcNow); }
    QDateTime utcNow() const { return m_clock(); }
    // Where conversations are logged (none by default).
    void setLog(ConversationLog* log) { m_log = log; }

    // TX box text with every line break as CR LF.
    static QString ToWireLineBreaks(const QString& txText);
    // The part of a typed text still unsent when the modem holds its last
    // unsentBytes (of the block: the text with CR LF breaks plus the closing
    // CR), in the TX box's form: line breaks as LF. A break whose CR went out
    // already counts as sent.
    static QString UnsentText(const QString& txText, qint64 unsentBytes);
    // Half to even, as the progress bar rounds.
    static int ProgressPercent(qint64 bytesToSend, qint64 remaining);
    static QString CallChain(const ConnectionState& conn);

signals:
    // A connection came up that this station did not call.
    void incomingCall(const QString& caller);
    // A connection came up; stopping: an abort was asked for before it did.
    void connectionStarted(bool stopping);
    void connectionChanged(const ConnectionInfo& info);
    // This station calls station through digipeaters (in order); named is
    // false for a mode that names none.
    void callStarted(const QString& station, bool named, const QStringList& digipeaters);
    // A typed block went to the modem; sent of its total bytes are on the air.
    void sendStarted();
    void sendProgress(qint64 sent, qint64 total);
    void sendFinished();
    // Typed text that never went out, for the TX box.
    void unsentReturned(const QString& text);
    // Bytes received in this connection so far.
    void received(qint64 total);
    // Received text held an alert word (or the own call sign); once per over.
    void alertWordReceived(const QString& word);

private:
    // A block that never completed goes back to the TX box; what of it went
    // on the air is echoed.
    void returnOutstandingBlock();
    // Returns the header line's size.
    qsizetype appendOwnHeader(bool logged = true);
    void logOwnHeader();
    // A speaker's header line on the RX screen ("<CALL" or ">CALL", with the
    // UTC time when time stamps are on), after a line with the date when it
    // changed; returns the header line's size. The log stamps its own.
    qsizetype showHeader(QChar mark, const QString& call, Speaker speaker);
    // Marks the alert words in received text just appended at position at.
    void markAlertWords(const QString& text, quint64 at);
    // Where own text shown at once sits on the RX screen: its first
    // character as trimmedTotal() + index when shown, and the size of the
    // own header line shown just before it for it (0: it shares one).
    struct Shown
    {
        quint64 at = 0;
        qsizetype length = 0;
        qsizetype header = 0;
        quint64 reset = 0;
        qsizetype sent = 0; // characters shown as gone out
    };
    struct Queued
    {
        QString typed;
        Shown shown;
    };
    bool ownTextAtOnce() const;
    void startBlock(const QString& txText, const Shown* shownAlready);
    Shown showOwnText(const QString& echo, Speaker speaker);
    // Where characters [from, to) of a shown range are in the text now;
    // false when Clear or the cap took all of them.
    bool locate(const Shown& shown, qsizetype from, qsizetype to, qsizetype& index, qsizetype& length) const;
    void markSent(Shown& shown, qsizetype chars);
    // Keeps the first `keep` characters of the range; with none kept, its header goes too.
    void unshow(Shown& shown, qsizetype keep, qsizetype keptEnd);
    static QString EchoOf(const QByteArray& block);
    // The line on the RX screen only; returns it as shown.
    QString showNotice(const QString& what, const QDateTime& now);
    // What became of the call or the connection that just ended.
    void tellEnd();

    ConversationConfig m_config;
    ConnectionState& m_conn;
    RxTextModel& m_rx;
    DataChannel& m_channel;
    std::function<QDateTime()> m_clock;
    // The block outstanding: the typed text, its size on the wire and how
    // much of it the modem still held at the last report.
    QString m_outstandingText;
    QByteArray m_outstandingBlock;
    qint64 m_outstandingSize = 0;
    qint64 m_outstandingUnsent = 0;
    ConversationLog* m_log = nullptr;
    bool m_receivedEndedWithCr = false; // the last arrival's CR may own the next one's LF
    // The call under way: the station called and its digipeaters.
    bool m_calling = false;
    QString m_calledStation;
    QStringList m_calledVia;
    bool m_connectionShown = false; // a banner opened the connection now ending
    bool m_ownHeaderLast = false; // the screen's last header is the operator's (own text goes under it)
    QDate m_stampedDate; // the UTC date the screen's time stamps last named
    AlertWords m_alertWords;
    QString m_alertOwnCall, m_alertWordList; // the settings they were made from
    bool m_alertedThisOver = false;
    quint64 m_receivedEnd = 0; // appendedTotal() after the last arrival
    // Own text shown at once: the screen's turns run ahead of the log's.
    Shown m_outstandingShown;
    std::deque<Queued> m_queued; // typed ahead, in order
    bool m_remoteBelowOwn = false; // its header went below own text not yet on the air
};
