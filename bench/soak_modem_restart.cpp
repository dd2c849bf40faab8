// The practice modem killed (SIGKILL) and restarted while a conversation runs.
// The terminal (a DesktopStation with its real supervision) talks to keldo-modem-sim:
// it connects, sends one line at a time and waits for the remote station's
// answer before the next. At a random moment the modem is killed, left down
// for a random while and started again on the same ports.
//
// After every restart it checks:
//  - the link is up again within one supervision period plus a second of the
//    modem listening;
//  - the connection display: "Disconnected" and the red lamp after the loss,
//    the green lamp and "Disconnected" after the link-up, the call chain once
//    connected;
//  - the number of open descriptors of this process does not grow;
//  - every line the modem acknowledged (BUFFER 0) is on the RX screen.
//
//   soak_modem_restart [--restarts N] [--period MS] [--speed F] [--talk-ms MS]
//                      [--down-ms MS] [--seed N]
//
// Defaults: 100 restarts, the program's 5000 ms supervision period, the modem
// at 50 times its normal pace, up to 1500 ms of conversation and up to 300 ms
// of downtime per round.

#include "app/DesktopStation.h"
#include "support/BenchSupport.h"
#include "support/SimProcess.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <signal.h>
#include <sys/types.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

using namespace bench;

namespace {

const QString Reply = QStringLiteral("QSL DE EA1ABC");
const QString CrLf = QStringLiteral("\r\n");

int openDescriptors()
{
    return int(
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
}

// The sim's log escapes: \r \n \t \\ \xHH.
QString unescape(const QString& s)
{
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != QLatin1Char('\\') || i + 1 >= s.size()) {
            out.append(s[i]);
            continue;
        }
        const QChar c = s[++i];
        if (c == QLatin1Char('r'))
            out.append(QLatin1Char('\r'));
        else if (c == QLatin1Char('n'))
            out.append(QLatin1Char('\n'));
        else if (c == QLatin1Char('t'))
            out.append(QLatin1Char('\t'));
        else if (c == QLatin1Char('x') && i + 2 < s.size()) {
            out.append(QChar(s.mid(i + 1, 2).toUShort(nullptr, 16)));
            i += 2;
        } else
            out.append(c);
    }
    return out;
}

struct Acks
{
    QStringList certain; // BUFFER 0 logged and the modem's loop ran on afterwards
    QStringList uncertain; // BUFFER 0 was the modem's last word: it may never have left
};

// Reads one life of the modem's log: the data it took in, and which blocks it
// reported finished with BUFFER 0.
Acks acknowledged(const QStringList& log)
{
    Acks acks;
    QString block;
    int lastAck = -1;
    QStringList lastLines;
    for (int i = 0; i < log.size(); ++i) {
        const QString& l = log[i];
        if (l.startsWith(QLatin1String("<= "))) {
            const qsizetype colon = l.indexOf(QLatin1String(": "));
            if (colon > 0)
                block += unescape(l.mid(colon + 2));
        } else if (l == QLatin1String("-> BUFFER 0")) {
            QStringList lines = block.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
            for (QString& line : lines)
                line = line.trimmed();
            lines.removeAll(QString());
            acks.certain += lines;
            lastAck = i;
            lastLines = lines;
            block.clear();
        }
    }
    // The sim logs a response as it queues it; if nothing of a later event
    // follows, the kill may have come before the bytes reached the socket.
    if (lastAck >= 0) {
        bool later = false;
        for (int i = lastAck + 1; i < log.size(); ++i)
            if (log[i].startsWith(QLatin1String("-> ")) || log[i].startsWith(QLatin1String("=> "))
                || log[i].startsWith(QLatin1String("<= ")) || log[i].startsWith(QLatin1String("<- ")))
                later = true;
        if (!later) {
            for (const QString& line : lastLines)
                acks.certain.removeOne(line);
            acks.uncertain = lastLines;
        }
    }
    return acks;
}

} // namespace

