#pragma once

#include "app/Session.h"
#include "app/frmKeldoTerminal.h"
#include "support/TestShell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

// A main window on its own settings folder, as the program builds it, with
// the shell's actions recorded instead of carried out (the fixture's shell
// answers while the fixture lives).
struct TerminalFixture
{
    QTemporaryDir dir;
    TestShell shell;
    QStringList& opened = shell.opened;
    QStringList& launched = shell.launched;
    QStringList& killed = shell.killed;
    std::unique_ptr<Session> session;
    std::unique_ptr<frmKeldoTerminal> window;

    QString iniPath() const { return QDir(dir.path()).filePath(QStringLiteral("KELDO Terminal.ini")); }
    // The program's path, in the settings folder (the portable use): the
    // change log is looked for beside it.
    QString programPath() const { return QDir(dir.path()).filePath(QStringLiteral("keldo-terminal")); }

    void writeIni(const QByteArray& text)
    {
        QFile f(iniPath());
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }
    QByteArray readIni() const
    {
        QFile f(iniPath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    void create()
    {
        session = std::make_unique<Session>(dir.path());
        window = std::make_unique<frmKeldoTerminal>(*session);
    }

    // Creates the window and runs the start-up sequence.
    bool load()
    {
        create();
        return window->Form_Load(programPath());
    }
};
