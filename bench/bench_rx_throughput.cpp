// Received text through the real receive path into the real RX screen:
// Terminal::ReceiveDataBytes -> RxTextModel -> RxScreenView (txtMainChat of
// the real main window, offscreen), with the screen already at its cap. Beside
// it the whole-rewrite approach: a plain QPlainTextEdit whose whole text is
// set with setPlainText on every arrival, at the same cap, in the same run.
//
//   bench_rx_throughput [MB] [rewrite-MB]      (default 10 and 1)
//
// How arrivals are driven: one arrival per event-loop pass, as a socket's
// readyRead delivers them. For each fragment the loop takes the arrival time,
// calls ReceiveDataBytes (as ModemLink does), then runs
// QCoreApplication::processEvents(): that is where the view's own 16 ms frame
// timer fires (RxScreenView syncs at most once per frame) and where the
// window's paint events run. Arrivals come flat out, so this is a flood: the
// worst case for throughput and for the frame timer's latency.
//
// When an arrival is on screen, two figures:
// - synced: the view's sync edits its document in one edit block, whose end
//   emits QTextDocument::contentsChanged. When that fired during a
//   processEvents() call, the sync read the model after every arrival so far,
//   so all arrivals not yet synced are stamped with the time processEvents()
//   returned (after the sync, its caret move and scroll, and whatever else
//   that pass ran: a slight overestimate, never an underestimate).
// - painted: the first paint of the view's viewport in a later pass (a paint
//   in the same pass may have come before the sync, so it is not counted).
// For the whole-rewrite widget the text is set synchronously before the pass:
// an arrival is "set" when that pass returns, "painted" once the viewport has
// been painted in that pass or a later one.
//
// Memory: VmRSS sampled every 256 arrivals over the run, VmHWM (peak) from
// /proc/self/status.
//
// A second real-path run has speaker colours on and feeds a conversation:
// the other station's text (fragments as above, one to four at a time)
// alternating with own blocks (sized like the fragments), each shown at once
// by SendTypedText ("Show Own Text at Once"), half of it then reported on
// the air and then all of it by UpdateTransmitProgress, each step an arrival
// of its own, so the colour changes every two or three arrivals, each time
// under a header, and the view restyles text it already shows. Alert words
// are on in this run. Its throughput is set against the same whole rewrite
// (of plain text, the cheaper kind). Then the start of the same
// conversation at a pace of one arrival every 25 ms, still far more than any
// radio modem delivers: every arrival must be on screen within 20 ms.

#include "app/DesktopStation.h"
#include "app/frmKeldoTerminal.h"
#include "encoding/AnsiCodec.h"
#include "support/BenchSupport.h"
#include "terminal/RxTextModel.h"
#include "terminal/SpeakerColours.h"
#include "terminal/Terminal.h"
#include "widgets/MessageBox.h"
#include "widgets/RxScreenView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

using namespace bench;

