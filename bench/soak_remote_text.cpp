// The remote station sends 50 MB of text to the real main window (offscreen).
// A scripted modem (FakeModem) carries it on the data channel as fast as the
// terminal takes it (at most a megabyte on its way), while
//  - a watchdog timer due every 5 ms records the longest gap of the event
//    loop (the window's worst stall);
//  - after every arrival the RX text must be within its cap, and the screen
//    widget's document is sampled too;
//  - the resident memory is sampled and must stay flat once warmed up.
// At the end the RX text must be exactly the last 64000 characters received,
// the widget must show exactly that text, and the window must still take
// typing and the Clear command.
//
//   soak_remote_text [--mb N] [--chunk-kb N] [--stall-limit-ms N] [--growth-limit-mb N] [--seed N]
//
// Defaults: 50 MB in writes of 1 byte to 16 KB (8 KB on average); fails on a stall over 250 ms or more than
// 16 MB of growth after the first tenth.

#include "app/DesktopStation.h"
#include "app/frmKeldoTerminal.h"
#include "support/BenchSupport.h"
#include "support/FakeModem.h"
#include "widgets/RxScreenView.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

using namespace bench;

namespace {

// The remote station's text: numbered lines ending in CR, as a modem passes
// them on.
class TextSource
{
public:
    QByteArray next(int size)
    {
        QByteArray out;
        out.reserve(size + 128);
        while (out.size() < size) {
            out += "DE EA1ABC " + QByteArray::number(m_line).rightJustified(8, '0')
                + " THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG 0123456789 +-*/=?\r";
            ++m_line;
        }
        return out;
    }

private:
    qint64 m_line = 0;
};

} // namespace

