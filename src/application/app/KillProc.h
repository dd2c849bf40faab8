#pragma once

#include <QString>

// The part of path after its last "\" or "/"; "" when path ends with either.
QString FileNameOfPath(const QString& path);

// Ends every process of this user whose file name is name, compared without
// regard to case: the name it was started as (the last component of its
// first argument, "/" or "\" separated, so a Windows program run under an
// emulator is found too), the file name of its executable, or, for a script
// run by its interpreter, the file name of the script (an argument naming a
// file whose "#!" line names the interpreter). The whole name must match; the
// terminal itself is never ended. An empty name does nothing.
void KillProcessByName(const QString& name);

// True when the process pid belongs to this user and has file name name, by
// the whole-name rule above.
bool ProcessHasName(qint64 pid, const QString& name);