namespace {

constexpr unsigned Seed = 20240611;
constexpr int MaxFragment = 1460;

// Text as a keyboard QSO looks: words, a CR every ~60 characters, now and
// then CR LF or a lone LF instead.
QByteArray makeText(qsizetype bytes, std::mt19937& rng)
{
    static const char letters[] = "ETAOINSHRDLCUMWFGYPBVKJXQZ0123456789etaoinshrdlcumwfgypbvk";
    static const char punct[] = ".,?!/-=";
    std::uniform_int_distribution<int> letter(0, int(sizeof letters) - 2);
    std::uniform_int_distribution<int> mark(0, int(sizeof punct) - 2);
    std::uniform_int_distribution<int> wordLen(1, 9);
    std::uniform_int_distribution<int> lineLen(40, 80);
    std::uniform_int_distribution<int> percent(0, 99);
    QByteArray out;
    out.reserve(bytes + 100);
    int line = 0;
    int target = lineLen(rng);
    while (out.size() < bytes) {
        const int n = wordLen(rng);
        for (int i = 0; i < n; ++i)
            out.append(letters[letter(rng)]);
        if (percent(rng) < 8)
            out.append(punct[mark(rng)]);
        line += n + 1;
        if (line >= target) {
            const int p = percent(rng);
            if (p < 6)
                out.append("\r\n");
            else if (p < 8)
                out.append('\n');
            else
                out.append('\r');
            line = 0;
            target = lineLen(rng);
        } else {
            out.append(' ');
        }
    }
    out.truncate(bytes);
    return out;
}

struct Fragment
{
    qsizetype offset;
    qsizetype size;
    // Received text, or a step of an own block: sent, half on the air, all of it.
    enum Step { Received, Sent, HalfOut, AllOut } step = Received;
    QString typed; // an own block's text as typed
};

std::vector<Fragment> splitRandomly(qsizetype total, std::mt19937& rng)
{
    std::uniform_int_distribution<int> size(1, MaxFragment);
    std::vector<Fragment> out;
    qsizetype at = 0;
    while (at < total) {
        const qsizetype n = std::min<qsizetype>(size(rng), total - at);
        out.push_back({at, n, Fragment::Received, {}});
        at += n;
    }
    return out;
}

struct Result
{
    double mb = 0;
    double seconds = 0;
    double mbPerS = 0;
    double medianMs = 0;
    double p99Ms = 0;
    double maxMs = 0;
    size_t over20 = 0;
    size_t arrivals = 0;
};

Result summarize(std::vector<qint64> latencyNs, qint64 bytes, qint64 elapsedNs)
{
    Result r;
    r.arrivals = latencyNs.size();
    r.mb = double(bytes) / 1e6;
    r.seconds = double(elapsedNs) / 1e9;
    r.mbPerS = r.mb / r.seconds;
    if (latencyNs.empty())
        return r;
    std::sort(latencyNs.begin(), latencyNs.end());
    auto at = [&](double q) { return double(latencyNs[size_t(q * double(latencyNs.size() - 1))]) / 1e6; };
    r.medianMs = at(0.5);
    r.p99Ms = at(0.99);
    r.maxMs = double(latencyNs.back()) / 1e6;
    r.over20 = size_t(std::count_if(latencyNs.begin(), latencyNs.end(), [](qint64 ns) { return ns > 20'000'000; }));
    return r;
}

// Arrival times, and for each arrival when the widget's text first included
// it (synced) and when the widget was next painted after that (painted).
struct Tracker
{
    explicit Tracker(size_t n)
        : arrival(n)
        , toSync(n)
        , toPaint(n)
    { }
    void arrived(size_t i, qint64 t) { arrival[i] = t; }
    // Every arrival before index end is in the widget's text as of t.
    void synced(size_t end, qint64 t)
    {
        for (; syncedEnd < end; ++syncedEnd)
            toSync[syncedEnd] = t - arrival[syncedEnd];
    }
    void painted(qint64 t)
    {
        for (; paintedEnd < syncedEnd; ++paintedEnd)
            toPaint[paintedEnd] = t - arrival[paintedEnd];
    }
    bool allPainted() const { return paintedEnd == arrival.size(); }
    void truncate(size_t n)
    {
        arrival.resize(n);
        toSync.resize(n);
        toPaint.resize(n);
    }
    std::vector<qint64> arrival, toSync, toPaint;
    size_t syncedEnd = 0;
    size_t paintedEnd = 0;
};

// Notes when a widget's viewport is painted.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// The conversation: 1 to 4 fragments of the other station's text, then an
// own block in its three steps, and so on.
std::vector<Fragment> conversation(const QByteArray& text, std::mt19937& rng)
{
    const qsizetype total = text.size();
    std::uniform_int_distribution<int> size(1, MaxFragment);
    std::uniform_int_distribution<int> remoteRun(1, 4);
    std::vector<Fragment> out;
    qsizetype at = 0;
    while (at < total) {
        for (int n = remoteRun(rng); n > 0 && at < total; --n) {
            const qsizetype k = std::min<qsizetype>(size(rng), total - at);
            out.push_back({at, k, Fragment::Received, {}});
            at += k;
        }
        if (at < total) {
            const qsizetype k = std::min<qsizetype>(size(rng), total - at);
            const QString typed = Ansi::toUnicode(text.mid(at, k));
            for (Fragment::Step step : {Fragment::Sent, Fragment::HalfOut, Fragment::AllOut})
                out.push_back({at, k, step, typed});
            at += k;
        }
    }
    return out;
}

// One arrival through the real path: received bytes, or a step of an own
// block: typed and sent, then the modem's buffer reports.
void deliver(DesktopStation& station, const QByteArray& text, const Fragment& f)
{
    switch (f.step) {
    case Fragment::Received:
        station.terminal.ReceiveDataBytes(QByteArray(text.constData() + f.offset, f.size));
        return;
    case Fragment::Sent:
        station.terminal.SendTypedText(f.typed);
        // The link is never started: as if the socket took the block.
        station.conn.BytesToSend = qint32(f.size + 1);
        return;
    case Fragment::HalfOut:
        station.terminal.UpdateTransmitProgress((f.size + 1) / 2);
        return;
    case Fragment::AllOut:
        station.terminal.UpdateTransmitProgress(0);
        return;
    }
}

// The colours on screen match the model's speakers, character by character.
bool coloursMatch(const RxScreenView& view, const RxTextModel& model, const SchemeColours& colours)
{
    QString want;
    const QString& text = model.text();
    qsizetype at = 0;
    for (const RxTextModel::Run& run : model.runs()) {
        const QChar prev = at > 0 ? text.at(at - 1) : model.charBeforeText();
        const QChar next = at + run.length < text.size() ? text.at(at + run.length) : QChar();
        const QChar mark = QLatin1Char("ROBPQ"[int(run.speaker)]);
        for (QChar c : RxDocument::ToDisplay(QStringView(text).mid(at, run.length), prev, next))
            if (c != QLatin1Char('\n'))
                want += mark;
        at += run.length;
    }
    QString got;
    for (QTextBlock b = view.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat fmt = it.fragment().charFormat();
            QChar mark = '?';
            if (!fmt.hasProperty(QTextFormat::ForegroundBrush))
                mark = 'R';
            else if (fmt.foreground() == view.formatOf(Speaker::Pending).foreground())
                mark = fmt.fontItalic() ? 'Q' : 'P';
            else if (fmt.foreground().color() == colours.own)
                mark = 'O';
            else if (fmt.foreground().color() == colours.banner)
                mark = 'B';
            got += QString(it.fragment().length(), mark);
        }
    return got == want;
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    defaultToOffscreen();
    QApplication app(argc, argv);
    const double mb = argc > 1 ? std::atof(argv[1]) : 10.0;
    const double rewriteMb = argc > 2 ? std::atof(argv[2]) : 1.0;
    if (mb <= 0 || rewriteMb <= 0) {
        std::fprintf(stderr, "usage: %s [MB] [rewrite-MB]\n", argv[0]);
        return 2;
    }
    int boxes = 0;
    QuietShell shell([&boxes](const MessageBox::Shown& box) {
        std::fprintf(stderr, "unexpected message box: %s\n", qPrintable(box.text));
        ++boxes;
    });

    std::mt19937 rng(Seed);
    const qsizetype total = qsizetype(mb * 1e6);
    const qsizetype rewriteTotal = std::min(total, qsizetype(rewriteMb * 1e6));
    const QByteArray prefill = makeText(2 * RxTextModel::Cap, rng);
    const QByteArray text = makeText(total, rng);
    const std::vector<Fragment> fragments = splitRandomly(total, rng);

    // The real window on settings of its own, shown; the link is never started.
    QTemporaryDir dir;
    DesktopStation station(dir.path());
    station.conn.ConnectedCall1 = QStringLiteral("N0CALL");
    station.conn.ConnectedCall2 = QStringLiteral("W1AW");
    station.conn.OutgoingCall = true;
    frmKeldoTerminal window(station);
    window.show();
    settle();
    RxScreenView* view = window.txtMainChat();

    // The screen at its cap before the clock starts.
    for (qsizetype at = 0; at < prefill.size(); at += MaxFragment)
        station.terminal.ReceiveDataBytes(prefill.mid(at, MaxFragment));
    view->syncNow();
    settle();
    if (station.rx.length() != RxTextModel::Cap) {
        std::fprintf(stderr, "the screen is not at its cap: %lld characters\n", (long long)station.rx.length());
        return 1;
    }

    // ---- The real path -------------------------------------------------------
    bool synced = false;
    QObject::connect(view->document(), &QTextDocument::contentsChanged, [&synced] { synced = true; });
    PaintWatch viewPaints;
    view->viewport()->installEventFilter(&viewPaints);
    struct RealRun
    {
        Result sync, paint;
        std::vector<qint64> syncPassNs;
        qint64 receiveNs = 0;
        qint64 elapsedNs = 0;
    };
    long long rssMin = 0, rssMax = 0;
    // Arrivals one per event-loop pass, timed as described at the top; with
    // an interval, one every intervalMs, the event loop running in between.
    auto runReal = [&](const QByteArray& feed, const std::vector<Fragment>& arrivals, bool sampleMemory,
                       int intervalMs = 0) {
        RealRun run;
        Tracker real(arrivals.size());
        QTimer wake;
        wake.setSingleShot(true);
        wake.setTimerType(Qt::PreciseTimer);
        QElapsedTimer clock;
        clock.start();
        for (size_t i = 0; i < arrivals.size(); ++i) {
            const qint64 due = qint64(i) * intervalMs * 1000000;
            while (clock.nsecsElapsed() < due) {
                if (!wake.isActive())
                    wake.start(int((due - clock.nsecsElapsed()) / 1000000));
                synced = false;
                viewPaints.painted = false;
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                const qint64 now = clock.nsecsElapsed();
                if (viewPaints.painted)
                    real.painted(now);
                if (synced)
                    real.synced(i, now);
            }
            const qint64 t0 = clock.nsecsElapsed();
            real.arrived(i, t0);
            deliver(station, feed, arrivals[i]);
            const qint64 t1 = clock.nsecsElapsed();
            run.receiveNs += t1 - t0;
            synced = false;
            viewPaints.painted = false;
            QCoreApplication::processEvents();
            const qint64 now = clock.nsecsElapsed();
            // A paint is credited only to syncs of earlier passes: within one
            // pass it may have come before the sync.
            if (viewPaints.painted)
                real.painted(now);
            if (synced) {
                run.syncPassNs.push_back(now - t1);
                real.synced(i + 1, now);
            }
            if (sampleMemory && i % 256 == 0) {
                const long long rss = statusKb("VmRSS");
                rssMin = std::min(rssMin, rss);
                rssMax = std::max(rssMax, rss);
            }
        }
        // The last arrivals wait for the next frame and its paint.
        while (!real.allPainted()) {
            synced = false;
            viewPaints.painted = false;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            const qint64 now = clock.nsecsElapsed();
            if (viewPaints.painted)
                real.painted(now);
            if (synced)
                real.synced(arrivals.size(), now);
        }
        run.elapsedNs = clock.nsecsElapsed();
        qint64 bytes = 0;
        for (const Fragment& f : arrivals)
            bytes += f.step <= Fragment::Sent ? f.size : 0;
        run.sync = summarize(real.toSync, bytes, run.elapsedNs);
        run.paint = summarize(real.toPaint, bytes, run.elapsedNs);
        std::sort(run.syncPassNs.begin(), run.syncPassNs.end());
        return run;
    };

    const long long rssStart = statusKb("VmRSS");
    rssMin = rssMax = rssStart;
    const RealRun plainRun = runReal(text, fragments, true);
    const long long rssEnd = statusKb("VmRSS");
    const long long hwmAfterReal = statusKb("VmHWM");
    const Result& realSync = plainRun.sync;
    const Result& realPaint = plainRun.paint;
    rssMin = std::min(rssMin, rssEnd);
    rssMax = std::max(rssMax, rssEnd);
    // What the screen shows must be the model's text.
    const bool faithful = view->toPlainText() == RxDocument::ToDisplay(station.rx.text(), station.rx.charBeforeText());

    // ---- Speaker colours on, a conversation -------------------------------------
    const QByteArray talk = makeText(total, rng);
    const std::vector<Fragment> turns = conversation(talk, rng);
    window.mnuSpeakerColours_Click(true);
    // Alert words too: single letters and the own call, marked thousands of times.
    station.s().alertOnOwnCall = true;
    station.s().alertWords = QStringLiteral("E, ta, N0CALL");
    station.configureCore();
    const quint64 marksBefore = station.rx.marksAddedTotal();
    view->syncNow();
    settle();
    const RealRun colourRun = runReal(talk, turns, false);
    // The same at a pace.
    constexpr int PaceMs = 25;
    const std::vector<Fragment> paced(turns.begin(), turns.begin() + std::min<size_t>(turns.size(), 200));
    const RealRun colourPaced = runReal(talk, paced, false, PaceMs);
    const bool colourFaithful =
        view->toPlainText() == RxDocument::ToDisplay(station.rx.text(), station.rx.charBeforeText())
        && coloursMatch(*view, station.rx, ColoursOf(ColourScheme::Black));
    const quint64 alertMarks = station.rx.marksAddedTotal() - marksBefore;
    size_t ownBlocks = 0;
    for (const Fragment& f : turns)
        ownBlocks += f.step == Fragment::Sent ? 1 : 0;

    // ---- The whole-rewrite approach -------------------------------------------
    // Same conversion and cap (a second station's receive path, no window), and
    // a plain widget of the same size and font whose text is set every time.
    QTemporaryDir dir2;
    DesktopStation plainStation(dir2.path());
    plainStation.conn = station.conn;
    QPlainTextEdit plain;
    plain.setReadOnly(true);
    plain.setUndoRedoEnabled(false);
    plain.setFont(view->font());
    plain.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    plain.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    plain.resize(view->size());
    plain.show();
    auto rewrite = [&] {
        plain.setPlainText(RxDocument::ToDisplay(plainStation.rx.text(), plainStation.rx.charBeforeText()));
        QTextCursor end = plain.textCursor();
        end.movePosition(QTextCursor::End);
        plain.setTextCursor(end);
        plain.verticalScrollBar()->setValue(plain.verticalScrollBar()->maximum());
    };
    for (qsizetype at = 0; at < prefill.size(); at += MaxFragment)
        plainStation.terminal.ReceiveDataBytes(prefill.mid(at, MaxFragment));
    rewrite();
    settle();
    PaintWatch plainPaints;
    plain.viewport()->installEventFilter(&plainPaints);
    Tracker whole(fragments.size());
    qint64 rewriteBytes = 0;
    size_t rewriteArrivals = 0;
    QElapsedTimer clock;
    clock.start();
    for (size_t i = 0; i < fragments.size() && rewriteBytes < rewriteTotal; ++i) {
        const Fragment f = fragments[i];
        whole.arrived(i, clock.nsecsElapsed());
        plainStation.terminal.ReceiveDataBytes(QByteArray(text.constData() + f.offset, f.size));
        rewrite();
        plainPaints.painted = false;
        QCoreApplication::processEvents();
        const qint64 now = clock.nsecsElapsed();
        whole.synced(i + 1, now);
        if (plainPaints.painted)
            whole.painted(now);
        rewriteBytes += f.size;
        rewriteArrivals = i + 1;
    }
    whole.truncate(rewriteArrivals);
    while (!whole.allPainted()) {
        plainPaints.painted = false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (plainPaints.painted)
            whole.painted(clock.nsecsElapsed());
    }
    const qint64 rewriteNs = clock.nsecsElapsed();
    const Result wholeSync = summarize(whole.toSync, rewriteBytes, rewriteNs);
    const Result wholePaint = summarize(whole.toPaint, rewriteBytes, rewriteNs);

    auto latencies = [](const char* what, const Result& r) {
        std::printf("      arrival -> %-9s median %6.2f ms, p99 %6.2f ms, max %6.2f ms, over 20 ms: %zu of %zu\n", what,
                    r.medianMs, r.p99Ms, r.maxMs, r.over20, r.arrivals);
    };
    std::printf("received text into the RX screen at its cap (%lld characters), fragments of 1..%d bytes, seed %u\n",
                (long long)RxTextModel::Cap, MaxFragment, Seed);
    std::printf("  frame-synced view (real path): %6.2f MB in %6.2f s = %8.2f MB/s\n", realSync.mb, realSync.seconds,
                realSync.mbPerS);
    auto passes = [](const char* what, const RealRun& r) {
        std::printf("      %s: %.0f %% of the run; event passes with a sync: %zu, each median %.2f ms, max %.2f ms\n",
                    what, 100.0 * double(r.receiveNs) / double(r.elapsedNs), r.syncPassNs.size(),
                    r.syncPassNs.empty() ? 0.0 : double(r.syncPassNs[r.syncPassNs.size() / 2]) / 1e6,
                    r.syncPassNs.empty() ? 0.0 : double(r.syncPassNs.back()) / 1e6);
    };
    latencies("synced:", realSync);
    latencies("painted:", realPaint);
    passes("ReceiveDataBytes", plainRun);
    std::printf("  speaker colours, alert words and own text at once on, conversation (%zu arrivals, %zu own blocks): "
                "%6.2f MB in "
                "%6.2f s = %8.2f MB/s\n",
                turns.size(), ownBlocks, colourRun.sync.mb, colourRun.sync.seconds, colourRun.sync.mbPerS);
    latencies("synced:", colourRun.sync);
    latencies("painted:", colourRun.paint);
    passes("receive and echo", colourRun);
    std::printf("    the same, an arrival every %d ms (%zu arrivals):\n", PaceMs, paced.size());
    latencies("synced:", colourPaced.sync);
    latencies("painted:", colourPaced.paint);
    std::printf("  whole rewrite (setPlainText):  %6.2f MB in %6.2f s = %8.2f MB/s%s\n", wholeSync.mb,
                wholeSync.seconds, wholeSync.mbPerS,
                rewriteBytes < total ? " (fewer MB, as it is slow; MB/s is comparable)" : "");
    latencies("set:", wholeSync);
    latencies("painted:", wholePaint);
    const double colourRatio = colourRun.sync.mbPerS / wholeSync.mbPerS;
    const bool colourInTime = colourPaced.sync.over20 == 0 && colourPaced.paint.over20 == 0;
    std::printf("  throughput ratio: %.1fx the whole rewrite (target >= 50x)\n", realSync.mbPerS / wholeSync.mbPerS);
    std::printf("  all three on (%llu marks): %.1fx the whole rewrite (target >= 200x): %s; every "
                "arrival on screen within 20 ms at a pace of %d ms: %s (max synced %.2f ms, painted %.2f ms)\n",
                (unsigned long long)alertMarks, colourRatio, colourRatio >= 200 ? "met" : "NOT MET", PaceMs,
                colourInTime ? "yes" : "NO", colourPaced.sync.maxMs, colourPaced.paint.maxMs);
    std::printf("  memory over the real-path run: VmRSS start %lld KiB, end %lld KiB, lowest %lld, highest %lld; "
                "peak VmHWM after it %lld KiB, at the end %lld KiB\n",
                rssStart, rssEnd, rssMin, rssMax, hwmAfterReal, statusKb("VmHWM"));
    std::printf("  screen matches the model: %s; with speaker colours, text and colours: %s; message boxes: %d\n",
                faithful ? "yes" : "NO", colourFaithful ? "yes" : "NO", boxes);
    return faithful && colourFaithful && boxes == 0 ? 0 : 1;
}
