#include "logbook/LoggerLink.h"
#include "logbook/RigFrequency.h"
#include "presenter/DisplayState.h"
#include "presenter/Presenter.h"
#include "ptt/PttKeyer.h"
#include "support/FakeRigctld.h"

#include <QtTest>

namespace {

// A keyer whose announcements a presenter shows.
struct Watched
{
    DisplayState display;
    Presenter presenter{display};
    PttKeyer keyer;
    Watched() { presenter.watch(keyer); }
    PanelState panel() const { return display.panel(Panel::Ptt); }
};

} // namespace

// What the PTT panel shows of what the keyer announces.
class TestPresenter : public QObject
{
    Q_OBJECT
private slots:
    void keyingChangesTextThenPictureThenToolTip();
    void failuresAndConfirmationsShowOnThePanel();
    void loggerTroubleShowsInTheConnectionToolTip();
    void rigFloodShowsUntilAFrequencyIsAnswered();
};

void TestPresenter::keyingChangesTextThenPictureThenToolTip()
{
    Watched w;
    QList<PanelState> seen;
    connect(&w.display, &DisplayState::changed, this, [&] { seen << w.panel(); });
    w.keyer.PttOn();
    QCOMPARE(seen,
             (QList<PanelState>{
                 {"TX", "", Picture::None}, {"TX", "", Picture::LedRojo}, {"TX", "PTT ON", Picture::LedRojo}}));
    seen.clear();
    w.keyer.PttOff();
    QCOMPARE(seen,
             (QList<PanelState>{{"RX", "PTT ON", Picture::LedRojo},
                                {"RX", "PTT ON", Picture::LedVerde},
                                {"RX", "PTT OFF", Picture::LedVerde}}));
}

void TestPresenter::failuresAndConfirmationsShowOnThePanel()
{
    Watched w;
    w.keyer.PttOn();
    emit w.keyer.keyingFailed(KeyingFailure{QStringLiteral("COM7 (/dev/ttyS6)"), QStringLiteral("busy")});
    QCOMPARE(w.panel(), (PanelState{"TX", "COM7 (/dev/ttyS6): busy", Picture::LedAmarillo}));
    emit w.keyer.keyingFailed(KeyingFailure{QStringLiteral("COM3"), QStringLiteral("gone"), true});
    QCOMPARE(w.panel().toolTip, QStringLiteral("COM3 closed: gone"));
    // rigctld names itself in its reason.
    emit w.keyer.keyingFailed(KeyingFailure{QString(), QStringLiteral("rigctld: RPRT -1")});
    QCOMPARE(w.panel(), (PanelState{"TX", "rigctld: RPRT -1", Picture::LedAmarillo}));
    emit w.keyer.keyingConfirmed(KeyingState::Transmitting);
    QCOMPARE(w.panel(), (PanelState{"TX", "PTT ON", Picture::LedRojo}));

    emit w.keyer.keyingChanged(KeyingState::Receiving, KeyingReason::TimedOut);
    QCOMPARE(w.panel().picture, Picture::LedAmarillo);
    QVERIFY(w.panel().toolTip.startsWith(QStringLiteral("PTT time-out: ")));
    emit w.keyer.keyingChanged(KeyingState::Receiving, KeyingReason::LinkLost);
    QCOMPARE(w.panel(), (PanelState{"RX", "Unkeyed: the link to the modem was lost", Picture::LedVerde}));
    emit w.keyer.keyingFailed(KeyingFailure{QString(), QStringLiteral("rigctld 127.0.0.1:4532: no answer")});
    emit w.keyer.keyingConfirmed(KeyingState::Receiving);
    QCOMPARE(w.panel(), (PanelState{"RX", "PTT OFF", Picture::LedVerde}));
}

// Below whatever the connection panel's tooltip says, until datagrams go again.
void TestPresenter::loggerTroubleShowsInTheConnectionToolTip()
{
    Watched w;
    LoggerLink loggers;
    w.presenter.watch(loggers);
    const auto tip = [&] { return w.display.panel(Panel::Indicativos).toolTip; };
    emit loggers.sendFailed(LoggerFailure{LoggerFailure::Kind::LookupFailed, "logger.lan", 2237, "Host not found"});
    QCOMPARE(tip(), QString("Logger logger.lan:2237 cannot be reached: host not found (Host not found)"));
    emit loggers.sendingResumed();
    QCOMPARE(tip(), QString());
    emit loggers.sendFailed(LoggerFailure{LoggerFailure::Kind::SendFailed, "192.0.2.1", 2237, QString()});
    QCOMPARE(tip(), QString("Logger 192.0.2.1:2237 cannot be reached"));
    emit loggers.sendingResumed();
    QCOMPARE(tip(), QString());
}

void TestPresenter::rigFloodShowsUntilAFrequencyIsAnswered()
{
    Watched w;
    FakeRigctld fake;
    QVERIFY(fake.listen());
    RigFrequency rig;
    rig.setMinInterval(0);
    rig.setAddress("127.0.0.1", fake.port());
    w.presenter.watch(rig);
    const auto tip = [&] { return w.display.panel(Panel::Indicativos).toolTip; };
    fake.flood = true;
    rig.ask();
    QTRY_COMPARE(tip(), QString("rigctld sent a line too long for a frequency: connection dropped"));
    fake.flood = false;
    fake.reply = "RPRT -11\n";
    QSignalSpy settled(&rig, &RigFrequency::settled);
    rig.ask();
    QVERIFY(settled.wait(10000));
    QVERIFY(!tip().isEmpty());
    fake.reply = "7074000\n";
    rig.ask();
    QTRY_COMPARE(tip(), QString());
}

QTEST_GUILESS_MAIN(TestPresenter)
#include "test_presenter.moc"
