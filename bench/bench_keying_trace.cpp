// What the keying journal costs the keyer's thread: a key-up and unkey by
// CAT (on a port that only takes the bytes) with no journal, with the file
// journal writing into a temporary folder, and with a journal whose disk
// stalls; then the formatting of one trace line alone. The keyer's calls
// must not grow with the disk.
//
//   bench_keying_trace [overs]      (default 20000)

#include "files/FileWriter.h"
#include "ptt/FileKeyingJournal.h"
#include "ptt/KeyingConfig.h"
#include "ptt/KeyingTrace.h"
#include "ptt/PttKeyer.h"
#include "ptt/RadioCatalogue.h"
#include "ptt/SerialPortDevice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Takes every byte at once.
class NullPort : public SerialPortDevice
{
public:
    bool isOpen() const override { return m_open; }
    bool open(const QString&, const LineSettings&) override { return m_open = true; }
    bool setRts(bool) override { return m_open; }
    bool setDtr(bool) override { return m_open; }
    bool write(const QByteArray&) override { return m_open; }
    void flush() override { }
    void close() override { m_open = false; }

private:
    bool m_open = false;
};

KeyingConfig CatConfigForBench()
{
    KeyingConfig c;
    c.method = PttMethod::Cat;
    c.cat = CatConfig{QStringLiteral("COM3"), QStringLiteral("/dev/ttyUSB0"), 128, QStringLiteral("19200"), 0, 0, {}};
    c.timeoutSeconds = 0;
    return c;
}

// Microseconds per call of PttOn and of PttOff, over many overs.
void measure(const char* label, KeyingJournal* journal, int overs)
{
    PttKeyer keyer;
    keyer.setSerialPort(std::make_unique<NullPort>());
    keyer.setJournal(journal);
    keyer.OpenPttPort(CatConfigForBench());
    std::vector<double> on;
    std::vector<double> off;
    on.reserve(size_t(overs));
    off.reserve(size_t(overs));
    for (int i = 0; i < overs; ++i) {
        auto t0 = Clock::now();
        keyer.PttOn();
        auto t1 = Clock::now();
        keyer.PttOff();
        auto t2 = Clock::now();
        on.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        off.push_back(std::chrono::duration<double, std::micro>(t2 - t1).count());
    }
    keyer.setJournal(nullptr);
    for (auto* v : {&on, &off}) {
        std::sort(v->begin(), v->end());
        const auto at = [v](double q) { return (*v)[size_t(q * double(v->size() - 1))]; };
        std::printf("%-28s %-7s median %7.2f us  p99 %7.2f us  max %8.2f us\n", label, v == &on ? "PTT ON" : "PTT OFF",
                    at(0.5), at(0.99), v->back());
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int overs = argc > 1 ? std::max(1, atoi(argv[1])) : 20000;
    LoadRadioCatalogue();
    std::printf("%d overs (key-up and unkey by CAT)\n", overs);

    measure("no journal", nullptr, overs);

    QTemporaryDir dir;
    {
        FileWriter writer;
        const std::unique_ptr<FileKeyingJournal> files =
            JournalThrough(writer, dir.filePath(QStringLiteral("logs/keying.log")),
                           dir.filePath(QStringLiteral("KELDO Terminal.keying")));
        measure("file journal", files.get(), overs);
        const auto t0 = Clock::now();
        files->waitIdle(60000);
        writer.flush(60000);
        std::printf("%-28s written %.0f ms after the last unkey\n", "file journal",
                    std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }

    // A disk that does not answer until the measuring is over.
    {
        std::mutex mutex;
        std::condition_variable released;
        bool stalled = true;
        const auto stall = [&](const QByteArray&) {
            std::unique_lock<std::mutex> lock(mutex);
            released.wait(lock, [&] { return !stalled; });
            return true;
        };
        FileKeyingJournal stuck(stall, stall);
        measure("stalled disk", &stuck, overs);
        {
            const std::lock_guard<std::mutex> lock(mutex);
            stalled = false;
        }
        released.notify_all();
    }

    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const int lines = overs * 10;
    qsizetype bytes = 0;
    const auto t0 = Clock::now();
    for (int i = 0; i < lines; ++i)
        bytes += KeyingTraceLine(now + i, "unkey")
                     .field("reason", "modem-asked")
                     .field("driver", "CAT")
                     .field("port", QStringLiteral("COM3"))
                     .field("device", QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0"))
                     .field("radio", QStringLiteral("IC-7300"))
                     .text()
                     .size();
    const double ns = std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / lines;
    std::printf("one trace line formatted      %.0f ns (%lld bytes in all)\n", ns, static_cast<long long>(bytes));
    return 0;
}
