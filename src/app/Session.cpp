#include "Session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

Session::Session(const QString& folder, QObject* parent)
    : QObject(parent)
    , settings(folder.isEmpty() ? ProgramFolder() : folder)
    , link(settings, conn, display)
    , terminal(settings, conn, display, rx, link)
    , ptt(settings, display)
{
    link.attach(&terminal, &ptt);
    terminal.setLog(&log);
    // A log that cannot be written shows in the byte counter's tooltip.
    connect(&log, &ConversationLog::failureChanged, this, [this] {
        display.setPanelToolTip(Panel::Bytes, log.failing()
                                                  ? QStringLiteral("Conversation log cannot be written: ") + log.error()
                                                  : QString());
    });
}

QString Session::logFolder() const
{
    const Settings& s = settings.s();
    if (!s.logFolder.isEmpty())
        return s.logFolder;
    return QFileInfo(settings.filePath()).absoluteDir().filePath(QLatin1String(ConversationLog::DefaultFolderName));
}

void Session::ApplyLogSettings()
{
    log.setFolder(logFolder(), settings.s().logFolder.isEmpty());
    log.setEnabled(settings.s().logConversations, terminal.utcNow());
}

Session::~Session()
{
    link.closeSockets();
}

QString Session::ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}
