#include "RemoteServer.h"
#include "Station.h"
#include "StationRemote.h"
#include "files/FileWriter.h"
#include "settings/IniDocument.h"
#include "support/FakeRemoteStation.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSemaphore>
#include <QSignalSpy>
#include <QSslSocket>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWebSocket>

#include <atomic>
#include <functional>
#include <memory>
#include <utility>

namespace {

const QString Password = QStringLiteral("correct horse+battery"); // as a form sends it: "correct+horse%2Bbattery"

struct Reply
{
    int status = 0;
    QByteArray body;
    QList<QNetworkReply::RawHeaderPair> headers;
    QByteArray header(const QByteArray& name) const
    {
        for (const auto& [key, value] : headers)
            if (key.compare(name, Qt::CaseInsensitive) == 0)
                return value;
        return {};
    }
};

// A browser's side: its own cookie, its own origin.
struct Client
{
    QNetworkAccessManager nam;
    QSslConfiguration tls;
    quint16 port;
    QByteArray cookie;
    QByteArray origin;

    Client(const QSslCertificate& ca, quint16 serverPort)
        : port(serverPort)
        , origin("https://127.0.0.1:" + QByteArray::number(serverPort))
    {
        tls = QSslConfiguration::defaultConfiguration();
        tls.setCaCertificates({ca});
    }
    Reply send(const QByteArray& method, const QString& path, const QByteArray& body = {})
    {
        QNetworkRequest request(QUrl(QStringLiteral("https://127.0.0.1:%1%2").arg(port).arg(path)));
        request.setSslConfiguration(tls);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
        request.setRawHeader("Origin", origin);
        if (!cookie.isEmpty())
            request.setRawHeader("Cookie", cookie);
        std::unique_ptr<QNetworkReply> reply(nam.sendCustomRequest(request, method, body));
        QSignalSpy done(reply.get(), &QNetworkReply::finished);
        if (!reply->isFinished())
            done.wait(20000);
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(),
                reply->rawHeaderPairs()};
    }
    Reply login(const QString& password)
    {
        const Reply r = send("POST", QStringLiteral("/login"),
                             "password=" + QUrl::toPercentEncoding(password, " ").replace(' ', '+'));
        const QByteArray set = r.header("Set-Cookie");
        if (!set.isEmpty())
            cookie = set.left(set.indexOf(';'));
        return r;
    }
    std::unique_ptr<QWebSocket> unopened() const
    {
        auto ws = std::make_unique<QWebSocket>(QString::fromLatin1(origin));
        ws->setSslConfiguration(tls);
        return ws;
    }
    QNetworkRequest wsRequest() const
    {
        QNetworkRequest request(QUrl(QStringLiteral("wss://127.0.0.1:%1/ws").arg(port)));
        if (!cookie.isEmpty())
            request.setRawHeader("Cookie", cookie);
        return request;
    }
    // Opens /ws; messages received are kept.
    std::unique_ptr<QWebSocket> socket(QList<QJsonObject>* messages, bool answerPings = true)
    {
        auto ws = unopened();
        QWebSocket* raw = ws.get();
        QObject::connect(raw, &QWebSocket::textMessageReceived, raw, [=](const QString& text) {
            const QJsonObject m = QJsonDocument::fromJson(text.toUtf8()).object();
            *messages << m;
            if (answerPings && m[u"t"] == QLatin1String("ping"))
                raw->sendTextMessage(QStringLiteral(R"({"t":"pong"})"));
        });
        ws->open(wsRequest());
        return ws;
    }
};

// The conversation as the page shows it, by its numbering: a snapshot is a
// fresh screen, a resume and a chunk add what follows the last one shown.
// Whatever the page would drop or have to ask for again is a fault.
struct Screen
{
    QList<qint64> shown;
    qint64 last = -1;
    QStringList faults;

    void add(const QJsonArray& chunks)
    {
        for (const QJsonValue& c : chunks) {
            const qint64 s = c[u"s"].toInteger();
            if (s <= last)
                continue;
            if (s != last + 1 && !shown.isEmpty())
                faults << QStringLiteral("%1 after %2").arg(s).arg(last);
            shown << s;
            last = s;
        }
    }
    void take(const QJsonObject& m)
    {
        const QString type = m[u"t"].toString();
        if (type == QLatin1String("snapshot")) {
            // What the page had of it and does not show again is lost.
            for (const QJsonValue& c : m[u"chunks"].toArray())
                if (c[u"s"].toInteger() <= last && shown.contains(c[u"s"].toInteger()))
                    faults << QStringLiteral("%1 dropped by a snapshot").arg(c[u"s"].toInteger());
            shown.clear();
            add(m[u"chunks"].toArray());
            last = m[u"seq"].toInteger();
        } else if (type == QLatin1String("resume")) {
            const QJsonArray chunks = m[u"chunks"].toArray();
            if (!chunks.isEmpty() && chunks[0][u"s"].toInteger() != last + 1)
                faults << QStringLiteral("resumed at %1 after %2").arg(chunks[0][u"s"].toInteger()).arg(last);
            add(chunks);
            last = m[u"seq"].toInteger();
        } else if (type == QLatin1String("chunk")) {
            const qint64 s = m[u"chunk"][u"s"].toInteger();
            if (s <= last)
                faults << QStringLiteral("%1 twice").arg(s);
            else if (s != last + 1)
                faults << QStringLiteral("%1 after %2").arg(s).arg(last);
            else
                add(QJsonArray{m[u"chunk"]});
        }
    }
};

