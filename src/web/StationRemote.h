#pragma once

#include "RemoteStation.h"
#include "logbook/QsoRecord.h"

#include <QMap>

#include <memory>

class RxFeed;
class Station;

// The running station as the web front end sees it: its conversation as
// numbered chunks, its status, its QSO questions while a browser is in
// control, and control shared with the front end the program runs with.
class StationRemote : public RemoteStation
{
    Q_OBJECT
public:
    explicit StationRemote(Station& station, QObject* parent = nullptr);
    ~StationRemote() override;

    RemoteSnapshot snapshot() const override;
    ControllerId controller() const override;
    void sendText(const QString& text) override;
    void connectTo(const QString& call, const QString& via1, const QString& via2) override;
    void stop() override;
    void clear() override;
    void sendMacro(int n) override;
    void answerQso(quint64 id, bool log) override;
    void takeControl(const ControllerId& who) override;
    void controlLinkLost(const ControllerId& who) override;

private:
    RemoteStatus status() const;
    void statusMayHaveChanged();
    bool browserInControl() const;
    // Questions no browser can answer any more are logged as they stand.
    void settleAll();

    Station& m_station;
    std::unique_ptr<RxFeed> m_feed;
    RemoteConnection m_connection = RemoteConnection::Idle;
    QString m_connectionText;
    bool m_ptt = false;
    bool m_textQueued = false;
    qint64 m_bytesSent = 0;
    qint64 m_bytesReceived = 0;
    bool m_answering = false;
    quint64 m_nextQso = 1;
    QMap<quint64, QsoRecord> m_questions;
};

// The web front end on a station: serves it when the settings enable it,
// and tells the station what it does. Ended before the station.
std::unique_ptr<QObject> AttachWebFrontEnd(Station& station);
