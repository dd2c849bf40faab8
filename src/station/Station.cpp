#include "Station.h"

#include "files/Diagnostics.h"
#include "ptt/FileKeyingJournal.h"
#include "ptt/KeyingState.h"
#include "settings/CallSign.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace {

// The operator reads the notice in his language; the conversation log keeps it in English.
void NoticeOnScreenAndLog(Terminal& terminal, const char* source, const QString& arg = QString())
{
    QString shown = QCoreApplication::translate("Station", source);
    QString logged = QString::fromUtf8(source);
    if (!arg.isNull()) {
        shown = shown.arg(arg);
        logged = logged.arg(arg);
    }
    terminal.appendNotice(shown, logged);
}

} // namespace

QString PortOpenFailureText(const QString& port, const QString& detail)
{
    QString text = QCoreApplication::translate(
                       "Station", "Unable to open radio serial port %1. May be in use by another application.")
                       .arg(port);
    if (!detail.isEmpty())
        text += QLatin1Char('\n') + detail;
    return text;
}

Station::Station(const QString& folder, QObject* parent, const FirstListener& firstListener)
    : QObject(parent)
    , settings(folder.isEmpty() ? ProgramFolder() : folder)
    , link(LinkConfigOf(settings.s()), conn, &keying.channel())
    , terminal(ConversationConfigOf(settings.s()), conn, rx, link)
{
    // Whoever must hear of every change first (the desktop's presenter).
    if (firstListener)
        firstListener(*this);

    m_macroRigWait.setSingleShot(true);
    m_macroRigWait.setInterval(1000);
    connect(&m_macroRigWait, &QTimer::timeout, this, &Station::runWaitingMacros);
    connect(&rig, &RigFrequency::settled, this, [this] {
        if (m_macroRigWait.isActive() && rig.answered(m_macroQuestion))
            runWaitingMacros();
    });

    // The one place the link reaches the terminal and the keyer.
    connect(&link, &ModemLink::dataReceived, &terminal, &Terminal::ReceiveDataBytes);
    connect(&link, &ModemLink::connected, &terminal, &Terminal::ShowConnected);
    connect(&link, &ModemLink::bufferReported, &terminal, &Terminal::UpdateTransmitProgress);
    connect(&link, &ModemLink::callingOut, &terminal, &Terminal::ShowConnecting);
    connect(&link, &ModemLink::linkedUp, &terminal, &Terminal::UpdateConnectionDisplay);
    connect(&link, &ModemLink::linkDown, &terminal, &Terminal::UpdateConnectionDisplay);
    connect(&link, &ModemLink::disconnected, &terminal, &Terminal::UpdateConnectionDisplay);
    connect(&terminal, &Terminal::connectionStarted, this, [this] { m_lastOtherStation = conn.OtherStation(); });
    connect(&terminal, &Terminal::incomingCall, this, &Station::incomingCall);
    connect(&terminal, &Terminal::alertWordReceived, this,
            [this](const QString& word) { emit alertWordReceived(conn.OtherStation(), word); });

    // The keyer follows the modem's PTT lines, DISCONNECTED and a lost
    // command link on its own thread; what starts here reaches it queued.
    PttKeyer& ptt = keying.keyer();
    // What the keyer did by itself is told in words, not only by the lamp.
    connect(&ptt, &PttKeyer::portLostWhileKeyed, this, [this](const QString& device) {
        if (settings.s().keyerLines)
            NoticeOnScreenAndLog(terminal,
                                 QT_TRANSLATE_NOOP("Station",
                                                   "PTT port %1 lost while transmitting: the radio may "
                                                   "still be on the air"),
                                 device);
    });
    connect(&ptt, &PttKeyer::portBackAndReleased, this, [this](const QString& device) {
        if (settings.s().keyerLines)
            NoticeOnScreenAndLog(terminal, QT_TRANSLATE_NOOP("Station", "PTT port %1 back: transmitter released"),
                                 device);
    });
    connect(&ptt, &PttKeyer::keyingChanged, this, [this](KeyingState, KeyingReason reason) {
        if (reason == KeyingReason::TimedOut && settings.s().keyerLines)
            NoticeOnScreenAndLog(
                terminal,
                QT_TRANSLATE_NOOP("Station", "Transmit time-out: transmitter released until the modem sends PTT OFF"));
    });
    connect(&link, &ModemLink::dataLinkLost, this, [this] { keying.releaseAfterGrace(KeyingReason::DataLinkLost); });
    connect(&link, &ModemLink::abortSent, this, [this] { keying.releaseAfterGrace(KeyingReason::Stopped); });
    connect(&link, &ModemLink::commandLineTooLong, this,
            [] { qWarning("the modem sent a command line past the limit: link dropped"); });
    // The core reports; the operator is told through the front ends.
    connect(&settings, &SettingsStore::saveFailed, this, [this](const QString& text) {
        tell({Attention::Kind::SaveFailed, text, {}});
    });
    connect(&ptt, &PttKeyer::portOpenFailed, this, [this](const QString& port, const QString& detail) {
        tell({Attention::Kind::PortOpenFailed, PortOpenFailureText(port, detail), port});
    });
    // Queued: the operator is not told inside the arrival that failed to log;
    // not once shutdown has begun either (that would keep the program alive).
    connect(
        &log, &ConversationLog::failed, this,
        [this](const QString& text) {
            if (!TerminarAplicacion)
                tell({Attention::Kind::LogFailed, text, {}});
        },
        Qt::QueuedConnection);

    terminal.setLog(&log);

    settings.setWriter(&files);
    log.setWriter(&files);
    connect(&logbook, &Logbook::waitingChanged, this, &Station::qsosWaitingChanged);
    // A folder that stops answering is told once; everything else goes on.
    connect(&files, &FileWriter::stalled, this, [this](const QString& path, const QString&) {
        const QString stalledFolder = QFileInfo(path).absolutePath();
        if (m_stallsTold.contains(stalledFolder))
            return;
        m_stallsTold << stalledFolder;
        const QString text =
            tr("The folder %1 does not answer: writing %2 did not finish within %3 s.\nThe terminal goes "
               "on without it; what could not be written is kept where it can be and written when the "
               "folder answers again.")
                .arg(QDir::toNativeSeparators(stalledFolder), QFileInfo(path).fileName())
                .arg(files.stallBound() / 1000.0);
        if (TerminarAplicacion)
            qWarning("%s", qPrintable(text));
        else
            tell({Attention::Kind::FolderStalled, text, {}});
    });
}

