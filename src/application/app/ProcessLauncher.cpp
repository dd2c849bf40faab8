#include "ProcessLauncher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
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

bool DocumentViewerAvailable()
{
    // A sandbox hands documents to the desktop portal instead.
    if (!qEnvironmentVariableIsEmpty("FLATPAK_ID") || !qEnvironmentVariableIsEmpty("SNAP"))
        return true;
    static const char* const launchers[] = {"xdg-open", "gio", "kde-open", "kde-open5", "kfmclient",
                                            "gnome-open", "gvfs-open", "exo-open"};
    for (const char* name : launchers)
        if (!QStandardPaths::findExecutable(QLatin1String(name)).isEmpty())
            return true;
    return false;
}
