// The web front end against a scripted station, for the browser test:
//   web-fake-server [--port N]   (the password comes as one line on stdin)
// Prints "url https://127.0.0.1:PORT/" once it listens. The station answers
// like a radio would: a call connects and the other side says a line
// (markup in it, which must stay text), sent text is echoed, Stop ends it
// and asks whether to log the QSO.
// The browser reaches the server through a relay; lines on stdin after the
// password: "cut" drops every connection (a network gone), "say TEXT"
// shows TEXT as received.
#include "RemoteServer.h"
#include "files/FileWriter.h"
#include "support/FakeRemoteStation.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

class ScriptedStation : public FakeRemoteStation
{
public:
    ScriptedStation()
    {
        state.status.lamp = LinkLamp::Up;
        state.status.connectionText = QStringLiteral("Disconnected");
        for (int n = 1; n <= 12; ++n)
            state.status.macroLabels << QStringLiteral("M%1").arg(n);
    }
    void connectTo(const QString& call, const QString& via1, const QString& via2) override
    {
        FakeRemoteStation::connectTo(call, via1, via2);
        setConnection(RemoteConnection::Calling, QStringLiteral("Connecting with %1").arg(call));
        QTimer::singleShot(200, this, [this, call] {
            setConnection(RemoteConnection::Connected, QStringLiteral("Connected with %1").arg(call));
            show(QStringLiteral("*** CONNECTED with %1\n").arg(call), RemoteChunk::Kind::Event, 0xff008000);
            show(QStringLiteral("%1 de %2: <img src=x onerror=\"window.__pwned=1\"> and <b>bold</b>\n")
                     .arg(QStringLiteral("ZX9QQQ"), call));
        });
    }
    void sendText(const QString& text) override
    {
        FakeRemoteStation::sendText(text);
        show(text + QLatin1Char('\n'), RemoteChunk::Kind::Own, 0xff800000);
        state.status.bytesSent += text.size();
        emit statusChanged(state.status);
    }
    void stop() override
    {
        FakeRemoteStation::stop();
        show(QStringLiteral("*** DISCONNECTED\n"), RemoteChunk::Kind::Event, 0xff008000);
        setConnection(RemoteConnection::Idle, QStringLiteral("Disconnected"));
        ask(++m_qsos, QStringLiteral("EB2XYZ"));
    }

private:
    quint64 m_qsos = 0;
};

// Passes bytes both ways between the browser and the server, until cut.
class Relay : public QObject
{
public:
    explicit Relay(quint16 target)
    {
        QObject::connect(&m_listener, &QTcpServer::newConnection, this, [this, target] {
            while (QTcpSocket* outside = m_listener.nextPendingConnection()) {
                auto* inside = new QTcpSocket(outside);
                inside->connectToHost(QHostAddress::LocalHost, target);
                const auto pass = [](QTcpSocket* from, QTcpSocket* to) {
                    QObject::connect(from, &QTcpSocket::readyRead, to, [from, to] { to->write(from->readAll()); });
                    QObject::connect(from, &QTcpSocket::disconnected, to, &QTcpSocket::disconnectFromHost);
                };
                QObject::connect(inside, &QTcpSocket::connected, outside, [=] {
                    pass(outside, inside);
                    pass(inside, outside);
                    inside->write(outside->readAll());
                });
                QObject::connect(outside, &QTcpSocket::disconnected, outside, &QObject::deleteLater);
            }
        });
        m_listener.listen(QHostAddress::LocalHost);
    }
    quint16 port() const { return m_listener.serverPort(); }
    void cut()
    {
        for (QTcpSocket* socket : m_listener.findChildren<QTcpSocket*>(Qt::FindDirectChildrenOnly))
            socket->abort();
    }

private:
    QTcpServer m_listener;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int portAt = args.indexOf(QStringLiteral("--port"));
    // Byte by byte: nothing after the password's line is taken from stdin.
    QByteArray line;
    char c = 0;
    while (::read(0, &c, 1) == 1 && c != '\n')
        line += c;
    const QString password = QString::fromUtf8(line).trimmed();
    if (password.size() < PasswordHash::MinLength) {
        std::fprintf(stderr, "web-fake-server: give a password of 8 characters or more on stdin\n");
        return 2;
    }
    QTemporaryDir dir;
    const ServerIdentity identity = SelfSignedIdentity(dir.path());
    if (!identity.ok()) {
        std::fprintf(stderr, "web-fake-server: %s\n", qPrintable(identity.error));
        return 1;
    }
    RemoteSettings settings;
    settings.enabled = true;
    settings.port = portAt > 0 ? args.value(portAt + 1).toInt() : 0;
    settings.passwordHash = PasswordHash::make(password);
    ScriptedStation station;
    station.show(QStringLiteral("Welcome to the practice station\n"), RemoteChunk::Kind::Event);
    FileWriter files;
    RemoteServer server(station, &files, dir.filePath(QStringLiteral("remote.log")));
    if (!server.start(settings, identity)) {
        std::fprintf(stderr, "web-fake-server: %s\n", qPrintable(server.reason()));
        return 1;
    }
    Relay relay(server.port());
    QSocketNotifier commands(0, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&commands, &QSocketNotifier::activated, &app, [&] {
        char buffer[4096];
        const ssize_t n = ::read(0, buffer, sizeof buffer);
        if (n <= 0) {
            commands.setEnabled(false);
            return;
        }
        pending.append(buffer, n);
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1)) {
            const QString command = QString::fromUtf8(pending.left(end));
            if (command == QLatin1String("cut"))
                relay.cut();
            else if (command.startsWith(QLatin1String("say ")))
                station.show(command.mid(4) + QLatin1Char('\n'));
        }
    });
    std::printf("url https://127.0.0.1:%u/\n", unsigned(relay.port()));
    std::fflush(stdout);
    return app.exec();
}