// A browser whose page stops reading while held: its socket lives on a
// thread of its own, which is kept still meanwhile. It greets the server
// and answers pings as the page does.
class HeldBrowser
{
public:
    explicit HeldBrowser(const Client& c)
    {
        m_thread.start();
        m_ws = c.unopened().release();
        m_ws->moveToThread(&m_thread);
        QObject::connect(&m_thread, &QThread::finished, m_ws, &QObject::deleteLater);
        QObject::connect(m_ws, &QWebSocket::connected, m_ws, [this] {
            m_port = m_ws->localPort();
            Say(R"({"t":"hello","last":-1})");
        });
        QObject::connect(m_ws, &QWebSocket::textMessageReceived, m_ws, [this](const QString& text) {
            const QJsonObject m = QJsonDocument::fromJson(text.toUtf8()).object();
            if (m[u"t"] == QLatin1String("ping"))
                Say(R"({"t":"pong"})");
            const QMutexLocker lock(&m_mutex);
            m_screen.take(m);
            m_types << m[u"t"].toString();
        });
        QMetaObject::invokeMethod(m_ws, [ws = m_ws, request = c.wsRequest()] { ws->open(request); });
    }
    ~HeldBrowser()
    {
        release();
        m_thread.quit();
        m_thread.wait();
    }
    // Returns once its thread stands still.
    void hold()
    {
        QMetaObject::invokeMethod(m_ws, [this] {
            m_holding.release();
            m_held.acquire();
        });
        m_holding.acquire();
        m_isHeld = true;
    }
    void release()
    {
        if (std::exchange(m_isHeld, false))
            m_held.release();
    }
    Screen screen() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_screen;
    }
    QStringList types() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_types;
    }
    quint16 port() const { return m_port; }

private:
    void Say(const char* text) { m_ws->sendTextMessage(QString::fromLatin1(text)); }

    QThread m_thread;
    QWebSocket* m_ws = nullptr;
    QSemaphore m_holding, m_held;
    bool m_isHeld = false;
    std::atomic<quint16> m_port{0};
    mutable QMutex m_mutex;
    Screen m_screen;
    QStringList m_types;
};

void Say(QWebSocket& ws, const QJsonObject& message)
{
    ws.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
}

int Count(const QList<QJsonObject>& messages, const char* type)
{
    return int(std::count_if(messages.begin(), messages.end(),
                             [type](const QJsonObject& m) { return m[u"t"] == QLatin1String(type); }));
}

// The last message of that type.
QJsonObject Last(const QList<QJsonObject>& messages, const char* type)
{
    for (auto it = messages.rbegin(); it != messages.rend(); ++it)
        if ((*it)[u"t"] == QLatin1String(type))
            return *it;
    return {};
}

