#pragma once

#include <QString>
#include <QStringList>

// Which settings file a run uses.
struct SettingsLocation
{
    // The file read at start-up and written by every save.
    QString file;
    // Read instead while `file` does not exist yet: the starting values of a
    // new file (a read-only "KELDO Terminal.ini" beside an installed program).
    QString seed;

    // Neither exists: the run starts from the defaults alone.
    bool nothingToRead() const;
};

// programFolder: the folder holding the program.
// configHome: $XDG_CONFIG_HOME, or ~/.config when it is unset.
// explicitFile: the file named on the command line (--settings), or empty.
// installed: the program runs from where it was installed
// (IsInstalledProgramFolder).
//
// Installed, the settings are "<configHome>/KELDO Terminal/KELDO Terminal.ini"
// for every user, root included, and a file beside the program only gives its
// starting values. Otherwise (a build folder, a folder the operator copied
// the program into) the file beside the program is used when it is writable,
// or absent in a writable folder; else the one under configHome, again
// starting from the file beside the program. A file named on the command line
// starts from the settings used without it.
SettingsLocation LocateSettings(const QString& programFolder, const QString& configHome,
                                const QString& explicitFile = QString(), bool installed = false);

// The program's folder is the folder the build installs programs to, or
// /usr/bin or /usr/local/bin (compared with every link followed).
bool IsInstalledProgramFolder(const QString& programFolder);

// The settings path resolved for comparison: every link followed, also a
// link whose target does not exist yet, so that every spelling of one file
// (and every link to it) gives one text.
QString CanonicalSettingsPath(const QString& path);

// Where the change log may lie, in the order to try: beside the program, in
// the documentation folder relative to the program (an unpacked package), in
// the documentation folder the build was installed to.
QStringList ChangeLogCandidates(const QString& programFolder);
