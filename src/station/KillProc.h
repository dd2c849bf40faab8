#pragma once

#include <QString>

// The part of path after its last "\" or "/"; "" when path ends with either.
QString FileNameOfPath(const QString& path);

// True when the process pid belongs to this user and has file name name,
// compared without regard to case: the name it was started as (the last
// component of its first argument, "/" or "\" separated, so a Windows
// program run under an emulator is found too), the file name of its
// executable, or, for a script run by its interpreter, the file name of the
// script (an argument naming a file whose "#!" line names the interpreter).
// The whole name must match; an empty name matches nothing.
bool ProcessHasName(qint64 pid, const QString& name);

#if defined(Q_OS_WIN)
// Ends every process of this user with executable file name name (whole
// name, case ignored), as the modem is ended on Windows; never the terminal
// itself. An empty name does nothing.
void KillProcessByName(const QString& name);
#endif
