#include "ModemSim.h"

#include "Console.h"

#include <QHostInfo>
#include <QRegularExpression>
#include <QTcpSocket>

namespace {

constexpr int kMaxLine = 64 * 1024; // longer command lines are discarded
constexpr qint64 kMaxQueued = 1024 * 1024; // transmit queue cap
constexpr int kMaxFragment = 64;
const char* const kNoCall = "NOCALL";

QString channelName(bool command)
{
    return command ? QStringLiteral("command") : QStringLiteral("data");
}

} // namespace

ModemSim::ModemSim(const SimOptions& options, QObject* parent)
    : QObject(parent)
    , m_opt(options)
    , m_bandwidth(options.bandwidth)
    , m_stepMode(options.step)
    , m_random(options.seed)
{
    for (QTimer* t : {&m_linkTimer, &m_txTimer, &m_replyTimer, &m_callInTimer})
        t->setSingleShot(true);

    connect(&m_linkTimer, &QTimer::timeout, this, [this]() {
        if (!m_linkQueue.empty())
            linkStep();
        kick();
    });
    connect(&m_txTimer, &QTimer::timeout, this, [this]() {
        if (txHasWork())
            txStep();
        kick();
    });
    connect(&m_replyTimer, &QTimer::timeout, this, [this]() {
        if (replyHasWork())
            replyStep();
        kick();
    });
    connect(&m_callInTimer, &QTimer::timeout, this, [this]() { tryCallIn(m_opt.callIn, {}, true); });

    connect(&m_cmdServer, &QTcpServer::newConnection, this, [this]() { onNewConnection(Channel::Command); });
    connect(&m_dataServer, &QTcpServer::newConnection, this, [this]() { onNewConnection(Channel::Data); });
}

ModemSim::~ModemSim()
{
    stopLanes();
    m_callInTimer.stop();
    // Closing here raises disconnected() on sockets whose handlers are guarded
    // by the pointers, so clear those first.
    QTcpSocket* c = m_cmd;
    QTcpSocket* d = m_data;
    m_cmd = nullptr;
    m_data = nullptr;
    for (QTcpSocket* s : {c, d}) {
        if (s) {
            s->disconnect(this);
            s->flush();
            s->close();
        }
    }
}

// ---------------------------------------------------------------- channels

bool ModemSim::listen(QString* error)
{
    const QString h = m_opt.host;
    if (h.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) {
        m_address = QHostAddress(QHostAddress::LocalHost);
    } else if (h.compare(QLatin1String("any"), Qt::CaseInsensitive) == 0) {
        m_address = QHostAddress(QHostAddress::Any);
    } else if (!m_address.setAddress(h)) {
        const QHostInfo info = QHostInfo::fromName(h);
        if (info.addresses().isEmpty()) {
            *error = QStringLiteral("cannot resolve host %1").arg(h);
            return false;
        }
        m_address = info.addresses().first();
    }
    if (!startServer(Channel::Command, error) || !startServer(Channel::Data, error))
        return false;

    logLine(QStringLiteral("# listening on %1 port %2 (data %3)%4")
                .arg(m_address.toString())
                .arg(m_opt.port)
                .arg(m_opt.port + 1)
                .arg(m_stepMode ? QStringLiteral(", step mode") : QString()));

    if (!m_opt.callIn.isEmpty())
        m_callInTimer.start(m_opt.scaled(int(qMin(m_opt.callInAfterSeconds * 1000.0, 2.0e9))));
    return true;
}

bool ModemSim::startServer(Channel ch, QString* error)
{
    QTcpServer& server = ch == Channel::Command ? m_cmdServer : m_dataServer;
    const quint16 port = ch == Channel::Command ? m_opt.port : quint16(m_opt.port + 1);
    if (server.isListening())
        return true;
    if (server.listen(m_address, port))
        return true;
    *error =
        QStringLiteral("cannot listen on %1 port %2: %3").arg(m_address.toString()).arg(port).arg(server.errorString());
    return false;
}

