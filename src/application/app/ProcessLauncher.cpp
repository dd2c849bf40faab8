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

void LaunchModemProgram(const QString& path)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (info.isFile() && info.isExecutable()) {
        // Absolute, so that a bare name is never looked up in PATH.
        QProcess::startDetached(info.absoluteFilePath(), QStringList(), QDir::currentPath());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}
