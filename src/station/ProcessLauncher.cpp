#include "ProcessLauncher.h"

#include "files/LogCategories.h"

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
    bool launched = false;
    if (info.isFile() && info.isExecutable()) {
        qCInfo(lcProcess) << "starting detached" << info.absoluteFilePath();
        launched = QProcess::startDetached(info.absoluteFilePath(), QStringList(), QDir::currentPath());
    } else {
        qCInfo(lcProcess) << "opening with the desktop" << info.absoluteFilePath();
        launched = opener() && opener()(info.absoluteFilePath());
    }
    if (!launched)
        qCWarning(lcProcess) << "cannot launch" << info.absoluteFilePath();
    return launched;
}

void SetDocumentOpener(DocumentOpener open)
{
    opener() = std::move(open);
}