void ModemSim::onNewConnection(Channel ch)
{
    QTcpServer& server = ch == Channel::Command ? m_cmdServer : m_dataServer;
    QPointer<QTcpSocket>& slot = ch == Channel::Command ? m_cmd : m_data;
    const bool isCmd = ch == Channel::Command;

    while (QTcpSocket* sock = server.nextPendingConnection()) {
        if (slot) {
            // The terminal has reconnected: the newest connection wins.
            QTcpSocket* old = slot;
            slot = nullptr;
            old->disconnect(this);
            old->abort();
            old->deleteLater();
            logLine(QStringLiteral("# %1 channel replaced by a new connection").arg(channelName(isCmd)));
            channelLost(ch);
        }
        slot = sock;
        if (isCmd) {
            m_cmdBuffer.clear();
            m_discardingLine = false;
            connect(sock, &QTcpSocket::readyRead, this, &ModemSim::onCommandBytes);
        } else {
            connect(sock, &QTcpSocket::readyRead, this, &ModemSim::onDataBytes);
        }
        connect(sock, &QTcpSocket::disconnected, this, [this, sock, ch]() { onSocketGone(sock, ch); });
        connect(sock, &QTcpSocket::errorOccurred, this, [this, sock, ch]() {
            if (sock->state() != QAbstractSocket::ConnectedState)
                onSocketGone(sock, ch);
        });
        logLine(QStringLiteral("# %1 channel connected from %2:%3")
                    .arg(channelName(isCmd), sock->peerAddress().toString())
                    .arg(sock->peerPort()));
    }
}

void ModemSim::onSocketGone(QTcpSocket* sock, Channel ch)
{
    QPointer<QTcpSocket>& slot = ch == Channel::Command ? m_cmd : m_data;
    if (slot != sock)
        return; // replaced or closed by us; already handled
    slot = nullptr;
    sock->disconnect(this);
    sock->deleteLater();
    logLine(QStringLiteral("# %1 channel closed by the terminal").arg(channelName(ch == Channel::Command)));
    channelLost(ch);
}

void ModemSim::closeChannel(Channel ch)
{
    QPointer<QTcpSocket>& slot = ch == Channel::Command ? m_cmd : m_data;
    if (!slot)
        return;
    QTcpSocket* sock = slot;
    slot = nullptr;
    sock->disconnect(this);
    sock->flush();
    sock->close();
    sock->deleteLater();
    logLine(QStringLiteral("# %1 channel dropped").arg(channelName(ch == Channel::Command)));
    channelLost(ch);
}

// Losing either channel ends the radio link: the terminal resets its own
// connection state when a socket goes down, and both sides must agree.
void ModemSim::channelLost(Channel ch)
{
    if (ch == Channel::Command) {
        m_cmdBuffer.clear();
        m_discardingLine = false;
    }
    const bool linkBusy =
        m_link != Link::Idle || !m_linkQueue.empty() || m_tx != Tx::Off || m_txPending > 0 || !m_reply.isEmpty();
    if (!linkBusy)
        return;
    logLine(QStringLiteral("# radio link ended with the %1 channel").arg(channelName(ch == Channel::Command)));
    // When the command channel is still there, say so on it.
    remoteDisconnect(m_cmd != nullptr && m_link != Link::Idle);
}

void ModemSim::onCommandBytes()
{
    QTcpSocket* sock = m_cmd;
    if (!sock)
        return;
    const QByteArray bytes = sock->readAll();
    int start = 0;
    while (start < bytes.size()) {
        // A CR ends a command; so does an LF, so that a stray LF (or a person
        // typing CR LF through telnet) only yields an empty line.
        int end = start;
        while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n')
            ++end;
        if (!m_discardingLine) {
            m_cmdBuffer.append(bytes.constData() + start, end - start);
            if (m_cmdBuffer.size() > kMaxLine) {
                logLine(QStringLiteral("# command line longer than 64 KiB: discarding it up to its end"));
                m_cmdBuffer.clear();
                m_discardingLine = true;
            }
        }
        if (end >= bytes.size())
            break;
        if (m_discardingLine) {
            m_discardingLine = false;
        } else {
            const QByteArray line = m_cmdBuffer;
            m_cmdBuffer.clear();
            handleCommand(line);
            if (sock != m_cmd)
                return; // the command dropped the channel
        }
        start = end + 1;
    }
}

