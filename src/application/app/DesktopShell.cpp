#include "DesktopShell.h"

#include "app/Session.h"

void DesktopShell::launchProgram(const QString& keyText)
{
    m_session.modem.launch(keyText);
}

void DesktopShell::killProcessByName(const QString& fileName)
{
    m_session.modem.end(fileName, m_session.modemLinkEnds());
}
