#include "Presenter.h"

#include "Station.h"
#include "link/ModemLink.h"
#include "logbook/Adif.h"
#include "logbook/LoggerLink.h"
#include "logbook/RigFrequency.h"
#include "terminal/ConversationLog.h"

Presenter::Presenter(DisplayState& display, QObject* parent)
    : QObject(parent)
    , m_display(display)
{ }

void Presenter::watch(ModemLink& link)
{
    connect(&link, &ModemLink::linkDown, this, &Presenter::showLinkDown);
    connect(&link, &ModemLink::linkedUp, this, &Presenter::showLinkUp);
    connect(&link, &ModemLink::abortSent, this, &Presenter::showStopping);
}

void Presenter::watch(Terminal& terminal)
{
    m_terminal = &terminal;
    connect(&terminal, &Terminal::connectionStarted, this, &Presenter::showConnectionStarted);
    connect(&terminal, &Terminal::connectionChanged, this, &Presenter::showConnection);
    connect(&terminal, &Terminal::callStarted, this, &Presenter::showCalling);
    connect(&terminal, &Terminal::sendStarted, this, &Presenter::showSendStarted);
    connect(&terminal, &Terminal::sendProgress, this, &Presenter::showSendProgress);
    connect(&terminal, &Terminal::sendFinished, this, &Presenter::showSendFinished);
    connect(&terminal, &Terminal::received, this, &Presenter::showReceived);
    connect(&terminal, &Terminal::unsentReturned, &m_display, &DisplayState::returnToTxBox);
}

void Presenter::watch(PttKeyer& keyer)
{
    m_keyer = &keyer;
    connect(&keyer, &PttKeyer::keyingChanged, this, &Presenter::showKeying);
    connect(&keyer, &PttKeyer::keyingFailed, this, &Presenter::showKeyingFailure);
    connect(&keyer, &PttKeyer::keyingConfirmed, this, &Presenter::showKeyingConfirmed);
}

void Presenter::watch(ConversationLog& log)
{
    // A log that cannot be written shows in the byte counter's tooltip.
    connect(&log, &ConversationLog::failureChanged, this, [this, &log] {
        m_logTrouble = log.failing() ? tr("Conversation log cannot be written: %1").arg(log.error()) : QString();
        showFileTrouble();
    });
}

void Presenter::showQsosWaiting(int count)
{
    m_qsosWaiting = count;
    showFileTrouble();
}

void Presenter::showFileTrouble()
{
    QStringList lines;
    if (!m_logTrouble.isEmpty())
        lines << m_logTrouble;
    if (m_qsosWaiting > 0)
        lines << tr("QSO records waiting for the logbook: %1").arg(m_qsosWaiting);
    m_display.setPanelToolTip(Panel::Bytes, lines.join(QLatin1Char('\n')));
}

void Presenter::showCallSign(const QString& callSign)
{
    m_display.setCaption(CaptionPrefix() + callSign);
}

void Presenter::showMode(Mode mode)
{
    const ModeProfile* profile = ProfileOf(mode);
    m_display.setPttMenuVisible(profile && profile->terminalKeys);
    m_display.setModeChecked(Mode::HF, mode == Mode::HF);
    m_display.setModeChecked(Mode::SAT, mode == Mode::SAT);
    m_display.setModeChecked(Mode::FM, mode == Mode::FM);
}

void Presenter::watch(Station& station)
{
    watch(station.link);
    watch(station.terminal);
    watch(station.keying.keyer());
    watch(station.log);
    watch(station.rig);
    watch(station.loggers);
    connect(&station, &Station::qsosWaitingChanged, this, &Presenter::showQsosWaiting);
    connect(&station, &Station::callSignChanged, this, &Presenter::showCallSign);
    connect(&station, &Station::modeShown, this, &Presenter::showMode);
    connect(&station, &Station::loggingChanged, this, &Presenter::showFrequencyWith);
}

QString Presenter::PortOpenFailureText(const QString& port, const QString& detail)
{
    return ::PortOpenFailureText(port, detail);
}

QString Presenter::KeyingReasonText(KeyingReason reason, qint64 timeoutMs)
{
    switch (reason) {
    case KeyingReason::LinkLost:
        return tr("Unkeyed: the link to the modem was lost");
    case KeyingReason::DataLinkLost:
        return tr("Unkeyed: the modem's data link was lost and no PTT OFF came");
    case KeyingReason::ConnectionEnded:
        return tr("Unkeyed: the connection ended and no PTT OFF came");
    case KeyingReason::Stopped:
        return tr("Unkeyed: the connection was stopped and no PTT OFF came");
    case KeyingReason::SettingsChanged:
        return tr("Unkeyed: the keying settings changed");
    case KeyingReason::TimedOut:
        return tr("PTT time-out: keyed for more than %1 s without PTT OFF. "
                  "Released until the modem sends PTT OFF.")
            .arg(QString::number(timeoutMs / 1000.0));
    case KeyingReason::ModemAsked:
    case KeyingReason::Shutdown:
        break;
    }
    return tr("PTT OFF");
}

