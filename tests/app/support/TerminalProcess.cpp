#include "TerminalProcess.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

TerminalProcess::~TerminalProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool TerminalProcess::start(const QString& program, const QStringList& args, const QString& home)
{
    const bool switchUser = m_uid >= 0 && ::geteuid() == 0;
    const QString runtime = QDir(home).filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (switchUser && ::chown(QFile::encodeName(runtime).constData(), uid_t(m_uid), gid_t(m_uid)) != 0)
        return false;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (m_noDisplay) {
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
    }
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.qpa.*=false"));
    env.insert(QStringLiteral("KELDO_STARTUP_PROBE"), QStringLiteral("1"));
    if (!m_boxesWait)
        env.insert(QStringLiteral("KELDO_MESSAGE_PROBE"), QStringLiteral("1"));
    env.insert(m_variables);
    m_process.setProcessEnvironment(env);
    m_process.setWorkingDirectory(home);
    if (switchUser) {
        m_process.start(QStringLiteral("setpriv"),
                        QStringList{QStringLiteral("--reuid=%1").arg(m_uid), QStringLiteral("--regid=%1").arg(m_uid),
                                    QStringLiteral("--clear-groups"), QStringLiteral("--"), program}
                            + args);
    } else {
        m_process.start(program, args);
    }
    return m_process.waitForStarted();
}

void TerminalProcess::read()
{
    m_out += m_process.readAllStandardOutput();
    m_err += m_process.readAllStandardError();
}

QByteArray TerminalProcess::output()
{
    read();
    return m_out;
}

QByteArray TerminalProcess::errorOutput()
{
    read();
    return m_err;
}

bool TerminalProcess::up()
{
    return output().contains("startup-shown\n");
}

QStringList TerminalProcess::messageBoxes()
{
    QStringList boxes;
    for (const QByteArray& line : output().split('\n'))
        if (line.startsWith("message-box: "))
            boxes << QString::fromLocal8Bit(line.mid(13));
    return boxes;
}

bool TerminalProcess::waitForExit(int ms)
{
    const bool ended = m_process.state() == QProcess::NotRunning || m_process.waitForFinished(ms);
    read();
    return ended;
}

int TerminalProcess::exitCode() const
{
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

void TerminalProcess::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    ::kill(pid_t(m_process.processId()), SIGKILL);
    waitForExit();
}

bool TerminalProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return false;
    ::kill(pid_t(m_process.processId()), SIGTERM);
    return waitForExit() && exitCode() == 0;
}