QString ControlSideName(ControlSide side)
{
    switch (side) {
    case ControlSide::Desktop:
        return QCoreApplication::translate("Station", "the desktop");
    case ControlSide::Console:
        return QCoreApplication::translate("Station", "the console");
    case ControlSide::Browser:
        break;
    }
    return QCoreApplication::translate("Station", "a browser");
}

void Station::takeControl(ControlSide side, const QString& name)
{
    const QString who = side == ControlSide::Browser ? name : QString();
    if (side == m_control && who == m_controllerName)
        return;
    m_control = side;
    m_controllerName = who;
    emit controlChanged(side, who);
}

void Station::controlLinkLost(const QString& browser)
{
    NoticeOnScreenAndLog(
        terminal, QT_TRANSLATE_NOOP("Station", "Control link to %1 lost: stopped, the unsent text kept"), browser);
    keying.runWaiting([browser](PttKeyer& k) { k.note("control-link-lost", browser); }, 0);
}

void Station::setRemoteAccess(const RemoteAccessState& state)
{
    m_remoteAccess = state;
    emit remoteAccessChanged(state);
}

void Station::tell(const Attention& attention)
{
    if (answered() && !m_unattended) {
        emit attentionRequested(attention);
        return;
    }
    // A box would hold up a logout, and nobody reads a console that is gone.
    QString text = attention.text;
    Diagnostics::Write("keldo-terminal: " + text.replace(QLatin1Char('\n'), QLatin1String(": ")).toLocal8Bit());
}

