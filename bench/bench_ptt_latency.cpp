// Keying latency: from the moment the modem writes "PTT ON\r" on the command
// channel to the moment the CAT bytes can be read at the radio's end of a
// pseudo-terminal pair. The terminal runs as in the program: the link on
// the main thread's event loop, the command socket and the keyer on the
// keying thread; a stand-in modem and the "radio"
// run on a second thread with plain blocking calls, so their own overhead
// is a few system calls.
//
// Then with the GUI thread held up (a slot waiting, as a hung file write or
// a modal box would hold it): the keying thread acts alone.
//
// Then the same under load: the other station calls in, logging (to a
// temporary folder) and speaker colours are on, the window is shown
// (offscreen), and 20 MB of CR arrive on the data channel as fast as the
// terminal takes them; the modem keys and unkeys until all of it is read.
//
//   bench_ptt_latency [key-ups] [flood-MB]      (default 2000 and 20; needs socat)

#include "app/DesktopStation.h"
#include "app/frmKeldoTerminal.h"
#include "ptt/PttKeyer.h"
#include "ptt/SerialPortDevice.h"
#include "settings/Settings.h"
#include "support/BenchSupport.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <future>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const QByteArray KeyFrame = QByteArray::fromHex("FEFE94E01C0001FD");
const QByteArray UnkeyFrame = QByteArray::fromHex("FEFE94E01C0000FD");

int listenOn(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return -1;
    const int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd, 4) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

quint16 portOf(int fd)
{
    sockaddr_in a{};
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    return ntohs(a.sin_port);
}

// Reads exactly n bytes from fd, or fails after timeoutMs.
bool readExactly(int fd, QByteArray& out, int n, int timeoutMs)
{
    out.clear();
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    char buf[64];
    while (out.size() < n) {
        const int left = int(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
        if (left <= 0)
            return false;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, left) <= 0)
            continue;
        const ssize_t got = ::read(fd, buf, std::min<size_t>(sizeof buf, size_t(n - out.size())));
        if (got > 0)
            out.append(buf, int(got));
        else if (got == 0)
            return false;
    }
    return true;
}

void drain(int fd)
{
    char buf[4096];
    while (::recv(fd, buf, sizeof buf, MSG_DONTWAIT) > 0) {
    }
}

struct Stats
{
    double median = 0, p99 = 0, max = 0;
};

