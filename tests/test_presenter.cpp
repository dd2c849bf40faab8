#include "presenter/DisplayState.h"
#include "presenter/Presenter.h"
#include "ptt/PttKeyer.h"

#include <QtTest>

#include <memory>

// What the PTT panel shows of what the keyer announces.
class TestPresenter : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void keyingChangesTextThenPictureThenToolTip();
    void failuresAndConfirmationsShowOnThePanel();

private:
    PanelState panel() const { return m_display->panel(Panel::Ptt); }

    std::unique_ptr<DisplayState> m_display;
    std::unique_ptr<Presenter> m_presenter;
    std::unique_ptr<PttKeyer> m_keyer;
};

void TestPresenter::init()
{
    m_display = std::make_unique<DisplayState>();
    m_presenter = std::make_unique<Presenter>(*m_display);
    m_keyer = std::make_unique<PttKeyer>();
    m_presenter->watch(*m_keyer);
}

void TestPresenter::cleanup()
{
    m_keyer.reset();
    m_presenter.reset();
    m_display.reset();
}

void TestPresenter::keyingChangesTextThenPictureThenToolTip()
{
    QList<PanelState> seen;
    connect(m_display.get(), &DisplayState::changed, this, [&] { seen << panel(); });
    m_keyer->PttOn();
    QCOMPARE(seen,
             (QList<PanelState>{
                 {"TX", "", Picture::None}, {"TX", "", Picture::LedRojo}, {"TX", "PTT ON", Picture::LedRojo}}));
    seen.clear();
    m_keyer->PttOff();
    QCOMPARE(seen,
             (QList<PanelState>{{"RX", "PTT ON", Picture::LedRojo},
                                {"RX", "PTT ON", Picture::LedVerde},
                                {"RX", "PTT OFF", Picture::LedVerde}}));
}

void TestPresenter::failuresAndConfirmationsShowOnThePanel()
{
    m_keyer->PttOn();
    emit m_keyer->keyingFailed(KeyingFailure{QStringLiteral("COM7 (/dev/ttyS6)"), QStringLiteral("busy")});
    QCOMPARE(panel(), (PanelState{"TX", "COM7 (/dev/ttyS6): busy", Picture::LedAmarillo}));
    emit m_keyer->keyingFailed(KeyingFailure{QStringLiteral("COM3"), QStringLiteral("gone"), true});
    QCOMPARE(panel().toolTip, QStringLiteral("COM3 closed: gone"));
    // rigctld names itself in its reason.
    emit m_keyer->keyingFailed(KeyingFailure{QString(), QStringLiteral("rigctld: RPRT -1")});
    QCOMPARE(panel(), (PanelState{"TX", "rigctld: RPRT -1", Picture::LedAmarillo}));
    emit m_keyer->keyingConfirmed(KeyingState::Transmitting);
    QCOMPARE(panel(), (PanelState{"TX", "PTT ON", Picture::LedRojo}));

    emit m_keyer->keyingChanged(KeyingState::Receiving, KeyingReason::TimedOut);
    QCOMPARE(panel().picture, Picture::LedAmarillo);
    QVERIFY(panel().toolTip.startsWith(QStringLiteral("PTT time-out: ")));
    emit m_keyer->keyingChanged(KeyingState::Receiving, KeyingReason::LinkLost);
    QCOMPARE(panel(), (PanelState{"RX", "Unkeyed: the link to the modem was lost", Picture::LedVerde}));
    emit m_keyer->keyingFailed(KeyingFailure{QString(), QStringLiteral("rigctld 127.0.0.1:4532: no answer")});
    emit m_keyer->keyingConfirmed(KeyingState::Receiving);
    QCOMPARE(panel(), (PanelState{"RX", "PTT OFF", Picture::LedVerde}));
}

QTEST_GUILESS_MAIN(TestPresenter)
#include "test_presenter.moc"