bool Station::connectTo(const QString& call, const QString& via1, const QString& via2)
{
    ConnectChoice choice;
    choice.hf = choice.fm = choice.sat = call.trimmed().toUpper();
    choice.via1 = via1.trimmed().toUpper();
    choice.via2 = via2.trimmed().toUpper();
    QString target = choice.hf;
    if (!link.bothConnected() || target.isEmpty() || !IsValidCallSign(target))
        return false;
    for (QString* via : {&choice.via1, &choice.via2})
        if (!via->isEmpty() && !IsValidCallSign(*via))
            return false;
    choice.call = true;
    controller.apply(choice);
    return true;
}

void Station::stop()
{
    link.SendAbort();
}

bool Station::sendText(const QString& text)
{
    return terminal.SendTypedText(text);
}

bool Station::runMacro(int index, QObject* context, std::function<void(const ExpandedMacro&)> done)
{
    if (index < 0 || index >= int(s().macros.size()) || s().macros[size_t(index)].text.isEmpty())
        return false;
    const QString text = s().macros[size_t(index)].text;
    m_waitingMacros.push_back({text, context, std::move(done)});
    // Behind one that waits for the rig: its turn comes after it.
    if (m_macroRigWait.isActive())
        return true;
    // A retuned rig would give an old <FREQ>: it is asked now, never blocking.
    m_macroQuestion = 0;
    if (MacroUsesFrequency(text) && rig.configured()) {
        m_macroQuestion = rig.ask();
        if (!rig.answered(m_macroQuestion)) {
            m_macroRigWait.start();
            return true;
        }
    }
    runWaitingMacros();
    return true;
}

void Station::runWaitingMacros()
{
    m_macroRigWait.stop();
    const RigFrequency::Question question = std::exchange(m_macroQuestion, 0);
    for (const WaitingMacro& m : std::exchange(m_waitingMacros, {}))
        if (m.context)
            m.done(ExpandMacro(m.text, macroContext(question)));
}

void Station::clear()
{
    terminal.ClearScreen();
}

QString Station::logFolder() const
{
    const Settings& s = settings.s();
    return s.logFolder.isEmpty() ? defaultLogFolder() : s.logFolder;
}

QString Station::defaultLogFolder() const
{
    // Beside the settings file; a second station (--settings other.ini in
    // the same folder) gets a folder of its own so conversations never mix.
    const QFileInfo ini(settings.filePath());
    const QString name = ini.fileName() == QLatin1String(SettingsStore::FileName)
        ? QLatin1String(ConversationLog::DefaultFolderName)
        : ini.completeBaseName() + QStringLiteral(" logs");
    return ini.absoluteDir().filePath(name);
}

void Station::configureCore()
{
    const Settings& st = settings.s();
    link.configure(LinkConfigOf(st));
    terminal.configure(ConversationConfigOf(st));
    qsos.configure(LogbookConfigOf(st));
}

void Station::applyLogSettings()
{
    log.setFolder(logFolder(), settings.s().logFolder.isEmpty());
    log.setEnabled(settings.s().logConversations, terminal.utcNow());
    // The trace follows the log folder.
    if (keyingJournal && keyingTracePath() != m_keyingTrace)
        startKeyingJournal();
}

QString Station::keyingTracePath() const
{
    return QDir(logFolder()).filePath(QStringLiteral("keying.log"));
}

QString Station::keyingStatePath() const
{
    return KeyingStatePathFor(settings.filePath());
}

void Station::startKeyingJournal()
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

Station::~Station()
{
    link.closeSockets();
}

ModemLinkEnds Station::modemLinkEnds()
{
    // Unlinked: the endpoint last tried, which is the one the settings give.
    const bool up = link.commandConnected();
    if (link.commandRemotePort() != 0)
        return ModemLinkEnds::of(up, link.commandEnds(), link.commandRemoteHost(), link.commandRemotePort());
    return ModemLinkEnds::of(up, link.commandEnds(), link.modeHost(), quint16(link.modeCommandPort()));
}

QString Station::ProgramFolder()
{
    return QCoreApplication::applicationDirPath();
}

MacroContext Station::macroContext(RigFrequency::Question question) const
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
