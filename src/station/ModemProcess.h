#pragma once

#include "ProgramShell.h"
#include "WinePath.h"
#include "link/CommandChannel.h"
#include "settings/Mode.h"

#include <QHostAddress>
#include <QList>
#include <QProcessEnvironment>
#include <QString>

#include <functional>

class QTcpSocket;
struct Settings;

// The modem command connection as this terminal sees it: the modem's end
// (host and command port) and, while linked, the terminal's own end.
struct ModemLinkEnds
{
    QHostAddress modemAddress;
    quint16 modemPort = 0;
    QHostAddress terminalAddress;
    quint16 terminalPort = 0; // 0 while not linked

    // From the command socket, or from the host and port it was last sent to.
    static ModemLinkEnds of(const QTcpSocket& command, const QString& host, quint16 port);
    // The same from the link's mirror of the command socket.
    static ModemLinkEnds of(bool connected, const SocketEnds& command, const QString& host, quint16 port);
};

// Processes of this user that own the modem's end of that connection on this
// machine: the connected socket while linked, otherwise the command port
// listening on the link's address or on all addresses. Empty when the modem
// is on another machine.
QList<qint64> ProcessesServingLink(const ModemLinkEnds& ends);

// The modem programs this terminal starts and ends. A program is started in
// a process group of its own and remembered, so that ending it ends exactly
// it and what it started; other programs of the same name are left alone.
// No widgets here: failures come back as results.
class ModemProcesses
{
public:
    ModemProcesses();
    ~ModemProcesses();
    ModemProcesses(const ModemProcesses&) = delete;
    ModemProcesses& operator=(const ModemProcesses&) = delete;

    // The environment programs are looked up in and started with (PATH, WINEPREFIX).
    void setEnvironment(const QProcessEnvironment& env) { m_env = env; }
    const QProcessEnvironment& environment() const { return m_env; }

    ModemProgramPlan plan(const QString& keyText) const { return PlanModemProgram(keyText, m_env); }

    enum class Launch { Started, Opened, NotFound, WineMissing, Failed };
    // Starts the program a modem-program key names, without waiting for it.
    // An executable runs in the terminal's current folder; a Windows program
    // runs under wine in its own folder; any other file goes to the desktop.
    // Unless started or opened, problem gets what the operator is told.
    Launch launch(const QString& keyText, QString* problem = nullptr, const QStringList& arguments = {});

    // Ends the modem program named fileName (whole name, case ignored) that
    // serves this terminal: the one started here, with its process group,
    // then the process of that name serving link, wherever it was started.
    void end(const QString& fileName, const ModemLinkEnds& link);

    // Leaders of the groups started here and not ended, for tests.
    QList<qint64> started() const;
    // A program started here is still running (not merely a zombie).
    bool isRunning(qint64 pid) const;

private:
    struct Child
    {
        qint64 pid;
        QString fileName;
        bool ended;
    };
    void reapEnded();
    Launch start(const ModemProgramPlan& plan, const QStringList& arguments, QString& reason);

    QProcessEnvironment m_env;
    // Kept unreaped until ended: the zombie keeps its number, and so the
    // group's, from going to another process.
    QList<Child> m_children;
};

// The program shell of a running station: modem programs are started and
// ended through the record of what was started here.
class ModemShell : public ProgramShell
{
public:
    // linkEnds: the command connection as it stands when a program is ended.
    ModemShell(ModemProcesses& modem, std::function<ModemLinkEnds()> linkEnds)
        : m_modem(modem)
        , m_linkEnds(std::move(linkEnds))
    { }

    QString launchProgram(const QString& keyText, const QStringList& arguments) override;
    void killProcessByName(const QString& fileName) override;

private:
    ModemProcesses& m_modem;
    std::function<ModemLinkEnds()> m_linkEnds;
};

// The practice modem, known by its file name, whatever folder it is in.
bool IsPracticeModem(const QString& keyText);
// What a modem program is started with: the practice modem is told the
// address and command port the terminal links to; any other program nothing.
QStringList ModemProgramArguments(const QString& keyText, const QString& host, qint64 port);

// Ends the modem program of mode as the settings name it now (another mode
// text: FM's), through the shell, which tests replace. Shutdown and a change
// of mode or program end it here, and only here.
void EndModemProgramOf(const Settings& s, Mode mode);
