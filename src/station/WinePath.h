#pragma once

#include <QProcessEnvironment>
#include <QString>

// How a modem-program key is run on this machine. On Linux a Windows program
// (".exe", any case) runs under Wine, and a drive path ("C:\KELDO\KELDO.exe")
// names a file inside the Wine prefix. The key's text itself never changes.
struct ModemProgramPlan
{
    QString keyText; // as the settings hold it
    QString path; // the file on this machine
    bool throughWine = false; // started as "wine <path>"
    QString wine; // wine found on PATH; empty when it is not there

    bool wineMissing() const { return throughWine && wine.isEmpty(); }
    // A drive path was looked up in the prefix: the file tried differs from the key.
    bool resolved() const { return path != keyText; }
};

namespace WinePath {

// "C:\..." or "c:/...": a drive letter, a colon and a separator.
bool IsDrivePath(const QString& text);
// $WINEPREFIX, or ~/.wine when it is unset or empty.
QString Prefix(const QProcessEnvironment& env);
// The file a drive path names under prefix: the letter through
// "<prefix>/dosdevices/<letter>:", the text's "." and ".." folded first as
// Windows folds them (".." at the drive's root stays there), each folder and
// file name matched without regard to case, as Windows does; a component
// found nowhere is kept as written.
QString Resolve(const QString& drivePath, const QString& prefix);
// wine on the PATH of env; empty when there is none.
QString FindWine(const QProcessEnvironment& env);

} // namespace WinePath

ModemProgramPlan PlanModemProgram(const QString& keyText,
                                  const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

// The operator's messages for a program that cannot be started. The first
// line of "file not found" is the key's text; a second names the file tried
// on this machine when it differs.
QString ModemProgramNotFoundText(const ModemProgramPlan& plan);
QString WineMissingText(const ModemProgramPlan& plan);