void ModemSim::onDataBytes()
{
    if (!m_data)
        return;
    const QByteArray bytes = m_data->readAll();
    if (bytes.isEmpty())
        return;
    logLine(QStringLiteral("<= %1 bytes: %2").arg(bytes.size()).arg(printable(bytes)));
    if (m_link != Link::Connected) {
        logLine(QStringLiteral("# %1 data bytes discarded: no radio connection").arg(bytes.size()));
        return;
    }
    qint64 take = bytes.size();
    if (m_txPending + take > kMaxQueued) {
        take = qMax<qint64>(0, kMaxQueued - m_txPending);
        logLine(QStringLiteral("# transmit queue full: %1 bytes discarded").arg(bytes.size() - take));
    }
    if (take == 0)
        return;
    m_txPending += take;
    if (m_txHeard.size() < kMaxQueued)
        m_txHeard.append(bytes.constData(), int(qMin<qint64>(take, kMaxQueued - m_txHeard.size())));
    kick();
}

// ---------------------------------------------------------------- protocol

void ModemSim::handleCommand(const QByteArray& raw)
{
    if (raw.isEmpty())
        return;
    logLine(QStringLiteral("<- ") + printable(raw));

    const QStringList parts = QString::fromLatin1(raw).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.isEmpty()) {
        logLine(QStringLiteral("# blank command ignored"));
        return;
    }
    const QString kw = parts.first().trimmed().toUpper();
    QStringList args = parts.mid(1);
    for (QString& a : args)
        a = a.trimmed().toUpper();
    args.removeAll(QString());

    if (kw == QLatin1String("MYCALL")) {
        if (args.isEmpty()) {
            logLine(QStringLiteral("# MYCALL without a call sign ignored"));
            return;
        }
        m_mycall = args.first();
    } else if (kw == QLatin1String("LISTEN")) {
        if (args.value(0) == QLatin1String("ON"))
            m_listen = true;
        else if (args.value(0) == QLatin1String("OFF"))
            m_listen = false;
        else
            logLine(QStringLiteral("# LISTEN needs ON or OFF; ignored"));
    } else if (kw == QLatin1String("COMPRESSION")) {
        m_compression = args.join(QLatin1Char(' '));
    } else if (kw == QLatin1String("BW500") || kw == QLatin1String("BW2300") || kw == QLatin1String("BW2750")) {
        m_bandwidth = kw.mid(2).toInt();
    } else if (kw == QLatin1String("CONNECT")) {
        handleConnect(args);
    } else if (kw == QLatin1String("ABORT")) {
        handleAbort();
    } else {
        logLine(QStringLiteral("# unknown command ignored"));
    }
}

QByteArray ModemSim::connectedLine(const QString& calling, const QString& called, const QStringList& digis) const
{
    // Field 3 is not read by the terminal: the speed of the path, 1200 for a
    // digipeated (FM) path and the bandwidth otherwise. Fields 4 and 5 carry
    // the digipeaters.
    QStringList f{QStringLiteral("CONNECTED"), calling, called,
                  digis.isEmpty() ? QString::number(m_bandwidth) : QStringLiteral("1200")};
    f += digis.mid(0, 2);
    return f.join(QLatin1Char(' ')).toLatin1();
}

void ModemSim::handleConnect(const QStringList& args)
{
    const int via = args.indexOf(QStringLiteral("VIA"));
    const QStringList calls = via < 0 ? args : args.mid(0, via);
    const QStringList digis = via < 0 ? QStringList() : args.mid(via + 1, 2);

    if (m_link == Link::Calling || m_link == Link::Disconnecting) {
        logLine(QStringLiteral("# CONNECT ignored: a call or a disconnection is already under way"));
        return;
    }
    if (m_link == Link::Connected) {
        // Already linked: the modem stays with the station it has and says so
        // again, so the terminal's display returns to the link that is up.
        if (!m_linkQueue.empty()) {
            logLine(QStringLiteral("# CONNECT ignored: already connected"));
            return;
        }
        logLine(QStringLiteral("# already connected: repeating the CONNECTED line"));
        enqueue({m_connected, m_opt.connectDelayMs, false, Link::Connected, false});
        return;
    }

    m_link = Link::Calling;
    if (calls.isEmpty()) {
        logLine(QStringLiteral("# CONNECT without a target: the call fails"));
        enqueue({"DISCONNECTED", m_opt.connectDelayMs, true, Link::Idle, false});
        return;
    }
    const QString calling =
        calls.size() >= 2 ? calls.at(0) : (m_mycall.isEmpty() ? QString::fromLatin1(kNoCall) : m_mycall);
    const QString target = calls.size() >= 2 ? calls.at(1) : calls.at(0);

    QStringList path = digis;
    path << target;
    for (const QString& station : path) {
        if (m_opt.unreachable.contains(station)) {
            logLine(QStringLiteral("# %1 does not answer").arg(station));
            enqueue({"DISCONNECTED", m_opt.connectDelayMs, true, Link::Idle, false});
            return;
        }
    }
    enqueue({connectedLine(calling, target, digis), m_opt.connectDelayMs, true, Link::Connected, false});
}