int main(int argc, char** argv)
{
    defaultToOffscreen();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int restarts = argValue(args, QStringLiteral("--restarts"), 100);
    const int period = argValue(args, QStringLiteral("--period"), ModemLink::SupervisionIntervalMs);
    const int speed = argValue(args, QStringLiteral("--speed"), 50);
    const int talkMs = argValue(args, QStringLiteral("--talk-ms"), 1500);
    const int downMs = argValue(args, QStringLiteral("--down-ms"), 300);
    const int seed = argValue(args, QStringLiteral("--seed"), 1);
    std::mt19937 rng{quint32(seed)};
    auto uniform = [&rng](int hi) { return std::uniform_int_distribution<int>(0, std::max(0, hi))(rng); };

    Failures fail;
    fail.catchMessageBoxes();

    QTemporaryDir dir;
    const quint16 port = SimProcess::freePortPair();
    if (!dir.isValid() || port == 0) {
        std::fprintf(stderr, "no temporary folder or no free ports\n");
        return 2;
    }
    writeTerminalIni(dir.path(), soakIni(port, QStringLiteral("Connect With HF=EA1ABC\r\n")));

    SimProcess sim({QStringLiteral("--speed"), QString::number(speed), QStringLiteral("--reply"),
                    QStringLiteral("text:") + Reply, QStringLiteral("--seed"), QString::number(seed)});
    sim.setPort(port);
    QElapsedTimer clock;
    clock.start();
    qint64 listeningAt = -1;
    qint64 linkedAt = -1;
    QObject::connect(&sim.process(), &QProcess::readyReadStandardOutput, &app, [&] {
        if (listeningAt < 0 && !sim.output().isEmpty() && sim.output().first().startsWith(QLatin1String("# listening")))
            listeningAt = clock.elapsed();
    });

    DesktopStation se(dir.path());
    se.settings.LoadSettings();
    PanelState indicativosAtLinkUp;
    QObject::connect(&se.link, &ModemLink::linkedUp, &app, [&] {
        linkedAt = clock.elapsed();
        indicativosAtLinkUp = se.display.panel(Panel::Indicativos);
    });

    // The operator: connects once per link-up, then sends a line whenever the
    // send button is there and the other station has answered the last one.
    int lineNo = 0;
    QStringList sent;
    bool connectSent = false;
    bool awaitingReply = false;
    qint64 sentAt = 0;
    QObject::connect(&se.link, &ModemLink::linkedUp, &app, [&] {
        connectSent = false;
        awaitingReply = false;
    });
    QTimer pump;
    pump.setInterval(2);
    QObject::connect(&pump, &QTimer::timeout, &app, [&] {
        if (!se.link.bothConnected())
            return;
        if (!se.conn.ConnectionActive) {
            if (!connectSent) {
                se.link.SendConnect();
                connectSent = true;
            }
            return;
        }
        if (awaitingReply && (se.rx.text().endsWith(Reply + CrLf) || clock.elapsed() - sentAt > 3000))
            awaitingReply = false;
        if (!awaitingReply && se.display.sendVisible()) {
            const QString line = QStringLiteral("L%1 QRU?").arg(++lineNo, 5, 10, QLatin1Char('0'));
            if (se.terminal.SendTypedText(line)) {
                sent << line;
                awaitingReply = true;
                sentAt = clock.elapsed();
            }
        }
    });

    auto waitFor = [](const std::function<bool()>& cond, int ms) { return runUntil(cond, ms); };
    auto linkedAndShown = [&] {
        return se.link.bothConnected() && se.display.panel(Panel::Tcp).picture == Picture::LedVerde;
    };

    if (!sim.start()) {
        std::fprintf(stderr, "cannot start the practice modem: %s\n", qPrintable(sim.errorString()));
        return 2;
    }
    se.link.setSupervisionInterval(period);
    se.configureCore();
    se.link.CheckSockets();
    se.link.armSupervision();
    pump.start();

    std::vector<qint64> relinkMs;
    std::vector<int> fds;
    QStringList allCertain;
    int uncertainTotal = 0, uncertainShown = 0;
    int connectedRounds = 0;
    int missing = 0;
    const int limitMs = period + 1000;

    for (int round = 0; round <= restarts; ++round) {
        // Linked again?
        if (!waitFor(linkedAndShown, limitMs + 5000)) {
            fail(QStringLiteral("round %1: no link-up within %2 ms").arg(round).arg(limitMs + 5000));
            break;
        }
        if (round > 0) {
            const qint64 ms = (linkedAt >= 0 && listeningAt >= 0) ? std::max<qint64>(0, linkedAt - listeningAt) : -1;
            relinkMs.push_back(ms);
            if (ms < 0 || ms > limitMs)
                fail(QStringLiteral("round %1: linked %2 ms after the modem listened (limit %3)")
                         .arg(round)
                         .arg(ms)
                         .arg(limitMs));
        }
        // Right after the link-up: green lamp, no radio connection yet.
        {
            const PanelState tcp = se.display.panel(Panel::Tcp);
            if (tcp.picture != Picture::LedVerde || !tcp.toolTip.isEmpty())
                fail(QStringLiteral("round %1: TCP panel after link-up: %2 / %3")
                         .arg(round)
                         .arg(int(tcp.picture))
                         .arg(tcp.toolTip));
            if (indicativosAtLinkUp.text != QLatin1String("Disconnected")
                || indicativosAtLinkUp.toolTip != QLatin1String("Modem Disconnected"))
                fail(QStringLiteral("round %1: at link-up the connection panel shows \"%2\"")
                         .arg(round)
                         .arg(indicativosAtLinkUp.text));
        }
        fds.push_back(openDescriptors());
        if (round == restarts)
            break;

        // Talk for a random while, then kill the modem.
        const int talk = uniform(talkMs);
        runFor(talk);
        if (se.conn.ConnectionActive) {
            ++connectedRounds;
            const PanelState ind = se.display.panel(Panel::Indicativos);
            if (ind.text != QLatin1String("N0CALL-1 <-> EA1ABC") || ind.picture != Picture::Connected)
                fail(QStringLiteral("round %1: connected, but the display shows \"%2\"").arg(round).arg(ind.text));
        }
        const qint64 pid = sim.process().processId();
        ::kill(pid_t(pid), SIGKILL);
        sim.process().waitForFinished(5000);
        QCoreApplication::processEvents();

        // The loss shows.
        const bool lossShown = waitFor(
            [&] {
                return !se.link.bothConnected() && se.display.panel(Panel::Tcp).picture == Picture::LedRojo
                    && se.display.panel(Panel::Indicativos).text == QLatin1String("Disconnected");
            },
            3000);
        if (!lossShown)
            fail(QStringLiteral("round %1: after the loss the display shows \"%2\", lamp %3")
                     .arg(round)
                     .arg(se.display.panel(Panel::Indicativos).text)
                     .arg(int(se.display.panel(Panel::Tcp).picture)));
        if (se.display.sendVisible() || se.display.progressVisible())
            fail(QStringLiteral("round %1: send button or progress bar still shown after the loss").arg(round));

        // Nothing the modem acknowledged is missing.
        const Acks acks = acknowledged(sim.output());
        for (const QString& line : acks.certain) {
            if (!sent.contains(line))
                fail(QStringLiteral("round %1: the modem acknowledged \"%2\", which was never sent")
                         .arg(round)
                         .arg(line));
            else if (!se.rx.text().contains(line + CrLf)) {
                ++missing;
                fail(QStringLiteral("round %1: acknowledged line \"%2\" is not on the RX screen").arg(round).arg(line));
            }
        }
        for (const QString& line : acks.uncertain) {
            ++uncertainTotal;
            if (se.rx.text().contains(line + CrLf))
                ++uncertainShown;
        }
        allCertain += acks.certain;

        // Down for a while, then up again on the same ports.
        runFor(uniform(downMs));
        listeningAt = -1;
        linkedAt = -1;
        if (!sim.start()) {
            fail(QStringLiteral("round %1: the practice modem did not restart: %2").arg(round).arg(sim.errorString()));
            break;
        }
        if (listeningAt < 0)
            listeningAt = clock.elapsed();
        if ((round + 1) % 10 == 0)
            std::printf("  %d restarts, %lld lines sent, RX %lld chars\n", round + 1, qint64(sent.size()),
                        qint64(se.rx.length()));
        std::fflush(stdout);
    }
    pump.stop();

    // What the cap kept: walking back from the newest, every acknowledged
    // line must be there until the text before it is too short to hold it.
    int verified = 0;
    {
        const QString& text = se.rx.text();
        qsizetype pos = text.size();
        for (qsizetype i = allCertain.size() - 1; i >= 0; --i) {
            const QString needle = allCertain[i] + CrLf;
            const qsizetype from = pos - needle.size();
            if (from < 0)
                break; // older lines went with the cap
            const qsizetype at = text.lastIndexOf(needle, from);
            if (at < 0) {
                // Between two acknowledged lines there is at most a banner,
                // two headers and a reply: more room than that means a loss.
                if (se.rx.trimmedTotal() == 0 || from > 200)
                    fail(QStringLiteral("acknowledged line \"%1\" missing from the RX screen at the end")
                             .arg(allCertain[i]));
                break;
            }
            pos = at;
            ++verified;
        }
    }

    std::sort(relinkMs.begin(), relinkMs.end());
    qint64 sum = 0;
    for (qint64 v : relinkMs)
        sum += v;
    const int fdFirst = fds.empty() ? 0 : fds.front();
    const int fdLast = fds.empty() ? 0 : fds.back();
    const int fdMax = fds.empty() ? 0 : *std::max_element(fds.begin(), fds.end());
    if (fdLast > fdFirst || fdMax > fdFirst + 2)
        fail(QStringLiteral("open descriptors grew: first %1, last %2, max %3").arg(fdFirst).arg(fdLast).arg(fdMax));

    std::printf("soak_modem_restart\n");
    std::printf("  restarts: %d (supervision period %d ms, modem speed x%d)\n", int(relinkMs.size()), period, speed);
    if (!relinkMs.empty())
        std::printf("  relink after the modem listened: max %lld ms, median %lld ms, mean %lld ms (limit %d ms)\n",
                    relinkMs.back(), relinkMs[relinkMs.size() / 2], sum / qint64(relinkMs.size()), limitMs);
    std::printf("  open descriptors after each link-up: first %d, last %d, max %d\n", fdFirst, fdLast, fdMax);
    std::printf("  rounds killed while connected: %d of %d\n", connectedRounds, restarts);
    std::printf(
        "  lines sent %lld, acknowledged (BUFFER 0) %lld, missing from the RX screen when the link dropped: %d\n",
        qint64(sent.size()), qint64(allCertain.size()), missing);
    std::printf("  BUFFER 0 as the modem's last word before the kill: %d (%d of them on the screen)\n", uncertainTotal,
                uncertainShown);
    std::printf(
        "  RX screen at the end: %lld chars (%llu trimmed by the cap); newest %d acknowledged lines checked in order\n",
        qint64(se.rx.length()), static_cast<unsigned long long>(se.rx.trimmedTotal()), verified);
    std::printf("  elapsed: %.1f s\n", double(clock.elapsed()) / 1000.0);
    return fail.result();
}
