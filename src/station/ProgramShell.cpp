#include "ProgramShell.h"

#include <QFileInfo>
#include <QList>

namespace {

QList<ProgramShell*>& installed()
{
    static QList<ProgramShell*> shells;
    return shells;
}

} // namespace

ProgramShell::~ProgramShell()
{
    remove(this);
}

ProgramShell& ProgramShell::current()
{
    static ProgramShell plain;
    return installed().isEmpty() ? plain : *installed().last();
}

void ProgramShell::install(ProgramShell* shell)
{
    remove(shell);
    installed().append(shell);
}

void ProgramShell::remove(ProgramShell* shell)
{
    installed().removeAll(shell);
}

// The plain shell knows nothing of modem programs; ModemShell does.
QString ProgramShell::launchProgram(const QString& keyText, const QStringList&)
{
    qWarning("No shell to start %s", qPrintable(keyText));
    return QString();
}

void ProgramShell::killProcessByName(const QString& fileName)
{
    qWarning("No shell to end %s", qPrintable(fileName));
}

bool ProgramShell::fileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}