void ModemSim::handleAbort()
{
    switch (m_link) {
    case Link::Idle:
        // Nothing to end, but a terminal waiting in "Disconnecting..." needs
        // the line to leave that state.
        if (m_linkQueue.empty())
            enqueue({"DISCONNECTED", m_opt.abortDelayMs, false, Link::Idle, false});
        else
            logLine(QStringLiteral("# ABORT ignored: an answer is already pending"));
        break;
    case Link::Calling:
    case Link::Connected:
        m_linkQueue.clear();
        m_linkTimer.stop();
        m_link = Link::Disconnecting;
        cancelTransmission(false);
        m_reply.clear();
        m_replyTimer.stop();
        enqueue({"DISCONNECTED", m_opt.abortDelayMs, true, Link::Idle, false});
        break;
    case Link::Disconnecting:
        logLine(QStringLiteral("# ABORT ignored: already disconnecting"));
        break;
    }
}

void ModemSim::sendLine(const QByteArray& line)
{
    if (!m_cmd || m_cmd->state() != QAbstractSocket::ConnectedState) {
        logLine(QStringLiteral("# not delivered (no command channel): ") + printable(line));
        return;
    }
    m_cmd->write(line + '\r');
    logLine(QStringLiteral("-> ") + printable(line));
}

void ModemSim::sendData(const QByteArray& bytes)
{
    if (!m_data || m_data->state() != QAbstractSocket::ConnectedState) {
        logLine(QStringLiteral("# not delivered (no data channel): %1 bytes").arg(bytes.size()));
        return;
    }
    m_data->write(bytes);
    logLine(QStringLiteral("=> %1 bytes: %2").arg(bytes.size()).arg(printable(bytes)));
}

// Ends whatever the radio link is doing at once; with announce, tells the
// terminal (PTT OFF when keyed, then DISCONNECTED).
void ModemSim::remoteDisconnect(bool announce)
{
    m_linkQueue.clear();
    m_linkTimer.stop();
    m_reply.clear();
    m_replyTimer.stop();
    const bool wasKeyed = m_ptt;
    m_tx = Tx::Off;
    m_txTimer.stop();
    m_txPending = 0;
    m_txHeard.clear();
    m_ptt = false;
    m_link = Link::Idle;
    m_connected.clear();
    if (announce) {
        if (wasKeyed)
            sendLine("PTT OFF");
        sendLine("DISCONNECTED");
    }
    kick();
}

void ModemSim::tryCallIn(const QString& call, const QStringList& digis, bool fromTimer)
{
    QString why;
    if (!m_cmd)
        why = QStringLiteral("no command channel");
    else if (!m_listen)
        why = QStringLiteral("not listening");
    else if (m_link != Link::Idle || !m_linkQueue.empty())
        why = QStringLiteral("busy");
    if (!why.isEmpty()) {
        if (fromTimer) {
            // Said once per reason, so fast retries do not flood the log.
            if (why != m_callInWhy)
                logLine(QStringLiteral("# call from %1 unanswered (%2); it calls again later").arg(call, why));
            m_callInWhy = why;
            m_callInTimer.start(m_opt.scaled(int(qMin(m_opt.callInAfterSeconds * 1000.0, 2.0e9))));
        } else {
            logLine(QStringLiteral("# call from %1 unanswered (%2)").arg(call, why));
        }
        return;
    }
    const QString me = m_mycall.isEmpty() ? QString::fromLatin1(kNoCall) : m_mycall;
    // An incoming call: the caller is field 1.
    m_connected = connectedLine(call, me, digis);
    m_link = Link::Connected;
    sendLine(m_connected);
}

