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

void OpenDocument(const QString& pathOrUrl)
{
    if (pathOrUrl.isEmpty())
        return;
    static const char* const schemes[] = {"http://", "https://", "mailto:", "file:"};
    for (const char* scheme : schemes) {
        if (pathOrUrl.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) {
            QDesktopServices::openUrl(QUrl(pathOrUrl, QUrl::StrictMode));
            return;
        }
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(pathOrUrl).absoluteFilePath()));
}
