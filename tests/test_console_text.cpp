#include "console/ConsoleInput.h"
#include "console/ConsoleOutput.h"
#include "console/ConsoleText.h"
#include "terminal/RxFeed.h"

#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

// The console's pieces that stand between the station and a terminal or a
// pipe: what is printed of received text, what a typed line means, and
// standard input and output that never hold up the station.
class TestConsoleText : public QObject
{
    Q_OBJECT
private slots:
    // What the RX screen gains is told once, by speaker, whatever the screen
    // does with it afterwards.
    void feedTellsEachAdditionOnce()
    {
        RxTextModel model;
        model.appendCapped("before\r\n");
        RxFeed feed(model);
        QStringList told;
        connect(&feed, &RxFeed::appended, this,
                [&](const QString& text, Speaker speaker) { told << QString::number(int(speaker)) + ':' + text; });
        QSignalSpy cleared(&feed, &RxFeed::cleared);
        model.appendUncapped(">N0CALL\r\n", Speaker::Own);
        model.appendCapped("typed", Speaker::Pending);
        model.appendCapped("HELLO", Speaker::Remote);
        model.setSpeaker(model.length() - 10, 5, Speaker::Own); // restyled: not told again
        model.remove(model.length() - 10, 5); // never went out
        model.appendCapped(" AGAIN", Speaker::Remote);
        QCOMPARE(told, QStringList({"1:>N0CALL\r\n", "3:typed", "0:HELLO", "0: AGAIN"}));
        told.clear();
        // Trimmed at the cap: only the new tail is told.
        model.appendCapped(QString(RxTextModel::Cap, 'x'), Speaker::Remote);
        model.appendCapped("end", Speaker::Remote);
        QCOMPARE(told.size(), 2);
        QCOMPARE(told[0].size(), 2 + RxTextModel::Cap);
        QCOMPARE(told[1], QString("0:end"));
        model.clear();
        model.appendCapped("new", Speaker::Remote);
        QCOMPARE(cleared.size(), 1);
        QCOMPARE(told.last(), QString("0:new"));
    }

    void receivedTextCannotDriveTheTerminal()
    {
        ConsoleTextFilter f;
        // ESC [ 2 J, a bell, a lone LF, a tab, DEL and C1 CSI all as pictures;
        // CR and CR LF as line breaks, even split between two pieces.
        QCOMPARE(f.feed(u"a\x1b[2J\a\nb\tc\x7f\x9b"
                        "1m\r"),
                 QString::fromUtf8("a␛[2J␇␊b␉c␡␛[1m\n"));
        QVERIFY(f.atLineStart());
        QCOMPARE(f.feed(u"\nnext\r\r\n"), QString("next\n\n"));
        QCOMPARE(f.feed(u"tail"), QString("tail"));
        QVERIFY(!f.atLineStart());
        QCOMPARE(f.feed(QString::fromUtf8("é€")), QString::fromUtf8("é€")); // printable text as it is
    }

    void typedLinesAndCommands()
    {
        using K = ConsoleCommand::Kind;
        const auto kind = [](const QString& line) { return ConsoleCommand::parse(line).kind; };
        QCOMPARE(ConsoleCommand::parse("hello /there").text, QString("hello /there"));
        QCOMPARE(ConsoleCommand::parse("//etc").text, QString("/etc"));
        QCOMPARE(kind("//etc"), K::Text);
        const ConsoleCommand c = ConsoleCommand::parse("/connect ea4xyz  wide1 relay");
        QCOMPARE(c.kind, K::Connect);
        QCOMPARE(c.call + ' ' + c.via.join(' '), QString("EA4XYZ WIDE1 RELAY"));
        QCOMPARE(kind("/connect"), K::Invalid);
        QCOMPARE(kind("/connect A B C D"), K::Invalid);
        QCOMPARE(ConsoleCommand::parse("/F12").macro, 12);
        QCOMPARE(kind("/f1"), K::Macro);
        for (const char* bad : {"/f0", "/f13", "/f01", "/fx", "/stop now", "/quitt", "/"})
            QVERIFY2(kind(bad) == K::Invalid, bad);
        QCOMPARE(kind("/stop"), K::Stop);
        QCOMPARE(kind("/CLEAR"), K::Clear);
        QCOMPARE(kind("/status"), K::Status);
        QCOMPARE(kind("/control"), K::Control);
        QCOMPARE(kind("/quit"), K::Quit);
    }

    void inputLinesBoundedAndEnded()
    {
        int ends[2];
        QVERIFY(::pipe(ends) == 0);
        ConsoleInput input(ends[0]);
        QSignalSpy lines(&input, &ConsoleInput::lineRead);
        QSignalSpy tooLong(&input, &ConsoleInput::lineTooLong);
        QSignalSpy ended(&input, &ConsoleInput::inputEnded);
        const QByteArray bytes = "one\r\ntw";
        QCOMPARE(::write(ends[1], bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
        QTRY_COMPARE(lines.size(), 1);
        const QByteArray rest = "o\n" + QByteArray(ConsoleInput::MaxLine + 10, 'x') + "\nlast";
        for (qsizetype at = 0; at < rest.size();) {
            const ssize_t n = ::write(ends[1], rest.constData() + at, size_t(rest.size() - at));
            QVERIFY(n > 0);
            at += n;
            QCoreApplication::processEvents();
        }
        ::close(ends[1]);
        QTRY_COMPARE(ended.size(), 1);
        QCOMPARE(tooLong.size(), 1);
        QStringList got;
        for (const QList<QVariant>& l : lines)
            got << l.at(0).toString();
        QCOMPARE(got, QStringList({"one", "two", "last"}));
        QVERIFY(input.ended());
        ::close(ends[0]);
    }

    // A pipe nobody reads: writes are dropped and counted, never waited on;
    // once read again, the count is told before what follows.
    void outputNeverWaitsOnAStuckReader()
    {
        int ends[2];
        QVERIFY(::pipe(ends) == 0);
        // Full before the console writes a byte.
        ::fcntl(ends[1], F_SETFL, O_NONBLOCK);
        const QByteArray chunk(4096, 'x');
        while (::write(ends[1], chunk.constData(), size_t(chunk.size())) > 0) {
        }
        ::fcntl(ends[1], F_SETFL, 0);
        {
            ConsoleOutput out(ends[1], 4096);
            const QByteArray line(1000, 'a');
            for (int i = 0; i < 200; ++i)
                out.write(line + '\n');
            QVERIFY(out.dropped() > 100);
            QVERIFY(!out.flush(50));
            ::fcntl(ends[0], F_SETFL, O_NONBLOCK);
            QByteArray read;
            char buffer[65536];
            QTRY_VERIFY([&] {
                ssize_t n;
                while ((n = ::read(ends[0], buffer, sizeof buffer)) > 0)
                    read.append(buffer, n);
                return out.flush(0);
            }());
            out.write("after\n");
            QVERIFY(out.flush(5000));
            ssize_t n;
            while ((n = ::read(ends[0], buffer, sizeof buffer)) > 0)
                read.append(buffer, n);
            QVERIFY2(read.contains("dropped"), read.right(200).constData());
            QVERIFY(read.endsWith("after\n"));
        }
        ::close(ends[0]);
        ::close(ends[1]);
    }
};

QTEST_GUILESS_MAIN(TestConsoleText)
#include "test_console_text.moc"