// ---------------------------------------------------------------- lanes

void ModemSim::enqueue(const LinkItem& item)
{
    m_linkQueue.push_back(item);
    kick();
}

void ModemSim::kick()
{
    if (m_stepMode)
        return;
    if (!m_linkQueue.empty() && !m_linkTimer.isActive())
        m_linkTimer.start(m_opt.scaled(m_linkQueue.front().delayMs));
    if (replyHasWork() && !m_replyTimer.isActive()) {
        const int gap = m_replyFresh ? m_opt.replyDelayMs
                                     : m_opt.fragmentGapMinMs
                + int(m_random.bounded(quint32(m_opt.fragmentGapMaxMs - m_opt.fragmentGapMinMs + 1)));
        m_replyTimer.start(m_opt.scaled(gap));
    }
    if (txHasWork() && !m_txTimer.isActive())
        m_txTimer.start(m_opt.scaled(txDelayMs()));
}

void ModemSim::stopLanes()
{
    m_linkTimer.stop();
    m_txTimer.stop();
    m_replyTimer.stop();
}

bool ModemSim::replyHasWork() const
{
    // Half duplex: the remote station answers only while this side is not keyed.
    return !m_reply.isEmpty() && m_tx == Tx::Off && m_link == Link::Connected;
}

bool ModemSim::txHasWork() const
{
    if (m_link != Link::Connected)
        return false;
    if (m_tx != Tx::Off)
        return true;
    return m_txPending > 0 && m_reply.isEmpty();
}

int ModemSim::txDelayMs() const
{
    switch (m_tx) {
    case Tx::Off:
        return m_opt.pttDelayMs;
    case Tx::KeyedUp:
        return 0;
    case Tx::Sending:
        return m_opt.reportMs;
    case Tx::Ending:
        return m_txPending > 0 ? m_opt.reportMs : m_opt.pttDelayMs;
    }
    return 0;
}

void ModemSim::linkStep()
{
    const LinkItem item = m_linkQueue.front();
    m_linkQueue.pop_front();
    if (item.unkeys)
        m_ptt = false;
    if (item.changesLink) {
        m_link = item.after;
        if (m_link == Link::Connected) {
            m_connected = item.line;
        } else if (m_link == Link::Idle) {
            m_connected.clear();
        }
    }
    sendLine(item.line);
}

void ModemSim::replyStep()
{
    const int n = qMin<int>(int(m_reply.size()), 1 + int(m_random.bounded(quint32(kMaxFragment))));
    const QByteArray fragment = m_reply.left(n);
    m_reply.remove(0, n);
    m_replyFresh = false;
    sendData(fragment);
}

void ModemSim::txStep()
{
    switch (m_tx) {
    case Tx::Off:
        m_ptt = true;
        m_tx = Tx::KeyedUp;
        sendLine("PTT ON");
        break;
    case Tx::KeyedUp:
        // First report: everything queued, nothing sent yet.
        m_tx = m_txPending > 0 ? Tx::Sending : Tx::Ending;
        sendLine("BUFFER " + QByteArray::number(m_txPending));
        break;
    case Tx::Sending:
        m_txPending = qMax<qint64>(0, m_txPending - m_opt.bytesPerReport(m_bandwidth));
        if (m_txPending == 0)
            m_tx = Tx::Ending;
        sendLine("BUFFER " + QByteArray::number(m_txPending));
        break;
    case Tx::Ending:
        if (m_txPending > 0) {
            // More data came after the last block went: carry on keyed.
            m_tx = Tx::Sending;
            sendLine("BUFFER " + QByteArray::number(m_txPending));
            break;
        }
        m_ptt = false;
        m_tx = Tx::Off;
        sendLine("PTT OFF");
        startReply(m_txHeard);
        m_txHeard.clear();
        break;
    }
}

