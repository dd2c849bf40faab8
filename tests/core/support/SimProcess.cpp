#include "SimProcess.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTest>

#include <functional>

SimProcess::SimProcess(const QStringList& arguments, QObject* parent)
    : QObject(parent)
    , m_args(arguments)
{
    m_process.setProgram(program());
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &SimProcess::readStdout);
    connect(&m_process, &QProcess::readyReadStandardError, this,
            [this]() { m_stderr += m_process.readAllStandardError(); });
}

SimProcess::~SimProcess()
{
    stop(3000);
}

QString SimProcess::program()
{
#ifdef KELDO_MODEM_SIM
    return QStringLiteral(KELDO_MODEM_SIM);
#else
    return QStringLiteral("keldo-modem-sim");
#endif
}

quint16 SimProcess::freePortPair()
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        QTcpServer first;
        if (!first.listen(QHostAddress::LocalHost, 0))
            continue;
        const quint16 p = first.serverPort();
        if (p == 0 || p >= 65535)
            continue;
        QTcpServer second;
        if (second.listen(QHostAddress::LocalHost, quint16(p + 1)))
            return p;
    }
    return 0;
}

bool SimProcess::start(int timeoutMs)
{
    if (isRunning()) {
        m_error = QStringLiteral("already running");
        return false;
    }
    const int attempts = m_fixedPort ? 1 : 5;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        m_port = m_fixedPort ? m_fixedPort : freePortPair();
        if (m_port == 0) {
            m_error = QStringLiteral("no free port pair on 127.0.0.1");
            return false;
        }
        m_lines.clear();
        m_partial.clear();
        m_stderr.clear();
        m_cursor = 0;
        m_process.setArguments(QStringList{QStringLiteral("--port"), QString::number(m_port)} + m_args);
        m_process.start();
        if (!m_process.waitForStarted(timeoutMs)) {
            m_error = QStringLiteral("cannot start %1: %2").arg(program(), m_process.errorString());
            return false;
        }
        auto listening = [this]() {
            for (const QString& l : m_lines)
                if (l.startsWith(QLatin1String("# listening")))
                    return true;
            return false;
        };
        (void)QTest::qWaitFor([&]() { return listening() || m_process.state() == QProcess::NotRunning; }, timeoutMs);
        if (listening())
            return true;
        m_process.kill();
        m_process.waitForFinished(3000);
        m_error = QStringLiteral("modem sim did not listen on %1: %2 %3")
                      .arg(m_port)
                      .arg(outputText(), QString::fromLocal8Bit(m_stderr));
        // The ports may have been taken since they were found free: try others.
    }
    return false;
}

bool SimProcess::stop(int timeoutMs)
{
    if (m_process.state() == QProcess::NotRunning)
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    if (m_process.state() == QProcess::Running) {
        writeControl(QStringLiteral("quit"));
        if (m_process.waitForFinished(timeoutMs)) {
            readStdout();
            return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
        }
    }
    m_process.kill();
    m_process.waitForFinished(3000);
    return false;
}

bool SimProcess::isRunning() const
{
    return m_process.state() != QProcess::NotRunning;
}

void SimProcess::writeControl(const QString& line)
{
    if (m_process.state() != QProcess::Running)
        return;
    m_process.write(line.toUtf8() + '\n');
}

void SimProcess::readStdout()
{
    m_partial += m_process.readAllStandardOutput();
    int nl;
    while ((nl = m_partial.indexOf('\n')) >= 0) {
        QByteArray l = m_partial.left(nl);
        if (l.endsWith('\r'))
            l.chop(1);
        m_lines << QString::fromUtf8(l);
        m_partial.remove(0, nl + 1);
    }
}

int SimProcess::findFromCursor(const std::function<bool(const QString&)>& match) const
{
    for (int i = qMax(0, m_cursor); i < m_lines.size(); ++i)
        if (match(m_lines.at(i)))
            return i;
    return -1;
}

bool SimProcess::waitForOutput(const QString& line, int timeoutMs)
{
    int found = -1;
    (void)QTest::qWaitFor(
        [&]() {
            found = findFromCursor([&](const QString& l) { return l == line; });
            return found >= 0;
        },
        timeoutMs);
    if (found < 0)
        return false;
    m_cursor = found + 1;
    return true;
}

QString SimProcess::waitForOutputMatch(const QRegularExpression& pattern, int timeoutMs)
{
    int found = -1;
    (void)QTest::qWaitFor(
        [&]() {
            found = findFromCursor([&](const QString& l) { return pattern.match(l).hasMatch(); });
            return found >= 0;
        },
        timeoutMs);
    if (found < 0)
        return QString();
    m_cursor = found + 1;
    return m_lines.at(found);
}
