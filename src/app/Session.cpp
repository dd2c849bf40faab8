#include "Session.h"

#include <QCoreApplication>

Session::Session(const QString& folder, QObject* parent)
    : QObject(parent)
    , settings(folder.isEmpty() ? ProgramFolder() : folder)
    , link(settings, conn, display)
    , terminal(settings, conn, display, rx, link)
    , ptt(settings, display)
{
    link.attach(&terminal, &ptt);
}

Session::~Session()
{
    link.closeSockets();
}

ModemLinkEnds Session::modemLinkEnds()
{
    // Unlinked: the endpoint last tried, which is the one the settings give.
    if (link.commandRemotePort() != 0)
        return ModemLinkEnds::of(link.winsockZNPComandos(), link.commandRemoteHost(), link.commandRemotePort());
    return ModemLinkEnds::of(link.winsockZNPComandos(), link.modeHost(), quint16(link.modeCommandPort()));
}

QString Session::ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}