// Stops sending now. The terminal must never be left keyed: PTT OFF is
// sent at once (unkeyNow) or ahead of the pending answer.
void ModemSim::cancelTransmission(bool unkeyNow)
{
    const bool keyed = m_ptt;
    m_tx = Tx::Off;
    m_txTimer.stop();
    m_txPending = 0;
    m_txHeard.clear();
    if (!keyed)
        return;
    if (unkeyNow) {
        m_ptt = false;
        sendLine("PTT OFF");
    } else {
        m_linkQueue.push_front({"PTT OFF", m_opt.pttDelayMs, false, Link::Idle, true});
    }
}

void ModemSim::startReply(const QByteArray& heard)
{
    switch (m_opt.reply) {
    case SimOptions::Reply::Echo:
        m_reply += heard;
        break;
    case SimOptions::Reply::Text:
        m_reply += m_opt.replyText;
        break;
    case SimOptions::Reply::None:
        break;
    }
    m_replyFresh = !m_reply.isEmpty();
}

bool ModemSim::step()
{
    if (!m_linkQueue.empty()) {
        linkStep();
        return true;
    }
    if (replyHasWork()) {
        replyStep();
        return true;
    }
    if (txHasWork()) {
        txStep();
        return true;
    }
    return false;
}

// ---------------------------------------------------------------- control

QString ModemSim::linkName(Link l)
{
    switch (l) {
    case Link::Idle:
        return QStringLiteral("idle");
    case Link::Calling:
        return QStringLiteral("calling");
    case Link::Connected:
        return QStringLiteral("connected");
    case Link::Disconnecting:
        return QStringLiteral("disconnecting");
    }
    return QString();
}

void ModemSim::printStatus()
{
    logLine(QStringLiteral("# status link=%1 mycall=%2 listen=%3 compression=%4 bw=%5 ptt=%6 "
                           "queued=%7 reply=%8 pending=%9 mode=%10 command=%11 data=%12")
                .arg(linkName(m_link), m_mycall.isEmpty() ? QStringLiteral("-") : m_mycall,
                     m_listen ? QStringLiteral("on") : QStringLiteral("off"),
                     m_compression.isEmpty() ? QStringLiteral("-") : m_compression)
                .arg(m_bandwidth)
                .arg(m_ptt ? QStringLiteral("on") : QStringLiteral("off"))
                .arg(m_txPending)
                .arg(m_reply.size())
                .arg(int(m_linkQueue.size()) + (replyHasWork() || txHasWork() ? 1 : 0))
                .arg(m_stepMode ? QStringLiteral("step") : QStringLiteral("auto"),
                     m_cmd ? QStringLiteral("up") : QStringLiteral("down"),
                     m_data ? QStringLiteral("up") : QStringLiteral("down")));
}

