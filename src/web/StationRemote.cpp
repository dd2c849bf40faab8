#include "StationRemote.h"

#include "RemoteServer.h"
#include "Station.h"
#include "ptt/PttKeyer.h"
#include "terminal/RxFeed.h"
#include "terminal/SpeakerColours.h"

#include <QCoreApplication>
#include <QDir>

namespace {

RemoteChunk::Kind KindOf(Speaker speaker)
{
    switch (speaker) {
    case Speaker::Remote:
        return RemoteChunk::Kind::Received;
    case Speaker::Banner:
        return RemoteChunk::Kind::Event;
    case Speaker::Own:
    case Speaker::Pending:
    case Speaker::Queued:
        break;
    }
    return RemoteChunk::Kind::Own;
}

RemoteChunk ChunkOf(const QString& text, Speaker speaker, const Settings& s)
{
    const SchemeColours colours =
        ColoursOf(s.colour == QLatin1String("White") ? ColourScheme::White : ColourScheme::Black);
    return {text, KindOf(speaker), s.speakerColours ? colours.of(speaker) : colours.text};
}

} // namespace

StationRemote::StationRemote(Station& station, QObject* parent)
    : RemoteStation(parent)
    , m_station(station)
    , m_feed(std::make_unique<RxFeed>(station.rx))
{
    connect(m_feed.get(), &RxFeed::appended, this,
            [this](const QString& text, Speaker speaker) { emit rxAppended(ChunkOf(text, speaker, m_station.s())); });
    connect(m_feed.get(), &RxFeed::cleared, this, &RemoteStation::rxCleared);

    Terminal& t = station.terminal;
    connect(&t, &Terminal::callStarted, this, [this](const QString& other, bool, const QStringList&) {
        m_connection = RemoteConnection::Calling;
        m_connectionText = tr("Calling %1").arg(other);
        statusMayHaveChanged();
    });
    connect(&t, &Terminal::connectionChanged, this, [this](const ConnectionInfo& info) {
        if (info.phase == ConnectionPhase::Connected) {
            m_connection = info.stopping ? RemoteConnection::Disconnecting : RemoteConnection::Connected;
            m_connectionText = info.callChain;
        } else {
            m_connection = RemoteConnection::Idle;
            m_connectionText.clear();
            m_bytesSent = m_bytesReceived = 0;
        }
        statusMayHaveChanged();
    });
    connect(&t, &Terminal::sendStarted, this, [this] {
        m_textQueued = true;
        statusMayHaveChanged();
    });
    connect(&t, &Terminal::sendProgress, this, [this](qint64 sent, qint64) {
        m_bytesSent = sent;
        statusMayHaveChanged();
    });
    connect(&t, &Terminal::sendFinished, this, [this] {
        m_textQueued = false;
        statusMayHaveChanged();
    });
    connect(&t, &Terminal::received, this, [this](qint64 total) {
        m_bytesReceived = total;
        statusMayHaveChanged();
    });
    connect(&station.link, &ModemLink::linkedUp, this, &StationRemote::statusMayHaveChanged);
    connect(&station.link, &ModemLink::linkDown, this, &StationRemote::statusMayHaveChanged);
    connect(&station.keying.keyer(), &PttKeyer::keyingChanged, this, [this](KeyingState state, KeyingReason) {
        m_ptt = state == KeyingState::Transmitting;
        statusMayHaveChanged();
    });
    connect(&station, &Station::modeShown, this, &StationRemote::statusMayHaveChanged);

    connect(&station, &Station::controlChanged, this, [this] {
        // A browser answers the QSO questions only while it is in control.
        const bool browser = browserInControl();
        if (browser != m_answering) {
            m_answering = browser;
            if (browser)
                m_station.attachAnswerer();
            else
                m_station.detachAnswerer();
        }
        if (!browser)
            settleAll();
        emit controlChanged(controller());
    });
    connect(&station, &Station::qsoToLog, this, [this](const QsoRecord& qso) {
        if (!browserInControl())
            return;
        const quint64 id = m_nextQso++;
        m_questions.insert(id, qso);
        emit qsoQuestion({id, qso.call, tr("Log the QSO with %1?").arg(qso.call)});
    });
    connect(&station, &Station::requestsWithdrawn, this, &StationRemote::settleAll);
}

StationRemote::~StationRemote()
{
    if (m_answering)
        m_station.detachAnswerer();
}

bool StationRemote::browserInControl() const
{
    return m_station.control() == ControlSide::Browser;
}

RemoteStatus StationRemote::status() const
{
    RemoteStatus st;
    const ModemLink& link = m_station.link;
    st.lamp = link.bothConnected() ? LinkLamp::Up : link.commandConnected() ? LinkLamp::Waiting : LinkLamp::Down;
    st.connection = m_connection;
    st.connectionText = m_connectionText;
    st.ptt = m_ptt;
    st.bytesSent = m_bytesSent;
    st.bytesReceived = m_bytesReceived;
    st.textQueued = m_textQueued;
    st.mode = m_station.s().keldoMode.value();
    for (const Macro& m : m_station.s().macros)
        st.macroLabels << m.label;
    return st;
}

