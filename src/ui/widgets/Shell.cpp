#include "Shell.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QList>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

namespace {

QList<Shell*>& installed()
{
    static QList<Shell*> shells;
    return shells;
}

} // namespace

Shell::~Shell()
{
    remove(this);
}

Shell& Shell::current()
{
    static Shell desktop;
    return installed().isEmpty() ? desktop : *installed().last();
}

void Shell::install(Shell* shell)
{
    remove(shell);
    installed().append(shell);
    ProgramShell::install(shell);
}

void Shell::remove(Shell* shell)
{
    installed().removeAll(shell);
    ProgramShell::remove(shell);
}

bool Shell::openDocument(const QString& pathOrUrl)
{
    if (pathOrUrl.isEmpty())
        return false;
    static const char* const schemes[] = {"http://", "https://", "mailto:", "file:"};
    for (const char* scheme : schemes) {
        if (pathOrUrl.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return QDesktopServices::openUrl(QUrl(pathOrUrl, QUrl::StrictMode));
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(pathOrUrl).absoluteFilePath()));
}

bool Shell::documentViewerAvailable()
{
    // A sandbox hands documents to the desktop portal instead.
    if (!qEnvironmentVariableIsEmpty("FLATPAK_ID") || !qEnvironmentVariableIsEmpty("SNAP"))
        return true;
    // What Qt's document launcher looks for on the PATH.
    static const char* const launchers[] = {"xdg-open",  "gio",        "kde-open",  "kde-open5",
                                            "kfmclient", "gnome-open", "gvfs-open", "exo-open"};
    for (const char* name : launchers)
        if (!QStandardPaths::findExecutable(QLatin1String(name)).isEmpty())
            return true;
    return false;
}

QString Shell::chooseFolder(QWidget* parent, const QString& caption, const QString& current)
{
    return QFileDialog::getExistingDirectory(parent, caption, current);
}

void Shell::showMessage(QWidget* parent, const MessageBox::Shown& shown)
{
    QMessageBox::Icon icon = QMessageBox::Information;
    if (shown.icon == MessageBox::Icon::Warning)
        icon = QMessageBox::Warning;
    else if (shown.icon == MessageBox::Icon::Critical)
        icon = QMessageBox::Critical;
    QMessageBox box(icon, shown.title, shown.text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
