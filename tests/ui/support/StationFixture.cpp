#include "StationFixture.h"

#include <QSignalSpy>
#include <QTest>

void aimAt(Settings& s, const FakeModem& modem)
{
    s.hfHost = s.fmHost = s.satHost = modem.host();
    s.hfTcpPort = s.fmTcpPort = s.satTcpPort = modem.commandPort();
}

bool linkTo(Station& station, FakeModem& modem)
{
    QSignalSpy linkedUp(&station.link, &ModemLink::linkedUp);
    QSignalSpy written(&station.link, &ModemLink::commandWritten);
    station.configureCore();
    station.link.CheckSockets();
    const bool up = QTest::qWaitFor(
        [&] {
            return !linkedUp.isEmpty() && station.link.bothConnected() && modem.linked()
                && modem.commands().size() == written.size();
        },
        10000);
    if (!up)
        qWarning("not linked: link %s, modem %s, %d of %d commands arrived",
                 station.link.bothConnected() ? "up" : "down", modem.linked() ? "linked" : "not linked",
                 int(modem.commands().size()), int(written.size()));
    return up;
}