Stats statsOf(std::vector<double> v)
{
    Stats s;
    if (v.empty())
        return s;
    std::sort(v.begin(), v.end());
    s.median = v[v.size() / 2];
    s.p99 = v[size_t(std::ceil(0.99 * double(v.size()))) - 1];
    s.max = v.back();
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    bench::defaultToOffscreen();
    QApplication app(argc, argv);
    const int keyUps = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 2000;
    const qsizetype floodBytes = qsizetype((argc > 2 ? std::max(1, QByteArray(argv[2]).toInt()) : 20)) * 1000 * 1000;
    const int warmUp = 50;
    // Floods one after the other, for enough key-ups to tell a p99.
    constexpr int Rounds = 10;

    bench::QuietShell shell(
        [](const MessageBox::Shown& box) { std::fprintf(stderr, "message box: %s\n", qPrintable(box.text)); });

    const QString socat = QStandardPaths::findExecutable(QStringLiteral("socat"));
    if (socat.isEmpty()) {
        std::fprintf(stderr, "socat is not installed\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString ttyA = dir.filePath(QStringLiteral("ttyA"));
    const QString ttyB = dir.filePath(QStringLiteral("ttyB"));
    QProcess pair;
    pair.start(socat, {QStringLiteral("pty,raw,echo=0,link=") + ttyA, QStringLiteral("pty,raw,echo=0,link=") + ttyB});
    QDeadlineTimer ready(10000);
    while (!(QFile::exists(ttyA) && QFile::exists(ttyB)) && !ready.hasExpired())
        QThread::msleep(5);
    const int radio = ::open(QFile::encodeName(ttyB).constData(), O_RDWR | O_NOCTTY);
    if (radio < 0) {
        std::fprintf(stderr, "no pseudo-terminal pair\n");
        return 2;
    }

    // The stand-in modem listens on a command port and the port above it.
    int cmdListen = -1, dataListen = -1;
    for (int attempt = 0; attempt < 50 && dataListen < 0; ++attempt) {
        cmdListen = listenOn(0);
        if (cmdListen < 0)
            continue;
        dataListen = listenOn(quint16(portOf(cmdListen) + 1));
        if (dataListen < 0)
            ::close(cmdListen);
    }
    if (dataListen < 0) {
        std::fprintf(stderr, "no free port pair\n");
        return 2;
    }

    DesktopStation station(dir.path());
    Settings& s = station.s();
    s.keldoMode = Mode::HF;
    s.hfHost = QStringLiteral("127.0.0.1");
    s.hfTcpPort = portOf(cmdListen);
    s.via = PttMethod::Cat;
    s.rig = 128; // IC-7300: an 8-byte CI-V frame
    s.baud = QStringLiteral("115200");
    s.catPort = QStringLiteral("COM3");
    s.portDevices.insert(3, ttyA);
    station.keying.OpenPttPort(KeyingConfigOf(s));
    if (!station.keying.call([](PttKeyer& k) { return k.comPTT().isOpen(); })) {
        std::fprintf(stderr, "the CAT port did not open\n");
        return 2;
    }

    frmKeldoTerminal window(station);
    window.show();
    std::atomic<bool> connected{false};
    std::atomic<qint64> received{0};
    QObject::connect(&station.link, &ModemLink::connected, &station, [&] { connected = true; });
    QObject::connect(&station.link, &ModemLink::dataReceived, &station,
                     [&](const QByteArray& bytes) { received += bytes.size(); });

    std::vector<double> keyUs, unkeyUs, blockedKeyUs, blockedUnkeyUs, floodKeyUs, floodUnkeyUs;
    const int blockedKeyUps = std::max(1, keyUps / 4);
    std::atomic<int> errors{0};
    double floodSeconds = 0;
    std::thread modem([&] {
        const int cmd = ::accept(cmdListen, nullptr, nullptr);
        const int data = ::accept(dataListen, nullptr, nullptr);
        const int one = 1;
        ::setsockopt(cmd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        QByteArray got;
        // One key-up and its unkey; timeoutMs bounds each wait at the radio.
        auto cycle = [&](std::vector<double>& on, std::vector<double>& off, bool record, int timeoutMs) {
            drain(cmd);
            const auto t0 = Clock::now();
            ::send(cmd, "PTT ON\r", 7, 0);
            const bool keyed = readExactly(radio, got, KeyFrame.size(), timeoutMs);
            const auto t1 = Clock::now();
            if (!keyed || got != KeyFrame)
                ++errors;
            const auto t2 = Clock::now();
            ::send(cmd, "PTT OFF\r", 8, 0);
            const bool unkeyed = readExactly(radio, got, UnkeyFrame.size(), timeoutMs);
            const auto t3 = Clock::now();
            if (!unkeyed || got != UnkeyFrame)
                ++errors;
            if (record) {
                on.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
                off.push_back(std::chrono::duration<double, std::micro>(t3 - t2).count());
            }
        };
        for (int i = 0; i < warmUp + keyUps; ++i)
            cycle(keyUs, unkeyUs, i >= warmUp, 2000);

        // The GUI thread held up for the whole run.
        QSemaphore holding, release;
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                holding.release();
                release.acquire();
            },
            Qt::QueuedConnection);
        holding.acquire();
        for (int i = 0; i < blockedKeyUps; ++i)
            cycle(blockedKeyUs, blockedUnkeyUs, true, 2000);
        release.release();

        // Under load: an incoming call, logged, coloured, flooded with CR.
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                station.s().logConversations = true;
                station.s().logFolder = dir.filePath(QStringLiteral("logs"));
                QDir().mkpath(station.s().logFolder);
                station.applyLogSettings();
                window.mnuSpeakerColours_Click(true);
            },
            Qt::BlockingQueuedConnection);
        ::send(cmd, "CONNECTED N0CALL-2 N0CALL-1 2300\r", 33, 0);
        const auto linkDeadline = Clock::now() + std::chrono::seconds(10);
        while (!connected && Clock::now() < linkDeadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (!connected)
            ++errors;
        std::thread flood([&] {
            const QByteArray crs(64 * 1024, '\r');
            for (qsizetype sent = 0; sent < Rounds * floodBytes;) {
                const ssize_t n =
                    ::send(data, crs.constData(), size_t(std::min<qsizetype>(crs.size(), Rounds * floodBytes - sent)),
                           MSG_NOSIGNAL);
                if (n <= 0)
                    break;
                sent += n;
            }
        });
        // Until the terminal has taken all of it, not only until the kernel has.
        const auto floodStart = Clock::now();
        while (received < Rounds * floodBytes && errors < 10)
            cycle(floodKeyUs, floodUnkeyUs, true, 10000);
        floodSeconds = std::chrono::duration<double>(Clock::now() - floodStart).count();
        flood.join();
        ::close(cmd);
        ::close(data);
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    });

    station.configureCore();
    QTimer::singleShot(0, &station, [&] { station.link.CheckSockets(); });
    app.exec();
    modem.join();
    station.keying.ClosePttPort();
    ::close(radio);
    ::close(cmdListen);
    ::close(dataListen);
    pair.terminate();
    pair.waitForFinished(3000);

    const Stats on = statsOf(keyUs);
    const Stats off = statsOf(unkeyUs);
    std::printf("PTT keying latency, modem line written -> CAT bytes readable on the tty (%d key-ups, IC-7300 CI-V)\n",
                int(keyUs.size()));
    std::printf("  PTT ON : median %8.1f us   p99 %8.1f us   max %8.1f us\n", on.median, on.p99, on.max);
    std::printf("  PTT OFF: median %8.1f us   p99 %8.1f us   max %8.1f us\n", off.median, off.p99, off.max);
    const bool met = on.median < 100.0 && off.median < 100.0;
    std::printf("  target : median < 100 us: %s\n", met ? "met" : "MISSED");

    const Stats bon = statsOf(blockedKeyUs);
    const Stats boff = statsOf(blockedUnkeyUs);
    std::printf("While the GUI thread is held up: %d key-ups\n", int(blockedKeyUs.size()));
    std::printf("  PTT ON : median %8.1f us   p99 %8.1f us   max %8.1f us\n", bon.median, bon.p99, bon.max);
    std::printf("  PTT OFF: median %8.1f us   p99 %8.1f us   max %8.1f us\n", boff.median, boff.p99, boff.max);
    const bool blockedMet = !blockedUnkeyUs.empty() && boff.p99 < 10000.0;
    std::printf("  target : PTT OFF p99 < 10 ms: %s\n", blockedMet ? "met" : "MISSED");

    const Stats fon = statsOf(floodKeyUs);
    const Stats foff = statsOf(floodUnkeyUs);
    station.files.flush(10000);
    const QString logFile =
        QDir(station.logFolder()).filePath(ConversationLog::FileNameFor(station.terminal.utcNow().date()));
    std::printf("While %d x %.0f MB of CR arrive back to back (taken in %.2f s; logging on, %.1f MB logged; speaker "
                "colours on): %d key-ups\n",
                Rounds, double(floodBytes) / 1e6, floodSeconds, double(QFileInfo(logFile).size()) / 1e6,
                int(floodKeyUs.size()));
    std::printf("  PTT ON : median %8.2f ms   p99 %8.2f ms   max %8.2f ms\n", fon.median / 1000, fon.p99 / 1000,
                fon.max / 1000);
    std::printf("  PTT OFF: median %8.2f ms   p99 %8.2f ms   max %8.2f ms\n", foff.median / 1000, foff.p99 / 1000,
                foff.max / 1000);
    if (station.log.failing())
        std::printf("  the log failed: %s\n", qPrintable(station.log.error()));
    const bool floodMet = !floodKeyUs.empty() && fon.p99 < 10000.0 && foff.p99 < 10000.0;
    std::printf("  target : p99 < 10 ms: %s\n", floodMet ? "met" : "MISSED");
    if (errors > 0)
        std::printf("  %d wrong or missing frames\n", int(errors));
    return errors > 0 ? 1 : 0;
}