int main(int argc, char** argv)
{
    defaultToOffscreen();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qint64 totalBytes = qint64(argValue(args, QStringLiteral("--mb"), 50)) << 20;
    const int chunkBytes = argValue(args, QStringLiteral("--chunk-kb"), 8) * 1024;
    std::mt19937 rng{quint32(argValue(args, QStringLiteral("--seed"), 1))};
    std::uniform_int_distribution<int> chunkSize(1, 2 * chunkBytes);
    const int stallLimitMs = argValue(args, QStringLiteral("--stall-limit-ms"), 250);
    const int growthLimitMb = argValue(args, QStringLiteral("--growth-limit-mb"), 16);

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
    frmKeldoTerminal w(se);
    if (!w.Form_Load(QDir(dir.path()).filePath(QStringLiteral("keldo-terminal")))) {
        std::fprintf(stderr, "the main window did not load\n");
        return 2;
    }
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) {
        std::fprintf(stderr, "the main window was not shown\n");
        return 2;
    }
    if (!runUntil([&] { return se.link.bothConnected() && modem.linked(); }, 10000)) {
        std::fprintf(stderr, "no link-up with the scripted modem\n");
        return 2;
    }
    modem.sendLine(QStringLiteral("CONNECTED EA1ABC N0CALL-1 2300"));
    if (!runUntil([&] { return se.conn.ConnectionActive; }, 10000)) {
        std::fprintf(stderr, "no connection\n");
        return 2;
    }
    runFor(200);
    const qint64 startKb = statusKb("VmRSS");

    // The watchdog.
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = clock.nsecsElapsed();
    qint64 maxGapNs = 0;
    std::vector<qint64> gapsMs;
    QTimer watchdog;
    watchdog.setTimerType(Qt::PreciseTimer);
    watchdog.setInterval(5);
    QObject::connect(&watchdog, &QTimer::timeout, &app, [&] {
        const qint64 now = clock.nsecsElapsed();
        const qint64 gap = now - lastTick;
        lastTick = now;
        maxGapNs = std::max(maxGapNs, gap);
        gapsMs.push_back(gap / 1000000);
    });

    // After every arrival: the RX text within its cap.
    qint64 arrivals = 0;
    qsizetype rxMaxAfterArrival = 0;
    QObject::connect(&se.link.winsockZNPDatos(), &QIODevice::readyRead, &app, [&] {
        ++arrivals;
        rxMaxAfterArrival = std::max(rxMaxAfterArrival, se.rx.length());
    });

    // Memory and the widget, sampled.
    struct Sample
    {
        double seconds;
        qint64 sentMb;
        qint64 rssKb;
    };
    std::vector<Sample> samples;
    int docMax = 0;
    qint64 sent = 0;
    qint64 writes = 0;
    QTimer sampler;
    sampler.setInterval(10);
    QObject::connect(&sampler, &QTimer::timeout, &app, [&] {
        samples.push_back({double(clock.elapsed()) / 1000.0, sent >> 20, statusKb("VmRSS")});
        docMax = std::max(docMax, w.txtMainChat()->document()->characterCount());
    });

    // The remote station: as fast as the terminal takes it.
    TextSource source;
    QByteArray pending; // text made but not sent yet
    QByteArray lastBytes; // the newest bytes, enough to know what the screen must hold
    const qint64 receivedStart = se.conn.BytesReceived;
    QTimer feeder;
    feeder.setInterval(0);
    QObject::connect(&feeder, &QTimer::timeout, &app, [&] {
        if (sent >= totalBytes) {
            feeder.stop();
            return;
        }
        if (sent - (se.conn.BytesReceived - receivedStart) > (1 << 20))
            return;
        const int size = int(std::min<qint64>(chunkSize(rng), totalBytes - sent));
        pending += source.next(size - int(pending.size()));
        const QByteArray chunk = pending.left(size);
        pending.remove(0, size);
        modem.sendData(chunk);
        ++writes;
        sent += chunk.size();
        lastBytes += chunk;
        if (lastBytes.size() > 4 * RxTextModel::Cap)
            lastBytes.remove(0, lastBytes.size() - 2 * RxTextModel::Cap);
    });

    watchdog.start();
    sampler.start();
    feeder.start();
    const bool done =
        runUntil([&] { return sent >= totalBytes && se.conn.BytesReceived - receivedStart >= totalBytes; }, 600000);
    const double seconds = double(clock.elapsed()) / 1000.0;
    runFor(100);
    watchdog.stop();
    sampler.stop();
    feeder.stop();
    if (!done)
        fail(QStringLiteral("only %1 of %2 bytes arrived").arg(se.conn.BytesReceived - receivedStart).arg(totalBytes));

    // What the screen holds.
    if (rxMaxAfterArrival > RxTextModel::Cap)
        fail(QStringLiteral("after an arrival the RX text held %1 characters").arg(rxMaxAfterArrival));
    const QString expected = RxTextModel::ConvertReceived(lastBytes).right(RxTextModel::Cap);
    if (se.rx.text() != expected)
        fail(QStringLiteral("the RX text is not the last 64000 characters received (%1 characters)")
                 .arg(se.rx.length()));
    RxScreenView* view = w.txtMainChat();
    view->syncNow();
    const QString shown = view->toPlainText();
    const QString want = RxDocument::ToDisplay(se.rx.text(), se.rx.charBeforeText());
    if (shown != want)
        fail(QStringLiteral("the RX screen widget shows %1 characters, not the model's %2")
                 .arg(shown.size())
                 .arg(want.size()));
    if (docMax > RxTextModel::Cap + 1)
        fail(QStringLiteral("the RX widget's document reached %1 characters").arg(docMax));

    // Still a working window.
    QElapsedTimer respond;
    respond.start();
    QPlainTextEdit* tx = w.txtTXChat();
    tx->setFocus();
    QTest::keyClicks(tx, QStringLiteral("STILL HERE"));
    const double typeMs = double(respond.nsecsElapsed()) / 1e6;
    if (tx->toPlainText() != QLatin1String("STILL HERE"))
        fail(QStringLiteral("the TX box did not take typing after the flood"));
    w.action(QStringLiteral("mnuClear"))->trigger();
    view->syncNow();
    if (!se.rx.text().isEmpty() || !view->toPlainText().isEmpty())
        fail(QStringLiteral("Clear did not empty the RX screen after the flood"));

    // Figures.
    std::vector<qint64> sorted = gapsMs;
    std::sort(sorted.begin(), sorted.end());
    const auto pct = [&sorted](double p) {
        return sorted.empty() ? 0 : sorted[std::min(sorted.size() - 1, size_t(p * double(sorted.size())))];
    };
    const double maxStallMs = double(maxGapNs) / 1e6;
    const qint64 over50 = std::count_if(gapsMs.begin(), gapsMs.end(), [](qint64 g) { return g > 50; });
    const qint64 over100 = std::count_if(gapsMs.begin(), gapsMs.end(), [](qint64 g) { return g > 100; });
    if (maxStallMs > stallLimitMs)
        fail(QStringLiteral("the event loop stalled for %1 ms (limit %2 ms)")
                 .arg(maxStallMs, 0, 'f', 1)
                 .arg(stallLimitMs));

    qint64 warmKb = -1, maxKb = 0, minKb = 0, lastKb = 0;
    for (const Sample& s : samples) {
        if (warmKb < 0 && s.sentMb * 10 >= (totalBytes >> 20)) {
            warmKb = s.rssKb;
            minKb = s.rssKb;
        }
        if (warmKb >= 0) {
            maxKb = std::max(maxKb, s.rssKb);
            minKb = std::min(minKb, s.rssKb);
        }
        lastKb = s.rssKb;
    }
    if (warmKb < 0)
        warmKb = minKb = maxKb = lastKb = statusKb("VmRSS");
    if (maxKb - warmKb > qint64(growthLimitMb) * 1024)
        fail(QStringLiteral("resident memory grew by %1 MB after the first tenth (limit %2 MB)")
                 .arg((maxKb - warmKb) / 1024)
                 .arg(growthLimitMb));

    std::printf("soak_remote_text\n");
    std::printf("  received: %lld MB in %.1f s (%.1f MB/s), %lld writes of 1..%d bytes, %lld arrivals\n",
                totalBytes >> 20, seconds, double(totalBytes >> 20) / std::max(0.001, seconds), writes, 2 * chunkBytes,
                arrivals);
    std::printf(
        "  event loop: longest stall %.1f ms (limit %d ms); gaps of the 5 ms watchdog: median %lld ms, p99 %lld ms,"
        " p99.9 %lld ms, %lld over 50 ms, %lld over 100 ms\n",
        maxStallMs, stallLimitMs, pct(0.5), pct(0.99), pct(0.999), over50, over100);
    std::printf("  RX text after every arrival: max %lld chars (cap %lld); widget document: max %d chars\n",
                qint64(rxMaxAfterArrival), qint64(RxTextModel::Cap), docMax);
    std::printf("  resident memory: %.1f MB before, %.1f MB after the first tenth, min %.1f / max %.1f MB from then on,"
                " %.1f MB at the end; peak (VmHWM) %.1f MB\n",
                double(startKb) / 1024, double(warmKb) / 1024, double(minKb) / 1024, double(maxKb) / 1024,
                double(lastKb) / 1024, double(statusKb("VmHWM")) / 1024);
    std::printf("  resident memory over time (s: MB received -> MB resident):");
    const size_t step = std::max<size_t>(1, samples.size() / 10);
    for (size_t i = 0; i < samples.size(); i += step)
        std::printf(" %.1fs:%lld->%.1f", samples[i].seconds, samples[i].sentMb, double(samples[i].rssKb) / 1024);
    std::printf("\n");
    std::printf("  after the flood: typing 10 keys took %.1f ms; Clear emptied the screen\n", typeMs);
    const int exitCode = fail.result();
    w.close();
    return exitCode;
}
