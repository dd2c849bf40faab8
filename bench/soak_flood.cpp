// A modem gone mad: a scripted modem (FakeModem) linked to a DesktopStation sends
//  - 100 MB on the command channel without a line end (past the line limit
//    the terminal drops the link and makes it again, each time),
//  - a CONNECTED line of 1 MB (dropped with the link; and one just under the
//    line limit, taken),
//  - BUFFER counts beyond every integer range while a block is outstanding,
//  - NUL bytes and every byte value 0..255 on both channels, and a long run
//    of every byte value on the data channel,
// and afterwards a normal round (PTT ON, CONNECTED, a line out with its
// BUFFER countdown, a reply, PTT OFF) must still work, the data link never
// having dropped.
// Memory is sampled all along: the peak (VmHWM) and the resident size over
// time are printed, and the growth over the start must stay bounded.
//
//   soak_flood [--command-mb N] [--data-mb N] [--connected-kb N] [--limit-mb N]
//
// Defaults: 100 MB without a CR, 20 MB of every byte value on the data
// channel, a 1024 KB CONNECTED line, at most 64 MB of growth.

#include "app/DesktopStation.h"
#include "support/BenchSupport.h"
#include "support/FakeModem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace bench;

namespace {

const QString CrLf = QStringLiteral("\r\n");

struct Phase
{
    QString name;
    qint64 startKb = 0, maxKb = 0, endKb = 0;
    double seconds = 0;
};

} // namespace

