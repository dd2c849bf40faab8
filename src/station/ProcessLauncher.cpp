#include "ProcessLauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

DocumentOpener& opener()
{
    static DocumentOpener open;
    return open;
}

} // namespace

bool FileExistsAtPath(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool LaunchModemProgram(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    // Absolute, so that a bare name is never looked up in PATH.
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(info.absoluteFilePath(), QStringList(), QDir::currentPath());
    return opener() && opener()(info.absoluteFilePath());
}

void SetDocumentOpener(DocumentOpener open)
{
    opener() = std::move(open);
}
