#include "Terminal.h"

#include "encoding/AnsiCodec.h"
#include "link/ConnectionState.h"
#include "link/DataChannel.h"
#include "settings/Settings.h"
#include "terminal/ConversationLog.h"
#include "terminal/RxTextModel.h"

static const QString CrLf = QStringLiteral("\r\n");

Terminal::Terminal(SettingsStore& settings, ConnectionState& conn, RxTextModel& rx, DataChannel& channel,
                   QObject* parent)
    : QObject(parent)
    , m_settings(settings)
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

bool Terminal::SendTypedText(const QString& txText)
{
    if (txText.isEmpty())
        return false;
    const QString text = ToWireLineBreaks(txText);
    emit sendStarted();
    QByteArray block = Ansi::fromUnicode(text);
    // The echo shows what went on the air: '?' for what the code page lacks.
    const QString echo = Ansi::toUnicode(block) + CrLf;
    block.append('\r');
    m_outstandingText = txText;
    m_outstandingBlock = block;
    m_outstandingSize = block.size();
    m_outstandingUnsent = block.size();
    m_conn.blockWritten(echo, m_channel.writeData(block));
    return true;
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
    if (remaining != 0)
        return;

    if (m_conn.LastSpeaker != Talker::ThisStation)
        appendOwnHeader();
    m_rx.appendCapped(m_conn.PendingEcho, Speaker::Own);
    if (m_log)
        m_log->text(m_conn.PendingEcho);
    m_conn.blockDelivered();
    m_outstandingText.clear();
    m_outstandingBlock.clear();
    m_outstandingSize = m_outstandingUnsent = 0;
    emit sendFinished();
}

void Terminal::appendOwnHeader()
{
    appendHeader(QLatin1Char('>'), m_settings.s().myCallsign, Speaker::Own);
    m_ownHeaderLast = true;
}

void Terminal::appendHeader(QChar mark, const QString& call, Speaker speaker)
{
    const bool stamped = m_settings.s().timeStamps;
    // The clock is read only when something shows it.
    const QDateTime now = stamped || m_log ? m_clock().toUTC() : QDateTime();
    QString header = mark + call;
    if (stamped) {
        if (now.date() != m_stampedDate) {
            m_stampedDate = now.date();
            m_rx.appendUncapped(QStringLiteral("******* ") + now.date().toString(Qt::ISODate) + QStringLiteral(" UTC")
                                    + CrLf,
                                Speaker::Banner);
        }
        header += QStringLiteral("  ") + now.time().toString(QStringLiteral("HH:mm:ss"));
    }
    m_rx.appendUncapped(header + CrLf, speaker);
    if (m_log)
        m_log->speaker(mark, call, now);
}

// ---- Incoming text ---------------------------------------------------------------

void Terminal::ReceiveDataBytes(const QByteArray& bytes)
{
    if (m_conn.LastSpeaker != Talker::OtherStation) {
        appendHeader(QLatin1Char('<'), m_conn.OtherStation(), Speaker::Remote);
        m_receivedEndedWithCr = false;
        m_ownHeaderLast = false;
        m_alertWords.restart();
        m_alertedThisOver = false;
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
    }
    QString text;
    RxTextModel::ConvertReceivedInto(text, data, size);
    const quint64 at = m_rx.appendedTotal();
    m_rx.appendCapped(text, Speaker::Remote);
    markAlertWords(text, at);
}

void Terminal::markAlertWords(const QString& text, quint64 at)
{
    const Settings& s = m_settings.s();
    const QString ownCall = s.alertOnOwnCall ? s.myCallsign : QString();
    if (ownCall != m_alertOwnCall || s.alertWords != m_alertWordList) {
        m_alertOwnCall = ownCall;
        m_alertWordList = s.alertWords;
        m_alertWords.setWords(s.alertWords, ownCall);
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
    m_ownHeaderLast = false;
    if (!m_conn.OutgoingCall)
        emit incomingCall(m_conn.ConnectedCall1);
}

QString Terminal::showNotice(const QString& what)
{
    const QString line = QStringLiteral("******* ") + what + QStringLiteral("  ") + UtcTimeStamp();
    const QString& shown = m_rx.text();
    const bool lineStart = shown.isEmpty() || shown.endsWith(QLatin1Char('\n')) || shown.endsWith(QLatin1Char('\r'));
    m_rx.appendUncapped((lineStart ? QString() : CrLf) + line + CrLf, Speaker::Banner);
    return line;
}

void Terminal::appendNotice(const QString& what)
{
    const QDateTime now = m_clock();
    const QString line = showNotice(what);
    if (m_log)
        m_log->notice(line + QStringLiteral(" UTC"), now);
}

bool Terminal::showsCallEvents() const
{
    return m_settings.s().showCallEvents;
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
}

// ---- Connection display ------------------------------------------------------------

void Terminal::returnOutstandingBlock()
{
    if (m_outstandingSize == 0)
        return;
    const qint64 sent = m_outstandingSize - m_outstandingUnsent;
    if (sent > 0 && showsCallEvents()) {
        // The part on the air by the last report, ended as a line of its own.
        QString echo = Ansi::toUnicode(m_outstandingBlock.left(sent));
        if (!echo.endsWith(QLatin1Char('\n')))
            echo += echo.endsWith(QLatin1Char('\r')) ? QStringLiteral("\n") : CrLf;
        if (!m_ownHeaderLast)
            appendOwnHeader();
        m_rx.appendCapped(echo, Speaker::Own);
        if (m_log)
            m_log->text(echo);
    }
    const QString unsent = UnsentText(m_outstandingText, m_outstandingUnsent);
    m_outstandingText.clear();
    m_outstandingBlock.clear();
    m_outstandingSize = m_outstandingUnsent = 0;
    m_conn.blockAbandoned();
    if (!unsent.isEmpty())
        emit unsentReturned(unsent);
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
        QString what = QStringLiteral("No connection with ") + m_calledStation;
        if (!m_calledVia.isEmpty())
            what += QStringLiteral(" via ") + m_calledVia.join(QStringLiteral(", "));
        appendNotice(what);
    }
    // The log closes its record by itself.
    if (m_connectionShown && tell)
        showNotice(QStringLiteral("Connection ended"));
    m_calling = m_connectionShown = false;
}

void Terminal::ShowConnecting()
{
    m_conn.callingOut();
    const Settings& s = m_settings.s();
    const ModeProfile* profile = s.profile();
    // Another mode text calls no one.
    m_calling = profile != nullptr;
    m_calledStation = profile ? s.*profile->connectWith : QString();
    m_calledVia.clear();
    // The digipeaters as the CONNECT line names them: a second only after a first.
    if (profile && profile->connectsVia && !s.via1.isEmpty()) {
        m_calledVia << s.via1;
        if (!s.via2.isEmpty())
            m_calledVia << s.via2;
    }
    emit callStarted(m_calledStation, m_calling, m_calledVia);
}
