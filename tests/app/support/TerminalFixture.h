#pragma once

#include "app/DesktopStation.h"
#include "app/frmKeldoTerminal.h"
#include "support/TestShell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

// A station on its own settings folder, for the dialogs.
struct StationFixture
{
    QTemporaryDir dir;
    std::unique_ptr<DesktopStation> station;

    void createStation() { station = std::make_unique<DesktopStation>(dir.path()); }
    Settings& s() { return station->s(); }

    QString iniPath() const { return QDir(dir.path()).filePath(QStringLiteral("KELDO Terminal.ini")); }
    void writeIni(const QByteArray& text)
    {
        QFile f(iniPath());
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }
    // The files the station handed to its writer are on the disk.
    bool settleFiles() const { return !station || station->files.flush(10000); }
    bool iniExists() const
    {
        settleFiles();
        return QFile::exists(iniPath());
    }
    QByteArray readIni() const
    {
        settleFiles();
        QFile f(iniPath());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

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
