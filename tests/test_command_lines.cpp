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

    void lineEndsAndEmptyLines()
    {
        LineAssembler a;
        // CR, LF and CR LF each end a line; CR LF is one end, also when the
        // LF opens the next arrival.
        auto lines = feedAll(a, {"PTT ON\r\nPTT OFF\r", "\nX\nY\r", "\n\nZ\r"});
        QCOMPARE(lines, QList<QByteArray>({"PTT ON", "PTT OFF", "X", "Y", "", "Z"}));
        lines = feedAll(a, {"\r\r"});
        QCOMPARE(lines, QList<QByteArray>({"", ""}));
        lines = feedAll(a, {QByteArray("A\0B\r", 4)});
        QCOMPARE(lines.first(), QByteArray("A\0B", 3));
        // A modem ending lines with LF alone is heard at once: its unkey is not
        // swallowed into the line before it.
        lines = feedAll(a, {"BUFFER 5\n", "PTT OFF\n"});
        QCOMPARE(lines, QList<QByteArray>({"BUFFER 5", "PTT OFF"}));
        QCOMPARE(a.pendingBytes(), 0);
    }

    void overlongLineStopsTheStream()
    {
        const QByteArray big(LineAssembler::MaxLineBytes + 10, 'x');
        // In pieces or whole: refused, nothing handed on, nothing kept.
        for (const QList<QByteArray>& arrivals : {QList<QByteArray>{big.left(40000), big.mid(40000), "\rPTT ON\r"},
                                                  QList<QByteArray>{big + "\rPTT ON\r"}}) {
            LineAssembler a;
            bool fits = true;
            for (const QByteArray& bytes : arrivals)
                fits = a.feed(bytes, [](const QByteArray&) { QFAIL("no line expected"); }) && fits;
            QVERIFY(!fits);
            QVERIFY(a.overflowed());
            QCOMPARE(a.pendingBytes(), 0);
            // Until a new connection starts.
            a.reset();
            QCOMPARE(feedAll(a, {"PTT OFF\r"}), QList<QByteArray>({"PTT OFF"}));
        }
        // Lines before the overlong one in the same arrival are handed on.
        LineAssembler a;
        QCOMPARE(feedAll(a, {"PTT OFF\r" + big}), QList<QByteArray>({"PTT OFF"}));
        QVERIFY(a.overflowed());
        // Exactly at the limit is still a line.
        LineAssembler b;
        QCOMPARE(feedAll(b, {QByteArray(LineAssembler::MaxLineBytes, 'y') + '\r'}).size(), 1);
        QVERIFY(!b.overflowed());
        // A 100 MB stream without a line end never holds more than the limit.
        for (int i = 0; i < 100; ++i)
            b.feed(QByteArray(1 << 20, 'z'), [](const QByteArray&) { QFAIL("no line expected"); });
        QVERIFY(b.pendingBytes() <= LineAssembler::MaxLineBytes);
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
            const int len = rng.bounded(i % 50 == 0 ? 60000 : 40);
            for (int j = 0; j < len; ++j)
                stream.append(char('A' + rng.bounded(26)));
            const char* ends[] = {"\r", "\n", "\r\n"};
            stream.append(ends[rng.bounded(3)]);
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

    void lineKinds()
    {
        using Protocol::LineKind;
        // The unkey in any spacing, with blanks and tabs around it.
        for (const char* off : {"PTT OFF", "PTT  OFF", "PTT\tOFF", " PTT OFF", "\tPTT \t OFF \t", "PTT OFF   "})
            QVERIFY2(Protocol::KindOf(QString::fromLatin1(off)) == LineKind::PttOff, off);
        for (const char* other : {"PTTOFF", "PTT OFFX", "PTT OF F", "XPTT OFF", "PTT", "OFF", "PTT ON OFF"})
            QVERIFY2(Protocol::KindOf(QString::fromLatin1(other)) == LineKind::Other, other);
        // The key-up only as before: exact, blanks after it allowed.
        QVERIFY(Protocol::KindOf("PTT ON") == LineKind::PttOn);
        QVERIFY(Protocol::KindOf("PTT ON \t") == LineKind::PttOn);
        for (const char* notOn : {"PTT  ON", " PTT ON", "PTT\tON", "PTTON"})
            QVERIFY2(Protocol::KindOf(QString::fromLatin1(notOn)) != LineKind::PttOn, notOn);
        // DISCONNECTED ends the connection with blanks or a tab after it.
        for (const char* end : {"DISCONNECTED", "DISCONNECTED ", "DISCONNECTED  ", "DISCONNECTED\t", "DISCONNECTED \t"})
            QVERIFY2(Protocol::KindOf(QString::fromLatin1(end)) == LineKind::Disconnected, end);
        QVERIFY(Protocol::KindOf("DISCONNECTED X") == LineKind::Other);
        QVERIFY(Protocol::KindOf("CONNECTED A B 2300") == LineKind::Connected);
        QVERIFY(Protocol::KindOf("BUFFER 12") == LineKind::Buffer);
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
