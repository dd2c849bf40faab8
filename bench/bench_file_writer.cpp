// What handing a file to the writer costs its caller: each call from a
// thread standing in for the keying thread, with the folder answering and
// with it hung; the settings saved at every menu choice; the conversation
// log fed line by line. Prints the times; asserts nothing.
#include "files/FileWriter.h"
#include "settings/Settings.h"
#include "terminal/ConversationLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

struct Stats
{
    double median, p99, max;
};

Stats StatsOf(std::vector<double> us)
{
    std::sort(us.begin(), us.end());
    return {us[us.size() / 2], us[us.size() * 99 / 100], us.back()};
}

void Print(const char* what, const Stats& s)
{
    std::printf("  %-44s median %7.2f us   p99 %7.2f us   max %8.2f us\n", what, s.median, s.p99, s.max);
}

// Calls from a thread of its own, as the keying thread would make them.
Stats AppendsFromAnotherThread(FileWriter& writer, const QString& path, int count, int* refused)
{
    std::vector<double> us;
    us.reserve(size_t(count));
    std::thread caller([&] {
        const QByteArray line = QByteArray(72, 'k') + '\n';
        QElapsedTimer t;
        for (int i = 0; i < count; ++i) {
            t.start();
            if (!writer.appendRotating(path, line, 1 << 20))
                ++*refused;
            us.push_back(double(t.nsecsElapsed()) / 1000.0);
        }
    });
    caller.join();
    return StatsOf(us);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    FileWriter writer;
    constexpr int Lines = 20000;

    std::printf("File writer: the caller's side of each call\n");
    int refused = 0;
    QElapsedTimer total;
    total.start();
    Print("trace line (80 B), folder answering",
          AppendsFromAnotherThread(writer, dir.filePath("trace.log"), Lines, &refused));
    const bool flushed = writer.flush(30000);
    std::printf("  %d lines on the disk in %.0f ms (%s, %d refused: queue full)\n", Lines, double(total.elapsed()),
                flushed ? "all written" : "NOT all written", refused);

    // A folder that hangs: its work outlives the bound and is given up on.
    writer.setStallBound(100);
    QDir(dir.path()).mkdir("hung");
    std::atomic<bool> hold{true};
    writer.run(dir.filePath("hung/x"), [&hold](QString*) {
        while (hold)
            QThread::msleep(5);
        return true;
    });
    QThread::msleep(150);
    writer.flush(0);
    refused = 0;
    Print("trace line, folder hung (refused)",
          AppendsFromAnotherThread(writer, dir.filePath("hung/trace.log"), Lines, &refused));
    std::printf("  %d of %d refused at once\n", refused, Lines);
    total.start();
    const bool gaveUp = !writer.flush(1000);
    std::printf("  flush(1000) with the folder hung: %s after %lld ms\n", gaveUp ? "false" : "true",
                static_cast<long long>(total.elapsed()));
    hold = false;

    // The settings saved at every menu choice.
    SettingsStore store(dir.path());
    store.setWriter(&writer);
    int saves = 0;
    QObject::connect(&store, &SettingsStore::saveFinished, [&saves](bool) { ++saves; });
    std::vector<double> us;
    QElapsedTimer t;
    for (int i = 0; i < 2000; ++i) {
        store.s().fontSize = quint8(8 + i % 10);
        t.start();
        store.SaveSettings();
        us.push_back(double(t.nsecsElapsed()) / 1000.0);
        if (i % 50 == 0)
            QCoreApplication::processEvents();
    }
    writer.flush(10000);
    QCoreApplication::processEvents();
    Print("SaveSettings on the GUI thread (queued)", StatsOf(us));
    std::printf("  2000 saves asked for, %d written (the others joined a waiting one)\n", saves);

    // The conversation log, line by line.
    ConversationLog log;
    log.setWriter(&writer);
    log.setFolder(dir.filePath("logs"), true);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    log.setEnabled(true, now);
    log.connectionBegan(QStringLiteral("N0CALL-1 <-> N0CALL-2"), now);
    const QByteArray line = QByteArray(62, 'r') + "\r\n";
    us.clear();
    for (int i = 0; i < Lines; ++i) {
        t.start();
        log.received(line.constData(), line.size());
        us.push_back(double(t.nsecsElapsed()) / 1000.0);
    }
    writer.flush(10000);
    QCoreApplication::processEvents();
    Print("received line (64 B) into the log", StatsOf(us));
    std::printf("  log file: %lld bytes for %d lines%s\n",
                static_cast<long long>(
                    QFileInfo(QDir(dir.filePath("logs")).filePath(ConversationLog::FileNameFor(now.date()))).size()),
                Lines, log.failing() ? " (the log failed)" : "");
    return 0;
}
