#pragma once

#include "app/DesktopStation.h"
#include "app/frmKeldoTerminal.h"
#include "support/StationFixture.h"
#include "support/TestShell.h"

#include <QDir>
#include <memory>

// The desktop's station on its own settings folder, for the dialogs.
using StationFixture = StationFixtureOf<DesktopStation>;

// A main window on its own settings folder, as the program builds it, with
// the shell's actions recorded instead of carried out (the fixture's shell
// answers while the fixture lives).
struct TerminalFixture : StationFixture
{
    TestShell shell;
    QStringList& opened = shell.opened;
    QStringList& launched = shell.launched;
    QStringList& killed = shell.killed;
    std::unique_ptr<frmKeldoTerminal> window;

    // The program's path, in the settings folder (the portable use): the
    // change log is looked for beside it.
    QString programPath() const { return QDir(dir.path()).filePath(QStringLiteral("keldo-terminal")); }

    void create()
    {
        createStation();
        window = std::make_unique<frmKeldoTerminal>(*station);
    }

    // Creates the window and runs the start-up sequence.
    bool load()
    {
        create();
        return window->Form_Load(programPath());
    }

    // Starts with no modem program launched; more: further [Setup] lines,
    // then any other sections.
    bool loadWithoutProgram(const QByteArray& more = QByteArray())
    {
        writeIni("[Setup]\r\nAutoLaunch=0\r\n" + more);
        return load();
    }
    // As loadWithoutProgram, with the HF modem at port on this machine.
    bool loadWithModemAt(int port, const QByteArray& more = QByteArray())
    {
        return loadWithoutProgram("HF Host=127.0.0.1\r\nHF TCP Port=" + QByteArray::number(port) + "\r\n" + more);
    }
};
