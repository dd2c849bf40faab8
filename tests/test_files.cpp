#include "files/Diagnostics.h"
#include "files/FileWriter.h"
#include "files/RegularFile.h"
#include "logbook/Adif.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/types.h>
#include <thread>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A piece of file work that hangs, as a write to a folder that stopped
// answering does, until released.
struct Hang
{
    std::shared_ptr<std::atomic<bool>> started = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<std::atomic<bool>> released = std::make_shared<std::atomic<bool>>(false);
    FileWriter::Job job() const
    {
        return [s = started, r = released](QString*) {
            *s = true;
            while (!*r)
                QThread::msleep(5);
            return true;
        };
    }
    ~Hang() { *released = true; }
};

// What the done callbacks said, in order.
struct Answers
{
    QList<std::pair<bool, QString>> list;
    FileWriter::Done done()
    {
        return [this](bool ok, const QString& why) { list.append({ok, why}); };
    }
};

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void queueBoundedByCountAndBytes();
    void stallGivenUpToldOnceAndNotWaitedFor();
    void rotationKeepsOneOlderFile();
    void onlyRegularFilesWritten();
    void logbookLinkedToAnotherFileLeftAlone();
    void diagnosticsNeverWaitForStandardError();
};

// Full: refused at once, with no answer; what was taken is written in order.
void TestFiles::queueBoundedByCountAndBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.log");
    FileWriter writer;
    writer.setQueueLimits(3, 100);
    Hang hang;
    Answers answers;
    QVERIFY(writer.run(path, hang.job(), answers.done()));
    QTRY_VERIFY(*hang.started);
    QVERIFY(writer.append(path, "1\n", answers.done()));
    QVERIFY(writer.append(path, "2\n", answers.done()));
    QVERIFY(!writer.append(path, QByteArray(99, 'x'), answers.done()));
    QVERIFY(writer.append(path, "3\n", answers.done()));
    QVERIFY(!writer.append(path, "4\n", answers.done()));
    QVERIFY(!writer.replace(dir.filePath("other"), "5\n", answers.done()));

    *hang.released = true;
    QVERIFY(writer.flush(5000));
    QCOMPARE(readAll(path), QByteArray("1\n2\n3\n"));
    QTRY_COMPARE(answers.list.size(), 4);
    for (const auto& [ok, why] : answers.list)
        QVERIFY2(ok, qPrintable(why));
    // Room again.
    QVERIFY(writer.append(path, "4\n"));
    QVERIFY(writer.flush(5000));
    QCOMPARE(readAll(path), QByteArray("1\n2\n3\n4\n"));
}

// Work that does not come back within the bound: it and what waits behind
// it fail, the folder takes nothing more, stalled comes once, flush gives
// up within its own bound; other folders go on. Back again, it takes work.
void TestFiles::stallGivenUpToldOnceAndNotWaitedFor()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("hung") && QDir(dir.path()).mkdir("fine"));
    const QString hungFile = dir.filePath("hung/a.log");
    FileWriter writer;
    writer.setStallBound(200);
    QSignalSpy stalled(&writer, &FileWriter::stalled);
    Hang hang;
    Answers answers;
    QVERIFY(writer.run(hungFile, hang.job(), answers.done()));
    QVERIFY(writer.append(hungFile, "behind\n", answers.done()));

    QElapsedTimer timer;
    timer.start();
    QVERIFY(!writer.flush(400));
    QVERIFY2(timer.elapsed() < 2000, "flush returns within its bound");
    QTRY_COMPARE(stalled.size(), 1);
    QCOMPARE(stalled[0][0].toString(), hungFile);
    QTRY_COMPARE(answers.list.size(), 2);
    QVERIFY(!answers.list[0].first && !answers.list[1].first);
    QVERIFY(answers.list[0].second.contains("given up"));
    QVERIFY(!writer.append(hungFile, "more\n"));
    QVERIFY(!writer.append(dir.filePath("hung/b.log"), "more\n"));

    // Another folder is not held up by it.
    QVERIFY(writer.append(dir.filePath("fine/b.log"), "B\n"));
    QTRY_COMPARE(readAll(dir.filePath("fine/b.log")), QByteArray("B\n"));
    QVERIFY(!writer.flush(50));
    QTest::qWait(300);
    QCOMPARE(stalled.size(), 1);

    // It comes back: the late answer is not given twice, and the folder works again.
    *hang.released = true;
    bool taken = false;
    QTRY_VERIFY(taken || (taken = writer.append(hungFile, "again\n")));
    QVERIFY(writer.flush(5000));
    QCOMPARE(readAll(hungFile), QByteArray("again\n"));
    QTest::qWait(50);
    QCOMPARE(answers.list.size(), 2);
    QCOMPARE(stalled.size(), 1);
}

void TestFiles::rotationKeepsOneOlderFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("trace.log");
    FileWriter writer;
    for (const char* line : {"first 1\n", "first 2\n", "second\n", "third\n"})
        QVERIFY(writer.appendRotating(path, line, 16));
    QVERIFY(writer.flush(5000));
    QCOMPARE(readAll(path), QByteArray("second\nthird\n"));
    QCOMPARE(readAll(path + ".1"), QByteArray("first 1\nfirst 2\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"trace.log", "trace.log.1"}));
    // A line longer than the bound still goes whole into a file of its own.
    QVERIFY(writer.appendRotating(path, QByteArray(40, 'x'), 16));
    QVERIFY(writer.flush(5000));
    QCOMPARE(readAll(path), QByteArray(40, 'x'));
    QCOMPARE(readAll(path + ".1"), QByteArray("second\nthird\n"));
}

// A pipe nobody reads, a device, a link where none is meant: refused at
// once with the reason, nothing written, nothing hangs.
void TestFiles::onlyRegularFilesWritten()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.log");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    const QString linked = dir.filePath("linked.log");
    QVERIFY(QFile::link(dir.filePath("target"), linked));
    QVERIFY(writeAll(dir.filePath("target"), "kept"));
    const QString device = dir.filePath("zero");
    QVERIFY(QFile::link("/dev/zero", device));

    FileWriter writer;
    // Each file's queue answers in its own order.
    Answers toFifo, toLink, toDevice;
    QVERIFY(writer.append(fifo, "x", toFifo.done()));
    QVERIFY(writer.appendRotating(fifo, "x", 1, toFifo.done()));
    QVERIFY(writer.replace(fifo, "x", toFifo.done()));
    QVERIFY(writer.append(linked, "x", toLink.done()));
    QVERIFY(writer.replace(device, "x", toDevice.done()));
    QVERIFY(writer.flush(5000));
    const auto refused = std::make_pair(false, QString("not a regular file"));
    QTRY_COMPARE(toFifo.list, QList({refused, refused, refused}));
    QTRY_COMPARE(toLink.list, QList({std::make_pair(false, QString("a link, not a file"))}));
    QTRY_COMPARE(toDevice.list, QList({refused}));
    QFileInfo info(fifo);
    QVERIFY(!info.isFile() && info.exists());
    QCOMPARE(readAll(dir.filePath("target")), QByteArray("kept"));
    QVERIFY(QFileInfo(device).isSymLink());

    // Reads are bounded and refuse what is not a file.
    const RegularFile::Read zero = RegularFile::ReadFile(device, 1024, RegularFile::Links::Follow);
    QVERIFY(!zero.ok && zero.exists && zero.bytes.isEmpty());
    QCOMPARE(zero.why, QString("not a regular file"));
    QVERIFY(!RegularFile::ReadFile(fifo, 1024, RegularFile::Links::Follow).ok);
    QVERIFY(writeAll(dir.filePath("big"), QByteArray(2000, 'b') + "END"));
    const RegularFile::Read big = RegularFile::ReadFile(dir.filePath("big"), 1024, RegularFile::Links::Follow);
    QVERIFY(!big.ok && big.tooLarge);
    const RegularFile::Read tail =
        RegularFile::ReadFile(dir.filePath("big"), 8, RegularFile::Links::Follow, RegularFile::Part::Tail);
    QVERIFY(tail.ok);
    QCOMPARE(tail.bytes, QByteArray("bbbbbEND"));
    QCOMPARE(tail.offset, 1995);
}