// Runs the event loop until the condition holds; false once timeoutMs passed.
bool Until(const std::function<bool()>& condition, int timeoutMs = 10000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        // The server's pings wake this up at the latest.
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// What the server keeps in its own buffers for the browser at that port:
// text not encrypted yet, and encrypted bytes the network has not taken.
// -1: no such connection.
qint64 QueuedFor(const QObject& server, quint16 port)
{
    for (const QSslSocket* s : server.findChildren<QSslSocket*>())
        if (s->peerPort() == port)
            return s->bytesToWrite() + s->encryptedBytesToWrite();
    return -1;
}

const auto OwnerOnly = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
    | QFileDevice::WriteOther | QFileDevice::ExeOther;

// The names of this process's children still there (reaped ones are gone).
QStringList ChildCommands()
{
    QStringList names;
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(QStringLiteral("/proc/self/task/%1/children").arg(task));
        if (!children.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& pid : children.readAll().split(' ')) {
            QFile comm(QStringLiteral("/proc/%1/comm").arg(QString::fromLatin1(pid.trimmed())));
            if (!pid.trimmed().isEmpty() && comm.open(QIODevice::ReadOnly))
                names << QString::fromLatin1(comm.readAll().trimmed());
        }
    }
    return names;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestWeb : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ServerIdentity m_identity;
    QString m_hash;
    FileWriter m_files;
    ManualClock m_clock;
    std::unique_ptr<FakeRemoteStation> m_station;
    std::unique_ptr<RemoteServer> m_server;

    QString logPath() const { return m_dir.filePath(QStringLiteral("logs/remote.log")); }
    QByteArray log()
    {
        m_files.flush(5000);
        return ReadFile(logPath());
    }
    RemoteSettings settings() const
    {
        RemoteSettings s;
        s.enabled = true;
        s.port = 0;
        s.passwordHash = m_hash;
        return s;
    }
    RemoteServer::Options options() const
    {
        RemoteServer::Options o;
        o.clock = &m_clock;
        o.pingIntervalMs = 20;
        return o;
    }
    // The fixture's server, anew with these bounds.
    void serve(const RemoteServer::Options& o)
    {
        m_server.reset();
        m_server = std::make_unique<RemoteServer>(*m_station, &m_files, logPath(), o);
        QVERIFY(m_server->start(settings(), m_identity));
        QCOMPARE(m_server->state(), RemoteServer::State::Listening);
    }
    std::unique_ptr<Client> client() { return std::make_unique<Client>(m_identity.certificate, m_server->port()); }
    std::unique_ptr<Client> loggedIn()
    {
        auto c = client();
        c->login(Password);
        return c;
    }
    // A rejected socket: closed for policy before anything was said.
    void refused(Client& c)
    {
        QList<QJsonObject> messages;
        auto ws = c.socket(&messages);
        QSignalSpy closed(ws.get(), &QWebSocket::disconnected);
        QVERIFY(closed.wait(10000));
        QCOMPARE(ws->closeCode(), QWebSocketProtocol::CloseCodePolicyViolated);
        QVERIFY(messages.isEmpty());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_identity = SelfSignedIdentity(m_dir.filePath(QStringLiteral("cert")));
        QVERIFY2(m_identity.ok(), qPrintable(m_identity.error));
        QCOMPARE(QFile::permissions(m_dir.filePath(QStringLiteral("cert/remote-key.pem"))) & OwnerOnly, 0);
        QCOMPARE(m_identity.fingerprint().count(QLatin1Char(':')), 31);
        m_hash = PasswordHash::make(Password);
        QVERIFY(PasswordHash::verify(Password, m_hash));
        QVERIFY(!PasswordHash::verify(Password + QLatin1Char('x'), m_hash));
        QVERIFY(!PasswordHash::verify(Password, PasswordHash::make(Password, 1000))); // too cheap to trust
    }

    void init()
    {
        QFile::remove(logPath());
        m_station = std::make_unique<FakeRemoteStation>();
        m_station->show(QStringLiteral("earlier text"));
        serve(options());
    }

    void cleanup()
    {
        m_server.reset();
        m_station.reset();
    }

    void withoutSessionOnlyTheLoginPage()
    {
        auto c = client();
        Reply r = c->send("GET", QStringLiteral("/"));
        QCOMPARE(r.status, 200);
        QVERIFY(r.body.contains("name=\"password\""));
        QVERIFY(!r.body.contains("{{"));
        QVERIFY(r.header("Content-Security-Policy").contains("script-src 'self'"));
        QVERIFY(!r.header("Content-Security-Policy").contains("unsafe-inline"));
        QCOMPARE(r.header("X-Content-Type-Options"), QByteArray("nosniff"));
        QCOMPARE(r.header("Referrer-Policy"), QByteArray("no-referrer"));
        QCOMPARE(c->send("GET", QStringLiteral("/style.css")).status, 200);
        r = c->send("GET", QStringLiteral("/station"));
        QCOMPARE(r.status, 303);
        QCOMPARE(r.header("Location"), QByteArray("/"));
        QCOMPARE(c->send("GET", QStringLiteral("/station.js")).status, 401);
        QCOMPARE(c->send("GET", QStringLiteral("/api/status")).status, 401);
        c->cookie = "keldo_session=" + QByteArray(64, 'a');
        QCOMPARE(c->send("GET", QStringLiteral("/api/status")).status, 401);
        refused(*c);
    }

    void loginSessionAndOrigin()
    {
        auto c = client();
        c->origin = "https://evil.example";
        QCOMPARE(c->login(Password).status, 403);
        c->origin = "https://127.0.0.1:" + QByteArray::number(m_server->port());
        QCOMPARE(c->login(QStringLiteral("wrong password")).status, 401);
        const Reply r = c->login(Password);
        QCOMPARE(r.status, 303);
        QCOMPARE(r.header("Location"), QByteArray("/station"));
        const QByteArray set = r.header("Set-Cookie");
        for (const char* attribute : {"HttpOnly", "Secure", "SameSite=Strict", "Path=/"})
            QVERIFY2(set.contains(attribute), set);
        QCOMPARE(c->cookie.size(), qsizetype(strlen("keldo_session=") + 64)); // 256 bits
        const Reply page = c->send("GET", QStringLiteral("/station"));
        QCOMPARE(page.status, 200);
        QVERIFY(page.body.contains("id=\"take-control\"") && !page.body.contains("{{"));
        QCOMPARE(c->send("GET", QStringLiteral("/station.js")).status, 200);
        const Reply api = c->send("GET", QStringLiteral("/api/status"));
        QCOMPARE(api.status, 200);
        QCOMPARE(api.header("Cache-Control"), QByteArray("no-store"));

        // A page elsewhere holding the cookie is refused.
        c->origin = "https://evil.example";
        refused(*c);
        QCOMPARE(c->send("POST", QStringLiteral("/logout")).status, 403);
        QCOMPARE(c->send("GET", QStringLiteral("/api/status")).status, 200);

        c->origin = "https://127.0.0.1:" + QByteArray::number(m_server->port());
        QCOMPARE(c->send("POST", QStringLiteral("/logout")).status, 303);
        QCOMPARE(c->send("GET", QStringLiteral("/api/status")).status, 401);
        const QByteArray audit = log();
        QVERIFY2(audit.contains("127.0.0.1 login failed") && audit.contains("127.0.0.1 login\n")
                     && audit.contains("127.0.0.1 logout"),
                 audit);
    }

    void sessionEndsWhenIdle()
    {
        auto c = loggedIn();
        m_clock.advance(59 * 60000);
        QCOMPARE(c->send("GET", QStringLiteral("/api/status")).status, 200); // in use: starts again
        m_clock.advance(60 * 60000);
        refused(*c);
        QCOMPARE(c->send("GET", QStringLiteral("/api/status")).status, 401);
    }

    // Logins past the cap are let in, whoever else holds a session: the one
    // idle longest makes way, and its page goes back to the login page. A
    // session logged out or ended idle gives its place up.
    void sessionsAreCapped()
    {
        RemoteServer::Options o = options();
        o.maxSessions = 3;
        serve(o);
        const auto use = [this](Client& c) {
            m_clock.advance(1000);
            return c.send("GET", QStringLiteral("/api/status")).status;
        };
        auto a = loggedIn(), b = loggedIn(), c = loggedIn();
        QList<QJsonObject> heard;
        auto ws = b->socket(&heard);
        QTRY_VERIFY(ws->isValid());
        Say(*ws, {{"t", "hello"}, {"last", -1}});
        QTRY_COMPARE(Count(heard, "snapshot"), 1);
        QSignalSpy closed(ws.get(), &QWebSocket::disconnected);
        const quint16 wsPort = ws->localPort();
        QCOMPARE(use(*c), 200);
        QCOMPARE(use(*a), 200); // b, only watching, is now the one idle longest

        auto d = client();
        QCOMPARE(d->login(Password).status, 303);
        QTRY_COMPARE(closed.count(), 1);
        QCOMPARE(ws->closeCode(), QWebSocketProtocol::CloseCodePolicyViolated);
        QTRY_COMPARE(QueuedFor(*m_server, wsPort), -1);
        QCOMPARE(use(*b), 401);
        for (Client* x : {a.get(), c.get(), d.get()})
            QCOMPARE(use(*x), 200);
        QVERIFY(log().contains("127.0.0.1 session ended: made way for a new login"));

        // A page that has stopped reading is not waited for to go.
        {
            HeldBrowser held(*d);
            QTRY_VERIFY(held.screen().last >= 0);
            held.hold();
            QCOMPARE(d->send("POST", QStringLiteral("/logout")).status, 303);
            QTRY_COMPARE(QueuedFor(*m_server, held.port()), -1);
            d = loggedIn();
        }

        // c, used last, logs out: nobody else has to leave for e.
        QCOMPARE(c->send("POST", QStringLiteral("/logout")).status, 303);
        auto e = client();
        QCOMPARE(e->login(Password).status, 303);
        for (Client* x : {a.get(), d.get(), e.get()})
            QCOMPARE(use(*x), 200);

        // All idle past the session time: the next ones start afresh.
        m_clock.advance(60 * 60000);
        auto f = loggedIn(), g = loggedIn();
        for (Client* x : {f.get(), g.get()})
            QCOMPARE(use(*x), 200);
        for (Client* x : {a.get(), d.get(), e.get()})
            QCOMPARE(use(*x), 401);
    }

    void failedLoginsAreThrottled()
    {
        auto c = client();
        QList<int> statuses;
        for (int i = 0; i < 8; ++i)
            statuses << c->login(QStringLiteral("guess %1").arg(i)).status;
        QCOMPARE(statuses, (QList<int>{401, 401, 401, 401, 401, 429, 429, 429}));
        Reply r = c->login(Password);
        QCOMPARE(r.status, 429);
        QCOMPARE(r.header("Retry-After"), QByteArray("60"));
        m_clock.advance(59000);
        QCOMPARE(c->login(Password).status, 429);
        m_clock.advance(1000);
        QCOMPARE(c->login(QStringLiteral("guess")).status, 401);
        for (int i = 0; i < 4; ++i)
            c->login(QStringLiteral("guess"));
        // Again: the wait doubles.
        QCOMPARE(c->login(Password).header("Retry-After"), QByteArray("120"));
        m_clock.advance(120000);
        QCOMPARE(c->login(Password).status, 303);
        QVERIFY(log().contains("127.0.0.1 throttled for 60 s"));
    }

    // What reaches the server other than the pages: garbage, plain HTTP,
    // paths reaching out of the pages.
    void onlyThePages()
    {
        QTcpSocket plain;
        plain.connectToHost(QHostAddress::LocalHost, m_server->port());
        QVERIFY(plain.waitForConnected(5000));
        plain.write("GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        QByteArray answer;
        QSignalSpy closed(&plain, &QTcpSocket::disconnected);
        QVERIFY(closed.wait(20000));
        answer += plain.readAll();
        QVERIFY2(!answer.contains("HTTP/1.1 200") && !answer.contains("password"), answer);

        auto c = loggedIn();
        for (const char* path :
             {"/../station.js", "/%2e%2e/station.js", "/%2E%2E/%2e%2e/etc/passwd", "/..%2fstation.js", "/etc/passwd",
              "//etc/passwd", "/station.js/..", "/:/keldo/web/station.js", "/login.html"}) {
            QSslSocket raw;
            raw.setSslConfiguration(c->tls);
            QSignalSpy encrypted(&raw, &QSslSocket::encrypted);
            raw.connectToHostEncrypted(QStringLiteral("127.0.0.1"), m_server->port());
            QVERIFY(encrypted.wait(5000));
            raw.write("GET " + QByteArray(path) + " HTTP/1.1\r\nHost: 127.0.0.1\r\nCookie: " + c->cookie + "\r\n\r\n");
            QByteArray response;
            QTRY_VERIFY((response += raw.readAll()).contains("\r\n"));
            QVERIFY2(response.startsWith("HTTP/1.1 404"), path);
        }
    }

    void neverServesWithoutPassword()
    {
        // No password, or a stored hash nothing can match.
        const std::pair<const char*, QString> cases[] = {
            {"127.0.0.1", QString()}, {"0.0.0.0", QString()}, {"127.0.0.1", QStringLiteral("plain text")}};
        for (const auto& [address, hash] : cases) {
            RemoteSettings s = settings();
            s.listenAddress = QLatin1String(address);
            s.passwordHash = hash;
            s.port = 18446;
            QSignalSpy changed(m_server.get(), &RemoteServer::stateChanged);
            QVERIFY(!m_server->start(s, m_identity));
            QCOMPARE(m_server->state(), RemoteServer::State::Refused);
            QVERIFY(m_server->reason().contains(QLatin1String("--set-remote-password")));
            QCOMPARE(changed.last().at(0).value<RemoteServer::State>(), RemoteServer::State::Refused);
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, 18446);
            QVERIFY(!probe.waitForConnected(5000));
            QVERIFY(log().contains(QByteArray("not serving on ") + address + ":18446: "));
        }
    }

    // From the settings file: the certificate is made beside it, once there
    // is something to serve.
    void startsFromTheSettingsFile()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("KELDO Terminal.ini"));
        QTcpServer free;
        QVERIFY(free.listen(QHostAddress::LocalHost));
        const quint16 port = free.serverPort();
        free.close();
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("[Remote]\r\nEnabled=1\r\nPort=" + QByteArray::number(port) + "\r\n");
        out.close();
        QVERIFY(!m_server->start(file));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("remote-certificate.pem"))));

        QString why;
        QVERIFY(StoreRemotePasswordHash(file, m_hash, &why));
        // openssl makes the pair meanwhile; nothing waits for it.
        QSignalSpy changed(m_server.get(), &RemoteServer::stateChanged);
        QVERIFY(!m_server->start(file));
        QCOMPARE(m_server->state(), RemoteServer::State::Starting);
        QCOMPARE(m_server->reason(), QStringLiteral("Making the certificate..."));
        QTRY_COMPARE_WITH_TIMEOUT(m_server->state(), RemoteServer::State::Listening, 30000);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(m_server->port(), port);
        QVERIFY(m_server->reason().contains(m_server->fingerprint()));
        QCOMPARE(QFile::permissions(folder.filePath(QStringLiteral("remote-key.pem"))) & OwnerOnly, 0);
        const QByteArray certificate = ReadFile(folder.filePath(QStringLiteral("remote-certificate.pem")));
        QVERIFY(certificate.startsWith("-----BEGIN CERTIFICATE-----"));
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.new")}, QDir::Files), QStringList());

        // Made once: served at once from then on.
        QVERIFY(m_server->start(file));
        QCOMPARE(ReadFile(folder.filePath(QStringLiteral("remote-certificate.pem"))), certificate);

        // An openssl that hangs: stopped or restarted meanwhile, or out of
        // time, it is ended and leaves nothing behind.
        QTemporaryDir bin;
        QFile hang(bin.filePath(QStringLiteral("openssl")));
        QVERIFY(hang.open(QIODevice::WriteOnly));
        hang.write("#!/bin/sh\nexec sleep 600\n");
        hang.close();
        QVERIFY(hang.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
        QFile::remove(folder.filePath(QStringLiteral("remote-certificate.pem")));
        RemoteServer::Options o = options();
        o.certificateWaitMs = 300;
        serve(o);
        const auto hung = [] { return ChildCommands().count(QStringLiteral("sleep")); };
        QVERIFY(!m_server->start(file));
        QTRY_COMPARE(hung(), 1);
        QVERIFY(!m_server->start(file)); // the settings saved again
        QTRY_COMPARE(hung(), 1);
        m_server->stopServing();
        QCOMPARE(m_server->state(), RemoteServer::State::Off);
        QCOMPARE(hung(), 0);
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.new")}, QDir::Files), QStringList());
        QSignalSpy refused(m_server.get(), &RemoteServer::stateChanged);
        QVERIFY(!m_server->start(file));
        QTRY_COMPARE(m_server->state(), RemoteServer::State::Refused);
        qputenv("PATH", path);
        QVERIFY2(m_server->reason().contains(QLatin1String("openssl")), qPrintable(m_server->reason()));
        QCOMPARE(hung(), 0);
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.new")}, QDir::Files), QStringList());
        QCOMPARE(refused.size(), 2);
    }

    // The station's web front end serves anew whenever the operator's
    // remote settings are saved; the browsers' control comes home.
    void attachedServerFollowsSavedSettings()
    {
        QTemporaryDir folder;
        Station station(folder.path());
        station.settings.LoadSettings();
        const std::unique_ptr<QObject> web = AttachWebFrontEnd(station);
        QVERIFY(!station.remoteAccess().listening);
        QCOMPARE(station.remoteAccess().reason, QString("Remote operation is off."));
        station.takeControl(ControlSide::Browser, QStringLiteral("192.0.2.7"));

        QSignalSpy saved(&station, &Station::remoteSettingsChanged);
        QTcpServer free;
        QVERIFY(free.listen(QHostAddress::LocalHost));
        RemoteChoice choice;
        choice.enabled = true;
        choice.listenAddress = QStringLiteral("127.0.0.1");
        choice.port = free.serverPort();
        free.close();
        station.controller.apply(choice);
        QVERIFY(saved.wait(10000));
        QVERIFY(!station.remoteAccess().listening);
        QVERIFY2(station.remoteAccess().reason.contains("password"), qPrintable(station.remoteAccess().reason));
        QVERIFY(station.inControl(ControlSide::Desktop));

        choice.passwordHash = m_hash;
        QStringList told;
        const QObject listening; // gone before told
        connect(&station, &Station::remoteAccessChanged, &listening,
                [&told](const RemoteAccessState& access) { told << access.reason; });
        station.controller.apply(choice);
        QVERIFY(saved.wait(10000));
        // The certificate is made first; the station says so meanwhile.
        QTRY_VERIFY_WITH_TIMEOUT(station.remoteAccess().listening, 30000);
        QVERIFY2(told.contains(QStringLiteral("Making the certificate...")), qPrintable(told.join('|')));
        QVERIFY(!station.remoteAccess().fingerprint.isEmpty());
        QVERIFY(station.remoteAccess().reason.contains(QString::number(choice.port)));
    }

    // Everyone sees; only the front end in control acts.
    void onlyTheControllerActs()
    {
        auto a = loggedIn(), b = loggedIn();
        QList<QJsonObject> heardA, heardB;
        auto wsA = a->socket(&heardA), wsB = b->socket(&heardB);
        QTRY_VERIFY(wsA->isValid() && wsB->isValid());
        Say(*wsA, {{"t", "hello"}, {"last", -1}});
        Say(*wsB, {{"t", "hello"}, {"last", -1}});
        QTRY_COMPARE(Count(heardA, "snapshot") + Count(heardB, "snapshot"), 2);
        QCOMPARE(Last(heardA, "snapshot")[u"chunks"].toArray()[0][u"x"].toString(), QStringLiteral("earlier text"));
        QCOMPARE(Last(heardA, "snapshot")[u"control"][u"label"].toString(), QStringLiteral("the desktop"));

        Say(*wsA, {{"t", "send"}, {"text", "not yet"}});
        QTRY_COMPARE(Count(heardA, "refused"), 1);
        Say(*wsA, {{"t", "take-control"}});
        QTRY_COMPARE(Count(heardB, "control"), 1);
        QTRY_COMPARE(Count(heardA, "control"), 1);
        QVERIFY(Last(heardA, "control")[u"you"].toBool());
        QVERIFY(!Last(heardB, "control")[u"you"].toBool());
        QVERIFY(Last(heardB, "control")[u"label"].toString().contains(QLatin1String("127.0.0.1")));

        for (const QJsonObject& m : {QJsonObject{{"t", "send"}, {"text", "hello"}}, QJsonObject{{"t", "stop"}},
                                     QJsonObject{{"t", "connect"}, {"call", "eb2xyz"}},
                                     QJsonObject{{"t", "macro"}, {"n", 13}}, QJsonObject{{"t", "macro"}, {"n", 3}}}) {
            Say(*wsB, m);
            Say(*wsA, m);
        }
        // Nonsense from the controller is ignored.
        for (const char* junk : {"not json", "[1,2]", R"({"t":5})", R"({"t":"connect","call":7})",
                                 R"({"t":"qso","id":"x"})", R"({"t":"send","text":""})"})
            wsA->sendTextMessage(QString::fromLatin1(junk));
        QTRY_COMPARE(Count(heardB, "refused"), 5);
        QTRY_COMPARE(m_station->calls, (QStringList{"send hello", "stop", "connect EB2XYZ", "macro 3"}));

        // What the station says reaches everyone, in order.
        m_station->show(QStringLiteral("<b>hi</b>"));
        m_station->ask(7, QStringLiteral("EB2XYZ"));
        QTRY_COMPARE(Count(heardB, "qso"), 1);
        QCOMPARE(Count(heardB, "chunk"), 1);
        QCOMPARE(Last(heardB, "qso")[u"qso"][u"call"].toString(), QStringLiteral("EB2XYZ"));
        Say(*wsA, {{"t", "qso"}, {"id", "7"}, {"log", true}});
        QTRY_COMPARE(Count(heardB, "qso"), 2);
        QVERIFY(m_station->calls.contains(QStringLiteral("qso 7 1")));
        QVERIFY(log().contains("127.0.0.1 in control: browser " + m_station->controller().browser.toLatin1()));
    }

    // A browser coming back gets exactly what it missed.
    void reconnectResumes()
    {
        auto c = loggedIn();
        QList<QJsonObject> heard;
        auto ws = c->socket(&heard);
        QTRY_VERIFY(ws->isValid());
        Say(*ws, {{"t", "hello"}, {"last", -1}});
        QTRY_COMPARE(Count(heard, "snapshot"), 1);
        const QString epoch = Last(heard, "snapshot")[u"epoch"].toString();
        m_station->show(QStringLiteral("two"));
        QTRY_COMPARE(Count(heard, "chunk"), 1);
        const qint64 last = Last(heard, "chunk")[u"chunk"][u"s"].toInteger();
        ws->close();
        m_station->show(QStringLiteral("three"));
        m_station->show(QStringLiteral("four"), RemoteChunk::Kind::Own, 0xff123456);

        heard.clear();
        ws = c->socket(&heard);
        QTRY_VERIFY(ws->isValid());
        Say(*ws, {{"t", "hello"}, {"last", last}, {"epoch", epoch}});
        QTRY_COMPARE(Count(heard, "resume"), 1);
        const QJsonArray missed = Last(heard, "resume")[u"chunks"].toArray();
        QCOMPARE(missed.size(), 2);
        QCOMPARE(missed[0][u"s"].toInteger(), last + 1);
        QCOMPARE(missed[1][u"x"].toString(), QStringLiteral("four"));
        QCOMPARE(missed[1][u"k"].toString(), QStringLiteral("own"));
        QCOMPARE(missed[1][u"c"].toString(), QStringLiteral("#123456"));

        // More than a browser may send: the socket is closed.
        QSignalSpy closed(ws.get(), &QWebSocket::disconnected);
        ws->sendTextMessage(QString(100 * 1024, QLatin1Char('x')));
        QVERIFY(closed.wait(5000));
        ws = c->socket(&heard);
        QTRY_VERIFY(ws->isValid());

        // After a clear, or from another run of the server: the whole screen.
        Say(*ws, {{"t", "hello"}, {"last", last}, {"epoch", "other"}});
        QTRY_COMPARE(Count(heard, "snapshot"), 1);
        QCOMPARE(Last(heard, "snapshot")[u"chunks"].toArray().size(), 4);
        m_station->clear();
        QTRY_COMPARE(Count(heard, "cleared"), 1);
        Say(*ws, {{"t", "hello"}, {"last", last}, {"epoch", epoch}});
        QTRY_COMPARE(Count(heard, "snapshot"), 2);
        QVERIFY(Last(heard, "snapshot")[u"chunks"].toArray().isEmpty());
    }

    // The browser in control goes silent: the station stops, not before.
    void watchdogStopsALostController()
    {
        auto c = loggedIn();
        QList<QJsonObject> heard;
        auto ws = c->socket(&heard, false);
        QTRY_VERIFY(ws->isValid());
        Say(*ws, {{"t", "hello"}, {"last", -1}});
        Say(*ws, {{"t", "take-control"}});
        QTRY_COMPARE(Count(heard, "control"), 1);
        m_station->setConnection(RemoteConnection::Connected, QStringLiteral("Connected with EB2XYZ"));

        m_clock.advance(29000);
        const int pings = Count(heard, "ping");
        QTRY_VERIFY(Count(heard, "ping") > pings + 3);
        QVERIFY(m_station->calls.isEmpty());
        m_clock.advance(1000);
        QTRY_COMPARE(m_station->calls,
                     (QStringList{"stop", QStringLiteral("lost ") + m_station->controller().browser}));
        QVERIFY(log().contains("no answer for 30 s): stopped"));

        // A page closed while in control (the browser says it is going
        // away) counts as lost at once; nothing to stop when idle.
        for (const RemoteConnection connection : {RemoteConnection::Calling, RemoteConnection::Idle}) {
            m_station->calls.clear();
            m_station->setConnection(connection, QString());
            heard.clear();
            ws = c->socket(&heard);
            QTRY_VERIFY(ws->isValid());
            Say(*ws, {{"t", "hello"}, {"last", -1}});
            Say(*ws, {{"t", "take-control"}});
            QTRY_COMPARE(Count(heard, "control"), 1);
            ws->close(QWebSocketProtocol::CloseCodeGoingAway);
            if (connection == RemoteConnection::Calling)
                QTRY_COMPARE(m_station->calls.size(), 2);
            else
                QTRY_VERIFY(log().contains("page closed): nothing to stop"));
        }
        QCOMPARE(m_station->calls, QStringList());

        // A browser killed, or a connection reset, says nothing: the time-out
        // runs from when it was last heard, as for a silent one.
        m_station->setConnection(RemoteConnection::Calling, QString());
        heard.clear();
        ws = c->socket(&heard);
        QTRY_VERIFY(ws->isValid());
        Say(*ws, {{"t", "hello"}, {"last", -1}});
        Say(*ws, {{"t", "take-control"}});
        QTRY_COMPARE(Count(heard, "control"), 1);
        const QString broken = m_station->controller().browser;
        m_clock.advance(10000);
        ws->abort();
        QTRY_VERIFY(log().contains("control link broken (" + broken.toUtf8()));
        m_clock.advance(19000);
        ws = c->socket(&heard); // to count the server's rounds by
        QTRY_VERIFY(ws->isValid());
        const int rounds = Count(heard, "ping");
        QTRY_VERIFY(Count(heard, "ping") > rounds + 3);
        QVERIFY(m_station->calls.isEmpty());
        m_clock.advance(1000);
        QTRY_COMPARE(m_station->calls, (QStringList{"stop", "lost " + broken}));
        QVERIFY(log().contains("(" + broken.toUtf8() + ", no answer for 30 s): stopped"));
        m_station->calls.clear();
        m_station->setConnection(RemoteConnection::Idle, QString());

        // A socket that never asks for the screen gives its place up.
        heard.clear();
        ws = c->socket(&heard);
        QTRY_VERIFY(ws->isValid());
        QSignalSpy closed(ws.get(), &QWebSocket::disconnected);
        m_clock.advance(30000);
        QVERIFY(closed.wait(5000));
        QCOMPARE(Count(heard, "snapshot"), 0);
        QCOMPARE(int(ws->closeCode()), 4000); // for now: the page will try again
    }

    // A browser that stops reading while text floods in: the server keeps
    // little more than its bound for it, the others get every chunk, and
    // once it reads again it is brought back in step: with what it missed
    // while the server still has it, else with a fresh screen. Still behind
    // after the control-link time-out, it is let go, and so is what waits.
    void slowBrowserIsBounded()
    {
        constexpr qint64 Bound = 256 * 1024;
        const QString text(4000, QLatin1Char('x'));
        for (const qint64 history : {qint64(64 * 1024), qint64(64 << 20), qint64(0)}) {
            RemoteServer::Options o = options();
            o.maxSendBuffer = Bound;
            o.maxHistoryBytes = history;
            m_station->state.chunks.clear();
            serve(o);
            auto fastClient = loggedIn(), slowClient = loggedIn();
            QList<QJsonObject> heard;
            Screen all; // what the fast one shows
            const auto fastHas = [&](qint64 seq) {
                for (const QJsonObject& m : std::exchange(heard, {}))
                    all.take(m);
                return all.last == seq;
            };
            auto fast = fastClient->socket(&heard);
            QTRY_VERIFY(fast->isValid());
            Say(*fast, {{"t", "hello"}, {"last", -1}});
            HeldBrowser slow(*slowClient);
            QTRY_VERIFY(slow.screen().last >= 0);
            qint64 seq = slow.screen().last;
            QTRY_VERIFY(fastHas(seq));

            // Fed in batches the fast one takes in at once, until the held
            // one has had far more than its bound.
            slow.hold();
            qint64 most = 0, sinceFull = 0;
            while (sinceFull < 8 * Bound) {
                for (int i = 0; i < 16; ++i)
                    m_station->show(text);
                seq += 16;
                QVERIFY(Until([&] { return fastHas(seq); }));
                const qint64 queued = QueuedFor(*m_server, slow.port());
                QVERIFY(queued >= 0);
                most = qMax(most, queued);
                if (most >= Bound / 2)
                    sinceFull += 16 * text.size();
                QVERIFY2(seq < 40000, "the held browser took everything");
            }
            QVERIFY2(most <= Bound + Bound / 4, qPrintable(QString::number(most)));
            QCOMPARE(all.faults, QStringList());

            if (history == 0) {
                m_clock.advance(30000);
                QTRY_VERIFY(log().contains("): cannot keep up"));
                QTRY_COMPARE(QueuedFor(*m_server, slow.port()), -1);
                continue;
            }
            slow.release();
            m_station->show(QStringLiteral("after"));
            ++seq;
            QTRY_COMPARE(slow.screen().last, seq);
            QTRY_VERIFY(fastHas(seq));
            const Screen caughtUp = slow.screen();
            QCOMPARE(caughtUp.faults, QStringList());
            QVERIFY(!caughtUp.shown.isEmpty());
            QCOMPARE(caughtUp.shown, all.shown.mid(all.shown.size() - caughtUp.shown.size()));
            // All of it still kept: nothing missing.
            if (history > 8 * Bound)
                QCOMPARE(caughtUp.shown, all.shown);
        }
    }

    void settingsSection()
    {
        IniDocument doc(QByteArray("[Options]\r\nMy Locator=IN80\r\n[Remote]\r\nControl Link Timeout=2\r\n"));
        QCOMPARE(RemoteSettings::read(doc).controlLinkTimeout, 5);
        doc.setValue(QStringLiteral("Remote"), QStringLiteral("Control Link Timeout"), QStringLiteral("999"));
        const RemoteSettings read = RemoteSettings::read(doc);
        QCOMPARE(read.controlLinkTimeout, 180);
        QCOMPARE(read.port, 8446);
        QCOMPARE(read.listenAddress, QStringLiteral("127.0.0.1"));
        QCOMPARE(read.sessionMinutes, 60);
        QVERIFY(!read.enabled);

        // Written only once set.
        IniDocument plain(QByteArray("[Options]\r\nMy Locator=IN80\r\n"));
        RemoteSettings().write(plain);
        QCOMPARE(plain.toBytes(), QByteArray("[Options]\r\nMy Locator=IN80\r\n"));
    }

    void setRemotePassword()
    {
        const QString file = m_dir.filePath(QStringLiteral("KELDO Terminal.ini"));
        const QByteArray before = "; mine\r\n[Options]\r\nMy Locator=IN80\r\n[Remote]\r\nPort=9000\r\n";
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(before) == before.size());
        out.close();

        QString errors;
        QTextStream err(&errors);
        QString shortLine = QStringLiteral("1234567\n");
        QTextStream shortIn(&shortLine);
        QCOMPARE(SetRemotePassword(shortIn, file, err), 2);
        QVERIFY(errors.contains(QLatin1String("too short")));
        QCOMPARE(ReadFile(file), before);

        // The terminal's own command line.
        QProcess terminal;
        terminal.start(QStringLiteral(KELDO_TERMINAL_EXE),
                       {QStringLiteral("--set-remote-password"), QStringLiteral("--settings"), file});
        terminal.write("12345678\r\n");
        terminal.closeWriteChannel();
        QVERIFY(terminal.waitForFinished(30000));
        QCOMPARE(terminal.exitCode(), 0);
        const QByteArray after = ReadFile(file);
        QVERIFY2(after.startsWith(before + "Password Hash=pbkdf2-sha256$100000$") && after.endsWith("\r\n")
                     && after.count('\n') == before.count('\n') + 1,
                 after);
        QVERIFY(!after.contains("12345678"));
        QVERIFY(PasswordHash::verify(QStringLiteral("12345678"), RemoteSettings::load(file).passwordHash));
    }
};

QTEST_GUILESS_MAIN(TestWeb)
#include "test_web.moc"
