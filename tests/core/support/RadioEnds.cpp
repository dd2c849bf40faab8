#include "RadioEnds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

void endProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000))
        process.kill();
    process.waitForFinished(3000);
}

} // namespace

PtyPair::~PtyPair()
{
    closeReader();
    endProcess(m_socat);
}

bool PtyPair::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty();
}

bool PtyPair::start()
{
    const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
    if (socat.isEmpty() || !m_dir.isValid())
        return false;
    closeReader();
    // Links left by a killed socat would stop a new one.
    QFile::remove(a());
    QFile::remove(b());
    m_socat.start(socat,
                  {QStringLiteral("-d"), QStringLiteral("-d"), QStringLiteral("pty,raw,echo=0,link=") + a(),
                   QStringLiteral("pty,raw,echo=0,link=") + b()});
    if (!m_socat.waitForStarted(5000))
        return false;
    if (!QTest::qWaitFor([&] { return QFile::exists(a()) && QFile::exists(b()); }, 10000))
        return false;
    m_fd = ::open(QFile::encodeName(b()).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    return m_fd >= 0;
}

void PtyPair::kill()
{
    closeReader();
    m_socat.kill();
    m_socat.waitForFinished(3000);
}

void PtyPair::closeReader()
{
    if (m_fd >= 0) {
        received();
        ::close(m_fd);
        m_fd = -1;
    }
}

QByteArray PtyPair::received()
{
    char buf[512];
    while (m_fd >= 0) {
        const ssize_t n = ::read(m_fd, buf, sizeof buf);
        if (n <= 0)
            break;
        m_received.append(buf, int(n));
    }
    return m_received;
}

QString PtyPair::lineSettings() const
{
    // The terminal opens its tty exclusively: read the settings through its own descriptor.
    const QString tty = QFileInfo(a()).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::Files | QDir::System)) {
        termios t{};
        if (QFileInfo(fds.filePath(fd)).canonicalFilePath() != tty || ::tcgetattr(fd.toInt(), &t) != 0)
            continue;
        static const std::pair<speed_t, int> bauds[] = {{B1200, 1200},   {B2400, 2400},    {B4800, 4800},
                                                        {B9600, 9600},   {B19200, 19200},  {B38400, 38400},
                                                        {B57600, 57600}, {B115200, 115200}};
        int baud = 0;
        for (const auto& [code, value] : bauds)
            baud = ::cfgetospeed(&t) == code ? value : baud;
        const char parity = !(t.c_cflag & PARENB) ? 'n' : (t.c_cflag & PARODD) ? 'o' : 'e';
        const int size = t.c_cflag & CSIZE;
        const int bits = size == CS5 ? 5 : size == CS6 ? 6 : size == CS7 ? 7 : 8;
        return QStringLiteral("%1,%2,%3,%4")
            .arg(baud)
            .arg(QLatin1Char(parity))
            .arg(bits)
            .arg(t.c_cflag & CSTOPB ? 2 : 1);
    }
    return QString();
}

Rigctld::~Rigctld()
{
    m_query.abort();
    endProcess(m_process);
}

bool Rigctld::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("rigctld")).isEmpty();
}

bool Rigctld::start(const QStringList& radio, int upWithin)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("rigctld"));
    m_process.setProcessEnvironment(environment);
    if (program.isEmpty())
        return false;
    for (int attempt = 0; attempt < 5; ++attempt) {
        {
            QTcpServer probe;
            if (!probe.listen(QHostAddress::LocalHost, 0))
                continue;
            m_port = probe.serverPort();
        }
        m_process.start(program,
                        radio
                            + QStringList{QStringLiteral("-T"), QStringLiteral("127.0.0.1"), QStringLiteral("-t"),
                                          QString::number(m_port)});
        if (!m_process.waitForStarted(5000))
            return false;
        // The first connection that gets through stays as the query
        // connection: no short-lived probes (see ptt()).
        const bool up = QTest::qWaitFor(
            [&] {
                if (m_process.state() == QProcess::NotRunning)
                    return true;
                m_query.abort();
                m_query.connectToHost(QHostAddress::LocalHost, m_port);
                return m_query.waitForConnected(200);
            },
            upWithin);
        if (up && m_process.state() == QProcess::Running)
            return true;
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    return false;
}

QString Rigctld::command(const QByteArray& line)
{
    if (m_query.state() != QAbstractSocket::ConnectedState) {
        m_query.abort();
        m_query.connectToHost(QHostAddress::LocalHost, m_port);
        if (!m_query.waitForConnected(2000))
            return QStringLiteral("no connection");
    }
    m_query.readAll();
    m_query.write(line + '\n');
    while (!m_query.canReadLine()) {
        if (!m_query.waitForReadyRead(2000))
            return QStringLiteral("no answer: ") + m_query.errorString();
    }
    return QString::fromLatin1(m_query.readLine()).trimmed();
}

TcpRelay::TcpRelay(quint16 targetPort, QObject* parent)
    : QObject(parent)
    , m_target(targetPort)
{
    connect(&m_server, &QTcpServer::newConnection, this, &TcpRelay::accept);
}

bool TcpRelay::listen()
{
    if (!m_server.listen(QHostAddress::LocalHost, m_port))
        return false;
    m_port = m_server.serverPort();
    return true;
}

void TcpRelay::cut()
{
    m_server.close();
    for (const QPointer<QTcpSocket>& s : std::as_const(m_sockets)) {
        if (s)
            s->abort();
    }
    m_sockets.clear();
}

bool TcpRelay::restore()
{
    return listen();
}

void TcpRelay::forward(QTcpSocket* in, QTcpSocket* out)
{
    if (m_delayMs <= 0) {
        out->write(in->readAll());
        return;
    }
    QTimer::singleShot(m_delayMs, out, [in = QPointer<QTcpSocket>(in), out] {
        if (in && out->state() == QAbstractSocket::ConnectedState)
            out->write(in->readAll());
    });
}

void TcpRelay::accept()
{
    while (QTcpSocket* in = m_server.nextPendingConnection()) {
        auto* out = new QTcpSocket(this);
        in->setParent(this);
        m_sockets << in << out;
        out->connectToHost(QHostAddress::LocalHost, m_target);
        connect(in, &QTcpSocket::readyRead, out, [this, in, out] {
            if (out->state() == QAbstractSocket::ConnectedState)
                forward(in, out);
        });
        connect(out, &QTcpSocket::connected, in, [this, in, out] { forward(in, out); });
        connect(out, &QTcpSocket::readyRead, in, [in, out] { in->write(out->readAll()); });
        for (QTcpSocket* s : {in, out}) {
            QTcpSocket* other = s == in ? out : in;
            connect(s, &QTcpSocket::disconnected, other, [other] { other->disconnectFromHost(); });
        }
    }
}
