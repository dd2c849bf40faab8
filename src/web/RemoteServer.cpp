#include "RemoteServer.h"

#include "PageTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkCookie>
#include <QPointer>
#include <QRandomGenerator>
#include <QSslConfiguration>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QUrlQuery>
#include <QWebSocket>

#include <utility>

namespace {

const QByteArray CookieName = "keldo_session";
constexpr int FailuresAllowed = 5;
constexpr qint64 FailureWindowMs = 60000;
constexpr qint64 MaxThrottleWaitMs = 24LL * 3600 * 1000;
constexpr int MaxThrottled = 4096;
constexpr int MaxPasswordLength = 1024;
constexpr int MaxCallLength = 20;
constexpr int HandshakeTimeoutMs = 5000;
// Closed for now, not for good: the page opens again by itself.
const auto TryLaterCode = QWebSocketProtocol::CloseCode(4000);

QByteArray RandomHex(int bytes)
{
    QByteArray raw(bytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(reinterpret_cast<quint32*>(raw.data()),
                                         reinterpret_cast<quint32*>(raw.data() + raw.size()));
    return raw.toHex();
}

const char* KindName(RemoteChunk::Kind kind)
{
    switch (kind) {
    case RemoteChunk::Kind::Own:
        return "own";
    case RemoteChunk::Kind::Event:
        return "event";
    case RemoteChunk::Kind::Received:
        break;
    }
    return "rx";
}

QJsonObject ChunkJson(qint64 seq, const RemoteChunk& chunk)
{
    return {{"s", seq},
            {"x", chunk.text},
            {"k", QLatin1String(KindName(chunk.kind))},
            {"c", QStringLiteral("#%1").arg(chunk.colour & 0xffffff, 6, 16, QLatin1Char('0'))}};
}

QJsonObject StatusJson(const RemoteStatus& s)
{
    static const char* const lamps[] = {"down", "waiting", "up"};
    static const char* const connections[] = {"idle", "calling", "connected", "disconnecting"};
    static const char* const modes[] = {"HF", "FM", "SAT", "Other"};
    QJsonArray macros;
    for (int i = 0; i < 12; ++i)
        macros.append(s.macroLabels.value(i));
    return {{"lamp", QLatin1String(lamps[int(s.lamp)])},
            {"connection", QLatin1String(connections[int(s.connection)])},
            {"text", s.connectionText},
            {"ptt", s.ptt},
            {"sent", s.bytesSent},
            {"rcvd", s.bytesReceived},
            {"queued", s.textQueued},
            {"mode", QLatin1String(modes[int(s.mode)])},
            {"macros", macros}};
}

QJsonValue QsoJson(const std::optional<QsoQuestion>& q)
{
    if (!q)
        return QJsonValue::Null;
    return QJsonObject{{"id", QString::number(q->id)}, {"call", q->call}, {"text", q->text}};
}

// Anything the watchdog would have to stop.
bool NeedsWatching(const RemoteStatus& s)
{
    return s.connection == RemoteConnection::Calling || s.connection == RemoteConnection::Connected || s.textQueued;
}

void SecurityHeaders(QHttpServerResponse& response)
{
    response.setHeader("Content-Security-Policy",
                       "default-src 'self'; script-src 'self'; style-src 'self'; img-src 'self'; "
                       "connect-src 'self'; object-src 'none'; base-uri 'none'; form-action 'self'; "
                       "frame-ancestors 'none'");
    response.setHeader("X-Content-Type-Options", "nosniff");
    response.setHeader("Referrer-Policy", "no-referrer");
    response.setHeader("X-Frame-Options", "DENY");
    response.setHeader("Cache-Control", "no-store");
}

// Failed logins are counted per address; an IPv6 network hands its hosts a
// /64 each, so that is one address here.
QString ThrottleKey(const QHostAddress& address)
{
    bool v4 = false;
    const quint32 ip4 = address.toIPv4Address(&v4);
    if (v4)
        return QHostAddress(ip4).toString();
    Q_IPV6ADDR ip6 = address.toIPv6Address();
    for (int i = 8; i < 16; ++i)
        ip6[i] = 0;
    return QHostAddress(ip6).toString() + QLatin1String("/64");
}

QHttpServerResponse Status(QHttpServerResponse::StatusCode code)
{
    return QHttpServerResponse("text/plain; charset=utf-8", QByteArray(), code);
}

// Only names that stand for nothing but themselves.
bool CleanPath(const QHttpServerRequest& request)
{
    const QByteArray raw = request.url().toEncoded(QUrl::RemoveQuery);
    const QString path = request.url().path();
    return !raw.contains("..") && !raw.toLower().contains("%2e") && !raw.contains('\\')
        && !path.contains(QLatin1String("..")) && !path.contains(QLatin1String("//"));
}

// The TLS connection under a WebSocket the server took over.
QSslSocket* WireOf(const QObject& http, const QWebSocket& socket)
{
    for (QSslSocket* wire : http.findChildren<QSslSocket*>())
        if (wire->peerPort() == socket.peerPort() && wire->localPort() == socket.localPort()
            && wire->peerAddress() == socket.peerAddress())
            return wire;
    return nullptr;
}

} // namespace

RemoteServer::RemoteServer(RemoteStation& station, FileWriter* files, const QString& logPath, Options options,
                           QObject* parent)
    : QObject(parent)
    , m_station(station)
    , m_options(options)
    , m_clock(options.clock ? options.clock : &m_systemClock)
    , m_log(files, logPath, *m_clock)
{
    m_ping.setInterval(m_options.pingIntervalMs);
    connect(&m_ping, &QTimer::timeout, this, &RemoteServer::tick);

    connect(&m_station, &RemoteStation::rxAppended, this, [this](const RemoteChunk& chunk) {
        keep(chunk);
        const QJsonObject message{{"t", "chunk"}, {"chunk", ChunkJson(m_seq, chunk)}};
        broadcast(message);
    });
    connect(&m_station, &RemoteStation::rxCleared, this, [this] {
        m_history.clear();
        m_historyBytes = 0;
        m_clearSeq = ++m_seq;
        broadcast({{"t", "cleared"}, {"s", m_seq}});
    });
    connect(&m_station, &RemoteStation::statusChanged, this, [this](const RemoteStatus& status) {
        m_status = status;
        broadcast({{"t", "status"}, {"status", StatusJson(status)}});
    });
    connect(&m_station, &RemoteStation::qsoQuestion, this, [this](const QsoQuestion& question) {
        m_pendingQso = question;
        broadcast({{"t", "qso"}, {"qso", QsoJson(question)}});
    });
    connect(&m_station, &RemoteStation::qsoSettled, this, [this](quint64 id) {
        if (m_pendingQso && m_pendingQso->id == id)
            m_pendingQso.reset();
        broadcast({{"t", "qso"}, {"qso", QJsonValue::Null}});
    });
    connect(&m_station, &RemoteStation::controlChanged, this, [this](const ControllerId& who) {
        // The log is in English whatever the operator reads.
        static const char* const kinds[] = {"desktop", "console", "browser"};
        const auto it = m_clients.find(who.browser);
        m_log.write(it == m_clients.end() ? QHostAddress() : it->second.address,
                    QStringLiteral("in control: %1 %2").arg(QLatin1String(kinds[int(who.kind)]), who.browser));
        for (auto& [id, client] : m_clients)
            if (client.greeted)
                sendTo(client, controlMessage(client));
    });
}

RemoteServer::RemoteServer(RemoteStation& station, FileWriter* files, const QString& logPath, QObject* parent)
    : RemoteServer(station, files, logPath, Options(), parent)
{ }

RemoteServer::~RemoteServer()
{
    stopServing();
}

void RemoteServer::setState(State state, const QString& reason)
{
    m_state = state;
    m_reason = reason;
    emit stateChanged(state, reason);
}

bool RemoteServer::start(const QString& settingsFile)
{
    const RemoteSettings settings = RemoteSettings::load(settingsFile);
    // Nothing is made for a server that will not listen, and TLS is not even
    // loaded: a station that serves no browser does not pay for it at start-up.
    if (!mayServe(settings))
        return false;
    if (!settings.certificate.isEmpty() && !settings.key.isEmpty())
        return serve(settings, LoadIdentity(settings.certificate, settings.key));
    const QString folder = QFileInfo(settingsFile).absolutePath();
    if (const std::optional<ServerIdentity> made = MadeSelfSignedIdentity(folder))
        return serve(settings, *made);
    // openssl may take seconds: the caller's thread (the window's) goes on.
    m_maker = new SelfSignedMaker(folder, m_options.certificateWaitMs, this);
    connect(m_maker, &SelfSignedMaker::done, this, [this, settings](const ServerIdentity& identity) {
        std::exchange(m_maker, nullptr)->deleteLater();
        serve(settings, identity);
    });
    m_log.write(QStringLiteral("making the certificate in %1").arg(folder));
    setState(State::Starting, tr("Making the certificate..."));
    m_maker->start();
    return false;
}

bool RemoteServer::start(const RemoteSettings& settings, const ServerIdentity& identity)
{
    return mayServe(settings) && serve(settings, identity);
}

bool RemoteServer::mayServe(const RemoteSettings& settings)
{
    stopServing();
    m_settings = settings;
    const QString where = QStringLiteral("%1:%2").arg(settings.listenAddress).arg(settings.port);
    if (!settings.enabled) {
        setState(State::Off, tr("Remote operation is off."));
        return false;
    }
    if (settings.passwordHash.isEmpty()) {
        m_log.write(QStringLiteral("not serving on %1: no password set").arg(where));
        setState(State::Refused,
                 tr("Remote operation needs a password: set one with keldo-terminal --set-remote-password."));
        return false;
    }
    if (!PasswordHash::usable(settings.passwordHash)) {
        m_log.write(QStringLiteral("not serving on %1: the password hash is not usable").arg(where));
        setState(State::Refused,
                 tr("The stored remote password cannot be used: set it again with "
                    "keldo-terminal --set-remote-password."));
        return false;
    }
    return true;
}

bool RemoteServer::serve(const RemoteSettings& settings, const ServerIdentity& identity)
{
    const QString where = QStringLiteral("%1:%2").arg(settings.listenAddress).arg(settings.port);
    if (!identity.ok()) {
        m_log.write(QStringLiteral("not serving on %1: no certificate").arg(where));
        setState(State::Refused, identity.error);
        return false;
    }
    const QHostAddress address(settings.listenAddress);
    if (address.isNull()) {
        m_log.write(QStringLiteral("not serving: bad listen address"));
        setState(State::Refused, tr("The listen address %1 is not an address.").arg(settings.listenAddress));
        return false;
    }

    m_http = std::make_unique<QHttpServer>(this);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(identity.certificate);
    tls.setPrivateKey(identity.key);
    tls.setProtocol(QSsl::TlsV1_2OrLater);
    tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    m_http->sslSetup(tls);
    setUpRoutes();
    connect(m_http.get(), &QHttpServer::newWebSocketConnection, this, &RemoteServer::acceptSockets);
    m_port = m_http->listen(address, quint16(settings.port));
    if (m_port == 0) {
        m_http.reset();
        m_log.write(QStringLiteral("not serving on %1: cannot listen").arg(where));
        setState(State::Refused, tr("Cannot listen on %1 (in use, or not this machine's).").arg(where));
        return false;
    }
    // A connection that never finishes its handshake is let go.
    for (QTcpServer* server : m_http->servers())
        if (auto* tlsServer = qobject_cast<QSslServer*>(server))
            tlsServer->setHandshakeTimeout(HandshakeTimeoutMs);
    m_fingerprint = identity.fingerprint();
    m_epoch = QString::fromLatin1(RandomHex(8));
    const RemoteSnapshot snap = m_station.snapshot();
    m_history.clear();
    m_historyBytes = 0;
    m_seq = m_clearSeq = 0;
    for (const RemoteChunk& chunk : snap.chunks)
        keep(chunk);
    m_status = snap.status;
    m_pendingQso = snap.pendingQso;
    m_ping.start();
    // The desktop shows no console line: the log is where its operator reads the fingerprint.
    m_log.write(QStringLiteral("serving on %1:%2, certificate SHA-256 %3")
                    .arg(settings.listenAddress)
                    .arg(m_port)
                    .arg(m_fingerprint));
    setState(State::Listening,
             tr("Serving on https://%1:%2/ (certificate SHA-256 %3).")
                 .arg(address.protocol() == QAbstractSocket::IPv6Protocol
                          ? QStringLiteral("[%1]").arg(settings.listenAddress)
                          : settings.listenAddress)
                 .arg(m_port)
                 .arg(m_fingerprint));
    return true;
}

void RemoteServer::stopServing()
{
    if (m_maker) {
        // Ends openssl; what it was making is made again next time.
        delete std::exchange(m_maker, nullptr);
        setState(State::Off, tr("Remote operation is off."));
    }
    m_ping.stop();
    m_brokenController.reset();
    auto clients = std::move(m_clients);
    m_clients.clear();
    for (auto& [id, client] : clients) {
        client.socket->disconnect(this);
        if (client.wire)
            client.wire->disconnect(this);
        client.socket->abort();
        client.socket->deleteLater();
    }
    m_sessions.clear();
    if (m_http) {
        m_http.reset();
        m_port = 0;
        m_log.write(QStringLiteral("stopped serving"));
        setState(State::Off, tr("Remote operation is off."));
    }
}

void RemoteServer::keep(const RemoteChunk& chunk)
{
    m_history.push_back({++m_seq, chunk});
    m_historyBytes += chunk.text.size() * 2 + 64;
    while (m_historyBytes > m_options.maxHistoryBytes && m_history.size() > 1) {
        m_historyBytes -= m_history.front().chunk.text.size() * 2 + 64;
        m_history.pop_front();
    }
}

// ---- HTTP ----

void RemoteServer::setUpRoutes()
{
    using Method = QHttpServerRequest::Method;
    using Code = QHttpServerResponse::StatusCode;
    QHttpServer& http = *m_http;

    http.route("/", Method::Get, [this](const QHttpServerRequest& request) {
        if (!sessionOf(request).isEmpty())
            return redirect("/station");
        return page(QStringLiteral("login.html"));
    });
    http.route("/style.css", Method::Get, [this](const QHttpServerRequest& request) {
        if (!CleanPath(request))
            return Status(Code::NotFound);
        return page(QStringLiteral("style.css"));
    });
    http.route("/station", Method::Get, [this](const QHttpServerRequest& request) {
        if (!CleanPath(request))
            return Status(Code::NotFound);
        if (sessionOf(request).isEmpty())
            return redirect("/");
        return page(QStringLiteral("station.html"));
    });
    http.route("/station.js", Method::Get, [this](const QHttpServerRequest& request) {
        if (!CleanPath(request))
            return Status(Code::NotFound);
        if (sessionOf(request).isEmpty())
            return Status(Code::Unauthorized);
        return page(QStringLiteral("station.js"));
    });
    http.route("/api/status", Method::Get, [this](const QHttpServerRequest& request) {
        if (!CleanPath(request))
            return Status(Code::NotFound);
        if (sessionOf(request).isEmpty())
            return Status(Code::Unauthorized);
        return QHttpServerResponse(
            QJsonObject{{"status", StatusJson(m_status)}, {"controller", controllerLabel(m_station.controller())}});
    });
    // Matching here lets the upgrade go on; the socket is checked before
    // anything is said on it (acceptSockets).
    http.route("/ws", Method::Get, [](const QHttpServerRequest&, QHttpServerResponder&&) {});
    // A reload after a failed login.
    http.route("/login", Method::Get, [this](const QHttpServerRequest&) { return redirect("/"); });
    http.route("/login", Method::Post, [this](const QHttpServerRequest& request) { return handleLogin(request); });
    http.route("/logout", Method::Post, [this](const QHttpServerRequest& request) { return handleLogout(request); });
    http.afterRequest([](QHttpServerResponse&& response) {
        SecurityHeaders(response);
        return std::move(response);
    });
    http.setMissingHandler([](const QHttpServerRequest&, QHttpServerResponder&& responder) {
        QHttpServerResponse response = Status(Code::NotFound);
        SecurityHeaders(response);
        response.write(std::move(responder));
    });
}

QHttpServerResponse RemoteServer::page(const QString& name, const QString& error) const
{
    QFile file(QStringLiteral(":/keldo/web/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return Status(QHttpServerResponse::StatusCode::NotFound);
    const QByteArray bytes = file.readAll();
    QByteArray type = "text/html; charset=utf-8";
    if (name.endsWith(QLatin1String(".css")))
        type = "text/css; charset=utf-8";
    else if (name.endsWith(QLatin1String(".js")))
        type = "text/javascript; charset=utf-8";
    else
        return QHttpServerResponse(type, FillPage(bytes, error),
                                   error.isEmpty() ? QHttpServerResponse::StatusCode::Ok
                                                   : QHttpServerResponse::StatusCode::Unauthorized);
    return QHttpServerResponse(type, bytes);
}

QHttpServerResponse RemoteServer::redirect(const QByteArray& to) const
{
    QHttpServerResponse response = Status(QHttpServerResponse::StatusCode::SeeOther);
    response.setHeader("Location", to);
    return response;
}

bool RemoteServer::originMatches(const QByteArray& origin, const QByteArray& host) const
{
    return !host.isEmpty() && origin == "https://" + host;
}

QByteArray RemoteServer::sessionOfCookies(const QByteArray& cookieHeader)
{
    QByteArray token;
    for (const QByteArray& piece : cookieHeader.split(';')) {
        for (const QNetworkCookie& cookie : QNetworkCookie::parseCookies(piece.trimmed()))
            if (cookie.name() == CookieName)
                token = cookie.value();
    }
    return sessionAlive(token) ? token : QByteArray();
}

bool RemoteServer::sessionAlive(const QByteArray& token)
{
    const auto it = m_sessions.find(token);
    if (token.isEmpty() || it == m_sessions.end())
        return false;
    if (it->lastUsed.msecsTo(now()) >= qint64(m_settings.sessionMinutes) * 60000) {
        m_log.write(it->address, QStringLiteral("session ended: idle"));
        m_sessions.erase(it);
        return false;
    }
    return true;
}

QByteArray RemoteServer::sessionOf(const QHttpServerRequest& request)
{
    const QByteArray token = sessionOfCookies(request.value("Cookie"));
    if (!token.isEmpty())
        m_sessions[token].lastUsed = now();
    return token;
}

QHttpServerResponse RemoteServer::handleLogin(const QHttpServerRequest& request)
{
    const QHostAddress from = request.remoteAddress();
    const QString key = ThrottleKey(from);
    if (!originMatches(request.value("Origin"), request.value("Host"))) {
        m_log.write(from, QStringLiteral("login refused: foreign origin"));
        return Status(QHttpServerResponse::StatusCode::Forbidden);
    }
    const QDateTime t = now();
    Throttle& throttle = m_throttles[key];
    if (throttle.blockedUntil.isValid() && t < throttle.blockedUntil) {
        const qint64 seconds = (t.msecsTo(throttle.blockedUntil) + 999) / 1000;
        m_log.write(from, QStringLiteral("login throttled: %1 s to wait").arg(seconds));
        QHttpServerResponse response = Status(QHttpServerResponse::StatusCode::TooManyRequests);
        response.setHeader("Retry-After", QByteArray::number(seconds));
        return response;
    }
    // Forms send a blank as '+' (and a '+' as %2B); QUrlQuery keeps '+'.
    QByteArray body = request.body().left(MaxPasswordLength * 4);
    body.replace('+', ' ');
    const QString password =
        QUrlQuery(QString::fromUtf8(body)).queryItemValue(QStringLiteral("password"), QUrl::FullyDecoded);
    if (password.size() <= MaxPasswordLength && PasswordHash::verify(password, m_settings.passwordHash)) {
        throttle.failures.clear();
        throttle.nextWaitMs = 0;
        if (!m_sessions.isEmpty() && m_sessions.size() >= m_options.maxSessions) {
            // The longest idle makes way: whoever holds the password is
            // never shut out by sessions left open. Its pages go at the
            // next round.
            auto oldest = m_sessions.begin();
            for (auto it = m_sessions.begin(); it != m_sessions.end(); ++it)
                if (it->lastUsed < oldest->lastUsed)
                    oldest = it;
            m_log.write(oldest->address, QStringLiteral("session ended: made way for a new login"));
            m_sessions.erase(oldest);
        }
        const QByteArray token = RandomHex(32);
        m_sessions.insert(token, {t, from});
        m_log.write(from, QStringLiteral("login"));
        QHttpServerResponse response = redirect("/station");
        response.setHeader("Set-Cookie", CookieName + '=' + token + "; HttpOnly; Secure; SameSite=Strict; Path=/");
        return response;
    }
    while (!throttle.failures.empty() && throttle.failures.front().msecsTo(t) >= FailureWindowMs)
        throttle.failures.pop_front();
    throttle.failures.push_back(t);
    m_log.write(from, QStringLiteral("login failed"));
    if (int(throttle.failures.size()) >= FailuresAllowed) {
        const qint64 wait = throttle.nextWaitMs > 0 ? throttle.nextWaitMs : m_options.throttleWaitMs;
        throttle.blockedUntil = t.addMSecs(wait);
        throttle.nextWaitMs = qMin(wait * 2, MaxThrottleWaitMs);
        throttle.failures.clear();
        m_log.write(from,
                    QStringLiteral("throttled for %1 s after %2 failed logins").arg(wait / 1000).arg(FailuresAllowed));
    }
    if (m_throttles.size() > MaxThrottled) {
        // Forget addresses that are neither waiting nor failing lately.
        for (auto it = m_throttles.begin(); it != m_throttles.end();)
            it = (!it->blockedUntil.isValid() || it->blockedUntil < t) && it->failures.empty() ? m_throttles.erase(it)
                                                                                               : std::next(it);
    }
    return page(QStringLiteral("login.html"), tr("Wrong password."));
}

QHttpServerResponse RemoteServer::handleLogout(const QHttpServerRequest& request)
{
    if (!originMatches(request.value("Origin"), request.value("Host")))
        return Status(QHttpServerResponse::StatusCode::Forbidden);
    const QByteArray token = sessionOf(request);
    if (!token.isEmpty()) {
        m_log.write(request.remoteAddress(), QStringLiteral("logout"));
        m_sessions.remove(token);
        std::vector<QString> gone;
        for (auto& [id, client] : m_clients)
            if (client.session == token)
                gone.push_back(id);
        for (const QString& id : gone)
            dropClient(id, QStringLiteral("logged out"), QWebSocketProtocol::CloseCodePolicyViolated);
    }
    QHttpServerResponse response = redirect("/");
    response.setHeader("Set-Cookie", CookieName + "=; Max-Age=0; HttpOnly; Secure; SameSite=Strict; Path=/");
    return response;
}

// ---- WebSocket ----

void RemoteServer::acceptSockets()
{
    while (m_http && m_http->hasPendingWebSocketConnections()) {
        QWebSocket* socket = m_http->nextPendingWebSocketConnection().release();
        socket->setParent(this);
        const QNetworkRequest request = socket->request();
        const QHostAddress from = socket->peerAddress();
        QString refusal;
        QByteArray token;
        bool full = false;
        if (socket->requestUrl().path() != QLatin1String("/ws"))
            refusal = QStringLiteral("not found");
        else if (!originMatches(socket->origin().toUtf8(), request.rawHeader("Host")))
            refusal = QStringLiteral("foreign origin");
        else if ((token = sessionOfCookies(request.rawHeader("Cookie"))).isEmpty())
            refusal = QStringLiteral("no session");
        else if ((full = int(m_clients.size()) >= m_options.maxClients))
            refusal = QStringLiteral("too many clients");
        if (!refusal.isEmpty()) {
            m_log.write(from, QStringLiteral("websocket refused: %1").arg(refusal));
            // Full: the page tries again later rather than going back to
            // the login page.
            socket->close(full ? TryLaterCode : QWebSocketProtocol::CloseCodePolicyViolated, refusal);
            connect(socket, &QWebSocket::disconnected, socket, &QObject::deleteLater);
            QTimer::singleShot(5000, socket, &QObject::deleteLater);
            continue;
        }
        m_sessions[token].lastUsed = now();
        const QString id = QString::fromLatin1(RandomHex(6));
        socket->setMaxAllowedIncomingMessageSize(quint64(m_options.maxMessageBytes));
        socket->setMaxAllowedIncomingFrameSize(quint64(m_options.maxMessageBytes));
        Client& client = m_clients[id];
        client.socket = socket;
        client.id = id;
        client.session = token;
        client.address = from;
        client.lastHeard = now();
        client.wire = WireOf(*m_http, *socket);
        connect(socket, &QWebSocket::textMessageReceived, this, [this, id](const QString& text) {
            const auto it = m_clients.find(id);
            if (it != m_clients.end())
                handleMessage(it->second, text);
        });
        const auto caughtUp = [this, id] {
            const auto it = m_clients.find(id);
            if (it != m_clients.end() && it->second.behind && queued(it->second) == 0) {
                it->second.behind = false;
                sendScreen(it->second, it->second.lastSeq, m_epoch);
            }
        };
        connect(socket, &QWebSocket::bytesWritten, this, caughtUp);
        if (client.wire)
            connect(client.wire, &QSslSocket::encryptedBytesWritten, this, caughtUp);
        // Queued: a socket failing while the clients are gone through must
        // not leave them.
        connect(
            socket, &QWebSocket::disconnected, this,
            [this, id, socket = QPointer<QWebSocket>(socket)] {
                // A page closed or left says so (going away); a browser killed,
                // or a connection reset, only breaks: that waits out the time-out.
                if (socket && socket->closeCode() == QWebSocketProtocol::CloseCodeGoingAway)
                    clientGone(id, QStringLiteral("page closed"));
                else
                    clientGone(id, QStringLiteral("connection broken"), true);
                if (socket)
                    socket->deleteLater();
            },
            Qt::QueuedConnection);
        m_log.write(from, QStringLiteral("websocket opened (%1)").arg(id));
    }
}

void RemoteServer::clientGone(const QString& id, const QString& why, bool waitOut)
{
    const auto it = m_clients.find(id);
    if (it == m_clients.end())
        return;
    Client client = it->second;
    m_clients.erase(it);
    client.socket->disconnect(this);
    if (client.wire)
        client.wire->disconnect(this);
    if (m_station.controller() != ControllerId{ControllerId::Kind::Browser, id})
        return;
    if (waitOut && NeedsWatching(m_status)) {
        m_log.write(client.address,
                    QStringLiteral("control link broken (%1): stopping unless heard from within %2 s")
                        .arg(id)
                        .arg(m_settings.controlLinkTimeout));
        client.socket = nullptr;
        m_brokenController = client;
        return;
    }
    controlLost(client, why);
}

void RemoteServer::controlLost(const Client& client, const QString& why)
{
    if (!NeedsWatching(m_status)) {
        m_log.write(client.address, QStringLiteral("control link lost (%1, %2): nothing to stop").arg(client.id, why));
        return;
    }
    m_log.write(client.address, QStringLiteral("control link lost (%1, %2): stopped").arg(client.id, why));
    m_station.stop();
    m_station.controlLinkLost(ControllerId{ControllerId::Kind::Browser, client.id});
}

void RemoteServer::tick()
{
    const QDateTime t = now();
    const ControllerId controller = m_station.controller();
    const qint64 timeoutMs = qint64(m_settings.controlLinkTimeout) * 1000;
    std::vector<std::pair<QString, QString>> dead; // id, why
    if (m_brokenController) {
        if (controller != ControllerId{ControllerId::Kind::Browser, m_brokenController->id}) {
            m_brokenController.reset(); // control moved on meanwhile
        } else if (m_brokenController->lastHeard.msecsTo(t) >= timeoutMs) {
            const Client client = *std::exchange(m_brokenController, std::nullopt);
            controlLost(client, QStringLiteral("no answer for %1 s").arg(m_settings.controlLinkTimeout));
        }
    }
    for (auto& [id, client] : m_clients) {
        if (!sessionAlive(client.session)) {
            dead.emplace_back(id, QStringLiteral("session ended"));
            continue;
        }
        sendTo(client, {{"t", "ping"}, {"n", QString::number(++m_pingCount)}});
        const bool silent = client.lastHeard.msecsTo(t) >= timeoutMs;
        if (silent && controller == ControllerId{ControllerId::Kind::Browser, id})
            dead.emplace_back(id, QStringLiteral("no answer for %1 s").arg(m_settings.controlLinkTimeout));
        // A socket that never asks for the screen, or cannot take it in,
        // gives its place up.
        else if (!client.greeted && silent)
            dead.emplace_back(id, QStringLiteral("silent"));
        else if (client.behind && client.behindSince.msecsTo(t) >= timeoutMs)
            dead.emplace_back(id, QStringLiteral("cannot keep up"));
    }
    for (const auto& [id, why] : dead)
        dropClient(id, why,
                   why == QLatin1String("session ended") ? QWebSocketProtocol::CloseCodePolicyViolated : TryLaterCode);
}

void RemoteServer::dropClient(const QString& id, const QString& why, QWebSocketProtocol::CloseCode code)
{
    const auto it = m_clients.find(id);
    if (it == m_clients.end())
        return;
    QWebSocket* socket = it->second.socket;
    m_log.write(it->second.address, QStringLiteral("websocket dropped (%1): %2").arg(id, why));
    const bool behind = it->second.behind;
    const QPointer<QSslSocket> wire = it->second.wire;
    clientGone(id, why);
    // A close would wait behind all it does not read: it would never go.
    if (behind) {
        socket->abort();
    } else {
        socket->close(code, why);
        // Nor is one that reads nothing more waited for.
        if (wire)
            QTimer::singleShot(HandshakeTimeoutMs, wire, [wire] { wire->abort(); });
    }
    socket->deleteLater();
}

void RemoteServer::sendTo(Client& client, const QJsonObject& message)
{
    if (client.behind || !client.socket->isValid())
        return;
    if (queued(client) > m_options.maxSendBuffer) {
        // Brought back in step once it has caught up.
        client.behind = true;
        client.behindSince = now();
        return;
    }
    client.socket->sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    const QString type = message.value(QLatin1String("t")).toString();
    if (type == QLatin1String("chunk"))
        client.lastSeq = message.value(QLatin1String("chunk")).toObject().value(QLatin1String("s")).toInteger();
    else if (type == QLatin1String("cleared"))
        client.lastSeq = message.value(QLatin1String("s")).toInteger();
    else if (type == QLatin1String("snapshot") || type == QLatin1String("resume"))
        client.lastSeq = message.value(QLatin1String("seq")).toInteger();
}

qint64 RemoteServer::queued(const Client& client)
{
    // A QWebSocket counts only what is not encrypted yet.
    return client.socket->bytesToWrite() + (client.wire ? client.wire->encryptedBytesToWrite() : 0);
}

void RemoteServer::broadcast(const QJsonObject& message)
{
    for (auto& [id, client] : m_clients)
        if (client.greeted)
            sendTo(client, message);
}

QString RemoteServer::controllerLabel(const ControllerId& who) const
{
    switch (who.kind) {
    case ControllerId::Kind::Desktop:
        return tr("the desktop");
    case ControllerId::Kind::Console:
        return tr("the console");
    case ControllerId::Kind::Browser:
        break;
    }
    const auto it = m_clients.find(who.browser);
    if (it == m_clients.end())
        return tr("a browser");
    return tr("a browser at %1").arg(it->second.address.toString());
}

QJsonObject RemoteServer::controlMessage(const Client& client) const
{
    const ControllerId who = m_station.controller();
    return {{"t", "control"},
            {"label", controllerLabel(who)},
            {"you", who == ControllerId{ControllerId::Kind::Browser, client.id}}};
}

QJsonObject RemoteServer::snapshotMessage(const Client& client) const
{
    QJsonArray chunks;
    for (const Kept& kept : m_history)
        chunks.append(ChunkJson(kept.seq, kept.chunk));
    return {{"t", "snapshot"},
            {"epoch", m_epoch},
            {"seq", m_seq},
            {"chunks", chunks},
            {"status", StatusJson(m_status)},
            {"qso", QsoJson(m_pendingQso)},
            {"control", controlMessage(client)}};
}

void RemoteServer::sendScreen(Client& client, qint64 last, const QString& epoch)
{
    // What follows the client's last chunk when all of it is still here;
    // else the whole screen.
    const bool canResume = epoch == m_epoch && last >= m_clearSeq && last <= m_seq
        && (m_history.empty() || m_history.front().seq <= last + 1);
    if (!canResume) {
        sendTo(client, snapshotMessage(client));
        return;
    }
    QJsonArray chunks;
    for (const Kept& kept : m_history)
        if (kept.seq > last)
            chunks.append(ChunkJson(kept.seq, kept.chunk));
    sendTo(client,
           {{"t", "resume"},
            {"seq", m_seq},
            {"chunks", chunks},
            {"status", StatusJson(m_status)},
            {"qso", QsoJson(m_pendingQso)},
            {"control", controlMessage(client)}});
}

void RemoteServer::handleMessage(Client& client, const QString& text)
{
    client.lastHeard = now();
    const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
    const QString type = message.value(QLatin1String("t")).toString();
    if (type == QLatin1String("pong"))
        return;
    if (type == QLatin1String("hello")) {
        client.greeted = true;
        client.behind = false;
        sendScreen(client, message.value(QLatin1String("last")).toInteger(-1),
                   message.value(QLatin1String("epoch")).toString());
        return;
    }
    if (!client.greeted)
        return;
    // Anything else is the operator's doing: the session is in use.
    const auto session = m_sessions.find(client.session);
    if (session == m_sessions.end())
        return;
    session->lastUsed = now();
    command(client, message);
}

void RemoteServer::command(Client& client, const QJsonObject& message)
{
    const QString type = message.value(QLatin1String("t")).toString();
    const ControllerId me{ControllerId::Kind::Browser, client.id};
    if (type == QLatin1String("take-control")) {
        if (m_station.controller() != me) {
            m_log.write(client.address, QStringLiteral("control taken (%1)").arg(client.id));
            m_station.takeControl(me);
        }
        return;
    }
    static const QStringList commands = {QStringLiteral("send"),  QStringLiteral("connect"), QStringLiteral("stop"),
                                         QStringLiteral("clear"), QStringLiteral("macro"),   QStringLiteral("qso")};
    if (!commands.contains(type))
        return;
    if (m_station.controller() != me) {
        sendTo(client, {{"t", "refused"}, {"text", tr("Another front end is in control. Take control first.")}});
        return;
    }
    if (type == QLatin1String("send")) {
        const QString text = message.value(QLatin1String("text")).toString();
        if (!text.isEmpty())
            m_station.sendText(text);
    } else if (type == QLatin1String("connect")) {
        const auto field = [&message](const char* name) {
            return message.value(QLatin1String(name)).toString().trimmed().toUpper().left(MaxCallLength);
        };
        const QString call = field("call");
        if (call.isEmpty())
            return;
        const bool via = m_status.mode == Mode::FM;
        m_station.connectTo(call, via ? field("via1") : QString(), via ? field("via2") : QString());
    } else if (type == QLatin1String("stop")) {
        m_station.stop();
    } else if (type == QLatin1String("clear")) {
        m_station.clear();
    } else if (type == QLatin1String("macro")) {
        const int n = message.value(QLatin1String("n")).toInt();
        if (n >= 1 && n <= 12)
            m_station.sendMacro(n);
    } else if (type == QLatin1String("qso")) {
        bool ok = false;
        const quint64 id = message.value(QLatin1String("id")).toString().toULongLong(&ok);
        if (ok)
            m_station.answerQso(id, message.value(QLatin1String("log")).toBool());
    }
}
