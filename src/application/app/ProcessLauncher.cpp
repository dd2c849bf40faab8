#include "ProcessLauncher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

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
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}
