#include "Session.h"

#include "ptt/FileKeyingJournal.h"
#include "ptt/KeyingState.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

Session::Session(const QString& folder, QObject* parent)
    : QObject(parent)
    , settings(folder.isEmpty() ? ProgramFolder() : folder)
    , presenter(display)
    , link(settings, conn, &keying.channel())
    , terminal(settings, conn, rx, link)
{
    // The presenter hears of every change first: the window shows it before
    // anyone acts on it.
    presenter.watch(link);
    presenter.watch(terminal);
    presenter.watch(keying.keyer());
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

    // The keyer follows the modem's PTT lines, DISCONNECTED and a lost
    // command link on its own thread; what starts here reaches it queued.
    PttKeyer& ptt = keying.keyer();
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
    connect(&link, &ModemLink::dataLinkLost, this, [this] { keying.releaseAfterGrace(KeyingReason::DataLinkLost); });
    connect(&link, &ModemLink::abortSent, this, [this] { keying.releaseAfterGrace(KeyingReason::Stopped); });
    connect(&link, &ModemLink::commandLineTooLong, this,
            [] { qWarning("the modem sent a command line past the limit: link dropped"); });
    // The core reports; the operator is told here.
    connect(&settings, &SettingsStore::saveFailed, this,
            [](const QString& text) { MessageBox::show(nullptr, text, MessageBox::Icon::Warning); });
    connect(&ptt, &PttKeyer::portOpenFailed, this, [this](const QString& port, const QString& detail) {
        MessageBox::show(m_messageParent, Presenter::PortOpenFailureText(port, detail), MessageBox::Icon::Warning);
    });

    terminal.setLog(&log);

    settings.setWriter(&files);
    log.setWriter(&files);
    connect(&logbook, &Logbook::waitingChanged, &presenter, &Presenter::showQsosWaiting);
    // A folder that stops answering is told once; everything else goes on.
    connect(&files, &FileWriter::stalled, this, [this](const QString& path, const QString&) {
        const QString stalledFolder = QFileInfo(path).absolutePath();
        if (m_stallsTold.contains(stalledFolder))
            return;
        m_stallsTold << stalledFolder;
        const QString text =
            QStringLiteral("The folder %1 does not answer: writing %2 did not finish within %3 s.\nThe terminal goes "
                           "on without it; what could not be written is kept where it can be and written when the "
                           "folder answers again.")
                .arg(QDir::toNativeSeparators(stalledFolder), QFileInfo(path).fileName())
                .arg(files.stallBound() / 1000.0);
        if (TerminarAplicacion)
            qWarning("%s", qPrintable(text));
        else
            MessageBox::show(m_messageParent, text, MessageBox::Icon::Warning);
    });
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
    // The trace follows the log folder.
    if (keyingJournal && keyingTracePath() != m_keyingTrace)
        startKeyingJournal();
}

QString Session::keyingTracePath() const
{
    return QDir(logFolder()).filePath(QStringLiteral("keying.log"));
}

QString Session::keyingStatePath() const
{
    return KeyingStatePathFor(settings.filePath());
}

void Session::startKeyingJournal()
{
    m_keyingTrace = keyingTracePath();
    auto journal = JournalThrough(files, m_keyingTrace, keyingStatePath());
    // The keyer takes the new journal on its own thread before the old one
    // goes; a keyer that does not answer in time may still hold the old one,
    // which is then left alive rather than pulled from under it.
    KeyingJournal* const next = journal.get();
    if (!keying.runWaiting([next](PttKeyer& k) { k.setJournal(next); }, JournalSwapWaitMs))
        (void)keyingJournal.release();
    keyingJournal = std::move(journal);
}

Session::~Session()
{
    link.closeSockets();
}

ModemLinkEnds Session::modemLinkEnds()
{
    // Unlinked: the endpoint last tried, which is the one the settings give.
    const bool up = link.commandConnected();
    if (link.commandRemotePort() != 0)
        return ModemLinkEnds::of(up, link.commandEnds(), link.commandRemoteHost(), link.commandRemotePort());
    return ModemLinkEnds::of(up, link.commandEnds(), link.modeHost(), quint16(link.modeCommandPort()));
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
