#pragma once

#include "widgets/Shell.h"

class Session;

// The program's shell: modem programs are started and ended through the
// session's record of what it started; the rest is the desktop's.
class DesktopShell : public Shell
{
public:
    explicit DesktopShell(Session& session)
        : m_session(session)
    { }

    void launchProgram(const QString& keyText) override;
    void killProcessByName(const QString& fileName) override;

private:
    Session& m_session;
};