void StationRemote::statusMayHaveChanged()
{
    emit statusChanged(status());
}

RemoteSnapshot StationRemote::snapshot() const
{
    RemoteSnapshot snap;
    const RxTextModel& rx = m_station.rx;
    qsizetype at = 0;
    for (const RxTextModel::Run& run : rx.runs()) {
        snap.chunks << ChunkOf(rx.text().mid(at, run.length), run.speaker, m_station.s());
        at += run.length;
    }
    snap.status = status();
    if (!m_questions.isEmpty()) {
        const auto first = m_questions.constBegin();
        snap.pendingQso = QsoQuestion{first.key(), first->call, tr("Log the QSO with %1?").arg(first->call)};
    }
    snap.controller = controller();
    return snap;
}

ControllerId StationRemote::controller() const
{
    ControllerId id;
    switch (m_station.control()) {
    case ControlSide::Desktop:
        id.kind = ControllerId::Kind::Desktop;
        break;
    case ControlSide::Console:
        id.kind = ControllerId::Kind::Console;
        break;
    case ControlSide::Browser:
        id.kind = ControllerId::Kind::Browser;
        id.browser = m_station.controllerName();
        break;
    }
    return id;
}

// The server calls the commands only for the browser in control; the
// station checks once more, since control may have just moved.
void StationRemote::sendText(const QString& text)
{
    if (browserInControl())
        m_station.sendText(text);
}

void StationRemote::connectTo(const QString& call, const QString& via1, const QString& via2)
{
    if (browserInControl())
        m_station.connectTo(call, via1, via2);
}

void StationRemote::stop()
{
    // ABORT; the text still queued stays with the terminal.
    if (browserInControl())
        m_station.stop();
}

void StationRemote::clear()
{
    if (browserInControl())
        m_station.clear();
}

void StationRemote::sendMacro(int n)
{
    // One that does not end in <SEND> has no TX text to go to on the page: it is not sent.
    if (browserInControl())
        m_station.runMacro(n - 1, this, [this](const ExpandedMacro& m) {
            if (m.send && !m.text.isEmpty() && browserInControl())
                m_station.sendText(m.text);
        });
}

void StationRemote::answerQso(quint64 id, bool log)
{
    const auto it = m_questions.find(id);
    if (it == m_questions.end() || !browserInControl())
        return;
    const QsoRecord qso = *it;
    m_questions.erase(it);
    if (log)
        m_station.logQso(qso);
    emit qsoSettled(id);
}

void StationRemote::settleAll()
{
    // Never dropped: what no browser answered goes into the logbook.
    const QMap<quint64, QsoRecord> questions = std::exchange(m_questions, {});
    for (auto it = questions.begin(); it != questions.end(); ++it) {
        m_station.logQso(*it);
        emit qsoSettled(it.key());
    }
}

void StationRemote::takeControl(const ControllerId& who)
{
    switch (who.kind) {
    case ControllerId::Kind::Desktop:
        m_station.takeControl(ControlSide::Desktop);
        break;
    case ControllerId::Kind::Console:
        m_station.takeControl(ControlSide::Console);
        break;
    case ControllerId::Kind::Browser:
        m_station.takeControl(ControlSide::Browser, who.browser);
        break;
    }
}

void StationRemote::controlLinkLost(const ControllerId& who)
{
    m_station.controlLinkLost(who.browser);
}

std::unique_ptr<QObject> AttachWebFrontEnd(Station& station)
{
    auto owner = std::make_unique<QObject>();
    auto* remote = new StationRemote(station, owner.get());
    const QString log = QDir(station.logFolder()).filePath(QStringLiteral("remote.log"));
    auto* server = new RemoteServer(*remote, &station.files, log, owner.get());
    const auto tell = [&station, server](RemoteServer::State state, const QString& reason) {
        RemoteAccessState access = station.remoteAccess();
        access.listening = state == RemoteServer::State::Listening;
        access.reason = reason;
        access.fingerprint = access.listening ? server->fingerprint() : QString();
        station.setRemoteAccess(access);
    };
    QObject::connect(server, &RemoteServer::stateChanged, server, tell);
    const auto restart = [server, &station] {
        server->stopServing();
        // Control comes home with them.
        if (station.control() == ControlSide::Browser)
            station.takeControl(station.localSide());
        server->start(station.settings.filePath());
    };
    QObject::connect(&station, &Station::remoteDisconnectRequested, server, restart);
    // New settings: served from now on (the browsers log in again).
    QObject::connect(&station, &Station::remoteSettingsChanged, server, restart);
    server->start(station.settings.filePath());
    tell(server->state(), server->reason());
    return owner;
}