// ---- The modem link --------------------------------------------------------------

void Presenter::showLinkDown()
{
    m_display.setPanelPicture(Panel::Tcp, Picture::LedRojo);
    m_display.setPanelToolTip(Panel::Tcp, tr("TCP link disconnected"));
}

void Presenter::showLinkUp()
{
    m_display.setPanelPicture(Panel::Tcp, Picture::LedVerde);
    m_display.setPanelToolTip(Panel::Tcp, QString());
}

void Presenter::showStopping()
{
    m_display.setStopEnabled(false);
    m_display.setPanelText(Panel::Indicativos, tr("Disconnecting..."));
}

// ---- The connection ----------------------------------------------------------------

void Presenter::showConnectionStarted(bool stopping)
{
    if (!stopping)
        m_display.setStopEnabled(true);
    m_display.setSendVisible(true);
}

void Presenter::showBytesCleared()
{
    m_display.setPanelPicture(Panel::Bytes, Picture::None);
    m_display.setPanelText(Panel::Bytes, QString());
    m_display.setProgressVisible(false);
    m_display.setProgressValue(0);
}

void Presenter::showConnection(const ConnectionInfo& info)
{
    switch (info.phase) {
    case ConnectionPhase::Connected:
        m_display.setConnectEnabled(false);
        if (info.stopping)
            return;
        m_display.setPanelPicture(Panel::Indicativos, Picture::Connected);
        m_display.setPanelText(Panel::Indicativos, info.callChain);
        m_connectedShown = true;
        showConnectedToolTip();
        return;
    case ConnectionPhase::LinkDown:
        m_connectedShown = false;
        m_display.setStopEnabled(false);
        m_display.setSendVisible(false);
        m_display.setPanelText(Panel::Indicativos, tr("Disconnected"));
        m_display.setPanelPicture(Panel::Indicativos, Picture::None);
        setConnectionToolTip(tr("Modem Disconnected"));
        showBytesCleared();
        break;
    case ConnectionPhase::Idle:
        m_connectedShown = false;
        showBytesCleared();
        m_display.setConnectEnabled(true);
        m_display.setStopEnabled(false);
        m_display.setSendVisible(false);
        m_display.setPanelText(Panel::Indicativos, tr("Disconnected"));
        m_display.setPanelPicture(Panel::Indicativos, Picture::None);
        setConnectionToolTip(tr("Modem Disconnected"));
        break;
    }
    // A block cut off by the end never completes: Clear works again.
    m_display.setClearEnabled(true);
}

void Presenter::watch(RigFrequency& rig)
{
    m_rig = &rig;
    connect(&rig, &RigFrequency::frequencyChanged, this, [this] {
        if (m_connectedShown)
            showConnectedToolTip();
    });
    // A flood from the rig is said until a frequency is answered again.
    connect(&rig, &RigFrequency::answerFailed, this, [this](RigAnswerFailure why) {
        if (why != RigAnswerFailure::TooLong)
            return;
        m_rigTrouble = tr("rigctld sent a line too long for a frequency: connection dropped");
        setConnectionToolTip(m_connectionTip);
    });
    connect(&rig, &RigFrequency::settled, this, [this] {
        if (m_rig->lastHz() && !m_rigTrouble.isEmpty()) {
            m_rigTrouble.clear();
            setConnectionToolTip(m_connectionTip);
        }
    });
}

void Presenter::showFrequencyWith(bool logging)
{
    m_showFrequency = logging;
    if (m_connectedShown)
        showConnectedToolTip();
}

void Presenter::showConnectedToolTip()
{
    QString tip = tr("Modem Connected");
    if (m_showFrequency && m_rig && m_rig->lastHz())
        tip = tr("Modem Connected, %1 MHz").arg(Adif::MegahertzText(*m_rig->lastHz()));
    setConnectionToolTip(tip);
}

void Presenter::watch(LoggerLink& loggers)
{
    connect(&loggers, &LoggerLink::sendFailed, this, [this](const LoggerFailure& failure) {
        m_loggerTrouble = LoggerFailureText(failure);
        setConnectionToolTip(m_connectionTip);
    });
    connect(&loggers, &LoggerLink::sendingResumed, this, [this] {
        m_loggerTrouble.clear();
        setConnectionToolTip(m_connectionTip);
    });
}

