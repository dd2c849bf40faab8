#include "Session.h"

#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

Session::Session(const QString& folder, QObject* parent)
    : QObject(parent)
    , settings(folder.isEmpty() ? ProgramFolder() : folder)
    , presenter(display)
    , link(settings, conn)
    , terminal(settings, conn, rx, link)
{
    // The presenter hears of every change first: the window shows it before
    // anyone acts on it.
    presenter.watch(link);
    presenter.watch(terminal);
    presenter.watch(ptt);
    presenter.watch(log);
    presenter.watch(rig);
    presenter.watch(loggers);

    // The one place the link reaches the terminal and the keyer.
    connect(&link, &ModemLink::dataReceived, &terminal, &Terminal::ReceiveDataBytes);
    connect(&link, &ModemLink::connected, &terminal, &Terminal::ShowConnected);
    connect(&link, &ModemLink::bufferReported, &terminal, &Terminal::UpdateTransmitProgress);
    connect(&link, &ModemLink::callingOut, &terminal, &Terminal::ShowConnecting);
    connect(&link, &ModemLink::linkedUp, &terminal, &Terminal::UpdateConnectionDisplay);
    connect(&link, &ModemLink::linkDown, &terminal, &Terminal::UpdateConnectionDisplay);
    connect(&link, &ModemLink::disconnected, &terminal, &Terminal::UpdateConnectionDisplay);
    connect(&terminal, &Terminal::connectionStarted, this, [this] { m_lastOtherStation = conn.OtherStation(); });

    // The keyer follows the modem, and lets go when the modem cannot.
    connect(&link, &ModemLink::pttRequested, &ptt, [this](bool on) { on ? ptt.PttOn() : ptt.PttOff(); });
    connect(&link, &ModemLink::commandLinkLost, &ptt, [this] {
        ptt.endTimeoutHold();
        ptt.releaseNow(KeyingReason::LinkLost);
    });
    // What the keyer did by itself is told in words, not only by the lamp.
    connect(&ptt, &PttKeyer::portLostWhileKeyed, this, [this](const QString& device) {
        if (settings.s().keyerLines)
            terminal.appendNotice(
                QStringLiteral("PTT port %1 lost while transmitting: the radio may still be on the air").arg(device));
    });
    connect(&ptt, &PttKeyer::portBackAndReleased, this, [this](const QString& device) {
        if (settings.s().keyerLines)
            terminal.appendNotice(QStringLiteral("PTT port %1 back: transmitter released").arg(device));
    });
    connect(&ptt, &PttKeyer::keyingChanged, this, [this](KeyingState, KeyingReason reason) {
        if (reason == KeyingReason::TimedOut && settings.s().keyerLines)
            terminal.appendNotice(
                QStringLiteral("Transmit time-out: transmitter released until the modem sends PTT OFF"));
    });
    connect(&link, &ModemLink::dataLinkLost, &ptt, [this] { ptt.releaseAfterGrace(KeyingReason::DataLinkLost); });
    connect(&link, &ModemLink::disconnected, &ptt, [this] { ptt.releaseAfterGrace(KeyingReason::ConnectionEnded); });
    connect(&link, &ModemLink::abortSent, &ptt, [this] { ptt.releaseAfterGrace(KeyingReason::Stopped); });
    // The core reports; the operator is told here.
    connect(&settings, &SettingsStore::saveFailed, this,
            [](const QString& text) { MessageBox::show(nullptr, text, MessageBox::Icon::Warning); });
    connect(&ptt, &PttKeyer::portOpenFailed, this, [this](const QString& port, const QString& detail) {
        MessageBox::show(m_messageParent, Presenter::PortOpenFailureText(port, detail), MessageBox::Icon::Warning);
    });

    terminal.setLog(&log);
}

QString Session::logFolder() const
{
    const Settings& s = settings.s();
    return s.logFolder.isEmpty() ? defaultLogFolder() : s.logFolder;
}

QString Session::defaultLogFolder() const
{
    // Beside the settings file; a second station (--settings other.ini in
    // the same folder) gets a folder of its own so conversations never mix.
    const QFileInfo ini(settings.filePath());
    const QString name = ini.fileName() == QLatin1String(SettingsStore::FileName)
        ? QLatin1String(ConversationLog::DefaultFolderName)
        : ini.completeBaseName() + QStringLiteral(" logs");
    return ini.absoluteDir().filePath(name);
}

void Session::applyLogSettings()
{
    log.setFolder(logFolder(), settings.s().logFolder.isEmpty());
    log.setEnabled(settings.s().logConversations, terminal.utcNow());
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

MacroContext Session::macroContext(RigFrequency::Question question) const
{
    const Settings& s = settings.s();
    MacroContext c;
    c.myCall = s.myCallsign;
    c.call = conn.ConnectionActive ? conn.OtherStation() : m_lastOtherStation;
    c.utc = terminal.utcNow();
    const Mode mode = s.keldoMode.value();
    c.mode = mode == Mode::HF ? QStringLiteral("HF")
        : mode == Mode::FM    ? QStringLiteral("FM")
        : mode == Mode::SAT   ? QStringLiteral("SAT")
                              : QString();
    // Only HF has a bandwidth to choose.
    if (mode == Mode::HF)
        c.bandwidth = s.keldoHfBw;
    // An answer to an earlier question may be from before a retune.
    if (const auto hz = rig.answerTo(question)) {
        c.frequency = Adif::MegahertzText(*hz);
        c.band = Adif::BandOf(*hz);
    }
    return c;
}
