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

QString Session::ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}