int main(int argc, char** argv)
{
    defaultToOffscreen();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int commandMb = argValue(args, QStringLiteral("--command-mb"), 100);
    const int dataMb = argValue(args, QStringLiteral("--data-mb"), 20);
    const int connectedKb = argValue(args, QStringLiteral("--connected-kb"), 1024);
    const int limitMb = argValue(args, QStringLiteral("--limit-mb"), 64);

    Failures fail;
    fail.catchMessageBoxes();

    FakeModem modem;
    QTemporaryDir dir;
    if (!dir.isValid() || !modem.listen()) {
        std::fprintf(stderr, "no temporary folder or no free ports\n");
        return 2;
    }
    writeTerminalIni(dir.path(), soakIni(modem.commandPort()));
    DesktopStation se(dir.path());
    se.settings.LoadSettings();

    // Memory over time, and the longest RX text ever seen.
    QElapsedTimer clock;
    clock.start();
    std::vector<Phase> phases;
    Phase* current = nullptr;
    QTimer sampler;
    sampler.setInterval(20);
    QObject::connect(&sampler, &QTimer::timeout, &app, [&] {
        if (current)
            current->maxKb = std::max(current->maxKb, statusKb("VmRSS"));
    });
    sampler.start();
    qsizetype rxMax = 0;
    QObject::connect(&se.rx, &RxTextModel::changed, &app, [&] { rxMax = std::max(rxMax, se.rx.length()); });
    auto begin = [&](const QString& name) {
        phases.push_back(Phase{name, statusKb("VmRSS"), statusKb("VmRSS"), 0, double(clock.elapsed())});
        current = &phases.back();
    };
    auto end = [&] {
        current->endKb = statusKb("VmRSS");
        current->maxKb = std::max(current->maxKb, current->endKb);
        current->seconds = (double(clock.elapsed()) - current->seconds) / 1000.0;
        current = nullptr;
    };
    phases.reserve(16);

    // The command channel is quiet: nothing arrived for a while, so what
    // the modem wrote has all been read.
    qint64 lastCmdArrival = 0;
    // The socket is the keying thread's: heard queued, never called.
    QObject::connect(&se.keying.channel().socket(), &QIODevice::readyRead, &app,
                     [&] { lastCmdArrival = clock.elapsed(); });
    qint64 lastCmdSent = 0;
    auto send = [&](const QByteArray& bytes) {
        lastCmdSent = clock.elapsed();
        modem.sendCommandBytes(bytes);
    };
    auto settle = [&] {
        if (!runUntil([&] { return lastCmdArrival >= lastCmdSent && clock.elapsed() - lastCmdArrival > 30; }, 60000))
            fail(QStringLiteral("the terminal stopped reading the command channel"));
    };
    auto waitFor = [](const std::function<bool()>& cond, int ms = 10000) { return runUntil(cond, ms); };
    auto ptt = [&] { return se.display.panel(Panel::Ptt).text; };
    // A barrier on the command channel: PTT toggled, and the terminal showed it.
    auto commandWorks = [&](const QString& why) {
        const bool on = ptt() != QLatin1String("TX");
        modem.sendLine(on ? QStringLiteral("PTT ON") : QStringLiteral("PTT OFF"));
        if (!waitFor([&] { return ptt() == QLatin1String(on ? "TX" : "RX"); }))
            fail(QStringLiteral("%1: the command channel no longer works (PTT panel \"%2\")").arg(why, ptt()));
    };
    const qint64 startKb = statusKb("VmRSS");

    se.configureCore();
    se.link.CheckSockets();
    se.link.armSupervision();
    if (!waitFor([&] {
            return se.link.bothConnected() && modem.linked() && modem.commands().contains(QStringLiteral("BW2300"));
        })) {
        std::fprintf(stderr, "no link-up with the scripted modem\n");
        return 2;
    }
    const qint64 baseKb = statusKb("VmRSS");
    // An overlong command line drops the command link, which is made again at once.
    int commandLinks = 1;
    auto overlong = [&](const QByteArray& bytes, const QString& why) {
        ++commandLinks;
        modem.sendCommandBytes(bytes);
        if (!waitFor([&] {
                return modem.commandAccepts() == commandLinks && modem.linked() && se.link.bothConnected()
                    && modem.commands().endsWith(QStringLiteral("BW2300"));
            }))
            fail(QStringLiteral("%1: the command link was not dropped and made again (%2 connections)")
                     .arg(why)
                     .arg(modem.commandAccepts()));
        commandWorks(why);
    };

    // 1. The command channel without a CR.
    begin(QStringLiteral("%1 MB on the command channel without a CR").arg(commandMb));
    {
        QByteArray chunk(1 << 20, Qt::Uninitialized);
        for (int i = 0; i < chunk.size(); ++i) {
            const char b = char(i & 0xFF);
            chunk[i] = b == '\r' || b == '\n' ? 'R' : b;
        }
        // What a link takes before it is dropped; the rest goes with it.
        for (int mb = 0; mb < commandMb; ++mb)
            overlong(chunk, QStringLiteral("after %1 MB without a line end").arg(mb + 1));
    }
    const double floodSeconds = (double(clock.elapsed()) - phases.back().seconds) / 1000.0;
    end();

    // 2. CONNECTED lines: one of 1 MB (over the line limit: dropped whole,
    // with the link), one just under it (taken as it stands).
    begin(QStringLiteral("CONNECTED lines of %1 KB and 60 KB").arg(connectedKb));
    {
        const qsizetype rxBefore = se.rx.length();
        overlong(QByteArray("CONNECTED ") + QByteArray(connectedKb * 1024, 'A') + " EA1ABC 2300\r",
                 QStringLiteral("after the 1 MB CONNECTED line"));
        if (se.conn.ConnectionActive || se.rx.length() != rxBefore)
            fail(QStringLiteral("the overlong CONNECTED line was taken in part"));
        modem.sendLine(QStringLiteral("CONNECTED N0CALL-1 ") + QString(60000, QLatin1Char('B'))
                       + QStringLiteral(" 2300"));
        if (!waitFor([&] { return se.conn.ConnectionActive; }))
            fail(QStringLiteral("a 60 KB CONNECTED line was not taken"));
        modem.sendLine(QStringLiteral("DISCONNECTED"));
        if (!waitFor([&] {
                return !se.conn.ConnectionActive
                    && se.display.panel(Panel::Indicativos).text == QLatin1String("Disconnected");
            }))
            fail(QStringLiteral("DISCONNECTED after the long CONNECTED line not shown"));
        commandWorks(QStringLiteral("after the CONNECTED lines"));
    }
    end();

    // 3. BUFFER counts beyond every integer range, with a block outstanding.
    begin(QStringLiteral("BUFFER counts beyond every range"));
    int outOfRange = 0;
    {
        modem.sendLine(QStringLiteral("CONNECTED EA1ABC N0CALL-1 2300")); // a call from EA1ABC
        if (!waitFor([&] { return se.display.panel(Panel::Indicativos).text == QLatin1String("EA1ABC <-> N0CALL-1"); }))
            fail(QStringLiteral("CONNECTED not shown"));
        // With no block outstanding a count is ignored.
        const QString before = se.rx.text();
        modem.sendLine(QStringLiteral("BUFFER 0"));
        commandWorks(QStringLiteral("BUFFER with no block"));
        if (se.rx.text() != before)
            fail(QStringLiteral("BUFFER 0 with no block outstanding changed the RX screen"));

        auto sendBlock = [&](const QString& text) {
            modem.clearData();
            if (!se.terminal.SendTypedText(text)
                || !waitFor([&] { return modem.dataReceived() == text.toLatin1() + '\r'; }))
                fail(QStringLiteral("block \"%1\" did not reach the modem").arg(text));
        };
        auto outstanding = [&](const QString& text) {
            return se.conn.BytesToSend == text.size() + 1 && !se.display.sendVisible()
                && !se.rx.text().endsWith(text + CrLf);
        };
        sendBlock(QStringLiteral("HELLO"));
        const QStringList huge = {QStringLiteral("99999999999999999999999"),
                                  QStringLiteral("4294967296"),
                                  QStringLiteral("4294967295"),
                                  QStringLiteral("2147483648"),
                                  QStringLiteral("2147483647"),
                                  QStringLiteral("18446744073709551616"),
                                  QStringLiteral("18446744073709551615"),
                                  QStringLiteral("9223372036854775808"),
                                  QStringLiteral("9223372036854775807"),
                                  QStringLiteral("65536"),
                                  QStringLiteral("256"),
                                  QStringLiteral("7"),
                                  QStringLiteral("+99999999999999999999999"),
                                  QString(60000, QLatin1Char('9')),
                                  QStringLiteral("1") + QString(40, QLatin1Char('0'))};
        for (const QString& n : huge) {
            modem.sendLine(QStringLiteral("BUFFER ") + n);
            commandWorks(QStringLiteral("after BUFFER %1").arg(n.left(30)));
            ++outOfRange;
            if (!outstanding(QStringLiteral("HELLO")) || se.display.progressValue() != 0
                || se.display.panel(Panel::Bytes).text != QLatin1String("0 Bytes Sent"))
                fail(QStringLiteral("BUFFER %1 with a 6-byte block: progress %2, \"%3\"")
                         .arg(n.left(30))
                         .arg(se.display.progressValue())
                         .arg(se.display.panel(Panel::Bytes).text));
        }
        modem.sendLine(QStringLiteral("BUFFER 3"));
        commandWorks(QStringLiteral("after BUFFER 3"));
        if (se.display.progressValue() != 50 || se.display.panel(Panel::Bytes).text != QLatin1String("3 Bytes Sent"))
            fail(QStringLiteral("BUFFER 3 of 6: progress %1").arg(se.display.progressValue()));
        // A negative count is no real report: the block counts as gone.
        const QStringList negative = {QStringLiteral("-1"), QStringLiteral("-99999999999999999999999"),
                                      QStringLiteral("-2147483649"), QStringLiteral("-9223372036854775809")};
        QString text = QStringLiteral("HELLO");
        for (const QString& n : negative) {
            modem.sendLine(QStringLiteral("BUFFER ") + n);
            ++outOfRange;
            if (!waitFor([&] { return se.display.sendVisible() && se.rx.text().endsWith(text + CrLf); }))
                fail(QStringLiteral("BUFFER %1 did not end the block").arg(n));
            text = QStringLiteral("BLOCK AFTER ") + n;
            sendBlock(text);
        }
        modem.sendLine(QStringLiteral("BUFFER 0"));
        if (!waitFor([&] {
                return se.display.sendVisible() && se.rx.text().endsWith(text + CrLf) && se.conn.BytesToSend == 0;
            }))
            fail(QStringLiteral("BUFFER 0 did not end the last block"));
    }
    end();

    // 4. Every byte value, and NUL bytes, on both channels.
    begin(QStringLiteral("every byte value and NULs on both channels"));
    QByteArray everyByte(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        everyByte[i] = char(i);
    {
        const QString pttBefore = ptt();
        send(everyByte + '\r');
        send(QByteArray("PTT\0ON\r\0PTT ON\rPTT ON\0\r", 23));
        send(QByteArray(60000, '\0') + '\r');
        settle();
        if (ptt() != pttBefore)
            fail(QStringLiteral("a command with NUL bytes in it was taken"));
        commandWorks(QStringLiteral("after every byte value on the command channel"));

        // The data channel: every byte arrives as its character.
        auto dataWait = [&](qint64 total) { return waitFor([&] { return se.conn.BytesReceived >= total; }, 60000); };
        const qint64 start = se.conn.BytesReceived;
        modem.sendData(everyByte);
        if (!dataWait(start + 256)
            || !se.rx.text().endsWith(QStringLiteral("<EA1ABC\r\n") + RxTextModel::ConvertReceived(everyByte)))
            fail(QStringLiteral("the 256 byte values did not arrive as their characters"));
        // A megabyte of NULs: the screen keeps its last 64000.
        modem.sendData(QByteArray(1 << 20, '\0'));
        if (!dataWait(start + 256 + (1 << 20)) || se.rx.length() != RxTextModel::Cap
            || se.rx.text() != QString(RxTextModel::Cap, QChar(0)))
            fail(QStringLiteral("after 1 MB of NULs the RX screen holds %1 characters").arg(se.rx.length()));
    }
    end();

    begin(QStringLiteral("%1 MB of every byte value on the data channel").arg(dataMb));
    {
        // Every byte value in every block, but never CR LF: a pair split
        // over two arrivals shows as a break and an LF mark, by design, so
        // the screen's text would depend on how the bytes arrived.
        QByteArray block = everyByte;
        std::swap(block[13], block[200]);
        const qint64 total = qint64(dataMb) << 20;
        const qint64 start = se.conn.BytesReceived;
        QByteArray tail;
        qint64 sent = 0;
        const QByteArray chunk = block.repeated(256); // 64 KB
        while (sent < total) {
            modem.sendData(chunk);
            sent += chunk.size();
            // Keep at most a megabyte on its way.
            waitFor([&] { return se.conn.BytesReceived - start >= sent - (1 << 20); }, 60000);
        }
        if (!waitFor([&] { return se.conn.BytesReceived - start >= sent; }, 60000))
            fail(QStringLiteral("the data flood did not all arrive"));
        const QString expected = RxTextModel::ConvertReceived(chunk.repeated(2)).right(RxTextModel::Cap);
        if (se.rx.text() != expected)
            fail(QStringLiteral("after the data flood the RX screen is not the last 64000 characters received"));
    }
    end();

    // 5. A normal round on the same link.
    begin(QStringLiteral("a normal round afterwards"));
    {
        modem.sendLine(QStringLiteral("DISCONNECTED"));
        waitFor([&] { return se.display.panel(Panel::Indicativos).text == QLatin1String("Disconnected"); });
        if (ptt() == QLatin1String("TX"))
            modem.sendLine(QStringLiteral("PTT OFF"));
        modem.sendLine(QStringLiteral("CONNECTED EA1ABC N0CALL-1 2300")); // a call from EA1ABC
        if (!waitFor([&] {
                return se.display.panel(Panel::Indicativos).text == QLatin1String("EA1ABC <-> N0CALL-1")
                    && se.display.sendVisible();
            }))
            fail(QStringLiteral("normal round: CONNECTED not shown"));
        modem.clearData();
        se.terminal.SendTypedText(QStringLiteral("ROUND TRIP"));
        if (!waitFor([&] { return modem.dataReceived() == "ROUND TRIP\r"; }))
            fail(QStringLiteral("normal round: the line did not reach the modem"));
        modem.sendLine(QStringLiteral("PTT ON"));
        if (!waitFor([&] { return ptt() == QLatin1String("TX"); }))
            fail(QStringLiteral("normal round: PTT ON not shown"));
        modem.sendLine(QStringLiteral("BUFFER 11"));
        if (!waitFor([&] { return se.display.panel(Panel::Bytes).text == QLatin1String("0 Bytes Sent"); }))
            fail(QStringLiteral("normal round: BUFFER 11 not shown"));
        modem.sendLine(QStringLiteral("BUFFER 0"));
        if (!waitFor([&] {
                return se.rx.text().endsWith(QStringLiteral(">N0CALL-1\r\nROUND TRIP\r\n")) && se.display.sendVisible();
            }))
            fail(QStringLiteral("normal round: the echo did not come at BUFFER 0"));
        modem.sendLine(QStringLiteral("PTT OFF"));
        if (!waitFor([&] { return ptt() == QLatin1String("RX"); }))
            fail(QStringLiteral("normal round: PTT OFF not shown"));
        modem.sendData("73 DE EA1ABC\r");
        if (!waitFor([&] { return se.rx.text().endsWith(QStringLiteral("<EA1ABC\r\n73 DE EA1ABC\r\n")); }))
            fail(QStringLiteral("normal round: the reply was not shown"));
        if (modem.commandAccepts() != commandLinks || modem.dataAccepts() != 1)
            fail(QStringLiteral("links dropped and made again: %1 command (%2 expected), %3 data (1 expected)")
                     .arg(modem.commandAccepts())
                     .arg(commandLinks)
                     .arg(modem.dataAccepts()));
    }
    end();

    const qint64 peakKb = statusKb("VmHWM");
    if (peakKb - baseKb > qint64(limitMb) * 1024)
        fail(QStringLiteral("memory grew by %1 MB (limit %2 MB)").arg((peakKb - baseKb) / 1024).arg(limitMb));

    std::printf("soak_flood\n");
    std::printf("  resident memory: %lld MB at start, %lld MB once linked, peak (VmHWM) %lld MB, %lld MB at the end"
                " (growth limit %d MB)\n",
                startKb / 1024, baseKb / 1024, peakKb / 1024, statusKb("VmRSS") / 1024, limitMb);
    std::printf("  resident memory per phase (start / max / end, MB):\n");
    for (const Phase& p : phases)
        std::printf("    %-52s %5.1f / %5.1f / %5.1f   %.2f s\n", qPrintable(p.name), double(p.startKb) / 1024,
                    double(p.maxKb) / 1024, double(p.endKb) / 1024, p.seconds);
    std::printf("  command flood: %d MB in %.1f s (1 MB at a time, each read to the end before the next)\n", commandMb,
                floodSeconds);
    std::printf("  BUFFER counts out of range sent: %d; longest RX text seen: %lld chars (the 60 KB call in a banner, "
                "which the cap leaves alone)\n",
                outOfRange, qint64(rxMax));
    std::printf("  link connections made by the modem's side: %d command, %d data\n", modem.commandAccepts(),
                modem.dataAccepts());
    return fail.result();
}
