#pragma once

#include <QByteArray>
#include <QString>

// The file a save replaces: the end of the chain of links at path, so that
// every link stays a link and the real file is the one updated. Empty, with
// the reason, when the chain does not end.
QString SaveTarget(const QString& path, QString* why);

// Clears the temporary files that saves of targetPath cut short by a kill
// left beside it.
void RemoveUnfinishedSaves(const QString& targetPath);

// Writes bytes to path through a temporary file in the same folder and a
// rename, keeping the old file's permissions. A path that is a link, or a
// chain of them, writes the file at the end of the chain: every link stays.
// A read-only file is not replaced, nor is anything that is not a regular
// file. Returns false on any failure (with the reason in error); the old
// file is then untouched.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Renames from over to (replacing it).
bool RenameReplacing(const QString& from, const QString& to, QString* error);
