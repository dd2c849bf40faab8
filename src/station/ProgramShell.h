#pragma once

#include <QString>
#include <QStringList>

// What the station asks of the system: start and end the modem programs,
// look for files. One shell answers for the whole program: the one
// installed last (a front end's, which may do more; tests record instead).
class ProgramShell
{
public:
    ProgramShell() = default;
    virtual ~ProgramShell();
    ProgramShell(const ProgramShell&) = delete;
    ProgramShell& operator=(const ProgramShell&) = delete;

    // Starts the modem program a settings key names, not waited for, with
    // these arguments. What went wrong, for the operator; empty when it started.
    virtual QString launchProgram(const QString& keyText, const QStringList& arguments = {});
    // Ends the program of that file name that serves this terminal.
    virtual void killProcessByName(const QString& fileName);
    // Something (a file or a folder) exists at path, taken as given.
    virtual bool fileExists(const QString& path);

    // The shell installed last, or a plain one that starts and ends nothing.
    static ProgramShell& current();
    static void install(ProgramShell* shell);
    // Takes shell out, wherever it stands among those installed.
    static void remove(ProgramShell* shell);
};
