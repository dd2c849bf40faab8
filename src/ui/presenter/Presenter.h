#pragma once

#include "Version.h"
#include "presenter/DisplayState.h"
#include "ptt/PttKeyer.h"
#include "terminal/Terminal.h"

#include <QObject>
#include <QPointer>

class LoggerLink;
class ModemLink;
class RigFrequency;
class Station;
struct LoggerFailure;

inline const QString& CaptionPrefix()
{
    static const QString prefix = QStringLiteral("KELDO Terminal v" KELDO_VERSION "      ");
    return prefix;
}

class ConversationLog;

// Turns what the core announces into what the window shows: panel texts,
// pictures and tooltips, the commands' states, the progress bar. The one
// writer of the status panels; it needs no widgets.
class Presenter : public QObject
{
    Q_OBJECT
public:
    explicit Presenter(DisplayState& display, QObject* parent = nullptr);

    // The station's parts and its own announcements, before the station
    // wires its parts together.
    void watch(Station& station);
    // Each part is watched once, before anyone else hears of its changes,
    // so the window shows a change before it is acted on.
    void watch(ModemLink& link);
    void watch(Terminal& terminal);
    void watch(PttKeyer& keyer);
    void watch(ConversationLog& log);
    // QSO records waiting for the logbook file to take them (0: none).
    void showQsosWaiting(int count);
    // The rig's frequency goes in the connection panel's tooltip while
    // QSOs are logged (showFrequencyWith); a rig flooding its connection is
    // said there until it answers a frequency again.
    void watch(RigFrequency& rig);
    void showFrequencyWith(bool logging);
    // A logger that cannot be reached is said in the connection panel's
    // tooltip until a datagram goes again.
    void watch(LoggerLink& loggers);
    static QString LoggerFailureText(const LoggerFailure& failure);

    // The caption: the program and version, then the call sign once known.
    void showCallSign(const QString& callSign);
    // The mode menu's check marks and the visibility of "PTT..." (another
    // mode text ticks nothing and hides "PTT...").
    void showMode(Mode mode);

    // "Unable to open radio serial port COM3. ...", and the reason below it.
    static QString PortOpenFailureText(const QString& port, const QString& detail = QString());
    // The PTT panel's tooltip for an unkey of the keyer's own.
    static QString KeyingReasonText(KeyingReason reason, qint64 timeoutMs);

private:
    // The byte counter's tooltip: what of the files cannot be written.
    void showFileTrouble();
    QString m_logTrouble;
    int m_qsosWaiting = 0;
    void showLinkDown();
    void showLinkUp();
    void showStopping();
    void showConnectionStarted(bool stopping);
    void showConnection(const ConnectionInfo& info);
    void showConnectedToolTip();
    // The connection panel's tooltip: tip, and the logbook's trouble below it.
    void setConnectionToolTip(const QString& tip);
    void showCalling(const QString& station, bool named, const QStringList& digipeaters);
    void showSendStarted();
    void showSendProgress(qint64 sent, qint64 total);
    void showSendFinished();
    void showReceived(qint64 total);
    void showBytesCleared();
    void showKeying(KeyingState state, KeyingReason reason);
    void showKeyingFailure(const KeyingFailure& failure);
    void showKeyingConfirmed(KeyingState state);

    DisplayState& m_display;
    // Lives on the keying thread and may be gone before its last signal is heard.
    QPointer<const PttKeyer> m_keyer;
    const Terminal* m_terminal = nullptr;
    const RigFrequency* m_rig = nullptr;
    bool m_showFrequency = false;
    QString m_connectionTip; // without the logbook's trouble
    QString m_loggerTrouble;
    QString m_rigTrouble;
    bool m_connectedShown = false;
};
