#pragma once

#include "Certificate.h"
#include "RemoteLog.h"
#include "RemoteStation.h"
#include "WebClock.h"
#include "settings/RemoteSettings.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWebSocketProtocol>

#include <deque>
#include <map>
#include <memory>

class FileWriter;
class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponse;
class QSslSocket;
class QWebSocket;

// The web front end: pages and a WebSocket over TLS, for the holders of the
// password only. One front end is in control at a time; the browser in
// control is watched, and the station stopped when it goes silent.
//
// Lives on the thread of the station it serves (never the keying thread):
//   RemoteServer web(station, &files, logsFolder + "/remote.log");
//   web.start(settingsFile);   // then web.reason() says what it does
//
// The protocol on /ws is JSON text. The browser says hello (with the last
// chunk number it shows and the server's epoch), pong, take-control, send,
// connect, stop, clear, macro and qso; the server answers with a snapshot
// or what followed that chunk (resume), then chunk, cleared, status,
// control, qso, ping and refused.
class RemoteServer : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        const WebClock* clock = nullptr; // nullptr: the system's
        int pingIntervalMs = 5000;
        int maxSessions = 16;
        int maxClients = 16;
        qint64 maxMessageBytes = 64 * 1024; // from a browser
        qint64 maxSendBuffer = 4 << 20; // to one browser, before it is brought back in step
        qint64 maxHistoryBytes = 1 << 20; // the conversation kept for new browsers
        qint64 throttleWaitMs = 60000; // the first wait after too many failed logins
        int certificateWaitMs = 20000; // for openssl making the self-signed pair
    };

    // Starting: the certificate is being made; Listening or Refused follows.
    enum class State { Off, Refused, Starting, Listening };

    // logPath: remote.log (empty: no audit). files must outlive the server.
    RemoteServer(RemoteStation& station, FileWriter* files, const QString& logPath, Options options,
                 QObject* parent = nullptr);
    RemoteServer(RemoteStation& station, FileWriter* files, const QString& logPath, QObject* parent = nullptr);
    ~RemoteServer() override;

    // Reads [Remote] from the settings file and listens when enabled and a
    // password is set; the certificate is made beside the file when none is
    // named. True when listening; while that certificate is being made
    // (openssl, seconds at worst) the state is Starting and nothing waits.
    bool start(const QString& settingsFile);
    // The same with the settings and identity given.
    bool start(const RemoteSettings& settings, const ServerIdentity& identity);
    void stopServing();

    State state() const { return m_state; }
    // Why it is not listening, or where it is; for the operator.
    QString reason() const { return m_reason; }
    quint16 port() const { return m_port; }
    QString fingerprint() const { return m_fingerprint; }

signals:
    void stateChanged(RemoteServer::State state, const QString& reason);

private:
    // Off, or no usable password: says so and returns false. Needs no certificate.
    bool mayServe(const RemoteSettings& settings);
    bool serve(const RemoteSettings& settings, const ServerIdentity& identity);
    struct LoginSession
    {
        QDateTime lastUsed;
        QHostAddress address;
    };
    struct Throttle
    {
        std::deque<QDateTime> failures; // within the last minute
        QDateTime blockedUntil;
        qint64 nextWaitMs = 0;
    };
    struct Client
    {
        QWebSocket* socket = nullptr;
        QPointer<QSslSocket> wire; // the connection under it, where most of what waits is
        QString id;
        QByteArray session;
        QHostAddress address;
        QDateTime lastHeard;
        bool greeted = false; // has asked for its screen
        bool behind = false; // its buffer was full; what it missed follows when it drains
        QDateTime behindSince;
        qint64 lastSeq = -1; // the last chunk its page shows once what was sent is in
    };
    struct Kept
    {
        qint64 seq;
        RemoteChunk chunk;
    };

    void setState(State state, const QString& reason);
    void setUpRoutes();
    QDateTime now() const { return m_clock->now(); }

    // HTTP
    QHttpServerResponse page(const QString& name, const QString& error = QString()) const;
    QHttpServerResponse redirect(const QByteArray& to) const;
    QHttpServerResponse handleLogin(const QHttpServerRequest& request);
    QHttpServerResponse handleLogout(const QHttpServerRequest& request);
    QByteArray sessionOf(const QHttpServerRequest& request);
    QByteArray sessionOfCookies(const QByteArray& cookieHeader);
    bool sessionAlive(const QByteArray& token);
    bool originMatches(const QByteArray& origin, const QByteArray& host) const;

    // WebSocket
    void acceptSockets();
    void handleMessage(Client& client, const QString& text);
    // A controlling browser gone counts as its control link lost.
    void clientGone(const QString& id, const QString& why, bool waitOut = false);
    void dropClient(const QString& id, const QString& why, QWebSocketProtocol::CloseCode code);
    void command(Client& client, const QJsonObject& message);
    void sendTo(Client& client, const QJsonObject& message);
    // Bytes waiting to go to it, encrypted or not.
    static qint64 queued(const Client& client);
    void broadcast(const QJsonObject& message);
    void sendScreen(Client& client, qint64 last, const QString& epoch);
    QJsonObject snapshotMessage(const Client& client) const;
    QJsonObject controlMessage(const Client& client) const;
    QString controllerLabel(const ControllerId& who) const;
    void tick();
    void controlLost(const Client& client, const QString& why);

    // The station
    void keep(const RemoteChunk& chunk);

    RemoteStation& m_station;
    Options m_options;
    WebClock m_systemClock;
    const WebClock* m_clock;
    RemoteLog m_log;
    RemoteSettings m_settings;
    std::unique_ptr<QHttpServer> m_http;
    State m_state = State::Off;
    QString m_reason;
    quint16 m_port = 0;
    QString m_fingerprint;
    SelfSignedMaker* m_maker = nullptr; // while the certificate is being made

    QHash<QByteArray, LoginSession> m_sessions;
    QHash<QString, Throttle> m_throttles;
    std::map<QString, Client> m_clients;
    // The browser in control whose connection broke without a word: still
    // in control until its silence reaches the control-link time-out.
    std::optional<Client> m_brokenController;
    QTimer m_ping;
    quint64 m_pingCount = 0;

    std::deque<Kept> m_history;
    qint64 m_historyBytes = 0;
    qint64 m_seq = 0;
    qint64 m_clearSeq = 0; // the last clear's number
    QString m_epoch; // a new one each start: numbers from before mean nothing
    RemoteStatus m_status;
    std::optional<QsoQuestion> m_pendingQso;
};
