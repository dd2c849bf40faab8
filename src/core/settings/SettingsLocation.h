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
};

// programFolder: the folder holding the program.
// configHome: $XDG_CONFIG_HOME, or ~/.config when it is unset.
// explicitFile: the file named on the command line (--settings), or empty.
//
// The file beside the program is used when it is writable, or absent in a
// writable folder; otherwise "<configHome>/KELDO Terminal/KELDO Terminal.ini",
// which starts from a read-only file beside the program. A file named on the
// command line starts from the settings used without it.
SettingsLocation LocateSettings(const QString& programFolder, const QString& configHome,
                                const QString& explicitFile = QString());

// The settings path resolved for comparison: links followed and, for a file
// not created yet, its nearest existing folder made canonical, so that two
// spellings of one file give one text.
QString CanonicalSettingsPath(const QString& path);

// Where the change log may lie, in the order to try: beside the program, in
// the documentation folder relative to the program (an unpacked package), in
// the documentation folder the build was installed to.
QStringList ChangeLogCandidates(const QString& programFolder);
