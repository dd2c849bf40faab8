#include "Terminal.h"

#include "encoding/AnsiCodec.h"
#include "link/ConnectionState.h"
#include "link/DataChannel.h"
#include "terminal/ConversationLog.h"
#include "terminal/RxTextModel.h"

static const QString CrLf = QStringLiteral("\r\n");

// "******* <what>  <UTC time>": the same frame on the screen and in the log.
static QString NoticeLine(const QString& what, const QDateTime& now)
{
    return QStringLiteral("******* ") + what + QStringLiteral("  ")
        + now.toUTC().time().toString(QStringLiteral("HH:mm:ss"));
}

Terminal::Terminal(const ConversationConfig& config, ConnectionState& conn, RxTextModel& rx, DataChannel& channel,
                   QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_conn(conn)
    , m_rx(rx)
    , m_channel(channel)
    , m_clock([] { return QDateTime::currentDateTimeUtc(); })
{ }

// ---- Outgoing text -------------------------------------------------------------

QString Terminal::ToWireLineBreaks(const QString& txText)
{
    QString out;
    out.reserve(txText.size() + txText.size() / 16);
    for (qsizetype i = 0; i < txText.size(); ++i) {
        const QChar c = txText.at(i);
        if (c == QLatin1Char('\r')) {
            out.append(CrLf);
            if (i + 1 < txText.size() && txText.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            out.append(CrLf);
        } else {
            out.append(c);
        }
    }
    return out;
}

int Terminal::ProgressPercent(qint64 bytesToSend, qint64 remaining)
{
    if (bytesToSend <= 0)
        return 0;
    // Exact half-to-even on integers: no floating-point surprises.
    const qint64 num = (bytesToSend - remaining) * 100;
    qint64 q = num / bytesToSend;
    const qint64 r = num % bytesToSend;
    if (2 * r > bytesToSend || (2 * r == bytesToSend && (q % 2) == 1))
        ++q;
    return int(q);
}

QString Terminal::UnsentText(const QString& txText, qint64 unsentBytes)
{
    // Walk back from the end in the units the wire has: one byte per
    // character (a surrogate pair is one '?'), two for a line break. The
    // closing CR is the block's last byte.
    qint64 left = unsentBytes - 1;
    qsizetype i = txText.size();
    while (left > 0 && i > 0) {
        const QChar c = txText.at(i - 1);
        qsizetype start = i - 1;
        qint64 bytes = 1;
        if (c == QLatin1Char('\n') && start > 0 && txText.at(start - 1) == QLatin1Char('\r')) {
            --start;
            bytes = 2;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator
                   || c == QChar::LineSeparator) {
            bytes = 2;
        } else if (c.isLowSurrogate() && start > 0 && txText.at(start - 1).isHighSurrogate()) {
            --start;
        }
        if (bytes > left)
            break; // only the LF of this break is unsent; the CR broke the line already
        left -= bytes;
        i = start;
    }
    QString tail = txText.mid(i);
    tail.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QChar& c : tail)
        if (c == QLatin1Char('\r') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    return tail;
}

QString Terminal::EchoOf(const QByteArray& block)
{
    // What went on the air: '?' for what the code page lacks; the closing CR ends the line.
    return Ansi::toUnicode(block.left(block.size() - 1)) + CrLf;
}

bool Terminal::ownTextAtOnce() const
{
    return m_config.ownTextAtOnce;
}

bool Terminal::takesTypeAhead() const
{
    return m_config.typeAhead && m_outstandingSize > 0 && m_conn.ConnectionActive && !m_conn.AbortRequested;
}

bool Terminal::SendTypedText(const QString& txText)
{
    if (txText.isEmpty())
        return false;
    if (takesTypeAhead()) {
        Queued q{txText, {}};
        // Shown at once only behind shown text, or it would stand before text shown later.
        const Shown& last = m_queued.empty() ? m_outstandingShown : m_queued.back().shown;
        if (ownTextAtOnce() && last.length > 0)
            q.shown = showOwnText(EchoOf(Ansi::fromUnicode(ToWireLineBreaks(txText)) + '\r'), Speaker::Queued);
        m_queued.push_back(q);
        return true;
    }
    startBlock(txText, nullptr);
    return true;
}

void Terminal::startBlock(const QString& txText, const Shown* shownAlready)
{
    const QString text = ToWireLineBreaks(txText);
    emit sendStarted();
    QByteArray block = Ansi::fromUnicode(text);
    block.append('\r');
    const QString echo = EchoOf(block);
    m_outstandingText = txText;
    m_outstandingBlock = block;
    m_outstandingSize = block.size();
    m_outstandingUnsent = block.size();
    m_outstandingShown = Shown();
    if (shownAlready && shownAlready->length > 0) {
        m_outstandingShown = *shownAlready;
        qsizetype index = 0, length = 0;
        if (locate(m_outstandingShown, 0, m_outstandingShown.length, index, length))
            m_rx.setSpeaker(index, length, Speaker::Pending);
    } else if (ownTextAtOnce()) {
        m_outstandingShown = showOwnText(echo, Speaker::Pending);
    }
    m_conn.blockWritten(echo, m_channel.writeData(block));
}

Terminal::Shown Terminal::showOwnText(const QString& echo, Speaker speaker)
{
    Shown shown;
    // A date line before the header stays with it taken out: the date did change.
    if (!m_ownHeaderLast)
        shown.header = appendOwnHeader(false);
    m_rx.appendCapped(echo, speaker);
    shown.at = m_rx.trimmedTotal() + quint64(m_rx.length() - echo.size());
    shown.length = echo.size();
    shown.reset = m_rx.resetCount();
    return shown;
}

bool Terminal::locate(const Shown& shown, qsizetype from, qsizetype to, qsizetype& index, qsizetype& length) const
{
    if (shown.reset != m_rx.resetCount())
        return false; // Clear took it
    // The cap may have taken its front.
    const qint64 first = qMax<qint64>(qint64(shown.at) + from, qint64(m_rx.trimmedTotal()));
    const qint64 end = qint64(shown.at) + to;
    if (end <= first)
        return false;
    index = qsizetype(first - qint64(m_rx.trimmedTotal()));
    length = qsizetype(end - first);
    return true;
}

void Terminal::markSent(Shown& shown, qsizetype chars)
{
    qsizetype index = 0, length = 0;
    chars = qMin(chars, shown.length);
    if (chars > shown.sent && locate(shown, shown.sent, chars, index, length))
        m_rx.setSpeaker(index, length, Speaker::Own);
    shown.sent = qMax(shown.sent, chars);
}

void Terminal::unshow(Shown& shown, qsizetype keep, qsizetype keptEnd)
{
    qsizetype index = 0, length = 0;
    keep = qMin(keep, shown.length);
    keptEnd = qMin(keptEnd, shown.length - keep);
    if (keep > 0)
        markSent(shown, shown.length);
    if (locate(shown, keep, shown.length - keptEnd, index, length)) {
        // Kept up to a CR whose LF would be taken: take the text after the
        // LF and the kept end's LF instead, so no CR LF pair is split.
        const QString& text = m_rx.text();
        const qsizetype end = index + length;
        if (index > 0 && end < text.size() && text.at(index - 1) == QLatin1Char('\r')
            && text.at(index) == QLatin1Char('\n') && text.at(end - 1) == QLatin1Char('\r')
            && text.at(end) == QLatin1Char('\n'))
            ++index;
        m_rx.remove(index, length);
    }
    if (keep == 0 && shown.header > 0 && locate(shown, -shown.header, 0, index, length)) {
        m_rx.remove(index, length);
        m_ownHeaderLast = false;
    }
}

void Terminal::UpdateTransmitProgress(qint64 unsentBytes)
{
    m_conn.bufferReported();
    const qint64 toSend = m_conn.BytesToSend;
    if (toSend <= 0)
        return;
    qint64 remaining = unsentBytes;
    if (remaining > toSend)
        remaining = toSend;
    // A negative count is not a real report; treat it as the block gone.
    if (remaining < 0)
        remaining = 0;
    // What never reached the socket counts as unsent too.
    m_outstandingUnsent = remaining + qMax<qint64>(0, m_outstandingSize - toSend);
    emit sendProgress(toSend - remaining, toSend);
    const bool shown = m_outstandingShown.length > 0;
    if (remaining != 0) {
        // The echo has a character for every byte but the closing CR.
        if (shown)
            markSent(m_outstandingShown, qsizetype(m_outstandingSize - m_outstandingUnsent));
        return;
    }

    // The screen's header by what the screen shows, which may run ahead of the log's turn.
    if (!shown && !m_ownHeaderLast)
        appendOwnHeader(false);
    if (m_conn.LastSpeaker != Talker::ThisStation)
        logOwnHeader();
    if (shown)
        markSent(m_outstandingShown, m_outstandingShown.length);
    else
        m_rx.appendCapped(m_conn.PendingEcho, Speaker::Own);
    if (m_log)
        m_log->text(m_conn.PendingEcho);
    m_conn.blockDelivered();
    m_outstandingText.clear();
    m_outstandingBlock.clear();
    m_outstandingSize = m_outstandingUnsent = 0;
    m_outstandingShown = Shown();
    emit sendFinished();
    // Typed ahead: the next block goes out now.
    if (!m_queued.empty()) {
        const Queued next = m_queued.front();
        m_queued.pop_front();
        startBlock(next.typed, &next.shown);
    }
}

qsizetype Terminal::appendOwnHeader(bool logged)
{
    const qsizetype size = showHeader(QLatin1Char('>'), m_config.myCall, Speaker::Own);
    if (logged)
        logOwnHeader();
    m_ownHeaderLast = true;
    m_remoteBelowOwn = false;
    return size;
}

qsizetype Terminal::showHeader(QChar mark, const QString& call, Speaker speaker)
{
    QString header = mark + call;
    if (m_config.timeStamps) {
        const QDateTime now = m_clock().toUTC();
        if (now.date() != m_stampedDate) {
            m_stampedDate = now.date();
            m_rx.appendUncapped(QStringLiteral("******* ") + now.date().toString(Qt::ISODate) + QStringLiteral(" UTC")
                                    + CrLf,
                                Speaker::Banner);
        }
        header += QStringLiteral("  ") + now.time().toString(QStringLiteral("HH:mm:ss"));
    }
    header += CrLf;
    m_rx.appendUncapped(header, speaker);
    return header.size();
}

void Terminal::logOwnHeader()
{
    if (m_log)
        m_log->speaker(QLatin1Char('>'), m_config.myCall, m_clock());
}

// ---- Incoming text ---------------------------------------------------------------

void Terminal::ReceiveDataBytes(const QByteArray& bytes)
{
    const bool turn = m_conn.LastSpeaker != Talker::OtherStation;
    // Own text shown before it went out puts the screen's turns ahead of the log's.
    if (m_ownHeaderLast || (turn && !m_remoteBelowOwn)) {
        showHeader(QLatin1Char('<'), m_conn.OtherStation(), Speaker::Remote);
        m_ownHeaderLast = false;
        m_remoteBelowOwn = m_outstandingShown.length > 0;
        m_alertedThisOver = false; // an over as the screen shows it
    }
    if (turn) {
        if (m_log)
            m_log->speaker(QLatin1Char('<'), m_conn.OtherStation(), m_clock());
        m_receivedEndedWithCr = false;
    }
    m_conn.textReceived(bytes.size());
    emit received(m_conn.BytesReceived);

    if (m_log && m_log->inConversation()) {
        // The log keeps all of it, not just what fits on the screen. A CR LF
        // split between two arrivals is one line break there, not two.
        const qsizetype skip = m_receivedEndedWithCr && bytes.startsWith('\n') ? 1 : 0;
        m_log->received(bytes.constData() + skip, bytes.size() - skip);
    }
    m_receivedEndedWithCr = bytes.endsWith('\r');

    // Only the last Cap characters can survive; skip converting the rest.
    const char* data = bytes.constData();
    qsizetype size = bytes.size();
    if (size > RxTextModel::Cap + 1) {
        data += size - (RxTextModel::Cap + 1);
        size = RxTextModel::Cap + 1;
        m_alertWords.restart(); // no word across what was skipped
    }
    QString text;
    RxTextModel::ConvertReceivedInto(text, data, size);
    const quint64 at = m_rx.appendedTotal();
    // A word continues only straight after the last arrival: not across a
    // header, a notice or own text shown between.
    if (at != m_receivedEnd)
        m_alertWords.restart();
    m_rx.appendCapped(text, Speaker::Remote);
    markAlertWords(text, at);
    m_receivedEnd = m_rx.appendedTotal();
}

void Terminal::markAlertWords(const QString& text, quint64 at)
{
    const ConversationConfig& c = m_config;
    const QString ownCall = c.alertOnOwnCall ? c.myCall : QString();
    if (ownCall != m_alertOwnCall || c.alertWords != m_alertWordList) {
        m_alertOwnCall = ownCall;
        m_alertWordList = c.alertWords;
        m_alertWords.setWords(c.alertWords, ownCall);
    }
    QString first; // the over's first match is announced
    m_alertWords.scan(text, at, [&](quint64 from, quint64 to) {
        m_rx.addMark(from, to);
        if (first.isEmpty())
            first = m_rx.text().mid(m_rx.indexOf(from), qsizetype(to - from));
    });
    if (!first.isEmpty() && !m_alertedThisOver) {
        m_alertedThisOver = true;
        emit alertWordReceived(first);
    }
}

QString Terminal::CallChain(const ConnectionState& c)
{
    static const QString sep = QStringLiteral(" <-> ");
    if (!c.ConnectedVia2.isEmpty())
        return c.ConnectedCall1 + sep + c.ConnectedVia1 + sep + c.ConnectedVia2 + sep + c.ConnectedCall2;
    if (!c.ConnectedVia1.isEmpty())
        return c.ConnectedCall1 + sep + c.ConnectedVia1 + sep + c.ConnectedCall2;
    return c.ConnectedCall1 + sep + c.ConnectedCall2;
}

QString Terminal::UtcTimeStamp() const
{
    return m_clock().toUTC().time().toString(QStringLiteral("HH:mm:ss"));
}

void Terminal::AppendConnectBanner()
{
    const QDateTime now = m_clock();
    const QString chain = CallChain(m_conn);
    m_rx.appendUncapped(CrLf + QStringLiteral("          ******* ") + chain + QStringLiteral(" *******  ")
                            + now.toUTC().time().toString(QStringLiteral("HH:mm:ss")) + CrLf + CrLf,
                        Speaker::Banner);
    if (m_log)
        m_log->connectionBegan(chain, now);
    m_ownHeaderLast = m_remoteBelowOwn = false;
    if (!m_conn.OutgoingCall)
        emit incomingCall(m_conn.ConnectedCall1);
}

QString Terminal::showNotice(const QString& what, const QDateTime& now)
{
    const QString line = NoticeLine(what, now);
    const QString& shown = m_rx.text();
    const bool lineStart = shown.isEmpty() || shown.endsWith(QLatin1Char('\n')) || shown.endsWith(QLatin1Char('\r'));
    m_rx.appendUncapped((lineStart ? QString() : CrLf) + line + CrLf, Speaker::Banner);
    return line;
}

void Terminal::appendNotice(const QString& what)
{
    appendNotice(what, what);
}

void Terminal::appendNotice(const QString& shown, const QString& logged)
{
    const QDateTime now = m_clock();
    showNotice(shown, now);
    if (m_log)
        m_log->notice(NoticeLine(logged, now) + QStringLiteral(" UTC"), now);
}

bool Terminal::showsCallEvents() const
{
    return m_config.showCallEvents;
}

void Terminal::ShowConnected()
{
    m_calling = false;
    m_connectionShown = true;
    AppendConnectBanner();
    emit connectionStarted(m_conn.AbortRequested);
    UpdateConnectionDisplay();
}

void Terminal::ClearScreen()
{
    m_rx.clear();
    m_stampedDate = QDate(); // the next time stamp names its date again
    // Own text not yet on the air shows again as it goes, as if typed now;
    // the text that continues keeps the turn it had on the air.
    m_outstandingShown = Shown();
    for (Queued& q : m_queued)
        q.shown = Shown();
    m_ownHeaderLast = m_conn.LastSpeaker == Talker::ThisStation;
    m_remoteBelowOwn = false;
    m_alertWords.restart();
}

// ---- Connection display ------------------------------------------------------------

void Terminal::returnOutstandingBlock()
{
    if (m_outstandingSize == 0)
        return;
    // Typed ahead: none of it went out. Taken off the screen from the end,
    // so the ranges before keep their places.
    QStringList back;
    for (auto q = m_queued.rbegin(); q != m_queued.rend(); ++q) {
        unshow(q->shown, 0, 0);
        back.prepend(q->typed);
    }
    m_queued.clear();
    const qint64 sent = m_outstandingSize - m_outstandingUnsent;
    const bool shown = m_outstandingShown.length > 0;
    QString echo;
    if (sent > 0 && showsCallEvents()) {
        // The part on the air by the last report, ended as a line of its own.
        echo = Ansi::toUnicode(m_outstandingBlock.left(sent));
        if (!echo.endsWith(QLatin1Char('\n')))
            echo += echo.endsWith(QLatin1Char('\r')) ? QStringLiteral("\n") : CrLf;
        if (shown) {
            // The shown echo ends in CR LF, so the line's end is already there.
            if (m_conn.LastSpeaker != Talker::ThisStation)
                logOwnHeader();
        } else {
            if (!m_ownHeaderLast)
                appendOwnHeader();
            m_rx.appendCapped(echo, Speaker::Own);
        }
        if (m_log)
            m_log->text(echo);
    }
    // Without an echo all of it goes; with one, its start and line end stay.
    if (shown && echo.isEmpty())
        unshow(m_outstandingShown, 0, 0);
    else if (shown)
        unshow(m_outstandingShown, qsizetype(sent), echo.size() - qsizetype(sent));
    back.prepend(UnsentText(m_outstandingText, m_outstandingUnsent));
    back.removeAll(QString());
    m_outstandingText.clear();
    m_outstandingBlock.clear();
    m_outstandingSize = m_outstandingUnsent = 0;
    m_outstandingShown = Shown();
    m_conn.blockAbandoned();
    if (!back.isEmpty())
        emit unsentReturned(back.join(QLatin1Char('\n')));
}

void Terminal::UpdateConnectionDisplay()
{
    ConnectionInfo info;
    const bool linkUp = m_channel.linkUp();
    if (linkUp && m_conn.ConnectionActive) {
        info.phase = ConnectionPhase::Connected;
        info.callChain = CallChain(m_conn);
        info.stopping = m_conn.AbortRequested;
        emit connectionChanged(info);
        return;
    }
    if (linkUp)
        info.phase = ConnectionPhase::Idle;
    emit connectionChanged(info);
    m_conn.echoDropped();
    // A block cut off by the end (or the lost link) never completes.
    returnOutstandingBlock();
    tellEnd();
    if (m_log)
        m_log->connectionEnded(m_clock());
}

void Terminal::tellEnd()
{
    const bool tell = showsCallEvents();
    if (m_calling && tell) {
        const QString via = m_calledVia.join(QStringLiteral(", "));
        if (m_calledVia.isEmpty())
            appendNotice(tr("No connection with %1").arg(m_calledStation),
                         QStringLiteral("No connection with ") + m_calledStation);
        else
            appendNotice(tr("No connection with %1 via %2").arg(m_calledStation, via),
                         QStringLiteral("No connection with ") + m_calledStation + QStringLiteral(" via ") + via);
    }
    // The log closes its record by itself.
    if (m_connectionShown && tell)
        showNotice(tr("Connection ended"), m_clock());
    m_calling = m_connectionShown = false;
}

void Terminal::ShowConnecting()
{
    m_conn.callingOut();
    // Another mode text calls no one.
    m_calling = m_config.callsOut;
    m_calledStation = m_config.target;
    // The digipeaters as the CONNECT line names them: a second only after a first.
    m_calledVia = m_config.via;
    emit callStarted(m_calledStation, m_calling, m_calledVia);
}