void ModemSim::handleControl(const QString& rawLine)
{
    const QString line = rawLine.trimmed();
    if (line.isEmpty())
        return;
    const int sp = line.indexOf(QLatin1Char(' '));
    const QString word = (sp < 0 ? line : line.left(sp)).toLower();
    const QString rest = sp < 0 ? QString() : line.mid(sp + 1).trimmed();
    // The text after the word exactly as typed: one separating space removed,
    // nothing trimmed, so "say" can send leading and trailing blanks.
    QString text;
    if (sp >= 0) {
        int i = 0;
        while (i < rawLine.size() && rawLine.at(i).isSpace())
            ++i;
        const int sep = rawLine.indexOf(QLatin1Char(' '), i);
        text = rawLine.mid(sep + 1);
    }

    auto which = [&](bool& cmd, bool& data) {
        const QString w = rest.toLower();
        cmd = w.isEmpty() || w == QLatin1String("both") || w == QLatin1String("command");
        data = w.isEmpty() || w == QLatin1String("both") || w == QLatin1String("data");
        if (!cmd && !data)
            logLine(QStringLiteral("# expected command, data or both: ") + rest);
    };

    if (word == QLatin1String("step")) {
        bool ok = true;
        const int n = rest.isEmpty() ? 1 : rest.toInt(&ok);
        if (!ok || n < 1) {
            logLine(QStringLiteral("# step needs a positive count"));
            return;
        }
        for (int i = 0; i < n; ++i) {
            if (!step()) {
                logLine(QStringLiteral("# step: nothing pending"));
                break;
            }
        }
        kick();
    } else if (word == QLatin1String("run")) {
        // Everything pending, now. Every lane ends after finitely many steps.
        int n = 0;
        while (step())
            ++n;
        logLine(QStringLiteral("# run: %1 steps").arg(n));
        kick();
    } else if (word == QLatin1String("manual")) {
        m_stepMode = true;
        stopLanes();
        logLine(QStringLiteral("# step mode"));
    } else if (word == QLatin1String("auto")) {
        m_stepMode = false;
        logLine(QStringLiteral("# automatic mode"));
        kick();
    } else if (word == QLatin1String("callin")) {
        QStringList f = rest.toUpper().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (f.isEmpty()) {
            logLine(QStringLiteral("# callin needs a call sign"));
            return;
        }
        const QString call = f.takeFirst();
        tryCallIn(call, f.mid(0, 2), false);
    } else if (word == QLatin1String("say")) {
        sendData(decodeEscapes(text) + '\r');
    } else if (word == QLatin1String("rawdata")) {
        sendData(decodeEscapes(text));
    } else if (word == QLatin1String("respond")) {
        sendLine(decodeEscapes(text));
    } else if (word == QLatin1String("rawcmd")) {
        const QByteArray b = decodeEscapes(text);
        if (!m_cmd) {
            logLine(QStringLiteral("# not delivered (no command channel): ") + printable(b));
        } else {
            m_cmd->write(b);
            logLine(QStringLiteral("-> (raw) ") + printable(b));
        }
    } else if (word == QLatin1String("disconnect")) {
        if (m_link == Link::Idle && m_linkQueue.empty()) {
            logLine(QStringLiteral("# disconnect: no radio connection"));
            return;
        }
        remoteDisconnect(true);
    } else if (word == QLatin1String("drop")) {
        bool c = false, d = false;
        which(c, d);
        if (d)
            closeChannel(Channel::Data);
        if (c)
            closeChannel(Channel::Command);
    } else if (word == QLatin1String("refuse")) {
        bool c = false, d = false;
        which(c, d);
        if (c && m_cmdServer.isListening()) {
            m_cmdServer.close();
            logLine(QStringLiteral("# command port closed to new connections"));
        }
        if (d && m_dataServer.isListening()) {
            m_dataServer.close();
            logLine(QStringLiteral("# data port closed to new connections"));
        }
    } else if (word == QLatin1String("accept")) {
        bool c = false, d = false;
        which(c, d);
        QString err;
        for (Channel ch : {Channel::Command, Channel::Data}) {
            if ((ch == Channel::Command ? c : d) && !startServer(ch, &err))
                logLine(QStringLiteral("# error: ") + err);
        }
        logLine(QStringLiteral("# accepting: command %1, data %2")
                    .arg(m_cmdServer.isListening() ? QStringLiteral("yes") : QStringLiteral("no"),
                         m_dataServer.isListening() ? QStringLiteral("yes") : QStringLiteral("no")));
    } else if (word == QLatin1String("reply")) {
        if (rest.compare(QLatin1String("echo"), Qt::CaseInsensitive) == 0) {
            m_opt.reply = SimOptions::Reply::Echo;
        } else if (rest.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0) {
            m_opt.reply = SimOptions::Reply::None;
        } else if (rest.startsWith(QLatin1String("text:"), Qt::CaseInsensitive)) {
            m_opt.reply = SimOptions::Reply::Text;
            m_opt.replyText = decodeEscapes(text.mid(text.indexOf(QLatin1Char(':')) + 1)) + '\r';
        } else {
            logLine(QStringLiteral("# reply needs echo, none or text:TEXT"));
            return;
        }
        logLine(QStringLiteral("# reply set"));
    } else if (word == QLatin1String("unreachable")) {
        m_opt.unreachable.clear();
        for (const QString& c : rest.toUpper().split(QRegularExpression(QStringLiteral("[, ]")), Qt::SkipEmptyParts))
            m_opt.unreachable << c;
        logLine(QStringLiteral("# unreachable: ") + m_opt.unreachable.join(QLatin1Char(',')));
    } else if (word == QLatin1String("status")) {
        printStatus();
    } else if (word == QLatin1String("quit") || word == QLatin1String("exit")) {
        logLine(QStringLiteral("# quit requested"));
        emit quitRequested();
    } else {
        logLine(QStringLiteral("# unknown control line: ") + line);
    }
}
