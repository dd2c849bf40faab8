#pragma once

#include <QString>

#include <functional>

// True when something (a file or a folder) exists at path, taken as given.
bool FileExistsAtPath(const QString& path);

// Starts the modem program at path without waiting for it. The path is one
// file name, never parsed by a shell: blanks and quotes are part of it. An
// executable file is started directly and detached, in the terminal's
// current folder; anything else is handed to the document opener (the
// desktop's associated application). False when neither took it.
bool LaunchModemProgram(const QString& path);

// Opens a local file (its absolute path) with the desktop's associated
// application; true when taken. None set: nothing is opened.
using DocumentOpener = std::function<bool(const QString& absolutePath)>;
void SetDocumentOpener(DocumentOpener opener);
