#include "link/CommandProtocol.h"
#include "link/LineAssembler.h"

#include <QRandomGenerator>
#include <QtTest>

class TestCommandLines : public QObject
{
    Q_OBJECT

    static QList<QByteArray> feedAll(LineAssembler& a, const QList<QByteArray>& arrivals, QList<int>* when = nullptr)
    {
        QList<QByteArray> lines;
        for (int i = 0; i < arrivals.size(); ++i)
            a.feed(arrivals[i], [&](const QByteArray& l) {
                lines << QByteArray(l.constData(), l.size());
                if (when)
                    *when << i;
            });
        return lines;
    }

private slots:
    void splitsAndJoinsArrivals()
    {
        LineAssembler a;
        QList<int> when;
        // A BUFFER line split inside its keyword is handled when it completes.
        auto lines = feedAll(a, {"BUF", "FER 12\r"}, &when);
        QCOMPARE(lines, QList<QByteArray>({"BUFFER 12"}));
        QCOMPARE(when, QList<int>({1}));

        // Two lines in one arrival, in order.
        lines = feedAll(a, {"PTT ON\rBUFFER 3\r"});
        QCOMPARE(lines, QList<QByteArray>({"PTT ON", "BUFFER 3"}));

        // A complete line followed by a partial one: the complete one at once.
        when.clear();
        lines = feedAll(a, {"PTT ON\rBUFF", "ER 0\r"}, &when);
        QCOMPARE(lines, QList<QByteArray>({"PTT ON", "BUFFER 0"}));
        QCOMPARE(when, QList<int>({0, 1}));
        QCOMPARE(a.pendingBytes(), 0);
    }

    void lineFeedsAndEmptyLines()
    {
        LineAssembler a;
        // CR LF is one line end, also when the LF opens the next arrival;
        // any other LF is part of its line.
        auto lines = feedAll(a, {"PTT ON\r\nPTT OFF\r", "\nX\nY\r", "\n\nZ\r"});
        QCOMPARE(lines, QList<QByteArray>({"PTT ON", "PTT OFF", "X\nY", "\nZ"}));
        lines = feedAll(a, {"\r\r"});
        QCOMPARE(lines, QList<QByteArray>({"", ""}));
        lines = feedAll(a, {QByteArray("A\0B\r", 4)});
        QCOMPARE(lines.first(), QByteArray("A\0B", 3));
    }

    void dropsOverlongLinesWhole()
    {
        LineAssembler a;
        const QByteArray big(LineAssembler::MaxLineBytes + 10, 'x');
        // Overlong in pieces: dropped up to and including its CR, the next line survives.
        auto lines = feedAll(a, {big.left(40000), big.mid(40000), "tail of it\rPTT ON\r"});
        QCOMPARE(lines, QList<QByteArray>({"PTT ON"}));
        QVERIFY(a.pendingBytes() <= LineAssembler::MaxLineBytes);
        // Overlong in one arrival behaves the same.
        lines = feedAll(a, {big + "\rPTT OFF\r"});
        QCOMPARE(lines, QList<QByteArray>({"PTT OFF"}));
        // Exactly at the limit is still a line.
        lines = feedAll(a, {QByteArray(LineAssembler::MaxLineBytes, 'y') + '\r'});
        QCOMPARE(lines.size(), 1);
        // A 100 MB stream without CR never holds more than the limit.
        for (int i = 0; i < 100; ++i)
            a.feed(QByteArray(1 << 20, 'z'), [](const QByteArray&) { QFAIL("no line expected"); });
        QVERIFY(a.pendingBytes() <= LineAssembler::MaxLineBytes);
        lines = feedAll(a, {"junk\rOK\r"});
        QCOMPARE(lines, QList<QByteArray>({"OK"}));
    }

    void resetForgetsPartialLine()
    {
        LineAssembler a;
        feedAll(a, {"PTT O"});
        a.reset();
        QCOMPARE(feedAll(a, {"N\r"}), QList<QByteArray>({"N"}));
    }

    void sameLinesHoweverSplit()
    {
        // Property: the lines do not depend on how the stream is cut.
        QRandomGenerator rng(1234);
        QByteArray stream;
        for (int i = 0; i < 300; ++i) {
            const int len = rng.bounded(i % 50 == 0 ? 70000 : 40);
            for (int j = 0; j < len; ++j)
                stream.append(char('A' + rng.bounded(26)));
            stream.append('\r');
            if (rng.bounded(3) == 0)
                stream.append('\n');
        }
        LineAssembler whole;
        const auto expected = feedAll(whole, {stream});
        for (int round = 0; round < 20; ++round) {
            LineAssembler a;
            QList<QByteArray> arrivals;
            for (qsizetype pos = 0; pos < stream.size();) {
                const qsizetype n = 1 + rng.bounded(round < 10 ? 8 : 5000);
                arrivals << stream.mid(pos, n);
                pos += n;
            }
            QCOMPARE(feedAll(a, arrivals), expected);
        }
    }

    void fieldsAndNumbers()
    {
        QCOMPARE(Protocol::SplitFields("A  B"), QStringList({"A", "", "B"}));
        QCOMPARE(Protocol::LeadingNumber("42abc"), 42);
        QCOMPARE(Protocol::LeadingNumber("abc"), 0);
        QCOMPARE(Protocol::LeadingNumber(""), 0);
        QCOMPARE(Protocol::LeadingNumber(" 7"), 7);
        QCOMPARE(Protocol::LeadingNumber("-5"), -5);
        // Beyond every integer range: saturates, never wraps.
        QCOMPARE(Protocol::LeadingNumber("99999999999999999999999999"), std::numeric_limits<qint64>::max());
        QCOMPARE(Protocol::LeadingNumber("4294967296"), 4294967296LL);
    }

    void connectedFields()
    {
        auto f = Protocol::ParseConnected("CONNECTED A B 2300");
        QCOMPARE(f.call1, QString("A"));
        QCOMPARE(f.call2, QString("B"));
        QVERIFY(f.via1.isEmpty() && f.via2.isEmpty());
        f = Protocol::ParseConnected("CONNECTED A B 1200 D1");
        QCOMPARE(f.via1, QString("D1"));
        QVERIFY(f.via2.isEmpty());
        f = Protocol::ParseConnected("CONNECTED A B 1200 D1 D2 EXTRA");
        QCOMPARE(f.via2, QString("D2"));
        f = Protocol::ParseConnected("CONNECTED A B 1200 D1 NARROW");
        QCOMPARE(f.via1, QString("D1"));
        QVERIFY(f.via2.isEmpty());
        f = Protocol::ParseConnected("CONNECTED A B 1200 D1 WIDE");
        QVERIFY(f.via2.isEmpty());
        f = Protocol::ParseConnected("CONNECTED A");
        QVERIFY(f.hasCall1 && !f.hasCall2);
        f = Protocol::ParseConnected("CONNECTED ");
        QVERIFY(f.hasCall1 && f.call1.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCommandLines)
#include "test_command_lines.moc"
