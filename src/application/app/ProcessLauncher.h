#pragma once

#include <QString>

// True when something (a file or a folder) exists at path, taken as given.
bool FileExistsAtPath(const QString& path);

// Starts the modem program at path without waiting for it. The path is one
// file name, never parsed by a shell: blanks and quotes are part of it. An
// executable file is started directly and detached, in the terminal's
// current folder; anything else is handed to the desktop's associated
// application. False when neither took it.
bool LaunchModemProgram(const QString& path);
