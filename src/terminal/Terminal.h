#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>

class SettingsStore;
class DisplayState;
class RxTextModel;
class ModemLink;
class ConversationLog;
struct ConnectionState;

// modTerminal: outgoing and incoming text, banners and the connection display.
class Terminal : public QObject
{
    Q_OBJECT
public:
    Terminal(SettingsStore& settings, ConnectionState& conn, DisplayState& display, RxTextModel& rx,
             ModemLink& link, QObject* parent = nullptr);

    // Sends the TX box's text (line breaks as the widget gives them: LF or
    // CR LF). Returns true when a block went out, so the caller empties the box.
    bool SendTypedText(const QString& txText);
    void UpdateTransmitProgress(const QString& count);
    void ReceiveDataBytes(const QByteArray& bytes);
    void AppendConnectBanner();
    void UpdateConnectionDisplay();
    void ShowConnecting();
    QString UtcTimeStamp() const;

    // The Clear command.
    void ClearScreen();

    void setClock(std::function<QDateTime()> utcNow) { m_clock = std::move(utcNow); }
    QDateTime utcNow() const { return m_clock(); }
    // Where conversations are logged (none by default).
    void setLog(ConversationLog* log) { m_log = log; }

    // TX box text with every line break as CR LF.
    static QString ToWireLineBreaks(const QString& txText);
    // Half to even, as the progress bar rounds.
    static int ProgressPercent(qint64 bytesToSend, qint64 remaining);
    static QString CallChain(const ConnectionState& conn);

signals:
    // A connection came up that this station did not call.
    void incomingCall(const QString& caller);

private:
    SettingsStore& m_settings;
    ConnectionState& m_conn;
    DisplayState& m_display;
    RxTextModel& m_rx;
    ModemLink& m_link;
    std::function<QDateTime()> m_clock;
    ConversationLog* m_log = nullptr;
};