QString Presenter::LoggerFailureText(const LoggerFailure& failure)
{
    const QString where = failure.host + QLatin1Char(':') + QString::number(failure.port);
    QString text = failure.kind == LoggerFailure::Kind::LookupFailed
        ? tr("Logger %1 cannot be reached: host not found").arg(where)
        : tr("Logger %1 cannot be reached").arg(where);
    if (!failure.detail.isEmpty())
        text = tr("%1 (%2)", "a failure and its detail").arg(text, failure.detail);
    return text;
}

void Presenter::setConnectionToolTip(const QString& tip)
{
    m_connectionTip = tip;
    QString shown = tip;
    for (const QString& trouble : {m_rigTrouble, m_loggerTrouble}) {
        if (!trouble.isEmpty())
            shown += (shown.isEmpty() ? QString() : QStringLiteral("\n")) + trouble;
    }
    m_display.setPanelToolTip(Panel::Indicativos, shown);
}

void Presenter::showCalling(const QString& station, bool named, const QStringList& digipeaters)
{
    m_display.setStopEnabled(true);
    // A mode that names no station leaves the panel's text as it was.
    if (named)
        m_display.setPanelText(Panel::Indicativos, tr("Connecting with %1 ...").arg(station));
    m_display.setPanelPicture(Panel::Indicativos, Picture::None);
    const bool via = named && !digipeaters.isEmpty() && m_terminal && m_terminal->showsCallEvents();
    setConnectionToolTip(via ? tr("Via %1").arg(digipeaters.join(QStringLiteral(", "))) : QString());
    m_display.setConnectEnabled(false);
}

// ---- Text out and in ---------------------------------------------------------------

void Presenter::showSendStarted()
{
    m_display.setProgressVisible(true);
    m_display.setSendVisible(false);
    m_display.setClearEnabled(false);
    m_display.setProgressValue(0);
}

void Presenter::showSendProgress(qint64 sent, qint64 total)
{
    m_display.setProgressValue(Terminal::ProgressPercent(total, total - sent));
    m_display.setPanelPicture(Panel::Bytes, Picture::Subiendo);
    m_display.setPanelText(Panel::Bytes, tr("%1 Bytes Sent").arg(sent));
}

void Presenter::showSendFinished()
{
    m_display.setClearEnabled(true);
    m_display.setPanelPicture(Panel::Bytes, Picture::None);
    m_display.setPanelText(Panel::Bytes, QString());
    m_display.setProgressVisible(false);
    m_display.setSendVisible(true);
    m_display.requestTxFocus();
}

void Presenter::showReceived(qint64 total)
{
    m_display.setPanelPicture(Panel::Bytes, Picture::Descargando);
    m_display.setPanelText(Panel::Bytes, tr("%1 Bytes Rcvd").arg(total));
}

// ---- Keying ------------------------------------------------------------------------

void Presenter::showKeying(KeyingState state, KeyingReason reason)
{
    const bool tx = state == KeyingState::Transmitting;
    m_display.setPanelText(Panel::Ptt, tx ? QStringLiteral("TX") : QStringLiteral("RX"));
    m_display.setPanelPicture(Panel::Ptt,
                              tx                                     ? Picture::LedRojo
                                  : reason == KeyingReason::TimedOut ? Picture::LedAmarillo
                                                                     : Picture::LedVerde);
    m_display.setPanelToolTip(Panel::Ptt,
                              tx ? tr("PTT ON") : KeyingReasonText(reason, m_keyer ? m_keyer->timeoutMs() : 0));
}

void Presenter::showKeyingFailure(const KeyingFailure& failure)
{
    m_display.setPanelPicture(Panel::Ptt, Picture::LedAmarillo);
    if (failure.where.isEmpty())
        m_display.setPanelToolTip(Panel::Ptt, failure.why);
    else
        m_display.setPanelToolTip(
            Panel::Ptt,
            (failure.portClosed ? tr("%1 closed: %2") : tr("%1: %2", "where keying failed, and why"))
                .arg(failure.where, failure.why));
}

void Presenter::showKeyingConfirmed(KeyingState state)
{
    const bool tx = state == KeyingState::Transmitting;
    m_display.setPanelPicture(Panel::Ptt, tx ? Picture::LedRojo : Picture::LedVerde);
    m_display.setPanelToolTip(Panel::Ptt, tx ? tr("PTT ON") : tr("PTT OFF"));
}