// The logbook's path linked elsewhere: followed only to a regular file that
// reads as ADIF (or is empty); anything else is left byte for byte.
void TestFiles::logbookLinkedToAnotherFileLeftAlone()
{
    QTemporaryDir dir;
    QsoRecord qso;
    qso.call = "EA1ABC";
    qso.timeOn = qso.timeOff = QDateTime(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC);
    const QDateTime now = qso.timeOn;
    const QString adi = dir.filePath("KELDO Terminal.adi");
    QString why;

    const QByteArray text = "Dear diary,\n<b>not</b> a logbook <EOR> at all\ncut off";
    QVERIFY(writeAll(dir.filePath("diary.txt"), text));
    QVERIFY(QFile::link(dir.filePath("diary.txt"), adi));
    QVERIFY(!AdifFile(adi).append(qso, now, &why));
    QVERIFY(why.contains("ADIF"));
    QCOMPARE(readAll(dir.filePath("diary.txt")), text);
    QVERIFY(!QFile::exists(adi + ".bad"));

    for (const char* device : {"/dev/zero", "/dev/urandom", "/dev/null"}) {
        QVERIFY(QFile::remove(adi) && QFile::link(device, adi));
        QVERIFY(!AdifFile(adi).append(qso, now, &why));
        QCOMPARE(why, QString("not a regular file"));
    }
    // The device itself at the path, where the system lets us make one.
    QVERIFY(QFile::remove(adi));
    if (::mknod(QFile::encodeName(adi).constData(), S_IFCHR | 0600, makedev(1, 5)) == 0) {
        QVERIFY(!AdifFile(adi).append(qso, now, &why));
        QCOMPARE(why, QString("not a regular file"));
        QVERIFY(::unlink(QFile::encodeName(adi).constData()) == 0);
    }

    // A link to a logbook is followed; a record already at its end (written
    // before a crash could say so) is not written twice.
    const QString real = dir.filePath("real.adi");
    QVERIFY(writeAll(real, "log\r\n<EOH>\r\n"));
    QVERIFY(QFile::link(real, adi));
    QVERIFY2(AdifFile(adi).append(qso, now, &why), qPrintable(why));
    QVERIFY2(AdifFile(adi).append(qso, now, &why), qPrintable(why));
    QCOMPARE(readAll(real), "log\r\n<EOH>\r\n" + Adif::Record(qso));
    QVERIFY(QFileInfo(adi).isSymLink());

    // In a large file only the tail is read: a cut record there is set aside.
    QVERIFY(QFile::remove(adi));
    QByteArray large = "log\r\n<EOH>\r\n";
    while (large.size() < 3 * AdifFile::TailBytes)
        large += Adif::Record(qso);
    QVERIFY(writeAll(adi, large + "<CALL:6>EB2"));
    QsoRecord next = qso;
    next.call = "EB2XYZ";
    QVERIFY2(AdifFile(adi).append(next, now, &why), qPrintable(why));
    QCOMPARE(readAll(adi), large + Adif::Record(next));
    QCOMPARE(readAll(adi + ".bad"), QByteArray("<CALL:6>EB2\r\n"));
}

// Standard error a pipe nobody reads: diagnostics from any thread return at
// once, what does not fit is dropped and counted, and told once read again.
void TestFiles::diagnosticsNeverWaitForStandardError()
{
    int ends[2];
    QVERIFY(::pipe(ends) == 0);
    const auto closeEnds = qScopeGuard([&] {
        Diagnostics::Uninstall();
        ::close(ends[0]);
        ::close(ends[1]);
    });
    // Filled to the brim, then left blocking as standard error is.
    QVERIFY(::fcntl(ends[1], F_SETFL, O_NONBLOCK) == 0);
    const QByteArray fill(4096, 'f');
    qint64 filled = 0;
    for (ssize_t n; (n = ::write(ends[1], fill.constData(), size_t(fill.size()))) > 0;)
        filled += n;
    // The last free bytes too: a short line must not slip in.
    for (ssize_t n; (n = ::write(ends[1], "f", 1)) > 0;)
        filled += n;
    QVERIFY(::fcntl(ends[1], F_SETFL, 0) == 0);

    Diagnostics::Install(ends[1], 8, 4096);
    std::thread keying([] {
        for (int i = 0; i < 100; ++i)
            qWarning("keyer line %d", i);
    });
    keying.join();
    for (int i = 0; i < 100; ++i)
        qWarning("window line %d", i);
    // No more than the queue holds got past the full pipe.
    QVERIFY(Diagnostics::Dropped() >= 100);
    QVERIFY(!Diagnostics::Flush(50));

    // Read again: every line is either there or counted as dropped.
    QVERIFY(::fcntl(ends[0], F_SETFL, O_NONBLOCK) == 0);
    QByteArray out;
    QByteArray chunk(65536, Qt::Uninitialized);
    const auto accounted = [&] {
        const ssize_t n = ::read(ends[0], chunk.data(), size_t(chunk.size()));
        if (n > 0)
            out += chunk.left(n);
        quint64 told = 0;
        static const QRegularExpression dropped("^(\\d+) diagnostic line\\(s\\) dropped",
                                                QRegularExpression::MultilineOption);
        for (auto m = dropped.globalMatch(QString::fromLatin1(out)); m.hasNext();)
            told += m.next().captured(1).toULongLong();
        return told == Diagnostics::Dropped() && quint64(out.count(" line ")) + told == 200;
    };
    QTRY_VERIFY2(accounted(), out.right(300).constData());
    QVERIFY(out.mid(filled).startsWith("keyer line 0\n"));
    QVERIFY(Diagnostics::Flush(5000));
}

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
