// The web front end against a scripted station, for the browser test:
//   web-fake-server [--port N]   (the password comes as one line on stdin)
// Prints "url https://127.0.0.1:PORT/" once it listens. The station answers
// like a radio would: a call connects and the other side says a line
// (markup in it, which must stay text), sent text is echoed, Stop ends it.
#include "RemoteServer.h"
#include "files/FileWriter.h"
#include "support/FakeRemoteStation.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

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
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int portAt = args.indexOf(QStringLiteral("--port"));
    QTextStream in(stdin);
    const QString password = in.readLine().trimmed();
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
    std::printf("url https://127.0.0.1:%u/\n", unsigned(server.port()));
    std::fflush(stdout);
    return app.exec();
}
